#include "core/format/Format.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <vector>

namespace lumarik {

namespace {

enum class TokenKind { kLiteral, kIntDigit, kFracDigit, kPoint, kExponent };

struct Token {
    TokenKind kind = TokenKind::kLiteral;
    char c = 0;     // the literal, or the placeholder ('0' / '#')
    int index = 0;  // a placeholder's place within its part, counted from the left
};

// One section of a display pattern, taken apart.
struct Section {
    std::vector<Token> tokens;
    int intCount = 0;   // placeholders before the point
    int intMin = 0;     // integer digits always shown: placeholders from the first '0' on
    int fracCount = 0;  // placeholders after the point
    int fracMin = 0;    // decimals always shown: up to the last '0'
    bool exponent = false;
    char exponentLetter = 'e';
    bool exponentSignAlways = false;
    int exponentMin = 1;
};

bool IsPlaceholder(char c) {
    return c == '0' || c == '#';
}

Section ParseSection(std::string_view text) {
    enum class Part { kInteger, kFraction, kAfterExponent };
    Section s;
    Part part = Part::kInteger;
    int firstZero = -1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (part == Part::kInteger && IsPlaceholder(c)) {
            if (c == '0' && firstZero < 0) {
                firstZero = s.intCount;
            }
            s.tokens.push_back({TokenKind::kIntDigit, c, s.intCount++});
        } else if (part == Part::kFraction && IsPlaceholder(c)) {
            if (c == '0') {
                s.fracMin = s.fracCount + 1;
            }
            s.tokens.push_back({TokenKind::kFracDigit, c, s.fracCount++});
        } else if (part == Part::kInteger && c == '.') {
            s.tokens.push_back({TokenKind::kPoint, c, 0});
            part = Part::kFraction;
        } else if (part != Part::kAfterExponent && s.intCount + s.fracCount > 0 &&
                   (c == 'e' || c == 'E') && i + 2 < text.size() &&
                   (text[i + 1] == '+' || text[i + 1] == '-') && IsPlaceholder(text[i + 2])) {
            s.exponent = true;
            s.exponentLetter = c;
            s.exponentSignAlways = text[i + 1] == '+';
            int zeros = 0;
            std::size_t j = i + 2;
            for (; j < text.size() && IsPlaceholder(text[j]); ++j) {
                zeros += text[j] == '0';
            }
            s.exponentMin = std::max(zeros, 1);
            s.tokens.push_back({TokenKind::kExponent, c, 0});
            i = j - 1;
            part = Part::kAfterExponent;
        } else {
            s.tokens.push_back({TokenKind::kLiteral, c, 0});
        }
    }
    s.intMin = firstZero < 0 ? 0 : s.intCount - firstZero;
    return s;
}

// The digit of d at the decimal place 10^place, '0' outside its digits.
char DigitAt(const DecimalDigits& d, long long place) {
    const long long index = static_cast<long long>(d.exponent) - place;
    if (index < 0 || index >= static_cast<long long>(d.digits.size())) {
        return '0';
    }
    return d.digits[static_cast<std::size_t>(index)];
}

std::string ExponentText(const Section& s, long long exponent) {
    std::string text(1, s.exponentLetter);
    if (exponent < 0) {
        text += '-';
    } else if (s.exponentSignAlways) {
        text += '+';
    }
    std::string digits = std::to_string(std::llabs(exponent));
    if (static_cast<int>(digits.size()) < s.exponentMin) {
        digits.insert(0, static_cast<std::size_t>(s.exponentMin) - digits.size(), '0');
    }
    return text + digits;
}

// d is the magnitude, already rounded to the significant digits of its type.
std::string Render(const Section& s, DecimalDigits d, bool minus, char decimalSep) {
    std::string intDigits;
    std::string fracDigits;
    std::string exponentText;
    if (s.exponent) {
        // Mantissa with intCount digits before the point: d1..d(intCount) . next fracCount.
        long long shownExponent = 0;
        if (!d.IsZero()) {
            RoundToDigits(d, s.intCount + s.fracCount);
            shownExponent = static_cast<long long>(d.exponent) + 1 - s.intCount;
            for (int i = 0; i < s.intCount; ++i) {
                intDigits += DigitAt(d, d.exponent - i);
            }
        }
        for (int i = 0; i < s.fracCount; ++i) {
            fracDigits += DigitAt(d, static_cast<long long>(d.exponent) - s.intCount - i);
        }
        exponentText = ExponentText(s, shownExponent);
    } else {
        RoundToDecimals(d, s.fracCount);
        for (long long place = d.exponent; place >= 0 && !d.IsZero(); --place) {
            intDigits += DigitAt(d, place);
        }
        for (int i = 1; i <= s.fracCount; ++i) {
            fracDigits += DigitAt(d, -i);
        }
    }
    while (static_cast<int>(fracDigits.size()) > s.fracMin && fracDigits.back() == '0') {
        fracDigits.pop_back();
    }
    if (static_cast<int>(intDigits.size()) < s.intMin) {
        intDigits.insert(0, static_cast<std::size_t>(s.intMin) - intDigits.size(), '0');
    }

    // Integer digits fill the placeholders from the right; the leftmost one takes the excess.
    const long long intSize = static_cast<long long>(intDigits.size());
    std::string out;
    bool minusPending = minus;
    const auto startNumber = [&]() {
        if (minusPending) {
            out += '-';
            minusPending = false;
        }
    };
    for (const Token& t : s.tokens) {
        switch (t.kind) {
            case TokenKind::kLiteral:
                out += t.c;
                break;
            case TokenKind::kIntDigit: {
                startNumber();
                const long long fromRight = s.intCount - 1 - t.index;
                if (t.index == 0) {
                    if (intSize > fromRight) {
                        out.append(intDigits, 0, static_cast<std::size_t>(intSize - fromRight));
                    }
                } else if (intSize - 1 - fromRight >= 0) {
                    out += intDigits[static_cast<std::size_t>(intSize - 1 - fromRight)];
                }
                break;
            }
            case TokenKind::kPoint:
                startNumber();
                if (s.intCount == 0) {
                    out += intDigits;
                }
                out += decimalSep;
                break;
            case TokenKind::kFracDigit:
                startNumber();
                if (t.index < static_cast<int>(fracDigits.size())) {
                    out += fracDigits[static_cast<std::size_t>(t.index)];
                }
                break;
            case TokenKind::kExponent:
                out += exponentText;
                break;
        }
    }
    if (minusPending) {
        out.insert(out.begin(), '-');
    }
    return out;
}

std::vector<std::string_view> SplitSections(std::string_view pattern) {
    std::vector<std::string_view> sections;
    std::size_t start = 0;
    while (sections.size() < 3) {
        const std::size_t end = pattern.find(';', start);
        sections.push_back(
            pattern.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return sections;
}

std::string NonFiniteText(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    return value < 0 ? "-Inf" : "Inf";
}

// value is the exact value of the double or float; precision its significant digits.
std::string FormatWithPrecision(double value, int precision, std::string_view pattern,
                                char decimalSep) {
    if (!std::isfinite(value)) {
        return NonFiniteText(value);
    }
    const std::vector<std::string_view> sections = SplitSections(pattern);
    const bool negative = value < 0;
    std::string_view section = sections[0];
    bool minus = negative;
    if (negative && sections.size() > 1 && !sections[1].empty()) {
        section = sections[1];
        minus = false;
    } else if (value == 0 && sections.size() > 2 && !sections[2].empty()) {
        section = sections[2];
    }

    DecimalDigits d = ToDecimal(value, precision);
    if (section.empty()) {
        d.negative = negative;
        return GeneralNumberText(d, precision, decimalSep);
    }
    d.negative = false;
    return Render(ParseSection(section), d, minus, decimalSep);
}

}  // namespace

std::string Format(double value, std::string_view pattern, char decimalSep) {
    return FormatWithPrecision(value, kDoubleDigits, pattern, decimalSep);
}

std::string Format(float value, std::string_view pattern, char decimalSep) {
    return FormatWithPrecision(static_cast<double>(value), kSingleDigits, pattern, decimalSep);
}

std::string GeneralNumberText(const DecimalDigits& d, int precision, char decimalSep) {
    if (d.IsZero()) {
        return "0";
    }
    std::string out = d.negative ? "-" : "";
    if (d.exponent >= precision || d.exponent < -4) {
        out += d.digits[0];
        if (d.digits.size() > 1) {
            out += decimalSep;
            out.append(d.digits, 1, std::string::npos);
        }
        out += 'E';
        out += d.exponent < 0 ? '-' : '+';
        const std::string exponent = std::to_string(std::abs(d.exponent));
        if (exponent.size() < 2) {
            out += '0';
        }
        return out + exponent;
    }
    if (d.exponent < 0) {
        out += '0';
        out += decimalSep;
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        return out + d.digits;
    }
    const std::size_t intSize = static_cast<std::size_t>(d.exponent) + 1;
    if (d.digits.size() <= intSize) {
        out += d.digits;
        out.append(intSize - d.digits.size(), '0');
        return out;
    }
    out.append(d.digits, 0, intSize);
    out += decimalSep;
    out.append(d.digits, intSize, std::string::npos);
    return out;
}

}  // namespace lumarik
