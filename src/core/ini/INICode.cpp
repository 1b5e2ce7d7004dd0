#include "core/ini/INICode.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <random>
#include <system_error>
#include <utility>

#include "core/ini/IniValues.h"

// The atomic save uses POSIX calls (open with O_EXCL, fsync, rename over the target), which
// the standard library does not offer.

namespace lumarik {

namespace fs = std::filesystem;

namespace {

// The reasons a save reports; the caller puts them after
// "Die Einstellungen konnten nicht gespeichert werden: ".
namespace text {
constexpr std::string_view kNotAFile = " ist keine Datei";
constexpr std::string_view kCannotRead = " kann nicht gelesen werden";
constexpr std::string_view kFolder = "der Ordner ";
constexpr std::string_view kCannotCreateFolder = " kann nicht angelegt werden";
constexpr std::string_view kInFolder = "im Ordner ";
constexpr std::string_view kCannotCreateFile = " kann keine Datei angelegt werden";
constexpr std::string_view kCannotWrite = " kann nicht geschrieben werden";
constexpr std::string_view kCannotReplace = " kann nicht ersetzt werden";
constexpr std::string_view kBadName = "ungültiger Abschnitt oder Schlüssel ";
}  // namespace text

std::string Quoted(std::string_view name) {
    return "„" + std::string(name) + "“";
}

std::string Reason(std::string message, int error) {
    return message + " (" + std::generic_category().message(error) + ")";
}

// Reads the whole file. Returns 0, ENOENT for a missing file, or the error that stopped it;
// a path that exists but is no regular file gives EISDIR (for directories) or EINVAL.
int ReadWholeFile(const fs::path& file, std::string& content) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) {
        return errno;
    }
    if (!S_ISREG(info.st_mode)) {
        return S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    }
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    content.clear();
    char buffer[65536];
    int error = 0;
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got > 0) {
            content.append(buffer, static_cast<std::size_t>(got));
        } else if (got == 0) {
            break;
        } else if (errno != EINTR) {
            error = errno;
            break;
        }
    }
    ::close(fd);
    return error;
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (written == 0) {
            errno = EIO;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Creates a new, empty file with a random name next to "target" (hidden, so a file manager
// showing the folder mid-save does not offer it). The mode 0666 is narrowed by the umask as
// for any new file. Returns the descriptor, or -1 with errno set.
int CreateSibling(const fs::path& target, fs::path& created) {
    std::random_device entropy;
    std::uniform_int_distribution<unsigned> pick(0, 0xFFFFFF);
    const fs::path directory = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[8];
        std::snprintf(suffix, sizeof suffix, "%06x", pick(entropy));
        created = directory / ("." + target.filename().string() + ".tmp" + suffix);
        const int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Writes content to a temporary file beside target, flushes it to the disk and renames it over
// target, so that readers and a crash see either the old or the new file, never a part.
SaveResult ReplaceAtomically(const fs::path& target, std::string_view content) {
    const fs::path directory = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::error_code ec;
    if (!fs::exists(directory, ec)) {
        fs::create_directories(directory, ec);
        if (ec) {
            return {false, Reason(std::string(text::kFolder) + Quoted(directory.string()) +
                                      std::string(text::kCannotCreateFolder),
                                  ec.value())};
        }
    }

    fs::path temporary;
    const int fd = CreateSibling(target, temporary);
    if (fd < 0) {
        return {false, Reason(std::string(text::kInFolder) + Quoted(directory.string()) +
                                  std::string(text::kCannotCreateFile),
                              errno)};
    }

    // The new file takes over the permissions of the one it replaces; if that fails it keeps
    // the ordinary ones for a new file, which loses no data.
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        (void)::fchmod(fd, info.st_mode & 07777);
    }

    const auto fail = [&](std::string_view what, const fs::path& name) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return SaveResult{false, Reason(Quoted(name.string()) + std::string(what), error)};
    };
    if (!WriteAll(fd, content) || ::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return fail(text::kCannotWrite, temporary);
    }
    if (::close(fd) != 0) {
        return fail(text::kCannotWrite, temporary);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        return fail(text::kCannotReplace, target);
    }

    // Makes the rename itself durable. The new file is in place already, so a file system
    // that cannot sync a directory does not make the save a failure.
    const int directoryFd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directoryFd >= 0) {
        (void)::fsync(directoryFd);
        ::close(directoryFd);
    }
    return {true, {}};
}

// Saving through a symbolic link replaces the file it points to, not the link.
fs::path SaveTarget(const fs::path& file) {
    std::error_code ec;
    if (fs::is_symlink(file, ec)) {
        fs::path resolved = fs::weakly_canonical(file, ec);
        if (!ec) {
            return resolved;
        }
    }
    return file;
}

std::string CutCodePoints(std::string_view text, std::size_t maxCodePoints) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCodePoint = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCodePoint && ++count > maxCodePoints) {
            return std::string(text.substr(0, i));
        }
    }
    return std::string(text);
}

}  // namespace

std::string ReadProfileString(const IniDocument& document, std::string_view section,
                              std::string_view key, std::string_view defaultValue) {
    if (const std::optional<std::string> raw = document.Get(section, key)) {
        std::string value = CutCodePoints(*raw, kMaxProfileString);
        for (char& c : value) {
            if (c == '\0') {
                c = ' ';
            }
        }
        const std::string_view trimmed = TrimBlanks(value);
        if (!trimmed.empty()) {
            return std::string(trimmed);
        }
    }
    return CutCodePoints(defaultValue, kMaxProfileString);
}

int ReadProfileInt(const IniDocument& document, std::string_view section, std::string_view key) {
    const std::optional<std::string> raw = document.Get(section, key);
    return raw ? IniInt(*raw) : 0;
}

INICode::INICode(fs::path file) : m_file(std::move(file)) {}

IniDocument INICode::Load() const {
    std::string content;
    if (ReadWholeFile(m_file, content) != 0) {
        return {};
    }
    return IniDocument::Parse(content);
}

std::string INICode::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    return ReadProfileString(Load(), section, key, defaultValue);
}

int INICode::ReadInt(std::string_view section, std::string_view key) const {
    return ReadProfileInt(Load(), section, key);
}

SaveResult INICode::WriteString(std::string_view section, std::string_view key,
                                std::string_view value) const {
    return WriteStrings({IniEntry{std::string(section), std::string(key), std::string(value)}});
}

SaveResult INICode::WriteStrings(const std::vector<IniEntry>& entries) const {
    const fs::path target = SaveTarget(m_file);

    // A file that exists but cannot be read must not be replaced by one holding only the new
    // keys: that would silently throw away all the other settings.
    std::string content;
    const int readError = ReadWholeFile(target, content);
    if (readError == EISDIR || readError == EINVAL) {
        return {false, Quoted(target.string()) + std::string(text::kNotAFile)};
    }
    if (readError != 0 && readError != ENOENT && readError != ENOTDIR) {
        return {false, Reason(Quoted(target.string()) + std::string(text::kCannotRead), readError)};
    }

    IniDocument document = IniDocument::Parse(content);
    for (const IniEntry& entry : entries) {
        if (!document.Set(entry.section, entry.key, entry.value)) {
            return {false,
                    std::string(text::kBadName) + Quoted(entry.section) + "/" + Quoted(entry.key)};
        }
    }
    return ReplaceAtomically(target, document.Serialize());
}

bool IsDirectoryWritable(const fs::path& directory) {
    std::error_code ec;
    if (!fs::is_directory(directory, ec)) {
        return false;
    }
    fs::path probe;
    const int fd = CreateSibling(directory / "Lumarik.probe", probe);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

}  // namespace lumarik
