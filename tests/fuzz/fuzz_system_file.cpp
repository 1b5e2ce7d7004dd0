// libFuzzer entry point for opening a system file: any bytes are opened or refused without a
// fault; a refused file changes nothing, and an opened system saves to a text that opens again
// to the same system.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/document/LumarikDocument.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumarik;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    LumarikDocument doc;
    const std::string before = doc.SystemFileText();
    std::string_view refusal;
    const SystemFileStatus status = doc.OpenSystemFile(bytes, "fuzz.lumarik", &refusal);
    if (status != SystemFileStatus::kOk) {
        Check(doc.SystemFileText() == before && doc.FilePath().empty());
        Check((status == SystemFileStatus::kRefused) == !refusal.empty());
        return 0;
    }
    Check(!doc.Modified());
    const std::string saved = doc.SystemFileText();
    LumarikDocument again;
    Check(again.OpenSystemFile(saved) == SystemFileStatus::kOk);
    Check(again.SystemFileText() == saved);
    return 0;
}
