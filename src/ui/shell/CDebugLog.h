// Appends diagnostic lines to "Debug.Log" for the developers; failures to
// write it are not reported.
#pragma once

#include <QString>

namespace lumarik {

class CDebugLog {
public:
    // The log lives in `directory` (the directory of the settings file).
    explicit CDebugLog(const QString& directory);

    void LogClear();
    // Appends the text as one quoted line.
    void WriteToLog(const QString& text);

    QString FilePath() const { return m_path; }

private:
    QString m_path;
};

}  // namespace lumarik
