#include "core/ini/IniValues.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/format/NumberInput.h"
#include "core/ini/IniDocument.h"

namespace lumarik {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads [sign]digits at the start of text into a clamped long long; "used" counts the
// characters taken (0 when there is no digit).
long long LeadingInteger(std::string_view text, std::size_t& used) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t firstDigit = pos;
    // Saturates far outside int's range, so that any number of digits cannot overflow.
    constexpr long long kCeiling = 1LL << 40;
    long long magnitude = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        if (magnitude < kCeiling) {
            magnitude = magnitude * 10 + (text[pos] - '0');
        }
        ++pos;
    }
    used = pos == firstDigit ? 0 : pos;
    return negative ? -magnitude : magnitude;
}

}  // namespace

bool IniBool(std::string_view text) {
    const std::string_view word = TrimBlanks(text);
    return EqualsIgnoreCase(word, "true") || EqualsIgnoreCase(word, "wahr") ||
           EqualsIgnoreCase(word, "vrai");
}

std::string IniBoolText(bool value) {
    return value ? "True" : "False";
}

std::optional<long long> IniInteger(std::string_view text) {
    const std::string_view number = TrimBlanks(text);
    std::size_t used = 0;
    const long long value = LeadingInteger(number, used);
    if (used == 0 || used != number.size()) return std::nullopt;
    return value;
}

int IniInt(std::string_view text) {
    std::size_t used = 0;
    const long long value = LeadingInteger(TrimBlanks(text), used);
    if (used == 0) {
        return 0;
    }
    if (value > std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    if (value < std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(value);
}

std::vector<std::string> SplitFields(std::string_view text, std::size_t maxParts) {
    std::vector<std::string> parts;
    if (text.empty()) {
        return parts;
    }
    std::size_t start = 0;
    while (maxParts == 0 || parts.size() + 1 < maxParts) {
        const std::size_t separator = text.find(kFieldSeparator, start);
        if (separator == std::string_view::npos) {
            break;
        }
        parts.emplace_back(text.substr(start, separator - start));
        start = separator + 1;
    }
    parts.emplace_back(text.substr(start));
    return parts;
}

std::vector<std::string> SplitText(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

}  // namespace lumarik
