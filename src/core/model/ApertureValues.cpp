#include "core/model/ApertureValues.h"

#include <cfloat>
#include <cmath>

#include "core/numeric/Calc.h"

namespace lumarik {

namespace {

constexpr double kHalfPi = 3.141592654 / 2.0;  // the π the arcsine has always used
constexpr double kAiryFactor = 0.61;
constexpr float kMillimetresPerNanometre = 1e-6f;

// n·sin(atan(r/|distance|)); 0 for a zero distance, and exactly 0 for an infinite one (the
// infinity marker is a finite number, which would leave a tiny NA that is none).
float NumericalAperture(float index, float r, float distance) {
    if (distance == 0.0f || std::fabs(distance) >= std::fabs(kInfinity)) return 0.0f;
    return Single(index * std::sin(Atan(Div(r, std::fabs(static_cast<double>(distance))))));
}

float FNumber(float focal, float r) {
    if (r == 0.0f) return 0.0f;
    return Single(Div(focal, 2.0 * r));
}

// 0.61·λ over the paraxial NA' = n'·r/|a'|; 0 while the stored NA' is 0.
float AiryRadius(double lambdaMm, float r, float nPrime, float naImage, float imageDist) {
    if (naImage == 0.0f) return 0.0f;
    const double paraxialNA =
        Div(static_cast<double>(r) * nPrime, std::fabs(static_cast<double>(imageDist)));
    return Single(std::fabs(Div(kAiryFactor * lambdaMm, paraxialNA)));
}

}  // namespace

double ArcSine(double x) {
    if (std::fabs(x) < 1.0) return std::atan(x / std::sqrt(1.0 - x * x));
    const double y = x - std::floor(x);
    if (y > 0.999) return kHalfPi;
    return kHalfPi + std::atan(y / std::sqrt(1.0 - y * y));
}

float CompleteApertureTable(int k, float given, const ApertureSystem& s, ApertureTable& table) {
    float& r = table[kApStopRadius];
    float& fNumber = table[kApFNumber];
    float& na = table[kApNA];
    float& naImage = table[kApNAImage];
    float& airy = table[kApAiryRadius];
    const double lambdaMm = static_cast<double>(s.wavelength) * kMillimetresPerNanometre;
    const double absA = std::fabs(static_cast<double>(s.objectDist));
    const double absAImage = std::fabs(static_cast<double>(s.imageDist));

    if (k < 0 || k >= kApertureCount) throw CalcError("no such aperture parameter");
    table[static_cast<std::size_t>(k)] = Single(given);
    switch (k) {
        case kApStopRadius:
            break;
        case kApFNumber:
            r = Single(Div(s.focal, 2.0 * given));
            break;
        case kApNA:
            r = Single(absA * Tan(ArcSine(Div(given, s.n))));
            break;
        case kApNAImage:
            r = Single(absAImage * Tan(ArcSine(Div(given, s.nPrime))));
            break;
        default:  // Airy radius
            naImage = given == 0.0f ? 0.0f : Single(Div(kAiryFactor * lambdaMm, given));
            r = Single(Div(static_cast<double>(s.imageDist) * naImage, s.nPrime));
            break;
    }
    if (k != kApNA) na = NumericalAperture(s.n, r, s.objectDist);
    if (k != kApNAImage && k != kApAiryRadius) {
        naImage = NumericalAperture(s.nPrime, r, s.imageDist);
    }
    if (k != kApFNumber) fNumber = FNumber(s.focal, r);
    if (k != kApAiryRadius) airy = AiryRadius(lambdaMm, r, s.nPrime, naImage, s.imageDist);
    return Single(Div(2.0 * s.nPrime * r, static_cast<double>(s.imageDist) * lambdaMm));
}

float EffectiveFNumber(float stopRadius, float imageDist, float nPrime) {
    if (imageDist == 0.0f) return 0.0f;
    const double r = stopRadius;
    if (r / imageDist == 0.0) return 0.0f;
    const double denominator = 2.0 * nPrime * r;
    if (denominator == 0.0) return FLT_MAX;
    const double fNumber = std::fabs(imageDist / denominator);
    return fNumber > FLT_MAX ? FLT_MAX : static_cast<float>(fNumber);
}

CardinalTable CardinalPoints(float focal, float objectFocal, float d) {
    CardinalTable t{};
    t[kCardP] = 0.0f;
    t[kCardPPrime] = Single(static_cast<double>(t[kCardP]) + d);
    t[kCardF] = Single(static_cast<double>(t[kCardP]) + objectFocal);
    t[kCardFPrime] = Single(static_cast<double>(t[kCardPPrime]) + focal);
    t[kCardN] = Single(static_cast<double>(t[kCardF]) + focal);
    t[kCardNPrime] = Single(static_cast<double>(t[kCardFPrime]) + objectFocal);
    return t;
}

}  // namespace lumarik
