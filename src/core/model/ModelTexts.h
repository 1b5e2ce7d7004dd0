// The German texts that the first-order model hands to the window: the refusals of a parameter
// selection, the captions of the virtual/invalid labels, the fixed texts of the results listing
// and of the depth-of-field list, and the internal diagnostics of the collections.
#pragma once

#include <array>
#include <string_view>

namespace lumarik::texts {

// Selection refusals; each keeps its trailing blank.
inline constexpr std::string_view kAnglesDependent =
    "Objekt- und Bildwinkel können nicht unabhängig voneinander definiert werden! ";
inline constexpr std::string_view kNeedField = "Sie müssen mindestens eine Feld-Option wählen! ";
inline constexpr std::string_view kNeedDistance = "Sie müssen ein oder zwei Abstände wählen! ";
inline constexpr std::string_view kInconsistentMagnification =
    "Unmögliche Kombination; ergibt nahezu immer einen nicht konsistenten Wert für die "
    "Vergrößerung! ";
inline constexpr std::string_view kInconsistentObjectDistance =
    "Unmögliche Kombination; ergibt nahezu immer einen nicht konsistenten Wert für die "
    "Objektweite! ";
inline constexpr std::string_view kInconsistentImageDistance =
    "Unmögliche Kombination; ergibt nahezu immer einen nicht konsistenten Wert für die "
    "Bildweite! ";

// Result labels.
inline constexpr std::string_view kNoSolution = "Zu diesem Parameter-Satz gibt es keine Lösungen.";
inline constexpr std::string_view kImageAtInfinity = "Bild im Unendlichen";
inline constexpr std::string_view kVirtualImage = "Virtuelles Bild";
inline constexpr std::string_view kVirtualObjectImageAtInfinity =
    "Virtuelles Objekt - Bild im Unendlichen";
inline constexpr std::string_view kVirtualObject = "Virtuelles Objekt";
inline constexpr std::string_view kVirtualObjectAndImage = "Virtuelles Objekt/Bild";

// Results listing: row names that are not catalogue labels, and fixed value texts. The blanks
// keep values and brackets in line in the list.
inline constexpr std::string_view kMirrorRadius = "Spiegelradius";
inline constexpr std::string_view kConvex = "    [Konvex]";
inline constexpr std::string_view kConcave = "    [Konkav]";
inline constexpr std::string_view kFirstNodalPoint = "Knotenpunkt 1 ";
inline constexpr std::string_view kSecondNodalPoint = "Knotenpunkt 2 ";
inline constexpr std::string_view kEffectiveFNumber = "Blendenzahl effektiv";
inline constexpr std::string_view kMtfCutOff = "MTF-Grenzfrequenz";
inline constexpr std::string_view kFillerName = "    ---";
inline constexpr std::string_view kFillerValue = " ";
inline constexpr std::string_view kApproximationNote = "(Näherung)";
inline constexpr std::string_view kLastFiller = "  ";
inline constexpr std::string_view kPlaceholder = "    ----";
inline constexpr std::string_view kNoSolutionPlaceholder = " ";
inline constexpr std::string_view kNoValue = " ---";
inline constexpr std::string_view kAtInfinity = " In Unendlich";
inline constexpr std::string_view kZeroMagnification = " Null";
inline constexpr std::string_view kInfiniteObjectDistance = "unendlich";
inline constexpr std::string_view kVirtualMark = "     [Virtuell]";
inline constexpr std::string_view kFNumberOutOfRange = "----";
// Marks the values that hold only within the paraxial approximation.
inline constexpr std::string_view kApproximationMark = "*";
inline constexpr std::string_view kMtfUnit = "lp/mm*";

// Depth of field.
inline constexpr std::string_view kDofTitle = "Schärfentiefeauswertung";
inline constexpr std::string_view kCofCFrame = "Unschärfekreis";
inline constexpr std::string_view kCofCCustomCaption = "Benutzerdefiniert";
inline constexpr std::string_view kCofCAiryCaption = "kleinster physikalisch moeglicher Wert";
inline constexpr std::array<std::string_view, 6> kDofRowNames = {
    "Unschärfekreis", "Abbildungstiefe", "Schärfentiefe/Objekt",
    "Nahpunkt",       "Fernpunkt",       "Fixfokusentfernung"};
inline constexpr std::string_view kDofNoValue = "  ---";
inline constexpr std::string_view kDofNeedsAperture = "Apertur muss groesser Null sein";
inline constexpr std::string_view kDofError = "Fehler in Schärfentiefeberechnung";
inline constexpr std::string_view kDofImageAtInfinity = "Keine Schärfentiefe: Bild im Unendlichen";
inline constexpr std::string_view kDofVirtualObject =
    "Schärfentiefe nur für reelle Objekte definiert";
inline constexpr std::string_view kDofVirtualImage =
    "Schärfentiefe nur für reelle Bilder definiert";
inline constexpr std::string_view kDofBelowAiry =
    "Der gewählte geometrische Unschärfekreis ist kleiner als der theoretisch mögliche "
    "beugungsbegrenzte Spotdurchmesser (Airy-Durchmesser)";

// Collection diagnostics (internal; shown in a plain message box).
inline constexpr std::string_view kBadAdd = "Bad Add:";
inline constexpr std::string_view kBadDel = "BadDel";
inline constexpr std::string_view kBadLimit = "Bad Limit";
inline constexpr std::string_view kBadHiLimitDef = "Bad Hi Limit Def";
inline constexpr std::string_view kBadLowLimitDef = "Bad Low Limit Def";
inline constexpr std::string_view kBadValueDef = "Bad Value Def";
inline constexpr std::string_view kBadValue = "BadValue as no type defined";
inline constexpr std::string_view kBadType = "Bad Type:";
inline constexpr std::string_view kBadItem = "Bad Item:";

}  // namespace lumarik::texts
