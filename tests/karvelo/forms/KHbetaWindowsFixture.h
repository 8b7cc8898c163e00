// The accuracy, KHbeta, method C and arrangement windows of one test, linked as the program links
// them, with the main window's message hook handing the KHbeta window its presses.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "InputWindowFixture.h"
#include "karvelo/forms/KHbetaC.h"
#include "karvelo/forms/KHbetaF.h"
#include "karvelo/forms/PresnostF.h"
#include "karvelo/forms/Schemata.h"
#include "runtime/NumText.h"

namespace karvelo {

class KHbetaWindows : public InputWindows {
protected:
    void SetUp() override {
        InputWindows::SetUp();
        for (ui::Form* f : Forms()) f->OnCreate();
        Presnost_F = &accuracy;
        KHbeta_F = &khbeta;
        KHbeta_C = &methodC;
        Pudorysne_schema = &arrangement;
        ui::App().OnMessage = [this](ui::Message& m, bool&) {
            if (m.Target && m.Target->IsWithin(&khbeta)) khbeta.PreviewKHbetaMouseDown(m);
        };
    }
    void TearDown() override {
        for (ui::Form* f : Forms()) f->Hide();
        ui::App().OnMessage = nullptr;
        Presnost_F = nullptr;
        KHbeta_F = nullptr;
        KHbeta_C = nullptr;
        Pudorysne_schema = nullptr;
        InputWindows::TearDown();
    }
    std::array<ui::Form*, 4> Forms() { return {&accuracy, &khbeta, &methodC, &arrangement}; }
    static std::vector<std::string> Messages() { return ui::test::Notices().Texts(); }

    TPresnost_F accuracy;
    TKHbeta_F khbeta;
    TKHbeta_C methodC;
    TPudorysne_schema arrangement;
};

}  // namespace karvelo
