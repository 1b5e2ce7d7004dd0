// The main window's files: systems opened from and saved to files of their own (buttons,
// Ctrl+O and Ctrl+S, the recent list, a dropped file, the command line), and the result lists
// copied to the clipboard or saved as CSV.

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
#include "ui/mainwindow/MainWindowTexts.h"
#include "ui/mainwindow/frmLumarik.h"
#include "ui/shell/FileSave.h"
#include "ui/shell/Prompter.h"
#include "ui/shell/UserStore.h"
#include "ui/shell/WidgetHelpers.h"

namespace lumarik {
namespace {

const QString kRecentKey = QStringLiteral("RecentFiles/Files");
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

std::vector<ResultRow> ShownRows(const QListWidget* names, const QListWidget* values) {
    std::vector<ResultRow> rows;
    for (int i = 0; i < names->count(); ++i) {
        const QListWidgetItem* value = values->item(i);
        rows.push_back({names->item(i)->text().toStdString(),
                        value != nullptr ? value->text().toStdString() : std::string()});
    }
    return ExportedRows(rows);
}

}  // namespace

void frmLumarik::ConnectFiles() {
    connect(m_comOpen, &QPushButton::clicked, this, &frmLumarik::OpenClicked);
    connect(m_comSaveAs, &QPushButton::clicked, this, &frmLumarik::SaveAsClicked);
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this,
            &frmLumarik::OpenClicked);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this), &QShortcut::activated, this,
            &frmLumarik::SaveAsClicked);
    m_comRecent->setMenu(new QMenu(m_comRecent));
    ShowRecentFiles();
    setAcceptDrops(true);
    ConnectResultsExport(m_lstResNames, m_lstResVals);
    ConnectResultsExport(m_lstDOFNames, m_lstDOFVals);
}

void frmLumarik::OpenClicked() {
    if (m_updateGuard != UpdateGuard::kFree || !m_context.prompter) return;
    const std::optional<QString> name =
        m_context.prompter->OpenFileName(windowtexts::kOpenTitle, windowtexts::kSystemFilter);
    if (name) OpenSystemFile(*name);
}

bool frmLumarik::OpenSystemFile(const QString& path) {
    if (m_updateGuard != UpdateGuard::kFree) return false;
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

    GuardScope guard(m_updateGuard);
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const SystemFileStatus status = m_doc.OpenSystemFile(
        std::string_view(bytes.constData(), bytes.size()), absolute.toStdString());
    if (status != SystemFileStatus::kOk) return refuse(RefusalText(status));
    RememberFile(absolute);
    SyncOptionControls();
    RefreshCaption();
    ApplyModeLayout();
    RunCycle();
    return true;
}

void frmLumarik::SaveAsClicked() {
    if (m_updateGuard != UpdateGuard::kFree || !m_context.prompter) return;
    const QString suggested = m_doc.FilePath().empty() ? windowtexts::kSystemSuggested
                                                       : QString::fromStdString(m_doc.FilePath());
    const std::optional<QString> name = m_context.prompter->SaveFileName(
        windowtexts::kSaveAsTitle, windowtexts::kSystemFilter, suggested);
    if (!name) return;
    if (!SaveOrTell(*m_context.prompter, *name, m_doc.SystemFileText(),
                    windowtexts::kSystemSaveFailed)) {
        return;
    }
    const QString absolute = QFileInfo(*name).absoluteFilePath();
    m_doc.MarkSaved(absolute.toStdString());
    RememberFile(absolute);
    RefreshCaption();
}

// The list holds each file once, the latest first.
void frmLumarik::RememberFile(const QString& path) {
    UserStore store;
    QStringList files = store.value(kRecentKey).toStringList();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kRecentCount) files.removeLast();
    store.setValue(kRecentKey, files);
    ShowRecentFiles();
}

void frmLumarik::ShowRecentFiles() {
    QMenu* menu = m_comRecent->menu();
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

// ---- result lists -------------------------------------------------------------------------

void frmLumarik::ConnectResultsExport(QListWidget* names, QListWidget* values) {
    for (QListWidget* list : {names, values}) {
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QWidget::customContextMenuRequested, this,
                [this, list, names, values](const QPoint& at) {
                    QMenu menu(this);
                    QAction* copy = menu.addAction(windowtexts::kCopyResults);
                    copy->setShortcut(QKeySequence::Copy);
                    QAction* save = menu.addAction(windowtexts::kSaveResults);
                    QAction* chosen = menu.exec(list->viewport()->mapToGlobal(at));
                    if (chosen == copy) CopyResults(names, values);
                    if (chosen == save) SaveResults(names, values);
                });
        auto* shortcut = new QShortcut(QKeySequence::Copy, list);
        shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this,
                [this, names, values] { CopyResults(names, values); });
    }
}

void frmLumarik::CopyResults(const QListWidget* names, const QListWidget* values) {
    const std::vector<ResultRow> rows = ShownRows(names, values);
    auto* data = new QMimeData;
    data->setText(FromStd(ResultsPlainText(rows)));
    data->setHtml(FromStd(ResultsHtml(rows)));
    QApplication::clipboard()->setMimeData(data);
}

void frmLumarik::SaveResults(const QListWidget* names, const QListWidget* values) {
    if (!m_context.prompter) return;
    const std::optional<QString> name = m_context.prompter->SaveFileName(
        windowtexts::kSaveResultsTitle, windowtexts::kResultsFilter,
        windowtexts::kResultsSuggested);
    if (!name) return;
    SaveOrTell(*m_context.prompter, *name,
               ResultsCsv(ShownRows(names, values), m_model.DecimalSeparator()),
               windowtexts::kResultsSaveFailed);
}

}  // namespace lumarik
