#include "core/beam/WaveNames.h"

#include <cfloat>
#include <cmath>
#include <fstream>
#include <iterator>
#include <system_error>

#include "core/format/Format.h"
#include "core/format/NumberInput.h"
#include "core/ini/IniValues.h"
#include "core/ini/TextEncoding.h"

namespace lumarik::WaveNames {
namespace {

struct BuiltInLine {
    const char* name;
    float wavelength;
};

// Label '|' description. The label is the line's letter and two blanks, three blanks without a
// letter; the Nd:glass and HeNe rows have always had one and two.
constexpr BuiltInLine kFraunhoferLines[] = {
    {"   |Hg", 2325.42f},
    {"   |Hg", 1970.09f},
    {"   |Hg", 1529.582f},
    {" |Nd:glass", 1060.0f},
    {"t  |Hg", 1013.98f},
    {"s  |Cs", 852.11f},
    {"A'  |K: Mitte des Paares", 768.1943f},
    {"r  |He", 706.5188f},
    {"C  |H alpha", 656.2725f},
    {"C'  |Cd", 643.8469f},
    {"  |HeNe-Laser", 632.8f},
    {"D  |Na: Mitte des Paares", 589.2938f},
    {"d  |He", 587.5618f},
    {"e  |Hg", 546.074f},
    {"F  |H beta", 486.1327f},
    {"F'  |Cd", 479.9914f},
    {"g  |Hg", 435.8343f},
    {"h  |Hg", 404.6561f},
    {"i  |Hg", 365.0146f},
    {"   |Hg", 334.1478f},
    {"", 312.5663f},
    {"   |Hg", 296.7278f},
};

// A designation follows the laser name as " |", tab, designation, which the grid shows as the
// name, an empty cell and the designation.
constexpr BuiltInLine kLaserLines[] = {
    {"Er:YAG", 2940.0f},
    {"Ho:YAG", 2127.0f},
    {"Er:YLF", 1730.0f},
    {"Nd:YAG", 1570.0f},
    {"Telecom2", 1550.0f},
    {"Er:glass", 1535.0f},
    {"HeNe", 1523.1f},
    {"Nd:YLF", 1444.0f},
    {"Nd:YVO4", 1342.0f},
    {"Nd:YAG", 1340.0f},
    {"Nd:YLF", 1319.0f},
    {"Telecom1", 1300.0f},
    {"HeNe", 1152.3f},
    {"Nd:YAG, Nd:YVO4", 1064.0f},
    {"Nd:glass", 1060.0f},
    {"Nd:YLF", 1053.0f},
    {"Yb:YAG", 1030.0f},
    {"Diode (InGaAs)", 980.0f},
    {"Xe ion", 871.6f},
    {"Diode (InGaAsP)", 808.0f},
    {"Kr ion", 799.3f},
    {"Xe ion", 798.8f},
    {"Kr ion", 793.1f},
    {"Diode (GaAlAs)", 790.0f},
    {"Xe ion", 782.8f},
    {"Kr Ion", 752.5f},
    {"Xe Ion", 714.9f},
    {"Ruby |\tmain", 694.3f},
    {"Ruby", 692.8f},
    {"Kr Ion", 676.4f},
    {"Diode (GaInP)", 670.0f},
    {"Kr Ion |\tmain", 647.1f},
    {"Diode (InGaAlP)", 635.0f},
    {"HeNe |\tmain", 632.8f},
    {"Au Vapour", 627.8f},
    {"Xe ion", 627.1f},
    {"HeNe", 611.8f},
    {"HeNe", 604.6f},
    {"Xe ion", 597.1f},
    {"HeNe", 594.1f},
    {"Cu Vapor", 578.2f},
    {"Kr Ion", 568.2f},
    {"HeNe", 543.3f},
    {"Xe ion", 541.9f},
    {"Nd:YAG |\t2nd", 532.0f},
    {"Kr Ion", 530.9f},
    {"Ar Ion", 528.7f},
    {"Kr Ion", 520.8f},
    {"Ar Ion |\tmain2", 514.5f},
    {"Cu Vapor", 510.6f},
    {"Ar Ion", 501.7f},
    {"Ar Ion", 496.5f},
    {"Ar Ion |\tmain1", 488.0f},
    {"Kr Ion", 482.5f},
    {"Ar Ion", 476.5f},
    {"Kr Ion", 476.2f},
    {"Ar Ion", 472.7f},
    {"Kr Ion", 468.0f},
    {"Ar Ion", 465.8f},
    {"Xe Ion", 460.3f},
    {"Ar Ion", 457.9f},
    {"Ar Ion", 454.5f},
    {"HeCd", 441.6f},
    {"N2", 428.0f},
    {"Kr Ion", 416.0f},
    {"Diode (GaN)", 415.0f},
    {"Ne ion", 371.3f},
    {"Ar Ion", 364.0f},
    {"Nd:YAG |\t3rd", 355.0f},
    {"Excimer (XeF)", 351.0f},
    {"Ne ion", 339.3f},
    {"Ne ion", 337.8f},
    {"N2", 337.1f},
    {"Ne ion", 334.5f},
    {"Ne ion", 332.4f},
    {"HeCd", 325.0f},
    {"Excimer (XeCl)", 308.0f},
    {"Nd:YAG |\t4th", 266.0f},
    {"Excimer (KrF)", 248.0f},
    {"Excimer (KrCl)", 222.0f},
    {"Nd:YAG |\t5th", 213.0f},
};

constexpr std::size_t kWavelengthFieldWidth = 12;
constexpr std::string_view kRowEnd = "\r\n";

template <std::size_t N>
WaveLineList ToList(const BuiltInLine (&table)[N]) {
    WaveLineList lines;
    lines.reserve(N);
    for (const BuiltInLine& line : table) {
        lines.push_back({line.name, line.wavelength});
    }
    return lines;
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string UserNameCell(std::string_view name, char decimalSep) {
    if (Trimmed(name).empty() || ParseNumber(name, NumberSeparators::WithDecimal(decimalSep))) {
        return {};
    }
    std::string cell(name);
    for (char& c : cell) {
        c = c == '\t' ? ' ' : c;
    }
    return cell;
}

// All cells of one row as the grid's paste would produce them, before the cut to its columns.
std::vector<std::string> RowCells(WaveGrid grid, const WaveLine& line, char decimalSep) {
    std::vector<std::string> cells{WavelengthCell(grid, line.wavelength, decimalSep)};
    if (grid == WaveGrid::kUser) {
        cells.push_back(UserNameCell(line.name, decimalSep));
    } else {
        for (std::string& cell : SplitText(WaveLineCells(line.name, true), '\t')) {
            cells.push_back(std::move(cell));
        }
    }
    return cells;
}

// One line of the file (without its line end) as an entry, or nothing.
std::optional<WaveLine> UserLine(std::string_view line, char decimalSep) {
    const std::size_t bar = line.find('|');
    if (bar == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view field = line.substr(bar + 1);
    field = field.substr(0, field.find('|'));
    const std::optional<double> value =
        ParseNumber(field, NumberSeparators::WithDecimal(decimalSep));
    if (!value || std::fabs(*value) > FLT_MAX) {
        return std::nullopt;
    }
    return WaveLine{std::string(line.substr(0, bar)), static_cast<float>(*value)};
}

}  // namespace

WaveLineList GetFraunhoferLines() {
    return ToList(kFraunhoferLines);
}

WaveLineList GetLaserLines() {
    return ToList(kLaserLines);
}

std::string WaveLineCells(std::string_view name, bool split) {
    if (Trimmed(name).empty()) {
        return {};
    }
    const std::size_t bar = name.find('|');
    if (!split || bar == std::string_view::npos) {
        return std::string(name);
    }
    std::string_view second = name.substr(bar + 1);
    second = second.substr(0, second.find('|'));
    std::string cells(name.substr(0, bar));
    cells += '\t';
    cells += second;
    return cells;
}

std::string WavelengthCell(WaveGrid grid, float wavelength, char decimalSep) {
    const double nm = wavelength;
    std::string cell = nm > 9999.99 ? " " : nm > 999.99 ? "  " : "    ";
    if (grid == WaveGrid::kLaser) {
        return cell + Format(wavelength, "", decimalSep);
    }
    cell += Format(wavelength, "0.0###", decimalSep);
    cell.resize(kWavelengthFieldWidth, ' ');
    return cell;
}

std::string WaveGridText(WaveGrid grid, const WaveLineList& lines, char decimalSep) {
    std::string text;
    for (const WaveLine& line : lines) {
        const std::vector<std::string> cells = RowCells(grid, line, decimalSep);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) {
                text += '\t';
            }
            text += cells[i];
        }
        text += kRowEnd;
    }
    return text;
}

std::vector<std::vector<std::string>> WaveGridCells(WaveGrid grid, const WaveLineList& lines,
                                                    char decimalSep) {
    const auto columns = static_cast<std::size_t>(WaveGridColumns(grid));
    std::vector<std::vector<std::string>> rows;
    rows.reserve(lines.size());
    for (const WaveLine& line : lines) {
        std::vector<std::string> cells = RowCells(grid, line, decimalSep);
        cells.resize(columns);
        rows.push_back(std::move(cells));
    }
    return rows;
}

int WaveGridColumns(WaveGrid grid) {
    switch (grid) {
        case WaveGrid::kLaser:
            return 4;  // wavelength, laser, (empty), designation
        case WaveGrid::kGlassCatalogue:
            return 3;  // wavelength, label, description
        case WaveGrid::kUser:
            break;
    }
    return 2;  // wavelength, name
}

std::vector<std::string_view> WaveGridHeaders(WaveGrid grid) {
    constexpr std::string_view kWavelength = "Wellenlänge [nm]";
    switch (grid) {
        case WaveGrid::kLaser:
            return {kWavelength, "Laser", "", "Linie"};
        case WaveGrid::kGlassCatalogue:
            return {kWavelength, "Linie", "Beschreibung"};
        case WaveGrid::kUser:
            break;
    }
    return {kWavelength, "Name"};
}

std::string_view WaveGridTabCaption(WaveGrid grid) {
    switch (grid) {
        case WaveGrid::kLaser:
            return texts::kWaveTabLaser;
        case WaveGrid::kGlassCatalogue:
            return texts::kWaveTabGlassCatalogue;
        case WaveGrid::kUser:
            break;
    }
    return texts::kWaveTabUser;
}

std::string_view WaveGridSettingsKey(WaveGrid grid) {
    switch (grid) {
        case WaveGrid::kLaser:
            return "Laser";
        case WaveGrid::kGlassCatalogue:
            return "GlassCat";
        case WaveGrid::kUser:
            break;
    }
    return "User";
}

std::optional<int> RememberedWaveRow(std::string_view storedText, int rowCount) {
    const std::string_view text = Trimmed(storedText);
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != text.npos) {
        return std::nullopt;
    }
    const int row = std::stoi(std::string(text));
    if (row < 1 || row > rowCount) {
        return std::nullopt;
    }
    return row;
}

WavePickAction WavePickActionFor(WaveGrid grid, bool userListLoaded, const WaveLineList& lines,
                                 int row) {
    if (grid == WaveGrid::kUser && !userListLoaded) {
        return WavePickAction::kNoUserListError;
    }
    if (row < 1 || static_cast<std::size_t>(row) > lines.size()) {
        return WavePickAction::kIgnore;
    }
    return lines[static_cast<std::size_t>(row) - 1].wavelength > 0.0f ? WavePickAction::kPick
                                                                      : WavePickAction::kStayOpen;
}

std::filesystem::path UserWaveFilePath(const std::filesystem::path& programDirectory) {
    return programDirectory / kUserFolder / kUserFile;
}

UserWaveList ReadUserWaveFile(const std::filesystem::path& programDirectory, char decimalSep) {
    std::error_code ignored;
    std::filesystem::create_directories(programDirectory / kUserFolder, ignored);

    const std::filesystem::path file = UserWaveFilePath(programDirectory);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        return {};
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return {};
    }
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return {};
    }
    return ParseUserWaveText(bytes, decimalSep);
}

UserWaveList ParseUserWaveText(std::string_view bytes, char decimalSep) {
    const std::string text = DecodeSettingsText(bytes);
    UserWaveList list;
    list.loaded = true;
    const std::string_view all(text);
    std::size_t start = 0;
    while (start < all.size() && list.lines.size() < kMaxUserWaveLines) {
        std::size_t end = all.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            end = all.size();
        }
        if (std::optional<WaveLine> line = UserLine(all.substr(start, end - start), decimalSep)) {
            list.lines.push_back(std::move(*line));
        }
        start = end + 1;
        if (end < all.size() && all[end] == '\r' && start < all.size() && all[start] == '\n') {
            ++start;
        }
    }
    return list;
}

}  // namespace lumarik::WaveNames
