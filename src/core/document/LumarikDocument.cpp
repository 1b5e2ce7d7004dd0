#include "core/document/LumarikDocument.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/beam/BeamTexts.h"
#include "core/chart/LensIdeas.h"
#include "core/document/EntryTexts.h"
#include "core/document/ValueAsker.h"
#include "core/format/Format.h"
#include "core/ini/IniDocument.h"
#include "core/model/ImageHeightPresets.h"
#include "core/model/ModeSwitches.h"
#include "core/model/ValueEntry.h"
#include "core/settings/BeamSettings.h"
#include "core/settings/LumarikSettings.h"
#include "core/settings/UserSymbols.h"

namespace lumarik {
namespace {

// A correcting question keeps coming back until the answer is admissible; an asker that
// never gives one (a broken script) ends in a refusal instead of a hang.
constexpr int kMaxQuestions = 1000;

// Two option values closer than this are the same value.
constexpr double kSameOptionValue = 1e-7;

// A numerical aperture's limits stay at most this share of its space's index.
constexpr double kApertureCeilingShare = 0.99;

bool IsBeamDivergence(int number) {
    return number == kBeamObjDivergence || number == kBeamImgDivergence;
}

bool IsNumericalAperture(const CVarType& record, bool aperture) {
    return aperture && (record.nVarType == kApNA || record.nVarType == kApNAImage);
}

// A default answer as the user would type it: the shortest text that reads back to the value,
// with the user's decimal separator.
std::string AnswerText(double value, char decimal) {
    std::string text = NumberText(value);
    std::replace(text.begin(), text.end(), '.', decimal);
    return text;
}

}  // namespace

// ---- undo ------------------------------------------------------------------------------------

void LumarikDocument::TakeBackup(BackupReason reason, int index) {
    if (reason != kBackupChart) DropChartBackup();
    m_backup.TakeBackup(reason, index, m_model, m_options, m_beam);
}

bool LumarikDocument::Undo() {
    DropChartBackup();
    const BackupReason reason = m_backup.LastReason();
    if (!m_backup.Undo(m_model, m_options, m_beam)) return false;
    if (reason == kBackupOpen || reason == kBackupClear) std::swap(m_file, m_otherFile);
    AfterWholeSystem();
    return true;
}

// ---- calculations ----------------------------------------------------------------------------

ResultsView LumarikDocument::Solved(const ResultsView& view) {
    m_results = view;
    Announce(kChangeResults);
    ReleaseStalePreset();
    return view;
}

// The preset names the image height only while the height is the preset's: a chart click, a
// drag, a slider or an Undo that moves it releases the preset as typing does.
void LumarikDocument::ReleaseStalePreset() {
    if (!m_options.imageHeightPreset) return;
    const VarCollection& chosen = m_model.Selected();
    const int position = chosen.PositionOf(kParImageHeight);
    const int index = m_options.imageHeightPresetIndex;
    const bool holds = position > 0 && index >= 1 && index <= kImageHeightPresetCount &&
                       chosen.VarValDef(position) &&
                       chosen.VarValue(position) ==
                           static_cast<float>(-ImageHeightPresetHeight(index) *
                                              m_model.Catalogue().UnitFactor(kParImageHeight));
    if (holds) return;
    ReleasePreset();
    Announce(kChangeRows);
}

void LumarikDocument::RecalculateMode() {
    if (BeamMode()) {
        RecalcBeam();
    } else {
        Recalculated();
    }
}

void LumarikDocument::RunCycle() {
    if (BeamMode()) {
        RecalcBeam();
    } else {
        Solved(m_model.SelectionCycle(SolveMemory::kUpdate).view);
    }
    Announce(kChangeChoice | kChangeRows);
}

void LumarikDocument::AfterWholeSystem() {
    RunCycle();
    Announce(kChangeAll);
}

// ---- the open file ---------------------------------------------------------------------------

void LumarikDocument::MarkSaved(std::string path) {
    m_file = {std::move(path), SystemFileText()};
    Announce(kChangeFile);
}

bool LumarikDocument::SomethingToSave() const {
    return m_model.Selected().Count() > 0 || m_beam.Selection(0).Count() > 0 || m_cleared;
}

// ---- the aperture/field chart ----------------------------------------------------------------

std::optional<ResultsView> LumarikDocument::ApFieldParamsChng(float sNA, float sField) {
    if (!(sNA >= 0.01f && sNA <= 1.0f && sField >= 0.1f && sField <= 90.0f)) return std::nullopt;
    if (BeamMode() || m_model.Selected().Count() < kMaxSelected || m_model.NoSolution() ||
        m_model.ApertureMissing()) {
        return std::nullopt;
    }
    ChartBackup before{m_model.Selected().Records(), m_model.Apertures().Records()};
    TakeBackup(kBackupChart);
    // A point the system cannot take leaves it as it was: nothing to show, nothing to undo.
    if (!ApplyChartPoint(m_model, sNA, sField)) return std::nullopt;
    m_chartBackup = std::move(before);
    Announce(kChangeRows);
    return Solved(m_model.Refresh(true));
}

std::optional<ResultsView> LumarikDocument::UndoChart() {
    if (!m_chartBackup) return std::nullopt;
    const ChartBackup backup = std::move(*m_chartBackup);
    TakeBackup(kBackupChart);
    DropChartBackup();
    for (auto [records, saved] : {std::pair{&m_model.Selected(), &backup.selected},
                                  std::pair{&m_model.Apertures(), &backup.apertures}}) {
        records->Clear();
        for (const CVarType& record : *saved) records->AppendCopy(record);
    }
    Announce(kChangeRows);
    return Recalculated();
}

void LumarikDocument::SetSeparators(NumberSeparators separators) {
    m_model.SetSeparators(separators);
    m_beam.SetDecimalSeparator(separators.decimal);
}

// ---- the choice of parameters ----------------------------------------------------------------

SelectionResult LumarikDocument::SelectParameter(Parameter k, bool ticked) {
    if (!(ticked && m_model.Selected().IsFull())) TakeBackup(kBackupSelection);
    const SelectionResult result = m_model.SelectParameter(k, ticked);
    Announce(kChangeChoice);
    if (result.outcome == SelectOutcome::kAccepted) {
        Solved(m_model.SelectionCycle(SolveMemory::kLeave).view);
        Announce(kChangeRows);
    }
    return result;
}

SelectionResult LumarikDocument::SelectAperture(ApertureParameter k, bool ticked) {
    if (!(ticked && m_model.Apertures().IsFull())) TakeBackup(kBackupSelection);
    const SelectionResult result = m_model.SelectAperture(k, ticked);
    Announce(kChangeChoice);
    if (result.outcome == SelectOutcome::kAccepted) {
        Solved(m_model.ApertureCycle());
        Announce(kChangeRows);
    }
    return result;
}

bool LumarikDocument::SetObjectAtInfinity(bool ticked) {
    TakeBackup(kBackupObjectAtInfinity);
    const bool heightRemoved = m_model.ObjectAtInfinityChanged(ticked);
    Solved(m_model.SelectionCycle(SolveMemory::kLeave).view);
    Announce(kChangeChoice | kChangeRows);
    return heightRemoved;
}

// ---- the beam mode ---------------------------------------------------------------------------

void LumarikDocument::SetBeamMode(bool on) {
    const bool entering = on && !m_options.beamMode;
    m_options.beamMode = on;
    if (entering) RecalcBeam(SolveMemory::kLeave);
    RunCycle();
    Announce(kChangeAll);
}

void LumarikDocument::SetAltSolution(bool alt) {
    m_beam.SetAltSolution(alt);
    RecalcBeam();
    Announce(kChangeChoice | kChangeRows);
}

void LumarikDocument::SetUseM2(bool use) {
    m_beam.SetUseM2(use);
    RecalcBeam();
    Announce(kChangeOptions);
}

void LumarikDocument::SetDetectorOn(bool on) {
    m_beam.SetDetectorOn(on);
    RecalcBeam();
    Announce(kChangeOptions);
}

void LumarikDocument::SetDofIndex(int index) {
    m_beam.SetDofIndex(index);
    Announce(kChangeOptions);
}

void LumarikDocument::SwitchDiodeMode(bool on) {
    TakeBackup(kBackupDiode);
    m_beam.SwitchDiodeMode(on);
    RunCycle();
    Announce(kChangeOptions | kChangeMode);
}

void LumarikDocument::SwitchCircularisation(bool on) {
    TakeBackup(kBackupDiode);
    m_beam.SwitchCircularisation(on);
    RunCycle();
    Announce(kChangeOptions | kChangeMode);
}

void LumarikDocument::SetCollimationMode(int mode) {
    if (mode == m_beam.CollimationMode()) return;
    TakeBackup(kBackupDiode);
    m_beam.SetCollimationMode(mode);
    Announce(kChangeOptions | kChangeMode);
}

void LumarikDocument::ChooseDiodeParamType(BeamQuantity number) {
    TakeBackup(kBackupDiode);
    m_beam.ChooseDiodeParamType(number);
    Announce(kChangeOptions);
}

BeamSelectResult LumarikDocument::SelectBeamParameter(BeamQuantity number, bool ticked) {
    if (!(ticked && m_beam.Selection(0).IsFull())) TakeBackup(kBackupBeamSelection);
    const BeamSelectResult result = m_beam.SelectBeamParameter(number, ticked);
    Announce(kChangeChoice);
    if (result.outcome == BeamSelectOutcome::kAccepted) {
        RecalcBeam();
        Announce(kChangeRows);
    }
    return result;
}

BeamView LumarikDocument::RecalcBeam(SolveMemory memory) {
    m_beam.SetOptics(BeamOpticsFrom(m_model.Constants()));
    BeamView view;
    view.shown = true;
    view.ok = m_beam.SolveBeam(memory == SolveMemory::kUpdate);
    view.rowsChanged = m_beam.DiodeMode() && m_beam.Circularise();
    m_beamResults = view;
    Announce(view.rowsChanged ? kChangeResults | kChangeRows : kChangeResults);
    return view;
}

BeamView LumarikDocument::AfterBeamRowChange(int row) {
    m_beam.CoupleCircularisationPartner(RowPosition(row));
    return RecalcBeam();
}

std::string LumarikDocument::CouplingRefusal(const GaussianBeam& trial, int position,
                                             bool withinLimits) const {
    const VarCollection& before = m_beam.Selection(0);
    const VarCollection& after = trial.Selection(0);
    if (before.Count() != after.Count()) return {};
    const auto shown = [this](int n, float value) { return m_beam.EntryText(n, value); };
    for (int p = 1; p <= after.Count(); ++p) {
        const CVarType& was = before.Item(p);
        const CVarType& now = after.Item(p);
        if (p == position || now.nVarType != was.nVarType || !now.bVarValDef ||
            (was.bVarValDef && now.sVarValue == was.sVarValue)) {
            continue;
        }
        const std::string coupled = std::string(entrytexts::kCoupledValue) +
                                    m_beam.Symbols().Symbol(now.nVarType) + " = " +
                                    shown(now.nVarType, now.sVarValue);
        const bool sameSign = (was.sVarValue > 0.0f && now.sVarValue > 0.0f) ||
                              (was.sVarValue < 0.0f && now.sVarValue < 0.0f);
        if (now.nVarType == kBeamFocal && was.bVarValDef && was.sVarValue != 0.0f && !sameSign) {
            return coupled + std::string(entrytexts::kCoupledFocalTurned);
        }
        if (withinLimits && ((was.bLimLowDef && now.sVarValue < was.sLimLow) ||
                             (was.bLimHihDef && now.sVarValue > was.sLimHih))) {
            return coupled + std::string(entrytexts::kCoupledOutsideLimits) +
                   (was.bLimLowDef ? shown(now.nVarType, was.sLimLow) : std::string("?")) + " … " +
                   (was.bLimHihDef ? shown(now.nVarType, was.sLimHih) : std::string("?")) +
                   std::string(entrytexts::kCoupledKept);
        }
    }
    return {};
}

std::string LumarikDocument::RowCouplingRefusal(int row, const CVarType& record,
                                                bool withinLimits) const {
    if (!BeamMode() || !m_beam.DiodeMode() || !m_beam.Circularise()) return {};
    GaussianBeam trial = m_beam;
    const int position = RowPosition(row);
    trial.Selection(0).SetVarValue(position, record.sVarValue);
    trial.Selection(0).SetVarValDef(position, true);
    trial.CoupleCircularisationPartner(position);
    trial.SolveBeam(false);
    return CouplingRefusal(trial, position, withinLimits);
}

std::string LumarikDocument::BeamWavelengthText() const {
    return m_beam.WavelengthText();
}

bool LumarikDocument::WouldUnsolve(GaussianBeam trial) const {
    trial.SolveBeam(false);
    for (int axis = 0; axis < kBeamAxes; ++axis) {
        if (m_beam.AxisSolved(axis) && !trial.AxisSolved(axis)) return true;
    }
    return false;
}

BeamOptionCommit LumarikDocument::CommitBeamWavelength(std::string_view typed, ValueAsker* asker) {
    const std::optional<double> v = Accept(typed, asker);
    BeamOptionCommit commit;
    commit.boxText = BeamWavelengthText();
    Announce(kChangeOptions);
    if (!v) {
        commit.message = beamtexts::kNotANumber;
        return commit;
    }
    if (!(*v >= kLeastWavelengthNm && *v <= kGreatestWavelengthNm)) {
        commit.message = kWavelengthRange;
        return commit;
    }
    if (std::fabs(*v - m_beam.GetWavelengthNm()) > kSameOptionValue) {
        GaussianBeam trial = m_beam;
        trial.SetWavelengthNm(*v);
        if (WouldUnsolve(trial)) {
            commit.message = beamtexts::kWouldUnsolve;
            return commit;
        }
        TakeBackup(kBackupBeamValue);
        m_beam.SetWavelengthNm(*v);
        commit.stored = true;
        commit.beam = RecalcBeam();
    }
    commit.boxText = BeamWavelengthText();
    return commit;
}

// ---- the beam drawing ------------------------------------------------------------------------

BeamDrawOptions LumarikDocument::BeamDrawing(bool printing) const {
    BeamDrawOptions options;
    options.scaleMode = m_options.beamDrawScaleType;
    options.fixedDistance = m_options.beamDrawScale;
    options.drawPoints = m_options.drawPoints;
    options.printing = printing;
    return options;
}

bool LumarikDocument::SetBeamDrawScaleType(int mode) {
    if (mode < 0 || mode >= kScaleModeCount || mode == m_options.beamDrawScaleType) return false;
    m_options.beamDrawScaleType = mode;
    Announce(kChangeOptions | kChangeDrawing);
    return true;
}

std::string LumarikDocument::BeamDrawScaleText() const {
    if (!BeamDrawScaleEnabled()) return {};
    return Format(FixedDistanceInUse(m_beam, m_options.beamDrawScale), "0.0mm",
                  m_model.DecimalSeparator());
}

BeamOptionCommit LumarikDocument::CommitBeamDrawScale(std::string_view typed, ValueAsker* asker) {
    BeamOptionCommit commit;
    const std::optional<double> v = Accept(typed, asker);
    if (v && *v > 0.0 && FitsSingle(*v) && *v != m_options.beamDrawScale) {
        m_options.beamDrawScale = *v;
        commit.stored = true;
    }
    commit.boxText = BeamDrawScaleText();
    Announce(commit.stored ? kChangeOptions | kChangeDrawing : kChangeOptions);
    return commit;
}

PressResult LumarikDocument::StartLensDrag(double x, double y, const GrabHandles& handles) {
    const PressResult press = m_touch.DragHitTest(x, y, m_model, m_options, handles,
                                                  [this] { TakeBackup(kBackupValue); });
    if (press.selectionChanged) Announce(kChangeChoice | kChangeRows);
    return press;
}

// The rear principal plane moves the separation: the option rows follow a drag.
std::optional<ResultsView> LumarikDocument::MoveLensDrag(double x, double y) {
    if (!m_touch.DragMove(x, y, m_model, [this] { TakeBackup(kBackupValue); })) {
        return std::nullopt;
    }
    Announce(kChangeRows | kChangeOptions);
    return Recalculated();
}

bool LumarikDocument::EndDrag() {
    const bool lens = m_touch.EndDrag();
    const bool beam = m_beamTouch.EndDrag();
    if (!lens && !beam) return false;
    RecalculateMode();
    Announce(kChangeChoice | kChangeRows | kChangeOptions);
    return true;
}

BeamPress LumarikDocument::StartBeamDrag(double x, double y, const BeamHandles& handles) {
    const BeamPress press = m_beamTouch.DragHitTest(x, y, m_beam, m_model.Constants(), handles,
                                                    [this] { TakeBackup(kBackupBeamValue); });
    m_dragNotice.clear();
    // The swapped-in quantity keeps its solved value: the same beam, with new boxes and rows.
    if (press.selectionChanged) {
        const BeamSymbols& symbols = m_beam.Symbols();
        m_dragNotice = std::string(entrytexts::kDragChose) + symbols.Symbol(press.chosen) +
                       std::string(entrytexts::kDragInsteadOf) + symbols.Symbol(press.released) +
                       std::string(entrytexts::kDragComputed) + symbols.Symbol(press.released) +
                       std::string(entrytexts::kDragUndo);
        RecalcBeam();
        Announce(kChangeChoice | kChangeRows);
    }
    return press;
}

BeamView LumarikDocument::MoveBeamDrag(double x, double y) {
    if (m_beam.DiodeMode() && m_beam.Circularise()) {
        DrgTouchGB touch = m_beamTouch;
        GaussianBeam trial = m_beam;
        EffectiveConstants constants = m_model.Constants();
        const int moved = touch.DragMove(x, y, trial, constants, {});
        if (moved < 0) return {};
        if (moved == 1 || moved == 2) trial.CoupleCircularisationPartner(moved);
        trial.SolveBeam(false);
        BeamView refused;
        refused.refusal = CouplingRefusal(trial, moved, true);
        if (!refused.refusal.empty()) return refused;
    }
    const int position = m_beamTouch.DragMove(x, y, m_beam, m_model.Constants(),
                                              [this] { TakeBackup(kBackupBeamValue); });
    if (position < 0) return {};
    if (position == 1 || position == 2) m_beam.CoupleCircularisationPartner(position);
    Announce(kChangeRows | kChangeOptions);
    return RecalcBeam();
}

// ---- rows ------------------------------------------------------------------------------------

VarCollection& LumarikDocument::RowCollection(int row) {
    if (row == kApertureRow) return m_model.Apertures();
    return BeamMode() ? m_beam.Selection(0) : m_model.Selected();
}

const VarCollection& LumarikDocument::RowCollection(int row) const {
    if (row == kApertureRow) return m_model.Apertures();
    return BeamMode() ? m_beam.Selection(0) : m_model.Selected();
}

bool LumarikDocument::RowHasRecord(int row) const {
    if (row < 0 || row >= kValueRowCount || (BeamMode() && row == kApertureRow)) return false;
    return RowCollection(row).Count() >= RowPosition(row);
}

const CVarType* LumarikDocument::RowRecord(int row) const {
    return RowHasRecord(row) ? &RowCollection(row).Item(RowPosition(row)) : nullptr;
}

double LumarikDocument::RowFactor(int row) const {
    const int number = RowCollection(row).VarType(RowPosition(row));
    if (row == kApertureRow) return m_model.Catalogue().ApertureUnitFactor(number);
    return BeamMode() ? BeamScale(number) : m_model.Catalogue().UnitFactor(number);
}

std::string LumarikDocument::RowText(int row, float internal) const {
    const int number = RowCollection(row).VarType(RowPosition(row));
    if (row == kApertureRow) return m_model.ApertureValueText(number, internal);
    return BeamMode() ? m_beam.EntryText(number, internal) : m_model.ValueText(number, internal);
}

void LumarikDocument::StoreRecord(int row, const CVarType& record) {
    VarCollection& records = RowCollection(row);
    const int position = RowPosition(row);
    records.SetVarValue(position, record.sVarValue);
    records.SetVarValDef(position, record.bVarValDef);
    records.SetLimLow(position, record.sLimLow);
    records.SetLimHih(position, record.sLimHih);
    records.SetLimLowDef(position, record.bLimLowDef);
    records.SetLimHihDef(position, record.bLimHihDef);
}

ValueCommit LumarikDocument::Restored(int row, const CVarType& record) {
    Announce(kChangeRows);
    ValueCommit commit;
    commit.outcome = ValueCommit::Outcome::kRestored;
    if (record.bVarValDef) commit.boxText = RowText(row, record.sVarValue);
    return commit;
}

std::optional<double> LumarikDocument::Accept(std::string_view text, ValueAsker* asker) const {
    const std::optional<AcceptedNumber> accepted = AcceptNumber(text, m_model.Separators());
    if (!accepted) return std::nullopt;
    return Reading(*accepted, text, asker);
}

std::optional<double> LumarikDocument::Reading(const AcceptedNumber& accepted,
                                               std::string_view text, ValueAsker* asker) const {
    if (!accepted.groupedReading) return accepted.value;
    if (asker == nullptr) return std::nullopt;
    const char sep = m_model.DecimalSeparator();
    const std::vector<std::string> answers = {Format(accepted.value, "", sep),
                                              Format(*accepted.groupedReading, "", sep)};
    const std::string prompt =
        std::string(entrytexts::kAmbiguousOpen) + std::string(TrimBlanks(text)) +
        std::string(entrytexts::kAmbiguousMayMean) + answers[0] +
        std::string(entrytexts::kAmbiguousOr) + answers[1] + std::string(entrytexts::kAmbiguousEnd);
    const std::optional<std::size_t> chosen =
        asker->Choose(prompt, entrytexts::kAmbiguousTitle, answers);
    if (!chosen) return std::nullopt;
    return *chosen == 0 ? accepted.value : *accepted.groupedReading;
}

std::optional<double> LumarikDocument::AskNumber(ValueAsker& asker, std::string_view prompt,
                                                 std::string_view title,
                                                 double defaultAnswer) const {
    const std::optional<std::string> answer =
        asker.Ask(prompt, title, AnswerText(defaultAnswer, m_model.DecimalSeparator()));
    if (!answer) return std::nullopt;
    const std::optional<AcceptedNumber> accepted = AcceptNumber(*answer, m_model.Separators());
    if (!accepted || accepted->source != NumberSource::kDirect) return std::nullopt;
    const std::optional<double> number = Reading(*accepted, *answer, &asker);
    if (!number || !FitsSingle(*number)) return std::nullopt;
    return number;
}

// ---- the rules of typed values ---------------------------------------------------------------

std::optional<double> LumarikDocument::ApertureCeiling(const CVarType& record,
                                                       bool aperture) const {
    if (!IsNumericalAperture(record, aperture)) return std::nullopt;
    const double index = record.nVarType == kApNA ? m_model.Constants().N()
                                                  : std::fabs(m_model.Constants().NPrime());
    return kApertureCeilingShare * index;
}

// Shows the question until the answer is admissible; Cancel or a text that is no number asks
// again. Nothing without an asker: a value is refused rather than changed silently.
std::optional<double> LumarikDocument::AskUntil(ValueAsker* asker, const Question& question,
                                                double x) const {
    for (int asked = 0; !question.admissible(x); ++asked) {
        if (asker == nullptr || asked == kMaxQuestions) return std::nullopt;
        if (const std::optional<double> answer =
                AskNumber(*asker, question.prompt, question.title, question.defaultAnswer(x))) {
            x = *answer;
        }
    }
    return x;
}

// Sign rules: a real object lies left of the lens (unless positive object distances are
// allowed); an F-number is positive, every other aperture value not negative; a numerical
// aperture is the sine of an angle times the index, so it stays below the index. A limit obeys
// the same rules, an F-number limit is at least 1, and a numerical aperture's limit stays at
// most the ceiling, so that the slider never comes near sin u = 1.
std::optional<double> LumarikDocument::Correct(const CVarType& record, bool aperture, EntryBox box,
                                               double x, ValueAsker* asker) const {
    using entrytexts::kApertureTitle;
    // The beam quantities are sizes, distances of either sign and ratios: no sign rules.
    if (BeamMode() && !aperture) return x;
    const bool limit = box != EntryBox::kValue;
    std::optional<double> result = x;
    const auto ask = [&](const Question& q) {
        if (result) result = AskUntil(asker, q, *result);
    };
    const auto negative = [](double v) { return v < 0.0; };
    const auto notNegative = [](double v) { return v >= 0.0; };
    const auto atLeastOne = [](double v) { return v >= 1.0; };
    const auto one = [](double) { return 1.0; };
    const auto zero = [](double) { return 0.0; };
    if (!aperture) {
        if (record.nVarType == kParObjectDist && !m_options.positiveObj && x > 0) {
            ask({limit ? entrytexts::kRealObjectLimitNegative : entrytexts::kRealObjectNegative,
                 entrytexts::kObjectDistanceTitle, negative, [](double v) { return -v; }});
        }
        return result;
    }
    if (record.nVarType == kApFNumber) {
        if (limit) {
            ask({entrytexts::kFNumberAboveOne, kApertureTitle, atLeastOne, one});
        } else if (x <= 0) {
            ask({entrytexts::kFNumberPositive, kApertureTitle, atLeastOne, one});
        }
        return result;
    }
    ask({box == EntryBox::kLower ? entrytexts::kApertureLowerPositive
                                 : entrytexts::kApertureValuePositive,
         kApertureTitle, notNegative, zero});
    if (const std::optional<double> ceiling = ApertureCeiling(record, aperture)) {
        const double c = *ceiling;
        if (limit) {
            ask({entrytexts::kNALimitCeiling, kApertureTitle,
                 [c](double v) { return v >= 0.0 && v <= c; }, [c](double) { return c; }});
        } else {
            const double index = c / kApertureCeilingShare;
            ask({entrytexts::kNABelowIndex, kApertureTitle,
                 [index](double v) { return v >= 0.0 && v < index; }, [c](double) { return c; }});
        }
    }
    return result;
}

// ---- commits ---------------------------------------------------------------------------------

ValueCommit LumarikDocument::CommitValue(int row, std::string_view typed, std::string_view shown,
                                         bool fromKeyboard, ValueAsker* asker) {
    if (!RowHasRecord(row) || typed == shown) return {};
    const CVarType stored = *RowRecord(row);
    const std::optional<double> x = Accept(typed, asker);
    if (!x || !FitsSingle(*x * RowFactor(row))) return Restored(row, stored);
    const bool preset = m_options.imageHeightPreset;
    ValueCommit commit = CommitNumber(row, *x, asker);
    if (commit.outcome == ValueCommit::Outcome::kStored && fromKeyboard && row != kApertureRow &&
        !BeamMode() && stored.nVarType == kParImageHeight) {
        ReleasePreset();
    }
    commit.presetReleased = preset && !m_options.imageHeightPreset;
    return commit;
}

ValueCommit LumarikDocument::CommitNumber(int row, double x, ValueAsker* asker) {
    if (!RowHasRecord(row)) return {};
    const CVarType stored = *RowRecord(row);
    const bool aperture = row == kApertureRow;
    const double factor = RowFactor(row);
    if (!FitsSingle(x * factor)) return Restored(row, stored);
    if (stored.bVarValDef && SameValue(x * factor, stored.sVarValue)) return Restored(row, stored);
    const std::optional<double> corrected = Correct(stored, aperture, EntryBox::kValue, x, asker);
    if (!corrected || !FitsSingle(*corrected * factor)) return Restored(row, stored);

    CVarType record = stored;
    const float value = static_cast<float>(*corrected * factor);
    ValueCommit commit;
    commit.limitsChanged = ExtendLimits(record, value, m_model.LimitMargin());
    if (const std::optional<double> ceiling = ApertureCeiling(record, aperture)) {
        // The opened window must not carry the slider past the ceiling; a typed value above
        // it (still below the index) stays the top of its window.
        const float top = std::max(static_cast<float>(*ceiling), value);
        if (record.bLimHihDef && record.sLimHih > top) record.sLimHih = top;
    }
    record.sVarValue = value;
    record.bVarValDef = true;
    if (BeamMode() && IsBeamDivergence(record.nVarType) && !(std::fabs(value) < kMaxDivergence)) {
        ValueCommit refused = Restored(row, stored);
        refused.beam.refusal = beamtexts::kDivergenceRange;
        return refused;
    }
    if (std::string refusal = RowCouplingRefusal(row, record, false); !refusal.empty()) {
        ValueCommit refused = Restored(row, stored);
        refused.beam.refusal = std::move(refusal);
        return refused;
    }
    TakeBackup(ValueReason(), row);
    StoreRecord(row, record);
    Announce(kChangeRows);
    commit.outcome = ValueCommit::Outcome::kStored;
    commit.boxText = RowText(row, value);
    if (BeamMode()) {
        commit.beam = AfterBeamRowChange(row);
    } else {
        commit.view = Recalculated();
    }
    return commit;
}

LimitCommit LumarikDocument::CommitLimit(int row, bool upper, std::string_view typed,
                                         std::string_view shown, ValueAsker* asker) {
    if (!RowHasRecord(row) || typed == shown) return {};
    const double factor = RowFactor(row);
    const std::optional<double> typedNumber = Accept(typed, asker);
    if (!typedNumber || !FitsSingle(*typedNumber * factor)) return {};
    Announce(kChangeRows);  // the limits are shown again, changed or not
    CVarType record = *RowRecord(row);
    // The sign and range come first, so that the comparisons see the number that is stored.
    const std::optional<double> x =
        Correct(record, row == kApertureRow, upper ? EntryBox::kUpper : EntryBox::kLower,
                *typedNumber, asker);
    if (!x || !FitsSingle(*x * factor)) return {LimitCommit::Outcome::kShown, {}};
    const double limit = *x * factor;
    if (BeamMode() && IsBeamDivergence(record.nVarType) && !(std::fabs(limit) < kMaxDivergence)) {
        return {LimitCommit::Outcome::kRefused, beamtexts::kDivergenceRange};
    }
    if (upper) {
        if (record.bLimLowDef && limit < record.sLimLow) {
            return {LimitCommit::Outcome::kRefused, entrytexts::kUpperBelowLower};
        }
        if (record.bVarValDef && limit < record.sVarValue) {
            return {LimitCommit::Outcome::kRefused, entrytexts::kUpperBelowValue};
        }
    } else {
        if (record.bLimHihDef && limit > record.sLimHih) {
            return {LimitCommit::Outcome::kRefused, entrytexts::kLowerAboveUpper};
        }
        if (record.bVarValDef && limit > record.sVarValue) {
            return {LimitCommit::Outcome::kRefused, entrytexts::kLowerAboveValue};
        }
    }
    const bool defined = upper ? record.bLimHihDef : record.bLimLowDef;
    const float old = upper ? record.sLimHih : record.sLimLow;
    if (!(defined && SameValue(limit, old))) {
        TakeBackup(ValueReason(), row);
        (upper ? record.sLimHih : record.sLimLow) = static_cast<float>(limit);
        (upper ? record.bLimHihDef : record.bLimLowDef) = true;
        StoreRecord(row, record);
    }
    return {LimitCommit::Outcome::kShown, {}};
}

SliderCommit LumarikDocument::MoveSlider(int row, int position, int minimum, int maximum) {
    if (!RowHasRecord(row)) return {};
    CVarType record = *RowRecord(row);
    if (!record.bLimLowDef || !record.bLimHihDef) return {};
    record.sVarValue = SliderValue(record, position, minimum, maximum);
    record.bVarValDef = true;
    if (std::string refusal = RowCouplingRefusal(row, record, true); !refusal.empty()) {
        Announce(kChangeRows);  // the slider returns to the value
        SliderCommit refused;
        refused.beam.refusal = std::move(refusal);
        return refused;
    }
    TakeBackup(kBackupSlider, row);
    StoreRecord(row, record);
    Announce(kChangeRows);
    SliderCommit commit;
    commit.moved = true;
    if (BeamMode()) {
        commit.beam = AfterBeamRowChange(row);
        return commit;
    }
    commit.presetReleased =
        row != kApertureRow && record.nVarType == kParImageHeight && ReleasePreset();
    commit.view = Recalculated();
    return commit;
}

// ---- presets ---------------------------------------------------------------------------------

bool LumarikDocument::ReleasePreset() {
    if (!m_options.imageHeightPreset) return false;
    m_options.imageHeightPreset = false;
    return true;
}

ValueCommit LumarikDocument::ChooseImageHeightPreset(int index, ValueAsker* asker) {
    const int position = m_model.Selected().PositionOf(kParImageHeight);
    Announce(kChangeRows);
    if (BeamMode() || position == 0 || index < 1 || index > kImageHeightPresetCount) {
        m_options.imageHeightPreset = false;
        return {};
    }
    m_options.imageHeightPreset = true;
    m_options.imageHeightPresetIndex = index;
    // A real image stands upside down: the preset height is stored negative.
    return CommitNumber(position - 1, -ImageHeightPresetHeight(index), asker);
}

// ---- options ---------------------------------------------------------------------------------

AdvancedCommit LumarikDocument::CommitAdvanced(int row, std::string_view typed,
                                               std::string_view shown, ValueAsker* asker) {
    if (typed == shown) return {};
    Announce(kChangeOptions);  // the box shows the value in force again
    const std::optional<double> x = Accept(typed, asker);
    if (!x) return {};
    const AdvancedCommit commit =
        CommitAdvancedValue(m_model, row, *x, [this, row] { TakeBackup(kBackupAdvanced, row); });
    if (commit.outcome == AdvancedCommit::Outcome::kAccepted) RecalculateMode();
    return commit;
}

BeamOptionCommit LumarikDocument::CommitBeamOption(BeamOption option, std::string_view typed,
                                                   ValueAsker* asker) {
    BeamOptionCommit commit;
    const std::optional<double> x = Accept(typed, asker);
    if (x) commit.message = m_beam.OptionRefusal(option, *x);
    const std::optional<double> change = x ? m_beam.OptionChange(option, *x) : std::nullopt;
    bool store = change.has_value();
    const double value = change.value_or(0.0);  // read only when stored
    if (store && option != BeamOption::kMinSpot) {
        GaussianBeam trial = m_beam;
        trial.SetOption(option, value);
        if (WouldUnsolve(trial)) {
            commit.message = beamtexts::kWouldUnsolve;
            store = false;
        }
    }
    if (store) {
        if (option != BeamOption::kMinSpot) TakeBackup(kBackupBeamValue);
        m_beam.SetOption(option, value);
        commit.stored = true;
        commit.beam = RecalcBeam();
    }
    commit.boxText = m_beam.OptionText(option);
    Announce(kChangeOptions);
    return commit;
}

void LumarikDocument::SetAdvancedOptions(bool on) {
    m_model.Constants().SetAdvancedOptions(on);
    RecalculateMode();
    Announce(kChangeOptions);
}

void LumarikDocument::ResetAdvancedDefaults() {
    TakeBackup(kBackupAdvanced);
    m_model.Constants().ResetToDefaults();
    RecalculateMode();
    Announce(kChangeOptions);
}

std::optional<ResultsView> LumarikDocument::SwitchLensMirror(bool toMirror) {
    if (toMirror == m_model.Constants().MirrorMode()) return std::nullopt;
    TakeBackup(kBackupLensMirror);
    lumarik::SwitchLensMirror(m_model, toMirror);
    Announce(kChangeMode | kChangeRows | kChangeOptions);
    return Solved(m_model.Refresh(m_model.Solve(true)));
}

void LumarikDocument::SetConstructionRays(bool draw) {
    TakeBackup(kBackupConstructionRays);
    m_options.drawHaltingRay = draw;
    Announce(kChangeDrawing);
}

void LumarikDocument::SetHideRemoteConjugates(bool hide) {
    m_options.hideRemConj = hide;
    Announce(kChangeDrawing);
}

void LumarikDocument::SetDrawPoints(bool draw) {
    m_options.drawPoints = draw;
    Announce(kChangeDrawing);
}

void LumarikDocument::SetShowExtra(bool show) {
    m_options.showExtra = show;
    Announce(kChangeResults);
}

void LumarikDocument::SetShowExtraGB(bool show) {
    m_options.showExtraGB = show;
    Announce(kChangeResults);
}

// The symbols show in the boxes, rows, lists and drawing of both modes.
void LumarikDocument::ApplySymbolStyle(int unitType, const INICode& settings) {
    lumarik::ApplySymbolStyle(unitType, settings, m_model.Catalogue(), m_beam.Symbols());
    AfterSymbols();
}

void LumarikDocument::RebuildUserSymbols(bool beam, const INICode& settings) {
    if (beam) {
        m_beam.Symbols().Rebuild(m_beam.Symbols().UnitType(),
                                 SymbolsFromIni(settings, kBeamSymbolsSection));
    } else {
        m_model.Catalogue().RebuildSymbols(m_model.Catalogue().UnitType(),
                                           SymbolsFromIni(settings));
    }
    AfterSymbols();
}

void LumarikDocument::AfterSymbols() {
    if (BeamMode()) {
        RecalcBeam();
    } else {
        Solved(m_model.SelectionCycle(SolveMemory::kLeave).view);
    }
    Announce(kChangeChoice | kChangeRows | kChangeOptions);
}

CustomCofCResult LumarikDocument::CommitCustomCofC(std::string_view typed, ValueAsker* asker) {
    const std::optional<double> x = Accept(typed, asker);
    if (!x) return {};
    const CustomCofCResult result =
        m_model.CommitCustomCofC(*x, [this] { TakeBackup(kBackupCustomCofC); });
    // A text that is no number stays in the box.
    if (result.accepted) Announce(kChangeDepthOfField);
    return result;
}

bool LumarikDocument::ChooseCofCType(int type) {
    if (m_model.DepthOfField().CofCType() == type) return false;
    Announce(kChangeDepthOfField);
    return m_model.ChooseCofCType(type);
}

void LumarikDocument::SetPositiveObj(bool allowed) {
    TakeBackup(kBackupPositiveObj);
    m_options.positiveObj = allowed;
    Announce(kChangeOptions);
    if (allowed) return;
    MakeObjectDistanceNegative(m_model);
    RecalculateMode();
    Announce(kChangeRows);
}

// ---- the whole system ------------------------------------------------------------------------

void LumarikDocument::Clear() {
    TakeBackup(kBackupClear);
    m_cleared = true;
    m_otherFile = std::exchange(m_file, OpenFile{});
    m_model.Selected().Clear();
    m_model.Apertures().Clear();
    m_model.ClearMemory();
    m_model.SetObjectAtInfinity(false);
    m_model.Constants().ResetToDefaults();
    m_options.imageHeightPreset = false;
    m_options.imageHeightPresetIndex = 0;
    for (int axis = 0; axis < kBeamAxes; ++axis) m_beam.Selection(axis).Clear();
    m_beam.ClearBeamMemory();
    m_beam.SetDiodeMode(false);
    m_beam.SetCircularise(false);
    AfterWholeSystem();
}

void LumarikDocument::Load(const INICode& ini) {
    LoadSliderDefaultPercent(ini, m_model);
    LoadSystem(ini);
    AfterWholeSystem();
    m_file = {{}, SystemFileText()};
}

void LumarikDocument::Recall(const INICode& ini) {
    TakeBackup(kBackupSelection);
    Load(ini);
}

bool LumarikDocument::LoadSystem(const INICode& ini) {
    DropChartBackup();
    ClearForLoad(m_model);
    for (int axis = 0; axis < kBeamAxes; ++axis) m_beam.Selection(axis).Clear();
    const bool lensComplete = LoadLensSystem(ini, m_model, m_options);
    const bool beamComplete = LoadBeamSelection(m_beam, ini);
    LoadBeamExtra(ini, m_beam, m_options);
    m_beam.SetLimitMargin(m_model.LimitMargin());
    return lensComplete && beamComplete;
}

std::vector<IniEntry> LumarikDocument::SettingsEntries() const {
    std::vector<IniEntry> entries = LensSettingsEntries(m_model, m_options);
    for (std::vector<IniEntry> part :
         {SaveBeamSelection(m_beam), BeamExtraEntries(m_beam, m_options)}) {
        entries.insert(entries.end(), part.begin(), part.end());
    }
    return entries;
}

// ---- systems as files ------------------------------------------------------------------------

std::string LumarikDocument::SystemFileText() const {
    return lumarik::SystemFileText(SettingsEntries());
}

SystemFileStatus LumarikDocument::OpenSystemFile(std::string_view bytes, std::string path,
                                                 std::string_view* refusal) {
    IniDocument file;
    const SystemFileStatus status = ParseSystemFile(bytes, file);
    if (status != SystemFileStatus::kOk) return status;
    const INICode ini(file);
    // A scratch system tells which entries the file must hold (the record keys follow its
    // counts) before anything of this one changes.
    LumarikDocument scratch;
    if (!scratch.LoadSystem(ini) || !MatchesEntries(file, scratch.SettingsEntries())) {
        return SystemFileStatus::kDamaged;
    }
    // A choice the window could not have made would show "keine Lösungen" without a word. (The
    // beam's choice is checked by its loading already.)
    const SelectionCheck check = CheckSelectionNumbers(scratch.m_model.Selected().Numbers());
    if (!check.accepted) {
        if (refusal != nullptr) *refusal = check.message;
        return SystemFileStatus::kRefused;
    }
    TakeBackup(kBackupOpen);
    LoadSystem(ini);
    AfterWholeSystem();
    m_otherFile = std::exchange(m_file, OpenFile{std::move(path), SystemFileText()});
    return SystemFileStatus::kOk;
}

}  // namespace lumarik
