#include "core/chart/StandardFNumbers.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <ostream>
#include <string>

namespace lumarik {
namespace {

TEST(StandardFNumbersTest, EntriesAreTheEngravedSeriesInOrder) {
    const char* const expected[] = {"F/1",   "F/1.2", "F/1.4", "F/1.6", "F/1.8", "F/2",   "F/2.5",
                                    "F/2.8", "F/3.5", "F/4",   "F/4.5", "F/5.6", "F/6.3", "F/6.8",
                                    "F/8",   "F/9.5", "F/11",  "F/13",  "F/16",  "F/19",  "F/22",
                                    "F/27",  "F/32",  "F/38",  "F/45",  "F/54",  "F/64"};
    ASSERT_EQ(kStandardFNumbers.size(), std::size(expected));
    for (std::size_t i = 0; i < kStandardFNumbers.size(); ++i) {
        EXPECT_EQ(StandardFNumberEntry(i), expected[i]);
        // The number handed on is the one the entry shows.
        const std::string_view text = kStandardFNumbers[i].text;
        double parsed = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), parsed);
        EXPECT_EQ(parsed, kStandardFNumbers[i].listed) << text;
    }
    EXPECT_EQ(kStandardFNumbersNote,
              "Wurde eine Standard-Blendentzahl ausgewählt, wird die exakte Blendenzahl im "
              "Lumarik verwendet.");
}

struct ExactCase {
    double listed;
    double exact;
};

void PrintTo(const ExactCase& c, std::ostream* os) {
    *os << "f/" << c.listed;
}

class ExactFNumberTest : public ::testing::TestWithParam<ExactCase> {};

TEST_P(ExactFNumberTest, IsTheNearestTwelfthPowerOfTwo) {
    EXPECT_NEAR(ExactFNumber(GetParam().listed), GetParam().exact, 5e-5);
}

INSTANTIATE_TEST_SUITE_P(Engraved, ExactFNumberTest,
                         ::testing::Values(ExactCase{1.0, 1.0}, ExactCase{1.2, 1.1892},
                                           ExactCase{5.6, 5.6569}, ExactCase{6.8, 6.7272},
                                           ExactCase{11.0, 11.3137}, ExactCase{64.0, 64.0}));

TEST(ExactFNumberTest, EveryEntryMapsToTheClosestStep) {
    for (const StandardFNumber& entry : kStandardFNumbers) {
        const double exact = ExactFNumber(entry.listed);
        const double k = 12.0 * std::log2(exact);
        EXPECT_NEAR(k, std::round(k), 1e-9) << entry.text;
        const double step = std::exp2(1.0 / 12.0);
        EXPECT_LE(std::fabs(exact - entry.listed), std::fabs(exact * step - entry.listed))
            << entry.text;
        EXPECT_LE(std::fabs(exact - entry.listed), std::fabs(exact / step - entry.listed))
            << entry.text;
    }
}

TEST(ExactFNumberTest, NumbersWithoutAPowerComeBackUnchanged) {
    EXPECT_EQ(ExactFNumber(0.0), 0.0);
    EXPECT_EQ(ExactFNumber(-2.0), -2.0);
    EXPECT_TRUE(std::isinf(ExactFNumber(HUGE_VAL)));
}

}  // namespace
}  // namespace lumarik
