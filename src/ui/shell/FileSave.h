// Writing a file the user named: the name as the file system spells it, and a save that
// replaces the file whole or not at all and tells the user when it failed.
#pragma once

#include <QString>
#include <filesystem>
#include <string_view>

namespace lumarik {

class Prompter;

std::filesystem::path NativePath(const QString& path);

// True when the file was written; otherwise `failedText` followed by the reason is shown.
bool SaveOrTell(Prompter& prompter, const QString& path, std::string_view bytes,
                const QString& failedText);

}  // namespace lumarik
