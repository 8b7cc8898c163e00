// Expected texts were printed by Free Pascal's Str and FormatFloat (the original
// runtime's behaviour), except where a comment says the runtime decides otherwise.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "runtime/NumText.h"

using rt::FormatFloat;
using rt::Str;
using rt::StrReal;

TEST(Str, FixedPointWidthAndDecimals) {
    EXPECT_EQ(Str(1.3, 5, 1), "  1.3");
    EXPECT_EQ(Str(1.0, 5, 3), "1.000");
    EXPECT_EQ(Str(12345.6, 6, 1), "12345.6");  // wider than w: never cut
    EXPECT_EQ(Str(123.456, 3, 0), "123");      // d = 0: no point
    EXPECT_EQ(Str(-0.5, 6, 3), "-0.500");
    EXPECT_EQ(Str(0.0, 1, 2), "0.00");
    EXPECT_EQ(Str(120.0, 7, 3), "120.000");
    EXPECT_EQ(Str(1e300, 1, 2).size(), 304u);  // full digits, no exponent form
}

TEST(Str, TiesRoundHalfAwayFromZeroOnTheShortestDecimal) {
    EXPECT_EQ(Str(2.5, 5, 0), "    3");
    EXPECT_EQ(Str(3.5, 1, 0), "4");
    EXPECT_EQ(Str(0.125, 1, 2), "0.13");  // exact binary tie: printf would give 0.12
    EXPECT_EQ(Str(2.675, 1, 2), "2.68");  // the double is 2.67499999999999982...
    EXPECT_EQ(Str(-2.675, 1, 2), "-2.68");
    EXPECT_EQ(Str(0.0625, 1, 3), "0.063");
    EXPECT_EQ(Str(9.995, 1, 2), "10.00");  // carry into a new digit
    EXPECT_EQ(Str(99.96, 5, 1), "100.0");
    EXPECT_EQ(Str(0.12499999999999999, 1, 2), "0.12");
}

TEST(Str, NegativeZeroAndValuesRoundingToZeroHaveNoSign) {
    EXPECT_EQ(Str(-0.0, 1, 3), "0.000");
    EXPECT_EQ(Str(-0.0001, 1, 2), "0.00");
    EXPECT_EQ(Str(-0.4, 1, 0), "0");
    EXPECT_EQ(Str(-0.5, 1, 0), "-1");
}

TEST(Str, NonFiniteValuesHaveFixedSpellings) {
    EXPECT_EQ(Str(std::numeric_limits<double>::quiet_NaN(), 5, 2), "  NAN");
    EXPECT_EQ(Str(std::numeric_limits<double>::infinity(), 1, 2), "+INF");
    EXPECT_EQ(Str(-std::numeric_limits<double>::infinity(), 6, 2), "  -INF");
    EXPECT_EQ(StrReal(std::numeric_limits<double>::quiet_NaN()).size(), 23u);
}

TEST(Str, Integers) {
    EXPECT_EQ(Str(7LL, 3), "  7");
    EXPECT_EQ(Str(-12LL, 1), "-12");
    EXPECT_EQ(Str(12345LL, 2), "12345");
}

TEST(StrReal, DefaultRealTextOfTheDataFile) {
    EXPECT_EQ(StrReal(20), " 2.00000000000000E+0001");
    EXPECT_EQ(StrReal(-7.5), "-7.50000000000000E+0000");
    EXPECT_EQ(StrReal(0), " 0.00000000000000E+0000");
    EXPECT_EQ(StrReal(-0.0), " 0.00000000000000E+0000");
    EXPECT_EQ(StrReal(1.0 / 3), " 3.33333333333333E-0001");
    EXPECT_EQ(StrReal(2.0 / 3), " 6.66666666666667E-0001");
    EXPECT_EQ(StrReal(9.999999999999999), " 1.00000000000000E+0001");  // carry in the 15th digit
    EXPECT_EQ(StrReal(1.5e-300), " 1.50000000000000E-0300");
    EXPECT_EQ(StrReal(123456.0), " 1.23456000000000E+0005");
}

TEST(StrReal, ReadsBackToFifteenSignificantDigits) {
    for (double v : {0.1, 1.0 / 3, 2.718281828459045, -1234.5678e-9, 6.02214076e23, 0.85}) {
        double back = 0;
        int code = -1;
        rt::Val(StrReal(v), back, code);
        ASSERT_EQ(code, 0) << StrReal(v);
        EXPECT_NEAR(back, v, std::fabs(v) * 1e-14);
    }
}

TEST(FormatFloat, ExponentPictures) {
    EXPECT_EQ(FormatFloat("#.###E+0;", 123456), "1.235E+5");
    EXPECT_EQ(FormatFloat("#.###E+0;", 200000), "2E+5");
    EXPECT_EQ(FormatFloat("#.###E+0;", 99999.96), "1E+5");  // carry renormalises
    EXPECT_EQ(FormatFloat("#.#E+0;", 206000), "2.1E+5");
    EXPECT_EQ(FormatFloat("#.#E+0;", 99999.9), "1E+5");
    EXPECT_EQ(FormatFloat("#.#E+0;", 5e7), "5E+7");
    EXPECT_EQ(FormatFloat("#.###E+0;", 1e9), "1E+9");
    EXPECT_EQ(FormatFloat("#.###E+0;", 3e6), "3E+6");
    EXPECT_EQ(FormatFloat("#.###E+0;", 0.000123), "1.23E-4");
    EXPECT_EQ(FormatFloat("#.###E+0;", 1.5e-7), "1.5E-7");
    EXPECT_EQ(FormatFloat("#.###E+0;", 0), "0E+0");
    EXPECT_EQ(FormatFloat("##E+0;", 123456), "12E+4");
    EXPECT_EQ(FormatFloat("##E+0;", 5e7), "50E+6");
    EXPECT_EQ(FormatFloat("##E+0;", 1234567), "12E+5");
    EXPECT_EQ(FormatFloat("##E+0;", 100000), "10E+4");
    EXPECT_EQ(FormatFloat("0.00E+00", 12345), "1.23E+04");
    EXPECT_EQ(FormatFloat("#.##E-0", 12345), "1.23E4");
}

TEST(FormatFloat, EmptyNegativeSectionFormatsTheMagnitudeWithMinus) {
    EXPECT_EQ(FormatFloat("#.###E+0;", -123456), "-1.235E+5");
    EXPECT_EQ(FormatFloat("#.#E+0;", -206000), "-2.1E+5");
    EXPECT_EQ(FormatFloat("0.0;(0.0)", -2.25), "(2.3)");
    EXPECT_EQ(FormatFloat("0.0;-0.0;zero", 0), "zero");
}

TEST(FormatFloat, FixedPictures) {
    EXPECT_EQ(FormatFloat("0.00", 2.675), "2.68");
    EXPECT_EQ(FormatFloat("0.00", 0.125), "0.13");
    EXPECT_EQ(FormatFloat("0.000", 1234.5678), "1234.568");
    EXPECT_EQ(FormatFloat("0.00", -0.001), "0.00");
    EXPECT_EQ(FormatFloat("0.##", 1.5), "1.5");
    EXPECT_EQ(FormatFloat("0.##", 2.0), "2");
    EXPECT_EQ(FormatFloat("#.##", 0.5), ".5");
    EXPECT_EQ(FormatFloat("000", 7), "007");
    EXPECT_EQ(FormatFloat("0 'mm'", 12.4), "12 mm");
}

TEST(Val, ReadsWhatTheProgramsWrite) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {{" 1.000", 1.0},
                 {"-0.500", -0.5},
                 {"1.235E+5", 123500},
                 {"5E+7", 5e7},
                 {"2.1E+5", 210000},
                 {"  0", 0},
                 {"+5", 5},
                 {"1.", 1},
                 {".5", 0.5},
                 {"1e-3", 0.001},
                 {" 2.00000000000000E+0001", 20},
                 {"-7.50000000000000E+0000", -7.5},
                 {"1e-400", 0}};
    for (const auto& c : cases) {
        double x = -99;
        int code = -1;
        rt::Val(c.text, x, code);
        EXPECT_EQ(code, 0) << c.text;
        EXPECT_DOUBLE_EQ(x, c.value) << c.text;
    }
}

TEST(Val, ErrorPositionsAndTheVariableKeepsItsValue) {
    struct Case {
        const char* text;
        int code;
    } cases[] = {{"12.5x", 5}, {"12,5", 3}, {"", 1},     {"  ", 3},  {"-", 2},     {"1e", 3},  {"1e+", 4},
                 {"1.5 ", 4},  {"e5", 1},   {"1e5x", 4}, {"- 1", 2}, {"1.2.3", 4}, {"abc", 1}, {"1e999", 5}};
    for (const auto& c : cases) {
        double x = 42;
        int code = 0;
        rt::Val(c.text, x, code);
        EXPECT_EQ(code, c.code) << '"' << c.text << '"';
        EXPECT_EQ(x, 42) << c.text;
    }
}

TEST(Val, Integers) {
    std::int16_t i = 0;
    int code = -1;
    rt::Val(" 12", i, code);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(i, 12);
    rt::Val("1.5", i, code);
    EXPECT_EQ(code, 2);
    rt::Val("40000", i, code);  // out of range for 16 bits
    EXPECT_NE(code, 0);
    EXPECT_EQ(i, 12);
    long long l = 0;
    rt::Val("-123456789012", l, code);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(l, -123456789012LL);
}
