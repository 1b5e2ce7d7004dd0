// The number boxes of the beam's extra-information tab: what each shows and which typed
// numbers it takes. The text of a box is read back with the number acceptance of the value
// rows before it reaches OptionChange.
#include <cmath>

#include "core/beam/BeamTexts.h"
#include "core/beam/GaussianBeam.h"
#include "core/format/Format.h"
#include "core/format/NumberInput.h"

namespace lumarik {

namespace {

// M² beyond this is no beam the thin-lens model describes usefully.
constexpr double kMaxM2 = 50.0;

}  // namespace

std::string GaussianBeam::OptionText(BeamOption option) const {
    switch (option) {
        case BeamOption::kM2:
            return Format(m_m2[0], "0.0", m_decimalSep);
        case BeamOption::kDiodeM2:
            return Format(m_m2[1], "0.0", m_decimalSep);
        case BeamOption::kDetector:
            return Format(m_detectorDistance, "0.0###mm", m_decimalSep);
        case BeamOption::kMinSpot:
            return Format(m_minSpotDistance, "0.0#mm", m_decimalSep);
        case BeamOption::kLensAperture:
            return Format(m_lensAperture, "0.0##mm", m_decimalSep);
        case BeamOption::kDetectorAperture:
            return Format(m_detectorAperture, "0.0##mm", m_decimalSep);
        case BeamOption::kDiodeParam: {
            const int t = GetDiodeParamNumber();
            return Format(ShownDiodeValue(t) / BeamScale(t), BeamPattern(t), m_decimalSep) +
                   std::string(BeamUnit(t));
        }
    }
    return {};
}

std::string_view GaussianBeam::OptionRefusal(BeamOption option, double typed) const {
    const bool length = std::isfinite(typed) && typed > 0.0 && typed <= kMaxBeamLength;
    switch (option) {
        case BeamOption::kM2:
        case BeamOption::kDiodeM2:
            return std::isfinite(typed) && typed >= 1.0 && typed < kMaxM2 ? std::string_view()
                                                                          : beamtexts::kM2Range;
        case BeamOption::kDetector:
        case BeamOption::kMinSpot:
            return length ? std::string_view() : beamtexts::kDistanceRange;
        case BeamOption::kLensAperture:
        case BeamOption::kDetectorAperture:
            return typed == 0.0 || length ? std::string_view() : beamtexts::kApertureRange;
        case BeamOption::kDiodeParam: {
            const int t = GetDiodeParamNumber();
            if (t == kBeamObjDivergence || t == kBeamImgDivergence) {
                const double w = typed * BeamScale(t);
                return std::isfinite(w) && w > 0.0 && w < kMaxDivergence
                           ? std::string_view()
                           : beamtexts::kDivergenceRange;
            }
            return length ? std::string_view() : beamtexts::kSizeRange;
        }
    }
    return {};
}

std::optional<double> GaussianBeam::OptionChange(BeamOption option, double typed) const {
    if (!std::isfinite(typed) || !OptionRefusal(option, typed).empty()) return std::nullopt;
    double value = typed;
    double current = 0.0;
    bool usable = typed > 0.0;
    switch (option) {
        case BeamOption::kM2:
        case BeamOption::kDiodeM2:
            usable = usable && typed < kMaxM2;
            current = m_m2[option == BeamOption::kM2 ? 0 : 1];
            break;
        case BeamOption::kDetector:
            // Halves to even as the results round it (the default rounding mode).
            current = std::nearbyint(m_detectorDistance);
            break;
        case BeamOption::kMinSpot:
            current = m_minSpotDistance;
            break;
        case BeamOption::kLensAperture:
        case BeamOption::kDetectorAperture:
            usable = typed >= 0.0;
            current = option == BeamOption::kLensAperture ? m_lensAperture : m_detectorAperture;
            break;
        case BeamOption::kDiodeParam: {
            const int t = GetDiodeParamNumber();
            value = typed * BeamScale(t);
            current = ShownDiodeValue(t);
            break;
        }
    }
    if (!usable || SameValue(value, current)) return std::nullopt;
    return value;
}

void GaussianBeam::SetOption(BeamOption option, double value) {
    switch (option) {
        case BeamOption::kM2:
            SetM2(0, value);
            break;
        case BeamOption::kDiodeM2:
            SetM2(1, value);
            break;
        case BeamOption::kDetector:
            m_detectorDistance = value;
            break;
        case BeamOption::kMinSpot:
            m_minSpotDistance = value;
            break;
        case BeamOption::kLensAperture:
            m_lensAperture = value;
            break;
        case BeamOption::kDetectorAperture:
            m_detectorAperture = value;
            break;
        case BeamOption::kDiodeParam:
            SetDiodeParamValue(value);
            break;
    }
}

}  // namespace lumarik
