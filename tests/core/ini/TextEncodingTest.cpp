#include <gtest/gtest.h>

#include <set>

#include "core/ini/TextEncoding.h"

namespace lumarik {
namespace {

TEST(TextEncodingTest, RecognisesWellFormedUtf8Only) {
    for (const std::string_view bytes : {std::string_view(), std::string_view("a\0b", 3),
                                         std::string_view("Vergrößerung € \xF0\x9F\x98\x80"),
                                         std::string_view("\xDF\xBF\xF4\x8F\xBF\xBF")})
        EXPECT_TRUE(IsValidUtf8(bytes)) << testing::PrintToString(std::string(bytes));
    // Windows-1252, overlong NUL, overlong, surrogate, above U+10FFFF, truncated, a lone
    // continuation byte, a byte UTF-8 never uses.
    for (const char* bytes : {"Gr\xFC\xDF Gott", "\xC0\x80", "\xE0\x9F\xBF", "\xED\xA0\x80",
                              "\xF4\x90\x80\x80", "\xE2\x82", "\x80", "\xFF"})
        EXPECT_FALSE(IsValidUtf8(bytes)) << testing::PrintToString(std::string(bytes));
}

// The five bytes Windows-1252 leaves undefined keep their Latin-1 meaning.
TEST(TextEncodingTest, EveryWindows1252ByteBecomesItsOwnCharacter) {
    EXPECT_EQ(Windows1252ToUtf8("Gr\xFC\xDF \x80 \x84Q\x93 \x9F \xA0"), "Grüß € „Q“ Ÿ \xC2\xA0");
    EXPECT_EQ(Windows1252ToUtf8("\x81\x8D\x8F\x90\x9D"),
              "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    std::set<std::string> seen;
    for (int b = 0; b < 256; ++b) {
        const std::string utf8 = Windows1252ToUtf8(std::string(1, static_cast<char>(b)));
        EXPECT_TRUE(IsValidUtf8(utf8)) << b;
        seen.insert(utf8);
    }
    EXPECT_EQ(seen.size(), 256u);
}

TEST(TextEncodingTest, DecodesSettingsFiles) {
    // UTF-8, an old Windows-1252 file, a byte order mark, a repeated one, damaged UTF-8 with one.
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"[S]\nk=ä", "[S]\nk=ä"},
        {"[S]\nk=\xE4", "[S]\nk=ä"},
        {"\xEF\xBB\xBF[S]\nk=ä", "[S]\nk=ä"},
        {"\xEF\xBB\xBF\xEF\xBB\xBF[S]", "[S]"},
        {"\xEF\xBB\xBFk=\xE4", "k=�"}};
    for (const auto& [bytes, text] : cases) EXPECT_EQ(DecodeSettingsText(bytes), text);
}

}  // namespace
}  // namespace lumarik
