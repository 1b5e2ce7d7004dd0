#include "core/chart/SampleSystems.h"

#include <array>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <system_error>

#include "core/format/Format.h"
#include "core/ini/TextEncoding.h"

namespace lumarik {
namespace {

// Offsets of the fields every data record starts with.
constexpr std::size_t kNameAt = 0;
constexpr std::size_t kNameLength = 40;
constexpr std::size_t kStatusAt = 40;
constexpr std::size_t kFocalAt = 42;
constexpr std::size_t kClearRadiusAt = 46;
constexpr std::size_t kDescriptionAt = 50;
constexpr std::size_t kDescriptionLineLength = 50;
constexpr std::size_t kDescriptionLines = 2;
constexpr std::size_t kKindDataAt = 150;
constexpr std::size_t kGlassLength = 8;

// Where a kind's lens data lie after the common part.
struct KindLayout {
    std::string_view file;
    std::size_t recordLength;
    bool hasForm;  // an int16 before the glasses
    std::size_t glasses;
    std::size_t radii;
    std::size_t thicknesses;
    bool hasLength;
};

constexpr std::array<KindLayout, 5> kLayouts = {{
    {"SH_L1.dat", 177, true, 1, 2, 1, false},
    {"SH_L2.dat", 205, false, 2, 3, 2, false},
    {"SH_L2a.dat", 235, false, 2, 4, 3, false},
    {"SH_L3.dat", 235, false, 3, 6, 5, false},
    {"SH_C1.dat", 199, false, 1, 2, 1, true},
}};

// Glass names that catalogues have since renamed.
struct GlassRename {
    std::string_view oldName;  // upper case
    std::string_view newName;
};
constexpr GlassRename kGlassRenames[] = {{"SF56", "SF56A"}};

constexpr std::string_view kObsoleteMark = " ... OBSOLET";
constexpr std::string_view kFocalMark = "F =";

const KindLayout& Layout(SampleKind kind) {
    return kLayouts[static_cast<std::size_t>(kind) - 1];
}

bool IsSampleKind(int kind) {
    return kind >= 1 && kind <= static_cast<int>(kLayouts.size());
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::int32_t ReadInt(std::string_view bytes, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    }
    if (size == 2) {
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    }
    return static_cast<std::int32_t>(value);
}

float ReadFloat(std::string_view bytes, std::size_t at) {
    const auto bits = static_cast<std::uint32_t>(ReadInt(bytes, at, 4));
    float value = 0.0f;
    static_assert(sizeof value == sizeof bits);
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string ReadText(std::string_view bytes, std::size_t at, std::size_t length) {
    std::string raw(bytes.substr(at, length));
    for (char& c : raw) {
        c = c == '\0' ? ' ' : c;
    }
    return Windows1252ToUtf8(Trimmed(raw));
}

std::string ReadGlass(std::string_view bytes, std::size_t at) {
    std::string glass = ReadText(bytes, at, kGlassLength);
    std::string upper = glass;
    for (char& c : upper) {
        c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    for (const GlassRename& rename : kGlassRenames) {
        if (upper == rename.oldName) {
            return std::string(rename.newName);
        }
    }
    return glass;
}

void PutInt(std::string& record, std::size_t at, std::int32_t value, std::size_t size) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < size; ++i) {
        record[at + i] = static_cast<char>((bits >> (8 * i)) & 0xFFu);
    }
}

void PutFloat(std::string& record, std::size_t at, float value, std::string_view what) {
    if (!std::isfinite(value)) {
        throw std::invalid_argument(std::string(what) + ": keine endliche Zahl");
    }
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    PutInt(record, at, static_cast<std::int32_t>(bits), 4);
}

// UTF-8 back to the Windows-1252 byte of each character; control characters are refused, so
// that a text stays on its one line of a listing or label.
std::string ToWindows1252(std::string_view utf8, std::string_view what) {
    if (!IsValidUtf8(utf8)) {
        throw std::invalid_argument(std::string(what) + ": kein gültiges UTF-8");
    }
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::string_view character = utf8.substr(i, length);
        i += length;
        if (length == 1 && lead >= 0x20 && lead != 0x7F) {
            out += character;
            continue;
        }
        // C1 controls (U+0080..U+009F) are refused with the other controls; the bytes
        // 0x80..0x9F hold typographic characters instead.
        const bool c1Control =
            length == 2 && lead == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0;
        int found = -1;
        for (int b = 0x80; b <= 0xFF && found < 0 && !c1Control; ++b) {
            if (Windows1252ToUtf8(std::string(1, static_cast<char>(b))) == character) {
                found = b;
            }
        }
        if (found < 0) {
            throw std::invalid_argument(std::string(what) + ": Zeichen \"" +
                                        std::string(character) + "\" nicht in Windows-1252");
        }
        out += static_cast<char>(found);
    }
    return out;
}

void PutText(std::string& record, std::size_t at, std::size_t length, std::string_view utf8,
             std::string_view what) {
    const std::string bytes = ToWindows1252(utf8, what);
    if (bytes.size() > length) {
        throw std::invalid_argument(std::string(what) + " \"" + std::string(utf8) +
                                    "\" ist länger als " + std::to_string(length) + " Zeichen");
    }
    record.replace(at, bytes.size(), bytes);
    record.replace(at + bytes.size(), length - bytes.size(), length - bytes.size(), ' ');
}

void CheckCount(std::size_t count, std::size_t room, std::string_view what) {
    if (count > room) {
        throw std::invalid_argument(std::to_string(count) + " " + std::string(what) +
                                    ", Platz für " + std::to_string(room));
    }
}

std::optional<std::string> ReadFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

void WriteFile(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    if (!out) {
        throw std::runtime_error(file.string() + " konnte nicht geschrieben werden");
    }
}

}  // namespace

std::string_view SampleFileName(SampleKind kind) {
    return Layout(kind).file;
}

std::size_t SampleRecordLength(SampleKind kind) {
    return Layout(kind).recordLength;
}

std::size_t SampleGlassCount(SampleKind kind) {
    return Layout(kind).glasses;
}

std::size_t SampleRadiusCount(SampleKind kind) {
    return Layout(kind).radii;
}

std::size_t SampleThicknessCount(SampleKind kind) {
    return Layout(kind).thicknesses;
}

std::string_view SampleFamilyName(SampleKind kind, bool bestForm) {
    switch (kind) {
        case SampleKind::kSinglet:
            return bestForm ? "Einzellinse bester Form" : "Einzellinse";
        case SampleKind::kAchromat:
            return "Achromat";
        case SampleKind::kAirSpacedAchromat:
            return "Achromat [Luftspalt]";
        case SampleKind::kTriplet:
            return "Triplet";
        case SampleKind::kCylinder:
            break;
    }
    return "Zylinder";
}

std::string SampleDisplayName(std::string_view storedName, bool available) {
    std::string_view name = Trimmed(storedName);
    if (const std::size_t mark = name.find(kFocalMark); mark != std::string_view::npos) {
        name = Trimmed(name.substr(0, mark));
    }
    std::string display(name);
    if (!available) {
        display += kObsoleteMark;
    }
    return display;
}

std::string SampleDescription(const SampleSystem& sample) {
    std::string text;
    for (std::size_t i = 0; i < sample.descriptionLines.size(); ++i) {
        if (i > 0) {
            text += "\r\n";
        }
        text += sample.descriptionLines[i];
    }
    return text;
}

SampleData DescribeSample(const SampleSystem& sample, char decimalSep) {
    SampleData data;
    data.text = sample.familyName + ": " + sample.displayName + "\n";
    const double f = std::fabs(static_cast<double>(sample.focalLength));
    const double r = static_cast<double>(sample.clearRadius);
    data.text +=
        "f' = " + Format(static_cast<double>(sample.focalLength), "0.0#", decimalSep) + "mm";
    if (f > 0.0 && r > 0.0) {
        data.na = r / f;
        data.text += "   F/" + Format(f / (2.0 * r), "0.0#", decimalSep) + "   NA " +
                     Format(*data.na, "0.0##", decimalSep);
    }
    data.text += "\n";
    if (!sample.glasses.empty()) {
        data.text += "Glas: ";
        for (std::size_t i = 0; i < sample.glasses.size(); ++i) {
            data.text += (i > 0 ? ", " : "") + sample.glasses[i];
        }
        data.text += "\n";
    }
    data.text += "Feld: im Katalog nicht angegeben";
    return data;
}

bool DecodeSampleRecord(SampleKind kind, std::string_view record, SampleSystem& sample) {
    const KindLayout& layout = Layout(kind);
    if (record.size() != layout.recordLength) {
        return false;
    }
    SampleSystem s;
    s.kind = kind;
    s.name = ReadText(record, kNameAt, kNameLength);
    s.available = ReadInt(record, kStatusAt, 2) == 0;
    s.focalLength = ReadFloat(record, kFocalAt);
    s.clearRadius = ReadFloat(record, kClearRadiusAt);
    for (std::size_t i = 0; i < kDescriptionLines; ++i) {
        s.descriptionLines.push_back(
            ReadText(record, kDescriptionAt + i * kDescriptionLineLength, kDescriptionLineLength));
    }
    while (!s.descriptionLines.empty() && s.descriptionLines.back().empty()) {
        s.descriptionLines.pop_back();
    }

    std::size_t at = kKindDataAt;
    if (layout.hasForm) {
        s.bestForm = ReadInt(record, at, 2) == 1;
        at += 2;
    }
    for (std::size_t i = 0; i < layout.glasses; ++i, at += kGlassLength) {
        s.glasses.push_back(ReadGlass(record, at));
    }
    std::vector<float> numbers{s.focalLength, s.clearRadius};
    for (std::size_t i = 0; i < layout.radii; ++i, at += 4) {
        s.radii.push_back(ReadFloat(record, at));
    }
    for (std::size_t i = 0; i < layout.thicknesses; ++i, at += 4) {
        s.thicknesses.push_back(ReadFloat(record, at));
    }
    if (layout.hasLength) {
        s.length = ReadFloat(record, at);
    }
    numbers.insert(numbers.end(), s.radii.begin(), s.radii.end());
    numbers.insert(numbers.end(), s.thicknesses.begin(), s.thicknesses.end());
    numbers.push_back(s.length);
    for (const float x : numbers) {
        if (!std::isfinite(x)) {
            return false;
        }
    }

    s.displayName = SampleDisplayName(s.name, s.available);
    s.familyName = std::string(SampleFamilyName(kind, s.bestForm));
    sample = std::move(s);
    return true;
}

std::vector<SampleSystem> ReadSampleSystems(const std::filesystem::path& directory) {
    std::vector<SampleSystem> samples;
    const std::optional<std::string> index = ReadFile(directory / kSampleIndexFile);
    if (!index) {
        return samples;
    }
    struct DataFile {
        bool read = false;
        std::string bytes;
        std::size_t next = 0;  // offset of the next record
    };
    std::array<DataFile, kLayouts.size()> files;

    const std::string_view entries(*index);
    for (std::size_t at = 0; at + kSampleIndexRecordLength <= entries.size();
         at += kSampleIndexRecordLength) {
        const int kindNumber = ReadInt(entries, at, 2);
        if (!IsSampleKind(kindNumber)) {
            continue;  // the placeholder kind and anything unknown
        }
        const auto kind = static_cast<SampleKind>(kindNumber);
        DataFile& file = files[static_cast<std::size_t>(kindNumber) - 1];
        if (!file.read) {
            file.bytes = ReadFile(directory / SampleFileName(kind)).value_or(std::string());
            file.read = true;
        }
        const std::size_t length = SampleRecordLength(kind);
        if (file.next + length > file.bytes.size()) {
            continue;
        }
        const std::string_view record = std::string_view(file.bytes).substr(file.next, length);
        file.next += length;
        SampleSystem sample;
        if (DecodeSampleRecord(kind, record, sample)) {
            samples.push_back(std::move(sample));
        }
    }
    return samples;
}

std::string EncodeSampleRecord(const SampleSystem& sample) {
    const int kindNumber = static_cast<int>(sample.kind);
    if (!IsSampleKind(kindNumber)) {
        throw std::invalid_argument("unbekannte Art " + std::to_string(kindNumber));
    }
    const KindLayout& layout = Layout(sample.kind);
    CheckCount(sample.descriptionLines.size(), kDescriptionLines, "Beschreibungszeilen");
    CheckCount(sample.glasses.size(), layout.glasses, "Gläser");
    CheckCount(sample.radii.size(), layout.radii, "Radien");
    CheckCount(sample.thicknesses.size(), layout.thicknesses, "Dicken");
    if (!layout.hasLength && sample.length != 0.0f) {
        throw std::invalid_argument("Länge nur bei Zylinderlinsen");
    }

    std::string record(layout.recordLength, '\0');
    PutText(record, kNameAt, kNameLength, sample.name, "Name");
    PutInt(record, kStatusAt, sample.available ? 0 : 1, 2);
    PutFloat(record, kFocalAt, sample.focalLength, "Brennweite");
    PutFloat(record, kClearRadiusAt, sample.clearRadius, "freier Radius");
    for (std::size_t i = 0; i < kDescriptionLines; ++i) {
        const std::string_view line =
            i < sample.descriptionLines.size() ? sample.descriptionLines[i] : std::string_view();
        PutText(record, kDescriptionAt + i * kDescriptionLineLength, kDescriptionLineLength, line,
                "Beschreibung");
    }

    std::size_t at = kKindDataAt;
    if (layout.hasForm) {
        PutInt(record, at, sample.bestForm ? 1 : 0, 2);
        at += 2;
    }
    for (std::size_t i = 0; i < layout.glasses; ++i, at += kGlassLength) {
        const std::string_view glass =
            i < sample.glasses.size() ? sample.glasses[i] : std::string_view();
        PutText(record, at, kGlassLength, glass, "Glas");
    }
    for (std::size_t i = 0; i < layout.radii; ++i, at += 4) {
        PutFloat(record, at, i < sample.radii.size() ? sample.radii[i] : 0.0f, "Radius");
    }
    for (std::size_t i = 0; i < layout.thicknesses; ++i, at += 4) {
        PutFloat(record, at, i < sample.thicknesses.size() ? sample.thicknesses[i] : 0.0f, "Dicke");
    }
    if (layout.hasLength) {
        PutFloat(record, at, sample.length, "Länge");
    }
    return record;
}

std::string EncodeSampleIndexRecord(int kind, std::int32_t recordNumber) {
    std::string record(kSampleIndexRecordLength, '\0');
    PutInt(record, 0, kind, 2);
    PutInt(record, 2, recordNumber, 4);
    return record;
}

std::vector<SampleFile> EncodeSampleFiles(const std::vector<SampleSystem>& samples) {
    std::vector<SampleFile> files{{std::string(kSampleIndexFile), {}}};
    for (const KindLayout& layout : kLayouts) {
        files.push_back({std::string(layout.file), {}});
    }
    std::array<std::int32_t, kLayouts.size()> counts{};
    for (const SampleSystem& sample : samples) {
        const std::string record = EncodeSampleRecord(sample);
        const auto slot = static_cast<std::size_t>(sample.kind) - 1;
        files[slot + 1].bytes += record;
        files[0].bytes += EncodeSampleIndexRecord(static_cast<int>(sample.kind), ++counts[slot]);
    }
    return files;
}

void WriteSampleSystems(const std::filesystem::path& directory,
                        const std::vector<SampleSystem>& samples) {
    for (const SampleFile& file : EncodeSampleFiles(samples)) {
        WriteFile(directory / file.name, file.bytes);
    }
}

}  // namespace lumarik
