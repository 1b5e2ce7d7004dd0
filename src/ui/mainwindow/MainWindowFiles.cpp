// The main window's files: systems opened from and saved to files of their own (buttons,
// Ctrl+O and Ctrl+S, the recent list, a dropped file, the command line).

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>
#include <utility>

#include "core/report/ResultsExport.h"
#include "ui/mainwindow/frmLumarik.h"
#include "ui/panels/WindowTexts.h"
#include "ui/shell/FileSave.h"
#include "ui/shell/Prompter.h"
#include "ui/shell/UserStore.h"
#include "ui/shell/WidgetHelpers.h"

namespace lumarik {
namespace {

const QString kRecentKey = QStringLiteral("RecentFiles/Files");
const QString kFolderKey = QStringLiteral("RecentFiles/LastFolder");

// The folder the file dialogs start in: the last one a system was opened from or saved to.
QString LastFolder() {
    return UserStore().value(kFolderKey).toString();
}
constexpr int kRecentCount = 5;

QString RefusalText(SystemFileStatus status) {
    switch (status) {
        case SystemFileStatus::kForeign:
            return windowtexts::kFileForeign;
        case SystemFileStatus::kNewer:
            return windowtexts::kFileNewer;
        default:
            return windowtexts::kFileDamaged;
    }
}

}  // namespace

bool frmLumarik::ChangesKept() {
    if (m_doc.FilePath().empty() || !m_doc.Modified() || !m_context.prompter) return true;
    const QString path = QString::fromStdString(m_doc.FilePath());
    switch (m_context.prompter->Question(
        windowtexts::kSaveFileQuestion.arg(QFileInfo(path).fileName()), true)) {
        case PromptAnswer::Yes:
            if (!SaveOrTell(*m_context.prompter, path, m_doc.SystemFileText(),
                            windowtexts::kSystemSaveFailed)) {
                return false;
            }
            m_hub.Edit([&path](LumarikDocument& d) { d.MarkSaved(path.toStdString()); });
            return true;
        case PromptAnswer::No:
            return true;
        case PromptAnswer::Cancel:
            return false;
    }
    return false;
}

void frmLumarik::OpenClicked() {
    if (m_hub.Busy() || !m_context.prompter) return;
    const std::optional<QString> name = m_context.prompter->OpenFileName(
        windowtexts::kOpenTitle, windowtexts::kSystemFilter, LastFolder());
    if (name) OpenSystemFile(*name);
}

bool frmLumarik::OpenSystemFile(const QString& path) {
    if (m_hub.Busy() || !ChangesKept()) return false;
    const auto refuse = [&](const QString& text) {
        if (m_context.prompter) {
            m_context.prompter->Message(text.arg(QDir::toNativeSeparators(path)),
                                        PromptIcon::Exclamation);
        }
        return false;
    };
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return refuse(windowtexts::kFileUnreadable);
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return refuse(windowtexts::kFileUnreadable);

    const QString absolute = QFileInfo(path).absoluteFilePath();
    SystemFileStatus status = SystemFileStatus::kOk;
    std::string_view refusal;
    m_hub.Edit([&](LumarikDocument& d) {
        status = d.OpenSystemFile(std::string_view(bytes.constData(), bytes.size()),
                                  absolute.toStdString(), &refusal);
    });
    // The choice of the file is refused with the message its ticking would have given.
    if (status == SystemFileStatus::kRefused) {
        if (m_context.prompter)
            m_context.prompter->Message(FromStd(refusal), PromptIcon::Exclamation);
        return false;
    }
    if (status != SystemFileStatus::kOk) return refuse(RefusalText(status));
    RememberFile(absolute);
    return true;
}

void frmLumarik::SaveAsClicked() {
    if (m_hub.Busy() || !m_context.prompter) return;
    const QString suggested = m_doc.FilePath().empty()
                                  ? QDir(LastFolder()).filePath(windowtexts::kSystemSuggested)
                                  : QString::fromStdString(m_doc.FilePath());
    const std::optional<QString> name = m_context.prompter->SaveFileName(
        windowtexts::kSaveAsTitle, windowtexts::kSystemFilter, suggested);
    if (!name) return;
    if (!SaveOrTell(*m_context.prompter, *name, m_doc.SystemFileText(),
                    windowtexts::kSystemSaveFailed)) {
        return;
    }
    const QString absolute = QFileInfo(*name).absoluteFilePath();
    m_hub.Edit([&absolute](LumarikDocument& d) { d.MarkSaved(absolute.toStdString()); });
    RememberFile(absolute);
}

// The list holds each file once, the latest first; its folder is where the dialogs start next.
void frmLumarik::RememberFile(const QString& path) {
    UserStore store;
    store.setValue(kFolderKey, QFileInfo(path).absolutePath());
    QStringList files = store.value(kRecentKey).toStringList();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kRecentCount) files.removeLast();
    store.setValue(kRecentKey, files);
    ShowRecentFiles();
}

void frmLumarik::ShowRecentFiles() {
    QMenu* menu = m_comRecent->menu();
    menu->setToolTipsVisible(true);  // the whole path of each file
    menu->clear();
    const QStringList files = UserStore().value(kRecentKey).toStringList();
    for (const QString& path : files) {
        QAction* action = menu->addAction(QFileInfo(path).fileName());
        action->setToolTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] { OpenSystemFile(path); });
    }
    m_comRecent->setEnabled(!files.isEmpty());
}

void frmLumarik::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.first().isLocalFile()) event->acceptProposedAction();
}

void frmLumarik::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile()) return;
    event->acceptProposedAction();
    OpenSystemFile(urls.first().toLocalFile());
}

}  // namespace lumarik
