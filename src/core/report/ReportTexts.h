// The German texts of the printed lens/mirror and beam reports: the refusals, the header, the
// section headings, the captions of the advanced options and the markers of the focal length.
#pragma once

#include <array>
#include <string_view>

namespace lumarik::texts {

// Refusals; each keeps its trailing blank.
inline constexpr std::string_view kReportNeedsParameters =
    "Sie haben noch nicht alle Parameter ausgewählt! ";
inline constexpr std::string_view kReportNeedsValues =
    "Sie haben noch nicht für alle Parameter Werte eingetragen! ";

inline constexpr std::string_view kReportMaker = "Vendrel";
inline constexpr std::string_view kReportParaxial = " paraxiale Berechnung";
inline constexpr std::string_view kReportFooterPrefix = "Erstellt mit ";

inline constexpr std::string_view kReportUserVariables = "Benutzerdefinierte Variablen";
inline constexpr std::string_view kReportSystemLens = "Systemdefinition: Linse";
inline constexpr std::string_view kReportSystemMirror = "Systemdefinition: Spiegel";
inline constexpr std::string_view kReportAdvancedOptions = "Erweiterte Optionen";
inline constexpr std::string_view kReportDepthOfField = "Schärfentiefe";

// The beam report.
inline constexpr std::string_view kReportBeam = " Gaußstrahl";
inline constexpr std::string_view kReportDiode = "Diodenlaser [rechteckiger Strahl]";
inline constexpr std::string_view kReportBeamSystem = "Systemdefinition: ";
inline constexpr std::string_view kReportBeamSystemM2 =
    "Systemdefinition [Multimode-Ergebnisse] M²: ";
inline constexpr std::string_view kReportParaxialImage = "[paraxiale Bildweite";
inline constexpr std::string_view kReportWavelength = "Wellenlänge:";
// With M² in use a radius or divergence is typed single-mode and shown scaled.
inline constexpr std::string_view kReportTyped = " [eingegeben]";
inline constexpr std::string_view kReportShownM2 = " [M²]";
inline constexpr std::string_view kReportDetectorDistance = "Detektorabstand [hinter P']:  ";
inline constexpr std::string_view kReportDepthOfFocus = "Schärfentiefe [Zuwachs ";
inline constexpr std::string_view kReportRoot = "Lösung:  ";
inline constexpr std::string_view kReportClipped = "  [beschnitten]";
inline constexpr std::string_view kReportRootFirst = " erste Lösung";
inline constexpr std::string_view kReportRootAlt = " alternative Lösung";

inline constexpr std::string_view kReportObjectAtInfinity = " Unendlich";
inline constexpr std::string_view kReportPositive = "    [Positiv]";
inline constexpr std::string_view kReportNegative = "    [Negativ]";

// The captions of the advanced options as the options page shows them; the object-space
// index of a mirror is also the image-space index.
inline constexpr std::array<std::string_view, 4> kReportAdvancedLens = {
    "Entfernung zwischen den Hauptebenen:", "Brechungsindex im Objektraum",
    "Brechungsindex im Bildraum:", "Wellenlänge [für Beugungsbetrachtung]"};
inline constexpr std::string_view kReportIndexMirror = "Brechungsindex im Objekt-/Bildraum";

}  // namespace lumarik::texts
