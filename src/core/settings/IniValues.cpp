#include "core/settings/IniValues.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/format/NumberInput.h"
#include "core/settings/IniDocument.h"

namespace lumarik {

namespace {

constexpr std::size_t kRecordFields = 7;

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

std::optional<float> RecordNumber(std::string_view text) {
    const double value = ValNumber(TrimBlanks(text));
    if (!std::isfinite(value) || std::fabs(value) > FLT_MAX) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}

}  // namespace

bool IniBool(std::string_view text) {
    const std::string_view trimmed = TrimBlanks(text);
    std::string lower(trimmed);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower == "true" || lower == "wahr" || lower == "vrai";
}

std::string IniBoolText(bool value) {
    return value ? "True" : "False";
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

std::string RecordText(const CVarType& record) {
    std::string text;
    const auto add = [&text](const std::string& field) {
        text += field;
        text += kFieldSeparator;
    };
    add(std::to_string(record.nVarType));
    add(NumberText(record.sVarValue));
    add(IniBoolText(record.bVarValDef));
    add(IniBoolText(record.bLimHihDef));
    add(NumberText(record.sLimHih));
    add(IniBoolText(record.bLimLowDef));
    add(NumberText(record.sLimLow));
    return text;
}

std::optional<CVarType> ParseRecord(std::string_view text) {
    const std::vector<std::string> parts = SplitFields(text, kRecordFields);
    // Each field is followed by '|', so a record cut short after its sixth field still splits
    // into seven parts, the last one empty.
    if (parts.size() < kRecordFields || TrimBlanks(parts.back()).empty()) {
        return std::nullopt;
    }

    const std::string_view number = TrimBlanks(parts[0]);
    std::size_t used = 0;
    const long long parameter = LeadingInteger(number, used);
    if (used == 0 || used != number.size() ||
        parameter < std::numeric_limits<std::int16_t>::min() ||
        parameter > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }

    const std::optional<float> value = RecordNumber(parts[1]);
    const std::optional<float> upper = RecordNumber(parts[4]);
    const std::optional<float> lower = RecordNumber(parts[6]);
    if (!value || !upper || !lower) {
        return std::nullopt;
    }

    CVarType record;
    record.nVarType = static_cast<std::int16_t>(parameter);
    record.sVarValue = *value;
    record.bVarValDef = IniBool(parts[2]);
    record.bLimHihDef = IniBool(parts[3]);
    record.sLimHih = *upper;
    record.bLimLowDef = IniBool(parts[5]);
    record.sLimLow = *lower;
    return record;
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
