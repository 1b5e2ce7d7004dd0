// Builds the controls of the main window and lays them out. Every control carries its
// documented name as objectName (array members with "_index") and an accessible name.

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>
#include <vector>

#include "core/model/ModelTexts.h"
#include "ui/beam/BeamExtraPanel.h"
#include "ui/chart/ChartTexts.h"
#include "ui/drawing/DrawingView.h"
#include "ui/mainwindow/MainWindowTexts.h"
#include "ui/mainwindow/frmLumarik.h"
#include "ui/shell/WidgetHelpers.h"

namespace lumarik {
namespace {

constexpr int kLeastSliderWidth = 160;
// Frame and inner margins of a text box around its text.
constexpr int kBoxPadding = 14;
// The longest texts a value box and the two lists of results can show.
const QString kWidestNumber = QStringLiteral("-0,12345678x");
const QString kWidestResult = QStringLiteral(" 100000,00mm     [Virtuell]");
const QString kWidestDepthOfField = QStringLiteral(" -1,00e+10mm");

template <typename W>
W* Named(W* widget, const QString& name, const QString& accessible = {}) {
    widget->setObjectName(name);
    if (!accessible.isEmpty()) widget->setAccessibleName(accessible);
    return widget;
}

// Caption text without the mnemonic marks, for accessible names.
QString Plain(QString caption) {
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return caption.trimmed();
}

// A check box as wide as its caption, so that a click beside the caption does not tick it.
QCheckBox* NamedCheckBox(const QString& caption, const QString& name) {
    auto* box = Named(new QCheckBox(caption), name, Plain(caption));
    box->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    return box;
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

QWidget* KeepRoom(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
    return widget;
}

QListWidget* NamedList(const QString& name, const QString& accessible) {
    auto* list = Named(new QListWidget, name, accessible);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

// Gives a list the least size that shows `rows` rows of its widest text uncut. An empty list
// takes `widest` in only for the measuring.
void FitList(QListWidget* list, int rows, const QStringList& widest = {}) {
    list->ensurePolished();
    const bool empty = list->count() == 0;
    if (empty) list->addItems(widest);
    const int frame = 2 * list->frameWidth();
    const int width = list->sizeHintForColumn(0) + frame;
    const int row = std::max(list->sizeHintForRow(0), list->fontMetrics().height());
    if (empty) list->clear();
    list->setMinimumSize(width, rows * row + frame);
}

// A name list and its value list read as one table: row i of one belongs to row i of the
// other, so they scroll and select together and only the value list shows a scroll bar.
void PairLists(QListWidget* names, QListWidget* values) {
    names->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QScrollBar* a = names->verticalScrollBar();
    QScrollBar* b = values->verticalScrollBar();
    QObject::connect(a, &QScrollBar::valueChanged, b, &QScrollBar::setValue);
    QObject::connect(b, &QScrollBar::valueChanged, a, &QScrollBar::setValue);
    const auto setRow = qOverload<int>(&QListWidget::setCurrentRow);
    QObject::connect(names, &QListWidget::currentRowChanged, values, setRow);
    QObject::connect(values, &QListWidget::currentRowChanged, names, setRow);
}

}  // namespace

void frmLumarik::BuildControls() {
    m_pctDrg = Named(new DrawingView, QStringLiteral("pctDrg"), windowtexts::kAccDrawing);
    m_pctDrg->setMinimumSize(200, 120);
    m_pctDrg->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    auto* drawingRow = new QHBoxLayout;
    drawingRow->addWidget(m_pctDrg, 3);
    drawingRow->addWidget(BuildExtraInfo(), 2);
    m_drawingRow = drawingRow;  // the beam's extra information joins it when first shown

    // Left: the distance, field and aperture choice, the value rows and the drawing. Right:
    // the options and the results. The drawing takes the room the window gains. Rows and
    // results keep their room while hidden, so that nothing moves under the mouse when they
    // come and go.
    auto* left = new QVBoxLayout;
    left->addWidget(BuildSelectionFrames());
    left->addWidget(BuildValueRows());
    left->addLayout(drawingRow, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(BuildOptionsTabs());
    right->addWidget(BuildResults(), 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addLayout(columns, 1);
    layout->addWidget(BuildButtons());
    SetTabOrder();
}

QWidget* frmLumarik::BuildSelectionFrames() {
    const ParameterCatalogue& catalogue = m_model.Catalogue();
    auto* frames = new QWidget;
    auto* layout = new QGridLayout(frames);
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

    m_cmbImagHeight = Named(new QComboBox, QStringLiteral("cmbImagHeight"));
    m_cmbImagHeight->addItem(windowtexts::kUserImageHeight);
    m_cmbImagHeight->setAccessibleName(windowtexts::kUserImageHeight);
    m_cmbImagHeight->setEnabled(false);
    // As wide as its longest entry, so that a chosen preset reads in full.
    m_cmbImagHeight->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    // The three choices side by side; the image-height presets under the field choice they
    // belong to, reaching under the aperture choice.
    m_fraOpt = {distances, field, static_cast<QGroupBox*>(BuildApertureFrame())};
    layout->addWidget(distances, 0, 0, 2, 1);
    layout->addWidget(field, 0, 1);
    layout->addWidget(m_fraOpt[2], 0, 2);
    layout->addWidget(m_cmbImagHeight, 1, 1, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    BuildBeamFrames(layout);
    layout->setColumnStretch(3, 1);
    return frames;
}

QWidget* frmLumarik::BuildApertureFrame() {
    const ParameterCatalogue& catalogue = m_model.Catalogue();
    auto* aperture = Named(new QGroupBox(windowtexts::kFrameAperture), QStringLiteral("fraOptAp1"));
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
    // One line for every distance or field label; the long aperture names wrap.
    row.caption->setWordWrap(true);
    int captionWidth = 0;
    QStringList labels;
    for (int k = 0; k < kSelectableCount; ++k) {
        labels << QString::fromStdString(m_model.Catalogue().Label(k));
    }
    for (int n = 0; n < kBeamSelectableCount; ++n) {
        labels << QString::fromStdString(m_doc.Beam().Symbols().Label(n));
    }
    for (const QString& label : labels) {
        captionWidth =
            std::max(captionWidth, row.caption->fontMetrics().horizontalAdvance(label.trimmed()));
    }
    row.caption->setFixedWidth(captionWidth + 2);
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
    // The arrow keys move by a hundredth of the range between the limits, Page Up/Down by a
    // tenth; the slider is reached by Tab like the boxes. Right and Page Up make the value
    // larger (a scroll bar turns the keys round by default).
    row.bar->setSingleStep(1);
    row.bar->setPageStep(10);
    row.bar->setInvertedControls(false);
    row.bar->setFocusPolicy(Qt::StrongFocus);
    row.bar->setMinimumWidth(kLeastSliderWidth);
    row.sliderCaption = Named(new ElidedLabel, name("lblSliderVarValue"));
    row.sliderCaption->setAlignment(Qt::AlignCenter);
    // The slider caption repeats the row caption over the whole slider container; only a
    // caption longer than that (user symbols) ends in "…".
    row.sliderCaption->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    row.sliderCaption->setFixedHeight(row.sliderCaption->fontMetrics().height());
    // The value box fits "-- Nicht definiert --" and the longest number; the limit boxes the
    // placeholder of an undefined limit.
    const QFontMetrics metrics = row.value->fontMetrics();
    row.value->setFixedWidth(std::max(metrics.horizontalAdvance(windowtexts::kNotDefined),
                                      metrics.horizontalAdvance(kWidestNumber)) +
                             kBoxPadding);
    for (QLineEdit* box : {row.lower, row.upper}) {
        box->setFixedWidth(metrics.horizontalAdvance(windowtexts::kLowerLimitPlaceholder) +
                           kBoxPadding);
    }

    auto* sliderLayout = new QGridLayout(row.slider);
    sliderLayout->setContentsMargins(0, 0, 0, 0);
    sliderLayout->setVerticalSpacing(0);
    sliderLayout->addWidget(row.sliderCaption, 0, 0, 1, 3);
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
        connect(m_rows[i].lower, &QLineEdit::editingFinished, this,
                [this, i] { CommitLowerLimit(i); });
        connect(m_rows[i].upper, &QLineEdit::editingFinished, this,
                [this, i] { CommitUpperLimit(i); });
        connect(m_rows[i].bar, &QScrollBar::valueChanged, this, [this, i] { SliderMoved(i); });
    }
    m_apRow = BuildRow({}, 0, true);
    connect(m_apRow.value, &QLineEdit::editingFinished, this,
            [this] { CommitValue(kApertureRow); });
    connect(m_apRow.lower, &QLineEdit::editingFinished, this,
            [this] { CommitLowerLimit(kApertureRow); });
    connect(m_apRow.upper, &QLineEdit::editingFinished, this,
            [this] { CommitUpperLimit(kApertureRow); });
    connect(m_apRow.bar, &QScrollBar::valueChanged, this, [this] { SliderMoved(kApertureRow); });

    for (int i = 0; i <= kApertureRow; ++i) {
        const ValueRowWidgets& row = Row(i);
        grid->addWidget(KeepRoom(row.caption), i, 0);
        grid->addWidget(KeepRoom(row.value), i, 1);
        grid->addWidget(KeepRoom(row.slider), i, 2);
    }
    grid->setColumnStretch(2, 1);
    m_comApFNosStandard =
        Named(new QPushButton(windowtexts::kStandardFNumbers), QStringLiteral("comApFNosStandard"),
              windowtexts::kStandardFNumbersTip);
    m_comApFNosStandard->setToolTip(windowtexts::kStandardFNumbersTip);
    m_comApFNosStandard->setVisible(false);
    KeepRoom(m_comApFNosStandard);
    grid->addWidget(m_comApFNosStandard, kApertureRow + 1, 1);

    return panel;
}

QWidget* frmLumarik::BuildOptionsTabs() {
    m_tabOptions = Named(new QTabWidget, QStringLiteral("tabOptions"));

    auto* options = new QWidget;
    auto* optionsLayout = new QVBoxLayout(options);
    optionsLayout->setSpacing(2);
    QWidget* beamOptions = BuildBeamOptions();
    optionsLayout->addWidget(m_chkGaussBeamMode);
    m_lstMirrorMode = Named(new QListWidget, QStringLiteral("lstMirrorMode"),
                            windowtexts::kLens + QStringLiteral(" / ") + windowtexts::kMirror);
    m_lstMirrorMode->addItems({windowtexts::kLens, windowtexts::kMirror});
    m_lstMirrorMode->setCurrentRow(0);
    FitList(m_lstMirrorMode, 2);
    m_lstMirrorMode->setMaximumHeight(m_lstMirrorMode->minimumHeight());
    m_chkAllowVirtualObj =
        NamedCheckBox(windowtexts::kAllowVirtualObj, QStringLiteral("chkAllowVirtualObj"));
    m_chkHideRemoteConjug =
        NamedCheckBox(windowtexts::kHideRemoteConjug, QStringLiteral("chkHideRemoteConjug"));
    QWidget* hideRemote = WithWrappedCaption(m_chkHideRemoteConjug);
    m_chkDrawParaxPoints =
        NamedCheckBox(windowtexts::kDrawParaxPoints, QStringLiteral("chkDrawParaxPoints"));
    m_lstOptions = Named(new QListWidget, QStringLiteral("lstOptions"), windowtexts::kTabOptions);
    for (const QString& text :
         {windowtexts::kOptionConstructionRays, windowtexts::kOptionShowExtra}) {
        auto* item = new QListWidgetItem(text, m_lstOptions);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    FitList(m_lstOptions, 2);
    m_lstOptions->setMaximumHeight(m_lstOptions->minimumHeight());
    m_lstSymbols =
        Named(new QListWidget, QStringLiteral("lstSymbols"),
              windowtexts::kStandardSymbols + QStringLiteral(" / ") + windowtexts::kUserSymbols);
    m_lstSymbols->addItems({windowtexts::kStandardSymbols, windowtexts::kUserSymbols});
    m_lstSymbols->setToolTip(windowtexts::kSymbolStyleTip);
    FitList(m_lstSymbols, 2);
    m_lstSymbols->setMaximumHeight(m_lstSymbols->minimumHeight());
    m_comSymbols = Named(new QPushButton(windowtexts::kSymbolsButton), QStringLiteral("comSymbols"),
                         windowtexts::kSymbolsButtonTip);
    m_comSymbols->setToolTip(windowtexts::kSymbolsButtonTip);
    m_comSymbols->setEnabled(false);
    auto* symbolsRow = new QHBoxLayout;
    symbolsRow->addWidget(m_lstSymbols, 1);
    symbolsRow->addWidget(m_comSymbols, 0, Qt::AlignTop);
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_lstMirrorMode, m_chkAllowVirtualObj, hideRemote,
                                         m_chkDrawParaxPoints, m_lstOptions}) {
        optionsLayout->addWidget(w);
    }
    optionsLayout->addWidget(beamOptions);
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
        label->setVisible(false);
    }
    const ParameterCatalogue& catalogue = m_model.Catalogue();
    QStringList names = {FromStd(texts::kEffectiveFNumber), FromStd(texts::kMtfCutOff),
                         QString::fromStdString(catalogue.Label(kParObjectFocal))};
    for (int k = 0; k < kSelectableCount; ++k) {
        names << QString::fromStdString(catalogue.Label(k));
    }
    for (int k = 0; k < kApertureCount; ++k) names << FromStd(catalogue.ApertureName(k));
    FitList(m_lstResNames, kListingRowCount, names);
    FitList(m_lstResVals, kListingRowCount, {kWidestResult});
    PairLists(m_lstResNames, m_lstResVals);
    KeepRoom(m_lstResNames);
    KeepRoom(m_lstResVals);
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
    QStringList dofNames;
    for (std::string_view name : texts::kDofRowNames) dofNames << FromStd(name);
    FitList(m_lstDOFNames, kDofRowCount, dofNames);
    FitList(m_lstDOFVals, kDofRowCount, {kWidestDepthOfField});
    for (QListWidget* list : {m_lstDOFNames, m_lstDOFVals}) {
        list->setFixedHeight(list->minimumHeight());
    }
    PairLists(m_lstDOFNames, m_lstDOFVals);
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
    m_optCofCType[1] = Named(new QRadioButton(windowtexts::kCofCAiry), Indexed("optCofCType", 1),
                             windowtexts::kCofCAiry);
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
    m_tabExtraInfo->addTab(BuildChartPage(), charttexts::kTab);
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
    m_comOpen = button(windowtexts::kOpen, "comOpen", windowtexts::kOpenTip);
    m_comSaveAs = button(windowtexts::kSaveAs, "comSaveAs", windowtexts::kSaveAsTip);
    m_comRecent = button(windowtexts::kRecent, "comRecent", {});
    m_comPrint = button(windowtexts::kPrint, "comPrint", windowtexts::kPrintTip);
    m_comAbout = button(windowtexts::kAbout, "comAbout", {});
    m_comHelp = button(windowtexts::kHelp, "comHelp", {});
    m_comEnd = button(windowtexts::kEnd, "comEnd", {});
    layout->addWidget(m_comUndo);
    layout->addWidget(m_comRecall);
    layout->addWidget(m_comClear);
    for (QPushButton* b : {m_comOpen, m_comSaveAs, m_comRecent}) layout->addWidget(b);
    layout->addStretch(1);
    layout->addWidget(m_comHelp);
    layout->addWidget(m_comAbout);
    layout->addWidget(m_comPrint);
    layout->addWidget(m_comEnd);
    return panel;
}

// Tab runs through each value row as value, lower limit, upper limit, slider; the result lists
// follow the options.
void frmLumarik::SetTabOrder() {
    for (int i = 0; i <= kApertureRow; ++i) {
        const ValueRowWidgets& row = Row(i);
        setTabOrder(row.value, row.lower);
        setTabOrder(row.lower, row.upper);
        setTabOrder(row.upper, row.bar);
    }
    setTabOrder(m_comSymbols, m_lstResNames);
    setTabOrder(m_lstResNames, m_lstResVals);
}

namespace {

// How much wider and higher the window must be so that no visible caption is cut: a one-line
// text needs its whole width, a wrapped one the height of its lines at its width.
QSize Shortfall(const QWidget* window) {
    QSize more(0, 0);
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        const auto* label = qobject_cast<const QLabel*>(w);
        if (label && label->wordWrap()) {
            more.rheight() =
                std::max(more.height(), label->heightForWidth(label->width()) - label->height());
        } else if (label || qobject_cast<const QCheckBox*>(w) ||
                   qobject_cast<const QRadioButton*>(w) || qobject_cast<const QPushButton*>(w)) {
            more.rwidth() = std::max(more.width(), w->sizeHint().width() - w->width());
        }
    }
    return more;
}

}  // namespace

// The window's least size is what its largest content needs: three value rows, the aperture
// row, the results, the extra information and the longest messages, within the screen. It is
// taken once, so that the window keeps its size while rows and panels come and go.
void frmLumarik::FitToContent() {
    struct Kept {
        QWidget* widget;
        bool visible;
    };
    std::vector<Kept> kept;
    auto reveal = [&kept](QWidget* w) {
        kept.push_back({w, !w->isHidden()});
        w->setVisible(true);
    };
    std::vector<std::pair<QLabel*, QString>> texts;
    auto sample = [&texts](QLabel* label, const QString& text) {
        texts.emplace_back(label, label->text());
        label->setText(text);
    };
    const QString widestLabel = QString::fromStdString(m_model.Catalogue().Label(kParTrack));
    for (int i = 0; i <= kApertureRow; ++i) {
        ValueRowWidgets& row = Row(i);
        for (QWidget* w : std::initializer_list<QWidget*>{row.caption, row.value, row.slider}) {
            reveal(w);
        }
        const QString caption =
            i == kApertureRow ? FromStd(m_model.Catalogue().ApertureName(kApFNumber)) : widestLabel;
        sample(row.caption, caption);
        sample(row.sliderCaption, caption);
    }
    // The beam controls share the places of the lens controls and count as well.
    for (QWidget* w : std::initializer_list<QWidget*>{m_comApFNosStandard,
                                                      m_lstResNames,
                                                      m_lstResVals,
                                                      m_pctDrg,
                                                      m_tabExtraInfo,
                                                      m_lblVirtualImage,
                                                      m_lblInvalidCalcs,
                                                      m_lblDOFCalc,
                                                      m_fraOpt[0],
                                                      m_fraOpt[1],
                                                      m_fraOpt[2],
                                                      m_fraGauss[0],
                                                      m_fraGauss[1],
                                                      m_fraGauss[2],
                                                      m_lstOptionsGB,
                                                      m_beamWavelengthRow,
                                                      m_chkGaussBeamAltSolution,
                                                      m_cmbImagHeight,
                                                      m_lstMirrorMode,
                                                      m_chkAllowVirtualObj,
                                                      m_chkHideRemoteConjug->parentWidget(),
                                                      m_lstOptions}) {
        reveal(w);
    }
    sample(m_lblVirtualImage, FromStd(texts::kVirtualObjectImageAtInfinity));
    sample(m_lblInvalidCalcs, FromStd(texts::kNoSolution));
    sample(m_lblDOFCalc, FromStd(texts::kDofBelowAiry));

    // Laid out as if shown, but kept off the screen: hidden panels are not laid out.
    setAttribute(Qt::WA_DontShowOnScreen, true);
    show();
    const QSize screen = this->screen()->availableGeometry().size();
    setMinimumSize(0, 0);
    QSize size = layout()->totalMinimumSize();
    for (int round = 0; round < 10; ++round) {
        resize(size);
        layout()->activate();
        const QSize more = Shortfall(this);
        if (more.width() <= 0 && more.height() <= 0) break;
        size += more.expandedTo(QSize(0, 0));
    }
    // Set anew, so that it counts as set by hand (the layout has set the same values) and no
    // later layout pass changes it.
    setMinimumSize(0, 0);
    setMinimumSize(size.boundedTo(screen));

    for (const auto& [label, text] : texts) label->setText(text);
    for (const Kept& k : kept) k.widget->setVisible(k.visible);
    hide();
    setAttribute(Qt::WA_DontShowOnScreen, false);
}

}  // namespace lumarik
