// What the calculator writes: the table of results as CSV (point decimals, columns Liste,
// Größe, Symbol, Wert, Einheit) or JSON (ASCII keys, numbers as numbers, units named, the
// state), one system at a time or one line per system in batch mode.
#pragma once

#include <string>

#include "core/calc/Calculator.h"

namespace lumarik {

std::string CalcCsv(const std::vector<CalcRow>& rows);
// The system's object; `line` > 0 adds the batch line's number.
std::string CalcJson(const LumarikDocument& doc, const CalcOutcome& outcome, long line = 0);

// Batch CSV: one header, then a row per input line with the line number, the status word, the
// message and a column per result key (lens/mirror keys, then the beam's as "beam_KEY");
// a key the system does not list stays empty.
std::string CalcBatchCsvHeader();
void AppendCalcBatchCsvRow(std::string& out, long line, const LumarikDocument* doc,
                           const CalcOutcome& outcome);

// A text in double quotes with JSON escapes, every non-ASCII character as \uXXXX.
std::string JsonString(std::string_view text);

}  // namespace lumarik
