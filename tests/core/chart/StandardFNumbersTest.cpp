#include "core/chart/StandardFNumbers.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string>

namespace lumarik {
namespace {

// The series rises from F/1 to F/64; each entry hands on the number it shows, which stands for
// the power 2^(k/12) nearest to it in value (1.2 → 2^(3/12), 6.8 → 2^(33/12), not 2^(34/12)).
TEST(StandardFNumbers, EachEntryStandsForTheNearestTwelfthPowerOfTwo) {
    ASSERT_EQ(kStandardFNumbers.size(), 27u);
    EXPECT_EQ(StandardFNumberEntry(26), "F/64");
    const double step = std::exp2(1.0 / 12.0);
    double previous = 0.0;
    for (std::size_t i = 0; i < kStandardFNumbers.size(); ++i) {
        const StandardFNumber& entry = kStandardFNumbers[i];
        double shown = 0.0;
        std::from_chars(entry.text.data(), entry.text.data() + entry.text.size(), shown);
        EXPECT_EQ(shown, entry.listed) << entry.text;
        EXPECT_GT(entry.listed, previous);
        previous = entry.listed;
        const double exact = ExactFNumber(entry.listed);
        const double k = 12.0 * std::log2(exact);
        EXPECT_NEAR(k, std::round(k), 1e-9) << entry.text;
        const double off = std::fabs(exact - entry.listed);
        EXPECT_LE(off, std::fabs(exact * step - entry.listed)) << entry.text;
        EXPECT_LE(off, std::fabs(exact / step - entry.listed)) << entry.text;
    }
    EXPECT_EQ(ExactFNumber(64.0), 64.0);
    // Numbers without a power come back unchanged.
    EXPECT_EQ(ExactFNumber(0.0), 0.0);
    EXPECT_EQ(ExactFNumber(-2.0), -2.0);
    EXPECT_TRUE(std::isinf(ExactFNumber(HUGE_VAL)));
}

}  // namespace
}  // namespace lumarik
