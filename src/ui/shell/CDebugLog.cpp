#include "ui/shell/CDebugLog.h"

#include <QDir>
#include <QFile>

namespace lumarik {

CDebugLog::CDebugLog(const QString& directory)
    : m_path(QDir(directory).filePath(QStringLiteral("Debug.Log"))) {}

void CDebugLog::LogClear() {
    QFile::remove(m_path);
}

void CDebugLog::WriteToLog(const QString& text) {
    QFile file(m_path);
    if (!file.open(QIODevice::Append | QIODevice::Text)) return;
    file.write('"' + text.toUtf8() + "\"\n");
}

}  // namespace lumarik
