// The program's identity (title, version, directories), the settings-file
// location, window placement and the error report. A user creates a fresh
// instance, calls one operation and drops it; it keeps no state of its own.
#pragma once

#include <QRect>
#include <QString>
#include <QVector>
#include <vector>

#include "core/ini/INICode.h"
#include "ui/shell/AppContext.h"

class QWidget;

namespace lumarik {

// Window geometry is stored in twips: 1 device-independent pixel = 15 twips.
constexpr int kTwipsPerPixel = 15;

// Where a window goes, in twips. `screens` are the available desktop areas of
// every screen (the first is the primary one); `stored` is the saved
// "Top|Left|Height|Width" text. For a window that is not resizable,
// `fixedSize` (width, height) is kept and only the position is taken. A
// resizable window gets at least `leastSize`, stored or not.
QRect PlaceWindow(const QString& stored, int defaultWidth, int defaultHeight,
                  const QVector<QRect>& screens, bool resizable, QSize fixedSize = {},
                  QSize leastSize = {});

// The available desktop areas of every screen in twips, the primary one first.
QVector<QRect> ScreensInTwips();

// The context of the program in `binDir`. With the sample catalogue beside it (the build tree,
// an unpacked copy) all its files live there. Otherwise it is installed under a prefix: it reads
// its data from <prefix>/share/lumarik and keeps its settings and UserData/ in the per-user
// configuration folder, never in the program folder, even when run as root.
AppContext ProgramContext(const QString& binDir, Prompter* prompter);

class CSApplication {
public:
    explicit CSApplication(const AppContext& context) : m_context(context) {}

    QString Title() const;
    QString Version() const;
    QString TitleVer() const;
    QString TitleVerShort() const;
    QString Comment() const;
    // The program directory, always ending in a separator.
    QString Path() const;
    // The directory of the files the program ships (the sample catalogue), ending in a separator.
    QString DataPath() const;
    QString HelpFile() const;

    // Lumarik.INI in the program directory when it exists there or the
    // directory is writable, otherwise in the per-user configuration directory.
    QString SettingsFilePath() const;
    INICode Settings() const;
    // Writes settings and tells the user when the save failed; returns success.
    bool WriteSetting(const std::string& section, const std::string& key,
                      const std::string& value) const;
    bool WriteSettings(const std::vector<IniEntry>& entries) const;

    void FormPosnSave(QWidget* frm, bool bMain = true) const;
    // bMain: the main window (its frame's position), otherwise a dialog (its client area).
    void FormPosnGet(QWidget* frm, int defaultWidth, int defaultHeight, bool bMain = true) const;

    // Appends an entry to ERROR.LOG (beside the settings file) and shows the message.
    void ErrorDisplay(const QString& sUserMsg, const QString& sInternalMsg,
                      int iInternalCode) const;

private:
    bool ReportSave(const SaveResult& result) const;

    const AppContext& m_context;
};

}  // namespace lumarik
