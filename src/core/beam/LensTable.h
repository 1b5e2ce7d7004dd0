// The table of catalogue lenses closest to the current beam system: up to five samples (or,
// when the beam is circularised, pairs of cylinder lenses) scored by their focal lengths, with
// the cell texts the grid shows. The samples themselves come from the sample catalogue.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/chart/SampleSystems.h"

namespace lumarik {

struct LensSample {
    std::string name;  // display name
    double focalLength = 0.0;
    double clearRadius = 0.0;
    bool cylinder = false;  // of kind "Zylinder"
};

struct LensTableRow {
    std::array<std::string, 3> cells;
    int first = -1;   // index of the sample in the list given
    int second = -1;  // the y lens of a cylinder pair, -1 otherwise
};

struct LensTable {
    std::array<std::string, 3> header;
    std::vector<LensTableRow> rows;  // best first, at most kLensTableRows
};

constexpr int kLensTableRows = 5;

struct LensTableQuery {
    bool circularised = false;
    double focalX = 0.0;          // f' of the x section
    double focalY = 0.0;          // f' of the y section (circularised only)
    double lensBeamRadius = 0.0;  // single-mode beam radius at the lens
    char decimalSep = '.';
};

// Ordinary: every sample scored by (f'x − f')², cells name, f' ("0.0#mm") and
// T = beam radius / clear radius ("0.00#"; "0.0" when either is not positive).
// Circularised: every ordered pair of cylinder samples (a lens may pair with itself: two of the
// same kind) scored by (f'x − f'1)² + (f'y − f'2)², cells the two names and "f'1/f'2mm".
// Ties keep catalogue order; scores of 5e20 and above never enter.
// The lens table's view of the sample catalogue.
std::vector<LensSample> LensSamplesFrom(const std::vector<SampleSystem>& systems);

LensTable ScoreLensTable(const std::vector<LensSample>& samples, const LensTableQuery& query);

// What a click on row `row` of the table shows: the description of its sample, for a cylinder
// pair both descriptions, one after the other (lines joined by CR LF); empty beyond the rows.
// `systems` are those the table's samples were taken from (LensSamplesFrom keeps the order).
std::string LensRowDescription(const LensTable& table, int row,
                               const std::vector<SampleSystem>& systems);

}  // namespace lumarik
