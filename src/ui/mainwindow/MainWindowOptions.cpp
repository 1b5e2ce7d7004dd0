// The options page of the main window (lens/mirror, advanced values, display switches), the
// image-height presets, and Undo, Clear and the exit question.

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSessionManager>
#include <QTabWidget>
#include <utility>

#include "core/format/Format.h"
#include "core/format/NumberInput.h"
#include "core/model/ImageHeightPresets.h"
#include "core/model/ModeSwitches.h"
#include "core/settings/LumarikSettings.h"
#include "ui/drawing/DrawingView.h"
#include "ui/mainwindow/MainWindowTexts.h"
#include "ui/mainwindow/frmLumarik.h"
#include "ui/shell/CSApplication.h"
#include "ui/shell/Prompter.h"
#include "ui/shell/WidgetHelpers.h"

namespace lumarik {
void frmLumarik::ConnectOptions() {
    connect(m_lstMirrorMode, &QListWidget::currentRowChanged, this, &frmLumarik::MirrorModeChosen);
    connect(m_chkAdvOpt, &QCheckBox::toggled, this, &frmLumarik::AdvancedOptionsClicked);
    for (int i = 0; i < 4; ++i) {
        connect(m_txtAdv[i], &QLineEdit::editingFinished, this, [this, i] { CommitAdvanced(i); });
    }
    connect(m_comDefAdvOpts, &QPushButton::clicked, this, &frmLumarik::AdvancedDefaults);
    connect(m_chkAllowVirtualObj, &QCheckBox::toggled, this,
            &frmLumarik::AllowVirtualObjectClicked);
    connect(m_chkHideRemoteConjug, &QCheckBox::toggled, this, &frmLumarik::DisplayOptionChanged);
    connect(m_chkDrawParaxPoints, &QCheckBox::toggled, this, &frmLumarik::DisplayOptionChanged);
    connect(m_lstOptions, &QListWidget::itemChanged, this, &frmLumarik::OptionsItemChanged);
    connect(m_cmbImagHeight, qOverload<int>(&QComboBox::activated), this,
            &frmLumarik::ImageHeightPresetChosen);
    connect(m_comUndo, &QPushButton::clicked, this, &frmLumarik::UndoClicked);
    connect(m_comClear, &QPushButton::clicked, this, &frmLumarik::ClearClicked);
    connect(m_comRecall, &QPushButton::clicked, this, &frmLumarik::RecallClicked);
    // A desktop session that ends closes the window without asking.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { m_sessionEnding = true; });
}

QString frmLumarik::WindowCaption() const {
    const QString start = windowtexts::kCaptionMaker + windowtexts::kCaptionSystem +
                          CSApplication(m_context).Version();
    const QString file = m_doc.FilePath().empty()
                             ? QString()
                             : windowtexts::kCaptionFileSeparator +
                                   QFileInfo(QString::fromStdString(m_doc.FilePath())).fileName();
    // Only the lens/mirror mode names its element; the beam mode names its calculation.
    if (m_doc.BeamMode()) return start + QString::fromStdString(m_doc.Beam().ModeCaption()) + file;
    return start +
           (m_model.Constants().MirrorMode() ? windowtexts::kCaptionMirror
                                             : windowtexts::kCaptionLens) +
           windowtexts::kCaptionParaxial + file;
}

// The caption names the mode (lens or mirror, paraxial or beam with its diode state). It keeps
// the start-up form until the mode first changes, and is rebuilt only when the mode differs
// from the one it names (not on every Undo or Recall).
void frmLumarik::RefreshCaption() {
    const QString caption = WindowCaption();
    if (m_captionMode == caption) return;
    m_captionMode = caption;
    setWindowTitle(caption);
}

void frmLumarik::Recalculate() {
    if (m_doc.BeamMode()) {
        ShowBeamResults(m_doc.RecalcBeam());
    } else {
        ShowResults(m_doc.Recalculate());
    }
}

// ---- lens/mirror and advanced values ---------------------------------------------------

void frmLumarik::MirrorModeChosen() {
    if (m_updateGuard != UpdateGuard::kFree) return;
    GuardScope guard(m_updateGuard);
    const std::optional<ResultsView> view =
        m_doc.SwitchLensMirror(m_lstMirrorMode->currentRow() == 1);
    if (!view) return;
    RefreshCaption();
    RebuildRows();
    ShowResults(*view);
    ShowAdvancedRows();
}

void frmLumarik::ShowAdvancedRows() {
    const bool mirror = m_model.Constants().MirrorMode();
    for (int row : {kAdvSeparation, kAdvIndexImage}) {
        m_lblAdv[row]->setVisible(!mirror);
        m_txtAdv[row]->setVisible(!mirror);
        m_lblAdvDef[row]->setVisible(!mirror);
    }
    m_lblAdv[kAdvIndexObject]->setText(mirror ? windowtexts::kAdvIndexObjectMirror
                                              : windowtexts::kAdvIndexObjectLens);
    const EffectiveConstants& c = m_model.Constants();
    const char sep = m_model.DecimalSeparator();
    const std::array<std::string, 4> texts = {c.DText(sep), c.NText(sep), c.NPrimeText(sep),
                                              c.WavelengthText(sep)};
    for (int row = 0; row < 4; ++row) {
        WriteBox(m_txtAdv[row], QString::fromStdString(texts[row]));
        m_txtAdv[row]->setEnabled(c.AdvancedOptions());
    }
}

void frmLumarik::AdvancedOptionsClicked() {
    if (m_updateGuard != UpdateGuard::kFree) return;
    GuardScope guard(m_updateGuard);
    m_doc.SetAdvancedOptions(m_chkAdvOpt->isChecked());
    ShowAdvancedRows();
    Recalculate();
}

void frmLumarik::CommitAdvanced(int row) {
    QLineEdit* box = m_txtAdv[row];
    if (m_updateGuard != UpdateGuard::kFree || UnchangedSinceWritten(box)) return;
    GuardScope guard(m_updateGuard);
    const AdvancedCommit commit = m_doc.CommitAdvanced(
        row, box->text().toStdString(), box->property("lumarikShownText").toString().toStdString());
    if (commit.outcome == AdvancedCommit::Outcome::kRefused && m_context.prompter) {
        m_context.prompter->Message(FromStd(commit.message), PromptIcon::Exclamation);
    }
    ShowAdvancedRows();
    if (commit.outcome == AdvancedCommit::Outcome::kAccepted) Recalculate();
}

void frmLumarik::AdvancedDefaults() {
    if (m_updateGuard != UpdateGuard::kFree) return;
    GuardScope guard(m_updateGuard);
    m_doc.ResetAdvancedDefaults();
    ShowAdvancedRows();
    Recalculate();
}

// ---- display switches ---------------------------------------------------------------------

void frmLumarik::AllowVirtualObjectClicked() {
    if (m_updateGuard != UpdateGuard::kFree) return;
    GuardScope guard(m_updateGuard);
    m_doc.SetPositiveObj(m_chkAllowVirtualObj->isChecked());
    if (!m_doc.Opts().positiveObj) {
        Recalculate();
        RebuildRows();
    }
}

void frmLumarik::DisplayOptionChanged() {
    if (m_updateGuard != UpdateGuard::kFree) return;
    GuardScope guard(m_updateGuard);
    m_doc.SetHideRemoteConjugates(m_chkHideRemoteConjug->isChecked());
    m_doc.SetDrawPoints(m_chkDrawParaxPoints->isChecked());
    m_pctDrg->Redraw();
}

void frmLumarik::OptionsItemChanged(QListWidgetItem* item) {
    if (m_updateGuard != UpdateGuard::kFree) return;
    GuardScope guard(m_updateGuard);
    const bool checked = item->checkState() == Qt::Checked;
    if (m_lstOptions->row(item) == 0) {
        m_doc.SetConstructionRays(checked);
        m_pctDrg->Redraw();
    } else {
        m_doc.SetShowExtra(checked);
        m_tabExtraInfo->setVisible(checked && m_pctDrg->isVisible());
    }
}

// ---- image-height presets -----------------------------------------------------------------

void frmLumarik::ImageHeightPresetChosen(int index) {
    if (m_updateGuard != UpdateGuard::kFree) return;
    GuardScope guard(m_updateGuard);
    const ValueCommit commit = m_doc.ChooseImageHeightPreset(index, Asker());
    const int position = m_model.Selected().PositionOf(kParImageHeight);
    if (position == 0) {
        ApplyPresetState();
        return;
    }
    ShowValueCommit(position - 1, commit);
}

// A typed or slid image height ends the preset: the list shows its first entry again.
void frmLumarik::ShowPresetReleased() {
    m_cmbImagHeight->setCurrentIndex(0);
    m_cmbImagHeight->setEnabled(true);
}

void frmLumarik::ApplyPresetState() {
    if (m_cmbImagHeight->count() == 1) {
        for (int entry = 1; entry <= kImageHeightPresetCount; ++entry) {
            m_cmbImagHeight->addItem(FromStd(ImageHeightPresetText(entry)));
        }
    }
    m_cmbImagHeight->setEnabled(m_model.Selected().Contains(kParImageHeight));
    const int index = m_doc.Opts().imageHeightPresetIndex;
    m_cmbImagHeight->setCurrentIndex(
        m_doc.Opts().imageHeightPreset && index >= 1 && index <= kImageHeightPresetCount ? index
                                                                                         : 0);
}

// ---- controls from the state ------------------------------------------------------------

// Every option control shows the state, both ways (after Undo, Clear and Recall).
void frmLumarik::SyncOptionControls() {
    const EffectiveConstants& c = m_model.Constants();
    m_lstMirrorMode->setCurrentRow(c.MirrorMode() ? 1 : 0);
    SetChecked(m_chkAdvOpt, c.AdvancedOptions());
    SetChecked(m_chkAllowVirtualObj, m_doc.Opts().positiveObj);
    SetChecked(m_chkHideRemoteConjug, m_doc.Opts().hideRemConj);
    SetChecked(m_chkDrawParaxPoints, m_doc.Opts().drawPoints);
    const QSignalBlocker blockOptions(m_lstOptions);
    m_lstOptions->item(0)->setCheckState(m_doc.Opts().drawHaltingRay ? Qt::Checked : Qt::Unchecked);
    m_lstOptions->item(1)->setCheckState(m_doc.Opts().showExtra ? Qt::Checked : Qt::Unchecked);
    SetChecked(m_optCofCType[m_model.DepthOfField().CofCType() == kCofCAiry ? 1 : 0], true);
    WriteBox(m_txtDOFCustom, QString::fromStdString(m_model.CofCBoxText()));
    ShowAdvancedRows();
    SetChecked(m_chkGaussBeamMode, m_doc.BeamMode());
    const QSignalBlocker blockBeamOptions(m_lstOptionsGB);
    m_lstOptionsGB->item(0)->setCheckState(m_doc.Opts().showExtraGB ? Qt::Checked : Qt::Unchecked);
    ShowBeamWavelength();
}

// ---- undo, clear, exit ------------------------------------------------------------------

void frmLumarik::UndoClicked() {
    if (m_updateGuard != UpdateGuard::kFree) return;
    GuardScope guard(m_updateGuard);
    if (!m_doc.Undo()) return;
    SyncOptionControls();
    RefreshCaption();
    ApplyModeLayout();
    RunCycle();
}

void frmLumarik::RecallClicked() {
    if (m_updateGuard != UpdateGuard::kFree) return;
    GuardScope guard(m_updateGuard);
    m_doc.Recall(CSApplication(m_context).Settings());
    SyncOptionControls();
    RefreshCaption();
    ApplyModeLayout();
    RunCycle();
}

void frmLumarik::ClearClicked() {
    if (m_updateGuard != UpdateGuard::kFree) return;
    GuardScope guard(m_updateGuard);
    m_doc.Clear();
    SyncOptionControls();
    RefreshCaption();
    RunCycle();
}

void frmLumarik::closeEvent(QCloseEvent* event) {
    if (m_sessionEnding) {
        event->accept();
        return;
    }
    const CSApplication app(m_context);
    app.FormPosnSave(this, true);
    if (!m_doc.SomethingToSave() || !m_context.prompter) {
        event->accept();
        return;
    }
    switch (m_context.prompter->Question(windowtexts::kSaveQuestion, true)) {
        case PromptAnswer::Yes:
            SaveSettings();
            event->accept();
            break;
        case PromptAnswer::No:
            event->accept();
            break;
        case PromptAnswer::Cancel:
            event->ignore();
            break;
    }
}

}  // namespace lumarik
