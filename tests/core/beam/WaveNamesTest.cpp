#include "core/beam/WaveNames.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "support/DataTable.h"
#include "support/TempFolder.h"

namespace lumarik {
namespace {

namespace fs = std::filesystem;
using namespace WaveNames;
using Cells = std::vector<std::string>;

std::string Listed(const UserWaveList& list) {
    std::ostringstream out;
    for (const WaveLine& line : list.lines) out << line.name << '=' << line.wavelength << ';';
    return out.str();
}

// The rows of one table of wave_names_cases.tsv without its name; \t, \r, \n and \xNN are
// replaced by their bytes.
std::vector<test::DataRow> Cases(const std::string& table, std::size_t count) {
    std::vector<test::DataRow> rows;
    for (test::DataRow row : test::ReadDataTable("wave_names_cases.tsv")) {
        if (row.at(0) != table) continue;
        row.erase(row.begin());
        for (std::string& cell : row) {
            for (std::size_t at; (at = cell.find('\\')) != std::string::npos;) {
                const bool hex = cell.at(at + 1) == 'x';
                const char byte =
                    hex ? static_cast<char>(std::stoi(cell.substr(at + 2, 2), nullptr, 16))
                        : "\t\r\n"[std::string_view("trn").find(cell.at(at + 1))];
                cell.replace(at, hex ? 4 : 2, 1, byte);
            }
        }
        rows.push_back(row);
    }
    EXPECT_EQ(rows.size(), count) << table;
    return rows;
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

TEST(WaveNamesPicker, RememberedRow) {
    for (const test::DataRow& c : Cases("remembered of 5", 9)) {
        const std::optional<int> row = RememberedWaveRow(c.at(0), 5);
        EXPECT_EQ(row ? std::to_string(*row) : "", c.at(1)) << '"' << c.at(0) << '"';
    }
}

TEST(WaveNamesPicker, ClickOnARow) {
    const WaveLineList lines = {{"a", 532.0f}, {"zero", 0.0f}, {"negative", -5.0f}};
    const char* actions[] = {"ignore", "no user list", "stay open", "pick"};  // WavePickAction
    for (const test::DataRow& c : Cases("click", 9)) {
        const WavePickAction action = WavePickActionFor(
            WaveGrid(std::stoi(c.at(0))), c.at(1) == "yes", lines, std::stoi(c.at(2)));
        EXPECT_EQ(actions[static_cast<int>(action)], c.at(3)) << c.at(0) << " " << c.at(2);
    }
    EXPECT_EQ(WavePickActionFor(WaveGrid::kUser, true, {}, 1), WavePickAction::kIgnore);
}

TEST(WaveNamesUserText, LinesAndFields) {
    for (const test::DataRow& c : Cases("user text", 12)) {
        const UserWaveList list = ParseUserWaveText(c.at(1), c.at(2).at(0));
        EXPECT_TRUE(list.loaded) << c.at(0);
        EXPECT_EQ(Listed(list), c.at(3)) << c.at(0);
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
    EXPECT_EQ(Listed(list), "HeNe grün=543.5;Nd:YAG=1064;");

    fs::create_directories(m_dir / "a" / "UserData" / "WaveLen.lst");
    EXPECT_FALSE(ReadUserWaveFile(m_dir / "a", '.').loaded);
    fs::create_directories(m_dir / "b");
    std::ofstream(m_dir / "b" / "UserData") << "x|1\n";
    EXPECT_FALSE(ReadUserWaveFile(m_dir / "b", '.').loaded);
}

}  // namespace
}  // namespace lumarik
