#include "ui/beam/popEditParamWave.h"

#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "ui/shell/CSApplication.h"
#include "ui/shell/CSWindow.h"
#include "ui/shell/Prompter.h"
#include "ui/shell/UserStore.h"

namespace lumarik {
namespace {

constexpr std::array<WaveGrid, 3> kGrids{WaveGrid::kLaser, WaveGrid::kGlassCatalogue,
                                         WaveGrid::kUser};
constexpr std::array<const char*, 3> kGridNames{"ssWavesLaser", "ssWavesFraun", "ssWavesCustom"};
// Rows a grid shows without scrolling at the designed size.
constexpr int kVisibleRows = 16;

QString FromCore(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

// A caption as the accessible name: without the mnemonic marker and the trailing blank.
QString AccessibleCaption(std::string_view caption) {
    return FromCore(caption).remove(QLatin1Char('&')).trimmed();
}

QString RowKey(WaveGrid grid) {
    return FromCore(WaveNames::kSettingsSection) + QLatin1Char('/') +
           FromCore(WaveNames::WaveGridSettingsKey(grid));
}

// Fits the columns to their contents and returns the width that shows them all; the last
// column then stretches over what the grid has to spare.
int FitColumns(QTableWidget* table) {
    table->horizontalHeader()->setStretchLastSection(false);
    table->resizeColumnsToContents();
    int width = 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < table->columnCount(); ++c) width += table->columnWidth(c);
    table->horizontalHeader()->setStretchLastSection(true);
    return width;
}

}  // namespace

popEditParamWave::popEditParamWave(const AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context) {
    setObjectName(QStringLiteral("popEditParamWave"));
    setWindowTitle(FromCore(texts::kWavePickerCaption));

    m_lblWave = new QLabel(FromCore(texts::kWavePickerIntro), this);
    m_lblWave->setObjectName(QStringLiteral("lblWave"));
    m_lblWave->setWordWrap(true);

    m_tabWaveSel = new QTabWidget(this);
    m_tabWaveSel->setObjectName(QStringLiteral("tabWaveSel"));
    m_tabWaveSel->setAccessibleName(AccessibleCaption(texts::kWavePickerCaption));
    // All three tab captions in sight: the picker grows to them rather than hide one.
    m_tabWaveSel->setUsesScrollButtons(false);
    m_tabWaveSel->setElideMode(Qt::ElideNone);
    for (const WaveGrid grid : kGrids) {
        auto* table = new QTableWidget(this);
        table->setObjectName(QString::fromLatin1(kGridNames[Index(grid)]));
        table->setAccessibleName(AccessibleCaption(WaveNames::WaveGridTabCaption(grid)));
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        table->setWordWrap(false);
        table->setTabKeyNavigation(false);
        table->verticalHeader()->hide();
        table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
        const int columns = WaveNames::WaveGridColumns(grid);
        table->setColumnCount(columns);
        QStringList headers;
        for (const std::string_view header : WaveNames::WaveGridHeaders(grid)) {
            headers << FromCore(header);
        }
        table->setHorizontalHeaderLabels(headers);
        table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        table->horizontalHeader()->setHighlightSections(false);
        table->viewport()->installEventFilter(this);
        table->installEventFilter(this);
        m_grids[Index(grid)] = table;
        m_tabWaveSel->addTab(table, FromCore(WaveNames::WaveGridTabCaption(grid)));
    }

    m_comCancel = new QPushButton(FromCore(texts::kWavePickerCancel), this);
    m_comCancel->setObjectName(QStringLiteral("comCancel"));
    m_comCancel->setAccessibleName(AccessibleCaption(texts::kWavePickerCancel));
    m_comCancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_comCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lblWave);
    layout->addWidget(m_tabWaveSel, 1);
    layout->addLayout(buttons);

    connect(m_comCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void popEditParamWave::Load() {
    m_picked.reset();
    const UserWaveList user = WaveNames::ReadUserWaveFile(
        QFile::encodeName(CSApplication(m_context).Path()).toStdString(), UserSeparators().decimal);
    m_userLoaded = user.loaded;
    m_lines[Index(WaveGrid::kUser)] = user.lines;
    m_lines[Index(WaveGrid::kGlassCatalogue)] = WaveNames::GetFraunhoferLines();
    m_lines[Index(WaveGrid::kLaser)] = WaveNames::GetLaserLines();
    for (const WaveGrid grid : kGrids) FillGrid(grid);
    FitToGrids();
}

void popEditParamWave::FillGrid(WaveGrid grid) {
    QTableWidget* table = Grid(grid);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const auto rows =
        WaveNames::WaveGridCells(grid, m_lines[Index(grid)], UserSeparators().decimal);
    table->setUpdatesEnabled(false);
    table->clearContents();
    table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < table->rowCount(); ++r) {
        const auto& cells = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < table->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(FromCore(cells[static_cast<std::size_t>(c)]));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            // The wavelengths are padded by blanks to line up, which only a fixed pitch shows.
            if (c == 0) item->setFont(fixed);
            table->setItem(r, c, item);
        }
    }
    const UserStore store;
    const std::optional<int> remembered = WaveNames::RememberedWaveRow(
        store.value(RowKey(grid)).toString().toStdString(), table->rowCount());
    if (remembered) {
        table->setCurrentCell(*remembered - 1, 0);
        table->scrollToItem(table->item(*remembered - 1, 0), QAbstractItemView::PositionAtCenter);
    }
    table->setUpdatesEnabled(true);
}

void popEditParamWave::FitToGrids() {
    int width = 0;
    for (const WaveGrid grid : kGrids) {
        const int needed = FitColumns(Grid(grid));
        // The user's names may be of any length; the user grid scrolls rather than widen.
        if (grid != WaveGrid::kUser) width = std::max(width, needed);
    }
    const QTableWidget* any = Grid(WaveGrid::kLaser);
    const int height = 2 * any->frameWidth() + any->horizontalHeader()->sizeHint().height() +
                       kVisibleRows * any->verticalHeader()->defaultSectionSize();
    for (QTableWidget* table : m_grids) table->setMinimumSize(width, height);
    layout()->activate();
}

void popEditParamWave::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        Load();
        const QSize designed = minimumSize() * kTwipsPerPixel;
        CSApplication(m_context).FormPosnGet(this, designed.width(), designed.height(), false);
        // FormPosnGet keeps the client area on the screen; the frame is pulled in as well.
        CSWindow().AtMouse(this, x(), y());
    }
    QDialog::showEvent(event);
}

bool popEditParamWave::eventFilter(QObject* watched, QEvent* event) {
    for (const WaveGrid grid : kGrids) {
        QTableWidget* table = Grid(grid);
        if (!table) break;  // events while the grids are being built
        if (watched == table->viewport() && event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton) {
                const QModelIndex index = table->indexAt(mouse->position().toPoint());
                Pick(grid, index.isValid() ? index.row() + 1 : 0);
            }
            return false;
        }
        if (watched == table && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                Pick(grid, table->currentRow() + 1);
                return true;
            }
            return false;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void popEditParamWave::Pick(WaveGrid grid, int row) {
    // A second release or key press that arrives after the pick closed the picker.
    if (!isVisible()) return;
    const WaveLineList& lines = m_lines[Index(grid)];
    switch (WaveNames::WavePickActionFor(grid, m_userLoaded, lines, row)) {
        case WavePickAction::kIgnore:
        case WavePickAction::kStayOpen:
            return;
        case WavePickAction::kNoUserListError:
            if (m_context.prompter) {
                m_context.prompter->Message(FromCore(texts::kWaveNoUserList), PromptIcon::None);
            }
            return;
        case WavePickAction::kPick:
            break;
    }
    const double nm = lines[static_cast<std::size_t>(row - 1)].wavelength;
    m_picked = std::round(nm * 1e4) / 1e4;
    UserStore store;
    store.setValue(RowKey(grid), QString::number(row));
    accept();
}

void popEditParamWave::done(int result) {
    if (result != QDialog::Accepted) m_picked.reset();
    if (!m_picked) result = QDialog::Rejected;
    CSApplication(m_context).FormPosnSave(this, false);
    QDialog::done(result);
}

popEditParamWave* popEditParamWave::Display(QWidget* parent, const AppContext& context,
                                            std::function<void(double nm)> picked) {
    auto* dialog = new popEditParamWave(context, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, dialog, [dialog, picked = std::move(picked)] {
        if (dialog->m_picked && picked) picked(*dialog->m_picked);
    });
    dialog->open();
    return dialog;
}

}  // namespace lumarik
