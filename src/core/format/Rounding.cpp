#include "core/format/Rounding.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <system_error>

#include "core/numeric/Calc.h"

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

// Keeps digits[0, count) of digits[0, size), 0 <= count < size, rounding half away from zero
// on digits[count], and drops trailing zeros; returns the new size (0: zero, exponent 0 then).
// A carry through all digits leaves "1" one place higher (0.95 -> 1).
int RoundDigitSpan(char* digits, int count, int& exponent) {
    int size = count;
    if (digits[count] >= '5') {
        int i = count - 1;
        while (i >= 0 && digits[i] == '9') {
            --i;
        }
        if (i < 0) {
            digits[0] = '1';
            ++exponent;
            return 1;
        }
        ++digits[i];
        // The nines after i turned into zeros, which are dropped.
        size = i + 1;
    }
    while (size > 0 && digits[size - 1] == '0') {
        --size;
    }
    if (size == 0) {
        exponent = 0;
    }
    return size;
}

// Digits beyond the kept ones that RoundByGuardDigits has to_chars produce.
constexpr int kGuardDigits = 3;

// 10^0 .. 10^22, all exact doubles (5^22 < 2^53).
constexpr std::array<double, 23> kExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Up to 15 digits the scaled value stays below 2^52, where the steps below are exact.
constexpr int kMaxProductDigits = 15;

// Whether hi + lo >= bound, where hi is hi + lo rounded to nearest and bound a double:
// rounding never carries a value past a double, so lo only counts when hi == bound.
bool AtLeast(double hi, double lo, double bound) {
    return hi > bound || (hi == bound && lo >= 0.0);
}

}  // namespace

bool RoundByExactProduct(double x, int kept, ShortDecimal& d) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    if (kept > kMaxProductDigits || biased == 0) {
        return false;
    }
    const double lower = kExactPowersOfTen[static_cast<std::size_t>(kept - 1)];
    const double upper = kExactPowersOfTen[static_cast<std::size_t>(kept)];
    int exponent = FloorLog10Pow2(biased - 1023);  // the decimal exponent, or one less
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int k = kept - 1 - exponent;
        if (k < 0 || k >= static_cast<int>(kExactPowersOfTen.size())) {
            return false;
        }
        const double scale = kExactPowersOfTen[static_cast<std::size_t>(k)];
        const double hi = x * scale;
        const double lo = std::fma(x, scale, -hi);
        if (AtLeast(hi, lo, upper)) {
            ++exponent;
            continue;
        }
        if (!AtLeast(hi, lo, lower)) {
            --exponent;
            continue;
        }
        // hi < 2^52, so the fraction f of hi and f - 1/2 are exact, and the rounded sum
        // (f - 1/2) + lo has the sign of the exact one: no error to allow for, a tie included.
        const auto whole = static_cast<std::uint64_t>(hi);
        const double fraction = hi - static_cast<double>(whole);
        std::uint64_t n = whole + ((fraction - 0.5) + lo >= 0.0 ? 1 : 0);
        if (static_cast<double>(n) == upper) {
            d.digits[0] = '1';
            d.size = 1;
            d.exponent = exponent + 1;
            return true;
        }
        for (int i = kept - 1; i >= 0; --i) {
            d.digits[static_cast<std::size_t>(i)] = static_cast<char>('0' + n % 10);
            n /= 10;
        }
        d.size = kept;
        while (d.digits[static_cast<std::size_t>(d.size - 1)] == '0') {
            --d.size;
        }
        d.exponent = exponent;
        return true;
    }
    return false;
}

namespace {

// x > 0 rounded half away from zero to `kept` digits into d through to_chars, which rounds to
// nearest, ties to even, on the exact value; it is asked for kGuardDigits (G) more digits than
// are kept (P). Scaled so that those P + G digits form an integer, the exact value v lies
// within 1/2 of the integer N that to_chars gives. The P-digit results change at the integers
// B = k * 10^G + 5 * 10^(G-1) ("...500"); when N is not such a B, |N - B| >= 1 puts v on the
// same side of every B as N, so rounding N's digits half away from zero is rounding v's. Only
// a tail of exactly "500" leaves the side open (v may be the tie itself or lie just beside
// it): false then, and the exact expansion decides. When to_chars carries into a new leading
// digit (9.99...97 -> 1.00...0e+1), v lies within half a unit of the last generated digit
// below that power of ten, closer than half a unit of its own P-th digit, so v rounds up to
// the same power.
bool RoundByGuardDigits(double x, int kept, ShortDecimal& d) {
    constexpr int kDigitCount = kMaxShortDigits + kGuardDigits;
    // d.ddd...e-324 at the most
    std::array<char, kDigitCount + 8> buffer{};
    const int generated = kept + kGuardDigits;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                      std::chars_format::scientific, generated - 1);
    if (result.ec != std::errc()) {
        return false;
    }
    std::array<char, kDigitCount> digits{};
    digits[0] = buffer[0];
    std::copy(buffer.data() + 2, buffer.data() + 1 + generated, digits.data() + 1);
    const char* tail = digits.data() + kept;
    if (tail[0] == '5' &&
        std::all_of(tail + 1, tail + kGuardDigits, [](char c) { return c == '0'; })) {
        return false;
    }
    const char* p = buffer.data() + 1 + generated;  // at the 'e'
    const bool exponentNegative = p[1] == '-';
    int exponent = 0;
    for (p += 2; p != result.ptr; ++p) {
        exponent = exponent * 10 + (*p - '0');
    }
    d.exponent = exponentNegative ? -exponent : exponent;
    d.size = RoundDigitSpan(digits.data(), kept, d.exponent);
    std::copy(digits.data(), digits.data() + d.size, d.digits.begin());
    return true;
}

}  // namespace

int FloorLog10Pow2(int e) {
    const int scaled = e * 78913;  // 78913 / 2^18 lies just below log10(2)
    return scaled >= 0 ? scaled / 262144 : scaled / 262144 - (scaled % 262144 != 0);
}

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
    significant = std::max(significant, 1);
    if (significant <= kMaxShortDigits) {
        const ShortDecimal s = ToShortDecimal(x, significant);
        return DecimalDigits{s.negative, std::string(s.digits.data(), s.digits.data() + s.size),
                             s.exponent};
    }
    DecimalDigits d = ExactDecimal(x);
    RoundToDigits(d, significant);
    return d;
}

ShortDecimal ToShortDecimal(double x, int significant) {
    ShortDecimal d;
    d.negative = std::signbit(x);
    if (x == 0.0 || !std::isfinite(x)) {
        return d;
    }
    const int kept = std::clamp(significant, 1, kMaxShortDigits);
    const double magnitude = std::fabs(x);
    if (RoundByExactProduct(magnitude, kept, d) || RoundByGuardDigits(magnitude, kept, d)) {
        return d;
    }
    DecimalDigits exact = ExactDecimal(x);
    RoundToDigits(exact, kept);
    std::copy(exact.digits.begin(), exact.digits.end(), d.digits.begin());
    d.size = static_cast<int>(exact.digits.size());
    d.exponent = exact.exponent;
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
    d.digits.resize(static_cast<std::size_t>(RoundDigitSpan(&d.digits[0], count, d.exponent)));
}

void RoundToDigits(ShortDecimal& d, int count) {
    if (d.IsZero() || count >= d.size) {
        return;
    }
    if (count < 0) {
        d.size = 0;
        d.exponent = 0;
        return;
    }
    d.size = RoundDigitSpan(d.digits.data(), count, d.exponent);
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

void RoundToDecimals(ShortDecimal& d, int decimals) {
    if (d.IsZero()) {
        return;
    }
    const long long count = static_cast<long long>(d.exponent) + 1 + decimals;
    if (count >= d.size) {
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
