// The forms in which values are stored in the settings file: Booleans, integers, "|"-joined
// field lists and the variable record. Numbers themselves use NumberText and ValNumber, so
// the file always carries a decimal point whatever the user's locale.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumarik {

constexpr char kFieldSeparator = '|';

// "true", "wahr" and "vrai" in any letter case, blanks around them ignored, are true; every
// other text is false ("1" included), as files of the German and French versions hold them.
bool IniBool(std::string_view text);
std::string IniBoolText(bool value);  // "True" / "False"

// Reads like Windows' profile integer: leading blanks, an optional sign, decimal digits; the
// rest of the text is ignored ("12abc" is 12). No digits give 0; values beyond the range of
// int are clamped to it.
int IniInt(std::string_view text);

// A whole number and nothing else: [sign]digits, blanks around them ignored; saturates far
// outside int's range, so any number of digits is safe. Nothing when other characters follow.
std::optional<long long> IniInteger(std::string_view text);

// Splits at '|' into at most maxParts parts (0: no limit); the last part keeps the rest of
// the text, separators included. An empty text has no parts.
std::vector<std::string> SplitFields(std::string_view text, std::size_t maxParts = 0);

// Splits at every separator; unlike SplitFields an empty text gives one empty part, so the
// parts always line up with the columns of a row.
std::vector<std::string> SplitText(std::string_view text, char separator);

}  // namespace lumarik
