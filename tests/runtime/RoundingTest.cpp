#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "runtime/FileNames.h"
#include "runtime/Rounding.h"

TEST(Rounding, RoundIsHalfToEvenTruncTowardZero) {
    EXPECT_EQ(rt::Round(2.5), 2);
    EXPECT_EQ(rt::Round(3.5), 4);
    EXPECT_EQ(rt::Round(-2.5), -2);
    EXPECT_EQ(rt::Round(2.4999), 2);
    EXPECT_EQ(rt::Trunc(-2.7), -2);
    EXPECT_EQ(rt::Int(3.99), 3);
    EXPECT_DOUBLE_EQ(rt::Frac(-3.25), -0.25);
    EXPECT_EQ(rt::RoundInt<int>(0.5), 0);
    EXPECT_EQ(rt::RoundInt<int>(1.5), 2);
}

TEST(Rounding, NonFiniteInputsGiveDefinedResults) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(std::isnan(rt::Round(nan)));
    EXPECT_TRUE(std::isinf(rt::Trunc(inf)));
    EXPECT_TRUE(std::isnan(rt::Frac(inf)));
    EXPECT_EQ(rt::RoundInt<int>(nan), 0);
    EXPECT_EQ(rt::TruncInt<int>(inf), std::numeric_limits<int>::max());
    EXPECT_EQ(rt::TruncInt<std::int16_t>(-1e9), std::numeric_limits<std::int16_t>::min());
}

TEST(FileNames, ChangeFileExtTouchesOnlyTheLastComponent) {
    EXPECT_EQ(rt::ChangeFileExt("dir.v2/case", ".VST"), "dir.v2/case.VST");
    EXPECT_EQ(rt::ChangeFileExt("/a/b/case.pev", ".VYS"), "/a/b/case.VYS");
    EXPECT_EQ(rt::ChangeFileExt("case.tar.gz", ".PEV"), "case.tar.PEV");
    EXPECT_EQ(rt::ExtractFileExt("dir.v2/case"), "");
    EXPECT_EQ(rt::ExtractFileName("/a/b/c.dat"), "c.dat");
    EXPECT_EQ(rt::ExtractFilePath("/a/b/c.dat"), "/a/b/");
}
