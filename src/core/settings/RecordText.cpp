#include "core/settings/RecordText.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "core/format/NumberInput.h"
#include "core/ini/IniDocument.h"
#include "core/ini/IniValues.h"

namespace lumarik {

namespace {

constexpr std::size_t kRecordFields = 7;

std::optional<float> RecordNumber(std::string_view text) {
    const double value = ValNumber(TrimBlanks(text));
    if (!std::isfinite(value) || std::fabs(value) > FLT_MAX) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}

}  // namespace

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

    const std::optional<long long> number = IniInteger(parts[0]);
    if (!number || *number < std::numeric_limits<std::int16_t>::min() ||
        *number > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }

    const std::optional<float> value = RecordNumber(parts[1]);
    const std::optional<float> upper = RecordNumber(parts[4]);
    const std::optional<float> lower = RecordNumber(parts[6]);
    if (!value || !upper || !lower) {
        return std::nullopt;
    }

    CVarType record;
    record.nVarType = static_cast<std::int16_t>(*number);
    record.sVarValue = *value;
    record.bVarValDef = IniBool(parts[2]);
    record.bLimHihDef = IniBool(parts[3]);
    record.sLimHih = *upper;
    record.bLimLowDef = IniBool(parts[5]);
    record.sLimLow = *lower;
    return record;
}

}  // namespace lumarik
