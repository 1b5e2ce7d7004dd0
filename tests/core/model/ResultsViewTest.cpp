// What the window is told to show after a cycle, as recorded scenes: the classification of the
// solved system, the caption and colour of the virtual/invalid labels, and the results listing
// (its twenty rows in every mode, the value texts of each state, and when names are written).
#include "Scenes.h"

namespace lumarik::test {
namespace {

LUMARIK_SCENE_TESTS(Systems, VirtualLabel, FollowsTheClassification);

// A failed solve hides the label and the drawing (and the depth of field of the last good
// solve) until the next good solve; an incomplete selection shows rows but no results.
TEST(ResultsView, NoSolutionAndIncompleteSelection) {
    ExpectScene("ResultsView");
}

// Without a full selection the image counts as virtual when object and image heights stand
// on the same side of the axis; only the plain image at infinity is labelled while the
// drawing is hidden.
TEST(Classification, VirtualImageFromHeightsAndDrawingGate) {
    ExpectScene("Classification");
}

LUMARIK_SCENE_TESTS(Modes, Listing, TwentyRows);

LUMARIK_SCENE_TESTS(States, ListingValues, TextsForEachState);

}  // namespace
}  // namespace lumarik::test
