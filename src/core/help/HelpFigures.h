// The help window's pictures: schematic, labelled figures of the first-order relations (object
// and image, aperture, cardinal points, depth of field and of focus, fixed-focus distance) and
// of a Gaussian beam through a lens, drawn through the Canvas so that the screen and the tests
// see the same figure.
#pragma once

#include <array>
#include <string_view>

#include "core/drawing/Canvas.h"

namespace lumarik {

enum class HelpFigure {
    kConjugatesLens,
    kConjugatesMirror,
    kApertureLens,
    kApertureMirror,
    kCardinalPointsLens,
    kCardinalPointsMirror,
    kDepthOfField,
    kDepthOfFocus,
    kHyperfocal,
    kGaussianBeam,
};

inline constexpr std::array<HelpFigure, 10> kAllHelpFigures = {
    HelpFigure::kConjugatesLens, HelpFigure::kConjugatesMirror,   HelpFigure::kApertureLens,
    HelpFigure::kApertureMirror, HelpFigure::kCardinalPointsLens, HelpFigure::kCardinalPointsMirror,
    HelpFigure::kDepthOfField,   HelpFigure::kDepthOfFocus,       HelpFigure::kHyperfocal,
    HelpFigure::kGaussianBeam,
};

// A figure is laid out on this many pixels and scaled uniformly into the canvas, centred; the
// labels keep their font size. Below kHelpFigureMinScale the labels begin to crowd.
inline constexpr double kHelpFigureWidth = 600.0;
inline constexpr double kHelpFigureHeight = 280.0;
inline constexpr double kHelpFigureMinScale = 0.85;

// A sentence or two that explains a figure standing alone on its page; empty for the others.
std::string_view HelpFigureCaption(HelpFigure figure);

// Clears the canvas and draws the figure.
void DrawHelpFigure(Canvas& canvas, HelpFigure figure);

}  // namespace lumarik
