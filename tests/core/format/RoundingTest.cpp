#include "core/format/Rounding.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "core/numeric/Calc.h"

namespace lumarik {
namespace {

TEST(Rounding, RoundHalfAwayOnTheShownDigits) {
    const std::tuple<double, int, double> cases[] = {
        {2.675, 2, 2.68}, {-1.005, 2, -1.01}, {-2.5, 0, -3},        {1234.5, -1, 1230},
        {1235, -1, 1240}, {1e-300, 2, 0},     {0.1 + 0.2, 20, 0.3}, {DBL_MAX, -309, 0}};
    for (const auto& [value, decimals, expected] : cases)
        EXPECT_EQ(RoundHalfAway(value, decimals), expected) << value << " " << decimals;
    EXPECT_EQ(RoundHalfAway(2.675f, 2), 2.68f);
    EXPECT_EQ(RoundHalfAway(static_cast<double>(2.675f), 2), 2.67);
    EXPECT_TRUE(std::signbit(RoundHalfAway(-0.004, 2)));
    EXPECT_TRUE(std::isnan(RoundHalfAway(std::nan(""), 2)));
    EXPECT_THROW(RoundHalfAway(DBL_MAX, -308), CalcError);
}

TEST(Rounding, RoundHalfEvenForSliderPositions) {
    // clang-format off
    const std::tuple<double, long> cases[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {-0.5, 0}, {2.4999999, 2},
        {2.5000001, 3}, {-0.6, -1}, {7, 7}, {4503599627370495.5, 4503599627370496},
        {-9223372036854775808.0, std::numeric_limits<long>::min()}};
    // clang-format on
    for (const auto& [value, expected] : cases) EXPECT_EQ(RoundHalfEven(value), expected) << value;
    for (const double value :
         {std::nan(""), std::numeric_limits<double>::infinity(), 9223372036854775808.0, -9.3e18}) {
        EXPECT_THROW(RoundHalfEven(value), CalcError) << value;
    }
}

// Doubles whose exact expansion ends at a tie of 7 or 15 digits or lies within a few units
// of the last bit beside one, and floats alike; ordinary values are all the rest.
std::vector<double> NearTies(std::mt19937_64& random, int count) {
    std::vector<double> values;
    for (int i = 0; i < count; ++i) {
        // An odd multiple of 5 times a power of two has a short expansion ending in 5.
        const std::uint64_t odd = (random() % (1ULL << (1 + random() % 49))) | 1;
        const int shift = static_cast<int>(random() % 80) - 60;
        values.push_back(std::ldexp(static_cast<double>(odd * 5), shift));
        values.push_back(
            static_cast<double>(std::ldexp(static_cast<float>((odd & 0x3FFFFF) * 5), shift / 2)));
        // The nearest double and float to d1...d(p)5 * 10^k, and their neighbours.
        for (const int digits : {kSingleDigits, kDoubleDigits}) {
            std::string text = std::to_string(1 + random() % 9);
            for (int j = 1; j < digits; ++j) text += static_cast<char>('0' + random() % 10);
            text += "5e" + std::to_string(static_cast<int>(random() % 50) - 30);
            double tie = 0.0;
            std::from_chars(text.data(), text.data() + text.size(), tie);
            auto single = static_cast<float>(tie);
            for (int step = 0; step < 3; ++step) {
                values.push_back(tie);
                values.push_back(static_cast<double>(single));
                tie = std::nextafter(tie, 0.0);
                single = std::nextafter(single, 0.0f);
            }
        }
    }
    return values;
}

TEST(Rounding, FloorLog10Pow2OverEveryDoubleExponent) {
    for (int e = -1100; e <= 1100; ++e)
        ASSERT_EQ(FloorLog10Pow2(e), std::floor(e * 0.301029995663981195213738894724493L)) << e;
}

// Display digits come from a short cut for most values; they must be the digits of the full
// decimal expansion of the binary value, rounded half away from zero, for every kind of
// value and every number of digits. The in-place rounding agrees with the string one.
TEST(Rounding, ShortDigitsAreTheRoundedExactExpansion) {
    std::mt19937_64 random(20240614);
    std::vector<double> values = NearTies(random, 4000);
    for (int i = 0; i < 50000; ++i) {
        const std::uint64_t bits = random();
        const auto singleBits = static_cast<std::uint32_t>(bits);
        double value = 0.0;
        float single = 0.0f;
        std::memcpy(&value, &bits, sizeof value);
        std::memcpy(&single, &singleBits, sizeof single);
        values.insert(values.end(), {value, static_cast<double>(single)});
        values.push_back(std::ldexp(static_cast<double>(bits >> 11) / 9007199254740992.0 + 0.5,
                                    static_cast<int>(bits % 101) - 40));
    }
    for (const double value : values) {
        if (!std::isfinite(value)) continue;
        const DecimalDigits exact = ExactDecimal(value);
        const int anyCount = 1 + static_cast<int>(random() % 25);
        for (const int significant : {kSingleDigits, kDoubleDigits, anyCount}) {
            // Values of everyday size take the quick way.
            const double size = std::fabs(value);
            ShortDecimal quick;
            if (significant <= 15 && size > std::pow(10.0, significant - 21) &&
                size < std::pow(10.0, significant - 2)) {
                ASSERT_TRUE(RoundByExactProduct(size, significant, quick)) << value;
            }
            DecimalDigits expected = exact;
            RoundToDigits(expected, significant);
            const DecimalDigits d = ToDecimal(value, significant);
            ASSERT_EQ(std::tie(d.digits, d.exponent, d.negative),
                      std::tie(expected.digits, expected.exponent, expected.negative))
                << std::hexfloat << value << " " << significant;
        }

        DecimalDigits d = ToDecimal(value, kDoubleDigits);
        ShortDecimal s = ToShortDecimal(value, kDoubleDigits);
        const int cut = static_cast<int>(random() % 18) - 1;
        if (random() % 2 == 0) {
            RoundToDigits(d, cut);
            RoundToDigits(s, cut);
        } else {
            RoundToDecimals(d, cut - d.exponent);
            RoundToDecimals(s, cut - s.exponent);
        }
        ASSERT_EQ(std::make_tuple(std::string(s.digits.data(), static_cast<std::size_t>(s.size)),
                                  s.exponent),
                  std::make_tuple(d.digits, d.exponent))
            << std::hexfloat << value << " " << cut;
    }
}

}  // namespace
}  // namespace lumarik
