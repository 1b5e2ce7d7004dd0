#include "core/format/Rounding.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>
#include <system_error>

#include "core/model/Calc.h"

namespace lumarik {

namespace {

// A double is M * 2^(e - 53) with an integer M < 2^53 (frexp's e); its exact expansion has at
// most 53 - e places after the point, of which about -e * log10(2) are leading zeros, and at
// most e * log10(2) + 1 places before it. The largest bound (denormals) is about 806.
constexpr int kMaxExactDigits = 820;

int ExactDigitBound(double x) {
    int e = 0;
    std::frexp(x, &e);
    const int fractionPlaces = e >= 53 ? 0 : 53 - e;
    const int bound = fractionPlaces + static_cast<int>(e * 0.30103) + 4;
    return std::clamp(bound, 1, kMaxExactDigits);
}

void TrimTrailingZeros(DecimalDigits& d) {
    const std::size_t last = d.digits.find_last_not_of('0');
    d.digits.erase(last == std::string::npos ? 0 : last + 1);
    if (d.digits.empty()) {
        d.exponent = 0;
    }
}

}  // namespace

DecimalDigits ExactDecimal(double x) {
    DecimalDigits d;
    d.negative = std::signbit(x);
    if (x == 0.0 || !std::isfinite(x)) {
        return d;
    }
    // to_chars is independent of the C locale (Qt sets LC_NUMERIC from the user's settings).
    std::array<char, kMaxExactDigits + 16> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(x),
                                      std::chars_format::scientific, ExactDigitBound(x) - 1);
    if (result.ec != std::errc()) {
        return d;
    }
    // Output: d[.ddd]e(+|-)xx
    const char* p = buffer.data();
    const char* end = result.ptr;
    for (; p != end && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') {
            d.digits += *p;
        }
    }
    if (p == end) {
        return DecimalDigits{d.negative, {}, 0};
    }
    int exponent = 0;
    std::from_chars(p + 1 + (p + 1 != end && p[1] == '+'), end, exponent);
    d.exponent = exponent;
    TrimTrailingZeros(d);
    return d;
}

DecimalDigits ToDecimal(double x, int significant) {
    DecimalDigits d = ExactDecimal(x);
    RoundToDigits(d, std::max(significant, 1));
    return d;
}

void RoundToDigits(DecimalDigits& d, int count) {
    if (d.IsZero() || count >= static_cast<int>(d.digits.size())) {
        return;
    }
    if (count < 0) {
        d.digits.clear();
        d.exponent = 0;
        return;
    }
    const bool up = d.digits[static_cast<std::size_t>(count)] >= '5';
    d.digits.resize(static_cast<std::size_t>(count));
    if (up) {
        int i = count - 1;
        for (; i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9'; --i) {
            d.digits[static_cast<std::size_t>(i)] = '0';
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        } else {
            ++d.digits[static_cast<std::size_t>(i)];
        }
    }
    TrimTrailingZeros(d);
}

void RoundToDecimals(DecimalDigits& d, int decimals) {
    if (d.IsZero()) {
        return;
    }
    const long long count = static_cast<long long>(d.exponent) + 1 + decimals;
    if (count >= static_cast<long long>(d.digits.size())) {
        return;
    }
    RoundToDigits(d, count < 0 ? -1 : static_cast<int>(count));
}

double ToDouble(const DecimalDigits& d) {
    if (d.IsZero()) {
        return d.negative ? -0.0 : 0.0;
    }
    std::string text = d.negative ? "-" : "";
    text += d.digits;
    text += 'e';
    // The digits stand for d1.d2d3..., the text for the integer d1d2d3...
    text += std::to_string(static_cast<long long>(d.exponent) -
                           static_cast<long long>(d.digits.size() - 1));
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (d.exponent > 0) {
            throw CalcError("Überlauf");
        }
        return d.negative ? -0.0 : 0.0;
    }
    return value;
}

double RoundHalfAway(double x, int decimals) {
    if (!std::isfinite(x)) {
        return x;
    }
    DecimalDigits d = ToDecimal(x, kDoubleDigits);
    RoundToDecimals(d, decimals);
    return ToDouble(d);
}

float RoundHalfAway(float x, int decimals) {
    if (!std::isfinite(x)) {
        return x;
    }
    DecimalDigits d = ToDecimal(x, kSingleDigits);
    RoundToDecimals(d, decimals);
    const double value = ToDouble(d);
    if (std::fabs(value) > FLT_MAX) {
        throw CalcError("Überlauf");
    }
    return static_cast<float>(value);
}

long RoundHalfEven(double x) {
    if (std::isnan(x)) {
        throw CalcError("Ungültiger Wert");
    }
    // Exact for every double: below 2^52 the difference x - floor(x) is representable, above
    // it x is already an integer.
    const double lower = std::floor(x);
    const double rest = x - lower;
    double rounded = lower + 1.0;
    if (rest < 0.5 || (rest == 0.5 && std::fmod(lower, 2.0) == 0.0)) {
        rounded = lower;
    }
    // -(min of long) is a power of two and therefore exact as a double.
    constexpr double kLimit = -static_cast<double>(std::numeric_limits<long>::min());
    if (!(rounded >= -kLimit && rounded < kLimit)) {
        throw CalcError("Überlauf");
    }
    return static_cast<long>(rounded);
}

}  // namespace lumarik
