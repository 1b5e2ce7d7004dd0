#include "core/format/NumberInput.h"

#include <gtest/gtest.h>

#include <cctype>
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
                     r.at(1), kNone, sources.at(r.at(3)), kNone};
        for (const char* e : {"t\t", "r\r", "n\n"}) {  // the escape letter and its character
            for (std::size_t at; (at = c.text.find({'\\', e[0]})) != std::string::npos;) {
                c.text.replace(at, 2, 1, e[1]);
            }
        }
        if (r.at(2) != "-") c.value = std::stod(r.at(2));
        if (r.at(4) != "-") c.rewrite = r.at(4);
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
        EXPECT_EQ(result->value, *c.value);
        EXPECT_EQ(result->source, c.source);
        EXPECT_EQ(result->rewrite, c.rewrite);
    }
    const bool direct = c.source == NumberSource::kDirect;
    EXPECT_EQ(ParseNumber(c.text, c.locale), direct ? c.value : kNone);
}

TEST(Acceptance, TableIsComplete) {
    EXPECT_EQ(AcceptCases().size(), 55u);
}

// "De_3_2C5" for German "2,5": the locale, the row and the text's letters and digits.
std::string CaseName(const ::testing::TestParamInfo<AcceptCase>& info) {
    std::string name = info.param.locale.decimal == ',' ? "De_" : "En_";
    name += std::to_string(info.index) + "_";
    for (const char c : info.param.text) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0 &&
            static_cast<unsigned char>(c) < 128) {
            name += c;
        } else {
            name += c == '.' ? 'P' : c == ',' ? 'C' : c == '-' ? 'M' : '_';
        }
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(NumberInput, Acceptance, ::testing::ValuesIn(AcceptCases()), CaseName);

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
        {"12.5|", 12.5}, {"", 0},         {"-1E+20", -1e20},  {"abc", 0},  {"  42", 42},
        {"1,5", 1},      {"1e-x", 1},     {"-.5x", -0.5},     {".", 0},    {"100|True|", 100},
        {"1e-400", 0},   {"1e400", kInf}, {"-1e400|", -kInf}, {"1 000", 1}};  // no blank groups
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ValNumber(text), expected) << text;
    }
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
