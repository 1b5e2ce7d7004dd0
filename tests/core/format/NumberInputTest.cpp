#include "core/format/NumberInput.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <tuple>

namespace lumarik {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr std::nullopt_t kNone = std::nullopt;

constexpr NumberSeparators kDe{',', '.'};
constexpr NumberSeparators kEn{'.', ','};

struct AcceptCase {
    NumberSeparators locale;
    const char* text;
    std::optional<double> value;  // nothing: rejected
    NumberSource source;          // kDirect: ParseNumber reads the same value
    std::optional<std::string> rewrite;
};

constexpr auto kDirect = NumberSource::kDirect;
constexpr auto kLeading = NumberSource::kLeadingNumber;
constexpr auto kCleaned = NumberSource::kCleaned;

// clang-format off
const AcceptCase kAcceptCases[] = {
    // Both regional formats read every text as its writer meant it, or reject it.
    {kDe, "1.500", 1500.0, kDirect, kNone},     {kEn, "1.500", 1.5, kDirect, kNone},
    {kDe, "1,5", 1.5, kDirect, kNone},          {kEn, "1,5", 1.5, kDirect, kNone},
    {kDe, "2.5", 2.5, kDirect, kNone},          {kEn, "2.5", 2.5, kDirect, kNone},
    {kDe, "2,5", 2.5, kDirect, kNone},          {kEn, "2,5", 2.5, kDirect, kNone},
    {kDe, "1.000,5", 1000.5, kDirect, kNone},   {kEn, "1.000,5", 1000.5, kDirect, kNone},
    {kDe, "1,000.5", 1000.5, kDirect, kNone},   {kEn, "1,000.5", 1000.5, kDirect, kNone},
    {kDe, "-2 000", -2000.0, kDirect, kNone},   {kEn, "-2 000", -2000.0, kDirect, kNone},
    {kDe, "1e3mm", 1000.0, kLeading, "1e3"},    {kEn, "1e3mm", 1000.0, kLeading, "1e3"},
    {kDe, "12 mm", 12.0, kLeading, "12"},       {kEn, "12 mm", 12.0, kLeading, "12"},
    {kDe, "abc", kNone, kDirect, kNone},        {kEn, "abc", kNone, kDirect, kNone},
    {kDe, "1e400", kNone, kDirect, kNone},      {kEn, "1e400", kNone, kDirect, kNone},
    {kDe, "-1.500", -1500.0, kDirect, kNone},   {kEn, "-1,000", -1000.0, kDirect, kNone},
    // Only groups of three group: otherwise the separator is a decimal one.
    {kDe, "1.5000", 1.5, kDirect, kNone},       {kDe, "1234.567", 1234.567, kDirect, kNone},
    {kEn, "12,345,678", 12345678.0, kDirect, kNone},
    // A separator that would make texts ambiguous is not taken as one.
    {{'e', ','}, "1e5", 100000.0, kDirect, kNone}, {{',', ','}, "1,500", 1.5, kDirect, kNone},
    {kEn, " -3.5 ", -3.5, kDirect, kNone},      {kEn, "\t+4\r\n", 4.0, kDirect, kNone},
    {kEn, ".5", 0.5, kDirect, kNone},           {kDe, ",5", 0.5, kDirect, kNone},
    {kEn, "5.", 5.0, kDirect, kNone},           {kDe, "2,5e+2", 250.0, kDirect, kNone},
    {kEn, "1e-400", 0.0, kDirect, kNone},
    {kEn, "1e0000000000000000000002", 100.0, kDirect, kNone},
    {kEn, "0e99999999999999999999", 0.0, kDirect, kNone},
    {kEn, "-1e99999999999999999999", kNone, kDirect, kNone},
    // A unit, or anything else, after the number.
    {kEn, "1e", 1.0, kLeading, "1"},            {kEn, "-3.5Grad", -3.5, kLeading, "-3.5"},
    {kDe, "2,5 \xC2\xB0", 2.5, kLeading, "2,5"}, {kDe, "1.500x3", 1500.0, kLeading, "1.500"},
    {kEn, "1.500x3", 1.5, kLeading, "1.500"},   {kEn, "1,5%", 1.5, kLeading, "1,5"},
    {kEn, "1e400x3", kNone, kDirect, kNone},
    // Anything else is cleaned.
    {kEn, "mm12", 12.0, kCleaned, "12"},        {kEn, "- 5", -5.0, kCleaned, "-5"},
    {kDe, "\xC3\x98 1.500", 1500.0, kCleaned, "1.500"}, {kEn, "ca. 3.5", kNone, kDirect, kNone},
    {kDe, "", kNone, kDirect, kNone},           {kEn, "+-5", kNone, kDirect, kNone},
    // Too large for any value: rejected, not cleaned into 1400.
    {kEn, "1e400mm", kNone, kDirect, kNone}};
// clang-format on

void PrintTo(const AcceptCase& c, std::ostream* os) {
    *os << '"' << c.text << "\" with '" << c.locale.decimal << "' and '" << c.locale.group << "'";
}

class Acceptance : public ::testing::TestWithParam<AcceptCase> {};

TEST_P(Acceptance, AcceptNumber) {
    const AcceptCase& c = GetParam();
    const std::optional<AcceptedNumber> result = AcceptNumber(c.text, c.locale);
    ASSERT_EQ(result.has_value(), c.value.has_value());
    if (result) {
        EXPECT_EQ(result->value, *c.value);
        EXPECT_EQ(result->source, c.source);
        EXPECT_EQ(result->rewrite, c.rewrite);
    }
    EXPECT_EQ(ParseNumber(c.text, c.locale), c.source == kDirect ? c.value : kNone);
}

// "De_3_2C5" for German "2,5": the locale, the row and the text's letters and digits.
std::string CaseName(const ::testing::TestParamInfo<AcceptCase>& info) {
    std::string name = info.param.locale.decimal == ',' ? "De_" : "En_";
    name += std::to_string(info.index) + "_";
    for (const char* p = info.param.text; *p != '\0'; ++p) {
        const char c = *p;
        if (std::isalnum(static_cast<unsigned char>(c)) != 0 &&
            static_cast<unsigned char>(c) < 128) {
            name += c;
        } else {
            name += c == '.' ? 'P' : c == ',' ? 'C' : c == '-' ? 'M' : '_';
        }
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(NumberInput, Acceptance, ::testing::ValuesIn(kAcceptCases), CaseName);

TEST(NumberInput, SameValueUsesAnAbsoluteToleranceAndSeparatesZero) {
    EXPECT_TRUE(SameValue(0, -0.0));
    EXPECT_FALSE(SameValue(0, 1e-9));
    EXPECT_FALSE(SameValue(-1e-300, 0));
    EXPECT_TRUE(SameValue(1e-9, 2e-9));
    EXPECT_TRUE(SameValue(-5, -5.00000005));
    EXPECT_FALSE(SameValue(100.0000002, 100));
    EXPECT_FALSE(SameValue(100, 100.0000002));
    EXPECT_FALSE(SameValue(std::nan(""), std::nan("")));
}

TEST(NumberInput, ValNumberTakesTheLeadingNumberWithAPoint) {
    const std::tuple<const char*, double> cases[] = {
        {"12.5|", 12.5}, {"", 0},         {"-1E+20", -1e20}, {"abc", 0}, {"  42", 42},
        {"1,5", 1},      {"1e-x", 1},     {"-.5x", -0.5},    {".", 0},   {"100|True|", 100},
        {"1e-400", 0},   {"1e400", kInf}, {"-1e400|", -kInf}};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ValNumber(text), expected) << text;
    }
    EXPECT_EQ(static_cast<float>(ValNumber("-1E+20")), -1e20f);
}

TEST(NumberInput, NumberTextIsShortAndExact) {
    // The last three would read back as 1, as 1234568 and as a float below FLT_MAX with seven
    // digits.
    const std::tuple<float, const char*> cases[] = {
        {100.0f, "100"},           {0.025f, "0.025"},           {632.8f, "632.8"},
        {-1e20f, "-1E+20"},        {546.1f, "546.1"},           {-0.0f, "0"},
        {1e7f, "1E+07"},           {1.5e-7f, "1.5E-07"},        {1.00000012f, "1.0000001"},
        {1234567.5f, "1234567.5"}, {FLT_MAX, "3.402823466E+38"}};
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(NumberText(value), expected);
    }
    EXPECT_EQ(NumberText(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(NumberText(DBL_MAX), "1.7976931348623157E+308");
    EXPECT_EQ(NumberText(-12L), "-12");
}

// Saving and loading never changes a value, and a float's text never reads back beyond the
// float range (the record reader rejects such a field).
TEST(NumberInput, EveryValueSurvivesTheSettingsFile) {
    for (std::uint64_t bits = 0; bits <= 0xFFFFFFFFu; bits += 65521) {
        const auto pattern = static_cast<std::uint32_t>(bits);
        float value = 0.0f;
        std::memcpy(&value, &pattern, sizeof value);
        if (std::isfinite(value)) {
            const double back = ValNumber(NumberText(value));
            ASSERT_LE(std::fabs(back), FLT_MAX) << NumberText(value);
            ASSERT_EQ(static_cast<float>(back), value) << NumberText(value);
        }
    }
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t pattern = random();
        double value = 0.0;
        std::memcpy(&value, &pattern, sizeof value);
        if (std::isfinite(value)) {
            ASSERT_EQ(ValNumber(NumberText(value)), value) << NumberText(value);
        }
    }
}

}  // namespace
}  // namespace lumarik
