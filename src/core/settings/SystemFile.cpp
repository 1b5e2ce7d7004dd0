#include "core/settings/SystemFile.h"

#include <cctype>
#include <optional>

#include "core/ini/IniDocument.h"
#include "core/ini/IniValues.h"
#include "core/settings/BeamSettings.h"

namespace lumarik {

namespace {

constexpr std::string_view kVersionSection = "LumarikSystem";
constexpr std::string_view kVersionKey = "Version";

// The words IniBool reads as true, or their counterparts for false.
bool IsBooleanWord(std::string_view text) {
    if (IniBool(text)) return true;
    const std::string_view word = TrimBlanks(text);
    for (std::string_view known : {"false", "falsch", "faux"}) {
        if (EqualsIgnoreCase(word, known)) return true;
    }
    return false;
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    return i;
}

// [sign] digits [. digits] [e [sign] digits], with a digit before or after the point, as the
// settings file writes numbers (never a unit, never a comma).
bool IsNumberText(std::string_view text) {
    text = TrimBlanks(text);
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t intStart = i;
    i = SkipDigits(text, i);
    std::size_t digits = i - intStart;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fracStart = ++i;
        i = SkipDigits(text, i);
        digits += i - fracStart;
    }
    if (digits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        const std::size_t expStart = i;
        i = SkipDigits(text, i);
        if (i == expStart) return false;
    }
    return i == text.size();
}

bool SameForm(std::string_view expected, std::string_view actual) {
    const std::vector<std::string> want = SplitText(expected, kFieldSeparator);
    const std::vector<std::string> got = SplitText(actual, kFieldSeparator);
    if (want.size() != got.size()) return false;
    for (std::size_t i = 0; i < want.size(); ++i) {
        const std::string_view w = want[i];
        const std::string_view g = got[i];
        const bool ok = w.empty()                       ? TrimBlanks(g).empty()
                        : (w == "True" || w == "False") ? IsBooleanWord(g)
                                                        : IsNumberText(g);
        if (!ok) return false;
    }
    return true;
}

}  // namespace

std::string SystemFileText(const std::vector<IniEntry>& entries) {
    IniDocument document;
    document.Set(kVersionSection, kVersionKey, std::to_string(kSystemFileVersion));
    for (const IniEntry& entry : entries) document.Set(entry.section, entry.key, entry.value);
    return document.Serialize();
}

SystemFileStatus ParseSystemFile(std::string_view bytes, IniDocument& document) {
    document = IniDocument::Parse(bytes);
    if (TrimBlanks(bytes).empty()) return SystemFileStatus::kDamaged;
    const std::optional<std::string> version = document.Get(kVersionSection, kVersionKey);
    if (!version) return SystemFileStatus::kForeign;
    const std::optional<long long> number = IniInteger(*version);
    if (!number || *number < 1) return SystemFileStatus::kDamaged;
    return *number > kSystemFileVersion ? SystemFileStatus::kNewer : SystemFileStatus::kOk;
}

bool MatchesEntries(const IniDocument& document, const std::vector<IniEntry>& expected) {
    for (const IniEntry& entry : expected) {
        const std::optional<std::string> value = document.Get(entry.section, entry.key);
        // A key added after the first files were written may be missing: it takes its default.
        if (!value && (entry.key == kAltSolutionKey || entry.key == kLensApertureKey ||
                       entry.key == kDetectorApertureKey)) {
            continue;
        }
        if (!value || !SameForm(entry.value, *value)) return false;
    }
    return true;
}

}  // namespace lumarik
