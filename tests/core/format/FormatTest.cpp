#include "core/format/Format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "support/DataTable.h"

namespace lumarik {
namespace {

struct FormatCase {
    std::string group;  // "Float..." groups hold floats, the others doubles
    std::string value;
    std::string pattern;
    std::string text;  // with '.' as decimal separator
    bool IsFloat() const { return group.rfind("Float", 0) == 0; }
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.value << " '" << c.pattern << "'";
}

// The cases of tests/data/format_cases.tsv, worked out by hand from the pattern rules.
std::vector<FormatCase> FormatCases() {
    std::vector<FormatCase> cases;
    for (const test::DataRow& r : test::ReadDataTable("format_cases.tsv"))
        cases.push_back({r.at(0), r.at(1), r.at(2), r.at(3)});
    return cases;
}

class FormatTable : public ::testing::TestWithParam<FormatCase> {};

// A float shows its 7 significant digits, never the noise of its binary form.
TEST_P(FormatTable, WithBothSeparators) {
    const FormatCase& c = GetParam();
    for (const char separator : {'.', ','}) {
        const std::string text =
            c.IsFloat() ? Format(std::strtof(c.value.c_str(), nullptr), c.pattern, separator)
                        : Format(std::strtod(c.value.c_str(), nullptr), c.pattern, separator);
        std::string expected = c.text;
        std::replace(expected.begin(), expected.end(), '.', separator);
        EXPECT_EQ(text, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatTable, ::testing::ValuesIn(FormatCases()));

TEST(Format, IntegersAndDoublesOfFloats) {
    EXPECT_EQ(Format(1.5f, "0.0.0", ','), "1,5.0");  // a point after the decimals is a literal
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
    EXPECT_EQ(Format(DBL_MAX, "0.0#"), "179769313486232" + std::string(294, '0') + ".0");
    const double smallest = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(Format(-smallest, "0.0#"), "-4.9e-324");
    EXPECT_EQ(Format(smallest, "0.00e+0"), "4.94e-324");
    EXPECT_EQ(Format(smallest, ""), "4.94065645841247E-324");
}

// An export writes what a pattern would cut: seven significant digits in general form, the
// pattern's unit and blanks kept, its zero section kept, and only while asked for.
TEST(Format, FullPrecisionNumbersKeepSevenDigitsAndThePatternsLiterals) {
    {
        const FullPrecisionNumbers allDigits;
        EXPECT_EQ(Format(0.0044603f, " 0.0###", ','), " 0,0044603");
        EXPECT_EQ(Format(0.001913, "0.0000mm [546nm]"), "0.001913mm [546nm]");
        EXPECT_EQ(Format(-166.666667f, " 0.0mm"), " -166.6667mm");
        EXPECT_EQ(Format(-2.5, " 0.0mm;-0.0mm", ','), "-2,5mm");
        EXPECT_EQ(Format(1.23456789e-5, "0.00e+0mrad", ','), "1,234568E-05mrad");
        EXPECT_EQ(Format(12345678.0, "0"), "1.234568E+07");
        EXPECT_EQ(Format(0.0, "0.0mm;-0.0mm;---"), "---");
        EXPECT_EQ(Format(0.0f, "0.0#mm"), "0mm");
    }
    EXPECT_EQ(Format(0.0044603f, " 0.0###", ','), " 0,0045");
}

// A float is shown as its 7 digits are: as the double nearest to them, whose 15 digits are
// the same. Float and double reach their digits on different paths for most sizes.
TEST(Format, FloatShowsAsTheDoubleOfItsSevenDigits) {
    const char* const kPatterns[] = {"0.00######", " 0.00e+0#mm;-0.00e+0", "#.##"};
    std::mt19937_64 random(20240613);
    for (int i = 0; i < 50000; ++i) {
        const auto bits = static_cast<std::uint32_t>(random());
        float value = 0.0f;
        std::memcpy(&value, &bits, sizeof value);
        if (i % 2 == 0) {  // every other one of listing size: 2^-20 .. 2^30
            value = std::ldexp(static_cast<float>(bits >> 8) / 16777216.0f + 0.5f,
                               static_cast<int>(bits % 51) - 20);
        }
        if (!std::isfinite(value)) continue;
        const double shown = ToDouble(ToDecimal(value, kSingleDigits));
        ASSERT_EQ(Format(value, kPatterns[i % 3], ','), Format(shown, kPatterns[i % 3], ','))
            << std::hexfloat << value;
    }
}

}  // namespace
}  // namespace lumarik
