// Builds the controls of the main window and lays them out. Every control carries its
// documented name as objectName (array members with "_index") and an accessible name.

#include <QCheckBox>
#include <QEvent>
#include <QPainter>
#include <algorithm>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/drawing/DrawingView.h"
#include "ui/mainwindow/MainWindowTexts.h"
#include "ui/mainwindow/frmLumarik.h"

namespace lumarik {
namespace {

template <typename W>
W* Named(W* widget, const QString& name, const QString& accessible = {}) {
    widget->setObjectName(name);
    if (!accessible.isEmpty()) widget->setAccessibleName(accessible);
    return widget;
}

QString Indexed(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

// Caption text without the mnemonic marks, for accessible names.
QString Plain(QString caption) {
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return caption.trimmed();
}

QCheckBox* NamedCheckBox(const QString& caption, const QString& name) {
    return Named(new QCheckBox(caption), name, Plain(caption));
}

// Long captions wrap in a label beside an untexted check box; clicking the label toggles the
// box, and the box keeps the caption as its accessible name.
class CaptionClick : public QObject {
public:
    CaptionClick(QCheckBox* box, QObject* parent) : QObject(parent), m_box(box) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease && m_box->isEnabled()) m_box->click();
        return false;
    }

private:
    QCheckBox* m_box;
};

QWidget* WithWrappedCaption(QCheckBox* box) {
    auto* holder = new QWidget;
    auto* label = new QLabel(box->text());
    label->setWordWrap(true);
    label->installEventFilter(new CaptionClick(box, label));
    box->setText(QString());
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box, 0, Qt::AlignTop);
    layout->addWidget(label, 1);
    return holder;
}

// A one-line label that shortens its text with "…" instead of cutting it off.
class ElidedLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, width());
        painter.drawText(rect(), static_cast<int>(alignment()), shown);
    }
};

QListWidget* NamedList(const QString& name, const QString& accessible) {
    auto* list = Named(new QListWidget, name, accessible);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    return list;
}

}  // namespace

void frmLumarik::BuildControls() {
    m_pctDrg = Named(new DrawingView, QStringLiteral("pctDrg"), windowtexts::kAccDrawing);
    m_pctDrg->setMinimumSize(200, 120);
    m_pctDrg->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    auto* drawingRow = new QHBoxLayout;
    drawingRow->addWidget(m_pctDrg, 3);
    drawingRow->addWidget(BuildExtraInfo(), 2);

    // Left: the distance and field choice, the value rows and the drawing. Right: the
    // aperture choice, the options and the results. The drawing and the result lists take
    // the room the window gains.
    auto* left = new QVBoxLayout;
    left->addWidget(BuildSelectionFrames());
    left->addWidget(BuildValueRows());
    left->addLayout(drawingRow, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(BuildApertureFrame());
    right->addWidget(BuildOptionsTabs());
    right->addWidget(BuildResults(), 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 2);
    columns->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addLayout(columns, 1);
    layout->addWidget(BuildButtons());
}

QWidget* frmLumarik::BuildSelectionFrames() {
    const ParameterCatalogue& catalogue = m_model.Catalogue();
    auto* frames = new QWidget;
    auto* layout = new QHBoxLayout(frames);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* distances =
        Named(new QGroupBox(windowtexts::kFrameDistances), QStringLiteral("fraOptConj"));
    auto* distanceLayout = new QVBoxLayout(distances);
    distanceLayout->setSpacing(1);
    auto* field = Named(new QGroupBox(windowtexts::kFrameField), QStringLiteral("fraOptFld"));
    auto* fieldLayout = new QVBoxLayout(field);
    fieldLayout->setSpacing(1);
    for (int k = 0; k < kSelectableCount; ++k) {
        const QString caption = QString::fromStdString(catalogue.Label(k)).trimmed();
        m_chkVarType[k] = NamedCheckBox(caption, Indexed("chkVarType", k));
        connect(m_chkVarType[k], &QCheckBox::toggled, this, [this, k] { SelectParameter(k); });
        (k < kFirstFieldPar ? distanceLayout : fieldLayout)->addWidget(m_chkVarType[k]);
        if (k == kParObjectDist) {
            m_chkObjAtInfinity =
                NamedCheckBox(windowtexts::kObjectAtInfinity, QStringLiteral("chkObjAtInfinity"));
            m_chkObjAtInfinity->setContentsMargins(20, 0, 0, 0);
            connect(m_chkObjAtInfinity, &QCheckBox::toggled, this,
                    &frmLumarik::ObjectAtInfinityClicked);
            auto* indent = new QHBoxLayout;
            indent->addSpacing(18);
            indent->addWidget(m_chkObjAtInfinity);
            distanceLayout->addLayout(indent);
        }
    }
    distanceLayout->addStretch(1);
    fieldLayout->addStretch(1);

    // The image-height presets sit under the field choice they belong to.
    m_cmbImagHeight = Named(new QComboBox, QStringLiteral("cmbImagHeight"));
    m_cmbImagHeight->addItem(windowtexts::kUserImageHeight);
    m_cmbImagHeight->setAccessibleName(windowtexts::kUserImageHeight);
    m_cmbImagHeight->setEnabled(false);
    m_cmbImagHeight->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cmbImagHeight->setMinimumContentsLength(18);
    auto* fieldColumn = new QVBoxLayout;
    fieldColumn->addWidget(field, 1);
    fieldColumn->addWidget(m_cmbImagHeight);
    layout->addWidget(distances);
    layout->addLayout(fieldColumn);
    layout->addStretch(1);
    return frames;
}

QWidget* frmLumarik::BuildApertureFrame() {
    const ParameterCatalogue& catalogue = m_model.Catalogue();
    auto* aperture =
        Named(new QGroupBox(windowtexts::kFrameAperture), QStringLiteral("fraOptAp1"));
    auto* apertureLayout = new QVBoxLayout(aperture);
    apertureLayout->setSpacing(1);
    for (int k = 0; k < kSelectableApertureCount; ++k) {
        const QString caption = QString::fromStdString(std::string(catalogue.ApertureCaption(k)));
        m_chkVarTypeAp[k] = NamedCheckBox(caption, Indexed("chkVarTypeAp", k));
        connect(m_chkVarTypeAp[k], &QCheckBox::toggled, this, [this, k] { SelectAperture(k); });
        apertureLayout->addWidget(m_chkVarTypeAp[k]);
    }
    apertureLayout->addStretch(1);

    return aperture;
}

ValueRowWidgets frmLumarik::BuildRow(const QString& suffix, int rowNumber, bool aperture) {
    auto name = [&](const char* base) {
        return aperture ? QLatin1String(base) + QStringLiteral("Ap_0")
                        : QStringLiteral("%1_%2").arg(QLatin1String(base), suffix);
    };
    auto accessible = [&](const QString& rowText, const QString& apText) {
        return aperture ? apText : rowText.arg(rowNumber);
    };
    ValueRowWidgets row;
    row.caption = Named(new QLabel, name("lblVarType"));
    row.caption->setWordWrap(true);
    row.caption->setFixedWidth(112);
    row.value = Named(new QLineEdit, name("txtVarType"),
                      accessible(windowtexts::kAccValue, windowtexts::kAccApValue));
    row.slider = Named(new QWidget, name("picSlider"));
    row.lower = Named(new QLineEdit, name("txtVarLimLow"),
                      accessible(windowtexts::kAccLower, windowtexts::kAccApLower));
    row.upper = Named(new QLineEdit, name("txtVarLimHi"),
                      accessible(windowtexts::kAccUpper, windowtexts::kAccApUpper));
    row.bar = Named(new QScrollBar(Qt::Horizontal), name("hscVarValue"),
                    accessible(windowtexts::kAccSlider, windowtexts::kAccApSlider));
    row.bar->setRange(0, 100);
    row.bar->setValue(50);
    row.bar->setSingleStep(1);
    row.bar->setPageStep(10);
    row.sliderCaption = Named(new ElidedLabel, name("lblSliderVarValue"));
    row.sliderCaption->setAlignment(Qt::AlignCenter);
    // The slider caption repeats the row caption; where the room is short it ends in "…".
    row.sliderCaption->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    row.value->setFixedWidth(84);
    // Wide enough for the placeholder of an undefined limit.
    for (QLineEdit* box : {row.lower, row.upper}) {
        const QString widest = windowtexts::kLowerLimitPlaceholder;
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(widest) + 14);
    }
    row.bar->setMinimumWidth(60);

    auto* sliderLayout = new QGridLayout(row.slider);
    sliderLayout->setContentsMargins(0, 0, 0, 0);
    sliderLayout->setVerticalSpacing(0);
    sliderLayout->addWidget(row.sliderCaption, 0, 1);
    sliderLayout->addWidget(row.lower, 1, 0);
    sliderLayout->addWidget(row.bar, 1, 1);
    sliderLayout->addWidget(row.upper, 1, 2);
    sliderLayout->setColumnStretch(1, 1);
    return row;
}

QWidget* frmLumarik::BuildValueRows() {
    auto* panel = new QWidget;
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < 3; ++i) {
        m_rows[i] = BuildRow(QString::number(i), i + 1, false);
        connect(m_rows[i].value, &QLineEdit::editingFinished, this, [this, i] { CommitValue(i); });
        connect(m_rows[i].lower, &QLineEdit::editingFinished, this, [this, i] { CommitLowerLimit(i); });
        connect(m_rows[i].upper, &QLineEdit::editingFinished, this, [this, i] { CommitUpperLimit(i); });
        connect(m_rows[i].bar, &QScrollBar::valueChanged, this, [this, i] { SliderMoved(i); });
    }
    m_apRow = BuildRow({}, 0, true);
    connect(m_apRow.value, &QLineEdit::editingFinished, this, [this] { CommitValue(kApertureRow); });
    connect(m_apRow.lower, &QLineEdit::editingFinished, this,
            [this] { CommitLowerLimit(kApertureRow); });
    connect(m_apRow.upper, &QLineEdit::editingFinished, this,
            [this] { CommitUpperLimit(kApertureRow); });
    connect(m_apRow.bar, &QScrollBar::valueChanged, this, [this] { SliderMoved(kApertureRow); });

    for (int i = 0; i <= kApertureRow; ++i) {
        const ValueRowWidgets& row = Row(i);
        grid->addWidget(row.caption, i, 0);
        grid->addWidget(row.value, i, 1);
        grid->addWidget(row.slider, i, 2);
    }
    grid->setColumnStretch(2, 1);
    m_comApFNosStandard = Named(new QPushButton(windowtexts::kStandardFNumbers),
                                QStringLiteral("comApFNosStandard"),
                                windowtexts::kStandardFNumbersTip);
    m_comApFNosStandard->setToolTip(windowtexts::kStandardFNumbersTip);
    m_comApFNosStandard->setVisible(false);
    grid->addWidget(m_comApFNosStandard, kApertureRow + 1, 1);

    return panel;
}

QWidget* frmLumarik::BuildOptionsTabs() {
    m_tabOptions = Named(new QTabWidget, QStringLiteral("tabOptions"));

    auto* options = new QWidget;
    auto* optionsLayout = new QVBoxLayout(options);
    optionsLayout->setSpacing(2);
    m_lstMirrorMode = Named(new QListWidget, QStringLiteral("lstMirrorMode"),
                            windowtexts::kLens + QStringLiteral(" / ") + windowtexts::kMirror);
    m_lstMirrorMode->addItems({windowtexts::kLens, windowtexts::kMirror});
    m_lstMirrorMode->setCurrentRow(0);
    m_lstMirrorMode->setMaximumHeight(m_lstMirrorMode->sizeHintForRow(0) * 2 + 6);
    m_chkAllowVirtualObj = NamedCheckBox(windowtexts::kAllowVirtualObj, QStringLiteral("chkAllowVirtualObj"));
    m_chkHideRemoteConjug =
        NamedCheckBox(windowtexts::kHideRemoteConjug, QStringLiteral("chkHideRemoteConjug"));
    QWidget* hideRemote = WithWrappedCaption(m_chkHideRemoteConjug);
    m_chkDrawParaxPoints =
        NamedCheckBox(windowtexts::kDrawParaxPoints, QStringLiteral("chkDrawParaxPoints"));
    m_lstOptions = Named(new QListWidget, QStringLiteral("lstOptions"), windowtexts::kTabOptions);
    for (const QString& text : {windowtexts::kOptionConstructionRays, windowtexts::kOptionShowExtra}) {
        auto* item = new QListWidgetItem(text, m_lstOptions);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    m_lstOptions->setMaximumHeight(m_lstOptions->sizeHintForRow(0) * 2 + 6);
    m_lstSymbols = Named(new QListWidget, QStringLiteral("lstSymbols"),
                         windowtexts::kStandardSymbols + QStringLiteral(" / ") +
                             windowtexts::kUserSymbols);
    m_lstSymbols->addItems({windowtexts::kStandardSymbols, windowtexts::kUserSymbols});
    m_lstSymbols->setToolTip(windowtexts::kSymbolStyleTip);
    m_lstSymbols->setMaximumHeight(m_lstSymbols->sizeHintForRow(0) * 2 + 6);
    m_comSymbols = Named(new QPushButton(windowtexts::kSymbolsButton),
                         QStringLiteral("comSymbols"), windowtexts::kSymbolsButtonTip);
    m_comSymbols->setToolTip(windowtexts::kSymbolsButtonTip);
    m_comSymbols->setEnabled(false);
    auto* symbolsRow = new QHBoxLayout;
    symbolsRow->addWidget(m_lstSymbols, 1);
    symbolsRow->addWidget(m_comSymbols, 0, Qt::AlignTop);
    for (QWidget* w : std::initializer_list<QWidget*>{m_lstMirrorMode, m_chkAllowVirtualObj,
                                                      hideRemote, m_chkDrawParaxPoints,
                                                      m_lstOptions}) {
        optionsLayout->addWidget(w);
    }
    optionsLayout->addLayout(symbolsRow);
    optionsLayout->addStretch(1);

    auto* advanced = new QWidget;
    auto* advancedLayout = new QGridLayout(advanced);
    advancedLayout->setVerticalSpacing(1);
    m_chkAdvOpt = NamedCheckBox(windowtexts::kAdvOpt, QStringLiteral("chkAdvOpt"));
    advancedLayout->addWidget(m_chkAdvOpt, 0, 0, 1, 2);
    for (int i = 0; i < 4; ++i) {
        m_lblAdv[i] = Named(new QLabel(windowtexts::kAdvLabels[i]), Indexed("lblAdv", i));
        m_txtAdv[i] = Named(new QLineEdit, Indexed("txtAdv", i), Plain(windowtexts::kAdvLabels[i]));
        m_txtAdv[i]->setEnabled(false);
        m_txtAdv[i]->setFixedWidth(90);
        m_lblAdvDef[i] = Named(new QLabel(windowtexts::kAdvDefaults[i]), Indexed("lblAdvDef", i));
        advancedLayout->addWidget(m_lblAdv[i], 1 + 2 * i, 0, 1, 2);
        advancedLayout->addWidget(m_txtAdv[i], 2 + 2 * i, 0);
        advancedLayout->addWidget(m_lblAdvDef[i], 2 + 2 * i, 1);
    }
    m_comDefAdvOpts = Named(new QPushButton(windowtexts::kAdvDefaultButton),
                            QStringLiteral("comDefAdvOpts"), windowtexts::kAdvDefaultButton);
    advancedLayout->addWidget(m_comDefAdvOpts, 9, 0);
    auto* note = new QLabel(windowtexts::kAdvNote);
    note->setWordWrap(true);
    advancedLayout->addWidget(note, 10, 0, 1, 2);
    advancedLayout->setColumnStretch(1, 1);
    advancedLayout->setRowStretch(11, 1);

    m_tabOptions->addTab(options, windowtexts::kTabOptions);
    m_tabOptions->addTab(advanced, windowtexts::kTabAdvanced);
    return m_tabOptions;
}

QWidget* frmLumarik::BuildResults() {
    auto* panel = new QWidget;
    auto* layout = new QGridLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    m_lstResNames = NamedList(QStringLiteral("lstResNames"), windowtexts::kAccResultNames);
    m_lstResVals = NamedList(QStringLiteral("lstResVals"), windowtexts::kAccResultValues);
    m_lblVirtualImage = Named(new QLabel, QStringLiteral("lblVirtualImage"));
    m_lblInvalidCalcs = Named(new QLabel, QStringLiteral("lblInvalidCalcs"));
    for (QLabel* label : {m_lblVirtualImage, m_lblInvalidCalcs}) {
        label->setAlignment(Qt::AlignCenter);
        label->setAutoFillBackground(true);
        label->setWordWrap(true);
        label->setVisible(false);
    }
    for (QListWidget* list : {m_lstResNames, m_lstResVals}) {
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    m_lstResNames->setMinimumWidth(190);
    m_lstResVals->setMinimumWidth(100);
    layout->addWidget(m_lstResNames, 0, 0);
    layout->addWidget(m_lstResVals, 0, 1);
    layout->addWidget(m_lblVirtualImage, 1, 0, 1, 2);
    layout->addWidget(m_lblInvalidCalcs, 2, 0, 1, 2);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);
    return panel;
}

QWidget* frmLumarik::BuildExtraInfo() {
    m_tabExtraInfo = Named(new QTabWidget, QStringLiteral("tabExtraInfo"));
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    layout->addWidget(new QLabel(windowtexts::kDepthOfFieldTitle), 0, 0, 1, 2);
    m_lstDOFNames = NamedList(QStringLiteral("lstDOFNames"), windowtexts::kDepthOfFieldTitle);
    m_lstDOFVals = NamedList(QStringLiteral("lstDOFVals"), windowtexts::kDepthOfFieldTitle);
    for (QListWidget* list : {m_lstDOFNames, m_lstDOFVals}) {
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Six rows whatever the style adds around an item.
        list->addItem(QStringLiteral("X"));
        const int row = std::max(list->sizeHintForRow(0), list->fontMetrics().height() + 2);
        list->clear();
        list->setFixedHeight(6 * row + 2 * list->frameWidth() + 4);
    }
    layout->setVerticalSpacing(2);
    layout->addWidget(m_lstDOFNames, 1, 0);
    layout->addWidget(m_lstDOFVals, 1, 1);
    m_lblDOFCalc = Named(new QLabel, QStringLiteral("lblDOFCalc"));
    m_lblDOFCalc->setWordWrap(true);
    m_lblDOFCalc->setAutoFillBackground(true);
    m_lblDOFCalc->setVisible(false);
    layout->addWidget(m_lblDOFCalc, 2, 0, 1, 2);

    auto* cofc = Named(new QGroupBox(windowtexts::kCircleOfConfusion), QStringLiteral("fraCofC"));
    auto* cofcLayout = new QGridLayout(cofc);
    m_optCofCType[0] = Named(new QRadioButton(windowtexts::kCofCCustom), Indexed("optCofCType", 0),
                             windowtexts::kCofCCustom);
    m_optCofCType[1] =
        Named(new QRadioButton(windowtexts::kCofCAiry), Indexed("optCofCType", 1), windowtexts::kCofCAiry);
    m_txtDOFCustom = Named(new QLineEdit, QStringLiteral("txtDOFCustom"), windowtexts::kCofCCustom);
    m_txtDOFCustom->setMaximumWidth(80);
    cofcLayout->addWidget(m_optCofCType[0], 0, 0);
    cofcLayout->addWidget(m_txtDOFCustom, 0, 1);
    cofcLayout->addWidget(m_optCofCType[1], 1, 0, 1, 2);
    layout->addWidget(cofc, 3, 0, 1, 2);
    layout->setRowStretch(4, 1);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);
    m_tabExtraInfo->addTab(page, windowtexts::kTabDepthOfField);
    m_tabExtraInfo->setVisible(false);
    return m_tabExtraInfo;
}

QWidget* frmLumarik::BuildButtons() {
    auto* panel = new QWidget;
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto button = [&](const QString& caption, const char* name, const QString& tip) {
        auto* b = Named(new QPushButton(caption), QLatin1String(name), Plain(caption));
        if (!tip.isEmpty()) b->setToolTip(tip);
        return b;
    };
    m_comUndo = button(windowtexts::kUndo, "comUndo", windowtexts::kUndoTip);
    m_comRecall = button(windowtexts::kRecall, "comRecall", windowtexts::kRecallTip);
    m_comClear = button(windowtexts::kClear, "comClear", windowtexts::kClearTip);
    m_comPrint = button(windowtexts::kPrint, "comPrint", windowtexts::kPrintTip);
    m_comAbout = button(windowtexts::kAbout, "comAbout", {});
    m_comHelp = button(windowtexts::kHelp, "comHelp", {});
    m_comEnd = button(windowtexts::kEnd, "comEnd", {});
    layout->addWidget(m_comUndo);
    layout->addWidget(m_comRecall);
    layout->addWidget(m_comClear);
    layout->addStretch(1);
    layout->addWidget(m_comHelp);
    layout->addWidget(m_comAbout);
    layout->addWidget(m_comPrint);
    layout->addWidget(m_comEnd);
    return panel;
}

}  // namespace lumarik
