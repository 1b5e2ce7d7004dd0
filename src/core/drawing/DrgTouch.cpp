#include "core/drawing/DrgTouch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "core/model/LumarikCode.h"
#include "core/model/Options.h"
#include "core/model/Selection.h"
#include "core/model/ValueEntry.h"

namespace lumarik {
namespace {

constexpr double kPointReach = 12.0;
constexpr double kPlaneReach = 10.0;

struct Replacement {
    int oldNumber;
    int newNumber;
};

bool NearPoint(double x, double y, float hx, float hy) {
    return std::fabs(x - hx) < kPointReach && std::fabs(y - hy) < kPointReach;
}

bool AlongPlane(double x, double y, float hx, float y1, float y2) {
    return std::fabs(x - hx) < kPlaneReach && y > std::min(y1, y2) && y < std::max(y1, y2);
}

int DistanceOf(GrabType grab) {
    switch (grab) {
        case kGrabObjectArrow:
        case kGrabObjectFoot:
            return kParObjectDist;
        case kGrabImageArrow:
        case kGrabImageFoot:
            return kParImageDist;
        case kGrabFrontFocus:
        case kGrabRearFocus:
            return kParFocal;
        default:
            return -1;
    }
}

int HeightOf(GrabType grab) {
    switch (grab) {
        case kGrabObjectArrow:
        case kGrabObjectTip:
            return kParObjectHeight;
        case kGrabImageArrow:
        case kGrabImageTip:
            return kParImageHeight;
        default:
            return -1;
    }
}

// Distances and heights are measured from P, except for the image and the rear focal point.
int ReferencePlane(GrabType grab) {
    switch (grab) {
        case kGrabImageArrow:
        case kGrabImageFoot:
        case kGrabImageTip:
        case kGrabRearFocus:
            return kHandlePPrimeX;
        default:
            return kHandlePX;
    }
}

// The positions (0-based) whose parameter a newly dragged one may replace, best first. A
// distance takes the first slot when the second already holds a field quantity and otherwise
// the second, keeping the first distance (f' when it is chosen); a height takes the field slot
// at the end. The remaining slots follow, so that a refused choice falls back to another one.
std::array<int, 3> SlotOrder(const std::vector<int>& numbers, bool distance) {
    if (!distance) return {2, 1, 0};
    if (numbers[1] >= kFirstFieldPar) return {0, 1, 2};
    return {1, 0, 2};
}

// The replacements that make the dragged parameters chosen, or nothing when no admissible
// choice keeps the parameters of the drag. An empty list: they are chosen already.
std::optional<std::vector<Replacement>> PlanChoice(const std::vector<int>& numbers, int distance,
                                                   int height) {
    const auto chosen = [&](int number) {
        return std::find(numbers.begin(), numbers.end(), number) != numbers.end();
    };
    std::vector<int> missing;
    if (distance >= 0 && !chosen(distance)) missing.push_back(distance);
    if (height >= 0 && !chosen(height)) missing.push_back(height);
    if (missing.empty()) return std::vector<Replacement>{};

    const auto dragged = [&](std::size_t position) {
        return numbers[position] == distance || numbers[position] == height;
    };
    const auto orderOf = [&](int number) { return SlotOrder(numbers, number == distance); };
    const auto admissible = [&](std::vector<int> candidate) {
        return CheckSelectionNumbers(std::move(candidate)).accepted;
    };

    for (int first : orderOf(missing[0])) {
        const auto p = static_cast<std::size_t>(first);
        if (dragged(p)) continue;
        std::vector<int> candidate = numbers;
        candidate[p] = missing[0];
        if (missing.size() == 1) {
            if (admissible(candidate)) return std::vector<Replacement>{{numbers[p], missing[0]}};
            continue;
        }
        for (int second : orderOf(missing[1])) {
            const auto q = static_cast<std::size_t>(second);
            if (q == p || dragged(q)) continue;
            std::vector<int> both = candidate;
            both[q] = missing[1];
            if (admissible(both)) {
                return std::vector<Replacement>{{numbers[p], missing[0]}, {numbers[q], missing[1]}};
            }
        }
    }
    return std::nullopt;
}

std::optional<float> AsSingle(double value) {
    if (!FitsSingle(value)) return std::nullopt;
    return static_cast<float>(value);
}

}  // namespace

void ReplaceKeepingValue(VarCollection& collection, int oldNumber, int newNumber, float value,
                         float margin) {
    CVarType limits;
    ExtendLimits(limits, value, margin);
    collection.Replace(oldNumber, newNumber, value, limits.bLimLowDef && limits.bLimHihDef,
                       limits.sLimLow, limits.sLimHih);
}

GrabType DrgTouch::FindGrab(double x, double y, const GrabHandles& handles, const LumarikCode& code,
                            const Options& options) {
    if (!handles.valid) return kGrabNone;
    const auto& p = handles.position;
    const float axis = p[kHandleAxisY];
    if (handles.objectShown) {
        const float objectX = p[kHandleObjectX];
        if (NearPoint(x, y, objectX, axis)) return kGrabObjectFoot;
        if (NearPoint(x, y, objectX, p[kHandleObjectTipY])) return kGrabObjectTip;
        if (AlongPlane(x, y, objectX, axis, p[kHandleObjectTipY])) return kGrabObjectArrow;
    }
    if (handles.imageShown) {
        const float imageX = p[kHandleImageX];
        if (NearPoint(x, y, imageX, axis)) return kGrabImageFoot;
        if (NearPoint(x, y, imageX, p[kHandleImageTipY])) return kGrabImageTip;
        if (AlongPlane(x, y, imageX, axis, p[kHandleImageTipY])) return kGrabImageArrow;
    }
    const float top = p[kHandleLensTopY];
    const float bottom = p[kHandleLensBottomY];
    // Without an aperture the lens height is borrowed from the arrows: there is no rim.
    if (handles.apertureDefined && !code.ApertureMissing() && !options.drawHaltingRay &&
        AlongPlane(x, y, p[kHandlePX], top, bottom)) {
        return kGrabLensRim;
    }
    // A mirror has no separation; its stored lens value must not be touched.
    const EffectiveConstants& constants = code.Constants();
    if (constants.AdvancedOptions() && !constants.MirrorMode() &&
        AlongPlane(x, y, p[kHandlePPrimeX], top, bottom)) {
        return kGrabRearPlane;
    }
    if (NearPoint(x, y, p[kHandleFX], axis)) return kGrabFrontFocus;
    if (NearPoint(x, y, p[kHandleFPrimeX], axis)) return kGrabRearFocus;
    return kGrabNone;
}

PressResult DrgTouch::DragHitTest(double x, double y, LumarikCode& code, const Options& options,
                                  const GrabHandles& handles,
                                  const std::function<void()>& beforeChange) {
    Reset();
    // A drawing left over from an earlier state (a value deleted since) must not be edited.
    if (!SystemSolved(code)) return {};
    const GrabType grab = FindGrab(x, y, handles, code, options);
    if (grab == kGrabNone) return {};

    const int distance = DistanceOf(grab);
    const int height = HeightOf(grab);
    const std::optional<std::vector<Replacement>> plan =
        PlanChoice(code.Selected().Numbers(), distance, height);
    if (!plan) return {};
    // The rim is found only while an aperture record with a value is chosen.
    const int apertureNumber =
        grab == kGrabLensRim ? code.Apertures().VarType(1) : int{kApStopRadius};
    const bool apertureChanges = apertureNumber != kApStopRadius;

    const bool selectionChanged = !plan->empty();
    if (selectionChanged || apertureChanges) {
        if (beforeChange) beforeChange();
        m_changeAnnounced = true;
    }
    const float margin = code.LimitMargin();
    for (const Replacement& replacement : *plan) {
        ReplaceKeepingValue(code.Selected(), replacement.oldNumber, replacement.newNumber,
                            code.Value(replacement.newNumber), margin);
        // As when the object distance is unticked: the infinity it carried must not come back
        // from the value memory.
        if (replacement.oldNumber == kParObjectDist && code.ObjectAtInfinity()) {
            code.SetObjectAtInfinity(false);
            code.RememberValues(false);
        }
    }
    if (apertureChanges) {
        ReplaceKeepingValue(code.Apertures(), apertureNumber, kApStopRadius,
                            code.ApertureValue(kApStopRadius), margin);
    }

    m_grab = grab;
    m_handles = handles;
    m_distance = distance;
    m_height = height;
    m_startOffsetX = x - handles.position[static_cast<std::size_t>(ReferencePlane(grab))];
    m_startOffsetY = y - handles.position[kHandleAxisY];
    m_startDistance = grab == kGrabRearPlane ? code.Constants().D()
                                             : (distance >= 0 ? code.Value(distance) : 0.0);
    m_startHeight = height >= 0 ? code.Value(height) : 0.0;
    m_startAperture = code.ApertureValue(kApStopRadius);
    m_realObject = distance == kParObjectDist && !options.positiveObj;
    return {grab, selectionChanged || apertureChanges};
}

std::optional<float> DrgTouch::DraggedDistance(double dx) const {
    const std::optional<float> distance = AsSingle(m_startDistance * dx / m_startOffsetX);
    if (!distance || !m_realObject || *distance < 0.0f) return distance;
    // A real object's distance is negative, as when it is typed: the object is held one pixel
    // left of P. Pressed right of P, it keeps its place.
    const std::optional<float> held = AsSingle(m_startDistance * -1.0 / m_startOffsetX);
    if (held && *held >= 0.0f) return std::nullopt;
    return held;
}

bool DrgTouch::DragMove(double x, double y, LumarikCode& code,
                        const std::function<void()>& beforeChange) {
    if (m_grab == kGrabNone) return false;
    const double dx = x - m_handles.position[static_cast<std::size_t>(ReferencePlane(m_grab))];
    const double dy = y - m_handles.position[kHandleAxisY];

    // Proportional: the scale is linear and P lies at z = 0, so the grabbed element stays under
    // the mouse as long as the solver reproduces the dragged value.
    std::optional<float> distance;
    std::optional<float> height;
    std::optional<float> aperture;
    std::optional<float> separation;
    VarCollection& selected = code.Selected();
    const int distancePosition = m_distance >= 0 ? selected.PositionOf(m_distance) : 0;
    const int heightPosition = m_height >= 0 ? selected.PositionOf(m_height) : 0;
    if (distancePosition != 0 && m_startOffsetX != 0.0) distance = DraggedDistance(dx);
    if (heightPosition != 0 && m_startOffsetY != 0.0) {
        height = AsSingle(m_startHeight * dy / m_startOffsetY);
    }
    // Either rim follows the mouse, above or below the axis.
    if (m_grab == kGrabLensRim && m_startOffsetY != 0.0 && code.Apertures().Count() == 1) {
        aperture = AsSingle(std::fabs(m_startAperture * dy / m_startOffsetY));
    }
    // The planes may come together but never cross.
    if (m_grab == kGrabRearPlane && m_startOffsetX != 0.0) {
        double d = m_startDistance * dx / m_startOffsetX;
        if (d * m_startDistance < 0.0) d = 0.0;
        separation = AsSingle(d);
    }

    const bool changes = (distance && *distance != selected.VarValue(distancePosition)) ||
                         (height && *height != selected.VarValue(heightPosition)) ||
                         (aperture && *aperture != code.Apertures().VarValue(1)) ||
                         (separation && *separation != code.Constants().StoredD());
    if (!changes) return false;
    if (!m_changeAnnounced) {
        if (beforeChange) beforeChange();
        m_changeAnnounced = true;
    }
    const float margin = code.LimitMargin();
    if (distance) WriteValueOpeningLimits(selected, distancePosition, *distance, margin);
    if (height) WriteValueOpeningLimits(selected, heightPosition, *height, margin);
    if (aperture) WriteValueOpeningLimits(code.Apertures(), 1, *aperture, margin);
    if (separation) code.Constants().SetD(*separation);
    return true;
}

bool DrgTouch::EndDrag() {
    const bool wasDragging = Dragging();
    Reset();
    return wasDragging;
}

void DrgTouch::Reset() {
    *this = DrgTouch();
}

}  // namespace lumarik
