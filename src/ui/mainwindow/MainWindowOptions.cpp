// The options page of the main window (lens/mirror, advanced values, display switches), the
// image-height presets, and Undo, Clear and the exit question.

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSessionManager>
#include <QTabWidget>

#include "core/format/Format.h"
#include "core/format/NumberInput.h"
#include "core/model/ImageHeightPresets.h"
#include "core/model/ModeSwitches.h"
#include "core/settings/LumarikSettings.h"
#include "ui/drawing/DrawingView.h"
#include "ui/mainwindow/MainWindowTexts.h"
#include "ui/mainwindow/WindowHelpers.h"
#include "ui/mainwindow/frmLumarik.h"
#include "ui/shell/CSApplication.h"
#include "ui/shell/Prompter.h"

namespace lumarik {
void frmLumarik::ConnectOptions() {
    connect(m_lstMirrorMode, &QListWidget::currentRowChanged, this, &frmLumarik::MirrorModeChosen);
    connect(m_chkAdvOpt, &QCheckBox::clicked, this, &frmLumarik::AdvancedOptionsClicked);
    for (int i = 0; i < 4; ++i) {
        connect(m_txtAdv[i], &QLineEdit::editingFinished, this, [this, i] { CommitAdvanced(i); });
    }
    connect(m_comDefAdvOpts, &QPushButton::clicked, this, &frmLumarik::AdvancedDefaults);
    connect(m_chkAllowVirtualObj, &QCheckBox::clicked, this,
            &frmLumarik::AllowVirtualObjectClicked);
    connect(m_chkHideRemoteConjug, &QCheckBox::clicked, this, &frmLumarik::DisplayOptionChanged);
    connect(m_chkDrawParaxPoints, &QCheckBox::clicked, this, &frmLumarik::DisplayOptionChanged);
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
    return windowtexts::kCaptionMaker + windowtexts::kCaptionSystem +
           CSApplication(m_context).Version() +
           (m_model.Constants().MirrorMode() ? windowtexts::kCaptionMirror
                                             : windowtexts::kCaptionLens) +
           windowtexts::kCaptionParaxial;
}

void frmLumarik::Recalculate() { ShowResults(m_model.Recalculate()); }

// ---- lens/mirror and advanced values ---------------------------------------------------

void frmLumarik::MirrorModeChosen() {
    if (m_updateGuard != 0) return;
    const bool toMirror = m_lstMirrorMode->currentRow() == 1;
    if (toMirror == m_model.Constants().MirrorMode()) return;
    GuardScope guard(m_updateGuard);
    Backup(kBackupLensMirror);
    SwitchLensMirror(m_model, toMirror);
    setWindowTitle(WindowCaption());
    RebuildRows();
    const bool ok = m_model.Solve(true);
    ShowResults(m_model.Refresh(ok, ok));
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
    if (m_updateGuard != 0) return;
    GuardScope guard(m_updateGuard);
    m_model.Constants().SetAdvancedOptions(m_chkAdvOpt->isChecked());
    ShowAdvancedRows();
    Recalculate();
}

void frmLumarik::CommitAdvanced(int row) {
    QLineEdit* box = m_txtAdv[row];
    if (m_updateGuard != 0 || UnchangedSinceWritten(box)) return;
    GuardScope guard(m_updateGuard);
    const std::optional<AcceptedNumber> accepted =
        AcceptNumber(box->text().toStdString(), m_model.Separators());
    if (!accepted) return;
    const AdvancedCommit check = CommitAdvancedValue(m_model, row, accepted->value, false);
    if (check.outcome == AdvancedCommit::Outcome::kRefused && m_context.prompter) {
        m_context.prompter->Message(FromStd(check.message), PromptIcon::Exclamation);
    }
    if (check.outcome == AdvancedCommit::Outcome::kAccepted) {
        Backup(kBackupAdvanced, row);
        CommitAdvancedValue(m_model, row, accepted->value, true);
        ShowAdvancedRows();
        Recalculate();
    } else {
        ShowAdvancedRows();
    }
}

void frmLumarik::AdvancedDefaults() {
    if (m_updateGuard != 0) return;
    GuardScope guard(m_updateGuard);
    Backup(kBackupAdvanced);
    m_model.Constants().ResetToDefaults();
    ShowAdvancedRows();
    Recalculate();
}

// ---- display switches ---------------------------------------------------------------------

void frmLumarik::AllowVirtualObjectClicked() {
    if (m_updateGuard != 0) return;
    GuardScope guard(m_updateGuard);
    Backup(kBackupPositiveObj);
    m_options.positiveObj = m_chkAllowVirtualObj->isChecked();
    if (!m_options.positiveObj) {
        MakeObjectDistanceNegative(m_model);
        Recalculate();
        RebuildRows();
    }
}

void frmLumarik::DisplayOptionChanged() {
    if (m_updateGuard != 0) return;
    GuardScope guard(m_updateGuard);
    m_options.hideRemConj = m_chkHideRemoteConjug->isChecked();
    m_options.drawPoints = m_chkDrawParaxPoints->isChecked();
    m_pctDrg->update();
}

void frmLumarik::OptionsItemChanged(QListWidgetItem* item) {
    if (m_updateGuard != 0) return;
    GuardScope guard(m_updateGuard);
    const bool checked = item->checkState() == Qt::Checked;
    if (m_lstOptions->row(item) == 0) {
        Backup(kBackupConstructionRays);
        m_options.drawHaltingRay = checked;
        m_pctDrg->update();
    } else {
        m_options.showExtra = checked;
        m_tabExtraInfo->setVisible(checked && m_pctDrg->isVisible());
    }
}

// ---- image-height presets -----------------------------------------------------------------

void frmLumarik::ImageHeightPresetChosen(int index) {
    if (m_updateGuard != 0) return;
    GuardScope guard(m_updateGuard);
    m_options.imageHeightPreset = index > 0;
    const int position = m_model.Selected().PositionOf(kParImageHeight);
    if (position == 0) {
        ReleasePreset(false);
        m_cmbImagHeight->setCurrentIndex(0);
        m_cmbImagHeight->setEnabled(false);
        return;
    }
    if (!m_options.imageHeightPreset) return;
    m_options.imageHeightPresetIndex = index;
    const int row = position - 1;
    // A real image stands upside down: the preset height is stored negative.
    Row(row).value->setText(QString::fromStdString(
        Format(-ImageHeightPresetHeight(index), "#.##mm", m_model.DecimalSeparator())));
    CommitValueNow(row);
}

void frmLumarik::ReleasePreset(bool enabled) {
    if (!m_options.imageHeightPreset) return;
    m_cmbImagHeight->setCurrentIndex(0);
    m_cmbImagHeight->setEnabled(enabled);
    m_options.imageHeightPreset = false;
}

void frmLumarik::ApplyPresetState() {
    if (m_cmbImagHeight->count() == 1) {
        for (int entry = 1; entry <= kImageHeightPresetCount; ++entry) {
            m_cmbImagHeight->addItem(FromStd(ImageHeightPresetText(entry)));
        }
    }
    m_cmbImagHeight->setEnabled(m_model.Selected().Contains(kParImageHeight));
    const int index = m_options.imageHeightPresetIndex;
    m_cmbImagHeight->setCurrentIndex(
        m_options.imageHeightPreset && index >= 1 && index <= kImageHeightPresetCount ? index : 0);
}

// ---- controls from the state ------------------------------------------------------------

// Every option control shows the state, both ways (after Undo, Clear and Recall).
void frmLumarik::SyncOptionControls() {
    const EffectiveConstants& c = m_model.Constants();
    m_lstMirrorMode->setCurrentRow(c.MirrorMode() ? 1 : 0);
    m_chkAdvOpt->setChecked(c.AdvancedOptions());
    m_chkAllowVirtualObj->setChecked(m_options.positiveObj);
    m_chkHideRemoteConjug->setChecked(m_options.hideRemConj);
    m_chkDrawParaxPoints->setChecked(m_options.drawPoints);
    m_lstOptions->item(0)->setCheckState(m_options.drawHaltingRay ? Qt::Checked : Qt::Unchecked);
    m_lstOptions->item(1)->setCheckState(m_options.showExtra ? Qt::Checked : Qt::Unchecked);
    m_optCofCType[m_model.DepthOfField().CofCType() == kCofCAiry ? 1 : 0]->setChecked(true);
    WriteBox(m_txtDOFCustom, QString::fromStdString(m_model.CofCBoxText()));
    ShowAdvancedRows();
}

// ---- undo, clear, exit ------------------------------------------------------------------

void frmLumarik::UndoClicked() {
    if (m_updateGuard != 0) return;
    GuardScope guard(m_updateGuard);
    if (!m_backup.Undo(m_model, m_options)) return;
    SyncOptionControls();
    setWindowTitle(WindowCaption());
    RunSelectionCycle(true, true, true);
}

void frmLumarik::RecallClicked() {
    if (m_updateGuard != 0) return;
    GuardScope guard(m_updateGuard);
    Backup(kBackupSelection);
    ClearForLoad(m_model);
    LoadLensSettings(CSApplication(m_context).Settings(), m_model, m_options);
    SyncOptionControls();
    setWindowTitle(WindowCaption());
    RunSelectionCycle(true, true, true);
}

void frmLumarik::ClearClicked() {
    if (m_updateGuard != 0) return;
    GuardScope guard(m_updateGuard);
    m_dataChanged = true;
    Backup(kBackupClear);
    m_model.Selected().Clear();
    m_model.Apertures().Clear();
    m_model.ClearMemory();
    m_model.SetObjectAtInfinity(false);
    m_model.Constants().ResetToDefaults();
    SyncOptionControls();
    RunSelectionCycle(true, true, true);
}

void frmLumarik::closeEvent(QCloseEvent* event) {
    if (m_sessionEnding) {
        event->accept();
        return;
    }
    const CSApplication app(m_context);
    app.FormPosnSave(this, true);
    const bool somethingToSave = m_model.Selected().Count() > 0 || m_dataChanged;
    if (!somethingToSave || !m_context.prompter) {
        event->accept();
        return;
    }
    switch (m_context.prompter->Question(windowtexts::kSaveQuestion, true)) {
        case PromptAnswer::Yes:
            SaveSettings();
            event->accept();
            break;
        case PromptAnswer::No: event->accept(); break;
        case PromptAnswer::Cancel: event->ignore(); break;
    }
}

}  // namespace lumarik
