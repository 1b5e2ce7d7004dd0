// The German texts of the value entry: the questions that correct a typed value and the
// refusals of the limit boxes.
#pragma once

#include <string_view>

namespace lumarik::entrytexts {

inline constexpr std::string_view kUpperBelowLower =
    "Oberer Grenzwert muß größer als unterer Grenzwert sein!";
inline constexpr std::string_view kUpperBelowValue =
    "Oberer Grenzwert muß größer als aktueller Wert sein!";
inline constexpr std::string_view kLowerAboveUpper =
    "Unterer Grenzwert muß kleiner als Oberer Grenzwert sein! ";
inline constexpr std::string_view kLowerAboveValue =
    "Unterer Grenzwert muß kleiner als aktueller Wert sein! ";

inline constexpr std::string_view kRealObjectNegative =
    "Entsprechend der üblichen Vorzeichenkonvention ist der Abstand eines realen Objekts "
    "negativ! \n\n";
inline constexpr std::string_view kRealObjectLimitNegative =
    "Entsprechend der üblichen Vorzeichenkonvention ist der Abstand eines realen Objekts "
    "negativ. Deshalb muss der Grenzwert ebenfalls negativ sein! \n\n";
inline constexpr std::string_view kObjectDistanceTitle = "Entfernung Objekt-erste Linsenfläche";

inline constexpr std::string_view kApertureTitle = "Aperturwerte";
inline constexpr std::string_view kFNumberPositive =
    "Die Blendenzahl ist immer positiv [gewöhnlich > 1]\n\n";
inline constexpr std::string_view kApertureValuePositive = " Aperturwerte müssen positiv sein!\n\n";
inline constexpr std::string_view kFNumberAboveOne = "Blendenzahl ist immer größer als 1! \n\n";
inline constexpr std::string_view kApertureLowerPositive = "Aperturwerte müssen positiv sein!\n\n";
inline constexpr std::string_view kNABelowIndex =
    "Die numerische Apertur muss kleiner als die Brechzahl sein!\n\n";
// A limit of a numerical aperture stays below the ceiling 0.99·index, so that the slider never
// reaches sin u = 1.
inline constexpr std::string_view kNALimitCeiling =
    "Ein Grenzwert der numerischen Apertur darf höchstens das 0,99fache der Brechzahl "
    "betragen!\n\n";

// A value whose circularisation coupling would give another lens than the user chose:
// kCoupledValue, the coupled row's symbol, " = " and its value, then the reason.
inline constexpr std::string_view kCoupledValue =
    "Dieser Wert ergäbe über die Kopplung der Zirkularisierung ";
inline constexpr std::string_view kCoupledFocalTurned =
    ": eine Linse mit umgekehrtem Vorzeichen. Der Wert bleibt unverändert!";
inline constexpr std::string_view kCoupledOutsideLimits = ", außerhalb seiner Grenzwerte ";
inline constexpr std::string_view kCoupledKept = ". Der Wert bleibt unverändert!";

// A drag that made the dragged quantity a chosen one: kDragChose, the dragged symbol,
// kDragInsteadOf, the replaced symbol, kDragComputed, the replaced symbol again, kDragUndo.
inline constexpr std::string_view kDragChose = "Durch das Ziehen ist jetzt ";
inline constexpr std::string_view kDragInsteadOf = " gewählt statt ";
inline constexpr std::string_view kDragComputed = "; ";
inline constexpr std::string_view kDragUndo =
    " wird nun berechnet. 'Rückgängig' stellt die vorige Auswahl wieder her.";

// A typed number that may mean two: „1.400“ kann 1,4 oder 1400 bedeuten.
inline constexpr std::string_view kAmbiguousTitle = "Zahl eindeutig machen";
inline constexpr std::string_view kAmbiguousOpen = "„";
inline constexpr std::string_view kAmbiguousMayMean = "“ kann ";
inline constexpr std::string_view kAmbiguousOr = " oder ";
inline constexpr std::string_view kAmbiguousEnd = " bedeuten.";

}  // namespace lumarik::entrytexts
