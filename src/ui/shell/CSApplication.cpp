#include "ui/shell/CSApplication.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QStringList>
#include <QTextStream>
#include <QWidget>
#include <algorithm>
#include <array>

#include "Version.h"
#include "core/chart/SampleSystems.h"
#include "ui/shell/FileSave.h"
#include "ui/shell/Prompter.h"

namespace lumarik {
namespace {

const QString kComment =
    QStringLiteral("Paraxiale Vorauslegung von Linsen- und Spiegelsystemen und Gaußschen Strahlen");
const QString kSaveFailed = QStringLiteral("Die Einstellungen konnten nicht gespeichert werden: ");
const QString kSettingsFileName = QStringLiteral("Lumarik.INI");
const QString kErrorLogName = QStringLiteral("ERROR.LOG");
const QString kHelpFileName = QStringLiteral("Lumarik-Hilfe.html");
const char* const kPositionsSection = "FormPositions";

std::string PositionKey(const QWidget* frm) {
    return ("FormPosn_" + frm->objectName()).toStdString();
}

// Parses "Top|Left|Height|Width"; anything else (other part counts, a part
// that is not a whole number) counts as no entry and gives four zeros.
std::array<int, 4> ParsePosition(const QString& stored) {
    std::array<int, 4> v{0, 0, 0, 0};
    const QString text = stored.trimmed();
    if (text.isEmpty()) return v;
    const QStringList parts = text.split(QLatin1Char('|'));
    if (parts.size() != 4) return v;
    std::array<int, 4> parsed{};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        parsed[i] = parts[i].trimmed().toInt(&ok);
        if (!ok) return v;
    }
    return parsed;
}

QString WithSeparator(const QString& directory) {
    QString dir = QDir::fromNativeSeparators(directory);
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    return dir;
}

}  // namespace

QRect PlaceWindow(const QString& stored, int defaultWidth, int defaultHeight,
                  const QVector<QRect>& screens, bool resizable, QSize fixedSize, QSize leastSize) {
    const QRect fallback(0, 0, 19200, 12000);
    auto [top, left, height, width] = ParsePosition(stored);
    // A window never opens smaller than its content needs, whether the size was stored or
    // is the default.
    if (height >= 1) height = std::max(height, leastSize.height());
    if (width >= 1) width = std::max(width, leastSize.width());
    defaultHeight = std::max(defaultHeight, leastSize.height());
    defaultWidth = std::max(defaultWidth, leastSize.width());

    // The screen the window was on: the one holding its centre, else the primary.
    QRect screen = screens.isEmpty() ? fallback : screens.first();
    if (height >= 1 && width >= 1) {
        const QPoint centre(left + width / 2, top + height / 2);
        for (const QRect& s : screens) {
            if (s.contains(centre)) {
                screen = s;
                break;
            }
        }
    }

    if (height < 1) {
        height = defaultHeight >= 1 ? defaultHeight : screen.height() / 3;
        top = screen.top() + screen.height() / 2 - height / 2;
    }
    if (width < 1) {
        width = defaultWidth >= 1 ? defaultWidth : screen.width() / 3;
        left = screen.left() + screen.width() / 2 - width / 2;
    }
    if (height > screen.height()) height = static_cast<int>(0.9 * screen.height());
    if (width > screen.width()) width = static_cast<int>(0.9 * screen.width());
    if (!resizable && fixedSize.isValid()) {
        width = std::min(fixedSize.width(), screen.width());
        height = std::min(fixedSize.height(), screen.height());
    }

    // Keep the whole window on that screen, so that a position saved on a
    // larger or a removed screen never opens out of sight.
    left = std::clamp(left, screen.left(), std::max(screen.left(), screen.right() + 1 - width));
    top = std::clamp(top, screen.top(), std::max(screen.top(), screen.bottom() + 1 - height));
    return QRect(left, top, width, height);
}

QVector<QRect> ScreensInTwips() {
    QVector<QRect> screens;
    QList<QScreen*> all = QGuiApplication::screens();
    if (QScreen* primary = QGuiApplication::primaryScreen()) {
        all.removeAll(primary);
        all.prepend(primary);
    }
    for (QScreen* s : all) {
        const QRect a = s->availableGeometry();
        screens.append(QRect(a.left() * kTwipsPerPixel, a.top() * kTwipsPerPixel,
                             a.width() * kTwipsPerPixel, a.height() * kTwipsPerPixel));
    }
    return screens;
}

AppContext ProgramContext(const QString& binDir, Prompter* prompter) {
    const QDir programDir(binDir);
    if (programDir.exists(QString::fromUtf8(kSampleIndexFile.data(), kSampleIndexFile.size()))) {
        return AppContext{binDir, prompter};
    }
    const QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(userDir);
    return AppContext{userDir, prompter,
                      QDir::cleanPath(programDir.filePath(QStringLiteral("../share/lumarik")))};
}

QString CSApplication::Title() const {
    return kProgramTitle;
}

QString CSApplication::Version() const {
    return QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionPatch);
}

QString CSApplication::TitleVer() const {
    return Title() + QLatin1Char(' ') + Version();
}

QString CSApplication::TitleVerShort() const {
    return Title() + QStringLiteral(" %1.%2").arg(kVersionMajor).arg(kVersionMinor);
}

QString CSApplication::Comment() const {
    return kComment;
}

QString CSApplication::Path() const {
    return WithSeparator(m_context.programDir);
}

QString CSApplication::DataPath() const {
    return m_context.dataDir.isEmpty() ? Path() : WithSeparator(m_context.dataDir);
}

QString CSApplication::HelpFile() const {
    return DataPath() + kHelpFileName;
}

QString CSApplication::SettingsFilePath() const {
    const QString inProgramDir = Path() + kSettingsFileName;
    if (QFileInfo::exists(inProgramDir) ||
        IsDirectoryWritable(QFile::encodeName(Path()).toStdString())) {
        return inProgramDir;
    }
    const QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(userDir);
    return QDir(userDir).filePath(kSettingsFileName);
}

INICode CSApplication::Settings() const {
    return INICode(NativePath(SettingsFilePath()));
}

bool CSApplication::ReportSave(const SaveResult& result) const {
    if (result.ok) return true;
    if (m_context.prompter) {
        m_context.prompter->Message(kSaveFailed + QString::fromStdString(result.error),
                                    PromptIcon::Exclamation);
    }
    return false;
}

bool CSApplication::WriteSetting(const std::string& section, const std::string& key,
                                 const std::string& value) const {
    return ReportSave(Settings().WriteString(section, key, value));
}

bool CSApplication::WriteSettings(const std::vector<IniEntry>& entries) const {
    return ReportSave(Settings().WriteStrings(entries));
}

void CSApplication::FormPosnSave(QWidget* frm, bool bMain) const {
    // The main window keeps its frame's position and the client size: restoring both with
    // move() and resize() gives the same window back. A dialog keeps its client area, which
    // FormPosnGet restores with setGeometry(): a dialog is created anew at each opening, before
    // the window manager has told its frame, and its frame's position restored with move()
    // opened it a title bar higher each time.
    const QRect g = frm->isMaximized() || frm->isMinimized() ? frm->normalGeometry()
                    : bMain                                  ? QRect(frm->pos(), frm->size())
                                                             : frm->geometry();
    const QString value = QStringLiteral("%1|%2|%3|%4")
                              .arg(g.top() * kTwipsPerPixel)
                              .arg(g.left() * kTwipsPerPixel)
                              .arg(g.height() * kTwipsPerPixel)
                              .arg(g.width() * kTwipsPerPixel);
    WriteSetting(kPositionsSection, PositionKey(frm), value.toStdString());
}

void CSApplication::FormPosnGet(QWidget* frm, int defaultWidth, int defaultHeight,
                                bool bMain) const {
    const QString stored =
        QString::fromStdString(Settings().ReadString(kPositionsSection, PositionKey(frm), ""));
    const QVector<QRect> screens = ScreensInTwips();
    const bool resizable = frm->minimumSize() != frm->maximumSize();
    const QRect r = PlaceWindow(stored, defaultWidth, defaultHeight, screens, resizable,
                                frm->size() * kTwipsPerPixel, frm->minimumSize() * kTwipsPerPixel);
    const QPoint at(r.left() / kTwipsPerPixel, r.top() / kTwipsPerPixel);
    const QSize size(r.width() / kTwipsPerPixel, r.height() / kTwipsPerPixel);
    if (bMain) {
        frm->move(at);
        if (resizable) frm->resize(size);
    } else {
        frm->setGeometry(QRect(at, resizable ? size : frm->size()));
    }
}

void CSApplication::ErrorDisplay(const QString& sUserMsg, const QString& sInternalMsg,
                                 int iInternalCode) const {
    const QString logPath = QFileInfo(SettingsFilePath()).dir().filePath(kErrorLogName);
    QFile log(logPath);
    if (log.open(QIODevice::Append | QIODevice::Text)) {
        QTextStream out(&log);
        out << QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")) << '\n'
            << sUserMsg << '\n'
            << "  Error: [" << iInternalCode << "]: " << sInternalMsg << '\n';
    }
    if (m_context.prompter) m_context.prompter->Message(sUserMsg, PromptIcon::Exclamation);
}

}  // namespace lumarik
