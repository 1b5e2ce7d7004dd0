#include "core/drawing/DrgTouchGB.h"

#include <algorithm>
#include <cmath>

#include "core/beam/GaussianBeam.h"
#include "core/drawing/DrgTouch.h"
#include "core/model/EffectiveConstants.h"
#include "core/model/ValueEntry.h"

namespace lumarik {
namespace {

constexpr double kPointReach = 12.0;
constexpr double kPlaneReach = 10.0;

struct GrabSpec {
    BeamGrab grab;
    int x;       // handle index of the x position
    int y;       // handle index of the y position (a point) or of the plane's top
    bool plane;  // a plane from the axis to y
    int number;  // the beam quantity changed; -1 for d and the detector distance
    int reference;
    bool vertical;  // the offset is measured vertically
    bool circularisable;
};

constexpr GrabSpec kGrabs[] = {
    {kBeamGrabLens, kBeamHandlePX, kBeamHandleLensRadiusY, true, kBeamObjectDist,
     kBeamHandleObjWaistX, false, true},
    {kBeamGrabObjRadius, kBeamHandleObjWaistX, kBeamHandleObjRadiusY, false, kBeamObjRadius,
     kBeamHandleAxisY, true, true},
    {kBeamGrabObjRayleigh, kBeamHandleObjRayleighX, kBeamHandleObjRayleighY, false,
     kBeamObjRayleigh, kBeamHandleObjWaistX, false, true},
    {kBeamGrabFrontFocus, kBeamHandleFX, kBeamHandleAxisY, false, kBeamFocal, kBeamHandlePX, false,
     true},
    {kBeamGrabRearPlane, kBeamHandlePPrimeX, kBeamHandleLensRadiusY, true, -1, kBeamHandlePX, false,
     false},
    {kBeamGrabImageWaist, kBeamHandleImgWaistX, kBeamHandleAxisY, false, kBeamImageDist,
     kBeamHandlePPrimeX, false, false},
    {kBeamGrabImgRadius, kBeamHandleImgWaistX, kBeamHandleImgRadiusY, false, kBeamImgRadius,
     kBeamHandleAxisY, true, false},
    {kBeamGrabImgRayleigh, kBeamHandleImgRayleighX, kBeamHandleImgRayleighY, false,
     kBeamImgRayleigh, kBeamHandleImgWaistX, false, false},
    {kBeamGrabRearFocus, kBeamHandleFPrimeX, kBeamHandleAxisY, false, kBeamFocal,
     kBeamHandlePPrimeX, false, true},
    {kBeamGrabDetector, kBeamHandleDetectorX, kBeamHandleAxisY, false, -1, kBeamHandlePPrimeX,
     false, false},
};

const GrabSpec& SpecOf(BeamGrab grab) {
    return kGrabs[grab - 1];
}

// Conjugates 0..3, object-side beam 5..7, image-side beam 8..10.
int KindOf(int number) {
    if (IsObjectBeamNumber(number)) return 1;
    if (IsImageBeamNumber(number)) return 2;
    return 0;
}

float Pixel(const BeamHandles& handles, int index) {
    return handles.position[static_cast<std::size_t>(index)];
}

bool Hit(double x, double y, const BeamHandles& handles, const GrabSpec& spec) {
    const double hx = Pixel(handles, spec.x);
    const double hy = Pixel(handles, spec.y);
    if (spec.plane) {
        const double axis = Pixel(handles, kBeamHandleAxisY);
        return std::fabs(x - hx) < kPlaneReach && y > std::min(axis, hy) && y < std::max(axis, hy);
    }
    return std::fabs(x - hx) < kPointReach && std::fabs(y - hy) < kPointReach;
}

// The chosen number that `number` may replace with the result still accepted, if any.
int SwapPartner(const VarCollection& list, int number) {
    const std::vector<int> numbers = list.Numbers();
    for (int chosen : numbers) {
        if (KindOf(chosen) != KindOf(number) || chosen == kBeamWaistToWaist) continue;
        std::vector<int> candidate = numbers;
        std::replace(candidate.begin(), candidate.end(), chosen, number);
        std::sort(candidate.begin(), candidate.end());
        if (CheckBeamNumbers(candidate).accepted) return chosen;
    }
    return -1;
}

}  // namespace

BeamGrab DrgTouchGB::FindBeamGrab(double x, double y, const BeamHandles& handles,
                                  const GaussianBeam& beam, bool rearPlaneMovable) {
    if (!handles.valid) return kBeamGrabNone;
    const bool circularised = beam.DiodeMode() && beam.Circularise();
    for (const GrabSpec& spec : kGrabs) {
        if (circularised && !spec.circularisable) continue;
        if (spec.grab == kBeamGrabRearPlane && !rearPlaneMovable) continue;
        if (spec.grab == kBeamGrabDetector && !beam.DetectorOn()) continue;
        if (Hit(x, y, handles, spec)) return spec.grab;
    }
    return kBeamGrabNone;
}

BeamPress DrgTouchGB::DragHitTest(double x, double y, GaussianBeam& beam,
                                  EffectiveConstants& constants, const BeamHandles& handles,
                                  const std::function<void()>& beforeChange) {
    *this = DrgTouchGB();
    if (!beam.AxisSolved(0)) return {};
    const bool rearPlaneMovable = constants.AdvancedOptions() && !constants.MirrorMode();
    const BeamGrab grab = FindBeamGrab(x, y, handles, beam, rearPlaneMovable);
    if (grab == kBeamGrabNone) return {};
    const GrabSpec& spec = SpecOf(grab);
    VarCollection& list = beam.Selection(0);
    bool swapped = false;
    int released = -1;
    if (spec.number >= 0 && !list.Contains(spec.number)) {
        const int partner = SwapPartner(list, spec.number);
        if (partner < 0) return {};
        const double value = beam.GetBeamValue(0, spec.number);
        if (!FitsSingle(value)) return {};
        if (beforeChange) beforeChange();
        m_changeAnnounced = true;
        ReplaceKeepingValue(list, partner, spec.number, static_cast<float>(value),
                            beam.LimitMargin());
        swapped = true;
        released = partner;
    }
    m_grab = grab;
    m_handles = handles;
    m_number = spec.number;
    const double press = spec.vertical ? y : x;
    m_startOffset = press - Pixel(handles, spec.reference);
    if (spec.number >= 0) {
        m_startValue = list.VarValue(list.PositionOf(spec.number));
    } else if (grab == kBeamGrabRearPlane) {
        m_startValue = constants.StoredD();
    } else {
        m_startValue = beam.DetectorDistance();
    }
    return {grab, swapped, swapped ? spec.number : -1, released};
}

int DrgTouchGB::DragMove(double x, double y, GaussianBeam& beam, EffectiveConstants& constants,
                         const std::function<void()>& beforeChange) {
    if (m_grab == kBeamGrabNone || m_startOffset == 0.0) return -1;
    const GrabSpec& spec = SpecOf(m_grab);
    const double offset = (spec.vertical ? y : x) - Pixel(m_handles, spec.reference);
    double value = m_startValue * offset / m_startOffset;
    const bool size = spec.number >= kFirstObjectBeam;
    if (size) value = std::fabs(value);
    if (spec.number < 0 && value < 0.0) value = 0.0;
    if (!FitsSingle(value)) return -1;
    const auto single = static_cast<float>(value);

    VarCollection& list = beam.Selection(0);
    const int position = spec.number >= 0 ? list.PositionOf(spec.number) : 0;
    if (spec.number >= 0 && position == 0) return -1;
    float current = 0.0f;
    if (position != 0) {
        current = list.VarValue(position);
    } else if (m_grab == kBeamGrabRearPlane) {
        current = constants.StoredD();
    } else {
        current = static_cast<float>(beam.DetectorDistance());
    }
    if (single == current) return -1;
    if (!m_changeAnnounced) {
        if (beforeChange) beforeChange();
        m_changeAnnounced = true;
    }
    if (position != 0) {
        WriteValueOpeningLimits(list, position, single, beam.LimitMargin());
    } else if (m_grab == kBeamGrabRearPlane) {
        constants.SetD(single);
    } else {
        beam.SetDetectorDistance(single);
    }
    return position;
}

bool DrgTouchGB::EndDrag() {
    const bool wasDragging = Dragging();
    *this = DrgTouchGB();
    return wasDragging;
}

}  // namespace lumarik
