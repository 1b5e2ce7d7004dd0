// libFuzzer entry point for the settings file: any bytes must parse, read within the profile
// limits, and take a new key that a second parse of the saved text finds again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/ini/INICode.h"
#include "core/ini/IniDocument.h"
#include "core/ini/TextEncoding.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

std::size_t CodePoints(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumarik;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The first byte picks the section and key to write, so existing and new ones are both hit.
    const std::string_view sections[] = {"Options", "options", "LastValues", "New Section"};
    const std::string_view keys[] = {"UnitType", "unittype", "VarTypeVal1", "Fresh"};
    const unsigned selector = size > 0 ? data[0] : 0;
    const std::string_view section = sections[selector & 3];
    const std::string_view key = keys[(selector >> 2) & 3];
    const std::string_view value = bytes.substr(0, 64);

    IniDocument document = IniDocument::Parse(bytes);
    const std::string text = ReadProfileString(document, "Options", "UnitType", "default");
    Check(!text.empty() && CodePoints(text) <= kMaxProfileString && IsValidUtf8(text));
    (void)ReadProfileInt(document, "LastValues", "VarTypeNos");

    Check(document.Set(section, key, value));
    const std::optional<std::string> written = document.Get(section, key);
    Check(written.has_value());

    const std::string saved = document.Serialize();
    Check(IsValidUtf8(saved));
    const IniDocument reread = IniDocument::Parse(saved);
    Check(reread.Get(section, key) == written);
    Check(reread.Get("Options", "UnitType") == document.Get("Options", "UnitType"));
    Check(reread.Serialize() == saved);
    return 0;
}
