// INICode reads and writes the program's settings file. Every call goes to the file (nothing
// is cached, the user may edit it by hand); a save rewrites the whole file atomically and
// keeps every section, key and comment it does not change.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ini/IniDocument.h"

namespace lumarik {

struct IniEntry {
    std::string section;
    std::string key;
    std::string value;
};

// error is a German reason fit to follow "Die Einstellungen konnten nicht gespeichert
// werden: ", ending with the system's own wording in brackets where there is one.
struct SaveResult {
    bool ok = false;
    std::string error;
};

// The longest string a read returns, in code points (the profile reader's buffer of 200
// characters including its terminator).
constexpr std::size_t kMaxProfileString = 199;

// The value as a profile string: trimmed, cut to kMaxProfileString code points (never inside
// a UTF-8 sequence), NUL characters turned into blanks and trimmed again. A missing key or
// a value that ends up empty gives defaultValue, itself cut to kMaxProfileString.
std::string ReadProfileString(const IniDocument& document, std::string_view section,
                              std::string_view key, std::string_view defaultValue);
// The value read by IniInt; 0 when the key is missing.
int ReadProfileInt(const IniDocument& document, std::string_view section, std::string_view key);

class INICode {
public:
    explicit INICode(std::filesystem::path file);
    // Reads from `document` instead of a file, so that a file checked once is read as it was
    // checked; writes go nowhere and fail.
    explicit INICode(IniDocument document);

    const std::filesystem::path& FilePath() const { return m_file; }

    // A missing or unreadable file reads as a file without keys.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    int ReadInt(std::string_view section, std::string_view key) const;

    // Creates the file (and its directory) when missing. On failure the file is left as it
    // was and no temporary file stays behind.
    SaveResult WriteString(std::string_view section, std::string_view key,
                           std::string_view value) const;
    // Applies all entries in order and saves once, so the file holds either all of them or,
    // after a failure, none.
    SaveResult WriteStrings(const std::vector<IniEntry>& entries) const;

private:
    IniDocument Load() const;

    std::filesystem::path m_file;
    std::optional<IniDocument> m_document;
};

// Replaces the whole file with `content` atomically (a save through a symbolic link replaces
// the file it points to); error as for SaveResult.
SaveResult ReplaceFile(const std::filesystem::path& file, std::string_view content);

// True when a file can be created in the directory, found by creating and removing a probe
// file: permission bits alone do not tell (administrator rights, ACLs, read-only mounts).
bool IsDirectoryWritable(const std::filesystem::path& directory);

}  // namespace lumarik
