#include "ui/shell/FileSave.h"

#include <QFile>

#include "core/ini/INICode.h"
#include "ui/shell/Prompter.h"

namespace lumarik {

std::filesystem::path NativePath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

bool SaveOrTell(Prompter& prompter, const QString& path, std::string_view bytes,
                const QString& failedText) {
    const SaveResult saved = ReplaceFile(NativePath(path), bytes);
    if (!saved.ok) {
        prompter.Message(failedText + QString::fromStdString(saved.error), PromptIcon::Exclamation);
    }
    return saved.ok;
}

}  // namespace lumarik
