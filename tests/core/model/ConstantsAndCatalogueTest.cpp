// The effective optical constants under the option switches, their box texts, the
// catalogue's labels, display texts and symbol option, the image-height presets, and the mode
// switches: lens/mirror, the advanced constants' ranges and the real-object sign.
#include <cmath>
#include <cstdio>

#include "Scenes.h"
#include "core/model/Catalogue.h"
#include "core/model/ImageHeightPresets.h"

namespace lumarik::test {
namespace {

// Without the advanced options n = 1, n' = ±1, d = 0 and λ = 546.1 nm; with them the stored
// values count (a mirror's n' is -n, its d 0). A zero wavelength or index is not stored, a zero
// n' is stored as ±1, a value that is not finite not at all.
TEST(EffectiveConstants, FollowTheSwitches) {
    ExpectScene("Constants");
}

// The user's symbols replace the standard ones in labels and cardinal points, and switching
// back restores the standard ones; every label ends in its symbol.
TEST(Catalogue, LabelsAndUserSymbols) {
    ParameterCatalogue catalogue;
    int asked = 0;
    const auto user = [&](std::string_view key, std::string_view fallback) {
        ++asked;
        return std::string(key == "Brennweite: "            ? "F'"
                           : key == "vorderer Brennpunkt: " ? "Fv"
                                                            : fallback);
    };
    catalogue.RebuildSymbols(kSymbolsUser, user);
    EXPECT_GT(asked, kSelectableCount);
    EXPECT_EQ(catalogue.Label(kParFocal), "Brennweite: F'");
    EXPECT_EQ(catalogue.CardinalSymbol(2), "Fv");
    catalogue.RebuildSymbols(kSymbolsStandard, user);
    EXPECT_EQ(catalogue.Label(kParFocal), "Brennweite: f'");
    EXPECT_EQ(catalogue.CardinalSymbol(2), "F");
    for (int number = 0; number < kSelectableCount; ++number) {
        const std::string label = catalogue.Label(number), symbol = catalogue.Symbol(number);
        EXPECT_EQ(label.substr(label.size() - symbol.size()), symbol) << number;
    }
    EXPECT_EQ(catalogue.ApertureCaption(kApFNumber), "Blendenzahl [unendliche Objektweite]");
}

// The height is the last piece of the preset's text, and it is half the diagonal of the format
// in the last brackets, to the rounding of the text. Entries outside the list are empty.
TEST(ImageHeightPresets, HeightsAreHalfTheFormatDiagonal) {
    for (int entry = 1; entry <= kImageHeightPresetCount; ++entry) {
        const std::string text(ImageHeightPresetText(entry));
        const float height = ImageHeightPresetHeight(entry);
        EXPECT_EQ(std::stof(text.substr(text.find_last_of(' ') + 1)), height) << text;
        double w = 0, h = 0;
        ASSERT_EQ(std::sscanf(text.c_str() + text.rfind('['), "[%lf x %lf]", &w, &h), 2) << text;
        EXPECT_NEAR(height, std::hypot(w, h) / 2, 0.015 * height + 0.01) << text;
    }
    for (int entry : {-1, 0, kImageHeightPresetCount + 1}) {
        EXPECT_EQ(ImageHeightPresetText(entry), "") << entry;
        EXPECT_EQ(ImageHeightPresetHeight(entry), 0.0f) << entry;
    }
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
