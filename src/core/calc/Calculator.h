// The calculator for scripts: a system read from words or a system file is built in a
// LumarikDocument through the same edits the window makes, and its results are read back as a
// table of numbers, as the listing, and as the state (solved, virtual, at infinity, messages).
// The command line, its batch mode and the Python module all go through here.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/calc/CalcRequest.h"
#include "core/document/LumarikDocument.h"

namespace lumarik {

// The calculator's exit statuses.
enum class CalcStatus : int {
    kSolved = 0,
    kUnsolved = 1,  // no solution, or a choice or value the program's rules refuse
    kBadInput = 2,  // bad usage, or an input that cannot be read
};

struct CalcOutcome {
    CalcStatus status = CalcStatus::kSolved;
    std::string message;  // German, for standard error or the batch row
};

// Builds the request's system in a fresh document: options, the choice, then the values, each
// through the document's edits. A value the window would ask to correct is refused with the
// question's text, as no one is there to answer it.
CalcOutcome BuildSystem(LumarikDocument& doc, const CalcRequest& request);
// Opens a system file's bytes in the document.
CalcOutcome OpenSystem(LumarikDocument& doc, std::string_view bytes, const std::string& path);
// Whether the built system is solved, and the reason when not.
CalcOutcome SolvedState(const LumarikDocument& doc);

// One number of the results, in the unit the window shows it in: the list it belongs to
// ("Ergebnisse", "Schärfentiefe", "Strahl"), the quantity and symbol as the listing names them,
// a stable ASCII key for scripts, the number and its unit. Only what the window lists as a
// number is here: a value shown as "unendlich" or "---" has no row.
// The texts are views into the catalogues and the document: the rows live as long as it does.
struct CalcRow {
    std::string_view list;
    std::string_view quantity;
    std::string symbol;
    std::string_view key;
    double number = 0.0;
    bool single = false;  // a stored float, written with a float's shortest digits
    std::string_view unit;
};

// The rows of a solved system; none while it has no solution.
std::vector<CalcRow> CalcTable(const LumarikDocument& doc);

// Every key CalcTable may give in lens/mirror mode and in beam mode, in listing order.
const std::vector<std::string_view>& CalcLensKeys();
const std::vector<std::string_view>& CalcBeamKeys();

struct CalcState {
    bool solved = false;
    bool virtualObject = false;
    bool virtualImage = false;
    bool imageAtInfinity = false;
    bool objectAtInfinity = false;
    std::vector<std::string> messages;  // the labels and notes the window shows
};

CalcState StateOf(const LumarikDocument& doc);

// The listing as the window shows it (name TAB value a line, fillers left out), with the depth
// of field or the beam's extra lines and the window's labels.
std::string ListingText(const LumarikDocument& doc);

}  // namespace lumarik
