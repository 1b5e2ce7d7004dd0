// Number display: the one function that turns a number into the text of a listing, a box or a
// label, with a display pattern such as "0.0##" or " 0.00e+0;-0.00e+0", and the plain number
// text that is shown when there is no pattern.
#pragma once

#include <string>
#include <string_view>
#include <type_traits>

#include "core/format/Rounding.h"

namespace lumarik {

// Formats value with a display pattern:
//  - Sections separated by ';': positive;negative;zero. A negative value with a second section
//    uses that section as it is (its '-' is a literal of the section); with one section (or an
//    empty second one) a '-' is put before the first digit placeholder or point, after any
//    leading literal (" 0.0mm" with -5 gives " -5.0mm"; at the start when there is none). The third
//    section, when present and not empty, is used for an exact zero.
//  - '0' is a digit that is always shown, '#' one that is shown only when it is significant.
//    All integer digits are shown, even beyond the placeholders; at least one shows when a '0'
//    stands before the point, none for a zero integer part with only '#' ("#.##" with 0.5 gives
//    ".5"). Decimals are rounded half away from zero to the number of placeholders after the
//    point; trailing zeros are dropped down to the last '0' placeholder.
//  - '.' is the decimal point, shown as decimalSep, and shown even when no decimal follows.
//  - "e+", "e-", "E+", "E-" followed by '0'/'#' placeholders, after a digit placeholder, make
//    an exponent: the integer placeholders before the point fix the number of mantissa digits,
//    "e+" always shows the exponent's sign and "e-" only a minus; the exponent has as many
//    digits as it needs and at least as many as it has '0' placeholders (at least one).
//  - Every other character, ',' '%' '\' and '"' included, is a literal shown as it is.
// A double is first rounded to 15 significant digits, a float to 7, as the program has always
// shown them, so 0.1f shows as 0.1 and -0.48659307f with "0.00######" as -0.4865931. A
// negative value that rounds to zero keeps its minus ("-0.0"). An empty pattern gives the
// general number text (GeneralNumberText). NaN and infinities, which never reach a display in
// the program, give "NaN", "Inf" and "-Inf" whatever the pattern.
std::string Format(double value, std::string_view pattern, char decimalSep = '.');
std::string Format(float value, std::string_view pattern, char decimalSep = '.');

// While one lives on a thread, Format there writes every number in its general form with
// kExportDigits significant digits in place of the pattern's digits, keeping the section's
// literals (a unit, a leading blank) and its choice of section: an export of the lists is
// built by the very code that builds the shown ones, only with every digit the value has.
class FullPrecisionNumbers {
public:
    FullPrecisionNumbers();
    ~FullPrecisionNumbers();
    FullPrecisionNumbers(const FullPrecisionNumbers&) = delete;
    FullPrecisionNumbers& operator=(const FullPrecisionNumbers&) = delete;
};
constexpr int kExportDigits = 7;

// Integers (Format(50, "0.0#")) are formatted as the double of the same value.
template <typename Int,
          std::enable_if_t<std::is_integral_v<Int> && !std::is_same_v<Int, bool>, int> = 0>
std::string Format(Int value, std::string_view pattern, char decimalSep = '.') {
    return Format(static_cast<double>(value), pattern, decimalSep);
}

// The general form in which a number is written without a pattern: all significant digits of
// d, no trailing zeros, a leading "0" before the point of a fraction (0.025, 632.8, -5, 100).
// It switches to exponent form, one digit before the point and an exponent with sign and at
// least two digits (1E+20, 1.5E-07), when the number has `precision` or more integer digits
// (1E+07 for a float, 1E+15 for a double) or is below 0.0001. A zero, also a negative one, is
// "0".
std::string GeneralNumberText(const DecimalDigits& d, int precision, char decimalSep);

}  // namespace lumarik
