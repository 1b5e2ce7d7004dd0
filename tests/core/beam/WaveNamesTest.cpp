#include "core/beam/WaveNames.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/TempFolder.h"

namespace lumarik {
namespace {

namespace fs = std::filesystem;
using namespace WaveNames;
using Cells = std::vector<std::string>;
using Entries = std::vector<std::pair<std::string, float>>;

Entries EntriesOf(const UserWaveList& list) {
    Entries entries;
    for (const WaveLine& line : list.lines) entries.emplace_back(line.name, line.wavelength);
    return entries;
}

TEST(WaveNamesCells, SplitAtTheFirstBar) {
    // clang-format off
    const struct { const char* name; bool split; const char* cells; } cases[] = {
        {"", true, ""}, {"   ", true, ""}, {" \t ", false, ""}, {"HeNe", true, "HeNe"},
        {"C  |H alpha", true, "C  \tH alpha"}, {"C  |H alpha", false, "C  |H alpha"},
        {"a|b|c", true, "a\tb"}, {"|x", true, "\tx"}, {"Ruby |\tmain", true, "Ruby \t\tmain"}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(WaveLineCells(c.name, c.split), c.cells) << '"' << c.name << '"';
}

// The pad depends on the wavelength as the float it is: 999.99f lies below 999.99.
TEST(WaveNamesGrid, PadAndTwelveCharacterField) {
    constexpr WaveGrid kUser = WaveGrid::kUser, kLaser = WaveGrid::kLaser;
    // clang-format off
    const struct { WaveGrid grid; float nm; const char* cell; } cases[] = {
        {kUser, 12000.0f, " 12000.0    "}, {kUser, 9999.99f, " 9999.99    "},
        {kUser, 9999.0f, "  9999.0    "}, {kUser, 1000.0f, "  1000.0    "},
        {kUser, 999.99f, "    999.99  "}, {kUser, -5.0f, "    -5.0    "},
        {kUser, 0.123456f, "    0.1235  "}, {kUser, 123456789.0f, " 123456800.0"},
        {kUser, 1e12f, " 10000000000"}, {WaveGrid::kGlassCatalogue, 1e12f, " 10000000000"},
        {kLaser, 12000.0f, " 12000"}, {kLaser, 1e12f, " 1E+12"},
        {kLaser, 0.123456f, "    0.123456"}};
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(WavelengthCell(c.grid, c.nm, '.'), c.cell) << c.nm;
}

TEST(WaveNamesGrid, BlockTextAsPasted) {
    const WaveLineList user = {
        {"Alpha", 543.5f}, {"1064", 1064.0f}, {"  ", 10.0f}, {"a\tb", 1.0f}, {"1,5", 3.0f}};
    EXPECT_EQ(WaveGridText(WaveGrid::kUser, user, ','),
              "    543,5   \tAlpha\r\n  1064,0    \t\r\n    10,0    \t\r\n"
              "    1,0     \ta b\r\n    3,0     \t\r\n");
    EXPECT_EQ(WaveGridText(WaveGrid::kLaser, {{"Nd:YAG |\t2nd", 532.0f}, {"", 1.5f}}, '.'),
              "    532\tNd:YAG \t\t2nd\r\n    1.5\t\r\n");
}

// Whatever a name holds, every row has exactly the grid's columns; extra cells are dropped.
TEST(WaveNamesGrid, RowsHaveTheGridsColumns) {
    const WaveLineList odd = {{"a|b\tc\td\te", 1.0f}, {"", 2.0f}};
    for (const WaveGrid grid : {WaveGrid::kLaser, WaveGrid::kGlassCatalogue, WaveGrid::kUser}) {
        const auto columns = static_cast<std::size_t>(WaveGridColumns(grid));
        EXPECT_EQ(WaveGridHeaders(grid).size(), columns);
        for (const WaveLineList& lines : {GetLaserLines(), GetFraunhoferLines(), odd}) {
            const auto rows = WaveGridCells(grid, lines, '.');
            ASSERT_EQ(rows.size(), lines.size());
            for (const Cells& row : rows) EXPECT_EQ(row.size(), columns);
        }
    }
    EXPECT_EQ(WaveGridCells(WaveGrid::kLaser, odd, '.')[0], (Cells{"    1", "a", "b", "c"}));
}

TEST(WaveNamesPicker, RememberedRow) {
    constexpr std::optional<int> kNone;
    // clang-format off
    const struct { const char* stored; int rows; std::optional<int> row; } cases[] = {
        {"", 5, kNone}, {"0", 5, kNone}, {"3", 5, 3}, {"5", 5, 5}, {"6", 5, kNone},
        {"-1", 5, kNone}, {" 2 ", 5, 2}, {"2x", 5, kNone}, {"99999999999", 5, kNone}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(RememberedWaveRow(c.stored, c.rows), c.row) << '"' << c.stored << '"';
}

TEST(WaveNamesPicker, ClickOnARow) {
    const WaveLineList lines = {{"a", 532.0f}, {"zero", 0.0f}, {"negative", -5.0f}};
    using A = WavePickAction;
    constexpr WaveGrid kUser = WaveGrid::kUser;
    // clang-format off
    const struct { WaveGrid grid; bool loaded; int row; A action; } cases[] = {
        {kUser, false, 1, A::kNoUserListError}, {kUser, false, 0, A::kNoUserListError},
        {kUser, true, 1, A::kPick}, {kUser, true, 2, A::kStayOpen}, {kUser, true, 3, A::kStayOpen},
        {kUser, true, 4, A::kIgnore}, {kUser, true, 0, A::kIgnore},
        {WaveGrid::kLaser, false, 1, A::kPick}, {WaveGrid::kGlassCatalogue, false, -1, A::kIgnore}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(WavePickActionFor(c.grid, c.loaded, lines, c.row), c.action) << c.row;
    EXPECT_EQ(WavePickActionFor(kUser, true, {}, 1), A::kIgnore);  // loaded, empty: no message
}

TEST(WaveNamesUserText, LinesAndFields) {
    // clang-format off
    const struct { const char* what; std::string bytes; char sep; Entries entries; } cases[] = {
        {"documented example", "Grün|543.5\nno bar\nName|abc\n", '.', {{"Grün", 543.5f}}},
        {"empty file", "", '.', {}},
        {"CR LF, no end", "a|1\r\nb|2", '.', {{"a", 1.0f}, {"b", 2.0f}}},
        {"lone CR, mixed", "a|1\rb|2\r\n\nc|3\n", '.', {{"a", 1.0f}, {"b", 2.0f}, {"c", 3.0f}}},
        {"more fields", "a|5|x|y\n", '.', {{"a", 5.0f}}},
        {"name as written", " 1064 |1064\n|7\n", '.', {{" 1064 ", 1064.0f}, {"", 7.0f}}},
        {"user's separator", "a|632,8\nb| 632.8 \n", ',', {{"a", 632.8f}, {"b", 632.8f}}},
        {"comma in point settings", "a|632,8\n", '.', {{"a", 632.8f}}},
        {"junk", "\n|\nabc\nx|\nx||5\nx|1e400\nx|4e38\nx|5nm\n", '.', {}},
        {"largest float, zero, negative", "x|3e38\nz|0\nn|-5", '.',
         {{"x", 3e38f}, {"z", 0.0f}, {"n", -5.0f}}},
        {"Windows-1252", "Gr\xFCn \x80|532\r\n", '.', {{"Grün €", 532.0f}}},
        {"byte order mark", "\xEF\xBB\xBF" "a|1\n", '.', {{"a", 1.0f}}}};
    // clang-format on
    for (const auto& c : cases) {
        const UserWaveList list = ParseUserWaveText(c.bytes, c.sep);
        EXPECT_TRUE(list.loaded) << c.what;
        EXPECT_EQ(EntriesOf(list), c.entries) << c.what;
    }
}

// The entry count is a 16-bit signed number: reading stops at the 32767th entry; skipped lines
// do not count.
TEST(WaveNamesUserText, StopsAt32767Entries) {
    std::string bytes;
    for (int i = 1; i <= 40000; ++i)
        bytes += "junk line\nL" + std::to_string(i) + "|" + std::to_string(i) + "\r\n";
    const UserWaveList list = ParseUserWaveText(bytes, '.');
    ASSERT_EQ(list.lines.size(), kMaxUserWaveLines);
    EXPECT_EQ(list.lines.back().name, "L32767");
    EXPECT_EQ(list.lines.back().wavelength, 32767.0f);
}

using WaveNamesUserFile = test::TempFolder;

// The list lives in UserData/WaveLen.lst; a folder in place of the file, or a file in place of
// the folder, is no list.
TEST_F(WaveNamesUserFile, ReadsUserDataWaveLenLst) {
    EXPECT_FALSE(ReadUserWaveFile(m_dir, ',').loaded);
    EXPECT_TRUE(fs::is_directory(m_dir / "UserData"));  // created for the user to fill
    std::ofstream(m_dir / "UserData" / "WaveLen.lst", std::ios::binary)
        << "HeNe grün|543,5\r\nNd:YAG|1064\r\n";
    const UserWaveList list = ReadUserWaveFile(m_dir, ',');
    EXPECT_TRUE(list.loaded);
    EXPECT_EQ(EntriesOf(list), (Entries{{"HeNe grün", 543.5f}, {"Nd:YAG", 1064.0f}}));

    fs::create_directories(m_dir / "a" / "UserData" / "WaveLen.lst");
    EXPECT_FALSE(ReadUserWaveFile(m_dir / "a", '.').loaded);
    fs::create_directories(m_dir / "b");
    std::ofstream(m_dir / "b" / "UserData") << "x|1\n";
    EXPECT_FALSE(ReadUserWaveFile(m_dir / "b", '.').loaded);
}

}  // namespace
}  // namespace lumarik
