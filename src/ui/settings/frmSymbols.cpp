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
const QString kFrameDistances = QStringLiteral("Abstände:");
const QString kFrameField = QStringLiteral("Feld:");
const QString kFrameCardinals = QStringLiteral("Kardinalpunkte:");
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

UserSymbolEditor LoadEditor(const AppContext& context, const ParameterCatalogue& catalogue) {
    const INICode settings = CSApplication(context).Settings();
    return UserSymbolEditor(catalogue, SymbolsFromIni(settings));
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

frmSymbols::frmSymbols(const AppContext& context, ParameterCatalogue& catalogue, QWidget* parent)
    : QDialog(parent),
      m_context(context),
      m_catalogue(catalogue),
      m_editor(LoadEditor(context, catalogue)) {
    setObjectName(QStringLiteral("frmSymbols"));
    setWindowTitle(kCaption);

    const auto addBox = [this](QFormLayout* form, int slot, const QString& suffix) {
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
    };
    const auto frame = [](const QString& caption, const QString& name, QFormLayout*& form) {
        auto* box = new QGroupBox(caption);
        box->setObjectName(name);
        form = new QFormLayout(box);
        form->setLabelAlignment(Qt::AlignLeft);
        return box;
    };

    QFormLayout* form = nullptr;
    std::vector<QLabel*> parameterLabels;
    QGroupBox* fraOptConj = frame(kFrameDistances, QStringLiteral("fraOptConj"), form);
    for (int k = 0; k < kFirstFieldPar; ++k) {
        parameterLabels.push_back(addBox(form, k, QStringLiteral("VarType_%1").arg(k)));
    }
    QGroupBox* fraOptFld = frame(kFrameField, QStringLiteral("fraOptFld"), form);
    for (int k = kFirstFieldPar; k < kSelectableCount; ++k) {
        parameterLabels.push_back(addBox(form, k, QStringLiteral("VarType_%1").arg(k)));
    }
    // The boxes of both parameter frames in one column.
    int labelWidth = 0;
    for (const QLabel* label : parameterLabels) {
        labelWidth = std::max(labelWidth, label->sizeHint().width());
    }
    for (QLabel* label : parameterLabels) label->setMinimumWidth(labelWidth);
    QGroupBox* fraCardPoints = frame(kFrameCardinals, QStringLiteral("fraCardPoints"), form);
    for (int i = 0; i < kCardinalCount; ++i) {
        addBox(form, CardinalSlot(i), QStringLiteral("CardPoint_%1").arg(i));
    }

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
    // A grid of characters rather than one long column.
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

    m_lbl = new QLabel(kNote, this);
    m_lbl->setObjectName(QStringLiteral("lbl"));
    m_lbl->setTextFormat(Qt::PlainText);
    m_lbl->setWordWrap(true);

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

    auto* parameters = new QVBoxLayout;
    parameters->addWidget(fraOptConj);
    parameters->addWidget(fraOptFld);
    parameters->addStretch(1);
    auto* cardinals = new QVBoxLayout;
    cardinals->addWidget(fraCardPoints);
    cardinals->addWidget(m_lbl);
    cardinals->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(parameters);
    columns->addLayout(cardinals);
    auto* characters = new QVBoxLayout;
    characters->addWidget(lblCharacters);
    characters->addWidget(m_lstSymbols, 1);
    columns->addLayout(characters, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_comOK);
    buttons->addWidget(m_comCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    connect(m_comOK, &QPushButton::clicked, this, &frmSymbols::OkClicked);
    connect(m_comCancel, &QPushButton::clicked, this, &QDialog::reject);
}

int frmSymbols::SlotOf(const QObject* box) const {
    for (int slot = 0; slot < kUserSymbolCount; ++slot) {
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
    for (int slot = 0; slot < kUserSymbolCount; ++slot) Commit(slot);
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
        if (!app.WriteSettings(m_editor.Entries(m_catalogue.UnitType()))) return;
        const INICode settings = app.Settings();
        m_catalogue.RebuildSymbols(m_catalogue.UnitType(), SymbolsFromIni(settings));
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

frmSymbols* frmSymbols::Display(const AppContext& context, ParameterCatalogue& catalogue,
                                QWidget* parent, std::function<void()> applied) {
    auto* dialog = new frmSymbols(context, catalogue, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, dialog, [dialog, applied = std::move(applied)] {
        if (dialog->m_applied && applied) applied();
    });
    dialog->adjustSize();  // centred by the size its layout gives, not the default one
    CSWindow().Center(dialog);
    dialog->open();
    return dialog;
}

}  // namespace lumarik
