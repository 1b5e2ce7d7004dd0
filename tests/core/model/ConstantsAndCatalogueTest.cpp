// The effective optical constants under the option switches, their box texts, the
// catalogue's labels, display texts and symbol option, the image-height presets, and the mode
// switches: lens/mirror, the advanced constants' ranges and the real-object sign.
#include "Scenes.h"

namespace lumarik::test {
namespace {

// Without the advanced options n = 1, n' = ±1, d = 0 and λ = 546.1 nm; with them the stored
// values count (a mirror's n' is -n, its d 0). A zero wavelength or index is not stored, a zero
// n' is stored as ±1, a value that is not finite not at all.
TEST(EffectiveConstants, FollowTheSwitches) {
    ExpectScene("Constants");
}

// The labels, symbols, aperture captions and cardinal points under both symbol options.
TEST(Catalogue, LabelsAndUserSymbols) {
    ExpectScene("Catalogue");
}

// The height is the last piece of the preset's text.
TEST(ImageHeightPresets, HeightsComeFromTheLastPieceOfTheText) {
    ExpectScene("ImageHeightPresets");
}

// The focal length and its limits change sign both ways; an undefined limit stays undefined
// on its new side. A mirror's n' follows the object space and keeps its value back in lens mode.
TEST(SwitchLensMirror, FocalLengthAndLimitsChangeSign) {
    ExpectScene("SwitchLensMirror");
}

TEST(CommitAdvancedValue, RangesAndTheCurrentValue) {
    ExpectScene("CommitAdvanced");
}

// A virtual object distance is negated and the limit it crossed reopened; real and infinite
// objects are left alone.
TEST(MakeObjectDistanceNegative, NegatesOnlyAPositiveFiniteDistance) {
    ExpectScene("Negative");
}

}  // namespace
}  // namespace lumarik::test
