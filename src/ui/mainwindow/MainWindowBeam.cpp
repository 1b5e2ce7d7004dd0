// The Gaussian-beam mode of the main window: its selection frames and options, the switch
// between the modes, and the beam calculation cycle, which shows what the document's beam
// solution and listing return.

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/model/ModelTexts.h"
#include "ui/beam/BeamExtraPanel.h"
#include "ui/beam/popEditParamWave.h"
#include "ui/drawing/DrawingView.h"
#include "ui/mainwindow/MainWindowTexts.h"
#include "ui/mainwindow/frmLumarik.h"
#include "ui/shell/WidgetHelpers.h"

namespace lumarik {
namespace {

constexpr int kBeamFrames = 3;

}  // namespace

// The beam boxes of one frame. The two sides carry the same captions, so a box's accessible
// name also names its frame.
QGroupBox* frmLumarik::BuildBeamFrame(const QString& caption, const char* name, int first,
                                      int last) {
    auto* frame = new QGroupBox(caption);
    frame->setObjectName(QLatin1String(name));
    frame->setAccessibleName(caption);
    auto* layout = new QVBoxLayout(frame);
    layout->setSpacing(1);
    const bool beamSide = first >= kFirstObjectBeam;
    for (int n = first; n <= last; ++n) {
        auto* box = new QCheckBox(windowtexts::kBeamBoxes[n]);
        box->setObjectName(Indexed("chkVarTypeGB", n));
        box->setAccessibleName(
            beamSide ? QStringLiteral("%1 (%2)").arg(windowtexts::kBeamBoxes[n].trimmed(), caption)
                     : windowtexts::kBeamBoxes[n].trimmed());
        box->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
        box->setVisible(n != kBeamWaistToWaist);  // t is an output only
        connect(box, &QCheckBox::toggled, this, [this, n] { SelectBeamParameter(n); });
        layout->addWidget(box);
        m_chkVarTypeGB[static_cast<std::size_t>(n)] = box;
    }
    layout->addStretch(1);
    frame->setVisible(false);
    return frame;
}

// The beam frames share the place of the lens frames: the long caption of the conjugate frame
// over the first two columns, the two beam sides one above the other in the third.
void frmLumarik::BuildBeamFrames(QGridLayout* layout) {
    m_fraGauss[0] =
        BuildBeamFrame(windowtexts::kFrameGaussCong, "fraGaussCong", kBeamFocal, kBeamWaistToWaist);
    m_fraGauss[1] = BuildBeamFrame(windowtexts::kFrameGaussBeamObj, "fraGaussBeamObj",
                                   kBeamObjRadius, kBeamObjRayleigh);
    m_fraGauss[2] = BuildBeamFrame(windowtexts::kFrameGaussBeamImg, "fraGaussBeamImg",
                                   kBeamImgRadius, kBeamImgRayleigh);
    layout->addWidget(m_fraGauss[0], 0, 0, 1, 2);
    layout->addWidget(m_fraGauss[1], 0, 2);
    layout->addWidget(m_fraGauss[2], 1, 2);
    m_chkGaussBeamAltSolution = new QCheckBox(windowtexts::kAltSolution);
    m_chkGaussBeamAltSolution->setObjectName(QStringLiteral("chkGaussBeamAltSolution"));
    m_chkGaussBeamAltSolution->setAccessibleName(windowtexts::kAltSolution);
    m_chkGaussBeamAltSolution->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    m_chkGaussBeamAltSolution->setEnabled(false);
    m_chkGaussBeamAltSolution->setVisible(false);
    layout->addWidget(m_chkGaussBeamAltSolution, 1, 0, 1, 2, Qt::AlignLeft | Qt::AlignTop);
}

// The mode box, the beam options list and the wavelength row of the options page.
QWidget* frmLumarik::BuildBeamOptions() {
    m_chkGaussBeamMode = new QCheckBox(windowtexts::kGaussBeamMode);
    m_chkGaussBeamMode->setObjectName(QStringLiteral("chkGaussBeamMode"));
    m_chkGaussBeamMode->setAccessibleName(windowtexts::kGaussBeamMode);
    m_chkGaussBeamMode->setToolTip(windowtexts::kGaussBeamModeTip);
    // As wide as its caption, so that a click beside the caption does not tick it.
    m_chkGaussBeamMode->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);

    m_lstOptionsGB = new QListWidget;
    m_lstOptionsGB->setObjectName(QStringLiteral("lstOptionsGB"));
    m_lstOptionsGB->setAccessibleName(windowtexts::kOptionsGB);
    m_lstOptionsGB->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* item = new QListWidgetItem(windowtexts::kOptionsGB, m_lstOptionsGB);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
    m_lstOptionsGB->ensurePolished();
    const int frame = 2 * m_lstOptionsGB->frameWidth();
    m_lstOptionsGB->setFixedHeight(m_lstOptionsGB->sizeHintForRow(0) + frame);
    m_lstOptionsGB->setMinimumWidth(m_lstOptionsGB->sizeHintForColumn(0) + frame);
    m_lstOptionsGB->setVisible(false);

    m_beamWavelengthRow = new QWidget;
    auto* row = new QHBoxLayout(m_beamWavelengthRow);
    row->setContentsMargins(0, 0, 0, 0);
    m_txtGBWavelen = new QLineEdit;
    m_txtGBWavelen->setObjectName(QStringLiteral("txtGBWavelen"));
    m_txtGBWavelen->setAccessibleName(windowtexts::kWaveTip);
    m_txtGBWavelen->setToolTip(windowtexts::kWaveTip);
    m_txtGBWavelen->setFixedWidth(
        m_txtGBWavelen->fontMetrics().horizontalAdvance(QStringLiteral("100000,0nm")) + 14);
    m_comGBWavelen = new QPushButton(windowtexts::kWaveButton);
    m_comGBWavelen->setObjectName(QStringLiteral("comGBWavelen"));
    m_comGBWavelen->setAccessibleName(windowtexts::kWaveButtonTip);
    m_comGBWavelen->setToolTip(windowtexts::kWaveButtonTip);
    auto* label = new QLabel(windowtexts::kWaveLabel);
    label->setObjectName(QStringLiteral("lblGBWave"));
    row->addWidget(m_txtGBWavelen);
    row->addWidget(m_comGBWavelen);
    row->addWidget(label);
    row->addStretch(1);
    m_beamWavelengthRow->setVisible(false);

    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_lstOptionsGB);
    layout->addWidget(m_beamWavelengthRow);
    return panel;
}

void frmLumarik::ConnectBeam() {
    connect(m_chkGaussBeamMode, &QCheckBox::toggled, this, &frmLumarik::BeamModeClicked);
    connect(m_chkGaussBeamAltSolution, &QCheckBox::toggled, this, &frmLumarik::AltSolutionClicked);
    connect(m_lstOptionsGB, &QListWidget::itemChanged, this, &frmLumarik::OptionsGBItemChanged);
    connect(m_txtGBWavelen, &QLineEdit::editingFinished, this,
            &frmLumarik::ApplyBeamWavelengthEntry);
    connect(m_comGBWavelen, &QPushButton::clicked, this, &frmLumarik::ShowWavelengthPicker);
}

// ---- handlers ---------------------------------------------------------------------------

void frmLumarik::BeamModeClicked() {
    if (m_updateGuard != UpdateGuard::kFree) {
        SetChecked(m_chkGaussBeamMode, m_doc.BeamMode());
        return;
    }
    GuardScope guard(m_updateGuard);
    m_doc.SetBeamMode(m_chkGaussBeamMode->isChecked());
    RefreshCaption();
    ApplyModeLayout();
    RunCycle();
}

void frmLumarik::SelectBeamParameter(int n) {
    QCheckBox* box = m_chkVarTypeGB[static_cast<std::size_t>(n)];
    if (m_updateGuard != UpdateGuard::kFree) {
        SetChecked(box, m_doc.Beam().Selection(0).Contains(n));
        return;
    }
    GuardScope guard(m_updateGuard);
    const BeamSelectResult result = m_doc.SelectBeamParameter(n, box->isChecked());
    if (result.outcome != BeamSelectOutcome::kAccepted) {
        SetChecked(box, false);
        if (result.outcome == BeamSelectOutcome::kRefused && m_context.prompter) {
            m_context.prompter->Message(FromStd(result.message), PromptIcon::Exclamation);
        }
        return;
    }
    RecalcBeam(true, SolveMemory::kUpdate);
}

void frmLumarik::AltSolutionClicked() {
    if (m_updateGuard != UpdateGuard::kFree) {
        SetChecked(m_chkGaussBeamAltSolution, m_doc.Beam().AltSolution());
        return;
    }
    GuardScope guard(m_updateGuard);
    m_doc.SetAltSolution(!m_doc.Beam().AltSolution());
    RecalcBeam(true, SolveMemory::kUpdate);
}

void frmLumarik::OptionsGBItemChanged(QListWidgetItem* item) {
    if (m_updateGuard != UpdateGuard::kFree) return;
    GuardScope guard(m_updateGuard);
    m_doc.SetShowExtraGB(item->checkState() == Qt::Checked);
    ShowBeamTabs();
}

void frmLumarik::ApplyBeamWavelengthEntry() {
    if (m_updateGuard != UpdateGuard::kFree || UnchangedSinceWritten(m_txtGBWavelen)) return;
    GuardScope guard(m_updateGuard);
    const BeamOptionCommit commit =
        m_doc.CommitBeamWavelength(m_txtGBWavelen->text().toStdString());
    if (!commit.boxText.empty()) WriteBox(m_txtGBWavelen, QString::fromStdString(commit.boxText));
    if (commit.beam.shown) ShowBeamResults(commit.beam);
}

void frmLumarik::ShowBeamWavelength() {
    WriteBox(m_txtGBWavelen, QString::fromStdString(m_doc.BeamWavelengthText()));
}

// A picked line is typed into the wavelength box and committed like a typed one (one undo step).
void frmLumarik::ShowWavelengthPicker() {
    if (m_updateGuard != UpdateGuard::kFree) return;
    popEditParamWave::Display(this, m_context, [this](double nm) {
        m_txtGBWavelen->setText(QString::number(nm, 'f', 4)
                                    .replace(QLatin1Char('.'), QChar(m_model.DecimalSeparator())));
        ApplyBeamWavelengthEntry();
    });
}

// ---- the mode and the cycle -------------------------------------------------------------

void frmLumarik::ApplyModeLayout() {
    const bool beam = m_doc.BeamMode();
    for (std::size_t i = 0; i < kBeamFrames; ++i) {
        m_fraOpt[i]->setVisible(!beam);
        m_fraGauss[i]->setVisible(beam);
    }
    m_cmbImagHeight->setVisible(!beam);
    m_chkGaussBeamAltSolution->setVisible(beam);
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_lstMirrorMode, m_chkAllowVirtualObj,
                                         m_chkHideRemoteConjug->parentWidget(), m_lstOptions}) {
        w->setVisible(!beam);
    }
    m_lstOptionsGB->setVisible(beam);
    m_beamWavelengthRow->setVisible(beam);
    if (beam) {
        m_tabExtraInfo->setVisible(false);
        m_lblVirtualImage->setVisible(false);
    } else {
        if (m_tabExtraInfoGB) m_tabExtraInfoGB->setVisible(false);
        m_chkGaussBeamAltSolution->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
        m_chkGaussBeamAltSolution->setEnabled(false);
        // The lens listing writes its twenty names anew into an empty list.
        m_lstResNames->clear();
        m_lstResVals->clear();
    }
    m_pctDrg->Redraw();
}

void frmLumarik::RunCycle() {
    if (m_doc.BeamMode()) {
        RecalcBeam(true, SolveMemory::kUpdate);
    } else {
        SyncBoxes();
        RunSelectionCycle(SolveMemory::kUpdate);
    }
}

void frmLumarik::RecalcBeam(bool resync, SolveMemory memory) {
    if (resync) SyncBeamBoxes();
    RebuildRows();
    ShowBeamWavelength();
    ShowBeamResults(m_doc.RecalcBeam(memory));
}

void frmLumarik::SyncBeamBoxes() {
    const DiodeControls controls = m_doc.Beam().DiodeControlStates();
    for (std::size_t n = 0; n < m_chkVarTypeGB.size(); ++n) {
        SetChecked(m_chkVarTypeGB[n], m_doc.Beam().Selection(0).Contains(static_cast<int>(n)));
        m_chkVarTypeGB[n]->setEnabled(controls.selectionEnabled[n]);
    }
}

void frmLumarik::ShowBeamResults(const BeamView& view) {
    if (view.rowsChanged) RebuildRows();
    const GaussianBeam& beam = m_doc.Beam();
    const int count = beam.Selection(0).Count();
    for (int row = 0; row < 3; ++row) {
        const bool visible = row < count;
        m_rows[row].caption->setVisible(visible);
        m_rows[row].value->setVisible(visible);
        m_rows[row].slider->setVisible(visible);
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_apRow.caption, m_apRow.value, m_apRow.slider,
                                         m_comApFNosStandard, m_lblVirtualImage}) {
        w->setVisible(false);
    }
    const bool complete = count == kMaxBeamSelected;
    m_lstResNames->setVisible(complete);
    m_lstResVals->setVisible(complete);
    m_pctDrg->setVisible(complete);

    // Without a solution the lists show what is known, and nothing when neither side is given.
    const BeamAxisFlags& flags = beam.Flags(0);
    const int current = m_lstResNames->currentRow();
    m_lstResNames->clear();
    m_lstResVals->clear();
    if (view.ok || !flags.objBeamMissing || !flags.imgBeamMissing) {
        for (const BeamListRow& row : beam.ListBeamResults(view.ok)) {
            m_lstResNames->addItem(QString::fromStdString(row.name));
            m_lstResVals->addItem(QString::fromStdString(row.value));
        }
        m_lstResNames->setCurrentRow(current);
    }
    // A complete, typed choice without a solution is a failure, told as in the lens mode.
    m_lblInvalidCalcs->setText(FromStd(texts::kNoSolution));
    m_lblInvalidCalcs->setStyleSheet(ColourStyle(kColourRed));
    m_lblInvalidCalcs->setVisible(complete && flags.inputsDefined && !view.ok);

    SetChecked(m_chkGaussBeamAltSolution, beam.AltSolution());
    m_chkGaussBeamAltSolution->setEnabled(beam.AltSolutionEnabled());
    ShowBeamTabs();
    m_pctDrg->Redraw();
    RefreshBeamExtra();
}

// In beam mode only the beam tab shows: with the option on, a quantity chosen and one side of
// the beam given.
void frmLumarik::ShowBeamTabs() {
    const GaussianBeam& beam = m_doc.Beam();
    const BeamAxisFlags& flags = beam.Flags(0);
    m_tabExtraInfo->setVisible(false);
    const bool shown = m_doc.BeamMode() && m_doc.Opts().showExtraGB &&
                       beam.Selection(0).Count() > 0 &&
                       (!flags.objBeamMissing || !flags.imgBeamMissing);
    if (shown) BeamExtra()->setVisible(true);
    if (!shown && m_tabExtraInfoGB) m_tabExtraInfoGB->setVisible(false);
}

void frmLumarik::RefreshBeamExtra() {
    if (m_tabExtraInfoGB && !m_tabExtraInfoGB->isHidden()) m_tabExtraInfoGB->Refresh();
}

// Built when the beam mode first shows it, so that a start in the lens mode does not pay for it.
BeamExtraPanel* frmLumarik::BeamExtra() {
    if (m_tabExtraInfoGB) return m_tabExtraInfoGB;
    m_tabExtraInfoGB = new BeamExtraPanel(m_doc, m_context, m_updateGuard);
    m_tabExtraInfoGB->setVisible(false);
    // The panel changed the beam: the window's cycle runs (with the boxes and rows anew when
    // the panel rewrote the choice), then the panel shows the new state.
    connect(m_tabExtraInfoGB, &BeamExtraPanel::BeamChanged, this, [this](bool resync) {
        if (m_updateGuard != UpdateGuard::kFree) return;
        GuardScope guard(m_updateGuard);
        RecalcBeam(resync, SolveMemory::kUpdate);
    });
    connect(m_tabExtraInfoGB, &BeamExtraPanel::CaptionChanged, this, &frmLumarik::RefreshCaption);
    m_drawingRow->addWidget(m_tabExtraInfoGB, 2);
    return m_tabExtraInfoGB;
}

}  // namespace lumarik
