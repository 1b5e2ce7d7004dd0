#include "core/format/NumberInput.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <map>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "support/DataTable.h"

namespace lumarik {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr std::nullopt_t kNone = std::nullopt;

struct AcceptCase {
    NumberSeparators locale;
    std::string text;
    std::optional<double> value;  // nothing: rejected
    NumberSource source;          // kDirect: ParseNumber reads the same value
    std::optional<std::string> rewrite;
    std::optional<double> grouped;  // the other reading of an ambiguous text
    friend void PrintTo(const AcceptCase& c, std::ostream* os) {
        *os << '"' << c.text << "\" with '" << c.locale.decimal << "' and '" << c.locale.group
            << "'";
    }
};

// The cases of tests/data/number_input_cases.tsv.
std::vector<AcceptCase> AcceptCases() {
    const std::map<std::string, NumberSource> sources = {{"direct", NumberSource::kDirect},
                                                         {"leading", NumberSource::kLeadingNumber},
                                                         {"cleaned", NumberSource::kCleaned}};
    std::vector<AcceptCase> cases;
    for (const test::DataRow& r : test::ReadDataTable("number_input_cases.tsv")) {
        const std::string& l = r.at(0);
        AcceptCase c{l == "de"   ? NumberSeparators{',', '.'}
                     : l == "en" ? NumberSeparators{'.', ','}
                                 : NumberSeparators{l[0], l[1]},
                     r.at(1),
                     kNone,
                     sources.at(r.at(3)),
                     kNone,
                     kNone};
        for (const char* e : {"t\t", "r\r", "n\n"}) {  // the escape letter and its character
            for (std::size_t at; (at = c.text.find({'\\', e[0]})) != std::string::npos;)
                c.text.replace(at, 2, 1, e[1]);
        }
        if (r.at(2) != "-") c.value = std::stod(r.at(2));
        if (r.at(4) != "-") c.rewrite = r.at(4);
        if (r.at(5) != "-") c.grouped = std::stod(r.at(5));
        cases.push_back(c);
    }
    return cases;
}

class Acceptance : public ::testing::TestWithParam<AcceptCase> {};

TEST_P(Acceptance, AcceptNumber) {
    const AcceptCase& c = GetParam();
    const std::optional<AcceptedNumber> result = AcceptNumber(c.text, c.locale);
    ASSERT_EQ(result.has_value(), c.value.has_value());
    if (result) {
        EXPECT_EQ(std::tie(result->value, result->source, result->rewrite, result->groupedReading),
                  std::tie(*c.value, c.source, c.rewrite, c.grouped));
    }
    const bool direct = c.source == NumberSource::kDirect && !c.grouped;
    EXPECT_EQ(ParseNumber(c.text, c.locale), direct ? c.value : kNone);
}

INSTANTIATE_TEST_SUITE_P(NumberInput, Acceptance, ::testing::ValuesIn(AcceptCases()));

TEST(NumberInput, SameValueUsesAnAbsoluteToleranceAndSeparatesZero) {
    const std::tuple<double, double, bool> cases[] = {
        {0, -0.0, true},           {0, 1e-9, false},
        {-1e-300, 0, false},       {1e-9, 2e-9, true},
        {-5, -5.00000005, true},   {100.0000002, 100, false},
        {100, 100.0000002, false}, {std::nan(""), std::nan(""), false}};
    for (const auto& [a, b, same] : cases) EXPECT_EQ(SameValue(a, b), same) << a << " " << b;
}

TEST(NumberInput, ValNumberTakesTheLeadingNumberWithAPoint) {
    const std::tuple<const char*, double> cases[] = {
        {"12.5|", 12.5}, {"", 0},         {"-1E+20", -1e20},  {"abc", 0},  {"  42", 42},
        {"1,5", 1},      {"1e-x", 1},     {"-.5x", -0.5},     {".", 0},    {"100|True|", 100},
        {"1e-400", 0},   {"1e400", kInf}, {"-1e400|", -kInf}, {"1 000", 1}};  // no blank groups
    for (const auto& [text, expected] : cases) EXPECT_EQ(ValNumber(text), expected) << text;
    EXPECT_EQ(static_cast<float>(ValNumber("-1E+20")), -1e20f);
    EXPECT_EQ(ParseNumber("5e", NumberSeparators{'.', ','}), kNone);  // an exponent needs digits
}

TEST(NumberInput, NumberTextIsShortAndExact) {
    // The last three would read back as 1, as 1234568 and as a float below FLT_MAX with seven
    // digits.
    const std::tuple<float, const char*> cases[] = {
        {100.0f, "100"},           {0.025f, "0.025"},           {632.8f, "632.8"},
        {-1e20f, "-1E+20"},        {546.1f, "546.1"},           {-0.0f, "0"},
        {1e7f, "1E+07"},           {1.5e-7f, "1.5E-07"},        {1.00000012f, "1.0000001"},
        {1234567.5f, "1234567.5"}, {FLT_MAX, "3.402823466E+38"}};
    for (const auto& [value, expected] : cases) EXPECT_EQ(NumberText(value), expected);
    EXPECT_EQ(NumberText(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(NumberText(DBL_MAX), "1.7976931348623157E+308");
    EXPECT_EQ(NumberText(-12L), "-12");
}

// Saving and loading never changes a value, and a float's text never reads back beyond the
// float range (the record reader rejects such a field).
TEST(NumberInput, EveryValueSurvivesTheSettingsFile) {
    std::mt19937_64 random(20240611);
    for (std::uint64_t bits = 0; bits <= 0xFFFFFFFFu; bits += 65521) {
        const auto pattern = static_cast<std::uint32_t>(bits);
        float single = 0.0f;
        double value = 0.0;
        std::memcpy(&single, &pattern, sizeof single);
        const std::uint64_t doubleBits = random();
        std::memcpy(&value, &doubleBits, sizeof value);
        if (std::isfinite(single)) {
            const double back = ValNumber(NumberText(single));
            ASSERT_LE(std::fabs(back), FLT_MAX) << NumberText(single);
            ASSERT_EQ(static_cast<float>(back), single) << NumberText(single);
        }
        ASSERT_TRUE(!std::isfinite(value) || ValNumber(NumberText(value)) == value)
            << NumberText(value);
    }
}

}  // namespace
}  // namespace lumarik
