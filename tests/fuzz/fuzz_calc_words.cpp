// libFuzzer entry point for the calculator's reader: any bytes, as batch lines and as the
// words of one line, are read, built and written without a fault. A line is either taken or
// refused with a message; a solved system lists finite numbers only; JSON stays ASCII; the
// batch writes one row per line and returns 0, 1 or 2.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "core/calc/CalcMain.h"
#include "core/calc/CalcOutput.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumarik;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    long lines = 0;
    for (std::size_t at = 0; at <= bytes.size() && lines < 16; ++lines) {
        std::size_t end = bytes.find('\n', at);
        if (end == std::string_view::npos) end = bytes.size();
        const std::vector<std::string_view> words = SplitWords(bytes.substr(at, end - at));
        at = end + 1;
        const CalcRead read = ReadCalcWords(words);
        Check(read.request.has_value() == read.message.empty());
        LumarikDocument doc;
        const CalcOutcome outcome = CalcFromWords(doc, words);
        Check(outcome.status != CalcStatus::kSolved || outcome.message.empty());
        Check(outcome.status == CalcStatus::kSolved || !outcome.message.empty());
        for (const CalcRow& row : CalcTable(doc)) Check(std::isfinite(row.number));
        for (char c : CalcJson(doc, outcome)) Check(static_cast<unsigned char>(c) < 0x80);
    }
    if (lines >= 16) return 0;
    std::istringstream in{std::string(bytes)};
    std::ostringstream out, err;
    const int status = RunCalc({"--batch"}, in, out, err);
    Check(status >= 0 && status <= 2);
    const std::string csv = out.str();
    long rows = 0;
    for (char c : csv) rows += c == '\n';
    long inputLines = 0;
    for (std::size_t at = 0; at < bytes.size(); ++inputLines) {
        const std::size_t end = bytes.find('\n', at);
        at = end == std::string_view::npos ? bytes.size() : end + 1;
    }
    Check(rows == inputLines + 1);
    return 0;
}
