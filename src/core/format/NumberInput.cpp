#include "core/format/NumberInput.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

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

bool IsSeparator(char c, char decimalSep) {
    if (c == '.') {
        return true;
    }
    const bool usable = !IsDigit(decimalSep) && !IsBlank(decimalSep) && decimalSep != '+' &&
                        decimalSep != '-' && decimalSep != 'e' && decimalSep != 'E';
    return usable && c == decimalSep;
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    return pos;
}

// A number found in a text, in the form from_chars reads (sign, digits, '.', 'e', exponent).
struct ScannedNumber {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::string normalized;
    bool negative = false;
    // Decimal place (10^place) of the first non-zero digit, exponent included; decides
    // whether a number out of range is too large or too small.
    long long leadingPlace = 0;
};

// The longest number starting exactly at pos: [sign] digits [sep digits] [e [sign] digits],
// with at least one mantissa digit; an incomplete exponent is left out.
std::optional<ScannedNumber> ScanNumber(std::string_view text, std::size_t pos, char decimalSep) {
    // Keeps exponents far beyond any double's range from overflowing the counter.
    constexpr long long kExponentCeiling = 1000000000;
    ScannedNumber n;
    n.begin = pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        n.negative = text[pos] == '-';
        ++pos;
    }
    std::string mantissa;
    std::size_t pointIndex = std::string::npos;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        mantissa += text[pos];
    }
    if (pos < text.size() && IsSeparator(text[pos], decimalSep)) {
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

std::optional<double> ParseNumber(std::string_view text, char decimalSep) {
    const std::optional<ScannedNumber> n = ScanNumber(text, SkipBlanks(text, 0), decimalSep);
    if (!n || SkipBlanks(text, n->end) != text.size()) {
        return std::nullopt;
    }
    const Conversion c = Convert(*n);
    if (c.overflow) {
        return std::nullopt;
    }
    return c.value;
}

std::optional<AcceptedNumber> AcceptNumber(std::string_view text, char decimalSep) {
    const std::optional<ScannedNumber> n = ScanNumber(text, SkipBlanks(text, 0), decimalSep);
    if (n) {
        const Conversion c = Convert(*n);
        if (c.overflow) {
            return std::nullopt;
        }
        AcceptedNumber accepted;
        accepted.value = c.value;
        if (SkipBlanks(text, n->end) != text.size()) {
            accepted.source = NumberSource::kLeadingNumber;
            accepted.rewrite = std::string(text.substr(n->begin, n->end - n->begin));
        }
        return accepted;
    }

    std::string cleaned;
    for (const char c : text) {
        if (IsDigit(c) || c == '.' || c == ',' || c == '+' || c == '-') {
            cleaned += c;
        }
    }
    const std::optional<double> value = ParseNumber(cleaned, decimalSep);
    if (!value) {
        return std::nullopt;
    }
    AcceptedNumber accepted;
    accepted.value = *value;
    accepted.source = NumberSource::kCleaned;
    if (cleaned != text) {
        accepted.rewrite = cleaned;
    }
    return accepted;
}

bool SameValue(double a, double b) {
    if (a == 0.0 || b == 0.0) {
        return a == 0.0 && b == 0.0;
    }
    return std::fabs(a - b) <= kSameValueTolerance;
}

double ValNumber(std::string_view text) {
    const std::optional<ScannedNumber> n = ScanNumber(text, SkipBlanks(text, 0), '.');
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
