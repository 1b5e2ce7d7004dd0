// The F-numbers engraved on camera lenses, as the standard list offers them, and the exact
// values they stand for.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace lumarik {

struct StandardFNumber {
    std::string_view text;  // as engraved, shown after "F/"
    double listed;
};

inline constexpr std::array<StandardFNumber, 27> kStandardFNumbers = {{
    {"1", 1.0},   {"1.2", 1.2}, {"1.4", 1.4}, {"1.6", 1.6}, {"1.8", 1.8}, {"2", 2.0},
    {"2.5", 2.5}, {"2.8", 2.8}, {"3.5", 3.5}, {"4", 4.0},   {"4.5", 4.5}, {"5.6", 5.6},
    {"6.3", 6.3}, {"6.8", 6.8}, {"8", 8.0},   {"9.5", 9.5}, {"11", 11.0}, {"13", 13.0},
    {"16", 16.0}, {"19", 19.0}, {"22", 22.0}, {"27", 27.0}, {"32", 32.0}, {"38", 38.0},
    {"45", 45.0}, {"54", 54.0}, {"64", 64.0},
}};

inline constexpr std::string_view kStandardFNumbersNote =
    "Wurde eine Standard-Blendentzahl ausgewählt, wird die exakte Blendenzahl im Lumarik "
    "verwendet.";

// "F/1.2" for the entry at `index` (< kStandardFNumbers.size()).
std::string StandardFNumberEntry(std::size_t index);

// The engraved numbers are rounded steps of √2^(1/6): the exact F-number is the power
// √2^(k/6) = 2^(k/12), k whole, that lies nearest to the listed one (1.2 → 2^(3/12) = 1.1892).
// A listed number that is not positive has no such power and is returned as it is.
double ExactFNumber(double listed);

}  // namespace lumarik
