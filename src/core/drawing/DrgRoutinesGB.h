// The drawing of the Gaussian-beam mode: the beam envelope through the lens with its waists and
// position markers, the two normalised insets, the laser-diode sections with their cylinder
// lenses, and the read-out of the beam under the mouse. Screen, printed report and image export
// draw it through the same Canvas; the window keeps one instance for the screen, whose
// transforms and handle table the beam drag uses.
#pragma once

#include <array>
#include <string>

#include "core/drawing/Canvas.h"
#include "core/drawing/DrawPrimitives.h"

namespace lumarik {

class GaussianBeam;

// Entries of the scale list, in list order.
enum BeamScaleMode : int {
    kScaleAutomatic = 0,
    kScaleFromObject = 1,  // object waist .. object waist + L
    kScaleAroundLens = 2,  // lens centre ± L
    kScaleToImage = 3,     // image waist − L .. image waist
    kScaleTwoFocal = 4,    // P − 2·|f'| .. P' + 2·|f'|
    kScaleThreeFocal = 5,
    kScaleFourFocal = 6,
    kScaleModeCount = 7,
};

// The modes that use the fixed distance L.
bool ScaleModeUsesDistance(int mode);

struct BeamDrawOptions {
    int scaleMode = kScaleAutomatic;
    double fixedDistance = 0.0;  // L in mm; 0 for none: the automatic range's length
    bool drawPoints = false;     // labels of P, P', F, F'
    bool printing = false;       // darker shading, which survives the printer
};

struct ZRange {
    double zMin = 0.0;
    double zMax = 0.0;
};

// L in use: the stored distance, or the length of the automatic range when none is stored.
double FixedDistanceInUse(const GaussianBeam& beam, double stored);
// The horizontal range of a scale mode over the x section, measured from the object waist.
// |f'| keeps the range of the focal modes the right way round for a negative lens; a range that
// is empty or not finite (f' = 0 with d = 0) falls back to the automatic one.
ZRange BeamScaleRange(const GaussianBeam& beam, int mode, double fixedDistance);

// Pixel positions of the beam drag's handles, from the x section of the last full drawing.
enum BeamHandle : int {
    kBeamHandleAxisY = 0,
    kBeamHandleObjRadiusY = 1,
    kBeamHandleObjRayleighY = 2,  // a row 14 pixels below the axis
    kBeamHandleLensRadiusY = 3,
    kBeamHandleImgRadiusY = 4,
    kBeamHandleImgRayleighY = 5,  // a row 20 pixels below the axis
    kBeamHandleDetectorRadiusY = 6,
    kBeamHandleObjWaistX = 7,
    kBeamHandleObjRayleighX = 8,  // object waist + zr
    kBeamHandleFX = 9,
    kBeamHandlePX = 10,
    kBeamHandlePPrimeX = 11,
    kBeamHandleFPrimeX = 12,
    kBeamHandleImgWaistX = 13,
    kBeamHandleImgRayleighX = 14,  // image waist − zr'
    kBeamHandleDetectorX = 15,
    kBeamHandleCount = 16,
};

struct BeamHandles {
    std::array<float, kBeamHandleCount> position{};
    bool valid = false;  // a beam was drawn; nothing can be grabbed otherwise
};

// 1: one panel (both sections in it); 2: x left, y right; 3: x above, y below.
enum class BeamLayout { kOne = 1, kSideBySide = 2, kStacked = 3 };
// From the aspect width / |height| of the picture: above 1.1 side by side, below 0.9 stacked.
BeamLayout LayoutForAspect(double width, double height);

// A rectangle in pixels; left <= right, top <= bottom.
struct PixelBox {
    double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;

    double Width() const { return right - left; }
    double Height() const { return bottom - top; }
    bool Empty() const { return !(right > left) || !(bottom > top); }
    // Sharing a border is no overlap.
    bool Overlaps(const PixelBox& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
};

// Where the parts of one section's panel stand. The insets (s'/f' and m over s/f') never cover
// the envelope: in a plot wider than tall they stand one above the other beside its right end,
// which costs the envelope the smaller share of its width; otherwise side by side in a strip
// under it, which costs the smaller share of its height.
struct BeamPanelLayout {
    PixelBox envelope;                 // the beam from zMin to zMax, radius -ymax..ymax
    std::array<PixelBox, 2> insets{};  // s'/f' and m; both empty when there is no room
    bool insetsBeside = false;
    PixelBox labels;  // the strip of the position labels under the plot
};
// The panel's plot lies kPlotInset inside its left, right and top edge, below a legend of
// `legendHeight`, above a label strip of `labelStrip`. Insets smaller than `leastInset` are
// left out. False when no envelope area is left.
bool LayoutBeamPanel(const PixelBox& panel, double legendHeight, double labelStrip,
                     double leastInset, BeamPanelLayout& layout);

// What the mouse read-out paints over the drawing: a text on a white box and a cursor line.
struct BeamReadout {
    bool shown = false;
    std::string text;
    double textX = 0.0;
    double textY = 0.0;
    double cursorX = 0.0;
    double cursorTop = 0.0;
    double cursorBottom = 0.0;
};
void PaintReadout(Canvas& canvas, const BeamReadout& readout);

class DrgRoutinesGB {
public:
    // Clears the canvas and draws the beam into its scale rectangle; nothing more when the x
    // section has no solution or the picture leaves no plot area. While a drag is in progress
    // the transforms and handles of the press are kept. True when a beam was drawn.
    bool RedrawBeam(Canvas& canvas, const GaussianBeam& beam, const BeamDrawOptions& options,
                    bool dragInProgress);

    // The read-out for the mouse at pixel (x, y) over the last drawing: nothing off the plot of
    // a drawn section. A value that is not finite leaves its place blank; at a waist (the mouse
    // on its pixel column) the wavefront is "plan".
    BeamReadout ReadoutAt(double x, double y, const GaussianBeam& beam, char decimalSep) const;

    const BeamHandles& Handles() const { return m_handles; }
    const DrawTransform& Transform(int section) const {
        return m_sections[static_cast<std::size_t>(section)].transform;
    }
    // Sections drawn by the last drawing (0, 1 or 2) and their layout.
    int SectionCount() const { return m_sectionCount; }
    BeamLayout Layout() const { return m_layout; }
    const BeamPanelLayout& PanelLayout(int section) const {
        return m_sections[static_cast<std::size_t>(section)].layout;
    }

private:
    struct Section {
        DrawTransform transform;
        ClipRect clip;  // the plot area in millimetres
        PixelBox panel;
        BeamPanelLayout layout;
    };
    bool Arrange(const Canvas& canvas, const GaussianBeam& beam, const BeamDrawOptions& options,
                 int sections);
    void StoreHandles(const GaussianBeam& beam);

    std::array<Section, 2> m_sections{};
    int m_sectionCount = 0;
    BeamLayout m_layout = BeamLayout::kOne;
    double m_pictureTop = 0.0;
    double m_pictureLeft = 0.0;
    BeamHandles m_handles;
};

}  // namespace lumarik
