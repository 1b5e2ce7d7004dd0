#include "core/ini/INICode.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <random>
#include <system_error>
#include <utility>

#include "core/ini/IniValues.h"

// The atomic save needs calls the standard library does not offer (create a file only if it
// is new, flush it to the disk, put it over another in one step); each platform gives them
// below under the same names.

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
constexpr std::string_view kInMemory = "keine Datei angegeben";
}  // namespace text

std::string QuotedPath(const fs::path& name) {
    return "„" + name.u8string() + "“";
}

std::string Quoted(std::string_view name) {
    return "„" + std::string(name) + "“";
}

std::string Reason(std::string message, std::error_code error) {
    return message + " (" + error.message() + ")";
}

#ifdef _WIN32

using FileHandle = HANDLE;
const FileHandle kNoFile = INVALID_HANDLE_VALUE;

// The last error as a portable condition where the code tests it or a user commonly meets it:
// the library's own text for a Windows code differs between compilers.
std::error_code LastError() {
    const DWORD code = ::GetLastError();
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return std::make_error_code(std::errc::no_such_file_or_directory);
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return std::make_error_code(std::errc::file_exists);
        case ERROR_ACCESS_DENIED:
            return std::make_error_code(std::errc::permission_denied);
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return std::make_error_code(std::errc::device_or_resource_busy);
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return std::make_error_code(std::errc::no_space_on_device);
        case ERROR_WRITE_PROTECT:
            return std::make_error_code(std::errc::read_only_file_system);
        default:
            return {static_cast<int>(code), std::system_category()};
    }
}

// Others may read, write or replace the file while it is open, as on POSIX.
FileHandle OpenForReading(const fs::path& file, std::error_code& error) {
    const HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == kNoFile) {
        error = LastError();
    }
    return handle;
}

FileHandle CreateNewFile(const fs::path& file, std::error_code& error) {
    const HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == kNoFile) {
        error = LastError();
    }
    return handle;
}

// Reads up to size bytes into buffer; got is 0 at the end of the file.
bool ReadSome(FileHandle file, char* buffer, std::size_t size, std::size_t& got,
              std::error_code& error) {
    DWORD read = 0;
    if (!::ReadFile(file, buffer, static_cast<DWORD>(size), &read, nullptr)) {
        error = LastError();
        return false;
    }
    got = read;
    return true;
}

bool WriteAll(FileHandle file, std::string_view data, std::error_code& error) {
    constexpr std::size_t kMaxChunk = 1U << 30;
    while (!data.empty()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min(data.size(), kMaxChunk));
        if (!::WriteFile(file, data.data(), chunk, &written, nullptr)) {
            error = LastError();
            return false;
        }
        data.remove_prefix(written);
    }
    return true;
}

bool FlushToDisk(FileHandle file, std::error_code& error) {
    if (!::FlushFileBuffers(file)) {
        error = LastError();
        return false;
    }
    return true;
}

bool CloseFile(FileHandle file, std::error_code& error) {
    if (!::CloseHandle(file)) {
        error = LastError();
        return false;
    }
    return true;
}

void RemoveFile(const fs::path& file) {
    (void)::DeleteFileW(file.c_str());
}

// With write-through the call returns only when the new name is on the disk.
bool MoveOver(const fs::path& from, const fs::path& to, std::error_code& error) {
    if (!::MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = LastError();
        return false;
    }
    return true;
}

// The new file has the access rights the folder gives a new file, as the old one had.
void TakeOverPermissions(FileHandle, const fs::path&) {}

// MoveOver has written the folder through already.
void SyncFolder(const fs::path&) {}

#else

using FileHandle = int;
constexpr FileHandle kNoFile = -1;

std::error_code LastError() {
    return {errno, std::generic_category()};
}

FileHandle OpenForReading(const fs::path& file, std::error_code& error) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = LastError();
    }
    return fd;
}

// The mode 0666 is narrowed by the umask as for any new file.
FileHandle CreateNewFile(const fs::path& file, std::error_code& error) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = LastError();
    }
    return fd;
}

// Reads up to size bytes into buffer; got is 0 at the end of the file.
bool ReadSome(FileHandle file, char* buffer, std::size_t size, std::size_t& got,
              std::error_code& error) {
    for (;;) {
        const ssize_t read = ::read(file, buffer, size);
        if (read >= 0) {
            got = static_cast<std::size_t>(read);
            return true;
        }
        if (errno != EINTR) {
            error = LastError();
            return false;
        }
    }
}

bool WriteAll(FileHandle file, std::string_view data, std::error_code& error) {
    while (!data.empty()) {
        const ssize_t written = ::write(file, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = LastError();
            return false;
        }
        if (written == 0) {
            error = std::make_error_code(std::errc::io_error);
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool FlushToDisk(FileHandle file, std::error_code& error) {
    if (::fsync(file) != 0) {
        error = LastError();
        return false;
    }
    return true;
}

bool CloseFile(FileHandle file, std::error_code& error) {
    if (::close(file) != 0) {
        error = LastError();
        return false;
    }
    return true;
}

void RemoveFile(const fs::path& file) {
    ::unlink(file.c_str());
}

bool MoveOver(const fs::path& from, const fs::path& to, std::error_code& error) {
    if (::rename(from.c_str(), to.c_str()) != 0) {
        error = LastError();
        return false;
    }
    return true;
}

// The new file takes over the permissions of the one it replaces; if that fails it keeps
// the ordinary ones for a new file, which loses no data.
void TakeOverPermissions(FileHandle file, const fs::path& from) {
    struct stat info {};
    if (::stat(from.c_str(), &info) == 0) {
        (void)::fchmod(file, info.st_mode & 07777);
    }
}

// Makes a rename in the folder durable. The new file is in place already, so a file system
// that cannot sync a directory does not make the save a failure.
void SyncFolder(const fs::path& directory) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

#endif

// Reads the whole file. A missing file (or one below a path that is no folder) gives
// errc::no_such_file_or_directory; a path that exists but is no regular file gives
// errc::is_a_directory (for directories) or errc::invalid_argument.
std::error_code ReadWholeFile(const fs::path& file, std::string& content) {
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (status.type() == fs::file_type::not_found) {
        return std::make_error_code(std::errc::no_such_file_or_directory);
    }
    if (error) {
        return error;
    }
    if (status.type() != fs::file_type::regular) {
        return std::make_error_code(status.type() == fs::file_type::directory
                                        ? std::errc::is_a_directory
                                        : std::errc::invalid_argument);
    }
    const FileHandle handle = OpenForReading(file, error);
    if (handle == kNoFile) {
        return error;
    }
    content.clear();
    char buffer[65536];
    std::size_t got = 0;
    while (ReadSome(handle, buffer, sizeof buffer, got, error) && got > 0) {
        content.append(buffer, got);
    }
    std::error_code ignored;
    CloseFile(handle, ignored);
    return error;
}

// Creates a new, empty file with a random name next to "target" (hidden on POSIX, so a file
// manager showing the folder mid-save does not offer it). Returns kNoFile with error set when
// it cannot.
FileHandle CreateSibling(const fs::path& target, fs::path& created, std::error_code& error) {
    std::random_device entropy;
    std::uniform_int_distribution<unsigned> pick(0, 0xFFFFFF);
    const fs::path directory = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[8];
        std::snprintf(suffix, sizeof suffix, "%06x", pick(entropy));
        fs::path name(".");
        name += target.filename();
        name += ".tmp";
        name += suffix;
        created = directory / name;
        const FileHandle file = CreateNewFile(created, error);
        if (file != kNoFile || error != std::errc::file_exists) {
            return file;
        }
    }
    return kNoFile;
}

// Writes content to a temporary file beside target, flushes it to the disk and puts it over
// target, so that readers and a crash see either the old or the new file, never a part.
SaveResult ReplaceAtomically(const fs::path& target, std::string_view content) {
    const fs::path directory = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::error_code error;
    if (!fs::exists(directory, error)) {
        fs::create_directories(directory, error);
        if (error) {
            return {false, Reason(std::string(text::kFolder) + QuotedPath(directory) +
                                      std::string(text::kCannotCreateFolder),
                                  error)};
        }
    }

    fs::path temporary;
    const FileHandle file = CreateSibling(target, temporary, error);
    if (file == kNoFile) {
        return {false, Reason(std::string(text::kInFolder) + QuotedPath(directory) +
                                  std::string(text::kCannotCreateFile),
                              error)};
    }
    TakeOverPermissions(file, target);

    const auto fail = [&](std::string_view what, const fs::path& name) {
        RemoveFile(temporary);
        return SaveResult{false, Reason(QuotedPath(name) + std::string(what), error)};
    };
    if (!WriteAll(file, content, error) || !FlushToDisk(file, error)) {
        std::error_code ignored;
        CloseFile(file, ignored);
        return fail(text::kCannotWrite, temporary);
    }
    if (!CloseFile(file, error)) {
        return fail(text::kCannotWrite, temporary);
    }
    if (!MoveOver(temporary, target, error)) {
        return fail(text::kCannotReplace, target);
    }
    SyncFolder(directory);
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

INICode::INICode(IniDocument document) : m_document(std::move(document)) {}

IniDocument INICode::Load() const {
    if (m_document) {
        return *m_document;
    }
    std::string content;
    if (ReadWholeFile(m_file, content)) {
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
    if (m_document) {
        return {false, std::string(text::kInMemory)};
    }
    const fs::path target = SaveTarget(m_file);

    // A file that exists but cannot be read must not be replaced by one holding only the new
    // keys: that would silently throw away all the other settings.
    std::string content;
    const std::error_code readError = ReadWholeFile(target, content);
    if (readError == std::errc::is_a_directory || readError == std::errc::invalid_argument) {
        return {false, QuotedPath(target) + std::string(text::kNotAFile)};
    }
    if (readError && readError != std::errc::no_such_file_or_directory) {
        return {false, Reason(QuotedPath(target) + std::string(text::kCannotRead), readError)};
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

SaveResult ReplaceFile(const fs::path& file, std::string_view content) {
    const fs::path target = SaveTarget(file);
    std::error_code error;
    if (fs::is_directory(target, error)) {
        return {false, QuotedPath(target) + std::string(text::kNotAFile)};
    }
    return ReplaceAtomically(target, content);
}

bool IsDirectoryWritable(const fs::path& directory) {
    std::error_code ec;
    if (!fs::is_directory(directory, ec)) {
        return false;
    }
    fs::path probe;
    const FileHandle file = CreateSibling(directory / "Lumarik.probe", probe, ec);
    if (file == kNoFile) {
        return false;
    }
    CloseFile(file, ec);
    RemoveFile(probe);
    return true;
}

}  // namespace lumarik
