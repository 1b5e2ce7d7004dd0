#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "core/ini/IniDocument.h"

namespace lumarik {
namespace {

constexpr std::string_view kHandEdited =
    "; Lumarik settings\nstray=before any section\n[Options]\n  UnitType = 1 \n# DrawPoints=True\n"
    "no equals sign here\n\n[Foreign]\nOther=keep me\n[options]\nUnitType=2\n"
    "Late=found in second block\n";

TEST(IniDocumentTest, FindsKeysAsTheProfileReaderDoes) {
    const IniDocument doc = IniDocument::Parse(kHandEdited);
    const std::tuple<std::string_view, std::string_view, std::string_view> found[] = {
        {"Options", "UnitType", "1"},
        {"OPTIONS", "unittype", "1"},
        {" options ", " UNITTYPE ", "1"},
        {"options", "Late", "found in second block"},
        {"Foreign", "other", "keep me"}};
    for (const auto& [section, key, value] : found) EXPECT_EQ(doc.Get(section, key), value) << key;
    for (const char* key : {"DrawPoints", "no equals sign here", "stray"})
        EXPECT_EQ(doc.Get("Options", key), std::nullopt) << key;
    EXPECT_EQ(doc.Get("Missing", "UnitType"), std::nullopt);
}

TEST(IniDocumentTest, SetPlacesKeysWhereAReaderFindsThemFirst) {
    const struct {
        std::string_view before, section, key, value, after;
    } cases[] = {{"[S]\n  Key = old ; x\nz=1\n", "s", "KEY", "new", "[S]\n  Key = new\nz=1\n"},
                 {"[S]\na=1\n\n; note\n[T]\n", "S", "b", "2", "[S]\na=1\nb=2\n\n; note\n[T]\n"},
                 {"[S]\n[T]\n", "S", "b", "2", "[S]\nb=2\n[T]\n"},
                 {"[S]\na=1\n[T]\n[s]\nb=1\n", "S", "b", "2", "[S]\na=1\n[T]\n[s]\nb=2\n"},
                 {"[S]\na=1\n[T]\n[s]\nc=1\n", "S", "b", "2", "[S]\na=1\nb=2\n[T]\n[s]\nc=1\n"},
                 {"[S]\na=1", "N", " k ", " v", "[S]\na=1\n\n[N]\nk= v\n"},
                 {"", "N", "k", "v", "[N]\nk=v\n"},
                 {"[S]\nk=1\n", "S", "k", "a\r\n[Evil]\nx=2", "[S]\nk=a  [Evil] x=2\n"}};
    for (const auto& c : cases) {
        IniDocument doc = IniDocument::Parse(c.before);
        ASSERT_TRUE(doc.Set(c.section, c.key, c.value));
        EXPECT_EQ(doc.Serialize(), c.after) << c.before;
    }
}

TEST(IniDocumentTest, RefusesNamesThatCouldNotBeFoundAgain) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"", "k"},   {"  ", "k"}, {"a]b", "k"}, {"S\nT", "k"}, {"S", ""},    {"S", "a=b"},
        {"S", ";k"}, {"S", "#k"}, {"S", "[k]"}, {"S", "k\rj"}, {"S", "\xE4"}};
    for (const auto& [section, key] : cases) {
        IniDocument doc = IniDocument::Parse("[S]\nk=1\n");
        EXPECT_FALSE(doc.Set(section, key, "v")) << section << '/' << key;
        EXPECT_EQ(doc.Serialize(), "[S]\nk=1\n");
    }
}

// Documents assembled from the pieces that trouble a parser: a set key must read back after
// a save, and every other key must keep its value.
TEST(IniDocumentTest, SetSurvivesSerialisationOfArbitraryDocuments) {
    using namespace std::string_view_literals;
    const std::string_view pieces[] = {"[S]", "[s ]", "[T]",  "[",    "]", "k",           "K ",
                                       "j",   "=",    "v",    " ",    ";", "#",           "\n",
                                       "\r",  "\r\n", "\0"sv, "\xE4", "ä", "\xEF\xBB\xBF"};
    const std::pair<std::string_view, std::string_view> probes[] = {
        {"S", "k"}, {"S", "j"}, {"T", "k"}, {"T", "j"}, {"N", "k"}};
    std::mt19937 random(20240601);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes;
        for (int i = 0; i < 30; ++i) bytes += pieces[pick(random)];
        IniDocument doc = IniDocument::Parse(bytes);
        const auto& [section, key] = probes[round % std::size(probes)];
        ASSERT_TRUE(doc.Set(section, key, " new value "));
        const IniDocument reread = IniDocument::Parse(doc.Serialize());
        for (const auto& [s, k] : probes)
            ASSERT_EQ(reread.Get(s, k), doc.Get(s, k)) << testing::PrintToString(bytes);
        ASSERT_EQ(reread.Get(section, key), "new value");
    }
}

}  // namespace
}  // namespace lumarik
