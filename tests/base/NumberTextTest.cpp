// NumberTextTest.cpp - numbers as the grid shows them, as formulas write them, with fixed
// decimals and exactly; and text read as numbers, the spreadsheet's way and the C library's.
#include <gtest/gtest.h>

#include <charconv>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "base/NumberText.h"
#include "base/PowersOfTen.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(NumberText, DisplayAndFormulaTextOfNumbers) {
    struct Case {
        double value;
        const wchar_t* display;
        const wchar_t* formula;
    };
    const Case cases[] = {
        {12.5, L"12.5", L"12.5"},
        {10, L"10", L"10"},
        {-3, L"-3", L"-3"},
        {0, L"0", L"0"},
        {-0.0, L"0", L"0"},
        {0.1 + 0.2, L"0.3", L"0.3"},  // fifteen digits hide the binary noise
        {-0.004, L"-0.004", L"-0.004"},
        {1.0 / 3, L"0.333333333333333", L"0.333333333333333"},
        {123456789012345.0, L"123456789012345", L"123456789012345"},
        {999999999999999.0, L"999999999999999", L"999999999999999"},
        {1e14, L"100000000000000", L"100000000000000"},
        {1e15, L"1e+15", L"1E+15"},
        {-1e15, L"-1e+15", L"-1E+15"},
        {1e20, L"1e+20", L"1E+20"},
        {123456789012345678.0, L"1.23456789012346e+17", L"1.23456789012346E+17"},
        {1e300, L"1e+300", L"1E+300"},
        {0.0001, L"0.0001", L"0.0001"},
        {0.00001, L"1e-05", L"0.00001"},
        {1.5e-5, L"1.5e-05", L"0.000015"},
        {0.000001, L"1e-06", L"1E-06"},
        {1.5e-7, L"1.5e-07", L"1.5E-07"},
        {-2.5e-300, L"-2.5e-300", L"-2.5E-300"},
        {kInf, L"#NUM!", L"#NUM!"},
        {-kInf, L"#NUM!", L"#NUM!"},
        {kNaN, L"#NUM!", L"#NUM!"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ovbase::displayNumberText(c.value), c.display) << c.value;
        EXPECT_EQ(ovbase::formulaNumberText(c.value), c.formula) << c.value;
    }
}

// The display text is C's "%.15g" without trailing zeros; it must agree with the fixed-precision
// conversion everywhere: whole numbers, decimal fractions, both notations and their borders,
// subnormals and arbitrary bit patterns.
TEST(NumberText, DisplayTextAgreesWithFifteenDigitGeneralFormat) {
    auto reference = [](double value) {
        char buffer[64];
        auto result =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
        return std::wstring(buffer, result.ptr);
    };
    std::vector<double> values = {1e15, 1e14, 999999999999999.0, 1e-4, 1e-5, 0.0001234, 1.5e-5,
                                  123456789012345.6, 1e300, -2.5e-300, 5e-324, 1e21, 0.1 + 0.7,
                                  -1e15, 4.35 * 100, 9.999999999999999e14, 9.9999999999999995e-5,
                                  // exactly halfway at the sixteenth digit, both ways
                                  1234567890123455.0, 1234567890123445.0, -1234567890123465.0,
                                  9999999999999995.0, 999999999999999.5, 0.1 + 0.2 + 0.3, 17.33 + 5,
                                  99999999999999.99};
    for (int exponent = -20; exponent <= 20; ++exponent) {
        // A few units of the last place either side of a power of ten.
        double below = std::pow(10.0, exponent);
        double above = below;
        for (int step = 0; step < 4; ++step) {
            below = std::nextafter(below, 0.0);
            above = std::nextafter(above, 1e300);
            values.push_back(below);
            values.push_back(above);
        }
        for (double mantissa : {1.0, 1.5, 9.99, 3.14159265358979, 7.0 / 3.0}) {
            values.push_back(mantissa * std::pow(10.0, exponent));
            values.push_back(-mantissa * std::pow(10.0, exponent));
        }
    }
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = random();
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value) && value != 0) {
            values.push_back(value);
        }
        values.push_back(static_cast<double>(random() % 100000000) / 1000.0);
        // Sums and products of rounded numbers: results with binary noise past fifteen digits.
        const double a = static_cast<double>(random() % 100000) / 100.0;
        const double b = static_cast<double>(random() % 1000) / 3.0;
        values.push_back(a + b);
        values.push_back(a * 0.1 + static_cast<double>(random() % 100));
        values.push_back(a - b * 1e-9);
    }
    for (double value : values) {
        ASSERT_EQ(ovbase::displayNumberText(value), reference(value)) << value;
    }
}

// A calculation stores a result's display characters and the number they read as without
// going through a wide text: both must be what the wide text and its reading give.
TEST(NumberText, DisplayCharactersReadBackAsTheirWideText) {
    std::vector<double> values = {12.5,
                                  -3,
                                  0,
                                  0.1 + 0.2,
                                  1e15,
                                  -1.5e-7,
                                  1e300,
                                  5e-324,
                                  kInf,
                                  kNaN,
                                  1e14,
                                  -0.004,
                                  1.79769313486231e308,
                                  std::numeric_limits<double>::max()};
    std::mt19937_64 random(20261209);
    for (int i = 0; i < 5000; ++i) {
        const std::uint64_t bits = random();
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        values.push_back(value);
        values.push_back(static_cast<double>(random() % 1000000) / 100.0 - 5000.0);
        values.push_back(static_cast<double>(random() % 100000) / 100.0 + 5.0);
        values.push_back(static_cast<double>(random() % 100000000000) / 1e8);
    }
    for (double value : values) {
        const ovbase::NumberChars chars = ovbase::displayNumberChars(value);
        const std::wstring wide = ovbase::displayNumberText(value);
        ASSERT_EQ(std::wstring(chars.view().begin(), chars.view().end()), wide) << value;
        const auto fromChars = ovbase::parseNumberChars(chars.view());
        const auto fromWide = ovbase::parseNumberText(wide);
        ASSERT_EQ(fromChars.has_value(), fromWide.has_value()) << value;
        if (fromWide) {
            ASSERT_EQ(std::memcmp(&*fromChars, &*fromWide, sizeof(double)), 0) << value;
        }
        if (chars.knowsNumber) {
            ASSERT_TRUE(fromWide) << value;
            ASSERT_EQ(std::memcmp(&chars.number, &*fromWide, sizeof(double)), 0) << value;
        }
    }
    // The largest double's fifteen digits lie beyond it: no number, as a number cell refuses it.
    EXPECT_FALSE(ovbase::parseNumberChars("1.79769313486232e+308"));
    EXPECT_FALSE(ovbase::parseNumberChars("#NUM!"));
    EXPECT_EQ(ovbase::parseNumberChars("-2.5e-07"), -2.5e-7);
}

TEST(NumberText, FixedDecimals) {
    struct Case {
        double value;
        int decimals;
        bool keepZeros;
        const wchar_t* text;
    };
    const Case cases[] = {
        {12.5, 2, true, L"12.50"},      {10, 0, true, L"10"},
        {-0.0, 2, true, L"0.00"},       {0.1 + 0.2, 3, true, L"0.300"},
        {-0.004, 2, true, L"0.00"},     {-0.004, 2, false, L"0"},
        {200, 2, false, L"200"},        {12.5, 3, false, L"12.5"},
        {0.126, 2, false, L"0.13"},     {-2.5, 1, true, L"-2.5"},
        {1234567, 0, true, L"1234567"}, {5, -3, true, L"5"},
        {1e-7, 6, false, L"0"},         {1e20, 1, true, L"100000000000000000000.0"},
        {kInf, 2, true, L"inf"},        {-kInf, 2, true, L"-inf"},
        {kNaN, 2, true, L"nan"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ovbase::fixedNumberText(c.value, c.decimals, c.keepZeros), c.text)
            << c.value << " with " << c.decimals;
    }
    // Very many decimals are limited, never a buffer overrun.
    EXPECT_EQ(ovbase::fixedNumberText(2.5, 1000).size(), 2u + 127u);
    EXPECT_EQ(ovbase::fixedNumberText(-1.7976931348623157e308, 127).size(), 1u + 309u + 1u + 127u);
}

TEST(NumberText, ExactTextReadsBackAsTheSameNumber) {
    EXPECT_EQ(ovbase::exactNumberText(0.1), L"0.1");
    EXPECT_EQ(ovbase::exactNumberText(0.1 + 0.2), L"0.30000000000000004");
    EXPECT_EQ(ovbase::exactNumberText(2), L"2");
    EXPECT_EQ(ovbase::exactNumberText(1e300), L"1e+300");
    EXPECT_EQ(ovbase::exactNumberText(-kInf), L"-inf");
    EXPECT_EQ(ovbase::exactNumberText(kNaN), L"nan");
}

TEST(NumberText, RoundingToTheDigitsShown) {
    const std::pair<double, double> cases[] = {
        {0.1 * 3, 0.3},
        {1.0 / 3, 0.333333333333333},
        {2.675, 2.675},
        {-1234.5678901234567, -1234.56789012346},
        {123456789012345678.0, 1.23456789012346e17},
        {5e-324, 4.94065645841247e-324},
        {0, 0},
    };
    for (const auto& [value, rounded] : cases) {
        EXPECT_EQ(ovbase::roundToSignificantDigits(value), rounded) << value;
    }
    EXPECT_EQ(ovbase::roundToSignificantDigits(-kInf), -kInf);
    EXPECT_TRUE(std::isnan(ovbase::roundToSignificantDigits(kNaN)));
}

TEST(NumberText, AWholeTextThatIsOneNumber) {
    const std::pair<const wchar_t*, double> numbers[] = {
        {L" -12.5e1 ", -125}, {L"+3", 3}, {L".5", 0.5},   {L"5.", 5},       {L"1E3", 1000},
        {L"\t7\t", 7},        {L"0", 0},  {L"-0.000", 0}, {L"1e-3", 0.001}, {L"007", 7},
    };
    for (const auto& [text, value] : numbers) {
        EXPECT_EQ(ovbase::parseNumberText(text), value) << text;
        EXPECT_EQ(ovbase::parseNumberText(text, ovbase::PercentSign::Accepted), value) << text;
    }
    for (const wchar_t* text :
         {L"",     L" ", L"7x", L"x7", L"inf", L"nan",   L"Nancy", L"1,5", L"--1",   L"+-1",
          L"0x10", L"+", L".",  L"1e", L"1e+", L"1.2.3", L"1 2",   L"5\n", L"1e400", L"%"}) {
        EXPECT_FALSE(ovbase::parseNumberText(text)) << text;
        EXPECT_FALSE(ovbase::parseNumberText(text, ovbase::PercentSign::Accepted)) << text;
    }
}

TEST(NumberText, APercentSignOnlyWhereFormulasReadText) {
    const std::pair<const wchar_t*, double> cases[] = {
        {L"50%", 0.5}, {L" 12.5 % ", 0.125}, {L"-1e2%", -1}, {L"0%", 0}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ovbase::parseNumberText(text, ovbase::PercentSign::Accepted), value) << text;
        EXPECT_FALSE(ovbase::parseNumberText(text)) << text;
    }
    for (const wchar_t* text : {L"%5", L"5%%", L"% ", L"5%x"}) {
        EXPECT_FALSE(ovbase::parseNumberText(text, ovbase::PercentSign::Accepted)) << text;
    }
}

TEST(NumberText, TheCLibrarysLeadingNumber) {
    struct Case {
        const wchar_t* text;
        double number;
        int integer;
        bool whole;
    };
    const Case cases[] = {
        {L"12", 12, 12, true},
        {L"7x", 7, 7, false},
        {L"  -2.5e3 mm", -2500, -2, false},
        {L"\t\n 42\r\n", 42, 42, true},
        {L"7.9", 7.9, 7, true},
        {L"1e", 1, 1, false},
        {L"1,5", 1, 1, false},
        {L"abc", 0, 0, false},
        {L"", 0, 0, false},
        {L"nan", 0, 0, false},
        {L"0x10", 0, 0, false},
        {L"99999999999", 99999999999.0, INT_MAX, true},
        {L"-99999999999", -99999999999.0, INT_MIN, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ovbase::leadingNumber(c.text), c.number) << c.text;
        EXPECT_EQ(ovbase::leadingInteger(c.text), c.integer) << c.text;
        EXPECT_EQ(ovbase::isNumberText(c.text), c.whole) << c.text;
    }
    EXPECT_EQ(ovbase::leadingNumber(L"1e999"), kInf);
    EXPECT_EQ(ovbase::leadingNumber(L"-1e999x"), -kInf);
    EXPECT_EQ(ovbase::leadingNumber(L"1e-999"), 0.0);
    EXPECT_TRUE(ovbase::isNumberText(L"1e999"));
}

TEST(NumberText, NumberLength) {
    const std::pair<const wchar_t*, std::size_t> cases[] = {
        {L"12.5e3+", 6}, {L"-.5x", 3}, {L"5.", 2}, {L"1e+", 1}, {L".", 0}, {L" 1", 0}, {L"E5", 0},
    };
    for (const auto& [text, length] : cases) {
        EXPECT_EQ(ovbase::numberTextLength(text), length) << text;
    }
}

TEST(NumberText, ThePointIsAPointInEveryLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "fr_FR.UTF-8")) {
        GTEST_SKIP() << "no locale with a decimal comma installed";
    }
    EXPECT_EQ(ovbase::displayNumberText(2.5), L"2.5");
    EXPECT_EQ(ovbase::formulaNumberText(2.5e-7), L"2.5E-07");
    EXPECT_EQ(ovbase::fixedNumberText(2.5, 2), L"2.50");
    EXPECT_EQ(ovbase::parseNumberText(L"2.5"), 2.5);
    EXPECT_FALSE(ovbase::parseNumberText(L"2,5"));
    EXPECT_EQ(ovbase::leadingNumber(L"2.5"), 2.5);
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace

// Rounding scales by powers of ten from a table: each must be the value pow computes, or
// ROUND would give other results than before.
TEST(PowersOfTen, AgreeWithPowBitForBit) {
    for (int n = 0; n <= 30; ++n) {
        const double viaPow = std::pow(10.0, n);
        const double fromTable = ovbase::powerOfTen(n);
        EXPECT_EQ(std::memcmp(&viaPow, &fromTable, sizeof viaPow), 0) << "10^" << n;
    }
    EXPECT_EQ(ovbase::powerOfTen(0.5), std::pow(10.0, 0.5));
    EXPECT_EQ(ovbase::powerOfTen(-2), std::pow(10.0, -2));
}
