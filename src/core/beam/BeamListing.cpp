// The texts GaussianBeam hands to the window: the value text of a beam quantity, the rows of
// the result lists, the depth of focus, the minimum spot and the lens table. M² enters only
// here: shown radii and divergences are those of the embedded Gaussian times √M².
#include <algorithm>
#include <cmath>

#include "core/beam/BeamRelations.h"
#include "core/beam/BeamTexts.h"
#include "core/beam/GaussianBeam.h"
#include "core/format/Format.h"

namespace lumarik {

namespace {

constexpr std::string_view kScientific = "0.0#e+0#";
constexpr double kPlainLow = 0.0001;
constexpr double kPlainHigh = 1e6;
constexpr double kParaxialPlainLimit = 100000.0;

constexpr double kDofGrowth[] = {0.02, 0.05, 0.1, 0.15, 0.2, 0.4142, 0.5};
constexpr int kDofEntries = 7;
constexpr int kDofRayleighEntry = 5;

bool PlainRange(double v) {
    const double a = std::fabs(v);
    return a >= kPlainLow && a <= kPlainHigh;
}

bool IsDisplayScaled(int n) {
    return n == kBeamObjRadius || n == kBeamObjDivergence || n == kBeamImgRadius ||
           n == kBeamImgDivergence;
}

}  // namespace

bool GaussianBeam::DiodeYShown() const {
    return m_diodeMode && m_solved[1];
}

std::string GaussianBeam::BeamValueText(int n) const {
    if (n < 0 || n >= kBeamValueCount) return {};
    const std::string_view pattern = BeamPattern(n);
    auto shown = [&](int axis) { return ShownBeamValue(axis, n); };
    const double v = shown(0);
    std::string text = v >= 0.0 ? " " : "";
    text += Format(v, PlainRange(v) ? pattern : kScientific, m_decimalSep);
    if (DiodeYShown()) {
        const double vy = shown(1);
        text += " [" + Format(vy, PlainRange(vy) ? pattern : kScientific, m_decimalSep) + "]";
    }
    text += BeamUnit(n);
    return text;
}

std::string GaussianBeam::ParaxialImageText() const {
    const double p = Val(0, kBeamParaxialImage);
    if (std::fabs(p) < kParaxialPlainLimit) return Format(p, " 0.0##mm", m_decimalSep);
    if (std::fabs(p) < kBeamInfinite) return Format(p, " 0.00e+0#mm", m_decimalSep);
    return std::string(beamtexts::kInfinite);
}

std::string GaussianBeam::WavelengthText() const {
    return Format(m_wavelengthNm, "0.0nm", m_decimalSep);
}

std::string GaussianBeam::M2Text() const {
    std::string text = Format(GetM2(0), " 0.0", m_decimalSep);
    if (m_diodeMode) text += " [" + Format(GetM2(1), "0.0]", m_decimalSep);
    return text;
}

double GaussianBeam::ShownBeamValue(int axis, int n) const {
    const double v = Val(axis, n) / BeamScale(n);
    return IsDisplayScaled(n) ? v * GetBeamMFactor(axis) : v;
}

double GaussianBeam::ShownRadius(int axis, int k) const {
    const std::size_t i = static_cast<std::size_t>(k);
    return m_results[static_cast<std::size_t>(axis)][i] * GetBeamMFactor(axis);
}

std::string GaussianBeam::ShownRadiusText(int k, std::string_view pattern) const {
    if (k < 0 || k >= kBeamResultCount) return {};
    std::string text = Format(ShownRadius(0, k), " " + std::string(pattern), m_decimalSep);
    if (DiodeYShown()) {
        text += " [" + Format(ShownRadius(1, k), pattern, m_decimalSep) + "]";
    }
    return text + "mm";
}

std::string GaussianBeam::RecordValueText(const CVarType& record) const {
    if (!record.bVarValDef) return " ";
    return EntryText(record.nVarType, record.sVarValue);
}

std::string GaussianBeam::EntryText(int n, double internal) const {
    return Format(internal / BeamScale(n), BeamPattern(n), m_decimalSep) + std::string(BeamUnit(n));
}

std::vector<BeamListRow> GaussianBeam::ListBeamResults(bool ok, int previousRows) const {
    std::vector<BeamListRow> rows;
    rows.reserve(static_cast<std::size_t>(std::max(previousRows, 24)));
    const char sep = m_decimalSep;
    const auto& res = m_results[0];
    auto add = [&rows](std::string name, std::string value) {
        rows.push_back({std::move(name), std::move(value)});
    };
    auto addEmpty = [&] {
        add(std::string(beamtexts::kEmptyRow), std::string(beamtexts::kEmptyRow));
    };

    if (m_useM2) {
        add(std::string(beamtexts::kMultimode), M2Text());
    } else {
        add(std::string(beamtexts::kSingleMode), "");
    }

    const bool objectGiven = !m_flags[0].objBeamMissing;
    const bool imageGiven = !m_flags[0].imgBeamMissing;
    for (int n = 0; n < kBeamSelectableCount; ++n) {
        const bool shown =
            ok || (IsObjectBeamNumber(n) && objectGiven) || (IsImageBeamNumber(n) && imageGiven);
        add(m_symbols.Label(n), shown ? BeamValueText(n) : "");
        switch (n) {
            case kBeamFocal:
                if (m_optics.mirror) {
                    const double f = Val(0, kBeamObjectFocal);
                    std::string value;
                    if (ok) {
                        value = Format(2.0 * f, BeamPattern(kBeamObjectFocal), sep) +
                                std::string(BeamUnit(kBeamObjectFocal)) +
                                std::string(f >= 0.0 ? beamtexts::kConvex : beamtexts::kConcave);
                    }
                    add(std::string(beamtexts::kMirrorRadius), value);
                } else if (m_optics.indexNotOne) {
                    add(m_symbols.Label(kBeamObjectFocal),
                        ok ? BeamValueText(kBeamObjectFocal) : "");
                }
                break;
            case kBeamImageDist:
                add(m_symbols.Label(kBeamParaxialImage), ok ? ParaxialImageText() : "");
                break;
            case kBeamWaistToWaist:
                addEmpty();
                break;
            case kBeamObjRayleigh:
                addEmpty();
                add(m_symbols.ResultLabel(kResLensRadius),
                    ok ? ShownRadiusText(kResLensRadius, "0.0##") : "");
                addEmpty();
                break;
            case kBeamImgRadius: {
                std::string detector;
                if (ok) {
                    detector = m_detectorOn ? ShownRadiusText(kResDetectorRadius, "0.0###")
                                            : std::string(beamtexts::kDetectorOff);
                }
                add(m_symbols.ResultLabel(kResDetectorRadius), detector);
                add(m_symbols.ResultLabel(kResAiryRadius), ok ? AiryRadiusText() : "");
                break;
            }
            default:
                break;
        }
    }

    const bool ratios = ok && Val(0, kBeamFocal) != 0.0;
    for (int k : {kResSOverF, kResSImageOverF}) {
        add(m_symbols.ResultLabel(k),
            ratios ? Format(res[static_cast<std::size_t>(k)], " 0.0#####", sep) : " ");
    }
    if (const std::string warning = ok ? NotParaxialText() : std::string(); !warning.empty()) {
        add(std::string(beamtexts::kNotParaxialName), warning);
    }
    while (static_cast<int>(rows.size()) < previousRows) addEmpty();
    return rows;
}

std::string GaussianBeam::AiryRadiusText() const {
    const double airy = m_results[0][kResAiryRadius];
    const double airyY = m_results[1][kResAiryRadius];
    if (!DiodeYShown()) {
        return Format(airy, PlainRange(airy) ? " 0.0###mm" : " 0.0#e+0#mm", m_decimalSep);
    }
    return Format(airy, PlainRange(airy) ? " 0.0###" : " 0.0#e+0#", m_decimalSep) + " [" +
           Format(airyY, PlainRange(airyY) ? "0.0###]mm" : "0.0#e+0#]mm", m_decimalSep);
}

std::optional<double> GaussianBeam::Transmission(double aperture, int result) const {
    if (!(aperture > 0.0) || !m_solved[0]) return std::nullopt;
    const double wx = m_results[0][static_cast<std::size_t>(result)] * GetBeamMFactor(0);
    const double wy =
        DiodeYShown() ? m_results[1][static_cast<std::size_t>(result)] * GetBeamMFactor(1) : wx;
    return TransmittedFraction(aperture, wx, wy);
}

std::optional<double> GaussianBeam::LensTransmission() const {
    return Transmission(m_lensAperture, kResLensRadius);
}

std::optional<double> GaussianBeam::DetectorTransmission() const {
    if (!m_detectorOn) return std::nullopt;
    return Transmission(m_detectorAperture, kResDetectorRadius);
}

std::string GaussianBeam::TransmissionText() const {
    std::string text;
    bool clipped = false;
    const std::string br(beamtexts::kLineBreak);
    for (const auto& [name, fraction] :
         {std::pair{beamtexts::kTransmissionLens, LensTransmission()},
          std::pair{beamtexts::kTransmissionDetector, DetectorTransmission()}}) {
        if (!fraction) continue;
        if (!text.empty()) text += br;
        text += std::string(name) + Format(*fraction * 100.0, "0.00", m_decimalSep) + " %";
        clipped = clipped || *fraction < beamtexts::kClippedBelow;
    }
    if (clipped) text += br + std::string(beamtexts::kClipped);
    return text;
}

std::string GaussianBeam::NotParaxialText() const {
    bool divergent = false;
    bool wide = false;
    for (int axis = 0; axis < kBeamAxes; ++axis) {
        if (!AxisSolved(axis) || (axis == 1 && !DiodeYShown())) continue;
        const double m = GetBeamMFactor(axis);
        const double w = std::max(std::fabs(Val(axis, kBeamObjDivergence)),
                                  std::fabs(Val(axis, kBeamImgDivergence)));
        divergent = divergent || w * m > kParaxialDivergence;
        const double focal = std::fabs(Val(axis, kBeamFocal));
        const double radius = m_results[static_cast<std::size_t>(axis)][kResLensRadius] * m;
        wide = wide || (focal > 0.0 && radius > kParaxialLensShare * focal);
    }
    std::string text;
    if (divergent) text += beamtexts::kNotParaxialDivergence;
    if (wide) text += beamtexts::kNotParaxialRadius;
    return text;
}

double GaussianBeam::DofGrowth(int index) {
    if (index < 0 || index >= kDofEntries) index = 1;
    return kDofGrowth[index];
}

std::vector<std::string> GaussianBeam::DofEntryTexts() const {
    std::vector<std::string> entries;
    for (int i = 0; i < kDofEntries; ++i) {
        std::string text = Format(kDofGrowth[i] * 100.0, "", m_decimalSep) + "%";
        if (i == kDofRayleighEntry) text += beamtexts::kDofRayleighSuffix;
        entries.push_back(std::move(text));
    }
    return entries;
}

std::string GaussianBeam::DepthOfFocusText(int axis) const {
    if (axis < 0 || axis >= kBeamAxes) return {};
    const std::size_t a = static_cast<std::size_t>(axis);
    if (!m_solved[a] && m_flags[a].imgBeamMissing) return {};
    const double r = Val(axis, kBeamImgRadius);
    if (r == 0.0) return {};
    const double p = DofGrowth(m_dofIndex);
    const double k = std::sqrt((1.0 + p) * (1.0 + p) - 1.0);
    // zr'·k: the distance from the image waist at which the radius has grown by 1 + p.
    const double dof = kBeamPi * r * r * k / m_wavelengthMm;
    if (!std::isfinite(dof)) return {};
    if (dof >= 0.001) return "±" + Format(dof, "0.0##mm", m_decimalSep);
    return "±" + Format(dof * 1000.0, "0.0##um", m_decimalSep);
}

std::string GaussianBeam::MinimumSpotText() const {
    if (!m_solved[0]) return {};
    const double d = m_minSpotDistance;
    // Radii as the listing shows them: the single-mode radius times M.
    const double m = GetBeamMFactor(0);
    const double now = m * lumarik::BeamRadiusAt(d - Val(0, kBeamImageDist), Val(0, kBeamImgRadius),
                                                 m_wavelengthMm);
    if (!std::isfinite(now)) return {};
    std::string text =
        std::string(beamtexts::kCurrentRadius) + Format(now, "0.0####mm", m_decimalSep);
    const auto spot =
        FindMinimumSpot(d, Val(0, kBeamFocal), Val(0, kBeamObjRadius), m_wavelengthMm);
    if (!spot) return text;
    const std::string br(beamtexts::kLineBreak);
    text += br + std::string(beamtexts::kRequiredDistance) + br +
            Format(spot->objectDistance, "0.0##mm", m_decimalSep) + br +
            std::string(beamtexts::kMinimumRadius) + br +
            Format(spot->radius * m, "0.0##mm", m_decimalSep);
    return text;
}

LensTable GaussianBeam::LensTableFor(const std::vector<LensSample>& samples) const {
    LensTableQuery query;
    query.circularised = m_diodeMode && m_circularise;
    query.focalX = Val(0, kBeamFocal);
    query.focalY = Val(1, kBeamFocal);
    query.lensBeamRadius = m_results[0][kResLensRadius] * GetBeamMFactor(0);
    query.decimalSep = m_decimalSep;
    if (!m_solved[0] || (query.circularised && !m_solved[1])) return ScoreLensTable({}, query);
    return ScoreLensTable(samples, query);
}

}  // namespace lumarik
