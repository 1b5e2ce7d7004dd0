#include "core/format/Format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "core/format/NumberInput.h"

namespace lumarik {
namespace {

// value, pattern, text with '.' as decimal separator
using DoubleCase = std::tuple<double, const char*, const char*>;
using FloatCase = std::tuple<float, const char*, const char*>;

// clang-format off
// Patterns of the program's listings, boxes and labels.
const DoubleCase kProgramPatterns[] = {
    {50, "0.0#", "50.0"}, {12.345, "0.0#", "12.35"}, {-200, "0.0#", "-200.0"},
    {0.201, "0.0##", "0.201"}, {0.00666, "0.0###", "0.0067"}, {-1, "0.00######", "-1.00"},
    {0.25, "0.00######", "0.25"}, {1.0 / 3.0, "0.00######", "0.33333333"},
    {-0.5, " 0.0;-0.0", "-0.5"}, {12.34, " 0.0;-0.0", " 12.3"}, {2.5, "0.0]", "2.5]"},
    {250000, " 0.00e+0;-0.00e+0", " 2.50e+5"}, {-0.00001234, " 0.00e+0;-0.00e+0", "-1.23e-5"},
    {0.00005, "0.0#e+0#", "5.0e-5"}, {1.5e12, "0.0#e+0#", "1.5e+12"},
    {0.000123, "0.0e+00mm", "1.2e-04mm"}, {250000, " 0.00e+0#mm", " 2.50e+5mm"},
    {-250000, " 0.00e+0#mm", " -2.50e+5mm"}, {2.5, "0.0###]mm", "2.5]mm"},
    {0.9996, "0.00#", "1.00"}, {12.3456, "0.0##um", "12.346um"},
    {0.12345, "0.0####mm", "0.12345mm"}, {-150, "#.##mm", "-150.mm"}, {0.5, "#.##mm", ".5mm"},
    {183.15, " 0", " 183"}, {-2500.5, " 0;-0", "-2501"}, {546.1, "0nm", "546nm"},
    {0.000512, " 0.00000#;-0.00000#", " 0.000512"},
    {-0.0005125, " 0.00000#;-0.00000#", "-0.000513"}, {0.005, " 0.0000#;-0.0000#", " 0.0050"},
    {632.8, "0.0nm", "632.8nm"}, {1.33, "0.0000", "1.3300"}, {-5, " 0.0mm", " -5.0mm"},
    {2.5, " 0.0##mm]", " 2.5mm]"}, {0.01234567, " 0.0#####", " 0.012346"}};

// Sections: the negative one carries its own sign, an empty one falls back to the first.
const DoubleCase kSections[] = {
    {-5, "0.0;(0.0)", "(5.0)"}, {0, "0.0;-0.0;Null", "Null"}, {-5, "0.0;;Null", "-5.0"},
    {-5, ";", "-5"}, {-0.0, " 0.0;-0.0", " 0.0"}, {-5, "Wert: 0", "Wert: -5"},
    {-5, "Text", "-Text"}};

// Half away from zero on the decimal digits, after the 15-digit step.
const DoubleCase kRounding[] = {
    {0.05, "0.0", "0.1"}, {-0.05, "0.0", "-0.1"}, {0.15, "0.0", "0.2"}, {2.675, "0.00", "2.68"},
    {1.005, "0.00", "1.01"}, {9.995, "0.00", "10.00"}, {2.5, "0", "3"}, {-2.5, "0", "-3"},
    {0.4999999999999999, "0", "1"}, {-0.04, "0.0", "-0.0"}, {-0.04, " 0.0mm", " -0.0mm"},
    {9.996e5, "0.00e+0", "1.00e+6"}};

const DoubleCase kIntegerAndExponent[] = {
    {0, "#.##", "."}, {5, "#.##", "5."}, {5, "00", "05"}, {123, "00", "123"}, {0, "#", ""},
    {7, ".00", "7.00"}, {1e20, "0", "100000000000000000000"}, {0, "0.00e+0", "0.00e+0"},
    {0.01, "0.0e-0", "1.0e-2"}, {1, "0.0e-0", "1.0e0"}, {123456, "00.0e+0", "12.3e+4"},
    {1e-300, "0.0E+00", "1.0E-300"}, {250000, "0.0e+", "250000.0e+"}, {5, "e+0", "e+5"}};

// No pattern: the general number text.
const DoubleCase kGeneralForm[] = {
    {100, "", "100"}, {1e20, "", "1E+20"}, {1.5e-7, "", "1.5E-07"}, {0.1 + 0.2, "", "0.3"},
    {1e15, "", "1E+15"}, {999999999999999.0, "", "999999999999999"}, {-0.025, "", "-0.025"},
    {0.0001, "", "0.0001"}, {0.000099, "", "9.9E-05"}, {-2.5e-300, "", "-2.5E-300"}};

const FloatCase kFloatCases[] = {
    {0.1f, "0.00######", "0.10"}, {-0.48659307f, "0.00######", "-0.4865931"},
    {2.675f, "0.00", "2.68"}, {-1e20f, "0.0#", "-100000000000000000000.0"},
    {1e20f, " 0.00e+0;-0.00e+0", " 1.00e+20"}, {16777216.0f, "0", "16777220"}, {0.1f, "", "0.1"},
    {-1e20f, "", "-1E+20"}, {1e7f, "", "1E+07"}, {9999999.0f, "", "9999999"},
    {1.5e-7f, "", "1.5E-07"}, {0.00001f, "", "1E-05"}, {1234.5678f, "", "1234.568"},
    {-0.0f, "", "0"}};
// Exact ties of 7 and 15 digits go away from zero, wherever the value lies; the binary value
// is the tie itself here, so ties-to-even would give the lower neighbour.
const DoubleCase kTies[] = {
    {1.000030517578125, "0.00000000000000", "1.00003051757813"},
    {-1.000030517578125, "0.00000000000000", "-1.00003051757813"},
    {1234567890123425.0, "0", "1234567890123430"}, {1234567890123425.0, "", "1.23456789012343E+15"},
    {0.000030517578125, "0.0###############", "0.000030517578125"},
    {99.95, "0.0e+0", "1.0e+2"}};

// How a pattern is taken apart: sections, literals around and after an exponent, exponent
// placeholders, long texts.
const DoubleCase kPatternStructure[] = {
    {-5, "0.0;-0.0;Null;Rest", "-5.0"}, {0, "0.0;-0.0;Null;Rest", "Null"},
    {-0.0, "0.0;-0.0;Null", "Null"}, {1234.5, "0.0;;;0", "1234.5"}, {-2.5, "0;", "-3"},
    {0, ";;", "0"}, {12.5, "0.0e+0 0", "1.3e+1 0"}, {1.5e-300, "0.0e+000", "1.5e-300"},
    {1.5, "0.0e+000", "1.5e+000"}, {0.000123, ".00e+0", ".12e-3"}, {5, "0.0e0", "5.0e0"},
    {0.5, "0.0e+#", "5.0e-1"}, {123456, "#e+#", "1e+5"}, {0.001, "00.00e-00", "10.00e-04"},
    {-99.95, " 0.0e+0;(0.0e-0)", "(1.0e2)"}, {-0.4, "#", "-"}, {-5, "(0)", "(-5)"},
    {-5, "Wert .", "Wert -5."}, {-1234.5, "x.#", "x-1234.5"}, {-0.5, "e+0", "e+-1"},
    {-1e20, "0.0# (unendlich ferne Ebene, als Markierung in der Tabelle)",
     "-100000000000000000000.0 (unendlich ferne Ebene, als Markierung in der Tabelle)"}};

const FloatCase kFloatTies[] = {
    {1.0078125f, "0.0#####", "1.007813"}, {-1.0078125f, "0.0#####", "-1.007813"},
    {12345665.0f, "0", "12345670"}, {-12345665.0f, "0", "-12345670"},
    {12345665.0f, "", "1.234567E+07"}, {0.0078125f, "0.0######", "0.0078125"},
    {9.99999905f, "0.0#####", "9.999999"}};
// clang-format on

std::string WithSeparator(std::string text, char decimalSep) {
    for (char& c : text) {
        c = c == '.' ? decimalSep : c;
    }
    return text;
}

class FormatDouble : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(FormatDouble, WithBothSeparators) {
    const auto& [value, pattern, expected] = GetParam();
    EXPECT_EQ(Format(value, pattern), expected);
    EXPECT_EQ(Format(value, pattern, ','), WithSeparator(expected, ','));
}

INSTANTIATE_TEST_SUITE_P(ProgramPatterns, FormatDouble, ::testing::ValuesIn(kProgramPatterns));
INSTANTIATE_TEST_SUITE_P(Sections, FormatDouble, ::testing::ValuesIn(kSections));
INSTANTIATE_TEST_SUITE_P(Rounding, FormatDouble, ::testing::ValuesIn(kRounding));
INSTANTIATE_TEST_SUITE_P(IntegerAndExponent, FormatDouble,
                         ::testing::ValuesIn(kIntegerAndExponent));
INSTANTIATE_TEST_SUITE_P(GeneralForm, FormatDouble, ::testing::ValuesIn(kGeneralForm));
INSTANTIATE_TEST_SUITE_P(Ties, FormatDouble, ::testing::ValuesIn(kTies));
INSTANTIATE_TEST_SUITE_P(PatternStructure, FormatDouble, ::testing::ValuesIn(kPatternStructure));

class FormatFloat : public ::testing::TestWithParam<FloatCase> {};

// A float shows its 7 significant digits, never the noise of its binary form.
TEST_P(FormatFloat, WithSevenSignificantDigits) {
    const auto& [value, pattern, expected] = GetParam();
    EXPECT_EQ(Format(value, pattern), expected);
    EXPECT_EQ(Format(value, pattern, ','), WithSeparator(expected, ','));
}

INSTANTIATE_TEST_SUITE_P(Format, FormatFloat, ::testing::ValuesIn(kFloatCases));
INSTANTIATE_TEST_SUITE_P(Ties, FormatFloat, ::testing::ValuesIn(kFloatTies));

// A point after the decimals is a literal and stays a point whatever the separator.
TEST(Format, SecondPointIsALiteral) {
    EXPECT_EQ(Format(1.5f, "0.0.0", ','), "1,5.0");
}

TEST(Format, IntegersAndDoublesOfFloats) {
    EXPECT_EQ(Format(100, "0.0#", ','), "100,0");
    EXPECT_EQ(Format(-7L, " 0;-0"), "-7");
    EXPECT_EQ(Format(static_cast<double>(-0.48659307f), "0.00######"), "-0.48659307");
}

TEST(Format, NonFiniteAndExtremeValuesAreSafe) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    for (const char* pattern : {"0.0#", "", " 0.00e+0;-0.00e+0"}) {
        EXPECT_EQ(Format(std::nan(""), pattern), "NaN");
        EXPECT_EQ(Format(static_cast<float>(kInf), pattern), "Inf");
        EXPECT_EQ(Format(-kInf, pattern), "-Inf");
    }
    const std::string largest = Format(DBL_MAX, "0.0#");
    EXPECT_EQ(largest, "179769313486232" + std::string(294, '0') + ".0");
    const double smallest = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(Format(-smallest, "0.0#"), "-0.0");
    EXPECT_EQ(Format(smallest, "0.00e+0"), "4.94e-324");
    EXPECT_EQ(Format(smallest, ""), "4.94065645841247E-324");
}

// Over a sweep of floats: the shown text reads back as the value RoundHalfAway gives, so the
// digits, the separator and the sign all land where they belong.
TEST(Format, ShownTextReadsBackAsTheRoundedValue) {
    for (std::uint64_t bits = 0; bits <= 0xFFFFFFFFu; bits += 99991) {
        const auto pattern = static_cast<std::uint32_t>(bits);
        float value = 0.0f;
        std::memcpy(&value, &pattern, sizeof value);
        if (std::isfinite(value)) {
            const std::string text = Format(value, " 0.0###mm", ',');
            const auto back =
                ParseNumber(text.substr(0, text.size() - 2), NumberSeparators::WithDecimal(','));
            ASSERT_TRUE(back.has_value()) << text;
            EXPECT_EQ(static_cast<float>(*back), RoundHalfAway(value, 4)) << text;
        }
    }
}

// "d.dddddde+XX" with `precision` digits, built from the exact expansion of value: what an
// exponent pattern with one digit before the point and precision - 1 after it must show.
std::string ExpectedExponentForm(double value, int precision) {
    DecimalDigits d = ExactDecimal(value);
    RoundToDigits(d, precision);
    d.digits.resize(static_cast<std::size_t>(precision), '0');
    const int exponent = std::abs(d.exponent);
    return std::string(value < 0 ? "-" : "") + d.digits[0] + '.' + d.digits.substr(1) + 'e' +
           (d.exponent < 0 ? '-' : '+') + (exponent < 10 ? "0" : "") + std::to_string(exponent);
}

// The shown digits over random floats and doubles of every size, against the exact binary
// value rounded on its full decimal expansion.
TEST(Format, ExponentFormShowsTheRoundedExactValue) {
    std::mt19937_64 random(20240612);
    for (int i = 0; i < 50000; ++i) {
        const std::uint64_t bits = random();
        double value = 0.0;
        std::memcpy(&value, &bits, sizeof value);
        // Every other double of display size: 2^-40 .. 2^60.
        if (i % 2 == 0) {
            value = std::ldexp(static_cast<double>(bits >> 11) / 9007199254740992.0 + 0.5,
                               static_cast<int>(bits % 101) - 40);
        }
        if (std::isfinite(value)) {
            ASSERT_EQ(Format(value, "0.00000000000000e+00"), ExpectedExponentForm(value, 15))
                << std::hexfloat << value;
        }
        const auto single = static_cast<float>(value);
        if (std::isfinite(single)) {
            ASSERT_EQ(Format(single, "0.000000e+00"),
                      ExpectedExponentForm(static_cast<double>(single), 7))
                << std::hexfloat << single;
        }
    }
}

// A float is shown as its 7 digits are: as the double nearest to them, whose 15 digits are
// the same. Float and double reach their digits on different paths for most sizes.
TEST(Format, FloatShowsAsTheDoubleOfItsSevenDigits) {
    // Not the general form, which switches to an exponent at 7 or 15 integer digits.
    std::vector<const char*> patterns;
    const auto take = [&](const auto& table) {
        for (const DoubleCase& c : table) {
            const char* pattern = std::get<1>(c);
            if (pattern[0] != '\0' && pattern[0] != ';') {
                patterns.push_back(pattern);
            }
        }
    };
    take(kProgramPatterns);
    take(kSections);
    take(kRounding);
    take(kPatternStructure);
    std::mt19937_64 random(20240613);
    for (int i = 0; i < 50000; ++i) {
        const auto bits = static_cast<std::uint32_t>(random());
        float value = 0.0f;
        std::memcpy(&value, &bits, sizeof value);
        // Every other one of listing size: 2^-20 .. 2^30.
        if (i % 2 == 0) {
            value = std::ldexp(static_cast<float>(bits >> 8) / 16777216.0f + 0.5f,
                               static_cast<int>(bits % 51) - 20);
        }
        if (!std::isfinite(value)) {
            continue;
        }
        const double shown = ToDouble(ToDecimal(value, kSingleDigits));
        const char* pattern = patterns[static_cast<std::size_t>(random() % patterns.size())];
        ASSERT_EQ(Format(value, pattern, ','), Format(shown, pattern, ','))
            << std::hexfloat << value << " " << pattern;
    }
}

}  // namespace
}  // namespace lumarik
