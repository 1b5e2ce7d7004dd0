// The German texts of the drawings: the labels of the object and image arrows in the system
// drawing (the cardinal points are labelled with the catalogue's display symbols), and the scale
// list, section names and mouse read-out of the beam drawing.
#pragma once

#include <string_view>

namespace lumarik::drawtexts {

inline constexpr std::string_view kObject = "o";
inline constexpr std::string_view kObjectAtInfinity = "o [unendlich]";
inline constexpr std::string_view kObjectRemote = "o [entfernt]";
inline constexpr std::string_view kImage = "o'";
inline constexpr std::string_view kImageAtInfinity = "o' [unendlich]";
inline constexpr std::string_view kImageRemote = "o' [entfernt]";

}  // namespace lumarik::drawtexts

namespace lumarik::drawtexts {

// The beam drawing: entries of the scale list (the second-last keeps its trailing blank), the
// section names of a laser diode and the parts of the mouse read-out.
inline constexpr std::string_view kBeamScales[7] = {"automatische Zeichnungsskalierung",
                                                    "Fester Abstand von der Objekttaille",
                                                    "Fester Abstand ± Linsenposition",
                                                    "Fester Abstand von der Bildtaille",
                                                    "2-fache Schnittweite ",
                                                    "3-fache Schnittweite",
                                                    "4-fache Schnittweite"};
inline constexpr std::string_view kSectionX = "x Sektion";
inline constexpr std::string_view kSectionY = "y Sektion";
// The colour key of the laser diode's sections, each part in its colour.
inline constexpr std::string_view kLegendObjectSide = "objektseitig  ";
inline constexpr std::string_view kLegendImageSide = "bildseitig";
inline constexpr std::string_view kToObject = "Abstand zur Objekttaille ";
inline constexpr std::string_view kToImage = "Abstand zur Bildtaille ";
inline constexpr std::string_view kRadius = " Radius: ";
inline constexpr std::string_view kCurvature = " Krümmungsradius ";
inline constexpr std::string_view kPlane = "plan";

}  // namespace lumarik::drawtexts
