// An INI settings file held in memory with Windows profile semantics. Every line that is not
// changed (comments, blank lines, foreign sections and keys, stray text) is written back
// verbatim, so hand edits survive a save.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumarik {

// Removes blanks (space, tab, CR, form feed, vertical tab) at both ends, as the profile
// reader trims names and values.
std::string_view TrimBlanks(std::string_view text);
// Names of sections and keys compare with ASCII letters folded to lower case.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Reading rules:
// - A line whose text, trimmed of blanks, starts with '[' and holds a ']' opens a section;
//   its name is the text between them, trimmed. A '[' line without ']' is stray text.
// - Inside a section, a line with '=' is a key: the name is the text before the first '=',
//   trimmed, the value the text after it, trimmed. Lines starting with ';' or '#', lines
//   without '=', lines with an empty name and lines before the first section are kept but
//   never found.
// - Names compare case-insensitively (ASCII letters). A section may appear more than once;
//   its blocks are searched in file order and the first occurrence of a key wins.
// - Lines end in LF or CR LF; both are read. Serialize writes LF and UTF-8 without a byte
//   order mark, whatever the file used before.
class IniDocument {
public:
    // Never fails: the bytes may be any text or binary garbage. They are decoded as described
    // for DecodeSettingsText (UTF-8, or Windows-1252 for files of older installations).
    static IniDocument Parse(std::string_view bytes);

    // The trimmed value of the first occurrence of the key, or nothing when the section or
    // the key is missing.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // Replaces the value of the key where it stands (the key keeps its spelling), or adds
    // "key=value" after the last key of the section's first block, or adds the section at
    // the end of the file. Line breaks in the value become blanks and ill-formed UTF-8
    // becomes U+FFFD, so a value can never add lines or spoil the file's encoding.
    // Returns false, changing nothing, for a name the reading rules could not find again:
    // an empty one, one with a line break or ill-formed UTF-8, a section name with ']', a
    // key with '=' or starting with ';', '#' or '['.
    bool Set(std::string_view section, std::string_view key, std::string_view value);

    std::string Serialize() const;

private:
    enum class LineKind { kOther, kSection, kKey };

    struct Line {
        std::string text;
        LineKind kind = LineKind::kOther;
        std::string name;  // section or key name, trimmed; empty for other lines
    };

    static Line ClassifyLine(std::string text, bool inSection);
    std::optional<std::size_t> FindKey(std::string_view section, std::string_view key) const;

    std::vector<Line> m_lines;
};

}  // namespace lumarik
