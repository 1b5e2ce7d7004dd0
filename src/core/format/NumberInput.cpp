#include "core/format/NumberInput.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>
#include <utility>

#include "core/format/Format.h"
#include "core/format/Rounding.h"

namespace lumarik {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsUsableSeparator(char c) {
    return c != '\0' && !IsDigit(c) && !IsBlank(c) && c != '+' && c != '-' && c != 'e' && c != 'E';
}

// One way of writing numbers; group '\0' has no group separator. Blanks may group the
// integer digits of a typed number, never those of the settings file.
struct NumberFormat {
    char decimal = '.';
    char group = '\0';
    bool blankGroups = false;
};

constexpr NumberFormat kFileFormat{};

// How a typed number's point and comma are read; `grouped` is the other reading of a lone
// separator that could equally group the digits (see ParseNumber).
struct TypedReading {
    NumberFormat format;
    std::optional<NumberFormat> grouped;
};

char UserDecimal(NumberSeparators separators) {
    return IsUsableSeparator(separators.decimal) ? separators.decimal : '.';
}

// One to three digits not starting with 0 after an optional sign, the separator at `at`, then
// exactly three digits that neither an exponent nor another digit follows: "1.400", "-2.500".
bool MayGroup(std::string_view text, std::size_t at) {
    constexpr std::size_t kGroupSize = 3;
    std::size_t first = at;
    while (first > 0 && IsDigit(text[first - 1])) --first;
    const std::size_t before = at - first;
    const bool signOnly = first == 0 || (first == 1 && (text[0] == '+' || text[0] == '-'));
    if (before < 1 || before > kGroupSize || text[first] == '0' || !signOnly) return false;
    const std::size_t end = at + 1 + kGroupSize;
    for (std::size_t i = at + 1; i < end; ++i) {
        if (i >= text.size() || !IsDigit(text[i])) return false;
    }
    return end == text.size() || (!IsDigit(text[end]) && text[end] != 'e' && text[end] != 'E');
}

// The reading by the separators among the digits the text begins with: with both a point and
// a comma the first groups and the last is decimal ("1.000,5", "1,000.5"); a separator that
// occurs twice groups ("1.000.000"); a lone one is decimal, and when it is not the user's
// decimal separator but could group ("1.400" in German settings) the group reading is the
// other. Blanks between digits always group.
TypedReading ReadingFor(std::string_view text, NumberSeparators separators) {
    std::size_t end = 0;
    while (end < text.size() &&
           (IsDigit(text[end]) || text[end] == '.' || text[end] == ',' || text[end] == ' ' ||
            (end == 0 && (text[end] == '+' || text[end] == '-')))) {
        ++end;
    }
    // Only a separator before a digit counts: a point or comma that ends the number is none.
    const std::string_view digits = text.substr(0, end);
    std::size_t point = std::string_view::npos;
    std::size_t comma = std::string_view::npos;
    int pointCount = 0;
    int commaCount = 0;
    for (std::size_t i = 0; i + 1 < digits.size(); ++i) {
        if (!IsDigit(digits[i + 1])) continue;
        if (digits[i] == '.') {
            point = std::min(point, i);
            ++pointCount;
        } else if (digits[i] == ',') {
            comma = std::min(comma, i);
            ++commaCount;
        }
    }
    const char userDecimal = UserDecimal(separators);
    if (point == std::string_view::npos && comma == std::string_view::npos) {
        return {NumberFormat{userDecimal, '\0', true}, std::nullopt};
    }
    if (point != std::string_view::npos && comma != std::string_view::npos) {
        return point < comma ? TypedReading{NumberFormat{',', '.', true}, std::nullopt}
                             : TypedReading{NumberFormat{'.', ',', true}, std::nullopt};
    }
    const std::size_t at = std::min(point, comma);
    const char separator = digits[at];
    const char other = separator == '.' ? ',' : '.';
    if ((separator == '.' ? pointCount : commaCount) > 1) {
        return {NumberFormat{other, separator, true}, std::nullopt};
    }
    TypedReading reading{NumberFormat{separator, '\0', true}, std::nullopt};
    if (separator != userDecimal && MayGroup(text, at)) {
        reading.grouped = NumberFormat{other, separator, true};
    }
    return reading;
}

bool IsGroupSeparator(char c, const NumberFormat& format) {
    return (format.group != '\0' && c == format.group) || (format.blankGroups && c == ' ');
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    return pos;
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = SkipBlanks(text, 0);
    std::size_t last = text.size();
    while (last > first && IsBlank(text[last - 1])) {
        --last;
    }
    return text.substr(first, last - first);
}

// A number found in a text, in the form from_chars reads (sign, digits, '.', 'e', exponent).
struct ScannedNumber {
    std::size_t end = 0;
    std::string normalized;
    bool negative = false;
    // Decimal place (10^place) of the first non-zero digit, exponent included; decides
    // whether a number out of range is too large or too small.
    long long leadingPlace = 0;
};

// Three digits at pos and no fourth one: the digits after a group separator.
bool IsDigitGroup(std::string_view text, std::size_t pos) {
    constexpr std::size_t kGroupSize = 3;
    if (text.size() < pos + kGroupSize) return false;
    for (std::size_t i = pos; i < pos + kGroupSize; ++i) {
        if (!IsDigit(text[i])) return false;
    }
    return pos + kGroupSize == text.size() || !IsDigit(text[pos + kGroupSize]);
}

// The longest number starting exactly at pos: [sign] digits [sep digits] [e [sign] digits],
// with at least one mantissa digit; an incomplete exponent is left out. The integer digits
// may be grouped: at most three before the first group separator, three after each.
std::optional<ScannedNumber> ScanNumber(std::string_view text, std::size_t pos,
                                        const NumberFormat& format) {
    // Keeps exponents far beyond any double's range from overflowing the counter.
    constexpr long long kExponentCeiling = 1000000000;
    ScannedNumber n;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        n.negative = text[pos] == '-';
        ++pos;
    }
    std::string mantissa;
    std::size_t pointIndex = std::string::npos;
    std::size_t run = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos, ++run) {
        mantissa += text[pos];
    }
    while (run >= 1 && run <= 3 && pos < text.size() && IsGroupSeparator(text[pos], format) &&
           IsDigitGroup(text, pos + 1)) {
        mantissa.append(text.substr(pos + 1, 3));
        pos += 4;
        run = 3;
    }
    if (pos < text.size() && text[pos] == format.decimal) {
        pointIndex = mantissa.size();
        for (++pos; pos < text.size() && IsDigit(text[pos]); ++pos) {
            mantissa += text[pos];
        }
    }
    if (mantissa.empty()) {
        return std::nullopt;
    }
    n.end = pos;

    long long exponent = 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t q = pos + 1;
        bool exponentNegative = false;
        if (q < text.size() && (text[q] == '+' || text[q] == '-')) {
            exponentNegative = text[q] == '-';
            ++q;
        }
        if (q < text.size() && IsDigit(text[q])) {
            for (; q < text.size() && IsDigit(text[q]); ++q) {
                if (exponent < kExponentCeiling) {
                    exponent = exponent * 10 + (text[q] - '0');
                }
            }
            if (exponentNegative) {
                exponent = -exponent;
            }
            n.end = q;
        }
    }

    if (pointIndex == std::string::npos) {
        pointIndex = mantissa.size();
    }
    const std::size_t firstNonZero = mantissa.find_first_not_of('0');
    if (firstNonZero != std::string::npos) {
        n.leadingPlace = static_cast<long long>(pointIndex) - static_cast<long long>(firstNonZero) -
                         1 + exponent;
    }
    n.normalized = n.negative ? "-" : "";
    n.normalized.append(mantissa, 0, pointIndex);
    n.normalized += '.';
    n.normalized.append(mantissa, pointIndex, std::string::npos);
    n.normalized += 'e';
    n.normalized += std::to_string(exponent);
    return n;
}

struct Conversion {
    double value = 0.0;
    bool overflow = false;
};

Conversion Convert(const ScannedNumber& n) {
    Conversion c;
    const char* first = n.normalized.data();
    const char* last = first + n.normalized.size();
    // from_chars ignores the C locale, which Qt sets from the user's settings.
    const auto result = std::from_chars(first, last, c.value);
    if (result.ec == std::errc::result_out_of_range) {
        c.overflow = n.leadingPlace >= 0;
        const double limit = c.overflow ? std::numeric_limits<double>::infinity() : 0.0;
        c.value = n.negative ? -limit : limit;
    }
    return c;
}

// The numbers a text is read as: its reading, and its group reading where a lone separator
// could also group.
struct Readings {
    std::optional<ScannedNumber> number;
    std::optional<ScannedNumber> grouped;
};

// The number the text begins with, as the separators it holds are read.
Readings LeadingNumber(std::string_view text, NumberSeparators separators) {
    const TypedReading reading = ReadingFor(text, separators);
    Readings readings{ScanNumber(text, 0, reading.format), std::nullopt};
    if (readings.number && reading.grouped) {
        readings.grouped = ScanNumber(text, 0, *reading.grouped);
        if (readings.grouped && readings.grouped->end != readings.number->end) {
            readings.grouped.reset();
        }
    }
    return readings;
}

// The readings of a text that is one number as a whole.
Readings WholeNumber(std::string_view text, NumberSeparators separators) {
    Readings readings = LeadingNumber(text, separators);
    if (!readings.number || readings.number->end != text.size()) return {};
    return readings;
}

template <typename T>
std::string RoundTripText(T value, int precision, int maxDigits) {
    if (!std::isfinite(value)) {
        return Format(value, "");
    }
    std::string text;
    for (int digits = precision; digits <= maxDigits; ++digits) {
        text = GeneralNumberText(ToDecimal(static_cast<double>(value), digits), precision, '.');
        const double back = ValNumber(text);
        if (std::fabs(back) <= static_cast<double>(std::numeric_limits<T>::max()) &&
            static_cast<T>(back) == value) {
            break;
        }
    }
    return text;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text, NumberSeparators separators) {
    const Readings readings = WholeNumber(Trimmed(text), separators);
    if (!readings.number || readings.grouped) return std::nullopt;
    const Conversion c = Convert(*readings.number);
    if (c.overflow) return std::nullopt;
    return c.value;
}

std::optional<AcceptedNumber> AcceptNumber(std::string_view text, NumberSeparators separators) {
    const std::string_view trimmed = Trimmed(text);
    const auto accept = [](const Readings& readings, NumberSource source,
                           std::optional<std::string> rewrite) -> std::optional<AcceptedNumber> {
        const Conversion c = Convert(*readings.number);
        if (c.overflow) return std::nullopt;
        AcceptedNumber accepted{c.value, source, std::move(rewrite), std::nullopt};
        if (readings.grouped) accepted.groupedReading = Convert(*readings.grouped).value;
        return accepted;
    };
    if (const Readings whole = WholeNumber(trimmed, separators); whole.number) {
        return accept(whole, NumberSource::kDirect, std::nullopt);
    }
    // The number is read again as the box will show it, so that the two never differ; a
    // separator it ends with goes when the number alone reads without it ("1," in English).
    if (const Readings leading = LeadingNumber(trimmed, separators); leading.number) {
        std::string_view number = trimmed.substr(0, leading.number->end);
        Readings alone = WholeNumber(number, separators);
        while (!alone.number && !number.empty() && (number.back() == '.' || number.back() == ',')) {
            number.remove_suffix(1);
            alone = WholeNumber(number, separators);
        }
        if (alone.number) return accept(alone, NumberSource::kLeadingNumber, std::string(number));
    }

    std::string cleaned;
    for (const char c : text) {
        if (IsDigit(c) || c == '.' || c == ',' || c == '+' || c == '-') {
            cleaned += c;
        }
    }
    const Readings readings = WholeNumber(cleaned, separators);
    if (!readings.number) {
        return std::nullopt;
    }
    return accept(readings, NumberSource::kCleaned,
                  cleaned != text ? std::optional<std::string>(cleaned) : std::nullopt);
}

bool SameValue(double a, double b) {
    if (a == 0.0 || b == 0.0) {
        return a == 0.0 && b == 0.0;
    }
    return std::fabs(a - b) <= kSameValueTolerance;
}

double ValNumber(std::string_view text) {
    const std::optional<ScannedNumber> n = ScanNumber(text, SkipBlanks(text, 0), kFileFormat);
    return n ? Convert(*n).value : 0.0;
}

std::string NumberText(double value) {
    return RoundTripText(value, kDoubleDigits, 17);
}

// Next to FLT_MAX, 9 digits rounded half away can read back above FLT_MAX, which readers that
// store into a float reject; 17 digits always give the exact double of the float.
std::string NumberText(float value) {
    return RoundTripText(value, kSingleDigits, 17);
}

}  // namespace lumarik
