#include "core/chart/StandardFNumbers.h"

#include <cmath>

namespace lumarik {

std::string StandardFNumberEntry(std::size_t index) {
    return "F/" + std::string(kStandardFNumbers.at(index).text);
}

double ExactFNumber(double listed) {
    if (!(listed > 0.0) || !std::isfinite(listed)) return listed;
    // Nearest in value, not in the exponent: compare the two powers on either side.
    const double steps = 12.0 * std::log2(listed);
    const double below = std::exp2(std::floor(steps) / 12.0);
    const double above = std::exp2(std::ceil(steps) / 12.0);
    return listed - below <= above - listed ? below : above;
}

}  // namespace lumarik
