#include "core/format/NumberInput.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <tuple>

namespace lumarik {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr std::nullopt_t kNone = std::nullopt;

using ParseCase = std::tuple<const char*, char, std::optional<double>>;

// clang-format off
const ParseCase kParseCases[] = {
    {"12.5", '.', 12.5}, {"12,5", ',', 12.5}, {"12.5", ',', 12.5}, {"12,5", '.', kNone},
    {" -3.5 ", '.', -3.5}, {"\t+4\r\n", '.', 4.0}, {".5", '.', 0.5}, {",5", ',', 0.5},
    {"5.", '.', 5.0}, {"2,5e+2", ',', 250.0}, {"1e-400", '.', 0.0},
    {"1e0000000000000000000002", '.', 100.0}, {"0e99999999999999999999", '.', 0.0},
    {"1e400", '.', kNone}, {"-1e99999999999999999999", '.', kNone}, {"1e", '.', kNone},
    {"", '.', kNone}, 
    {"-", '.', kNone}, {"+-1", '.', kNone}, {"1,2.3", ',', kNone}, {"1 000", '.', kNone},
    {"1,000.5", '.', kNone}, {"12mm", '.', kNone}, {"inf", '.', kNone}, 
    {"0x10", '.', kNone},
    // A separator that would make texts ambiguous is not taken as one.
    {"1e5", 'e', 100000.0}, {"1+5", '+', kNone}};
// clang-format on

class StrictConversion : public ::testing::TestWithParam<ParseCase> {};

TEST_P(StrictConversion, ParseNumber) {
    const auto& [text, decimalSep, expected] = GetParam();
    EXPECT_EQ(ParseNumber(text, decimalSep), expected);
}

INSTANTIATE_TEST_SUITE_P(NumberInput, StrictConversion, ::testing::ValuesIn(kParseCases));

// text, separator, value (nothing: rejected), source, text written back
using AcceptCase =
    std::tuple<const char*, char, std::optional<double>, NumberSource, std::optional<std::string>>;

constexpr auto kDirect = NumberSource::kDirect;
constexpr auto kLeading = NumberSource::kLeadingNumber;
constexpr auto kCleaned = NumberSource::kCleaned;

// clang-format off
const AcceptCase kAcceptCases[] = {
    {" 12.5 ", '.', 12.5, kDirect, kNone}, {"1,5", ',', 1.5, kDirect, kNone},
    {"1.5", ',', 1.5, kDirect, kNone}, {",5", ',', 0.5, kDirect, kNone},
    {"1e3mm", '.', 1000.0, kLeading, "1e3"}, {"  12 mm", '.', 12.0, kLeading, "12"},
    {"1e", '.', 1.0, kLeading, "1"}, {"-3.5Grad", '.', -3.5, kLeading, "-3.5"},
    {"1,5", '.', 1.0, kLeading, "1"}, {"2,5mm", ',', 2.5, kLeading, "2,5"},
    {"mm12", '.', 12.0, kCleaned, "12"}, {"- 5", '.', -5.0, kCleaned, "-5"},
    {"\xC3\x98 25", '.', 25.0, kCleaned, "25"}, {"ca. 3.5", '.', kNone, kCleaned, kNone},
    {"abc", '.', kNone, kCleaned, kNone}, {"", ',', kNone, kCleaned, kNone},
    {"+-5", '.', kNone, kCleaned, kNone},
    // Too large for any value: rejected, not cleaned into 1400.
    {"1e400mm", '.', kNone, kCleaned, kNone}};
// clang-format on

class Acceptance : public ::testing::TestWithParam<AcceptCase> {};

TEST_P(Acceptance, AcceptNumber) {
    const auto& [text, decimalSep, value, source, rewrite] = GetParam();
    const std::optional<AcceptedNumber> result = AcceptNumber(text, decimalSep);
    ASSERT_EQ(result.has_value(), value.has_value());
    if (result) {
        EXPECT_EQ(result->value, *value);
        EXPECT_EQ(result->source, source);
        EXPECT_EQ(result->rewrite, rewrite);
    }
}

INSTANTIATE_TEST_SUITE_P(NumberInput, Acceptance, ::testing::ValuesIn(kAcceptCases));

TEST(NumberInput, SameValueUsesAnAbsoluteToleranceAndSeparatesZero) {
    EXPECT_TRUE(SameValue(0, -0.0));
    EXPECT_FALSE(SameValue(0, 1e-9));
    EXPECT_FALSE(SameValue(-1e-300, 0));
    EXPECT_TRUE(SameValue(1e-9, 2e-9));
    EXPECT_TRUE(SameValue(-5, -5.00000005));
    EXPECT_FALSE(SameValue(100.0000002, 100));
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
