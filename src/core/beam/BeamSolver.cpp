// The beam solver of GaussianBeam: from the chosen quantities of an axis to a complete value
// table (the case table), and the results derived from a solved table.
#include <algorithm>
#include <cmath>
#include <optional>

#include "core/beam/BeamRelations.h"
#include "core/beam/GaussianBeam.h"
#include "core/format/Rounding.h"
#include "core/numeric/Calc.h"

namespace lumarik {

namespace {

bool IsAxis(int axis) {
    return axis >= 0 && axis < kBeamAxes;
}

// Drawing extents: far conjugates beyond this multiple of |f'| are cut to it.
constexpr double kFarRatio = 20.0;
constexpr double kExtentMargin = 0.02;

}  // namespace

BeamCase ClassifyBeamCase(const std::vector<int>& numbers) {
    if (numbers.size() != 3) return BeamCase::kNone;
    const bool object = std::any_of(numbers.begin(), numbers.end(), IsObjectBeamNumber);
    const bool image = std::any_of(numbers.begin(), numbers.end(), IsImageBeamNumber);
    const int first = numbers[0];
    const int second = numbers[1];
    if (object && image) {
        switch (first) {
            case kBeamFocal:
                return BeamCase::kAFocal;
            case kBeamObjectDist:
                return BeamCase::kAObject;
            case kBeamImageDist:
                return BeamCase::kAImage;
            default:
                return BeamCase::kNone;
        }
    }
    if (!object && !image) return BeamCase::kNone;
    struct PairCase {
        int first;
        int second;
        BeamCase b;
        BeamCase c;
    };
    static constexpr PairCase kPairs[] = {
        {kBeamFocal, kBeamObjectDist, BeamCase::kBFocalObject, BeamCase::kCFocalObject},
        {kBeamFocal, kBeamImageDist, BeamCase::kBFocalImage, BeamCase::kCFocalImage},
        {kBeamFocal, kBeamMag, BeamCase::kBFocalMag, BeamCase::kCFocalMag},
        {kBeamObjectDist, kBeamImageDist, BeamCase::kBObjectImage, BeamCase::kCObjectImage},
        {kBeamObjectDist, kBeamMag, BeamCase::kBObjectMag, BeamCase::kCObjectMag},
        {kBeamImageDist, kBeamMag, BeamCase::kBImageMag, BeamCase::kCImageMag},
    };
    for (const PairCase& p : kPairs) {
        if (p.first == first && p.second == second) return object ? p.b : p.c;
    }
    return BeamCase::kNone;
}

bool BeamCaseHasTwoRoots(BeamCase beamCase) {
    switch (beamCase) {
        case BeamCase::kNone:
        case BeamCase::kBFocalObject:
        case BeamCase::kCFocalImage:
            return false;
        default:
            return true;
    }
}

bool GaussianBeam::BeamFromGiven(int axis, int n, double value) {
    if (!IsAxis(axis)) return false;
    int first = 0;
    if (IsObjectBeamNumber(n)) {
        first = kBeamObjRadius;
    } else if (IsImageBeamNumber(n)) {
        first = kBeamImgRadius;
    } else {
        return false;
    }
    const auto waist = WaistFromGiven(static_cast<WaistKind>(n - first), value, m_wavelengthMm);
    if (!waist) return false;
    Val(axis, first) = waist->radius;
    Val(axis, first + 1) = waist->divergence;
    Val(axis, first + 2) = waist->rayleigh;
    return true;
}

bool GaussianBeam::ImageBeamFromObject(int axis) {
    if (!IsAxis(axis)) return false;
    // r' = 0 would leave the image side with what an earlier solution put there.
    const auto waist =
        WaistFromGiven(WaistKind::kRadius,
                       std::fabs(Val(axis, kBeamObjRadius) * Val(axis, kBeamMag)), m_wavelengthMm);
    if (!waist) return false;
    Val(axis, kBeamImgRadius) = waist->radius;
    Val(axis, kBeamImgDivergence) = waist->divergence;
    Val(axis, kBeamImgRayleigh) = waist->rayleigh;
    return true;
}

bool GaussianBeam::ObjectBeamFromImage(int axis) {
    if (!IsAxis(axis)) return false;
    const double m = Val(axis, kBeamMag);
    if (Val(axis, kBeamImgRadius) == 0.0 || m == 0.0) return false;
    const auto waist = WaistFromGiven(WaistKind::kRadius, std::fabs(Val(axis, kBeamImgRadius) / m),
                                      m_wavelengthMm);
    if (!waist) return false;
    Val(axis, kBeamObjRadius) = waist->radius;
    Val(axis, kBeamObjDivergence) = waist->divergence;
    Val(axis, kBeamObjRayleigh) = waist->rayleigh;
    return true;
}

GaussianBeam::SideFill GaussianBeam::FillSide(int axis, bool imageSide) {
    SideFill fill;
    for (const CVarType& record : m_lists[static_cast<std::size_t>(axis)].Records()) {
        const int n = record.nVarType;
        if (imageSide ? !IsImageBeamNumber(n) : !IsObjectBeamNumber(n)) continue;
        fill.present = true;
        // A record without a value (or with 0) must not let stale values of the side through.
        fill.filled = record.bVarValDef && BeamFromGiven(axis, n, record.sVarValue);
        break;
    }
    return fill;
}

bool GaussianBeam::RunCase(int axis, BeamCase beamCase) {
    auto& v = m_values[static_cast<std::size_t>(axis)];
    const bool alt = m_altSolution;
    auto put = [&v](int n, const std::optional<double>& x) {
        if (!x) return false;
        v[static_cast<std::size_t>(n)] = *x;
        return true;
    };
    auto imageBeam = [this, axis] { return ImageBeamFromObject(axis); };
    auto objectBeam = [this, axis] { return ObjectBeamFromImage(axis); };
    // Later steps read what earlier ones stored, so every argument is read at its step.
    auto f = [&v] { return v[kBeamFocal]; };
    auto s = [&v] { return v[kBeamObjectDist]; };
    auto si = [&v] { return v[kBeamImageDist]; };
    auto m = [&v] { return v[kBeamMag]; };
    auto zr = [&v] { return v[kBeamObjRayleigh]; };
    auto zri = [&v] { return v[kBeamImgRayleigh]; };

    bool ok = false;
    switch (beamCase) {
        case BeamCase::kNone:
            break;
        case BeamCase::kAFocal:
            ok = put(kBeamMag, MagFromRayleigh(zr(), zri())) &&
                 put(kBeamObjectDist, ObjectDistanceFromMag(m(), f(), zr(), alt)) &&
                 put(kBeamImageDist, ImageDistance(s(), f(), zr()));
            break;
        case BeamCase::kAObject:
            ok = put(kBeamMag, MagFromRayleigh(zr(), zri())) &&
                 put(kBeamFocal, FocalFromObjectMag(s(), m(), zr(), alt)) &&
                 put(kBeamImageDist, ImageDistance(s(), f(), zr()));
            break;
        case BeamCase::kAImage:
            ok = put(kBeamMag, MagFromRayleigh(zr(), zri())) &&
                 put(kBeamFocal, FocalFromImageMag(si(), m(), zri(), alt)) &&
                 put(kBeamObjectDist, ObjectDistance(si(), f(), zri()));
            break;
        case BeamCase::kBFocalObject:
            ok = f() != 0.0 && zr() != 0.0 && put(kBeamImageDist, ImageDistance(s(), f(), zr())) &&
                 put(kBeamMag, MagFromObject(s(), f(), zr())) && imageBeam();
            break;
        case BeamCase::kBFocalImage:
            ok = put(kBeamMag, MagFromImgDistObjRayleigh(si(), f(), zr(), alt)) && imageBeam() &&
                 put(kBeamObjectDist, ObjectDistance(si(), f(), zri()));
            break;
        case BeamCase::kBFocalMag:
            ok = imageBeam() && put(kBeamObjectDist, ObjectDistanceFromMag(m(), f(), zr(), alt)) &&
                 put(kBeamImageDist, ImageDistance(s(), f(), zr()));
            break;
        case BeamCase::kBObjectImage:
            ok = put(kBeamFocal, FocalFromObjectConj(s(), si(), zr(), alt)) &&
                 put(kBeamMag, MagFromObject(s(), f(), zr())) && imageBeam();
            break;
        case BeamCase::kBObjectMag:
            ok = imageBeam() && put(kBeamFocal, FocalFromObjectMag(s(), m(), zr(), alt)) &&
                 put(kBeamImageDist, ImageDistance(s(), f(), zr()));
            break;
        case BeamCase::kBImageMag:
            ok = imageBeam() && put(kBeamFocal, FocalFromImageMag(si(), m(), zri(), alt)) &&
                 put(kBeamObjectDist, ObjectDistance(si(), f(), zri()));
            break;
        case BeamCase::kCFocalObject:
            ok = put(kBeamMag, MagFromObjDistImgRayleigh(s(), f(), zri(), alt)) && objectBeam() &&
                 put(kBeamImageDist, ImageDistance(s(), f(), zr()));
            break;
        case BeamCase::kCFocalImage:
            ok = f() != 0.0 && zri() != 0.0 &&
                 put(kBeamObjectDist, ObjectDistance(si(), f(), zri())) &&
                 put(kBeamMag, MagFromImage(si(), f(), zri())) && objectBeam();
            break;
        case BeamCase::kCFocalMag:
            ok = objectBeam() && put(kBeamObjectDist, ObjectDistanceFromMag(m(), f(), zr(), alt)) &&
                 put(kBeamImageDist, ImageDistance(s(), f(), zr()));
            break;
        case BeamCase::kCObjectImage:
            ok = put(kBeamFocal, FocalFromImageConj(s(), si(), zri(), alt)) &&
                 put(kBeamMag, MagFromImage(si(), f(), zri())) && objectBeam();
            break;
        case BeamCase::kCObjectMag:
            ok = objectBeam() && put(kBeamFocal, FocalFromObjectMag(s(), m(), zr(), alt)) &&
                 put(kBeamImageDist, ImageDistance(s(), f(), zr()));
            break;
        case BeamCase::kCImageMag:
            ok = objectBeam() && put(kBeamFocal, FocalFromImageMag(si(), m(), zri(), alt)) &&
                 put(kBeamObjectDist, ObjectDistance(si(), f(), zri()));
            break;
    }
    if (ok) v[kBeamObjectFocal] = -f();
    return ok;
}

bool GaussianBeam::SolveAxisCore(int axis, BeamAxisFlags& flags) {
    VarCollection& list = m_lists[static_cast<std::size_t>(axis)];
    const SideFill object = FillSide(axis, false);
    const SideFill image = FillSide(axis, true);
    flags.objBeamMissing = !object.filled;
    flags.imgBeamMissing = !image.filled;
    if (list.Count() < kMaxBeamSelected) return false;

    ApplyCircularisationCoupling(axis);
    flags.inputsDefined = true;
    for (const CVarType& record : list.Records()) {
        flags.inputsDefined = flags.inputsDefined && record.bVarValDef;
        // The beam quantities were stored by FillSide as absolute values; the waist
        // magnification r'/r is a ratio of sizes as well.
        if (IsConjugateNumber(record.nVarType)) {
            const double v = record.sVarValue;
            Val(axis, record.nVarType) = record.nVarType == kBeamMag ? std::fabs(v) : v;
        }
    }
    // A zero beam value, or a record carried in without a value, fails the axis.
    if (!flags.inputsDefined || object.present != object.filled || image.present != image.filled) {
        return false;
    }
    return RunCase(axis, ClassifyBeamCase(list.Numbers())) && DeriveResults(axis);
}

bool GaussianBeam::SolveBeamAxis(int axis, bool show) {
    if (!IsAxis(axis)) return false;
    const std::size_t a = static_cast<std::size_t>(axis);
    BeamAxisFlags& flags = m_flags[a];
    flags = {};
    m_solved[a] = false;
    if (m_lists[a].Count() == 0) {
        if (show) RememberBeamValues(axis, KnownBeamValues::None());
        flags.solveFailed = flags.objBeamMissing = flags.imgBeamMissing = true;
        return false;
    }
    bool ok = false;
    try {
        ok = SolveAxisCore(axis, flags);
    } catch (const CalcError&) {
        ok = false;
    }
    if (!ok) {
        flags.solveFailed = true;
        if (show && m_lists[a].Count() < kMaxBeamSelected) {
            RememberBeamValues(
                axis, KnownBeamValues::Sides(!flags.objBeamMissing, !flags.imgBeamMissing));
        }
        return false;
    }
    m_solved[a] = true;
    if (show) RememberBeamValues(axis, KnownBeamValues::All());
    return true;
}

bool GaussianBeam::SolveBeam(bool show) {
    const bool ok = SolveBeamAxis(0, show);
    VarCollection& yList = m_lists[1];
    if (m_diodeMode && ok) {
        if (!BuildDiodeSection()) yList.Clear();
        SolveBeamAxis(1, show);
    } else {
        yList.Clear();
        m_flags[1].solveFailed = false;
        m_flags[1].objBeamMissing = false;
        m_flags[1].imgBeamMissing = false;
        m_solved[1] = false;
    }
    return ok;
}

bool GaussianBeam::DeriveBeamResults(int axis) {
    if (!AxisSolved(axis)) return false;
    try {
        return DeriveResults(axis);
    } catch (const CalcError&) {
        return false;
    }
}

bool GaussianBeam::DeriveResults(int axis) {
    const double f = Val(axis, kBeamFocal);
    const double s = Val(axis, kBeamObjectDist);
    const double si = Val(axis, kBeamImageDist);
    const double r = Val(axis, kBeamObjRadius);
    const double zr = Val(axis, kBeamObjRayleigh);
    const double ri = Val(axis, kBeamImgRadius);
    const double gap = m_optics.principalGap;
    auto& res = m_results[static_cast<std::size_t>(axis)];

    Val(axis, kBeamWaistToWaist) = Checked(s + gap + si);
    Val(axis, kBeamParaxialImage) = s - f == 0.0 ? kBeamInfinite : Div(s * f, s - f);

    res[kResLensRadius] = Checked(lumarik::BeamRadiusAt(s, r, m_wavelengthMm));
    // The focused spot lies at the image waist, whatever the geometric image distance says;
    // a mirror's negative n' does not make it negative.
    const double nImage = std::fabs(m_optics.imageIndex);
    res[kResAiryRadius] = si == 0.0 || res[kResLensRadius] == 0.0 || nImage == 0.0
                              ? 0.0
                              : Checked(kAiryFactor * m_wavelengthMm * std::fabs(si) /
                                        (nImage * res[kResLensRadius]));
    res[kResSOverF] = f == 0.0 ? 0.0 : Checked(s / f);
    res[kResSImageOverF] = f == 0.0 ? 0.0 : Checked(si / f);
    res[kResZrOverF] = f == 0.0 ? 0.0 : Checked(zr / f);

    res[kResObjectWaist] = 0.0;
    res[kResP] = s;
    res[kResPPrime] = Checked(s + gap);
    res[kResF] = Checked(res[kResP] - f);
    res[kResFPrime] = Checked(res[kResPPrime] + f);
    res[kResN] = Checked(res[kResF] + f);
    res[kResNPrime] = Checked(res[kResFPrime] - f);
    res[kResImageWaist] = Checked(res[kResPPrime] + si);
    res[kResImageWaistMax] = Checked(res[kResPPrime] + f + Div(f * f, 2.0 * zr));

    if (m_detectorOn) {
        res[kResDetector] =
            Checked(res[kResPPrime] + static_cast<double>(RoundHalfEven(m_detectorDistance)));
        res[kResDetectorRadius] = Checked(
            lumarik::BeamRadiusAt(res[kResDetector] - res[kResImageWaist], ri, m_wavelengthMm));
    } else {
        res[kResDetector] = res[kResPPrime];
        res[kResDetectorRadius] = res[kResLensRadius];
    }
    res[kResGeometricImage] = Checked(res[kResPPrime] + Val(axis, kBeamParaxialImage));

    double low = kBeamInfinite;
    double high = -kBeamInfinite;
    auto widen = [&low, &high](double x) {
        low = std::min(low, x);
        high = std::max(high, x);
    };
    for (int k = kResP; k <= kResNPrime; ++k) widen(res[static_cast<std::size_t>(k)]);
    if (m_detectorOn) widen(res[kResDetector]);
    const double margin = Checked(kExtentMargin * std::fabs(high - low));
    const double allowance = kFarRatio * std::fabs(f);
    if (std::fabs(res[kResSOverF]) > kFarRatio) {
        low -= allowance;
    } else {
        widen(0.0);
    }
    const bool farImage = std::fabs(res[kResSImageOverF]) > kFarRatio;
    for (int k : {kResImageWaist, kResImageWaistMax}) {
        const double position = res[static_cast<std::size_t>(k)];
        if (!farImage) {
            widen(position);
        } else if (res[kResP] < position) {
            high += allowance;
        } else {
            low -= allowance;
        }
    }
    if (axis == 0) {
        m_extentMin = Checked(low - margin);
        m_extentMax = Checked(high + margin);
    }
    return true;
}

}  // namespace lumarik
