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
#include <cmath>

#include "core/format/NumberInput.h"
#include "core/model/ImageHeightPresets.h"
#include "core/model/Calc.h"
#include "core/model/ModelTexts.h"
#include "core/model/ValueEntry.h"
#include "core/settings/LumarikSettings.h"
#include "ui/drawing/DrawingView.h"
#include "ui/mainwindow/MainWindowTexts.h"
#include "ui/mainwindow/WindowHelpers.h"
#include "ui/report/ReportPrinter.h"
#include "ui/chart/frmApFNosStandard.h"
#include "ui/shell/About.h"
#include "ui/settings/frmSymbols.h"
#include "ui/shell/frmHelp.h"
#include "core/help/HelpTexts.h"
#include <QShowEvent>
#include <QTimer>
#include "ui/shell/CSApplication.h"
#include "ui/shell/Prompter.h"

namespace lumarik {
namespace {

constexpr int kDefaultWidthTwips = 12300;
constexpr int kDefaultHeightTwips = 8400;

QString ColourStyle(std::uint32_t rgb) {
    return QStringLiteral("background-color: rgb(%1, %2, %3);")
        .arg(rgb & 0xFF)
        .arg((rgb >> 8) & 0xFF)
        .arg((rgb >> 16) & 0xFF);
}

// A separator the core can take: a single ASCII character, else nothing ('\0').
char AsciiSeparator(const QString& sep) {
    return sep.size() == 1 && sep[0].unicode() < 128 ? static_cast<char>(sep[0].unicode()) : '\0';
}

// Where the group separator is no single ASCII character (a no-break space), the other of
// point and comma stands in for it.
NumberSeparators UserSeparators() {
    const QLocale locale = QLocale::system();
    const char decimal = AsciiSeparator(locale.decimalPoint());
    NumberSeparators separators = NumberSeparators::WithDecimal(decimal != '\0' ? decimal : '.');
    if (const char group = AsciiSeparator(locale.groupSeparator()); group != '\0') {
        separators.group = group;
    }
    return separators;
}

}  // namespace

frmLumarik::frmLumarik(const AppContext& context, QWidget* parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("frmLumarik"));
    setWindowIcon(QIcon(QStringLiteral(":/lumarik/lumarik.png")));
    m_model.SetDiagnostics(this);
    m_model.SetSeparators(UserSeparators());
    BuildControls();
    ConnectOptions();
    ConnectDrawing();
    connect(m_comEnd, &QPushButton::clicked, this, &QWidget::close);
    // Printing reads the system and changes nothing of the window.
    connect(m_comPrint, &QPushButton::clicked, this,
            [this] { ShowPrintDialog(this, m_model, m_options, m_context); });
    connect(m_comAbout, &QPushButton::clicked, this, [this] { About::Display(m_context, this); });
    connect(m_comHelp, &QPushButton::clicked, this, &frmLumarik::HelpClicked);
    connect(m_comApFNosStandard, &QPushButton::clicked, this,
            &frmLumarik::StandardFNumbersClicked);
    connect(m_lstSymbols, &QListWidget::currentRowChanged, this, &frmLumarik::SymbolStyleChosen);
    connect(m_comSymbols, &QPushButton::clicked, this, &frmLumarik::SymbolsClicked);
    connect(m_txtDOFCustom, &QLineEdit::editingFinished, this, &frmLumarik::CommitCustomCofC);
    for (int type = 0; type < 2; ++type) {
        connect(m_optCofCType[type], &QRadioButton::clicked, this,
                [this, type] { CofCTypeChosen(type); });
    }
    Load();
}

frmLumarik::~frmLumarik() {
    // ~QWidget deletes the controls after the members of this window are gone; a box that
    // loses the focus then (editingFinished) must no longer reach the handlers.
    for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
    m_model.SetDiagnostics(nullptr);
}

void frmLumarik::Report(const std::string& text) {
    if (m_context.prompter) m_context.prompter->Message(QString::fromStdString(text), PromptIcon::None);
}

void frmLumarik::Load() {
    GuardScope guard(m_updateGuard);
    m_loading = true;
    const CSApplication app(m_context);
    const INICode settings = app.Settings();
    m_model.Catalogue().RebuildSymbols(ReadUnitType(settings), SymbolsFromIni(settings));
    RebuildCaptions();
    m_lstSymbols->setCurrentRow(m_model.Catalogue().UnitType());
    m_comSymbols->setEnabled(m_model.Catalogue().UnitType() == kSymbolsUser);
    setWindowTitle(windowtexts::kCaptionMaker + windowtexts::kCaptionStartUp + app.Version());
    ClearForLoad(m_model);
    LoadLensSettings(settings, m_model, m_options);
    SyncOptionControls();
    RunSelectionCycle(true, true, true);
    app.FormPosnGet(this, kDefaultWidthTwips, kDefaultHeightTwips);
    m_loading = false;
}

void frmLumarik::SaveSettings() {
    CSApplication(m_context).WriteSettings(LensSettingsEntries(m_model, m_options));
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
    if (m_updateGuard != 0) {
        box->setChecked(m_model.Selected().Contains(k));
        return;
    }
    GuardScope guard(m_updateGuard);
    if (!(box->isChecked() && m_model.Selected().IsFull())) Backup(kBackupSelection);
    const SelectionResult result = m_model.SelectParameter(k, box->isChecked());
    if (result.outcome != SelectOutcome::kAccepted) {
        box->setChecked(false);
        if (result.outcome == SelectOutcome::kRefused && m_context.prompter) {
            m_context.prompter->Message(FromStd(result.message), PromptIcon::Exclamation);
        }
        return;
    }
    RunSelectionCycle(false, false, true);
}

void frmLumarik::SelectAperture(int k) {
    QCheckBox* box = m_chkVarTypeAp[k];
    if (m_updateGuard != 0) {
        box->setChecked(m_model.Apertures().Contains(k));
        return;
    }
    GuardScope guard(m_updateGuard);
    if (!(box->isChecked() && m_model.Apertures().IsFull())) Backup(kBackupSelection);
    const SelectionResult result = m_model.SelectAperture(k, box->isChecked());
    if (result.outcome != SelectOutcome::kAccepted) {
        box->setChecked(false);
        return;
    }
    ShowRow(kApertureRow);
    ShowResults(m_model.ApertureCycle());
}

void frmLumarik::ObjectAtInfinityClicked() {
    if (m_updateGuard != 0) {
        m_chkObjAtInfinity->setChecked(m_model.ObjectAtInfinity());
        return;
    }
    GuardScope guard(m_updateGuard);
    Backup(kBackupObjectAtInfinity);
    if (m_model.ObjectAtInfinityChanged(m_chkObjAtInfinity->isChecked())) SyncBoxes();
    RunSelectionCycle(false, false, true);
}

void frmLumarik::RunSelectionCycle(bool syncBoxes, bool continuity, bool listingOption) {
    if (syncBoxes) SyncBoxes();
    const CycleResult result = m_model.SelectionCycle(continuity, listingOption);
    ApplyEnables(result.enables);
    RebuildRows();
    ShowResults(result.view);
}

void frmLumarik::SyncBoxes() {
    for (int k = 0; k < kSelectableCount; ++k) {
        m_chkVarType[k]->setChecked(m_model.Selected().Contains(k));
    }
    for (int k = 0; k < kSelectableApertureCount; ++k) {
        m_chkVarTypeAp[k]->setChecked(m_model.Apertures().Contains(k));
    }
}

void frmLumarik::ApplyEnables(const EnableRules& rules) {
    m_chkObjAtInfinity->setEnabled(rules.objectAtInfinityEnabled);
    m_chkObjAtInfinity->setChecked(rules.objectAtInfinityChecked);
    for (int k = 0; k < kSelectableCount; ++k) m_chkVarType[k]->setEnabled(rules.parameterEnabled[k]);
    for (int k = 0; k < kSelectableApertureCount; ++k) {
        m_chkVarTypeAp[k]->setEnabled(rules.apertureEnabled[k]);
    }
}

// ---- value rows ---------------------------------------------------------------------------

VarCollection& frmLumarik::RowCollection(int row) {
    return row == kApertureRow ? m_model.Apertures() : m_model.Selected();
}

bool frmLumarik::RowHasRecord(int row) { return RowCollection(row).Count() >= RowPosition(row); }

float frmLumarik::RowFactor(int row) {
    const int number = RowCollection(row).VarType(RowPosition(row));
    return row == kApertureRow ? m_model.Catalogue().ApertureUnitFactor(number)
                               : m_model.Catalogue().UnitFactor(number);
}

QString frmLumarik::DisplayText(int row, float internal) {
    const int number = RowCollection(row).VarType(RowPosition(row));
    return QString::fromStdString(row == kApertureRow ? m_model.ApertureValueText(number, internal)
                                                      : m_model.ValueText(number, internal));
}

void frmLumarik::RebuildRows() {
    for (int row = 0; row <= kApertureRow; ++row) ShowRow(row);
    ApplyPresetState();
}

void frmLumarik::Backup(int reason, int index) {
    m_backup.TakeBackup(reason, index, m_model, m_options);
}

void frmLumarik::ShowRow(int row) {
    ValueRowWidgets& w = Row(row);
    if (!RowHasRecord(row)) {
        w.caption->setText(QString());
        w.sliderCaption->setText(QString());
        WriteBox(w.value, windowtexts::kNotDefined);
        WriteBox(w.lower, windowtexts::kLowerLimitPlaceholder);
        WriteBox(w.upper, windowtexts::kUpperLimitPlaceholder);
        for (QWidget* c : {static_cast<QWidget*>(w.value), w.slider}) c->setEnabled(false);
        return;
    }
    const CVarType& record = RowCollection(row).Item(RowPosition(row));
    const QString label =
        row == kApertureRow
            ? FromStd(m_model.Catalogue().ApertureName(record.nVarType))
            : QString::fromStdString(m_model.Catalogue().Label(record.nVarType));
    w.caption->setText(label);
    w.sliderCaption->setText(label);
    const bool atInfinity = row != kApertureRow && record.nVarType == kParObjectDist &&
                            record.bVarValDef && record.sVarValue == kInfinity;
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
    const CVarType& record = RowCollection(row).Item(RowPosition(row));
    WriteBox(w.lower, record.bLimLowDef ? DisplayText(row, record.sLimLow)
                                        : windowtexts::kLowerLimitPlaceholder);
    WriteBox(w.upper, record.bLimHihDef ? DisplayText(row, record.sLimHih)
                                        : windowtexts::kUpperLimitPlaceholder);
}

void frmLumarik::SetSliderPosition(int row) {
    QScrollBar* bar = Row(row).bar;
    const std::optional<int> position = SliderPosition(RowCollection(row).Item(RowPosition(row)),
                                                       bar->minimum(), bar->maximum());
    if (!position) return;
    m_sliderPositioning = true;
    bar->setValue(*position);
    m_sliderPositioning = false;
}

void frmLumarik::CommitValue(int row) {
    if (m_updateGuard != 0 || !RowHasRecord(row) || UnchangedSinceWritten(Row(row).value)) return;
    GuardScope guard(m_updateGuard);
    CommitValueNow(row);
}

// The commit proper; the caller holds the update guard.
void frmLumarik::CommitValueNow(int row) {
    if (!RowHasRecord(row)) return;
    QLineEdit* box = Row(row).value;
    VarCollection& records = RowCollection(row);
    const int position = RowPosition(row);
    const CVarType stored = records.Item(position);
    const float factor = RowFactor(row);
    const NumberSeparators sep = m_model.Separators();
    const std::optional<AcceptedNumber> accepted = AcceptNumber(box->text().toStdString(), sep);
    if (!accepted || !FitsSingle(accepted->value * factor)) {
        WriteBox(box, stored.bVarValDef ? DisplayText(row, stored.sVarValue) : QString());
        return;
    }
    double x = accepted->value;
    if (stored.bVarValDef && SameValue(x * factor, stored.sVarValue)) {
        WriteBox(box, DisplayText(row, stored.sVarValue));
        return;
    }
    if (row != kApertureRow && stored.nVarType == kParObjectDist && x > 0 && !m_options.positiveObj) {
        x = AskNegativeDistance(windowtexts::kRealObjectNegative, x);
    }
    if (row == kApertureRow) x = AskApertureValue(stored.nVarType, x);
    Backup(kBackupValue, row);
    CVarType record = stored;
    const float value = static_cast<float>(x * factor);
    const bool limitsChanged = ExtendLimits(record, value, m_model.LimitMargin());
    record.sVarValue = value;
    record.bVarValDef = true;
    StoreRecord(row, record);
    if (record.nVarType == kParImageHeight && row != kApertureRow && m_keyboardCommit) {
        ReleasePreset(true);
    }
    WriteBox(box, DisplayText(row, value));
    SetSliderPosition(row);
    ShowResults(m_model.Recalculate());
    if (limitsChanged) ShowLimits(row);
}

void frmLumarik::CommitLowerLimit(int row) { CommitLimit(row, false); }

void frmLumarik::CommitUpperLimit(int row) { CommitLimit(row, true); }

void frmLumarik::CommitLimit(int row, bool upper) {
    if (m_updateGuard != 0 || !RowHasRecord(row)) return;
    QLineEdit* box = upper ? Row(row).upper : Row(row).lower;
    if (UnchangedSinceWritten(box)) return;
    const std::optional<AcceptedNumber> accepted =
        AcceptNumber(box->text().toStdString(), m_model.Separators());
    const float factor = RowFactor(row);
    if (!accepted || !FitsSingle(accepted->value * factor)) return;
    GuardScope guard(m_updateGuard);
    CVarType record = RowCollection(row).Item(RowPosition(row));
    double x = accepted->value;
    // The sign comes first, so that the comparisons see the number that is stored.
    if (row != kApertureRow && record.nVarType == kParObjectDist && x > 0 && !m_options.positiveObj) {
        x = AskNegativeDistance(windowtexts::kRealObjectLimitNegative, x);
    }
    if (row == kApertureRow) x = AskApertureLimit(record.nVarType, x, upper);
    const double limit = x * factor;
    QString refusal;
    if (upper) {
        if (record.bLimLowDef && limit < record.sLimLow) {
            refusal = windowtexts::kUpperBelowLower;
        } else if (record.bVarValDef && limit < record.sVarValue) {
            refusal = windowtexts::kUpperBelowValue;
        }
    } else {
        if (record.bLimHihDef && limit > record.sLimHih) {
            refusal = windowtexts::kLowerAboveUpper;
        } else if (record.bVarValDef && limit > record.sVarValue) {
            refusal = windowtexts::kLowerAboveValue;
        }
    }
    if (!refusal.isEmpty()) {
        if (m_context.prompter) m_context.prompter->Message(refusal, PromptIcon::Exclamation);
        ShowLimits(row);
        return;
    }
    const bool defined = upper ? record.bLimHihDef : record.bLimLowDef;
    const float old = upper ? record.sLimHih : record.sLimLow;
    if (!(defined && SameValue(limit, old))) {
        Backup(kBackupValue, row);
        (upper ? record.sLimHih : record.sLimLow) = static_cast<float>(limit);
        (upper ? record.bLimHihDef : record.bLimLowDef) = true;
        StoreRecord(row, record);
    }
    ShowLimits(row);
    SetSliderPosition(row);
}

void frmLumarik::SliderMoved(int row) {
    if (m_updateGuard != 0 || m_sliderPositioning || !RowHasRecord(row)) return;
    CVarType record = RowCollection(row).Item(RowPosition(row));
    if (!record.bLimLowDef || !record.bLimHihDef) return;
    GuardScope guard(m_updateGuard);
    QScrollBar* bar = Row(row).bar;
    Backup(kBackupSlider, row);
    record.sVarValue = SliderValue(record, bar->value(), bar->minimum(), bar->maximum());
    record.bVarValDef = true;
    StoreRecord(row, record);
    if (row != kApertureRow && record.nVarType == kParImageHeight) ReleasePreset(true);
    WriteBox(Row(row).value, DisplayText(row, record.sVarValue));
    ShowResults(m_model.Recalculate());
}

void frmLumarik::StoreRecord(int row, const CVarType& record) {
    VarCollection& records = RowCollection(row);
    const int position = RowPosition(row);
    records.SetVarValue(position, record.sVarValue);
    records.SetVarValDef(position, record.bVarValDef);
    records.SetLimLow(position, record.sLimLow);
    records.SetLimHih(position, record.sLimHih);
    records.SetLimLowDef(position, record.bLimLowDef);
    records.SetLimHihDef(position, record.bLimHihDef);
}

double frmLumarik::AskNegativeDistance(const QString& prompt, double x) {
    if (!m_context.prompter) return -x;
    const NumberSeparators sep = m_model.Separators();
    while (!(x < 0)) {
        const std::optional<QString> answer = m_context.prompter->Input(
            prompt, windowtexts::kObjectDistanceTitle, QString::fromStdString(NumberText(-x)));
        if (!answer) continue;  // Cancel asks again: a real object's distance is negative
        const std::optional<double> number = ParseNumber(answer->trimmed().toStdString(), sep);
        if (number && FitsSingle(*number)) x = *number;
    }
    return x;
}

double frmLumarik::AskAperture(const QString& prompt, double x, double minimum,
                               double defaultAnswer, double below) {
    if (!m_context.prompter) return std::max(x, minimum);
    const NumberSeparators sep = m_model.Separators();
    auto admissible = [&] { return x >= minimum && (below <= 0.0 || x < below); };
    while (!admissible()) {
        const std::optional<QString> answer = m_context.prompter->Input(
            prompt, windowtexts::kApertureTitle, QString::fromStdString(NumberText(defaultAnswer)));
        if (!answer) continue;
        const std::optional<double> number = ParseNumber(answer->trimmed().toStdString(), sep);
        if (number && FitsSingle(*number)) x = *number;
    }
    return x;
}

// The numerical apertures must stay below the refractive index of their space: sin u < 1.
double frmLumarik::AskApertureValue(int number, double x) {
    if (number == kApFNumber && x <= 0) return AskAperture(windowtexts::kFNumberPositive, x, 1.0, 1.0);
    if (number != kApFNumber && x < 0) {
        x = AskAperture(windowtexts::kApertureValuePositive, x, 0.0, 0.0);
    }
    return AskBelowIndex(number, x);
}

double frmLumarik::AskApertureLimit(int number, double x, bool upper) {
    if (number == kApFNumber && x < 1.0) return AskAperture(windowtexts::kFNumberAboveOne, x, 1.0, 1.0);
    if (number != kApFNumber && x < 0) {
        x = AskAperture(upper ? windowtexts::kApertureValuePositive
                              : windowtexts::kApertureLowerPositive,
                        x, 0.0, 0.0);
    }
    return AskBelowIndex(number, x);
}

double frmLumarik::AskBelowIndex(int number, double x) {
    if (number != kApNA && number != kApNAImage) return x;
    const double index = number == kApNA ? m_model.Constants().N()
                                         : std::fabs(m_model.Constants().NPrime());
    if (x < index) return x;
    return AskAperture(windowtexts::kNABelowIndex, x, 0.0, 0.99 * index, index);
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
    m_tabExtraInfo->setVisible(view.resultListsVisible && m_options.showExtra);
    if (view.buildListing) {
        ShowListing(m_model.BuildListing(view.rewriteNames, m_updateGuard == 2, m_loading));
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
    m_pctDrg->update();
    // The standard F-numbers fit only the F-number: picked while NA is chosen they would be
    // stored as an NA.
    m_comApFNosStandard->setVisible(view.apertureRowVisible &&
                                    m_model.Apertures().Contains(kApFNumber));
}

void frmLumarik::StandardFNumbersClicked() {
    if (m_updateGuard != 0) return;
    frmApFNosStandard::Display(this, [this](double exact) {
        if (m_updateGuard != 0 || !RowHasRecord(kApertureRow)) return;
        m_apRow.value->setText(QString::number(exact, 'g', 7)
                                   .replace(QLatin1Char('.'), QChar(m_model.DecimalSeparator())));
        GuardScope guard(m_updateGuard);
        CommitValueNow(kApertureRow);
    });
}

// The symbol style is a display preference: it is written at once and shows everywhere.
void frmLumarik::SymbolStyleChosen() {
    if (m_updateGuard != 0) return;
    GuardScope guard(m_updateGuard);
    const int style = m_lstSymbols->currentRow() == 1 ? kSymbolsUser : kSymbolsStandard;
    m_comSymbols->setEnabled(style == kSymbolsUser);
    const CSApplication app(m_context);
    app.WriteSettings({UnitTypeEntry(style)});
    m_model.Catalogue().RebuildSymbols(style, SymbolsFromIni(app.Settings()));
    RebuildCaptions();
    RunSelectionCycle(false, false, true);
}

void frmLumarik::SymbolsClicked() {
    if (m_updateGuard != 0) return;
    frmSymbols::Display(m_context, m_model.Catalogue(), this, [this] {
        GuardScope guard(m_updateGuard);
        RebuildCaptions();
        RunSelectionCycle(false, false, true);
    });
}

void frmLumarik::HelpClicked() {
    const int page = m_tabOptions->currentIndex();
    frmHelp::Display(this, page == 1 || page == 2 ? page : kHelpKeyParams);
}

// The page of new features, once per user, after the window is on screen; the flag is
// written before the page shows, so a crash on it never repeats it.
void frmLumarik::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_shownOnce) return;
    m_shownOnce = true;
    QTimer::singleShot(0, this, [this] {
        if (!ShouldShowNewFeatures()) return;
        MarkNewFeaturesShown();
        frmHelp::Display(this, kHelpNewFeatures);
    });
}

void frmLumarik::ShowListing(const ListingRows& rows) {
    while (m_lstResNames->count() < kListingRowCount) m_lstResNames->addItem(QString());
    m_lstResVals->clear();
    for (int i = 0; i < kListingRowCount; ++i) {
        if (rows.writeName[i]) m_lstResNames->item(i)->setText(QString::fromStdString(rows.names[i]));
        m_lstResVals->addItem(QString::fromStdString(rows.values[i]));
    }
}

void frmLumarik::ShowDepthOfField() {
    if (m_lstDOFNames->count() == 0) {
        for (std::string_view name : texts::kDofRowNames) m_lstDOFNames->addItem(FromStd(name));
    }
    const DepthOfFieldView dof = m_model.DepthOfFieldRows();
    m_lstDOFVals->clear();
    for (const std::string& value : dof.values) m_lstDOFVals->addItem(QString::fromStdString(value));
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
    if (m_updateGuard != 0 || UnchangedSinceWritten(m_txtDOFCustom)) return;
    GuardScope guard(m_updateGuard);
    const CustomCofCResult result = m_model.CommitCustomCofC(
        m_txtDOFCustom->text().toStdString(), [this] { Backup(kBackupCustomCofC); });
    if (!result.accepted) return;
    WriteBox(m_txtDOFCustom, QString::fromStdString(result.boxText));
    if (result.showDepthOfField) ShowDepthOfField();
}

void frmLumarik::CofCTypeChosen(int type) {
    if (m_updateGuard != 0 || m_model.DepthOfField().CofCType() == type) return;
    GuardScope guard(m_updateGuard);
    if (m_model.ChooseCofCType(type)) ShowDepthOfField();
}

}  // namespace lumarik
