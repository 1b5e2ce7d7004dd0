#include "core/help/HelpFigures.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace lumarik {
namespace {

// The figures' labels. The symbols are the program's default ones (f', a, a', u, u', P, F, N).
namespace figtexts {
constexpr std::string_view kLens = "Linse";
constexpr std::string_view kMirror = "Hohlspiegel";
constexpr std::string_view kObject = "Objekt";
constexpr std::string_view kImage = "Bild";
constexpr std::string_view kObjectHeight = "u";
constexpr std::string_view kImageHeight = "u'";
constexpr std::string_view kObjectDistance = "a";
constexpr std::string_view kImageDistance = "a'";
constexpr std::string_view kFocalLength = "f'";
constexpr std::string_view kFrontFocalLength = "f";
constexpr std::string_view kObjectImageDistance = "t";
constexpr std::string_view kFrontFocus = "F";
constexpr std::string_view kBackFocus = "F'";
constexpr std::string_view kMirrorFocus = "F = F'";
constexpr std::string_view kObjectPoint = "O";
constexpr std::string_view kImagePoint = "O'";
constexpr std::string_view kObjectAngle = "α";
constexpr std::string_view kImageAngle = "α'";
constexpr std::string_view kStopRadius = "Blendenradius";
constexpr std::string_view kObjectNA = "NA = n · sin α";
constexpr std::string_view kImageNA = "NA' = n' · sin α'";
constexpr std::string_view kFNumber =
    "Blendenzahl K = f' / (2 · Blendenradius), Objekt im Unendlichen";
constexpr std::string_view kAiry = "Airy-Radius = 0,61 · λ / NA'";
constexpr std::string_view kFirstPrincipal = "P";
constexpr std::string_view kSecondPrincipal = "P'";
constexpr std::string_view kPrincipalSeparation = "Abstand der Hauptebenen";
constexpr std::string_view kNodalNote = "Gleiches Medium vor und hinter dem System: N = P, N' = P'";
constexpr std::string_view kMirrorPrincipal = "P = P'";
constexpr std::string_view kMirrorNodal = "N = N'";
constexpr std::string_view kMirrorRadius = "Spiegelradius";
constexpr std::string_view kMirrorNodalNote = "N = N' im Krümmungsmittelpunkt";
constexpr std::string_view kFarPoint = "Fernpunkt";
constexpr std::string_view kNearPoint = "Nahpunkt";
constexpr std::string_view kFocusPlane = "Einstellebene";
constexpr std::string_view kImagePlane = "Bildebene";
constexpr std::string_view kCircleOfConfusion = "Unschärfekreis";
constexpr std::string_view kDepthOfField = "Schärfentiefe";
constexpr std::string_view kObjectPointName = "Objektpunkt";
constexpr std::string_view kImagePointName = "Bildpunkt";
constexpr std::string_view kDepthOfFocus = "Abbildungstiefe";
constexpr std::string_view kFixedFocus = "Fixfokusentfernung";
constexpr std::string_view kHalfFixedFocus = "Fixfokusentfernung / 2";
constexpr std::string_view kToInfinity = "Schärfentiefe bis unendlich";
constexpr std::string_view kObjectWaist = "Objekttaille";
constexpr std::string_view kImageWaist = "Bildtaille";
constexpr std::string_view kWaistRadius = "r";
constexpr std::string_view kImageWaistRadius = "r'";
constexpr std::string_view kDivergence = "w";
constexpr std::string_view kImageDivergence = "w'";
constexpr std::string_view kRayleigh = "zr";
constexpr std::string_view kImageRayleigh = "zr'";
constexpr std::string_view kWaistDistance = "s";
constexpr std::string_view kImageWaistDistance = "s'";
}  // namespace figtexts

constexpr Colour kInk = colours::kBlack;
constexpr Colour kAxisColour = 0x808080u;
constexpr Colour kDimensionColour = 0x505050u;
constexpr Colour kArrowColour = 0x0000C8u;  // object and image: red
constexpr Colour kRay = 0xC06000u;          // blue
constexpr Colour kSecondRay = 0x008C00u;    // green
constexpr Colour kSpotColour = 0x0000E0u;
constexpr Colour kObjectBeam = 0x0000D0u;  // red, as the beam drawing shows the object side
constexpr Colour kImageBeam = 0xD00000u;   // blue

// Every figure shares the axis height, the lens half-height and the rows of the dimensions.
constexpr double kAxisY = 130.0;
constexpr double kHalfHeight = 72.0;
constexpr double kRowTop = 40.0;     // markers that carry their label above
constexpr double kRowBelow = 205.0;  // markers that carry their label below
constexpr double kDimension1 = 220.0;
constexpr double kDimension2 = 245.0;
constexpr double kDimension3 = 270.0;
constexpr double kMirrorCurvature = 300.0;  // drawn radius; flatter than the optical one

// The image of an axial point of a thin lens at lensX: 1/a' = 1/f' + 1/a, a = x - lensX.
double ImageX(double lensX, double focal, double objectX) {
    const double a = objectX - lensX;
    return lensX + 1.0 / (1.0 / focal + 1.0 / a);
}

enum class Anchor { kAbove, kBelow, kLeft, kRight, kAboveRight };

struct Point {
    double x;
    double y;
};

// Draws in the figure's own 600 × 280 units, scaled uniformly into the canvas. Arrowheads,
// gaps and text stay in canvas pixels.
class Sketch {
public:
    explicit Sketch(Canvas& canvas) : m_canvas(canvas) {
        const ScaleRect s = canvas.Scale();
        m_scale = std::min(s.width / kHelpFigureWidth, s.height / kHelpFigureHeight);
        m_left = s.left + (s.width - kHelpFigureWidth * m_scale) / 2.0;
        m_top = s.top + (s.height - kHelpFigureHeight * m_scale) / 2.0;
    }

    double X(double x) const { return m_left + x * m_scale; }
    double Y(double y) const { return m_top + y * m_scale; }

    void Line(double x1, double y1, double x2, double y2, Colour colour = kInk,
              PenStyle style = PenStyle::kSolid, int width = 1) {
        m_canvas.Line(X(x1), Y(y1), X(x2), Y(y2), colour, style, width);
    }

    void Ray(std::initializer_list<Point> points, Colour colour = kRay) {
        const Point* previous = nullptr;
        for (const Point& p : points) {
            if (previous) Line(previous->x, previous->y, p.x, p.y, colour);
            previous = &p;
        }
    }

    // An arrowhead with its tip at (x, y), pointing along (dx, dy) in the figure's units.
    void Head(double x, double y, double dx, double dy, Colour colour, int width = 1) {
        const double length = std::hypot(dx, dy);
        if (length == 0.0) return;
        const double ux = dx / length;
        const double uy = dy / length;
        constexpr double kSize = 8.0;
        constexpr double kSpread = 0.4;  // tan of the half opening angle
        const double tipX = X(x);
        const double tipY = Y(y);
        for (double side : {-1.0, 1.0}) {
            m_canvas.Line(tipX, tipY, tipX - kSize * (ux - side * kSpread * uy),
                          tipY - kSize * (uy + side * kSpread * ux), colour, PenStyle::kSolid,
                          width);
        }
    }

    void Arrow(double x1, double y1, double x2, double y2, Colour colour, int width = 1) {
        Line(x1, y1, x2, y2, colour, PenStyle::kSolid, width);
        Head(x2, y2, x2 - x1, y2 - y1, colour, width);
    }

    void Label(double x, double y, std::string_view text, Anchor anchor, Colour colour = kInk) {
        constexpr double kGap = 3.0;
        const double w = m_canvas.TextWidth(text);
        const double h = m_canvas.TextHeight(text);
        double left = X(x);
        double top = Y(y);
        switch (anchor) {
            case Anchor::kAbove:
                left -= w / 2.0;
                top -= kGap + h;
                break;
            case Anchor::kBelow:
                left -= w / 2.0;
                top += kGap;
                break;
            case Anchor::kLeft:
                left -= kGap + w;
                top -= h / 2.0;
                break;
            case Anchor::kRight:
                left += kGap;
                top -= h / 2.0;
                break;
            case Anchor::kAboveRight:
                left += kGap;
                top -= kGap + h;
                break;
        }
        m_canvas.Text(left, top, text, colour);
    }

    // A length measured from x1 to x2 (the sign convention: from the lens or mirror to the
    // point), its label above the line.
    void Measure(double x1, double x2, double y, std::string_view text) {
        Tick(x1, y);
        Tick(x2, y);
        Arrow(x1, y, x2, y, kDimensionColour);
        Label((x1 + x2) / 2.0, y, text, Anchor::kAbove, kDimensionColour);
    }

    // A span without direction: arrowheads at both ends.
    void Span(double x1, double x2, double y, std::string_view text) {
        Measure(x1, x2, y, text);
        Head(x1, y, x1 - x2, 0.0, kDimensionColour);
    }

    void Axis() {
        Line(8.0, kAxisY, kHelpFigureWidth - 8.0, kAxisY, kAxisColour, PenStyle::kDotted);
    }

    // A vertical dotted marker from the axis to y with its label at the far end.
    void Marker(double x, double y, std::string_view text) {
        Line(x, kAxisY, x, y, kAxisColour, PenStyle::kDotted);
        Label(x, y, text, y < kAxisY ? Anchor::kAbove : Anchor::kBelow);
    }

    // A thin positive lens: a line with arrowheads pointing outwards.
    void Lens(double x) {
        Line(x, kAxisY - kHalfHeight, x, kAxisY + kHalfHeight, kInk, PenStyle::kSolid, 2);
        Head(x, kAxisY - kHalfHeight, 0.0, -1.0, kInk, 2);
        Head(x, kAxisY + kHalfHeight, 0.0, 1.0, kInk, 2);
    }

    // The surface of a concave mirror with its vertex at vertexX, facing the light (-x).
    static double MirrorX(double vertexX, double y) {
        const double h = y - kAxisY;
        return vertexX - h * h / (2.0 * kMirrorCurvature);
    }

    void Mirror(double vertexX) {
        std::vector<PixelPoint> surface;
        for (int i = -12; i <= 12; ++i) {
            const double y = kAxisY + kHalfHeight * i / 12.0;
            surface.push_back({X(MirrorX(vertexX, y)), Y(y)});
        }
        m_canvas.Polyline(surface, kInk, PenStyle::kSolid, 2);
        // Hatching on the back.
        for (int i = -5; i <= 6; ++i) {
            const double y = kAxisY + kHalfHeight * i / 6.0;
            const double x = MirrorX(vertexX, y);
            Line(x + 1.0, y, x + 9.0, y - 9.0, kInk);
        }
    }

    void Outline(const std::vector<Point>& points, Colour colour) {
        std::vector<PixelPoint> pixels;
        pixels.reserve(points.size());
        for (const Point& p : points) pixels.push_back({X(p.x), Y(p.y)});
        m_canvas.Polyline(pixels, colour, PenStyle::kSolid, 1);
    }

    void Tick(double x, double y) { Line(x, y - 5.0, x, y + 5.0, kDimensionColour); }

    // A point on the axis; where rays crowd it, its label hangs `drop` lower on a leader.
    void AxisPoint(double x, std::string_view text, double drop = 0.0) {
        m_canvas.Circle(X(x), Y(kAxisY), 2.5, kInk, true);
        if (drop > 0.0) Line(x, kAxisY, x, kAxisY + drop, kAxisColour, PenStyle::kDotted);
        Label(x, kAxisY + drop, text, Anchor::kBelow);
    }

    // The arc of an angle at (x, y) between the directions a1 and a2 (radians, y downwards),
    // radius in pixels, with its label beyond the arc's middle.
    void Angle(double x, double y, double a1, double a2, double radius, std::string_view text) {
        std::vector<PixelPoint> arc;
        for (int i = 0; i <= 16; ++i) {
            const double a = a1 + (a2 - a1) * i / 16.0;
            arc.push_back({X(x) + radius * std::cos(a), Y(y) + radius * std::sin(a)});
        }
        m_canvas.Polyline(arc, kDimensionColour, PenStyle::kSolid, 1);
        const double mid = (a1 + a2) / 2.0;
        const double w = m_canvas.TextWidth(text);
        const double h = m_canvas.TextHeight(text);
        const double r = radius + 3.0 + std::max(w, h) / 2.0;
        m_canvas.Text(X(x) + r * std::cos(mid) - w / 2.0, Y(y) + r * std::sin(mid) - h / 2.0, text,
                      kDimensionColour);
    }

    // A blur spot on a plane: a thick red stroke of half-height h.
    void Spot(double x, double h) {
        Line(x, kAxisY - h, x, kAxisY + h, kSpotColour, PenStyle::kSolid, 3);
    }

    // The stop radius as an arrow from the axis at x, labelled above its tip.
    void StopRadius(double x, double radius) {
        Arrow(x, kAxisY, x, kAxisY - radius, kDimensionColour);
        Label(x, kAxisY - radius - 4.0, figtexts::kStopRadius, Anchor::kAboveRight,
              kDimensionColour);
    }

    void Title(std::string_view text) { m_canvas.Text(m_left + 4.0, m_top + 2.0, text, kInk); }

private:
    Canvas& m_canvas;
    double m_scale = 1.0;
    double m_left = 0.0;
    double m_top = 0.0;
};

void ConjugatesLens(Sketch& s) {
    constexpr double kLensX = 300.0;
    constexpr double kFocal = 90.0;
    constexpr double kObjectX = 120.0;
    constexpr double kObjectTop = kAxisY - 50.0;
    const double imageX = ImageX(kLensX, kFocal, kObjectX);
    const double imageTop =
        kAxisY + (kObjectTop - kAxisY) * (imageX - kLensX) / (kObjectX - kLensX);
    s.Title(figtexts::kLens);
    s.Axis();
    s.Lens(kLensX);
    s.Ray({{kObjectX, kObjectTop}, {kLensX, kObjectTop}, {imageX, imageTop}});
    s.Ray({{kObjectX, kObjectTop}, {imageX, imageTop}});
    s.Ray({{kObjectX, kObjectTop}, {kLensX, imageTop}, {imageX, imageTop}});
    s.Arrow(kObjectX, kAxisY, kObjectX, kObjectTop, kArrowColour, 2);
    s.Arrow(imageX, kAxisY, imageX, imageTop, kArrowColour, 2);
    s.Label(kObjectX, kObjectTop, figtexts::kObject, Anchor::kAbove);
    s.Label(kObjectX, (kAxisY + kObjectTop) / 2.0, figtexts::kObjectHeight, Anchor::kLeft);
    s.Label(imageX, imageTop, figtexts::kImage, Anchor::kBelow);
    s.Label(imageX, (kAxisY + imageTop) / 2.0, figtexts::kImageHeight, Anchor::kRight);
    s.AxisPoint(kLensX - kFocal, figtexts::kFrontFocus);
    s.AxisPoint(kLensX + kFocal, figtexts::kBackFocus);
    s.Measure(kObjectX, imageX, 26.0, figtexts::kObjectImageDistance);
    s.Measure(kLensX, kLensX + kFocal, kDimension1, figtexts::kFocalLength);
    s.Measure(kLensX, kObjectX, kDimension2, figtexts::kObjectDistance);
    s.Measure(kLensX, imageX, kDimension2, figtexts::kImageDistance);
}

// The mirror figures are not unfolded: the light returns to the left, so the focal point and
// a real image lie in front of the mirror.
void ConjugatesMirror(Sketch& s) {
    constexpr double kMirrorX = 450.0;
    constexpr double kFocal = 90.0;
    constexpr double kObjectX = 150.0;
    constexpr double kObjectTop = kAxisY - 50.0;
    // Reflection turns a' around: the image of an object at distance d lies at d·f/(d - f).
    const double d = kMirrorX - kObjectX;
    const double imageX = kMirrorX - d * kFocal / (d - kFocal);
    const double imageTop = kAxisY - (kObjectTop - kAxisY) * (kMirrorX - imageX) / d;
    s.Title(figtexts::kMirror);
    s.Axis();
    s.Mirror(kMirrorX);
    s.Ray({{kObjectX, kObjectTop},
           {Sketch::MirrorX(kMirrorX, kObjectTop), kObjectTop},
           {imageX, imageTop}});
    s.Ray({{kObjectX, kObjectTop}, {kMirrorX, kAxisY}, {imageX, imageTop}});
    s.Ray({{kObjectX, kObjectTop},
           {Sketch::MirrorX(kMirrorX, imageTop), imageTop},
           {imageX, imageTop}});
    s.Arrow(kObjectX, kAxisY, kObjectX, kObjectTop, kArrowColour, 2);
    s.Arrow(imageX, kAxisY, imageX, imageTop, kArrowColour, 2);
    s.Label(kObjectX, kObjectTop, figtexts::kObject, Anchor::kAbove);
    s.Label(kObjectX, (kAxisY + kObjectTop) / 2.0, figtexts::kObjectHeight, Anchor::kLeft);
    s.Label(imageX, imageTop, figtexts::kImage, Anchor::kBelow);
    s.Label(imageX, (kAxisY + imageTop) / 2.0, figtexts::kImageHeight, Anchor::kLeft);
    s.AxisPoint(kMirrorX - kFocal, figtexts::kMirrorFocus, 45.0);
    s.Measure(kMirrorX, kMirrorX - kFocal, kDimension1, figtexts::kFocalLength);
    s.Measure(kMirrorX, imageX, kDimension2, figtexts::kImageDistance);
    s.Measure(kMirrorX, kObjectX, kDimension3, figtexts::kObjectDistance);
}

void ApertureTexts(Sketch& s) {
    s.Label(300.0, kDimension2 + 4.0, figtexts::kFNumber, Anchor::kAbove);
    s.Label(300.0, kDimension3 + 4.0, figtexts::kAiry, Anchor::kAbove);
}

void ApertureLens(Sketch& s) {
    constexpr double kLensX = 300.0;
    constexpr double kObjectX = 110.0;
    constexpr double kImageX = 490.0;
    constexpr double kRadius = 60.0;
    s.Title(figtexts::kLens);
    s.Axis();
    s.Lens(kLensX);
    s.Ray({{kObjectX, kAxisY}, {kLensX, kAxisY - kRadius}, {kImageX, kAxisY}});
    s.Ray({{kObjectX, kAxisY}, {kLensX, kAxisY + kRadius}, {kImageX, kAxisY}});
    s.StopRadius(kLensX + 12.0, kRadius);
    const double slope = std::atan2(kRadius, kLensX - kObjectX);
    s.Angle(kObjectX, kAxisY, -slope, 0.0, 40.0, figtexts::kObjectAngle);
    const double slopeImage = std::atan2(kRadius, kImageX - kLensX);
    s.Angle(kImageX, kAxisY, -3.14159265358979 + slopeImage, -3.14159265358979, 40.0,
            figtexts::kImageAngle);
    s.AxisPoint(kObjectX, figtexts::kObjectPoint);
    s.AxisPoint(kImageX, figtexts::kImagePoint);
    s.Label(kObjectX + 40.0, kDimension1, figtexts::kObjectNA, Anchor::kAbove);
    s.Label(kImageX - 40.0, kDimension1, figtexts::kImageNA, Anchor::kAbove);
    ApertureTexts(s);
}

void ApertureMirror(Sketch& s) {
    constexpr double kMirrorX = 450.0;
    constexpr double kFocal = 90.0;
    constexpr double kObjectX = 130.0;
    constexpr double kRadius = 60.0;
    const double d = kMirrorX - kObjectX;
    const double imageX = kMirrorX - d * kFocal / (d - kFocal);
    s.Title(figtexts::kMirror);
    s.Axis();
    s.Mirror(kMirrorX);
    for (double side : {-1.0, 1.0}) {
        const double y = kAxisY + side * kRadius;
        s.Ray({{kObjectX, kAxisY}, {Sketch::MirrorX(kMirrorX, y), y}, {imageX, kAxisY}});
    }
    s.StopRadius(kMirrorX + 20.0, kRadius);
    const double slope = std::atan2(kRadius, kMirrorX - kObjectX);
    s.Angle(kObjectX, kAxisY, -slope, 0.0, 50.0, figtexts::kObjectAngle);
    const double slopeImage = std::atan2(kRadius, kMirrorX - imageX);
    s.Angle(imageX, kAxisY, slopeImage, 0.0, 40.0, figtexts::kImageAngle);
    s.AxisPoint(kObjectX, figtexts::kObjectPoint);
    s.AxisPoint(imageX, figtexts::kImagePoint);
    s.Label(kObjectX + 10.0, kDimension1, figtexts::kObjectNA, Anchor::kAbove);
    s.Label(imageX + 20.0, kDimension1, figtexts::kImageNA, Anchor::kAbove);
    ApertureTexts(s);
}

void CardinalPointsLens(Sketch& s) {
    constexpr double kP = 285.0;
    constexpr double kPPrime = 315.0;
    constexpr double kFocal = 95.0;
    constexpr double kInHeight = kAxisY - 45.0;
    s.Title(figtexts::kLens);
    s.Axis();
    // A thick biconvex lens around the principal planes.
    std::vector<Point> outline;
    for (int side : {-1, 1}) {
        for (int i = 0; i <= 24; ++i) {
            const double t = side < 0 ? i / 12.0 - 1.0 : 1.0 - i / 12.0;
            const double bulge = 22.0 * (1.0 - t * t);
            outline.push_back({side < 0 ? 272.0 - bulge : 328.0 + bulge, kAxisY + t * kHalfHeight});
        }
    }
    outline.push_back(outline.front());
    s.Outline(outline, kInk);
    s.Line(kP, kAxisY - kHalfHeight - 8.0, kP, kAxisY + kHalfHeight + 8.0, kInk, PenStyle::kDotted);
    s.Line(kPPrime, kAxisY - kHalfHeight - 8.0, kPPrime, kAxisY + kHalfHeight + 8.0, kInk,
           PenStyle::kDotted);
    // A ray parallel to the axis leaves the second principal plane at the same height towards F'.
    const double fPrimeX = kPPrime + kFocal;
    const double outEnd = 540.0;
    s.Ray({{30.0, kInHeight},
           {kPPrime, kInHeight},
           {outEnd, kAxisY + (kAxisY - kInHeight) * (outEnd - fPrimeX) / kFocal}});
    // A ray through F leaves parallel to the axis.
    const double fX = kP - kFocal;
    const double outHeight = kAxisY + 45.0;
    s.Ray({{fX - (kP - fX) * 0.9, kAxisY - 45.0 * 0.9}, {kP, outHeight}, {outEnd, outHeight}},
          kSecondRay);
    s.Label(kP, kAxisY - kHalfHeight - 8.0, figtexts::kFirstPrincipal, Anchor::kAbove);
    s.Label(kPPrime, kAxisY - kHalfHeight - 8.0, figtexts::kSecondPrincipal, Anchor::kAbove);
    s.AxisPoint(fX, figtexts::kFrontFocus);
    s.AxisPoint(fPrimeX, figtexts::kBackFocus);
    s.Span(kP, kPPrime, 26.0, figtexts::kPrincipalSeparation);
    s.Measure(kP, fX, kDimension1, figtexts::kFrontFocalLength);
    s.Measure(kPPrime, fPrimeX, kDimension1, figtexts::kFocalLength);
    s.Label(300.0, kDimension3 + 4.0, figtexts::kNodalNote, Anchor::kAbove);
}

void CardinalPointsMirror(Sketch& s) {
    constexpr double kMirrorX = 450.0;
    constexpr double kFocal = 90.0;
    constexpr double kInHeight = kAxisY - 45.0;
    const double centreX = kMirrorX - 2.0 * kFocal;
    s.Title(figtexts::kMirror);
    s.Axis();
    s.Mirror(kMirrorX);
    const double hitX = Sketch::MirrorX(kMirrorX, kInHeight);
    const double endX = 300.0;
    s.Ray(
        {{30.0, kInHeight},
         {hitX, kInHeight},
         {endX, kInHeight + (kAxisY - kInHeight) * (hitX - endX) / (hitX - (kMirrorX - kFocal))}});
    // A ray through the centre of curvature meets the mirror square on and returns on itself.
    const double startX = 60.0;
    const double slope = 0.17;
    const double backY = kAxisY + slope * (kMirrorX - centreX);
    s.Ray(
        {{startX, kAxisY - slope * (centreX - startX)}, {Sketch::MirrorX(kMirrorX, backY), backY}},
        kSecondRay);
    s.Label(kMirrorX, kAxisY - kHalfHeight - 4.0, figtexts::kMirrorPrincipal, Anchor::kAbove);
    s.AxisPoint(kMirrorX - kFocal, figtexts::kMirrorFocus, 36.0);
    s.AxisPoint(centreX, figtexts::kMirrorNodal, 22.0);
    s.Measure(kMirrorX, kMirrorX - kFocal, kDimension1, figtexts::kFocalLength);
    s.Measure(kMirrorX, centreX, kDimension2, figtexts::kMirrorRadius);
    s.Label(300.0, kDimension3 + 4.0, figtexts::kMirrorNodalNote, Anchor::kAbove);
}

constexpr double kFromInfinity = -1.0;

// Rays from an axial point (or parallel, from kFromInfinity) through the lens rim to its
// image, drawn on to endX.
void Cone(Sketch& s, double fromX, double lensX, double imageX, double endX, Colour colour) {
    for (double side : {-1.0, 1.0}) {
        const double rim = kAxisY + side * kHalfHeight;
        const double endY = rim + (kAxisY - rim) * (endX - lensX) / (imageX - lensX);
        if (fromX == kFromInfinity) {
            s.Ray({{8.0, rim}, {lensX, rim}, {endX, endY}}, colour);
        } else {
            s.Ray({{fromX, kAxisY}, {lensX, rim}, {endX, endY}}, colour);
        }
    }
}

// Half-height of a cone from the lens rim to its apex, at x.
double ConeHalf(double lensX, double apexX, double x) {
    return kHalfHeight * std::fabs(apexX - x) / (apexX - lensX);
}

void DepthOfField(Sketch& s) {
    constexpr double kLensX = 320.0;
    constexpr double kFocal = 80.0;
    constexpr double kFocusX = 120.0;
    constexpr double kNearX = 160.0;
    const double imagePlane = ImageX(kLensX, kFocal, kFocusX);
    const double nearImage = ImageX(kLensX, kFocal, kNearX);
    // The far point whose blur on the image plane equals the near point's.
    const double blur = ConeHalf(kLensX, nearImage, imagePlane);
    const double farImage = imagePlane - blur * (imagePlane - kLensX) / (kHalfHeight + blur);
    const double farX = kLensX + 1.0 / (1.0 / (farImage - kLensX) - 1.0 / kFocal);
    s.Axis();
    s.Lens(kLensX);
    Cone(s, farX, kLensX, farImage, nearImage + 12.0, kSecondRay);
    Cone(s, kNearX, kLensX, nearImage, nearImage + 12.0, kRay);
    s.Line(imagePlane, kRowTop + 18.0, imagePlane, kRowBelow, kAxisColour, PenStyle::kDotted);
    s.Spot(imagePlane, blur);
    s.Label(imagePlane, kRowTop + 18.0, figtexts::kCircleOfConfusion, Anchor::kAbove);
    s.Label(imagePlane, kRowBelow, figtexts::kImagePlane, Anchor::kBelow);
    s.Marker(farX, kRowTop, figtexts::kFarPoint);
    s.Marker(kNearX, kRowTop, figtexts::kNearPoint);
    s.Marker(kFocusX, kRowBelow, figtexts::kFocusPlane);
    s.Span(farX, kNearX, kDimension3, figtexts::kDepthOfField);
}

void DepthOfFocus(Sketch& s) {
    constexpr double kLensX = 240.0;
    constexpr double kFocal = 80.0;
    constexpr double kObjectX = 50.0;
    constexpr double kHalfDepth = 45.0;
    const double imageX = ImageX(kLensX, kFocal, kObjectX);
    s.Axis();
    s.Lens(kLensX);
    Cone(s, kObjectX, kLensX, imageX, imageX + kHalfDepth + 50.0, kRay);
    for (double plane : {imageX - kHalfDepth, imageX + kHalfDepth}) {
        s.Line(plane, kRowTop + 18.0, plane, kRowBelow, kAxisColour, PenStyle::kDotted);
        s.Spot(plane, ConeHalf(kLensX, imageX, plane));
    }
    s.Label(imageX, kRowBelow, figtexts::kCircleOfConfusion, Anchor::kBelow);
    s.Marker(imageX, kRowTop, figtexts::kImagePointName);
    s.Line(kObjectX, kAxisY, kObjectX, kAxisY + 30.0, kAxisColour, PenStyle::kDotted);
    s.Label(kObjectX, kAxisY + 30.0, figtexts::kObjectPointName, Anchor::kBelow);
    s.Span(imageX - kHalfDepth, imageX + kHalfDepth, kDimension3, figtexts::kDepthOfFocus);
}

// Focused at the fixed-focus (hyperfocal) distance, the blur of an object at infinity on the
// image plane equals the chosen circle of confusion; the near point lies at half the distance.
void Hyperfocal(Sketch& s) {
    constexpr double kLensX = 380.0;
    constexpr double kFocal = 60.0;
    constexpr double kFocusX = 140.0;
    const double nearX = (kLensX + kFocusX) / 2.0;
    const double imagePlane = ImageX(kLensX, kFocal, kFocusX);
    const double nearImage = ImageX(kLensX, kFocal, nearX);
    s.Axis();
    s.Lens(kLensX);
    Cone(s, kFromInfinity, kLensX, kLensX + kFocal, nearImage + 10.0, kSecondRay);
    Cone(s, nearX, kLensX, nearImage, nearImage + 10.0, kRay);
    s.Line(imagePlane, kRowTop + 18.0, imagePlane, kRowBelow, kAxisColour, PenStyle::kDotted);
    s.Spot(imagePlane, ConeHalf(kLensX, nearImage, imagePlane));
    s.Label(imagePlane, kRowTop + 18.0, figtexts::kCircleOfConfusion, Anchor::kAbove);
    s.Label(imagePlane, kRowBelow, figtexts::kImagePlane, Anchor::kBelow);
    s.Marker(kFocusX, kRowTop, figtexts::kFocusPlane);
    s.Marker(nearX, kRowTop, figtexts::kNearPoint);
    s.Measure(kLensX, nearX, kDimension1, figtexts::kHalfFixedFocus);
    s.Measure(kLensX, kFocusX, kDimension2, figtexts::kFixedFocus);
    s.Measure(nearX, 12.0, kDimension3, figtexts::kToInfinity);
}

// The beam radius w(z) = r·√(1 + (z/zr)²) above and below the axis from x1 to x2, for a waist
// at waistX.
void Envelope(Sketch& s, double waistX, double r, double zr, double x1, double x2, Colour colour) {
    for (double side : {-1.0, 1.0}) {
        std::vector<Point> points;
        for (int i = 0; i <= 40; ++i) {
            const double x = x1 + (x2 - x1) * i / 40.0;
            const double z = (x - waistX) / zr;
            points.push_back({x, kAxisY + side * r * std::sqrt(1.0 + z * z)});
        }
        s.Outline(points, colour);
    }
}

// The waist radius, the far-field angle between the axis and the asymptote on to toX, and the
// Rayleigh length of one side.
void Waist(Sketch& s, double x, double r, double zr, double toX, Colour colour,
           std::string_view radius, std::string_view angle, std::string_view rayleigh) {
    s.Arrow(x, kAxisY, x, kAxisY - r, colour);
    s.Label(x, kAxisY - r / 2.0, radius, Anchor::kLeft, colour);
    const double slope = r / zr;
    s.Line(x, kAxisY, toX, kAxisY - slope * (toX - x), kDimensionColour, PenStyle::kDotted);
    s.Angle(x, kAxisY, -std::atan(slope), 0.0, 45.0, angle);
    s.Measure(x, x + zr, 75.0, rayleigh);
}

// The lens takes the object waist to the image waist; the figure's own units stand for
// millimetres with a wavelength that makes the beam wide enough to see. The image side
// follows from the beam parameter q = z + i·zr, which the lens maps by 1/q' = 1/q − 1/f'.
void GaussianBeamFigure(Sketch& s) {
    constexpr double kLensX = 330.0;
    constexpr double kFocal = 100.0;
    constexpr double kWaistX = 110.0;
    constexpr double kRadius = 18.0;
    constexpr double kRayleigh = 70.0;
    const std::complex<double> q(kLensX - kWaistX, kRayleigh);
    const std::complex<double> image = 1.0 / (1.0 / q - 1.0 / kFocal);
    const double imageX = kLensX - image.real();
    const double imageRayleigh = image.imag();
    const double imageRadius = kRadius * std::sqrt(imageRayleigh / kRayleigh);
    s.Axis();
    s.Lens(kLensX);
    Envelope(s, kWaistX, kRadius, kRayleigh, 20.0, kLensX, kObjectBeam);
    Envelope(s, imageX, imageRadius, imageRayleigh, kLensX, 580.0, kImageBeam);
    Waist(s, kWaistX, kRadius, kRayleigh, kLensX - 30.0, kObjectBeam, figtexts::kWaistRadius,
          figtexts::kDivergence, figtexts::kRayleigh);
    Waist(s, imageX, imageRadius, imageRayleigh, 580.0, kImageBeam, figtexts::kImageWaistRadius,
          figtexts::kImageDivergence, figtexts::kImageRayleigh);
    s.Marker(kWaistX, kRowTop, figtexts::kObjectWaist);
    s.Marker(imageX, kRowTop, figtexts::kImageWaist);
    s.Measure(kWaistX, kLensX, kDimension1, figtexts::kWaistDistance);
    s.Measure(kLensX, imageX, kDimension1, figtexts::kImageWaistDistance);
    s.Measure(kLensX, kLensX + kFocal, kDimension2, figtexts::kFocalLength);
}

}  // namespace

std::string_view HelpFigureCaption(HelpFigure figure) {
    switch (figure) {
        case HelpFigure::kDepthOfField:
            return "Ein Objektpunkt zwischen Fernpunkt und Nahpunkt wird auf der Bildebene als "
                   "Fleck abgebildet, der nicht größer als der Unschärfekreis ist. Dieser "
                   "Bereich vor dem System ist die Schärfentiefe.";
        case HelpFigure::kDepthOfFocus:
            return "Die Bildebene kann innerhalb der Abbildungstiefe verschoben werden, ohne dass "
                   "der Fleck des Objektpunkts größer als der Unschärfekreis wird.";
        case HelpFigure::kHyperfocal:
            return "Ist das System auf die Fixfokusentfernung eingestellt, bildet es ein Objekt "
                   "im Unendlichen gerade noch mit dem Unschärfekreis ab: Die Schärfentiefe "
                   "reicht von der halben Fixfokusentfernung bis unendlich.";
        case HelpFigure::kGaussianBeam:
            return "Ein Gaußstrahl wird durch seine Taille beschrieben: den Taillenradius r, bei "
                   "dem die Intensität auf 1/e² abgefallen ist, die Divergenz w (halber "
                   "Öffnungswinkel im Fernfeld) und die Rayleighlänge zr, in der der Strahlradius "
                   "auf das √2-fache wächst. Die Linse bildet die Objekttaille im Abstand s auf "
                   "die Bildtaille im Abstand s' ab; mit zr gegen 0 gilt wieder die paraxiale "
                   "Abbildung.";
        default:
            return {};
    }
}

void DrawHelpFigure(Canvas& canvas, HelpFigure figure) {
    canvas.Clear();
    Sketch s(canvas);
    switch (figure) {
        case HelpFigure::kConjugatesLens:
            ConjugatesLens(s);
            break;
        case HelpFigure::kConjugatesMirror:
            ConjugatesMirror(s);
            break;
        case HelpFigure::kApertureLens:
            ApertureLens(s);
            break;
        case HelpFigure::kApertureMirror:
            ApertureMirror(s);
            break;
        case HelpFigure::kCardinalPointsLens:
            CardinalPointsLens(s);
            break;
        case HelpFigure::kCardinalPointsMirror:
            CardinalPointsMirror(s);
            break;
        case HelpFigure::kDepthOfField:
            DepthOfField(s);
            break;
        case HelpFigure::kDepthOfFocus:
            DepthOfFocus(s);
            break;
        case HelpFigure::kHyperfocal:
            Hyperfocal(s);
            break;
        case HelpFigure::kGaussianBeam:
            GaussianBeamFigure(s);
            break;
    }
}

}  // namespace lumarik
