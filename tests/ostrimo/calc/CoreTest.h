// Fixture of the core tests: fresh global data and recorded notices.
#pragma once

#include <gtest/gtest.h>

#include "ostrimo/calc/Global.h"
#include "runtime/Notice.h"

class CoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ostrimo::G = ostrimo::GlobalData{};
        rt::SetNoticeSink(&notices);
    }
    void TearDown() override { rt::SetNoticeSink(nullptr); }

    rt::NoticeRecorder notices;
};
