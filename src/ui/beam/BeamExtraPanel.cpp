#include "ui/beam/BeamExtraPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>
#include <functional>

#include "core/beam/BeamTexts.h"
#include "core/drawing/DrawingTexts.h"
#include "ui/beam/BeamPanelTexts.h"
#include "ui/shell/AppContext.h"
#include "ui/shell/CSApplication.h"
#include "ui/shell/DocumentHub.h"
#include "ui/shell/Prompter.h"
#include "ui/shell/SelectOnFocus.h"

namespace lumarik {

namespace texts = beampaneltexts;

namespace {

// The widest texts the option boxes show.
const QString kWidestOption = QStringLiteral("-0,000333mrad");
constexpr int kBoxPadding = 14;
constexpr int kDofRows = 7;

template <typename W>
W* Named(W* widget, const char* name, const QString& accessible = {}) {
    widget->setObjectName(QLatin1String(name));
    if (!accessible.isEmpty()) widget->setAccessibleName(accessible);
    return widget;
}

QLabel* WrappedLabel(const QString& text, const QString& name) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel* DescriptionLabel(const QString& text, int index) {
    return WrappedLabel(text, QStringLiteral("lblGBExtraDesc_%1").arg(index));
}

// A check box as wide as its caption, so that a click beside the caption does not tick it.
QCheckBox* CheckBox(const QString& caption, const char* name) {
    auto* box = Named(new QCheckBox(caption), name, caption);
    box->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    return box;
}

QLineEdit* OptionBox(const char* name, const QString& accessible, const QString& tip) {
    auto* box = Named(new QLineEdit, name, accessible);
    box->setToolTip(tip);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(kWidestOption) + kBoxPadding);
    return box;
}

// The core's texts break lines with CR LF.
QString Lines(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

bool SameRows(const LensTable& a, const LensTable& b) {
    if (a.header != b.header || a.rows.size() != b.rows.size()) return false;
    for (std::size_t i = 0; i < a.rows.size(); ++i) {
        const LensTableRow& x = a.rows[i];
        const LensTableRow& y = b.rows[i];
        if (x.cells != y.cells || x.first != y.first || x.second != y.second) return false;
    }
    return true;
}

}  // namespace

BeamExtraPanel::BeamExtraPanel(DocumentHub& hub, const AppContext& context, QWidget* parent)
    : QTabWidget(parent),
      m_hub(hub),
      m_doc(hub.Doc()),
      m_prompter(context.prompter),
      m_systems(
          ReadSampleSystems(QFile::encodeName(CSApplication(context).DataPath()).toStdString())),
      m_samples(LensSamplesFrom(m_systems)) {
    setObjectName(QStringLiteral("tabExtraInfoGB"));
    addTab(BuildDepthOfFocusPage(), texts::kTabDepthOfFocus);
    addTab(BuildOptionsPage(), texts::kTabOptions);
    addTab(BuildLensPage(), texts::kTabLenses);
    addTab(BuildDiodePage(), texts::kTabDiode);
    SelectWholeTextOnFocus(this);
    Connect();
    ConnectDiode();
    Refresh();
    connect(&m_hub, &DocumentHub::Changed, this, &BeamExtraPanel::Changed);
}

bool BeamExtraPanel::Wanted(const LumarikDocument& doc) {
    const GaussianBeam& beam = doc.Beam();
    const BeamAxisFlags& flags = beam.Flags(0);
    return doc.BeamMode() && doc.Opts().showExtraGB && beam.Selection(0).Count() > 0 &&
           (!flags.objBeamMissing || !flags.imgBeamMissing);
}

void BeamExtraPanel::Changed(unsigned changes) {
    if (!isHidden() && (changes & ~(kChangeDrawing | kChangeDepthOfField | kChangeFile))) {
        Refresh();
    }
}

BeamExtraPanel::~BeamExtraPanel() {
    // A box that loses the focus while the controls are deleted must not reach the handlers.
    for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
}

QWidget* BeamExtraPanel::BuildDepthOfFocusPage() {
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    layout->addWidget(DescriptionLabel(texts::kDofDescription, 0), 0, 0, 1, 3);

    m_lstDofPercent = Named(new QListWidget, "lstGBExtraDOFPercent", texts::kDofText);
    m_lstDofPercent->setToolTip(texts::kDofListTip);
    m_lstDofPercent->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lstDofPercent->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_lstDofPercent->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_lstDofPercent->ensurePolished();
    for (const std::string& entry : m_doc.Beam().DofEntryTexts()) {
        m_lstDofPercent->addItem(QString::fromStdString(entry));
    }
    const int frame = 2 * m_lstDofPercent->frameWidth();
    m_lstDofPercent->setFixedSize(m_lstDofPercent->sizeHintForColumn(0) + frame + kBoxPadding,
                                  kDofRows * m_lstDofPercent->sizeHintForRow(0) + frame);
    layout->addWidget(m_lstDofPercent, 1, 0, Qt::AlignTop);

    auto* dof = new QVBoxLayout;
    dof->addWidget(Named(new QLabel(texts::kDofText), "lblGBExtraDOFText"));
    m_lblDofVal = Named(new QLabel, "lblGBExtraDOFVal");
    m_lblDofVal->setTextInteractionFlags(Qt::TextSelectableByMouse);
    dof->addWidget(m_lblDofVal);
    dof->addStretch(1);
    layout->addLayout(dof, 1, 1);

    auto* spot = new QGridLayout;
    spot->addWidget(Named(new QLabel(texts::kMinSpot), "lblGBExtraMinSpot"), 0, 0);
    m_txtMinSpot = OptionBox("txtGMExtraMinSpotD", texts::kMinSpot, texts::kMinSpotTip);
    spot->addWidget(m_txtMinSpot, 0, 1);
    m_lblMinSpotRes = Named(new QLabel, "lblGBExtraMinSpotRes");
    m_lblMinSpotRes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblMinSpotRes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    spot->addWidget(m_lblMinSpotRes, 1, 0, 1, 2);
    spot->setRowStretch(2, 1);
    layout->addLayout(spot, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(1, 1);
    return page;
}

// The pages stand in two columns, a caption and its box, so that the panel leaves the drawing
// beside it most of the row at the window's first size; a check box stands under the box it
// belongs to.
QWidget* BeamExtraPanel::BuildOptionsPage() {
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    layout->setVerticalSpacing(2);
    layout->addWidget(DescriptionLabel(texts::kOptionsDescription, 1), 0, 0, 1, 2);

    auto* m2Label = new QHBoxLayout;
    m2Label->setSpacing(0);
    m2Label->addWidget(Named(new QLabel(texts::kM2Label), "lblExtraOpt2"));
    m2Label->addWidget(new QLabel(texts::kM2LabelEnd));
    m2Label->addStretch(1);
    layout->addLayout(m2Label, 1, 0);
    m_txtMFactor = OptionBox("txtGBExtraMFactor", texts::kM2Accessible, texts::kM2Tip);
    layout->addWidget(m_txtMFactor, 1, 1);
    m_chkM2Use = CheckBox(texts::kM2Use, "chkGBExtraM2Use");
    m_chkM2Use->setToolTip(texts::kM2UseTip);
    layout->addWidget(m_chkM2Use, 2, 1);

    layout->addWidget(Named(new QLabel(texts::kFixedDetector), "lblExtraGBFixedDet"), 3, 0);
    m_txtDetector = OptionBox("txtGBExtraDetector", texts::kFixedDetector, texts::kDetectorTip);
    layout->addWidget(m_txtDetector, 3, 1);
    m_chkDetector = CheckBox(texts::kDetector, "chkGBExtraDetector");
    m_chkDetector->setToolTip(texts::kDetector);
    layout->addWidget(m_chkDetector, 4, 1);

    m_cmbDrgScales = Named(new QComboBox, "cmbGBDrgScales", texts::kDrawScales);
    for (std::string_view entry : drawtexts::kBeamScales) {
        m_cmbDrgScales->addItem(QString::fromUtf8(entry.data(), static_cast<int>(entry.size())));
    }
    m_cmbDrgScales->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    layout->addWidget(m_cmbDrgScales, 5, 0);
    m_txtDrgScale = OptionBox("txtGBExtraDrgScale", texts::kDrawScaleTip, texts::kDrawScaleTip);
    layout->addWidget(m_txtDrgScale, 5, 1);

    layout->addWidget(new QLabel(texts::kLensAperture), 6, 0);
    m_txtLensAperture =
        OptionBox("txtGBExtraLensAperture", texts::kLensAperture, texts::kLensApertureTip);
    layout->addWidget(m_txtLensAperture, 6, 1);
    layout->addWidget(new QLabel(texts::kDetectorAperture), 7, 0);
    m_txtDetectorAperture = OptionBox("txtGBExtraDetectorAperture", texts::kDetectorAperture,
                                      texts::kDetectorApertureTip);
    layout->addWidget(m_txtDetectorAperture, 7, 1);
    m_lblTransmission = Named(new QLabel, "lblGBExtraTransmission");
    layout->addWidget(m_lblTransmission, 8, 0, 1, 2);
    layout->setRowStretch(9, 1);
    return page;
}

QWidget* BeamExtraPanel::BuildLensPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(DescriptionLabel(texts::kLensDescription, 2));
    m_ssLenses = Named(new QTableWidget(0, 3), "ssGBExtraLenses", texts::kTabLenses);
    m_ssLenses->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_ssLenses->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_ssLenses->setSelectionMode(QAbstractItemView::SingleSelection);
    m_ssLenses->verticalHeader()->setVisible(false);
    m_ssLenses->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_ssLenses->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_ssLenses->verticalHeader()->setDefaultSectionSize(m_ssLenses->fontMetrics().height() + 2);
    m_ssLenses->setFixedHeight(m_ssLenses->horizontalHeader()->sizeHint().height() +
                               kLensTableRows * m_ssLenses->verticalHeader()->defaultSectionSize() +
                               2 * m_ssLenses->frameWidth());
    layout->addWidget(m_ssLenses);
    // Two descriptions of a cylinder pair may need more lines than the page has left.
    m_lblLensDesc = WrappedLabel(texts::kLensHint, QStringLiteral("lblGBExtraLensDesc"));
    m_lblLensDesc->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(m_lblLensDesc);
    layout->addWidget(scroll, 1);
    return page;
}

QWidget* BeamExtraPanel::BuildDiodePage() {
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    layout->setVerticalSpacing(4);
    layout->addWidget(DescriptionLabel(texts::kDiodeDescription, 3), 0, 0, 1, 2);
    m_chkDiodeMode = CheckBox(texts::kDiodeMode, "chkGBExtraDiodeMode");
    layout->addWidget(m_chkDiodeMode, 1, 0, 1, 2);

    layout->addWidget(Named(new QLabel(texts::kDiodeParam), "lblGBExtraDiodeParam"), 2, 0, 1, 2);
    m_cmbParamType = Named(new QComboBox, "cmbGBExtraDiodeParamType", texts::kDiodeParam);
    m_cmbParamType->setToolTip(texts::kDiodeParamTypeTip);
    m_cmbParamType->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    layout->addWidget(m_cmbParamType, 3, 0);
    m_txtParamVal = OptionBox("txtGBExtraDiodeParamVal", texts::kDiodeParamValueTip.trimmed(),
                              texts::kDiodeParamValueTip);
    layout->addWidget(m_txtParamVal, 3, 1);
    auto* m2 = new QHBoxLayout;
    m2->addWidget(new QLabel(texts::kDiodeM2Symbol));
    m_txtDiodeM2 = OptionBox("txtGBExtraDiodeMFactor", texts::kDiodeM2Accessible, texts::kM2Tip);
    m2->addWidget(m_txtDiodeM2);
    m2->addWidget(Named(new QLabel(texts::kDiodeM2Label), "lblGBExtraDiodeMFactor"));
    m2->addStretch(1);
    layout->addLayout(m2, 4, 0, 1, 2);

    m_chkCircularise = CheckBox(texts::kCircularise, "chkGBExtraBeamRectCircularise");
    layout->addWidget(m_chkCircularise, 5, 0, 1, 2);
    layout->addWidget(Named(new QLabel(texts::kBothSections), "Label2"), 6, 0, 1, 2);
    m_cmbCircMode = Named(new QComboBox, "cmbGBExtraBeamRectCircMode", texts::kCircModeTip);
    m_cmbCircMode->setToolTip(texts::kCircModeTip);
    for (std::string_view mode : beamtexts::kCollimationModes)
        m_cmbCircMode->addItem(FromStd(mode));
    layout->addWidget(m_cmbCircMode, 7, 0, 1, 2, Qt::AlignLeft);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(8, 1);
    return page;
}

void BeamExtraPanel::Connect() {
    connect(m_chkM2Use, &QCheckBox::toggled, this,
            [this](bool on) { m_hub.Edit([on](LumarikDocument& d) { d.SetUseM2(on); }); });
    connect(m_chkDetector, &QCheckBox::toggled, this,
            [this](bool on) { m_hub.Edit([on](LumarikDocument& d) { d.SetDetectorOn(on); }); });
    const std::pair<QLineEdit*, BeamOption> boxes[] = {
        {m_txtMFactor, BeamOption::kM2},
        {m_txtDetector, BeamOption::kDetector},
        {m_txtMinSpot, BeamOption::kMinSpot},
        {m_txtParamVal, BeamOption::kDiodeParam},
        {m_txtDiodeM2, BeamOption::kDiodeM2},
        {m_txtLensAperture, BeamOption::kLensAperture},
        {m_txtDetectorAperture, BeamOption::kDetectorAperture},
    };
    for (const auto& [box, option] : boxes) {
        connect(box, &QLineEdit::editingFinished, this,
                [this, box = box, option = option] { CommitOption(option, box); });
    }
    connect(m_txtDrgScale, &QLineEdit::editingFinished, this, &BeamExtraPanel::CommitDrawScale);
    connect(m_cmbDrgScales, &QComboBox::activated, this, [this](int index) {
        m_hub.Edit([index](LumarikDocument& d) { d.SetBeamDrawScaleType(index); });
    });
    connect(m_lstDofPercent, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) m_hub.Edit([row](LumarikDocument& d) { d.SetDofIndex(row); });
    });
    connect(m_ssLenses, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (m_hub.Busy()) return;
        m_lblLensDesc->setText(Lines(LensRowDescription(m_lensTable, row, m_systems)));
    });
    connect(this, &QTabWidget::currentChanged, this, [this] {
        if (m_hub.Busy()) return;
        ShowDepthOfFocus();
        ShowLensTable();
    });
}

// Each laser-diode action is one undo step; the user's choice in a list only (the program sets
// the lists with setCurrentIndex). A new collimation mode takes effect at the next calculation;
// a new parameter type keeps the y section's beam, now described by the chosen quantity.
void BeamExtraPanel::ConnectDiode() {
    connect(m_chkDiodeMode, &QCheckBox::toggled, this,
            [this](bool on) { m_hub.Edit([on](LumarikDocument& d) { d.SwitchDiodeMode(on); }); });
    connect(m_chkCircularise, &QCheckBox::toggled, this, [this](bool on) {
        m_hub.Edit([on](LumarikDocument& d) { d.SwitchCircularisation(on); });
    });
    connect(m_cmbCircMode, &QComboBox::activated, this, [this](int index) {
        m_hub.Edit([index](LumarikDocument& d) { d.SetCollimationMode(index); });
    });
    connect(m_cmbParamType, &QComboBox::activated, this, [this](int index) {
        if (index < 0) return;
        const auto number = static_cast<BeamQuantity>(m_cmbParamType->itemData(index).toInt());
        m_hub.Edit([number](LumarikDocument& d) { d.ChooseDiodeParamType(number); });
    });
}

void BeamExtraPanel::Refresh() {
    const GaussianBeam& beam = m_doc.Beam();
    SetChecked(m_chkM2Use, beam.UseM2());
    WriteBox(m_txtMFactor, QString::fromStdString(beam.OptionText(BeamOption::kM2)));
    m_txtMFactor->setEnabled(beam.UseM2());
    SetChecked(m_chkDetector, beam.DetectorOn());
    WriteBox(m_txtDetector, QString::fromStdString(beam.OptionText(BeamOption::kDetector)));
    m_txtDetector->setEnabled(beam.DetectorOn());
    WriteBox(m_txtMinSpot, QString::fromStdString(beam.OptionText(BeamOption::kMinSpot)));
    m_lblMinSpotRes->setText(Lines(beam.MinimumSpotText()));
    WriteBox(m_txtLensAperture, QString::fromStdString(beam.OptionText(BeamOption::kLensAperture)));
    WriteBox(m_txtDetectorAperture,
             QString::fromStdString(beam.OptionText(BeamOption::kDetectorAperture)));
    m_txtDetectorAperture->setEnabled(beam.DetectorOn());
    m_lblTransmission->setText(Lines(beam.TransmissionText()));
    ShowDrawScale();
    ShowDepthOfFocus();
    ShowLensTable();
    ShowDiodeControls();
}

void BeamExtraPanel::ShowDepthOfFocus() {
    const GaussianBeam& beam = m_doc.Beam();
    {
        const QSignalBlocker block(m_lstDofPercent);
        const std::vector<std::string> entries = beam.DofEntryTexts();
        for (int i = 0; i < m_lstDofPercent->count(); ++i) {
            m_lstDofPercent->item(i)->setText(
                QString::fromStdString(entries[static_cast<std::size_t>(i)]));
        }
        m_lstDofPercent->setCurrentRow(beam.DofIndex());
    }
    m_lblDofVal->setText(QString::fromStdString(beam.DepthOfFocusText(0)));
}

void BeamExtraPanel::ShowLensTable() {
    LensTable table = m_doc.Beam().LensTableFor(m_samples);
    if (SameRows(table, m_lensTable) &&
        m_ssLenses->rowCount() == static_cast<int>(table.rows.size()))
        return;
    m_lensTable = std::move(table);
    const QSignalBlocker block(m_ssLenses);
    m_ssLenses->clearContents();
    m_ssLenses->setRowCount(static_cast<int>(m_lensTable.rows.size()));
    QStringList header;
    for (const std::string& h : m_lensTable.header) header << QString::fromStdString(h);
    m_ssLenses->setHorizontalHeaderLabels(header);
    for (int r = 0; r < m_ssLenses->rowCount(); ++r) {
        for (int c = 0; c < 3; ++c) {
            const std::string& cell = m_lensTable.rows[static_cast<std::size_t>(r)].cells[c];
            auto* item = new QTableWidgetItem(QString::fromStdString(cell));
            item->setToolTip(item->text());
            m_ssLenses->setItem(r, c, item);
        }
    }
    // Two names of cylinder lenses do not fit beside each other: they share the width left
    // by the focal lengths and are shortened, the whole name in the tooltip.
    const bool pairs = !m_lensTable.rows.empty() && m_lensTable.rows.front().second >= 0;
    QHeaderView* columns = m_ssLenses->horizontalHeader();
    columns->setSectionResizeMode(0, pairs ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
    columns->setSectionResizeMode(1, pairs ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
    columns->setSectionResizeMode(2, pairs ? QHeaderView::ResizeToContents : QHeaderView::Stretch);
    m_ssLenses->setCurrentCell(-1, -1);
    m_lblLensDesc->setText(m_lensTable.rows.empty() ? QString() : texts::kLensHint);
}

void BeamExtraPanel::ShowDiodeControls() {
    const GaussianBeam& beam = m_doc.Beam();
    const DiodeControls c = beam.DiodeControlStates();
    SetChecked(m_chkDiodeMode, beam.DiodeMode());
    m_chkCircularise->setEnabled(c.circulariseEnabled);
    SetChecked(m_chkCircularise, c.circulariseTicked);
    {
        const QSignalBlocker block(m_cmbCircMode);
        m_cmbCircMode->setCurrentIndex(c.collimationIndex);
    }
    m_cmbCircMode->setEnabled(c.collimationEnabled);
    {
        // The entries carry the symbols in use.
        const QSignalBlocker block(m_cmbParamType);
        m_cmbParamType->clear();
        for (const DiodeParamEntry& entry : beam.DiodeParamEntries()) {
            m_cmbParamType->addItem(QString::fromStdString(entry.text), entry.number);
        }
        m_cmbParamType->setCurrentIndex(c.paramTypeIndex);
    }
    m_cmbParamType->setEnabled(c.paramTypeEnabled);
    WriteBox(m_txtParamVal, QString::fromStdString(c.paramValueText));
    m_txtParamVal->setEnabled(c.paramValueEnabled);
    WriteBox(m_txtDiodeM2, QString::fromStdString(c.diodeM2Text));
    m_txtDiodeM2->setEnabled(c.diodeM2Enabled);
}

void BeamExtraPanel::CommitOption(BeamOption option, QLineEdit* box) {
    if (UnchangedSinceWritten(box)) return;
    const std::string typed = box->text().toStdString();
    OptionalAsker asker(m_prompter);
    std::string_view message;
    m_hub.Edit([&](LumarikDocument& d) {
        message = d.CommitBeamOption(option, typed, asker.Get()).message;
    });
    if (!message.empty() && m_prompter) {
        m_prompter->Message(FromStd(message), PromptIcon::Exclamation);
    }
}

void BeamExtraPanel::ShowDrawScale() {
    {
        const QSignalBlocker block(m_cmbDrgScales);
        m_cmbDrgScales->setCurrentIndex(m_doc.Opts().beamDrawScaleType);
    }
    WriteBox(m_txtDrgScale, QString::fromStdString(m_doc.BeamDrawScaleText()));
    m_txtDrgScale->setEnabled(m_doc.BeamDrawScaleEnabled());
}

void BeamExtraPanel::CommitDrawScale() {
    if (UnchangedSinceWritten(m_txtDrgScale)) return;
    const std::string typed = m_txtDrgScale->text().toStdString();
    OptionalAsker asker(m_prompter);
    m_hub.Edit([&](LumarikDocument& d) { d.CommitBeamDrawScale(typed, asker.Get()); });
}

}  // namespace lumarik
