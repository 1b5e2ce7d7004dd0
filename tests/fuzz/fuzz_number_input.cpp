// libFuzzer entry point for typed-number acceptance and number display: any text, with either
// decimal separator, is accepted or rejected without a fault; an accepted value is finite,
// formats, and survives the settings-file text; any text used as a display pattern is safe.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/format/Format.h"
#include "core/format/NumberInput.h"

namespace {

using namespace lumarik;

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

void CheckValue(double value, char decimalSep) {
    Require(std::isfinite(value));
    Format(value, " 0.00e+0;-0.00e+0", decimalSep);
    Require(ValNumber(NumberText(value)) == value);
    if (std::fabs(value) <= FLT_MAX) {
        const auto single = static_cast<float>(value);
        Format(single, "0.00######", decimalSep);
        Require(static_cast<float>(ValNumber(NumberText(single))) == single);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const char decimalSep : {'.', ','}) {
        const auto separators = NumberSeparators::WithDecimal(decimalSep);
        if (const auto accepted = AcceptNumber(text, separators)) {
            CheckValue(accepted->value, decimalSep);
            // What is written back into the box must read as the accepted value, and an
            // ambiguous number must stay the same question.
            if (accepted->rewrite) {
                const auto again = AcceptNumber(*accepted->rewrite, separators);
                Require(again && again->source == NumberSource::kDirect &&
                        again->value == accepted->value &&
                        again->groupedReading == accepted->groupedReading);
            }
            if (!accepted->groupedReading && accepted->source == NumberSource::kDirect) {
                Require(ParseNumber(text, separators) == accepted->value);
            }
        }
        Format(1234.5678, text, decimalSep);
        Format(-0.00012f, text, decimalSep);
    }
    return 0;
}
