// WaveNames: the wavelengths the picker offers — the built-in laser lines and glass-catalogue
// (Fraunhofer) lines, the user's own list read from UserData/WaveLen.lst — and every text the
// picker's three grids show, so that the window only copies strings.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumarik {

// One row of a wavelength list. In the built-in lists the name is a label and a description
// separated by '|' (see WaveLineCells).
struct WaveLine {
    std::string name;
    float wavelength = 0.0f;  // nm
};

using WaveLineList = std::vector<WaveLine>;

// The user's list as read from the file. `loaded` is false when the file could not be read; an
// empty file gives a loaded, empty list.
struct UserWaveList {
    bool loaded = false;
    WaveLineList lines;
};

// The entry count of the user list is a 16-bit signed number: lines after the 32767th entry are
// not read.
constexpr std::size_t kMaxUserWaveLines = 32767;

// The three grids of the picker, in the order of its tabs.
enum class WaveGrid { kLaser, kGlassCatalogue, kUser };

// What a click into a grid row does (see WavePickActionFor).
enum class WavePickAction {
    kIgnore,           // not a row of an entry
    kNoUserListError,  // the user grid without a readable file: show kWaveNoUserList
    kStayOpen,         // an entry without a usable wavelength (0 or less)
    kPick,             // take the entry, remember the row, close the picker
};

namespace WaveNames {

inline constexpr std::string_view kUserFolder = "UserData";
inline constexpr std::string_view kUserFile = "WaveLen.lst";
// Section of the per-user settings store that remembers the last picked rows.
inline constexpr std::string_view kSettingsSection = "WaveLine";

// The built-in lists, in descending wavelength; row r of a grid is element r - 1. Each call
// hands out a fresh copy.
WaveLineList GetFraunhoferLines();
WaveLineList GetLaserLines();

// The display split of a built-in name into grid cells, joined by tabs: a blank name gives one
// empty cell; with `split` a name is cut at its first '|' into two cells (text after a second
// '|' is dropped), without it the whole name is one cell. A laser name "Ruby |\tmain" thus
// gives "Ruby ", "" and "main".
std::string WaveLineCells(std::string_view name, bool split);

// The first cell of a row: a pad (one blank above 9999.99 nm, two above 999.99 nm, four
// otherwise) and the wavelength. The glass-catalogue and user grids show it with "0.0###" in a
// field of exactly 12 characters; the laser grid as general number text without a fixed width.
std::string WavelengthCell(WaveGrid grid, float wavelength, char decimalSep);

// A grid's contents as one block: per entry the wavelength cell, a tab, the name cell(s) and
// CR LF. The user grid's name cell is empty when the name is blank or reads as a number; tabs
// in a user's name become blanks, so that it stays in its one cell.
std::string WaveGridText(WaveGrid grid, const WaveLineList& lines, char decimalSep);

// The same block as rows of exactly WaveGridColumns(grid) cells: cells beyond the grid's
// columns are dropped, missing ones are empty.
std::vector<std::vector<std::string>> WaveGridCells(WaveGrid grid, const WaveLineList& lines,
                                                    char decimalSep);

int WaveGridColumns(WaveGrid grid);
std::vector<std::string_view> WaveGridHeaders(WaveGrid grid);
std::string_view WaveGridTabCaption(WaveGrid grid);

// Key under section kSettingsSection of the per-user store that remembers the row last
// picked in the grid.
std::string_view WaveGridSettingsKey(WaveGrid grid);

// The remembered row (1-based) to make current, from the stored text: nothing when the text is
// missing, not a whole number, 0 or less, or beyond rowCount (a user file grown shorter).
std::optional<int> RememberedWaveRow(std::string_view storedText, int rowCount);

// The action of a click into `row` (1-based; 0 or less for the header or empty space) of a
// grid that shows `lines`. Any click into the user grid without a loaded list reports the
// missing list.
WavePickAction WavePickActionFor(WaveGrid grid, bool userListLoaded, const WaveLineList& lines,
                                 int row);

// <programDirectory>/UserData/WaveLen.lst
std::filesystem::path UserWaveFilePath(const std::filesystem::path& programDirectory);

// Reads the user list. The folder UserData is created when missing (a failure is of no
// concern: the file then simply is not there). A file that cannot be opened or read gives a
// list that is not loaded.
UserWaveList ReadUserWaveFile(const std::filesystem::path& programDirectory, char decimalSep);

// The file's lines as entries: the bytes are UTF-8 (a byte order mark is dropped), or
// Windows-1252 when they are not valid UTF-8; lines end in LF, CR LF or a lone CR. A line is
// name '|' wavelength ['|' ignored...]; the wavelength is read as a typed number (ParseNumber:
// the user's convention, then point and comma). Lines without a second field, with one that is no
// number or none a float can hold, are skipped. Reading stops at kMaxUserWaveLines entries. The
// result is always loaded.
UserWaveList ParseUserWaveText(std::string_view bytes, char decimalSep);

}  // namespace WaveNames

namespace texts {

inline constexpr std::string_view kWavePickerCaption = "Laserwellenlängen ";
inline constexpr std::string_view kWavePickerIntro =
    "Einige vordefinierte Standardwellenlängen für Gaußsche Strahlanalyse";
inline constexpr std::string_view kWavePickerCancel = "&Abbrechen";
inline constexpr std::string_view kWaveTabLaser = "&Laserlinien";
inline constexpr std::string_view kWaveTabGlassCatalogue = "&Glaskatalog-Linien";
inline constexpr std::string_view kWaveTabUser = "&benutzerdefiniert";
// Spelt as the program has always shown it.
inline constexpr std::string_view kWaveNoUserList =
    "Es wurden keine benutzerdefinierten Wellenlängen gefunden.";

}  // namespace texts

}  // namespace lumarik
