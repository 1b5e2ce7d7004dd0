#include "core/beam/GaussianBeam.h"

#include <cfloat>
#include <cmath>
#include <string>

#include "core/beam/BeamRelations.h"
#include "core/beam/BeamTexts.h"
#include "core/format/Format.h"
#include "core/model/EffectiveConstants.h"

namespace lumarik {

namespace {

const CVarType kNoRecord{};
const BeamAxisFlags kNoFlags{};

bool ValidAxis(int axis) {
    return axis >= 0 && axis < kBeamAxes;
}

std::size_t AxisIndex(int axis) {
    return static_cast<std::size_t>(axis);
}

}  // namespace

BeamOptics BeamOpticsFrom(const EffectiveConstants& constants) {
    BeamOptics optics;
    optics.principalGap = constants.D();
    optics.imageIndex = constants.NPrime();
    optics.mirror = constants.MirrorMode();
    optics.indexNotOne =
        constants.AdvancedOptions() && (constants.N() != 1.0f || constants.NPrime() != 1.0f);
    return optics;
}

GaussianBeam::GaussianBeam() {
    for (auto& memory : m_memory) {
        for (std::size_t n = 0; n < memory.size(); ++n) {
            memory[n].nVarType = static_cast<std::int16_t>(n);
        }
    }
}

BeamState GaussianBeam::State() const {
    BeamState s;
    for (std::size_t axis = 0; axis < s.lists.size(); ++axis)
        s.lists[axis] = m_lists[axis].Records();
    s.wavelengthNm = m_wavelengthNm;
    s.m2 = m_m2;
    s.useM2 = m_useM2;
    s.detectorOn = m_detectorOn;
    s.detectorDistance = m_detectorDistance;
    s.altSolution = m_altSolution;
    s.diodeMode = m_diodeMode;
    s.circularise = m_circularise;
    s.collimationMode = m_collimationMode;
    s.diodeParamNumber = m_diodeParamNumber;
    s.diodeValues = m_diodeValues;
    s.lensAperture = m_lensAperture;
    s.detectorAperture = m_detectorAperture;
    return s;
}

void GaussianBeam::RestoreState(const BeamState& s) {
    for (std::size_t axis = 0; axis < s.lists.size(); ++axis) {
        m_lists[axis].Clear();
        for (const CVarType& r : s.lists[axis]) m_lists[axis].AppendCopy(r);
    }
    SetWavelengthNm(s.wavelengthNm);
    m_m2 = s.m2;
    m_useM2 = s.useM2;
    m_detectorOn = s.detectorOn;
    m_detectorDistance = s.detectorDistance;
    m_altSolution = s.altSolution;
    m_diodeMode = s.diodeMode;
    m_circularise = s.circularise;
    m_collimationMode = s.collimationMode;
    m_diodeParamNumber = s.diodeParamNumber;
    m_diodeValues = s.diodeValues;
    m_lensAperture = s.lensAperture;
    m_detectorAperture = s.detectorAperture;
}

// ---- tables ----

double GaussianBeam::GetBeamValue(int axis, int n) const {
    if (!ValidAxis(axis) || n < 0 || n >= kBeamValueCount) return 0.0;
    return Val(axis, n);
}

void GaussianBeam::SetBeamValue(int axis, int n, double value) {
    if (!ValidAxis(axis) || n < 0 || n >= kBeamValueCount || !std::isfinite(value)) return;
    Val(axis, n) = value;
}

double GaussianBeam::GetBeamResult(int axis, int k) const {
    if (!ValidAxis(axis) || k < 0 || k >= kBeamResultCount) return 0.0;
    return m_results[AxisIndex(axis)][static_cast<std::size_t>(k)];
}

const BeamAxisFlags& GaussianBeam::Flags(int axis) const {
    return ValidAxis(axis) ? m_flags[AxisIndex(axis)] : kNoFlags;
}

bool GaussianBeam::AxisSolved(int axis) const {
    return ValidAxis(axis) && m_solved[AxisIndex(axis)];
}

// ---- options ----

void GaussianBeam::SetWavelengthNm(double nanometres) {
    m_wavelengthNm =
        std::isfinite(nanometres) && nanometres > 0.0 ? nanometres : kDefaultWavelengthNm;
    m_wavelengthMm = m_wavelengthNm * kNmToMm;
}

double GaussianBeam::GetM2(int axis) const {
    return ValidAxis(axis) ? m_m2[AxisIndex(axis)] : 1.0;
}

void GaussianBeam::SetM2(int axis, double m2) {
    if (!ValidAxis(axis)) return;
    m_m2[AxisIndex(axis)] = std::isfinite(m2) && m2 > 0.0 ? m2 : 1.0;
}

double GaussianBeam::GetBeamMFactor(int axis) const {
    return m_useM2 ? std::sqrt(GetM2(axis)) : 1.0;
}

void GaussianBeam::SetDofIndex(int index) {
    m_dofIndex = index >= 0 && index <= 6 ? index : 1;
}

double GaussianBeam::BeamRadiusAt(double z, double r0) const {
    return lumarik::BeamRadiusAt(z, r0, m_wavelengthMm);
}

double GaussianBeam::WavefrontRadiusAt(double z, double r0) const {
    return lumarik::WavefrontRadiusAt(z, r0, m_wavelengthMm);
}

// ---- selection and value memory ----

VarCollection& GaussianBeam::Selection(int axis) {
    return m_lists[ValidAxis(axis) ? AxisIndex(axis) : 0];
}

const VarCollection& GaussianBeam::Selection(int axis) const {
    return m_lists[ValidAxis(axis) ? AxisIndex(axis) : 0];
}

const CVarType& GaussianBeam::Memory(int axis, int n) const {
    if (!ValidAxis(axis) || n < 0 || n >= kBeamSelectableCount) return kNoRecord;
    return m_memory[AxisIndex(axis)][static_cast<std::size_t>(n)];
}

void GaussianBeam::RememberBeamValues(int axis, KnownBeamValues known) {
    if (!ValidAxis(axis)) return;
    for (int n = 0; n < kBeamSelectableCount; ++n) {
        CVarType& record = m_memory[AxisIndex(axis)][static_cast<std::size_t>(n)];
        bool defined = known.all || (known.objectSide && IsObjectBeamNumber(n)) ||
                       (known.imageSide && IsImageBeamNumber(n));
        const double v = Val(axis, n);
        // A value that a float cannot hold is remembered as unknown rather than as infinity.
        if (!std::isfinite(v) || std::fabs(v) > FLT_MAX) defined = false;
        record.sVarValue = defined ? static_cast<float>(v) : 0.0f;
        record.bVarValDef = defined;
    }
}

void GaussianBeam::ClearBeamMemory() {
    for (int axis = 0; axis < kBeamAxes; ++axis) RememberBeamValues(axis, KnownBeamValues::None());
}

bool GaussianBeam::AddBeamVar(int axis, int number, bool loading) {
    if (!ValidAxis(axis) || number < 0 || number >= kBeamSelectableCount) return false;
    VarCollection& list = m_lists[AxisIndex(axis)];
    if (list.IsFull()) return false;
    CVarType record;
    record.nVarType = static_cast<std::int16_t>(number);
    if (!loading) record = CarriedRecord(number, Memory(axis, number), m_limitMargin);
    return list.Add(record);
}

bool GaussianBeam::RemoveBeamVar(int axis, int number) {
    if (!ValidAxis(axis) || !m_lists[AxisIndex(axis)].Contains(number)) return false;
    return m_lists[AxisIndex(axis)].Remove(number);
}

BeamSelectionCheck CheckBeamNumbers(const std::vector<int>& numbers) {
    int objectCount = 0;
    int imageCount = 0;
    for (int n : numbers) {
        objectCount += IsObjectBeamNumber(n) ? 1 : 0;
        imageCount += IsImageBeamNumber(n) ? 1 : 0;
    }
    if (objectCount > 1 || imageCount > 1) return {false, beamtexts::kOneBeamPerSide};
    if (numbers.size() == 3) {
        if (numbers[2] < kFirstObjectBeam) return {false, beamtexts::kNeedBeamOption};
        if (numbers[0] == kBeamMag &&
            (IsObjectBeamNumber(numbers[1]) || IsImageBeamNumber(numbers[2]))) {
            return {false, beamtexts::kInconsistentMagnification};
        }
    }
    return {};
}

BeamSelectionCheck GaussianBeam::CheckBeamSelection(int axis, int number) {
    if (!ValidAxis(axis)) return {};
    const BeamSelectionCheck check = CheckBeamNumbers(m_lists[AxisIndex(axis)].Numbers());
    if (!check.accepted) RemoveBeamVar(axis, number);
    return check;
}

BeamSelectResult GaussianBeam::SelectBeamParameter(int number, bool ticked) {
    if (ticked && m_lists[0].IsFull()) return {BeamSelectOutcome::kIgnoredFull, {}};
    if (ticked) {
        AddBeamVar(0, number, false);
    } else {
        RemoveBeamVar(0, number);
    }
    const BeamSelectionCheck check = CheckBeamSelection(0, number);
    if (!check.accepted) return {BeamSelectOutcome::kRefused, check.message};
    return {};
}

BeamCase GaussianBeam::CurrentBeamCase(int axis) const {
    return ClassifyBeamCase(Selection(axis).Numbers());
}

bool GaussianBeam::AltSolutionEnabled() const {
    return BeamCaseHasTwoRoots(CurrentBeamCase(0));
}

}  // namespace lumarik
