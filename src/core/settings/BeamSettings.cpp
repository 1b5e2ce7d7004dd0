#include "core/settings/BeamSettings.h"

#include <cctype>
#include <optional>
#include <string>

#include "core/format/Format.h"
#include "core/ini/IniValues.h"
#include "core/settings/RecordText.h"

namespace lumarik {

namespace {

constexpr std::string_view kSelectionSection = "LastValues";
constexpr std::string_view kCountKey = "VarTypeGBNos";
constexpr std::string_view kRecordKeySuffix = "VarTypeGBVal";

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

const std::string* FindEntry(const std::vector<IniEntry>& entries, std::string_view key) {
    for (const IniEntry& e : entries) {
        if (SameText(e.section, kSelectionSection) && SameText(e.key, key)) return &e.value;
    }
    return nullptr;
}

std::string RecordKey(int i) {
    return std::to_string(i) + std::string(kRecordKeySuffix);
}

}  // namespace

std::vector<IniEntry> SaveBeamSelection(const GaussianBeam& beam) {
    const VarCollection& list = beam.Selection(0);
    std::vector<IniEntry> entries;
    const std::string section(kSelectionSection);
    entries.push_back({section, std::string(kCountKey), Format(list.Count(), "0")});
    for (int i = 1; i <= list.Count(); ++i) {
        entries.push_back({section, RecordKey(i), RecordText(list.Item(i))});
    }
    return entries;
}

void LoadBeamSelection(GaussianBeam& beam, const std::vector<IniEntry>& entries) {
    const std::string* countText = FindEntry(entries, kCountKey);
    const int count = countText != nullptr ? IniInt(*countText) : 0;
    if (count < 1) return;
    VarCollection& list = beam.Selection(0);
    list.Clear();
    for (int i = 1; i <= count && i <= kMaxBeamSelected; ++i) {
        const std::string* text = FindEntry(entries, RecordKey(i));
        if (text == nullptr) continue;
        const std::optional<CVarType> record = ParseRecord(*text);
        if (!record || record->nVarType < 0 || record->nVarType >= kBeamSelectableCount ||
            list.Contains(record->nVarType)) {
            continue;
        }
        if (list.Add(*record)) beam.CheckBeamSelection(0, record->nVarType);
    }
}

void LoadBeamSelection(GaussianBeam& beam, const INICode& ini) {
    const std::string section(kSelectionSection);
    std::vector<IniEntry> entries;
    entries.push_back({section, std::string(kCountKey), ini.ReadString(section, kCountKey, "")});
    for (int i = 1; i <= kMaxBeamSelected; ++i) {
        entries.push_back({section, RecordKey(i), ini.ReadString(section, RecordKey(i), "")});
    }
    LoadBeamSelection(beam, entries);
}

}  // namespace lumarik
