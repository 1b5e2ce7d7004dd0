#include <gtest/gtest.h>

#include "ui/shell/CSApplication.h"

namespace lumarik {
namespace {

const QRect kScreen(0, 0, 19200, 12000);  // 1280 x 800 pixels

struct PlacementCase {
    const char* name;
    QString stored;
    QRect expected;
};

void PrintTo(const PlacementCase& c, std::ostream* os) {
    *os << c.name;
}

class PlaceMainWindow : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PlaceMainWindow, OnOneScreen) {
    const PlacementCase& c = GetParam();
    EXPECT_EQ(PlaceWindow(c.stored, 12300, 8400, {kScreen}, true), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Entries, PlaceMainWindow,
    ::testing::Values(
        PlacementCase{"no entry: default size, centred", "", QRect(3450, 1800, 12300, 8400)},
        PlacementCase{"three parts count as no entry", "100|200|5000",
                      QRect(3450, 1800, 12300, 8400)},
        PlacementCase{"a part that is no number counts as no entry", "100|abc|5000|6000",
                      QRect(3450, 1800, 12300, 8400)},
        PlacementCase{"a stored place is kept", "600|900|7000|9000", QRect(900, 600, 9000, 7000)},
        PlacementCase{"negative top pulled back", "-300|900|7000|9000", QRect(900, 0, 9000, 7000)},
        PlacementCase{"too wide: 0.9 of the screen", "0|0|7000|50000", QRect(0, 0, 17280, 7000)},
        PlacementCase{"too high: 0.9 of the screen", "0|0|50000|9000", QRect(0, 0, 9000, 10800)},
        PlacementCase{"left beyond the screen comes back into sight", "600|30000|7000|9000",
                      QRect(10200, 600, 9000, 7000)},
        PlacementCase{"bottom edge kept on the screen", "9000|900|7000|9000",
                      QRect(900, 5000, 9000, 7000)},
        PlacementCase{"zero height: default height, centred vertically", "600|900|0|9000",
                      QRect(900, 1800, 9000, 8400)}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(PlaceWindowTest, DefaultBelowOneTakesAThirdOfTheScreen) {
    EXPECT_EQ(PlaceWindow("", 0, 0, {kScreen}, true), QRect(6400, 4000, 6400, 4000));
}

TEST(PlaceWindowTest, StaysOnTheScreenItWasOn) {
    const QRect second(19200, 0, 28800, 16200);
    const QRect r = PlaceWindow("1000|25000|7000|9000", 12300, 8400, {kScreen, second}, true);
    EXPECT_EQ(r, QRect(25000, 1000, 9000, 7000));
    // Saved on a screen that is gone: brought back onto the primary one.
    const QRect back = PlaceWindow("1000|25000|7000|9000", 12300, 8400, {kScreen}, true);
    EXPECT_TRUE(kScreen.contains(back)) << back.x() << "," << back.y();
}

TEST(PlaceWindowTest, ANeededSizeAboveTheDefaultOrTheStoredSizeWins) {
    const QSize least(15000, 9000);
    EXPECT_EQ(PlaceWindow("", 12300, 8400, {kScreen}, true, {}, least),
              QRect(2100, 1500, 15000, 9000));
    EXPECT_EQ(PlaceWindow("600|900|7000|9000", 12300, 8400, {kScreen}, true, {}, least),
              QRect(900, 600, 15000, 9000));
}

TEST(PlaceWindowTest, FixedSizeWindowIsOnlyMoved) {
    const QRect r = PlaceWindow("600|900|1|1", 12300, 8400, {kScreen}, false, QSize(4500, 3000));
    EXPECT_EQ(r, QRect(900, 600, 4500, 3000));
}

TEST(PlaceWindowTest, NoScreenInformationStillGivesAWindow) {
    const QRect r = PlaceWindow("", 12300, 8400, {}, true);
    EXPECT_EQ(r.size(), QSize(12300, 8400));
}

}  // namespace
}  // namespace lumarik
