#include <gtest/gtest.h>

#include <set>

#include "core/ini/TextEncoding.h"

namespace lumarik {
namespace {

TEST(TextEncodingTest, RecognisesWellFormedUtf8Only) {
    const struct {
        std::string_view bytes;
        bool valid;
    } cases[] = {
        {"", true},
        {std::string_view("a\0b", 3), true},
        {"Vergrößerung € \xF0\x9F\x98\x80", true},
        {"\xF4\x8F\xBF\xBF", true},   // U+10FFFF
        {"Gr\xFC\xDF Gott", false},   // Windows-1252
        {"\xC0\x80", false},          // overlong NUL
        {"\xE0\x9F\xBF", false},      // overlong
        {"\xED\xA0\x80", false},      // surrogate
        {"\xF4\x90\x80\x80", false},  // above U+10FFFF
        {"\xE2\x82", false},          // truncated
        {"\x80", false},              // lone continuation byte
        {"\xFF", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << testing::PrintToString(std::string(c.bytes));
    }
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
    const struct {
        std::string_view bytes;
        std::string_view text;
    } cases[] = {
        {"[S]\nk=ä", "[S]\nk=ä"},
        {"[S]\nk=\xE4", "[S]\nk=ä"},             // old Windows-1252 file
        {"\xEF\xBB\xBF[S]\nk=ä", "[S]\nk=ä"},    // byte order mark
        {"\xEF\xBB\xBF\xEF\xBB\xBF[S]", "[S]"},  // repeated mark
        {"\xEF\xBB\xBFk=\xE4", "k=�"},           // damaged UTF-8 with mark
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeSettingsText(c.bytes), c.text);
    }
}

}  // namespace
}  // namespace lumarik
