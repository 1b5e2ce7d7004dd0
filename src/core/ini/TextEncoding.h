// Character encodings of the settings file: it is written as UTF-8, and files from older
// installations, written in Windows-1252, are recognised and converted on reading.
#pragma once

#include <string>
#include <string_view>

namespace lumarik {

// True when text is well-formed UTF-8: no overlong forms, no surrogates, nothing above
// U+10FFFF, no truncated sequence. NUL bytes are valid (U+0000).
bool IsValidUtf8(std::string_view text);

// Converts Windows-1252 bytes to UTF-8. The five bytes that code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 control of the same number, as Windows itself
// converts them, so no byte is lost and every input gives valid UTF-8.
std::string Windows1252ToUtf8(std::string_view bytes);

// Keeps the well-formed sequences of text and replaces every ill-formed byte with U+FFFD.
std::string ReplaceInvalidUtf8(std::string_view text);

// Turns the bytes of a settings file into UTF-8 text: leading UTF-8 byte order marks are
// dropped; a file that carried one is UTF-8 (damaged sequences become U+FFFD), otherwise a
// file that is not valid UTF-8 is taken as Windows-1252.
std::string DecodeSettingsText(std::string_view bytes);

}  // namespace lumarik
