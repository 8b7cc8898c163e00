// Reference values of the degrees-minutes-seconds conversions are worked out by hand
// (d + m/60 + s/3600).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "CoreTest.h"
#include "ostrimo/calc/Global.h"

using namespace ostrimo;

namespace {

class DmsAngles : public CoreTest {
protected:
    void ExpectParsed(double typed, const char* deg, const char* min, const char* sec, double decimal) {
        SCOPED_TRACE(typed);
        G.ErrorFlag = false;
        ParseDmsAngle(typed);
        EXPECT_FALSE(G.ErrorFlag);
        EXPECT_EQ(G.DegText, deg);
        EXPECT_EQ(G.MinText, min);
        EXPECT_EQ(G.SecText, sec);
        EXPECT_NEAR(G.AngleDecimal, decimal, 1e-12);
    }

    void ExpectRefused(double typed, const char* message) {
        SCOPED_TRACE(typed);
        G.DegText = "keep";
        G.AngleDecimal = 7;
        G.ErrorFlag = false;
        const GlobalData before = G;
        notices.Clear();
        ParseDmsAngle(typed);
        ASSERT_EQ(notices.notices.size(), 1u);
        EXPECT_EQ(notices.notices[0], (rt::Notice{rt::Notice::Box, message, "  Error !", rt::MB_OK}));
        GlobalData expected = before;
        expected.ErrorFlag = true;
        EXPECT_EQ(G, expected);  // nothing but the flag changes
    }

    void ExpectShown(double angle, const char* deg, const char* min, const char* sec) {
        SCOPED_TRACE(angle);
        FormatDegMinSec(angle, G.DegText, G.MinText, G.SecText);
        NormalizeDmsStrings();
        EXPECT_EQ(G.DegText, deg);
        EXPECT_EQ(G.MinText, min);
        EXPECT_EQ(G.SecText, sec);
    }
};

}  // namespace

TEST_F(DmsAngles, ParsesTypedDegreesMinutesSeconds) {
    ExpectParsed(20.3015, "20", "30", "15.0", 20 + 30 / 60.0 + 15 / 3600.0);
    ExpectParsed(12.0730, "12", "7", "30.0", 12 + 7 / 60.0 + 30 / 3600.0);
    ExpectParsed(0.5959, "0", "59", "59.0", 59 / 60.0 + 59 / 3600.0);
    ExpectParsed(45, "45", "0", "0.0", 45);
    // the text carries 59.99 seconds; seconds 59.99 round to "60.0" in the text
    ExpectParsed(20.305999, "20", "30", "60.0", 20 + 30 / 60.0 + 59.99 / 3600.0);
    ExpectParsed(20.30599999, "20", "30", "60.0", 20 + 30 / 60.0 + 59.9999 / 3600.0);
    EXPECT_TRUE(notices.notices.empty());
}

TEST_F(DmsAngles, ReadsTheDigitsAsTypedWhereTheDoubleFallsShort) {
    // 3.19 is 3.18999999999999995..., 3.21 is 3.20999999999999996...: the minutes are
    // still 19 and 21 with no seconds.
    ExpectParsed(3.19, "3", "19", "0.0", 3 + 19 / 60.0);
    ExpectParsed(3.21, "3", "21", "0.0", 3 + 21 / 60.0);
    ExpectParsed(20.2959, "20", "29", "59.0", 20 + 29 / 60.0 + 59 / 3600.0);
}

TEST_F(DmsAngles, RefusesMinutesAbove59AndSecondsOf60) {
    ExpectRefused(20.6000, "Select minutes from 0 to 59.");
    ExpectRefused(20.9930, "Select minutes from 0 to 59.");
    ExpectRefused(20.3060, "Select seconds from 0 do 59.99");
    ExpectRefused(20.5999999, "Select seconds from 0 do 59.99");  // 8 decimals: 59.99990 -> rounds to 60.0000
    ExpectRefused(-20.6000, "Select minutes from 0 to 59.");
}

TEST_F(DmsAngles, NegativeAngleIsReadByItsMagnitudeWithOneSign) {
    ExpectParsed(-20.3015, "-20", "30", "15.0", -(20 + 30 / 60.0 + 15 / 3600.0));
    ExpectParsed(-0.3000, "-0", "30", "0.0", -0.5);
}

TEST_F(DmsAngles, FormatsAndCarries) {
    ExpectShown(20.5, "20", "30", "0");  // "0.0" seconds become "0"
    ExpectShown(20 + 30 / 60.0 + 15.1 / 3600.0, "20", "30", "15.1");
    ExpectShown(29.999999, "30", "0", "0.0");  // 59' 59.9964" -> 60.0 -> 60' -> 30 degrees
    ExpectShown(10.7, "10", "42", "0.0");      // fraction 0.6999999...: 41' 60.0" carried
    ExpectShown(0, "0", "0", "0");
    EXPECT_EQ(G.AngleDeg, 0);
    ExpectShown(20.5042, "20", "30", "15.1");
    EXPECT_EQ(G.AngleDeg, 20);
    EXPECT_EQ(G.AngleMin, 30);
    EXPECT_NEAR(G.AngleSec, 15.12, 1e-9);
}

TEST_F(DmsAngles, FormatsANegativeAngleByItsMagnitude) {
    ExpectShown(-20.5, "-20", "30", "0");
    EXPECT_EQ(G.AngleDeg, -20);
    ExpectShown(-29.999999, "-30", "0", "0.0");
    ExpectShown(-0.25, "-0", "15", "0");
    ExpectShown(-1e-12, "0", "0", "0");  // shows as zero: no sign
}

TEST_F(DmsAngles, FormatOutsideTheIntegerRangeDoesNotFail) {
    ExpectShown(1e12, "1000000000000", "0", "0");
    ExpectShown(std::numeric_limits<double>::quiet_NaN(), "NAN", "0", "0");
}

TEST_F(DmsAngles, ParsedAngleFormatsBackToTheSameText) {
    for (double typed : {20.3015, 12.0730, 7.5959, 0.0001, 89.5930}) {
        ParseDmsAngle(typed);
        const std::string deg = G.DegText, min = G.MinText, sec = G.SecText;
        ExpectShown(G.AngleDecimal, deg.c_str(), min.c_str(), sec == "0.0" ? "0" : sec.c_str());
    }
}
