#include "ui/settings/frmSymbols.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "ui/shell/CSApplication.h"
#include "ui/shell/CSWindow.h"
#include "ui/shell/Prompter.h"

namespace lumarik {
namespace {

const QString kCaption = QStringLiteral("Benutzerdefinierte Symbole");
const QString kBeamCaption = QStringLiteral("Benutzerdefinierte Symbole – Gaußstrahl");
const QString kFrameDistances = QStringLiteral("Abstände:");
const QString kFrameField = QStringLiteral("Feld:");
const QString kFrameCardinals = QStringLiteral("Kardinalpunkte:");
const QString kFrameBeamObject = QStringLiteral("Strahl [objektseitig]:");
const QString kFrameBeamImage = QStringLiteral("Strahl [bildseitig]:");
const QString kFrameBeamResults = QStringLiteral("Ergebnisse:");
const QString kCharacters = QStringLiteral("Zeichen");
const QString kCharactersCaption = QStringLiteral("Zeichen:");
const QString kNote = QStringLiteral(
    "Jedes Symbol kann aus einem oder mehreren Zeichen bestehen.\n\n"
    "Geben Sie die Zeichen direkt ein oder wählen Sie sie per 'drag & drop' aus der Liste aus. ");
const QString kOK = QStringLiteral("OK");
const QString kCancel = QStringLiteral("&Abbrechen");

QString FromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

INICode Settings(const AppContext& context) {
    return CSApplication(context).Settings();
}

// Hands out a dragged entry as plain text, which a symbol box (or any other program) takes.
// Only as a copy: a view removes an entry that was moved away.
class CharacterList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override {
        if (items.isEmpty()) return nullptr;
        auto* data = new QMimeData;
        data->setText(items.front()->text());
        return data;
    }
};

}  // namespace

frmSymbols::frmSymbols(const AppContext& context, const ParameterCatalogue& catalogue,
                       PutInUse putInUse, QWidget* parent)
    : frmSymbols(context, UserSymbolEditor(catalogue, SymbolsFromIni(Settings(context))),
                 catalogue.UnitType(), std::move(putInUse), kCaption, parent) {}

frmSymbols::frmSymbols(const AppContext& context, const BeamSymbols& symbols, PutInUse putInUse,
                       QWidget* parent)
    : frmSymbols(context,
                 UserSymbolEditor::ForBeam(SymbolsFromIni(Settings(context), kBeamSymbolsSection)),
                 symbols.UnitType(), std::move(putInUse), kBeamCaption, parent) {}

namespace {

std::vector<std::pair<int, QString>> SlotRange(int first, int last, const QString& prefix) {
    std::vector<std::pair<int, QString>> boxes;
    for (int k = first; k <= last; ++k) boxes.emplace_back(k, prefix.arg(k));
    return boxes;
}

}  // namespace

std::vector<std::vector<frmSymbols::Frame>> frmSymbols::Frames() const {
    if (m_editor.Section() == kSymbolsSection) {
        std::vector<std::vector<Frame>> frames = {
            {{kFrameDistances, QStringLiteral("fraOptConj"),
              SlotRange(0, kFirstFieldPar - 1, QStringLiteral("VarType_%1"))},
             {kFrameField, QStringLiteral("fraOptFld"),
              SlotRange(kFirstFieldPar, kSelectableCount - 1, QStringLiteral("VarType_%1"))}},
            {{kFrameCardinals, QStringLiteral("fraCardPoints"), {}}}};
        for (int i = 0; i < kCardinalCount; ++i) {
            frames[1][0].boxes.emplace_back(CardinalSlot(i), QStringLiteral("CardPoint_%1").arg(i));
        }
        return frames;
    }
    const QString quantity = QStringLiteral("VarTypeGB_%1");
    std::vector<std::vector<Frame>> frames = {
        {{kFrameDistances, QStringLiteral("fraGaussCong"),
          SlotRange(0, kFirstObjectBeam - 1, quantity)},
         {kFrameBeamObject, QStringLiteral("fraGaussBeamObj"),
          SlotRange(kFirstObjectBeam, kFirstImageBeam - 1, quantity)},
         {kFrameBeamImage, QStringLiteral("fraGaussBeamImg"),
          SlotRange(kFirstImageBeam, kBeamSelectableCount - 1, quantity)}},
        {{kFrameCardinals, QStringLiteral("fraCardPoints"), {}},
         {kFrameBeamResults, QStringLiteral("fraResults"), {}}}};
    for (std::size_t i = 0; i < kEditedBeamResults.size(); ++i) {
        const int k = kEditedBeamResults[i];
        frames[1][k <= kResNPrime ? 0 : 1].boxes.emplace_back(BeamResultSlot(i),
                                                              QStringLiteral("ResGB_%1").arg(k));
    }
    return frames;
}

frmSymbols::frmSymbols(const AppContext& context, UserSymbolEditor editor, int unitType,
                       PutInUse putInUse, const QString& caption, QWidget* parent)
    : QDialog(parent),
      m_context(context),
      m_editor(std::move(editor)),
      m_unitType(unitType),
      m_putInUse(std::move(putInUse)),
      m_boxes(static_cast<std::size_t>(m_editor.Count()), nullptr) {
    setObjectName(QStringLiteral("frmSymbols"));
    setWindowTitle(caption);
    std::vector<QVBoxLayout*> frameColumns = BuildFrameColumns();
    QLayout* characters = BuildCharacterList();
    m_lbl = new QLabel(kNote, this);
    m_lbl->setObjectName(QStringLiteral("lbl"));
    m_lbl->setTextFormat(Qt::PlainText);
    m_lbl->setWordWrap(true);
    frameColumns.back()->addWidget(m_lbl);
    auto* columnsLayout = new QHBoxLayout;
    for (QVBoxLayout* column : frameColumns) {
        column->addStretch(1);
        columnsLayout->addLayout(column);
    }
    columnsLayout->addLayout(characters, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columnsLayout, 1);
    layout->addLayout(BuildButtons());
}

QLabel* frmSymbols::AddBox(QFormLayout* form, int slot, const QString& suffix) {
    const QString name = FromStd(m_editor.Name(slot));
    auto* label = new QLabel(name);
    label->setObjectName(QStringLiteral("lbl") + suffix);
    auto* box = new QLineEdit(FromStd(m_editor.Symbol(slot)));
    box->setObjectName(QStringLiteral("txt") + suffix);
    box->setAccessibleName(name.trimmed());
    // A longer symbol would come back shortened from the settings file.
    box->setMaxLength(static_cast<int>(kMaxProfileString));
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 6);
    box->installEventFilter(this);
    label->setBuddy(box);
    form->addRow(label, box);
    m_boxes[static_cast<std::size_t>(slot)] = box;
    connect(box, &QLineEdit::returnPressed, this, [this, slot] { Commit(slot); });
    connect(box, &QLineEdit::textEdited, this, [this] { m_comOK->setEnabled(true); });
    return label;
}

// Each column of frames holds its boxes in one line.
std::vector<QVBoxLayout*> frmSymbols::BuildFrameColumns() {
    std::vector<QVBoxLayout*> frameColumns;
    for (const std::vector<Frame>& column : Frames()) {
        auto* layout = new QVBoxLayout;
        std::vector<QLabel*> labels;
        for (const Frame& frame : column) {
            auto* box = new QGroupBox(frame.caption);
            box->setObjectName(frame.name);
            auto* form = new QFormLayout(box);
            form->setLabelAlignment(Qt::AlignLeft);
            for (const auto& [slot, suffix] : frame.boxes)
                labels.push_back(AddBox(form, slot, suffix));
            layout->addWidget(box);
        }
        int labelWidth = 0;
        for (const QLabel* label : labels) {
            labelWidth = std::max(labelWidth, label->sizeHint().width());
        }
        for (QLabel* label : labels) label->setMinimumWidth(labelWidth);
        frameColumns.push_back(layout);
    }
    return frameColumns;
}

// The characters to drag into a box, in a grid rather than one long column.
QLayout* frmSymbols::BuildCharacterList() {
    m_lstSymbols = new CharacterList(this);
    m_lstSymbols->setObjectName(QStringLiteral("lstSymbols"));
    m_lstSymbols->setAccessibleName(kCharacters);
    auto* lblCharacters = new QLabel(kCharactersCaption, this);
    lblCharacters->setObjectName(QStringLiteral("lblSymbols"));
    lblCharacters->setBuddy(m_lstSymbols);
    QFont listFont = m_lstSymbols->font();
    listFont.setPointSizeF(listFont.pointSizeF() * 1.25);
    m_lstSymbols->setFont(listFont);
    for (const std::string& character : SymbolCharacters()) {
        auto* item = new QListWidgetItem(FromStd(character), m_lstSymbols);
        item->setTextAlignment(Qt::AlignCenter);
        item->setToolTip(QStringLiteral("U+%1")
                             .arg(item->text().at(0).unicode(), 4, 16, QLatin1Char('0'))
                             .toUpper());
    }
    const int cell = QFontMetrics(listFont).height() + 10;
    m_lstSymbols->setFlow(QListView::LeftToRight);
    m_lstSymbols->setWrapping(true);
    m_lstSymbols->setResizeMode(QListView::Adjust);
    m_lstSymbols->setUniformItemSizes(true);
    m_lstSymbols->setGridSize(QSize(cell, cell));
    m_lstSymbols->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lstSymbols->setDragEnabled(true);
    m_lstSymbols->setDragDropMode(QAbstractItemView::DragOnly);
    m_lstSymbols->setDefaultDropAction(Qt::CopyAction);
    m_lstSymbols->setMinimumWidth(cell * 8 + m_lstSymbols->verticalScrollBar()->sizeHint().width() +
                                  2 * m_lstSymbols->frameWidth() + 4);
    auto* characters = new QVBoxLayout;
    characters->addWidget(lblCharacters);
    characters->addWidget(m_lstSymbols, 1);
    return characters;
}

QLayout* frmSymbols::BuildButtons() {
    m_comOK = new QPushButton(kOK, this);
    m_comOK->setObjectName(QStringLiteral("comOK"));
    m_comOK->setAccessibleName(kOK);
    m_comOK->setEnabled(false);
    m_comCancel = new QPushButton(kCancel, this);
    m_comCancel->setObjectName(QStringLiteral("comCancel"));
    m_comCancel->setAccessibleName(QStringLiteral("Abbrechen"));
    // Enter commits the symbol box it is typed in; it must not close the dialog as well.
    for (QPushButton* button : {m_comOK, m_comCancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(m_comOK, &QPushButton::clicked, this, &frmSymbols::OkClicked);
    connect(m_comCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_comOK);
    buttons->addWidget(m_comCancel);
    return buttons;
}

int frmSymbols::SlotOf(const QObject* box) const {
    for (int slot = 0; slot < m_editor.Count(); ++slot) {
        if (Box(slot) == box) return slot;
    }
    return -1;
}

bool frmSymbols::eventFilter(QObject* watched, QEvent* event) {
    const int slot = SlotOf(watched);
    if (slot < 0) return QDialog::eventFilter(watched, event);
    QLineEdit* box = Box(slot);
    switch (event->type()) {
        case QEvent::FocusIn:
            // The click that brought the focus places the cursor afterwards; select after it.
            box->selectAll();
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
            break;
        case QEvent::FocusOut: {
            // A context menu or another window taking the focus is no leaving of the box.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
                Commit(slot);
            }
            break;
        }
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (!drag->mimeData()->hasText()) return false;
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (!drop->mimeData()->hasText()) return false;
            box->setText(drop->mimeData()->text());
            Commit(slot);
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            return true;
        }
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}

void frmSymbols::Commit(int slot) {
    QLineEdit* box = Box(slot);
    if (m_editor.Commit(slot, box->text().toStdString())) m_comOK->setEnabled(true);
    const QString symbol = FromStd(m_editor.Symbol(slot));
    if (box->text() != symbol) box->setText(symbol);
}

void frmSymbols::OkClicked() {
    // A box still being typed in counts as left.
    for (int slot = 0; slot < m_editor.Count(); ++slot) Commit(slot);
    if (const std::optional<std::string> problem = m_editor.Check()) {
        if (m_context.prompter) {
            m_context.prompter->Message(FromStd(*problem), PromptIcon::Exclamation);
        }
        return;
    }
    if (m_editor.Changed()) {
        const CSApplication app(m_context);
        // A failed save has been told to the user; the dialog stays open so the symbols are
        // not lost, and nothing is put in use that a restart would not bring back.
        if (!app.WriteSettings(m_editor.Entries(m_unitType))) return;
        if (m_putInUse) m_putInUse(app.Settings());
        m_applied = true;
    }
    accept();
}

void frmSymbols::done(int result) {
    if (result != QDialog::Accepted) {
        m_editor.ClearChanged();
        m_applied = false;
    }
    QDialog::done(result);
}

frmSymbols* frmSymbols::Display(const AppContext& context, const ParameterCatalogue& catalogue,
                                QWidget* parent, PutInUse putInUse) {
    return Open(new frmSymbols(context, catalogue, std::move(putInUse), parent));
}

frmSymbols* frmSymbols::Display(const AppContext& context, const BeamSymbols& symbols,
                                QWidget* parent, PutInUse putInUse) {
    return Open(new frmSymbols(context, symbols, std::move(putInUse), parent));
}

frmSymbols* frmSymbols::Open(frmSymbols* dialog) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->adjustSize();  // centred by the size its layout gives, not the default one
    CSWindow().Center(dialog);
    dialog->open();
    return dialog;
}

}  // namespace lumarik
