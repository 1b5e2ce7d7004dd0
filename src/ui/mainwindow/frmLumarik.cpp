#include "ui/mainwindow/frmLumarik.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <algorithm>
#include <array>
#include <cmath>

#include <QShowEvent>
#include <QTimer>
#include "core/format/NumberInput.h"
#include "core/help/HelpTexts.h"
#include "core/model/ImageHeightPresets.h"
#include "core/model/ModelTexts.h"
#include "core/model/ValueEntry.h"
#include "core/numeric/Calc.h"
#include "core/settings/LumarikSettings.h"
#include "ui/chart/frmApFNosStandard.h"
#include "ui/drawing/DrawingView.h"
#include "ui/help/frmHelp.h"
#include "ui/mainwindow/MainWindowTexts.h"
#include "ui/report/ReportPrinter.h"
#include "ui/settings/frmSymbols.h"
#include "ui/shell/About.h"
#include "ui/shell/CSApplication.h"
#include "ui/shell/ProgramIcon.h"
#include "ui/shell/Prompter.h"
#include "ui/shell/SelectOnFocus.h"
#include "ui/shell/UserStore.h"
#include "ui/shell/WidgetHelpers.h"

namespace lumarik {
namespace {

constexpr int kDefaultWidthTwips = 12300;
constexpr int kDefaultHeightTwips = 8400;

}  // namespace

frmLumarik::frmLumarik(const AppContext& context, QWidget* parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("frmLumarik"));
    setWindowIcon(ProgramIcon());
    m_doc.SetDiagnostics(this);
    m_doc.SetSeparators(UserSeparators());
    BuildControls();
    SelectWholeTextOnFocus(this);
    ConnectOptions();
    ConnectBeam();
    ConnectDrawing();
    ConnectFiles();
    connect(m_comEnd, &QPushButton::clicked, this, &QWidget::close);
    // Printing reads the system and changes nothing of the window.
    connect(m_comPrint, &QPushButton::clicked, this, [this] {
        if (m_doc.BeamMode()) {
            ShowBeamPrintDialog(this, m_doc.Beam(), m_context, PicturePainter(true));
        } else {
            ShowPrintDialog(this, m_model, m_doc.Opts(), m_context);
        }
    });
    connect(m_comAbout, &QPushButton::clicked, this, [this] { About::Display(m_context, this); });
    connect(m_comHelp, &QPushButton::clicked, this, &frmLumarik::HelpClicked);
    connect(m_comApFNosStandard, &QPushButton::clicked, this, &frmLumarik::StandardFNumbersClicked);
    connect(m_lstSymbols, &QListWidget::currentRowChanged, this, &frmLumarik::SymbolStyleChosen);
    connect(m_comSymbols, &QPushButton::clicked, this, &frmLumarik::SymbolsClicked);
    connect(m_txtDOFCustom, &QLineEdit::editingFinished, this, &frmLumarik::CommitCustomCofC);
    for (int type = 0; type < 2; ++type) {
        connect(m_optCofCType[type], &QRadioButton::toggled, this, [this, type](bool on) {
            if (on) CofCTypeChosen(type);
        });
    }
    Load();
}

frmLumarik::~frmLumarik() {
    // ~QWidget deletes the controls after the members of this window are gone; a box that
    // loses the focus then (editingFinished) must no longer reach the handlers.
    for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
    m_doc.SetDiagnostics(nullptr);
}

void frmLumarik::Report(const std::string& text) {
    if (m_context.prompter)
        m_context.prompter->Message(QString::fromStdString(text), PromptIcon::None);
}

void frmLumarik::Load() {
    GuardScope guard(m_updateGuard);
    const CSApplication app(m_context);
    const INICode settings = app.Settings();
    m_doc.ApplySymbolStyle(ReadUnitType(settings), settings);
    RebuildCaptions();
    m_lstSymbols->setCurrentRow(m_model.Catalogue().UnitType());
    m_comSymbols->setEnabled(m_model.Catalogue().UnitType() == kSymbolsUser);
    setWindowTitle(windowtexts::kCaptionMaker + windowtexts::kCaptionStartUp + app.Version());
    m_captionMode = WindowCaption();
    m_doc.Load(settings);
    RefreshCaption();
    SyncOptionControls();
    ApplyModeLayout();
    RunCycle();
    FitToContent();
    app.FormPosnGet(this, kDefaultWidthTwips, kDefaultHeightTwips);
}

void frmLumarik::SaveSettings() {
    CSApplication(m_context).WriteSettings(m_doc.SettingsEntries());
}

// The selection boxes show the parameter labels with the symbols in use.
void frmLumarik::RebuildCaptions() {
    for (int k = 0; k < kSelectableCount; ++k) {
        m_chkVarType[k]->setText(QString::fromStdString(m_model.Catalogue().Label(k)).trimmed());
        m_chkVarType[k]->setAccessibleName(m_chkVarType[k]->text());
    }
}

// ---- selection ----------------------------------------------------------------------------

void frmLumarik::SelectParameter(int k) {
    QCheckBox* box = m_chkVarType[k];
    if (m_updateGuard != UpdateGuard::kFree) {
        SetChecked(box, m_model.Selected().Contains(k));
        return;
    }
    GuardScope guard(m_updateGuard);
    const SelectionResult result = m_doc.SelectParameter(k, box->isChecked());
    if (result.outcome != SelectOutcome::kAccepted) {
        SetChecked(box, false);
        if (result.outcome == SelectOutcome::kRefused && m_context.prompter) {
            m_context.prompter->Message(FromStd(result.message), PromptIcon::Exclamation);
        }
        return;
    }
    RunSelectionCycle(SolveMemory::kLeave);
}

void frmLumarik::SelectAperture(int k) {
    QCheckBox* box = m_chkVarTypeAp[k];
    if (m_updateGuard != UpdateGuard::kFree) {
        SetChecked(box, m_model.Apertures().Contains(k));
        return;
    }
    GuardScope guard(m_updateGuard);
    const SelectionResult result = m_doc.SelectAperture(k, box->isChecked());
    if (result.outcome != SelectOutcome::kAccepted) {
        SetChecked(box, false);
        return;
    }
    ShowRow(kApertureRow);
    ShowResults(m_doc.ApertureCycle());
}

void frmLumarik::ObjectAtInfinityClicked() {
    if (m_updateGuard != UpdateGuard::kFree) {
        SetChecked(m_chkObjAtInfinity, m_model.ObjectAtInfinity());
        return;
    }
    GuardScope guard(m_updateGuard);
    if (m_doc.SetObjectAtInfinity(m_chkObjAtInfinity->isChecked())) SyncBoxes();
    RunSelectionCycle(SolveMemory::kLeave);
}

void frmLumarik::RunSelectionCycle(SolveMemory memory) {
    const CycleResult result = m_doc.SelectionCycle(memory);
    ApplyEnables(result.enables);
    RebuildRows();
    ShowResults(result.view);
}

void frmLumarik::SyncBoxes() {
    for (int k = 0; k < kSelectableCount; ++k) {
        SetChecked(m_chkVarType[k], m_model.Selected().Contains(k));
    }
    for (int k = 0; k < kSelectableApertureCount; ++k) {
        SetChecked(m_chkVarTypeAp[k], m_model.Apertures().Contains(k));
    }
}

void frmLumarik::ApplyEnables(const EnableRules& rules) {
    m_chkObjAtInfinity->setEnabled(rules.objectAtInfinityEnabled);
    SetChecked(m_chkObjAtInfinity, rules.objectAtInfinityChecked);
    for (int k = 0; k < kSelectableCount; ++k)
        m_chkVarType[k]->setEnabled(rules.parameterEnabled[k]);
    for (int k = 0; k < kSelectableApertureCount; ++k) {
        m_chkVarTypeAp[k]->setEnabled(rules.apertureEnabled[k]);
    }
}

// ---- value rows ---------------------------------------------------------------------------

QString frmLumarik::DisplayText(int row, float internal) const {
    return QString::fromStdString(m_doc.RowText(row, internal));
}

ValueAsker* frmLumarik::Asker() {
    if (!m_context.prompter) return nullptr;
    if (!m_asker) m_asker.emplace(*m_context.prompter);
    return &*m_asker;
}

void frmLumarik::RebuildRows() {
    for (int row = 0; row <= kApertureRow; ++row) ShowRow(row);
    ApplyPresetState();
}

void frmLumarik::ShowRow(int row) {
    ValueRowWidgets& w = Row(row);
    if (!m_doc.RowHasRecord(row)) {
        w.caption->setText(QString());
        w.sliderCaption->setText(QString());
        WriteBox(w.value, windowtexts::kNotDefined);
        WriteBox(w.lower, windowtexts::kLowerLimitPlaceholder);
        WriteBox(w.upper, windowtexts::kUpperLimitPlaceholder);
        for (QWidget* c : {static_cast<QWidget*>(w.value), w.slider}) c->setEnabled(false);
        CentreSlider(w.bar);
        return;
    }
    const CVarType& record = *m_doc.RowRecord(row);
    QString label;
    if (row == kApertureRow) {
        label = FromStd(m_model.Catalogue().ApertureName(record.nVarType));
    } else if (m_doc.BeamMode()) {
        label = QString::fromStdString(m_doc.Beam().Symbols().Label(record.nVarType));
    } else {
        label = QString::fromStdString(m_model.Catalogue().Label(record.nVarType));
    }
    w.caption->setText(label);
    w.sliderCaption->setText(label);
    const bool atInfinity = row != kApertureRow && !m_doc.BeamMode() &&
                            record.nVarType == kParObjectDist && record.bVarValDef &&
                            record.sVarValue == kInfinity;
    if (atInfinity) {
        WriteBox(w.value, windowtexts::kAtInfinity);
    } else {
        WriteBox(w.value, record.bVarValDef ? DisplayText(row, record.sVarValue) : QString());
    }
    w.value->setEnabled(!atInfinity);
    w.slider->setEnabled(!atInfinity);
    ShowLimits(row);
    SetSliderPosition(row);
}

void frmLumarik::ShowLimits(int row) {
    ValueRowWidgets& w = Row(row);
    const CVarType* found = m_doc.RowRecord(row);
    if (!found) return;
    const CVarType& record = *found;
    WriteBox(w.lower, record.bLimLowDef ? DisplayText(row, record.sLimLow)
                                        : windowtexts::kLowerLimitPlaceholder);
    WriteBox(w.upper, record.bLimHihDef ? DisplayText(row, record.sLimHih)
                                        : windowtexts::kUpperLimitPlaceholder);
}

// A slider moves the value only between two limits; without them it rests in the middle and
// takes no input.
void frmLumarik::SetSliderPosition(int row) {
    QScrollBar* bar = Row(row).bar;
    const CVarType* found = m_doc.RowRecord(row);
    const bool limited = found != nullptr && found->bLimLowDef && found->bLimHihDef;
    bar->setEnabled(limited);
    if (!limited) {
        CentreSlider(bar);
        return;
    }
    const std::optional<int> position = SliderPosition(*found, bar->minimum(), bar->maximum());
    if (!position) return;
    m_sliderPositioning = true;
    bar->setValue(*position);
    m_sliderPositioning = false;
}

void frmLumarik::CentreSlider(QScrollBar* bar) {
    m_sliderPositioning = true;
    bar->setValue((bar->minimum() + bar->maximum()) / 2);
    m_sliderPositioning = false;
}

void frmLumarik::CommitValue(int row) {
    if (m_updateGuard != UpdateGuard::kFree) return;
    GuardScope guard(m_updateGuard);
    QLineEdit* box = Row(row).value;
    const ValueCommit commit = m_doc.CommitValue(
        row, box->text().toStdString(), box->property("lumarikShownText").toString().toStdString(),
        true, Asker());
    ShowValueCommit(row, commit);
}

void frmLumarik::ShowValueCommit(int row, const ValueCommit& commit) {
    if (commit.outcome == ValueCommit::Outcome::kIgnored) return;
    WriteBox(Row(row).value, QString::fromStdString(commit.boxText));
    if (commit.outcome != ValueCommit::Outcome::kStored) return;
    if (commit.presetReleased) ShowPresetReleased();
    SetSliderPosition(row);
    if (commit.beam.shown) {
        ShowBeamResults(commit.beam);
    } else {
        ShowResults(commit.view);
    }
    if (commit.limitsChanged) ShowLimits(row);
}

void frmLumarik::CommitLowerLimit(int row) {
    CommitLimit(row, false);
}

void frmLumarik::CommitUpperLimit(int row) {
    CommitLimit(row, true);
}

void frmLumarik::CommitLimit(int row, bool upper) {
    if (m_updateGuard != UpdateGuard::kFree) return;
    GuardScope guard(m_updateGuard);
    QLineEdit* box = upper ? Row(row).upper : Row(row).lower;
    const LimitCommit commit =
        m_doc.CommitLimit(row, upper, box->text().toStdString(),
                          box->property("lumarikShownText").toString().toStdString(), Asker());
    if (commit.outcome == LimitCommit::Outcome::kIgnored) return;
    if (commit.outcome == LimitCommit::Outcome::kRefused && m_context.prompter) {
        m_context.prompter->Message(FromStd(commit.message), PromptIcon::Exclamation);
    }
    ShowLimits(row);
    SetSliderPosition(row);
}

void frmLumarik::SliderMoved(int row) {
    if (m_updateGuard != UpdateGuard::kFree || m_sliderPositioning) return;
    GuardScope guard(m_updateGuard);
    QScrollBar* bar = Row(row).bar;
    const SliderCommit commit = m_doc.MoveSlider(row, bar->value(), bar->minimum(), bar->maximum());
    if (!commit.moved) return;
    if (commit.presetReleased) ShowPresetReleased();
    WriteBox(Row(row).value, DisplayText(row, m_doc.RowRecord(row)->sVarValue));
    if (commit.beam.shown) {
        ShowBeamResults(commit.beam);
    } else {
        ShowResults(commit.view);
    }
}

// ---- results ------------------------------------------------------------------------------

void frmLumarik::ShowResults(const ResultsView& view) {
    for (int row = 0; row < 3; ++row) {
        const bool visible = row < view.visibleRows;
        m_rows[row].caption->setVisible(visible);
        m_rows[row].value->setVisible(visible);
        m_rows[row].slider->setVisible(visible);
    }
    m_apRow.caption->setVisible(view.apertureRowVisible);
    m_apRow.value->setVisible(view.apertureRowVisible);
    m_apRow.slider->setVisible(view.apertureRowVisible);

    m_lstResNames->setVisible(view.resultListsVisible);
    m_lstResVals->setVisible(view.resultListsVisible);
    m_pctDrg->setVisible(view.resultListsVisible);
    m_tabExtraInfo->setVisible(view.resultListsVisible && m_doc.Opts().showExtra);
    if (view.buildListing) {
        ShowListing(m_model.Listing());
    } else if (!view.ok) {
        m_lstResVals->clear();
    }
    if (view.ok) {
        ShowDepthOfField();
    } else {
        m_lstDOFVals->clear();
        m_lblDOFCalc->hide();  // its message spoke of the values just cleared
    }

    m_lblInvalidCalcs->setText(FromStd(texts::kNoSolution));
    m_lblInvalidCalcs->setStyleSheet(ColourStyle(kColourRed));
    m_lblInvalidCalcs->setVisible(view.showNoSolution);
    ShowLabel(m_lblVirtualImage, view.virtualLabel);
    m_pctDrg->Redraw();
    // The standard F-numbers fit only the F-number: picked while NA is chosen they would be
    // stored as an NA.
    m_comApFNosStandard->setVisible(view.apertureRowVisible &&
                                    m_model.Apertures().Contains(kApFNumber));
    RefreshChart();
}

void frmLumarik::StandardFNumbersClicked() {
    if (m_updateGuard != UpdateGuard::kFree) return;
    frmApFNosStandard::Display(this, [this](double exact) {
        if (m_updateGuard != UpdateGuard::kFree) return;
        GuardScope guard(m_updateGuard);
        ShowValueCommit(kApertureRow, m_doc.CommitNumber(kApertureRow, exact, Asker()));
    });
}

// The symbol style is a display preference: it is written at once and shows everywhere.
void frmLumarik::SymbolStyleChosen() {
    if (m_updateGuard != UpdateGuard::kFree) return;
    GuardScope guard(m_updateGuard);
    const int style = m_lstSymbols->currentRow() == 1 ? kSymbolsUser : kSymbolsStandard;
    m_comSymbols->setEnabled(style == kSymbolsUser);
    const CSApplication app(m_context);
    app.WriteSettings({UnitTypeEntry(style)});
    m_doc.ApplySymbolStyle(style, app.Settings());
    RebuildCaptions();
    if (m_doc.BeamMode()) {
        RecalcBeam(false, SolveMemory::kUpdate);
    } else {
        RunSelectionCycle(SolveMemory::kLeave);
    }
}

// Each mode edits its own symbols.
void frmLumarik::SymbolsClicked() {
    if (m_updateGuard != UpdateGuard::kFree) return;
    const bool beam = m_doc.BeamMode();
    const auto putInUse = [this, beam](const INICode& settings) {
        GuardScope guard(m_updateGuard);
        m_doc.RebuildUserSymbols(beam, settings);
        if (beam) {
            RecalcBeam(false, SolveMemory::kUpdate);
            return;
        }
        RebuildCaptions();
        RunSelectionCycle(SolveMemory::kLeave);
    };
    if (beam) {
        frmSymbols::Display(m_context, m_doc.Beam().Symbols(), this, putInUse);
    } else {
        frmSymbols::Display(m_context, m_model.Catalogue(), this, putInUse);
    }
}

void frmLumarik::HelpClicked() {
    // The help topic of each page of the options tab, in page order.
    static constexpr std::array<HelpTopic, 2> kOptionsPageTopics = {kHelpSliders, kHelpAdvanced};
    const auto page = static_cast<std::size_t>(m_tabOptions->currentIndex());
    frmHelp::Display(this,
                     page < kOptionsPageTopics.size() ? kOptionsPageTopics[page] : kHelpKeyParams);
}

// The page of new features, once per user, after the window is on screen; the flag is
// written before the page shows, so a crash on it never repeats it.
void frmLumarik::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_shownOnce || testAttribute(Qt::WA_DontShowOnScreen)) return;
    m_shownOnce = true;
    QTimer::singleShot(0, this, [this] {
        if (!ShouldShowNewFeatures()) return;
        MarkNewFeaturesShown();
        frmHelp::Display(this, kHelpNewFeatures);
    });
}

void frmLumarik::ShowListing(const ListingRows& rows) {
    while (m_lstResNames->count() < kListingRowCount) m_lstResNames->addItem(QString());
    // Rewriting the values keeps the row the user has chosen in both lists.
    const int current = m_lstResNames->currentRow();
    m_lstResVals->clear();
    for (int i = 0; i < kListingRowCount; ++i) {
        const QString name = QString::fromStdString(rows.names[i]);
        if (m_lstResNames->item(i)->text() != name) m_lstResNames->item(i)->setText(name);
        m_lstResVals->addItem(QString::fromStdString(rows.values[i]));
    }
    m_lstResVals->setCurrentRow(current);
}

void frmLumarik::ShowDepthOfField() {
    if (m_lstDOFNames->count() == 0) {
        for (std::string_view name : texts::kDofRowNames) m_lstDOFNames->addItem(FromStd(name));
    }
    const DepthOfFieldView dof = m_model.DepthOfFieldRows();
    const int current = m_lstDOFNames->currentRow();
    m_lstDOFVals->clear();
    for (const std::string& value : dof.values)
        m_lstDOFVals->addItem(QString::fromStdString(value));
    m_lstDOFVals->setCurrentRow(current);
    ShowLabel(m_lblDOFCalc, dof.message);
}

void frmLumarik::ShowLabel(QLabel* label, const LabelView& view) {
    label->setVisible(view.visible);
    if (!view.visible) return;
    label->setText(FromStd(view.caption));
    label->setStyleSheet(ColourStyle(view.backColour));
}

// ---- depth-of-field panel -----------------------------------------------------------------

void frmLumarik::CommitCustomCofC() {
    if (m_updateGuard != UpdateGuard::kFree || UnchangedSinceWritten(m_txtDOFCustom)) return;
    GuardScope guard(m_updateGuard);
    const CustomCofCResult result = m_doc.CommitCustomCofC(m_txtDOFCustom->text().toStdString());
    if (!result.accepted) return;
    WriteBox(m_txtDOFCustom, QString::fromStdString(result.boxText));
    if (result.showDepthOfField) ShowDepthOfField();
}

void frmLumarik::CofCTypeChosen(int type) {
    if (m_updateGuard != UpdateGuard::kFree) return;
    GuardScope guard(m_updateGuard);
    if (m_doc.ChooseCofCType(type)) ShowDepthOfField();
}

}  // namespace lumarik
