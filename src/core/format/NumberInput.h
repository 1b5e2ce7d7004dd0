// Typed numbers: a whole text read as a number in the user's format, the acceptance rule that also
// takes a number followed by a unit or cleans a text, the equality test of committed values, and
// the locale-independent number reader and writer of the settings file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace lumarik {

// The user's number format, as the window reads it from the regional settings. A separator
// that would make texts ambiguous (a digit, blank, sign or 'e') is not taken as one; a group
// separator equal to the decimal separator is none.
struct NumberSeparators {
    char decimal = '.';
    char group = ',';

    // The other of point and comma groups the digits: the two formats every user may type.
    static constexpr NumberSeparators WithDecimal(char decimal) {
        return {decimal, decimal == ',' ? '.' : ','};
    }
};

// A whole text as one number: optional blanks around, an optional sign, digits with at most
// one decimal separator and at least one digit, then an optional exponent (e or E, optional
// sign, digits). Point and comma are read by how they stand, in either regional format:
//  - with both, the first groups and the last is decimal ("1.000,5", "1,000.5");
//  - a separator that occurs twice groups ("1.000.000");
//  - a lone one is decimal ("2.5" and "2,5" alike), except that a lone separator other than
//    the user's decimal one that could equally group — one to three digits not starting with
//    0 before it, exactly three after, no exponent ("1.400", "-2.500" in German settings,
//    "1,400" in English ones) — is ambiguous.
// Groups have three digits; blanks between digits group ("-2 000"). Nothing when the text is
// no number, is ambiguous (the caller that can ask uses AcceptNumber), or the value lies
// beyond the range of double; a value below the smallest double is zero.
std::optional<double> ParseNumber(std::string_view text, NumberSeparators separators);

enum class NumberSource {
    kDirect,         // the whole text is a number (ParseNumber)
    kLeadingNumber,  // a number followed by a unit or other text ("12 mm", "1e3mm")
    kCleaned,        // the text with everything but digits, '.', ',', '+', '-' removed
};

struct AcceptedNumber {
    double value = 0.0;
    NumberSource source = NumberSource::kDirect;
    // What the box should show now, when it differs from what was typed: the number without
    // what followed it ("1e3" for "1e3mm") or the cleaned text ("12" for "mm12").
    std::optional<std::string> rewrite;
    // Set when the number is ambiguous (see ParseNumber): `value` is then the decimal reading
    // and this the grouped one, and only the user can tell which was meant.
    std::optional<double> groupedReading;
};

// Accepts a box's text, never reading less of a number than the user typed:
//   1. the whole text as ParseNumber reads it, ambiguous or not;
//   2. the number the text begins with, read the same way, its exponent included: a unit or
//      anything else that follows is dropped ("1e3mm" is 1000, "12 mm" is 12, "1,5 mm" 1.5);
//   3. the text cleaned (every character except 0-9 . , + - removed: "mm12" gives 12), as
//      ParseNumber reads it.
// Nothing when none applies ("abc", "", "-"), and nothing for a number beyond the range of
// double: "1e400" is rejected rather than cleaned into 1400.
std::optional<AcceptedNumber> AcceptNumber(std::string_view text, NumberSeparators separators);

// Absolute tolerance under which two committed values count as the same.
constexpr double kSameValueTolerance = 1e-7;

// Both zero, or both non-zero and at most kSameValueTolerance apart (absolute, not relative).
// A zero and a non-zero value are never the same, however close.
bool SameValue(double a, double b);

// The settings-file number reader: the longest number at the start of the text, after blanks,
// with a point as decimal separator and an optional complete exponent; the rest is ignored
// ("12.5|" is 12.5, "1e" is 1). A text without a leading number reads as 0 ("", "abc", ".").
// A number beyond the range of double reads as an infinity of its sign, which the caller must
// not store (check std::isfinite); this is the only non-finite result.
double ValNumber(std::string_view text);

// The settings-file number writer: the general number text with a point (100, 0.025, 632.8,
// -1E+20; see GeneralNumberText), with 7 significant digits for a float and 15 for a double,
// as the file has always held them. Where those digits would not read back (through ValNumber)
// to the very same value, as many more digits as needed are written (8 or 9 for a float, 16 or
// 17 for a double), so saving and loading never changes a value; a float's text never reads
// back above FLT_MAX. NaN and infinities are written as "NaN", "Inf", "-Inf".
std::string NumberText(double value);
std::string NumberText(float value);

// Integers are written with all their digits.
template <typename Int,
          std::enable_if_t<std::is_integral_v<Int> && !std::is_same_v<Int, bool>, int> = 0>
std::string NumberText(Int value) {
    return std::to_string(value);
}

}  // namespace lumarik
