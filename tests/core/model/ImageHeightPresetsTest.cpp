#include <gtest/gtest.h>

#include "core/model/ImageHeightPresets.h"

namespace lumarik {
namespace {

TEST(ImageHeightPresetsTest, HeightsComeFromTheLastPieceOfTheText) {
    EXPECT_EQ(ImageHeightPresetText(1), "CCD 1/10inch [1.28 x 0.96]  0.8mm");
    EXPECT_FLOAT_EQ(ImageHeightPresetHeight(1), 0.8f);
    EXPECT_FLOAT_EQ(ImageHeightPresetHeight(11), 4.0f);
    EXPECT_FLOAT_EQ(ImageHeightPresetHeight(43), 150.0f);
    EXPECT_FLOAT_EQ(ImageHeightPresetHeight(33), 28.85f);
    EXPECT_EQ(ImageHeightPresetText(51), "Fernsehformat 1-1/4inch [12.9 x 17.1]  10.7mm");
    for (int entry = 1; entry <= kImageHeightPresetCount; ++entry) {
        EXPECT_GT(ImageHeightPresetHeight(entry), 0.0f) << entry;
    }
    EXPECT_EQ(ImageHeightPresetHeight(0), 0.0f);
    EXPECT_EQ(ImageHeightPresetHeight(52), 0.0f);
    EXPECT_TRUE(ImageHeightPresetText(-1).empty());
}

}  // namespace
}  // namespace lumarik
