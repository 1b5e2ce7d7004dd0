// LumarikCode: the texts of the results listing and of the depth-of-field list, and the commit
// of the custom circle of confusion.
#include <cfloat>
#include <cmath>
#include <optional>

#include "core/format/Format.h"
#include "core/format/NumberInput.h"
#include "core/model/LumarikCode.h"
#include "core/model/ModelTexts.h"
#include "core/numeric/Calc.h"

namespace lumarik {

namespace {

constexpr std::string_view kMtfPattern = " 0";
constexpr float kLargestListedFNumber = 10000.0f;
// Height of the depth-of-field message label: one line, or the long warning's lines.
constexpr int kMessageLineHeight = 285;  // twips
constexpr int kLongMessageHeight = kMessageLineHeight * 16 / 5;

// A value computed in double from float entries, shown as the float it would be stored as,
// or as the double where it leaves the float range.
std::string FormatComputed(double value, std::string_view pattern, char decimalSep) {
    if (std::fabs(value) <= FLT_MAX) return Format(static_cast<float>(value), pattern, decimalSep);
    return Format(value, pattern, decimalSep);
}

// Reads the tables and flags of one listing.
class ListingTexts {
public:
    ListingTexts(const LumarikCode& code, bool objectAtInfinity)
        : m_code(code),
          m_catalogue(code.Catalogue()),
          m_sep(code.DecimalSeparator()),
          m_noSolution(code.NoSolution()),
          m_apertureShown(!code.ApertureMissing() && !code.NoSolution()),
          m_objectAtInfinity(objectAtInfinity),
          m_imageAtInfinity(!code.NoSolution() && code.IsImageAtInfinity()),
          m_placeholder(code.NoSolution() ? texts::kNoSolutionPlaceholder : texts::kPlaceholder) {}

    // A blank in front of a value that is not negative lines it up with the negative ones.
    std::string Standard(int number) const {
        const float x = m_code.Value(number);
        std::string text = x >= 0.0f ? " " : "";
        text += m_code.ValueText(number, x);
        return text;
    }

    std::string DistanceOrField(int number) const {
        if (m_noSolution) return {};
        if (m_objectAtInfinity) {
            switch (number) {
                case kParTrack:
                case kParObjectHeight:
                    return std::string(texts::kNoValue);
                case kParObjectDist:
                    return std::string(texts::kAtInfinity);
                case kParMagnification:
                    return std::string(texts::kZeroMagnification);
                default:
                    break;
            }
        }
        if (m_imageAtInfinity) {
            switch (number) {
                case kParTrack:
                case kParMagnification:
                case kParImageHeight:
                    return std::string(texts::kNoValue);
                case kParImageDist:
                    return std::string(texts::kAtInfinity);
                default:
                    break;
            }
        }
        if (number != kParObjectDist) return Standard(number);
        const float a = m_code.Value(kParObjectDist);
        if (a == kInfinity) return std::string(texts::kInfiniteObjectDistance);
        std::string text = Standard(number);
        if (a > 0.0f) text += texts::kVirtualMark;
        return text;
    }

    // NA, NA' and the Airy radius carry the mark of the paraxial approximation, and the Airy
    // radius its wavelength; none of them exists for an image at infinity.
    std::string Aperture(int k) const {
        if (!m_apertureShown) return std::string(m_placeholder);
        if (k == kApAiryRadius && m_imageAtInfinity) return {};
        std::string text = " ";
        text += m_code.ApertureValueText(k, std::fabs(m_code.ApertureValue(k)));
        if (k == kApAiryRadius) {
            text += " [";
            text += m_code.Constants().WavelengthText(m_sep);
            text += ']';
        }
        if (k >= kApNA && !m_imageAtInfinity) text += texts::kApproximationMark;
        return text;
    }

    std::string EffectiveFNumber() const {
        if (!m_apertureShown) return std::string(m_placeholder);
        const float fNumber = std::fabs(m_code.EffectiveFNumber());
        if (fNumber > kLargestListedFNumber) return std::string(texts::kFNumberOutOfRange);
        return " " + Format(fNumber, m_catalogue.AperturePattern(kApFNumber), m_sep);
    }

    std::string MtfCutOff() const {
        if (!m_apertureShown) return std::string(m_placeholder);
        if (m_imageAtInfinity) return {};
        std::string text = Format(std::fabs(m_code.MtfCutOff()), kMtfPattern, m_sep);
        text += texts::kMtfUnit;
        return text;
    }

    // The radius of curvature 2·f'; a mirror with f >= 0 is convex.
    std::string MirrorRadius() const {
        std::string text =
            FormatComputed(2.0 * m_code.Value(kParFocal), m_catalogue.Pattern(kParFocal), m_sep);
        text += m_catalogue.Unit(kParFocal);
        text += m_code.Value(kParObjectFocal) >= 0.0f ? texts::kConvex : texts::kConcave;
        return text;
    }

    std::string NodalName(std::string_view caption, int point) const {
        std::string name(caption);
        name += m_catalogue.CardinalSymbol(point);
        name += m_catalogue.CardinalSymbol(kCardP);
        return name;
    }

    std::string NodalDistance(int point) const {
        const double distance = static_cast<double>(m_code.CardinalPoint(point)) -
                                static_cast<double>(m_code.CardinalPoint(kCardP));
        std::string text = FormatComputed(distance, m_catalogue.Pattern(kParObjectFocal), m_sep);
        text += m_catalogue.Unit(kParObjectFocal);
        return text;
    }

private:
    const LumarikCode& m_code;
    const ParameterCatalogue& m_catalogue;
    char m_sep;
    bool m_noSolution;
    bool m_apertureShown;
    bool m_objectAtInfinity;
    bool m_imageAtInfinity;
    std::string_view m_placeholder;
};

std::string_view UndefinedDofReason(DofState state) {
    switch (state) {
        case DofState::kImageAtInfinity:
            return texts::kDofImageAtInfinity;
        case DofState::kVirtualObject:
            return texts::kDofVirtualObject;
        default:
            return texts::kDofVirtualImage;
    }
}

}  // namespace

LumarikCode::ListingSwitches LumarikCode::CurrentListingSwitches() const {
    const bool mirror = m_constants.MirrorMode();
    const float n = m_constants.N();
    const float nPrime = m_constants.NPrime();
    // The object-side focal length differs from -f' in a medium, and the nodal points leave
    // the principal points when the two media differ; a mirror lists neither.
    return {!mirror && (n != 1.0f || nPrime != 1.0f), !mirror && nPrime != n};
}

ListingRows LumarikCode::Listing() const {
    const ListingSwitches show = CurrentListingSwitches();
    const bool mirror = m_constants.MirrorMode();
    const ListingTexts t(*this, ObjectAtInfinityInForce());
    ListingRows rows;
    std::size_t row = 0;
    const auto add = [&](std::string name, std::string value) {
        if (row == rows.names.size()) return;  // every combination of the switches fills 20
        rows.names[row] = std::move(name);
        rows.values[row] = std::move(value);
        ++row;
    };
    const auto fixed = [&](std::string_view name, std::string_view value) {
        add(std::string(name), std::string(value));
    };
    const auto aperture = [&](int k) {
        add(std::string(m_catalogue.ApertureName(k)), t.Aperture(k));
    };

    add(m_catalogue.Label(kParFocal), t.DistanceOrField(kParFocal));
    if (show.objectFocal) add(m_catalogue.Label(kParObjectFocal), t.Standard(kParObjectFocal));
    if (mirror) add(std::string(texts::kMirrorRadius), t.MirrorRadius());
    if (show.nodalPoints) {
        add(t.NodalName(texts::kFirstNodalPoint, kCardN), t.NodalDistance(kCardN));
        add(t.NodalName(texts::kSecondNodalPoint, kCardNPrime), t.NodalDistance(kCardNPrime));
    }
    for (int number = kParObjectDist; number < kSelectableCount; ++number) {
        add(m_catalogue.Label(number), t.DistanceOrField(number));
    }
    aperture(kApStopRadius);
    aperture(kApFNumber);
    add(std::string(texts::kEffectiveFNumber), t.EffectiveFNumber());
    if (!show.objectFocal) fixed(texts::kFillerName, texts::kFillerValue);
    aperture(kApNA);
    aperture(kApNAImage);
    if (!show.nodalPoints) {
        fixed(texts::kFillerName, texts::kFillerValue);
        fixed(texts::kApproximationNote, texts::kFillerValue);
    }
    aperture(kApAiryRadius);
    add(std::string(texts::kMtfCutOff), t.MtfCutOff());
    if (!mirror) fixed(texts::kLastFiller, texts::kLastFiller);
    return rows;
}

DepthOfFieldView LumarikCode::DepthOfFieldRows() const {
    DepthOfFieldView view;
    const float effectiveFNumber = EffectiveFNumber();
    const DofState state = m_dof.State();
    if (m_noSolution || m_apertureMissing || effectiveFNumber == 0.0f ||
        state != DofState::kEvaluated) {
        view.values.fill(std::string(texts::kDofNoValue));
        if (m_noSolution) return view;
        view.messageHeight = kMessageLineHeight;
        if (m_apertureMissing || effectiveFNumber == 0.0f) {
            view.message = {true, texts::kDofNeedsAperture, kColourYellow};
        } else if (state == DofState::kFailed) {
            view.message = {true, texts::kDofError, kColourRed};
        } else {
            view.message = {true, UndefinedDofReason(state), kColourYellow};
        }
        return view;
    }
    view.values = m_dof.ValueTexts(m_separators.decimal);
    const double airyDiameter = 2.0 * std::fabs(m_apertureValues[kApAiryRadius]);
    if (m_dof.CofCType() == kCofCCustom && airyDiameter > m_dof.Table()[kDofCofC]) {
        view.message = {true, texts::kDofBelowAiry, kColourRed};
        view.messageHeight = kLongMessageHeight;
    }
    return view;
}

CustomCofCResult LumarikCode::CommitCustomCofC(double number,
                                               const std::function<void()>& beforeChange) {
    CustomCofCResult result;
    result.accepted = true;
    // A number beyond the float range, or one that rounds to a float 0, cannot be a custom
    // value; the box then shows the value in use again.
    const bool representable = std::fabs(number) <= FLT_MAX;
    const float value = representable ? static_cast<float>(number) : 0.0f;
    if (m_dof.CofCType() == kCofCCustom && value > 0.0f && value != m_dof.CofCCustomVal()) {
        if (beforeChange) beforeChange();
        m_dof.SetCofCCustomVal(value);
        result.changed = true;
        if (m_lastSolveOk) {
            EvaluateDepthOfField();
            result.showDepthOfField = true;
        }
    }
    result.boxText = CofCBoxText();
    return result;
}

bool LumarikCode::ChooseCofCType(int type) {
    m_dof.SetCofCType(type);
    if (!m_lastSolveOk) return false;
    EvaluateDepthOfField();
    return true;
}

// With the custom type the circle in use is the custom value; with the others the box keeps
// the custom value for when the type returns to custom.
std::string LumarikCode::CofCBoxText() const {
    return DofSmallValueText(m_dof.CofCCustomVal(), m_separators.decimal);
}

}  // namespace lumarik
