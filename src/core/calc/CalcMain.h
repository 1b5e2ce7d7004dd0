// The calculator's command line: options, a system from words or a file, or a batch of
// systems from standard input, and the exit status. main() of lumarik-calc only forwards here,
// so tests and the fuzz target run the whole program in-process.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/Calculator.h"

namespace lumarik {

// args without the program name; returns the exit status (0, 1 or 2, see CalcStatus).
int RunCalc(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
            std::ostream& err);

// One system from words, built in `doc`: the reading's refusal or the build's outcome.
CalcOutcome CalcFromWords(LumarikDocument& doc, const std::vector<std::string_view>& words);

}  // namespace lumarik
