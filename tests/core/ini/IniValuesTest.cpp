#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <tuple>

#include "core/ini/IniValues.h"

namespace lumarik {
namespace {

TEST(IniValuesTest, OnlyTheThreeTrueWordsAreTrue) {
    const std::pair<std::string_view, bool> cases[] = {
        {"True", true},   {"true", true},    {"WAHR", true},  {" Wahr ", true}, {"Vrai", true},
        {"False", false}, {"falsch", false}, {"faux", false}, {"1", false},     {"-1", false},
        {"", false},      {"yes", false},    {"truex", false}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(IniBool(text), value) << text;
        EXPECT_EQ(IniBool(IniBoolText(value)), value);
    }
}

// IniInt reads a leading integer, as the profile reader does; IniInteger takes only a text
// that is an integer as a whole.
TEST(IniValuesTest, IntegersReadLikeTheProfileReader) {
    const std::nullopt_t none = std::nullopt;
    const std::tuple<std::string_view, int, std::optional<long long>> cases[] = {
        {"12", 12, 12},   {"  12abc", 12, none},
        {" -7 ", -7, -7}, {"+3", 3, 3},
        {"1.9", 1, none}, {"abc", 0, none},
        {"", 0, none},    {"- 5", 0, none},
        {"0095", 95, 95}, {"99999999999", INT_MAX, 99999999999}};
    for (const auto& [text, value, whole] : cases) {
        EXPECT_EQ(IniInt(text), value) << text;
        EXPECT_EQ(IniInteger(text), whole) << text;
    }
    EXPECT_EQ(IniInt("-99999999999999999999999"), INT_MIN);
    EXPECT_LT(IniInteger("-99999999999999999999999"), INT_MIN);  // saturated, not wrapped
}

TEST(IniValuesTest, SplitsIntoAtMostTheWantedParts) {
    using Parts = std::vector<std::string>;
    EXPECT_EQ(SplitFields(""), Parts{});
    EXPECT_EQ(SplitFields("600|0|1.5|-1.5|"), (Parts{"600", "0", "1.5", "-1.5", ""}));
    EXPECT_EQ(SplitFields("600|0|1.5|-1.5|", 4), (Parts{"600", "0", "1.5", "-1.5|"}));
    EXPECT_EQ(SplitFields("a", 4), Parts{"a"});
    EXPECT_EQ(SplitText("a||b|", '|'), (Parts{"a", "", "b", ""}));
    EXPECT_EQ(SplitText("", '|'), Parts{""});
}

}  // namespace
}  // namespace lumarik
