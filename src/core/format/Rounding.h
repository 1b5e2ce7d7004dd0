// Decimal rounding, on which number display and the settings-file writer are built: numbers are
// turned into their decimal digits and rounded there, half away from zero, so that 2.675 rounds
// like the decimal it is shown as; and the banker's rounding of slider positions.
#pragma once

#include <array>
#include <string>

namespace lumarik {

// Significant digits a float and a double are shown with.
constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;

// A finite number as decimal digits:
//   value = (negative ? -1 : +1) * d1.d2d3... * 10^exponent
// `digits` has no leading and no trailing zeros and is empty for zero (exponent 0 then).
// `negative` survives rounding to zero, so that -0.04 can be shown as "-0.0".
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;

    bool IsZero() const { return digits.empty(); }
};

// Significant digits that a ShortDecimal holds: enough for any double to read back.
constexpr int kMaxShortDigits = 17;

// DecimalDigits with its digits in place instead of on the heap, for number display: the same
// meaning, with the first `size` characters of `digits` as the digits.
struct ShortDecimal {
    bool negative = false;
    std::array<char, kMaxShortDigits> digits{};
    int size = 0;
    int exponent = 0;

    bool IsZero() const { return size == 0; }
};

// floor(e * log10(2)) for |e| <= 1650: the decimal exponent of 2^e, the first guess at the
// decimal exponent of a double with binary exponent e.
int FloorLog10Pow2(int e);

// The exact decimal expansion of a finite double (every binary fraction has a finite one;
// a float converts to double exactly). x must be finite.
DecimalDigits ExactDecimal(double x);

// x rounded half away from zero to `significant` digits (at least 1). A float passed here
// (exactly, as double) with kSingleDigits is what the program shows for it: 0.1f gives 0.1.
DecimalDigits ToDecimal(double x, int significant);

// ToDecimal for 1 to kMaxShortDigits significant digits (`significant` is clamped to that):
// the same digits without the heap. The full expansion is only worked out for the rare value
// that lies at a tie or right beside one and is too large or too small to be scaled exactly.
ShortDecimal ToShortDecimal(double x, int significant);

// The quick way to those digits for x > 0 and `kept` <= 15 digits, when scaling x to that
// many integer digits takes a power of ten from 10^0 to 10^22: those are exact doubles, and
// with fma the product is exact, so nothing is estimated. False outside that range.
bool RoundByExactProduct(double x, int kept, ShortDecimal& d);

// Keeps the first `count` significant digits, rounding half away from zero on the next one;
// 0.95 kept to 1 digit becomes 1 (the exponent grows); count 0 can still round up to one
// unit of the next higher place (0.6 kept to 0 digits is 1), count < 0 gives zero.
void RoundToDigits(DecimalDigits& d, int count);
void RoundToDigits(ShortDecimal& d, int count);

// Rounds half away from zero to `decimals` places after the point (negative: to tens,
// hundreds, ...).
void RoundToDecimals(DecimalDigits& d, int decimals);
void RoundToDecimals(ShortDecimal& d, int decimals);

// The double nearest to d. Throws CalcError when d lies beyond the double range; a magnitude
// below the smallest double gives a zero of d's sign.
double ToDouble(const DecimalDigits& d);

// Display rounding: x to `decimals` places, half away from zero on the decimal digits that the
// program shows (15 significant for a double, 7 for a float), so RoundHalfAway(2.675, 2) is
// 2.68 although the double 2.675 lies just below it. NaN and infinities are returned as they
// are; a result beyond the type's range (only for very negative `decimals`) throws CalcError.
double RoundHalfAway(double x, int decimals);
float RoundHalfAway(float x, int decimals);

// Rounds to the nearest integer, a half to the even neighbour (2.5 -> 2, 3.5 -> 4,
// -2.5 -> -2), as slider positions have always been computed. Throws CalcError for NaN and
// for results outside the range of long.
long RoundHalfEven(double x);

}  // namespace lumarik
