#include "core/model/LumarikCode.h"

#include <algorithm>
#include <vector>

#include "core/model/ModelTexts.h"
#include "core/numeric/Calc.h"

namespace lumarik {

namespace {

const CVarType kNoRecord{};

template <std::size_t N>
bool InRange(int index, const std::array<float, N>&) {
    return index >= 0 && static_cast<std::size_t>(index) < N;
}

}  // namespace

LumarikCode::LumarikCode() {
    for (std::size_t i = 0; i < m_memory.size(); ++i) {
        m_memory[i].nVarType = static_cast<std::int16_t>(i);
    }
    for (std::size_t i = 0; i < m_apertureMemory.size(); ++i) {
        m_apertureMemory[i].nVarType = static_cast<std::int16_t>(i);
    }
}

void LumarikCode::SetDiagnostics(ModelDiagnostics* diagnostics) {
    m_selected.SetDiagnostics(diagnostics);
    m_apertures.SetDiagnostics(diagnostics);
}

void LumarikCode::SetSliderDefaultPercent(int percent) {
    m_sliderPercent = std::clamp(percent, 10, 80);
}

bool LumarikCode::AddVar(int number, bool noCarry) {
    if (m_selected.IsFull()) return false;
    CVarType record;
    record.nVarType = static_cast<std::int16_t>(number);
    if (!noCarry && number >= 0 && number < kSelectableCount) {
        record = CarriedRecord(number, m_memory[static_cast<std::size_t>(number)], LimitMargin());
    }
    return m_selected.Add(record);
}

bool LumarikCode::AddApVar(int k, bool noCarry) {
    if (m_apertures.IsFull()) return false;
    CVarType record;
    record.nVarType = static_cast<std::int16_t>(k);
    if (!noCarry && k >= 0 && k < kApertureCount) {
        record = CarriedRecord(k, m_apertureMemory[static_cast<std::size_t>(k)], LimitMargin());
    }
    return m_apertures.Add(record);
}

float LumarikCode::Value(int number) const {
    return InRange(number, m_values) ? m_values[static_cast<std::size_t>(number)] : 0.0f;
}

void LumarikCode::SetValue(int number, float value) {
    if (InRange(number, m_values)) m_values[static_cast<std::size_t>(number)] = value;
}

float LumarikCode::ApertureValue(int k) const {
    return InRange(k, m_apertureValues) ? m_apertureValues[static_cast<std::size_t>(k)] : 0.0f;
}

void LumarikCode::SetApertureValue(int k, float value) {
    if (InRange(k, m_apertureValues)) m_apertureValues[static_cast<std::size_t>(k)] = value;
}

float LumarikCode::CardinalPoint(int i) const {
    return InRange(i, m_cardinalPoints) ? m_cardinalPoints[static_cast<std::size_t>(i)] : 0.0f;
}

void LumarikCode::ClearValues() {
    std::fill(m_values.begin(), m_values.begin() + kSelectableCount, 0.0f);
    m_apertureValues.fill(0.0f);
}

const CVarType& LumarikCode::Memory(int number) const {
    if (number < 0 || number >= kSelectableCount) return kNoRecord;
    return m_memory[static_cast<std::size_t>(number)];
}

const CVarType& LumarikCode::ApertureMemory(int k) const {
    if (k < 0 || k >= kApertureCount) return kNoRecord;
    return m_apertureMemory[static_cast<std::size_t>(k)];
}

void LumarikCode::RememberValues(bool defined) {
    for (std::size_t i = 0; i < m_memory.size(); ++i) {
        m_memory[i].sVarValue = defined ? m_values[i] : 0.0f;
        m_memory[i].bVarValDef = defined;
    }
}

void LumarikCode::RememberApertureValues(bool defined) {
    for (std::size_t i = 0; i < m_apertureMemory.size(); ++i) {
        m_apertureMemory[i].sVarValue = defined ? m_apertureValues[i] : 0.0f;
        m_apertureMemory[i].bVarValDef = defined;
    }
}

void LumarikCode::ClearMemory() {
    RememberValues(false);
    RememberApertureValues(false);
}

SelectionCheck LumarikCode::CheckSelection(int k) {
    const SelectionCheck check = CheckSelectionNumbers(m_selected.Numbers());
    // After an untick k is gone already; removing it again would report a missing key.
    if (!check.accepted && m_selected.Contains(k)) m_selected.Remove(k);
    return check;
}

SelectionResult LumarikCode::SelectParameter(int k, bool ticked) {
    if (ticked && m_selected.IsFull()) return {SelectOutcome::kIgnoredFull, {}};
    const bool wasAtInfinity = m_objectAtInfinity;
    if (ticked) {
        AddVar(k);
    } else {
        RemoveVar(k);
    }
    const SelectionCheck check = CheckSelection(k);
    if (!check.accepted) return {SelectOutcome::kRefused, check.message};
    if (wasAtInfinity && !m_selected.Contains(kParObjectDist)) {
        RememberValues(false);
        m_objectAtInfinity = false;
    }
    return {};
}

SelectionResult LumarikCode::SelectAperture(int k, bool ticked) {
    if (ticked && m_apertures.IsFull()) return {SelectOutcome::kIgnoredFull, {}};
    if (ticked) {
        AddApVar(k);
    } else {
        RemoveApVar(k);
        m_apertureMissing = true;
    }
    return {};
}

bool LumarikCode::ObjectAtInfinityChanged(bool ticked) {
    const int position = m_selected.PositionOf(kParObjectDist);
    if (position == 0) {
        // The box is disabled without an object distance; a stray call only clears the flag.
        m_objectAtInfinity = false;
        return false;
    }
    m_selected.SetLimLowDef(position, false);
    m_selected.SetLimHihDef(position, false);
    if (!ticked) {
        m_selected.SetVarValDef(position, false);
        RememberValues(false);
        m_objectAtInfinity = false;
        return false;
    }
    m_selected.SetVarValue(position, kInfinity);
    m_selected.SetVarValDef(position, true);
    m_objectAtInfinity = true;
    if (!m_selected.Contains(kParObjectHeight)) return false;
    m_selected.Remove(kParObjectHeight);
    return true;
}

EnableRules LumarikCode::Enables() const {
    return ComputeEnableRules(m_selected.Contains(kParObjectDist), m_objectAtInfinity);
}

CycleResult LumarikCode::SelectionCycle(SolveMemory memory) {
    CycleResult result;
    result.enables = Enables();
    result.view = Refresh(Solve(memory == SolveMemory::kUpdate));
    return result;
}

ResultsView LumarikCode::Recalculate() {
    return Refresh(Solve(true));
}

// The listing is rebuilt only when the distance solve that it shows succeeded: after an
// incomplete or failed solve the table holds stale or partial values. The depth of field
// depends on the aperture, so it follows the new aperture values.
ResultsView LumarikCode::ApertureCycle() {
    ApertureStep(false);
    if (m_lastSolveOk) EvaluateDepthOfField();
    return Refresh(m_lastSolveOk);
}

bool LumarikCode::SelectionComplete() const {
    if (m_selected.Count() != kMaxSelected) return false;
    for (const CVarType& record : m_selected.Records()) {
        if (!record.bVarValDef) return false;
    }
    return true;
}

bool LumarikCode::ObjectAtInfinityInForce() const {
    return m_objectAtInfinity && m_selected.Contains(kParObjectDist);
}

bool LumarikCode::Solve(bool continuity) {
    m_noSolution = false;
    m_lastSolveOk = false;
    if (!SelectionComplete()) {
        if (continuity) RememberValues(false);
        return false;
    }
    try {
        const float n = m_constants.N();
        const float nPrime = m_constants.NPrime();
        SolverConstants constants;
        constants.rho = Single(Div(n, nPrime));
        constants.invRho = Single(Div(nPrime, n));
        constants.n = n;
        constants.nPrime = nPrime;
        constants.d = m_constants.D();
        constants.objectAtInfinity = ObjectAtInfinityInForce();

        std::vector<int> numbers;
        for (const CVarType& record : m_selected.Records()) {
            m_values[static_cast<std::size_t>(record.nVarType)] = Single(record.sVarValue);
            numbers.push_back(record.nVarType);
        }
        std::sort(numbers.begin(), numbers.end());
        if (!ParaxialSolver(m_values, constants).Solve(numbers[0], numbers[1], numbers[2])) {
            m_noSolution = true;
            return false;
        }
        SolveDerived(continuity);
    } catch (const CalcError&) {
        m_noSolution = true;
        return false;
    }
    if (continuity) RememberValues(true);
    m_lastSolveOk = true;
    return true;
}

void LumarikCode::SolveDerived(bool continuity) {
    ApertureStep(continuity);
    m_cardinalPoints =
        CardinalPoints(m_values[kParFocal], m_values[kParObjectFocal], m_constants.D());
    EvaluateDepthOfField();
}

bool LumarikCode::ApertureStep(bool continuity) {
    m_apertureMissing = false;
    if (m_apertures.Count() == 0 || !m_apertures.Item(1).bVarValDef) {
        m_apertureMissing = true;
        if (continuity) RememberApertureValues(false);
        return false;
    }
    const CVarType& given = m_apertures.Item(1);
    ApertureSystem system;
    system.focal = m_values[kParFocal];
    system.objectDist = m_values[kParObjectDist];
    system.imageDist = m_values[kParImageDist];
    system.n = m_constants.N();
    system.nPrime = m_constants.NPrime();
    system.wavelength = m_constants.Wavelength();
    try {
        m_mtfCutOff =
            CompleteApertureTable(given.nVarType, given.sVarValue, system, m_apertureValues);
    } catch (const CalcError&) {
        // The entries computed so far stay; the aperture still counts as given.
        return false;
    }
    if (continuity) RememberApertureValues(true);
    return true;
}

float LumarikCode::EffectiveFNumber() const {
    return lumarik::EffectiveFNumber(m_apertureValues[kApStopRadius], m_values[kParImageDist],
                                     m_constants.NPrime());
}

void LumarikCode::EvaluateDepthOfField() {
    DofSystem system;
    system.stopRadius = m_apertureValues[kApStopRadius];
    system.objectFocal = m_values[kParObjectFocal];
    system.objectDist = ObjectAtInfinityInForce() ? kInfinity : m_values[kParObjectDist];
    system.imageDist = m_values[kParImageDist];
    system.nPrime = m_constants.NPrime();
    system.airyRadius = m_apertureValues[kApAiryRadius];
    m_dof.Evaluate(system);
}

ResultsView LumarikCode::Refresh(bool ok) const {
    ResultsView view;
    const int count = m_selected.Count();
    view.ok = ok;
    view.buildListing = ok;
    view.drawSystem = ok && !m_noSolution;
    view.showNoSolution = m_noSolution;
    view.resultListsVisible = count == kMaxSelected;
    if (ok && !m_noSolution) view.virtualLabel = VirtualLabel(view.resultListsVisible);
    view.apertureRowVisible = m_apertures.Count() > 0;
    view.visibleRows = std::min(count, kMaxSelected);
    return view;
}

bool LumarikCode::IsVirtualObject() const {
    return m_selected.Count() == kMaxSelected && m_values[kParObjectDist] > 0.0f;
}

bool LumarikCode::IsImageAtInfinity() const {
    return m_values[kParObjectDist] == m_values[kParObjectFocal];
}

bool LumarikCode::IsVirtualImage() const {
    const float m = m_values[kParMagnification];
    if (m_selected.Count() == kMaxSelected) {
        if (IsVirtualObject()) return m < 0.0f;
        if (m > 0.0f) return true;
        if (!ObjectAtInfinityInForce()) return false;
        const float fp = m_values[kParFocal];
        return m_constants.MirrorMode() ? fp > 0.0f : fp < 0.0f;
    }
    const float u = m_values[kParObjectHeight];
    const float up = m_values[kParImageHeight];
    return (u > 0.0f && up > 0.0f) || (u < 0.0f && up < 0.0f);
}

LabelView LumarikCode::VirtualLabel(bool drawingVisible) const {
    const bool virtualObject = IsVirtualObject();
    const bool virtualImage = IsVirtualImage();
    const bool atInfinity = IsImageAtInfinity();
    if (!virtualObject && !virtualImage) {
        if (atInfinity) return {true, texts::kImageAtInfinity, kColourYellow};
        return {};
    }
    if (!drawingVisible) return {};
    if (!virtualObject) {
        if (atInfinity) return {true, texts::kImageAtInfinity, kColourYellow};
        return {true, texts::kVirtualImage, kColourRed};
    }
    if (atInfinity) return {true, texts::kVirtualObjectImageAtInfinity, kColourYellow};
    if (virtualImage) return {true, texts::kVirtualObjectAndImage, kColourRed};
    return {true, texts::kVirtualObject, kColourRed};
}

std::string LumarikCode::ValueText(int number, float internal) const {
    return m_catalogue.ValueText(number, internal, m_separators.decimal);
}

std::string LumarikCode::ApertureValueText(int k, float internal) const {
    return m_catalogue.ApertureValueText(k, internal, m_separators.decimal);
}

}  // namespace lumarik
