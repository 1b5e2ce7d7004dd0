// The German texts that the first-order model hands to the window: the refusals of a parameter
// selection, the captions of the virtual/invalid labels, and the internal diagnostics of the
// collections.
#pragma once

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
