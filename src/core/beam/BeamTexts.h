// The German texts of the beam mode that the core hands to the window: selection refusals,
// listing rows, depth-of-focus and minimum-spot lines, lens-table headers, laser-diode captions.
#pragma once

#include <string_view>

namespace lumarik::beamtexts {

// Selection refusals (the last keeps its trailing blank).
inline constexpr std::string_view kOneBeamPerSide =
    "Nur ein Strahlparameter im Objekt- und Bildraum kann unabhängig sein!";
inline constexpr std::string_view kNeedBeamOption =
    "Sie müssen mindestens eine Strahloption wählen!";
inline constexpr std::string_view kInconsistentMagnification =
    "Unmögliche Kombination; ergibt nahezu immer einen nicht konsistenten Wert für die "
    "Vergrößerung! ";

// Refusals of impossible input: the value or option stays as it was.
inline constexpr std::string_view kM2Range =
    "M² muss mindestens 1 und kleiner als 50 sein: kein Strahl ist schmaler als der gaußsche! ";
inline constexpr std::string_view kDivergenceRange =
    "Die Divergenz (halber Winkel) muss größer als 0 und kleiner als 1570,8mrad (π/2) sein! ";
inline constexpr std::string_view kDistanceRange =
    "Der Abstand muss größer als 0 und höchstens 100000mm sein! ";
inline constexpr std::string_view kSizeRange =
    "Der Wert muss größer als 0 und höchstens 100000mm sein! ";
inline constexpr std::string_view kApertureRange =
    "Der Radius muss zwischen 0 (keine Angabe) und 100000mm liegen! ";
inline constexpr std::string_view kWouldUnsolve =
    "Mit diesem Wert hätte das System keine Lösung mehr. Der Wert bleibt unverändert! ";
inline constexpr std::string_view kNotANumber = "Die Eingabe ist keine Zahl! ";

// Beyond the paraxial regime (a warning row of the listing).
inline constexpr std::string_view kNotParaxialName = "Achtung: nicht paraxial";
inline constexpr std::string_view kNotParaxialDivergence = " Divergenz > 0,1 rad";
inline constexpr std::string_view kNotParaxialRadius = " Strahlradius [Linse] > |f'|/4";

// Transmitted power (extra information and report).
inline constexpr std::string_view kTransmissionLens = "Leistung durch die Linsenöffnung: ";
inline constexpr std::string_view kTransmissionDetector = "Leistung auf dem Detektor: ";
inline constexpr std::string_view kClipped = "Achtung: der Strahl wird beschnitten (< 99 %)";
// Below this share the aperture clips the beam noticeably.
inline constexpr double kClippedBelow = 0.99;

// Listing.
inline constexpr std::string_view kMultimode = "Multimode: M²";
inline constexpr std::string_view kSingleMode = "Grundmode";
inline constexpr std::string_view kEmptyRow = "  ";
inline constexpr std::string_view kMirrorRadius = "Spiegelradius ";
inline constexpr std::string_view kConvex = "    [Konvex]";
inline constexpr std::string_view kConcave = "    [Konkav]";
inline constexpr std::string_view kInfinite = " unendlich";
inline constexpr std::string_view kDetectorOff = "---";

// Extra-information tab.
inline constexpr std::string_view kCurrentRadius = "aktueller Radius: ";
inline constexpr std::string_view kRequiredDistance = "geforderter Abstand ";
inline constexpr std::string_view kMinimumRadius = "minimaler Radius ";
inline constexpr std::string_view kLineBreak = "\r\n";
inline constexpr std::string_view kDofRayleighSuffix = "   [zr']";

inline constexpr std::string_view kLensHeader[3] = {"Komponente", " EFL ", "  T  "};
inline constexpr std::string_view kCylinderHeader[3] = {"Zylinder 1", " Zylinder 2 ", "  EFL's "};

// Laser diode.
inline constexpr std::string_view kCollimationModes[2] = {"minimale Strahldivergenz",
                                                          "maximaler Strahltaillenabstand"};
inline constexpr std::string_view kCaptionBeam = "   Berechnung von Gaußschen Strahlen";
inline constexpr std::string_view kCaptionDiode = " Diode";
inline constexpr std::string_view kCaptionCircularised[2] = {
    " [zirkularisiert - min Divergenz]", " [zirkularisiert - max Taillenabstand]"};

}  // namespace lumarik::beamtexts
