#include "core/format/Format.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

namespace lumarik {

namespace {

// A value beyond a pattern's decimals shows with up to this many decimals, a smaller one in
// exponent form.
constexpr int kMostWidenedDecimals = 6;

// Collects a text in place and moves it to the heap only when it grows long (the 309 integer
// digits of a large double, a long pattern), so that a display text costs at most the one
// allocation of the returned string.
class TextBuffer {
public:
    void Put(char c) {
        if (m_size < kCapacity) {
            m_short[m_size++] = c;
            return;
        }
        if (m_long.empty()) {
            m_long.assign(m_short.data(), kCapacity);
        }
        m_long += c;
    }

    void Put(const char* text, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            Put(text[i]);
        }
    }

    void PutRepeated(char c, long long count) {
        for (long long i = 0; i < count; ++i) {
            Put(c);
        }
    }

    // Writes |value| in decimal, with leading zeros up to minDigits.
    void PutMagnitude(long long value, long long minDigits) {
        std::array<char, 24> digits{};
        std::size_t count = 0;
        unsigned long long rest = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                            : static_cast<unsigned long long>(value);
        do {
            digits[count++] = static_cast<char>('0' + rest % 10);
            rest /= 10;
        } while (rest != 0);
        PutRepeated('0', minDigits - static_cast<long long>(count));
        while (count > 0) {
            Put(digits[--count]);
        }
    }

    std::string Take() {
        if (m_long.empty()) {
            return std::string(m_short.data(), m_size);
        }
        return std::move(m_long);
    }

private:
    static constexpr std::size_t kCapacity = 64;
    std::array<char, kCapacity> m_short;
    std::size_t m_size = 0;
    std::string m_long;
};

enum class TokenKind { kLiteral, kIntDigit, kFracDigit, kPoint, kExponent };

struct Token {
    TokenKind kind = TokenKind::kLiteral;
    char c = 0;     // the literal, the placeholder ('0' / '#') or the exponent letter
    int index = 0;  // a placeholder's place within its part, counted from the left
    // Exponent only: "e+" (sign always shown) and its '0' placeholders.
    bool signAlways = false;
    int zeros = 0;
};

bool IsPlaceholder(char c) {
    return c == '0' || c == '#';
}

// Takes one section of a display pattern apart, token by token, from the left. Both the pass
// that measures a section and the one that writes the text walk it this way, so the pattern
// is never copied.
template <typename Visit>
void WalkSection(std::string_view text, Visit&& visit) {
    enum class Part { kInteger, kFraction, kAfterExponent };
    Part part = Part::kInteger;
    int intCount = 0;
    int fracCount = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (part == Part::kInteger && IsPlaceholder(c)) {
            visit(Token{TokenKind::kIntDigit, c, intCount++});
        } else if (part == Part::kFraction && IsPlaceholder(c)) {
            visit(Token{TokenKind::kFracDigit, c, fracCount++});
        } else if (part == Part::kInteger && c == '.') {
            visit(Token{TokenKind::kPoint, c});
            part = Part::kFraction;
        } else if (part != Part::kAfterExponent && intCount + fracCount > 0 &&
                   (c == 'e' || c == 'E') && i + 2 < text.size() &&
                   (text[i + 1] == '+' || text[i + 1] == '-') && IsPlaceholder(text[i + 2])) {
            int zeros = 0;
            std::size_t j = i + 2;
            for (; j < text.size() && IsPlaceholder(text[j]); ++j) {
                zeros += text[j] == '0';
            }
            visit(Token{TokenKind::kExponent, c, 0, text[i + 1] == '+', zeros});
            i = j - 1;
            part = Part::kAfterExponent;
        } else {
            visit(Token{TokenKind::kLiteral, c});
        }
    }
}

// What the digits of a section depend on.
struct Layout {
    int intCount = 0;   // placeholders before the point
    int intMin = 0;     // integer digits always shown: placeholders from the first '0' on
    int fracCount = 0;  // placeholders after the point
    int fracMin = 0;    // decimals always shown: up to the last '0'
    bool exponent = false;
    char exponentLetter = 'e';
    bool exponentSignAlways = false;
    int exponentMin = 1;
    // A placeholder or point, before which a minus goes; without one it leads the text.
    bool hasNumber = false;
};

Layout Measure(std::string_view section) {
    Layout s;
    int firstZero = -1;
    WalkSection(section, [&](const Token& t) {
        switch (t.kind) {
            case TokenKind::kLiteral:
                break;
            case TokenKind::kIntDigit:
                if (t.c == '0' && firstZero < 0) {
                    firstZero = t.index;
                }
                s.intCount = t.index + 1;
                s.hasNumber = true;
                break;
            case TokenKind::kFracDigit:
                if (t.c == '0') {
                    s.fracMin = t.index + 1;
                }
                s.fracCount = t.index + 1;
                s.hasNumber = true;
                break;
            case TokenKind::kPoint:
                s.hasNumber = true;
                break;
            case TokenKind::kExponent:
                s.exponent = true;
                s.exponentLetter = t.c;
                s.exponentSignAlways = t.signAlways;
                s.exponentMin = std::max(t.zeros, 1);
                break;
        }
    });
    s.intMin = firstZero < 0 ? 0 : s.intCount - firstZero;
    return s;
}

// The digit of d at position index (0: the leading one), '0' outside its digits.
char DigitAtIndex(const ShortDecimal& d, long long index) {
    if (index < 0 || index >= d.size) {
        return '0';
    }
    return d.digits[static_cast<std::size_t>(index)];
}

// d is the magnitude, already rounded to the significant digits of its type.
std::string Render(std::string_view section, ShortDecimal d, bool minus, char decimalSep) {
    const Layout s = Measure(section);

    // The integer digits are `intPad` zeros and then d's digits from the leading one on
    // (zeros beyond them), `rawIntSize` in all; the decimals are d's digits from `fracBase`.
    long long rawIntSize = 0;
    long long fracBase = 0;
    long long shownExponent = 0;
    if (s.exponent) {
        // Mantissa with intCount digits before the point: d1..d(intCount) . next fracCount.
        if (!d.IsZero()) {
            RoundToDigits(d, s.intCount + s.fracCount);
            shownExponent = static_cast<long long>(d.exponent) + 1 - s.intCount;
            rawIntSize = s.intCount;
        }
        fracBase = s.intCount;
    } else {
        RoundToDecimals(d, s.fracCount);
        if (!d.IsZero() && d.exponent >= 0) {
            rawIntSize = static_cast<long long>(d.exponent) + 1;
        }
        fracBase = static_cast<long long>(d.exponent) + 1;
    }
    long long fracSize = s.fracCount;
    while (fracSize > s.fracMin && DigitAtIndex(d, fracBase + fracSize - 1) == '0') {
        --fracSize;
    }
    const long long intPad = std::max(0LL, s.intMin - rawIntSize);
    const long long intSize = rawIntSize + intPad;

    TextBuffer out;
    const auto putIntDigits = [&](long long from, long long to) {
        for (long long j = from; j < to; ++j) {
            out.Put(j < intPad ? '0' : DigitAtIndex(d, j - intPad));
        }
    };
    bool minusPending = minus;
    if (minusPending && !s.hasNumber) {
        out.Put('-');
        minusPending = false;
    }
    const auto startNumber = [&]() {
        if (minusPending) {
            out.Put('-');
            minusPending = false;
        }
    };
    // Integer digits fill the placeholders from the right; the leftmost one takes the excess.
    WalkSection(section, [&](const Token& t) {
        switch (t.kind) {
            case TokenKind::kLiteral:
                out.Put(t.c);
                break;
            case TokenKind::kIntDigit: {
                startNumber();
                const long long fromRight = s.intCount - 1 - t.index;
                if (t.index == 0) {
                    putIntDigits(0, intSize - fromRight);
                } else if (intSize - 1 - fromRight >= 0) {
                    putIntDigits(intSize - 1 - fromRight, intSize - fromRight);
                }
                break;
            }
            case TokenKind::kPoint:
                startNumber();
                if (s.intCount == 0) {
                    putIntDigits(0, intSize);
                }
                out.Put(decimalSep);
                break;
            case TokenKind::kFracDigit:
                startNumber();
                if (t.index < fracSize) {
                    out.Put(DigitAtIndex(d, fracBase + t.index));
                }
                break;
            case TokenKind::kExponent:
                out.Put(s.exponentLetter);
                if (shownExponent < 0) {
                    out.Put('-');
                } else if (s.exponentSignAlways) {
                    out.Put('+');
                }
                out.PutMagnitude(shownExponent, s.exponentMin);
                break;
        }
    });
    return out.Take();
}

// The general number text of digits[0, size) * 10^exponent (see GeneralNumberText).
std::string GeneralText(const char* digits, std::size_t size, int exponent, bool negative,
                        int precision, char decimalSep) {
    if (size == 0) {
        return "0";
    }
    TextBuffer out;
    if (negative) {
        out.Put('-');
    }
    if (exponent >= precision || exponent < -4) {
        out.Put(digits[0]);
        if (size > 1) {
            out.Put(decimalSep);
            out.Put(digits + 1, size - 1);
        }
        out.Put('E');
        out.Put(exponent < 0 ? '-' : '+');
        out.PutMagnitude(exponent, 2);
    } else if (exponent < 0) {
        out.Put('0');
        out.Put(decimalSep);
        out.PutRepeated('0', -exponent - 1);
        out.Put(digits, size);
    } else {
        const std::size_t intSize = static_cast<std::size_t>(exponent) + 1;
        if (size <= intSize) {
            out.Put(digits, size);
            out.PutRepeated('0', static_cast<long long>(intSize - size));
        } else {
            out.Put(digits, intSize);
            out.Put(decimalSep);
            out.Put(digits + intSize, size - intSize);
        }
    }
    return out.Take();
}

std::string NonFiniteText(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    return value < 0 ? "-Inf" : "Inf";
}

// Whether the section would show d as zero: every significant digit lies beyond its decimals.
bool ShowsAsZero(const Layout& layout, const ShortDecimal& d) {
    if (d.IsZero() || layout.exponent || !layout.hasNumber) return false;
    const int lastShown = -layout.fracCount;  // the power of the last decimal shown
    return d.exponent < lastShown - 1 || (d.exponent == lastShown - 1 && d.digits[0] < '5');
}

// The section with its number part rewritten: `decimals` '0' decimals (a point added where
// there is none), or, with exponentForm, "0.0e-0"; without its exponent when dropExponent.
// Literals stay where they are.
std::string Rewritten(std::string_view section, int decimals, bool exponentForm,
                      bool dropExponent) {
    std::string out;
    bool numberWritten = false;
    bool pointSeen = false;
    std::size_t afterInteger = std::string::npos;
    WalkSection(section, [&](const Token& t) {
        switch (t.kind) {
            case TokenKind::kLiteral:
                out += t.c;
                break;
            case TokenKind::kIntDigit:
            case TokenKind::kPoint:
            case TokenKind::kFracDigit:
                if (exponentForm) {
                    if (!numberWritten) out += "0.0e-0";
                    numberWritten = true;
                } else if (t.kind == TokenKind::kIntDigit) {
                    out += t.c;
                    afterInteger = out.size();
                } else if (t.kind == TokenKind::kPoint) {
                    out += '.';
                    out.append(static_cast<std::size_t>(decimals), '0');
                    pointSeen = true;
                }
                break;
            case TokenKind::kExponent:
                if (!dropExponent) {
                    out += t.c;
                    out += t.signAlways ? '+' : '-';
                    out.append(static_cast<std::size_t>(std::max(t.zeros, 1)), '0');
                }
                break;
        }
    });
    if (!exponentForm && !pointSeen && decimals > 0 && afterInteger != std::string::npos) {
        out.insert(afterInteger, "." + std::string(static_cast<std::size_t>(decimals), '0'));
    }
    return out;
}

thread_local int fullPrecisionScopes = 0;

// The section's literals before its first placeholder, the number in general form, and the
// literals after its last placeholder or exponent.
std::string FullPrecisionText(std::string_view section, double value, bool minus, char decimalSep) {
    std::string prefix, suffix;
    bool numberSeen = false;
    WalkSection(section, [&](const Token& t) {
        if (t.kind != TokenKind::kLiteral) {
            numberSeen = true;
            suffix.clear();
        } else {
            (numberSeen ? suffix : prefix) += t.c;
        }
    });
    const ShortDecimal d = ToShortDecimal(std::fabs(value), kExportDigits);
    return prefix +
           GeneralText(d.digits.data(), static_cast<std::size_t>(d.size), d.exponent, minus,
                       kExportDigits, decimalSep) +
           suffix;
}

// value is the exact value of the double or float; precision its significant digits.
std::string FormatWithPrecision(double value, int precision, std::string_view pattern,
                                char decimalSep) {
    if (!std::isfinite(value)) {
        return NonFiniteText(value);
    }
    // Up to three sections; anything after a third ';' is ignored.
    std::array<std::string_view, 3> sections;
    std::size_t sectionCount = 0;
    for (std::size_t start = 0; sectionCount < sections.size();) {
        const std::size_t end = pattern.find(';', start);
        sections[sectionCount++] =
            pattern.substr(start, end == std::string_view::npos ? end : end - start);
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    const bool negative = value < 0;
    std::string_view section = sections[0];
    bool minus = negative;
    bool zeroSection = false;
    if (negative && sectionCount > 1 && !sections[1].empty()) {
        section = sections[1];
        minus = false;
    } else if (value == 0 && sectionCount > 2 && !sections[2].empty()) {
        section = sections[2];
        zeroSection = true;
    }

    if (fullPrecisionScopes > 0 && !zeroSection) {
        return FullPrecisionText(section, value, minus && value != 0, decimalSep);
    }
    ShortDecimal d = ToShortDecimal(value, precision);
    if (section.empty()) {
        return GeneralText(d.digits.data(), static_cast<std::size_t>(d.size), d.exponent, negative,
                           precision, decimalSep);
    }
    // No nonzero value looks like zero: one beyond the section's decimals keeps two significant
    // digits, in decimals down to the sixth and in exponent form below. An exact zero of an
    // exponent section reads as the zero of its mantissa ("0.0mm", not "0.0e+0mm").
    const Layout layout = Measure(section);
    if (d.IsZero() && layout.exponent) {
        return Render(Rewritten(section, layout.fracCount, false, true), d, minus, decimalSep);
    }
    if (ShowsAsZero(layout, d)) {
        const int decimals = 1 - d.exponent;
        const bool exponentForm = decimals > kMostWidenedDecimals;
        return Render(Rewritten(section, decimals, exponentForm, false), d, minus, decimalSep);
    }
    return Render(section, d, minus, decimalSep);
}

}  // namespace

std::string Format(double value, std::string_view pattern, char decimalSep) {
    return FormatWithPrecision(value, kDoubleDigits, pattern, decimalSep);
}

std::string Format(float value, std::string_view pattern, char decimalSep) {
    return FormatWithPrecision(static_cast<double>(value), kSingleDigits, pattern, decimalSep);
}

FullPrecisionNumbers::FullPrecisionNumbers() {
    ++fullPrecisionScopes;
}

FullPrecisionNumbers::~FullPrecisionNumbers() {
    --fullPrecisionScopes;
}

std::string GeneralNumberText(const DecimalDigits& d, int precision, char decimalSep) {
    return GeneralText(d.digits.data(), d.digits.size(), d.exponent, d.negative, precision,
                       decimalSep);
}

}  // namespace lumarik
