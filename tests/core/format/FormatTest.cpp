#include "core/format/Format.h"

#include <gtest/gtest.h>

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

#include "core/format/NumberInput.h"
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
    *os << c.value << " '" << c.pattern << "' -> '" << c.text << "'";
}

// The cases of tests/data/format_cases.tsv, worked out by hand from the pattern rules.
std::vector<FormatCase> FormatCases() {
    std::vector<FormatCase> cases;
    for (const test::DataRow& r : test::ReadDataTable("format_cases.tsv")) {
        if (r.size() == 4) cases.push_back({r[0], r[1], r[2], r[3]});
    }
    return cases;
}

std::string WithSeparator(std::string text, char decimalSep) {
    for (char& c : text) {
        c = c == '.' ? decimalSep : c;
    }
    return text;
}

class FormatTable : public ::testing::TestWithParam<FormatCase> {};

// A float shows its 7 significant digits, never the noise of its binary form.
TEST_P(FormatTable, WithBothSeparators) {
    const FormatCase& c = GetParam();
    for (const char separator : {'.', ','}) {
        const std::string text =
            c.IsFloat() ? Format(std::strtof(c.value.c_str(), nullptr), c.pattern, separator)
                        : Format(std::strtod(c.value.c_str(), nullptr), c.pattern, separator);
        EXPECT_EQ(text, WithSeparator(c.text, separator));
    }
}

TEST(FormatTable, IsComplete) {
    EXPECT_EQ(FormatCases().size(), 126u);
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatTable, ::testing::ValuesIn(FormatCases()),
                         [](const auto& info) {
                             return info.param.group + std::to_string(info.index);
                         });

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
    std::vector<std::string> patterns;
    for (const FormatCase& c : FormatCases()) {
        if (!c.IsFloat() && c.group != "GeneralForm" && c.group != "IntegerAndExponent" &&
            c.group != "Ties" && !c.pattern.empty() && c.pattern[0] != ';') {
            patterns.push_back(c.pattern);
        }
    }
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
        const std::string& pattern = patterns[static_cast<std::size_t>(random() % patterns.size())];
        ASSERT_EQ(Format(value, pattern, ','), Format(shown, pattern, ','))
            << std::hexfloat << value << " " << pattern;
    }
}

}  // namespace
}  // namespace lumarik
