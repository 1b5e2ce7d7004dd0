// The effective optical constants under the option switches, their box texts, the
// catalogue's labels, display texts and symbol option, the image-height presets, and the mode
// switches: lens/mirror, the advanced constants' ranges and the real-object sign.
#include <map>
#include <string>
#include <tuple>

#include "Scenes.h"
#include "core/model/ImageHeightPresets.h"
#include "core/model/ModeSwitches.h"

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
    EXPECT_EQ(ImageHeightPresetText(1), "CCD 1/10inch [1.28 x 0.96]  0.8mm");
    EXPECT_FLOAT_EQ(ImageHeightPresetHeight(1), 0.8f);
    EXPECT_FLOAT_EQ(ImageHeightPresetHeight(33), 28.85f);
    EXPECT_FLOAT_EQ(ImageHeightPresetHeight(43), 150.0f);
    for (int entry = 1; entry <= kImageHeightPresetCount; ++entry) {
        EXPECT_GT(ImageHeightPresetHeight(entry), 0.0f) << entry;
    }
    EXPECT_EQ(ImageHeightPresetHeight(0) + ImageHeightPresetHeight(52), 0.0f);
    EXPECT_TRUE(ImageHeightPresetText(-1).empty());
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
