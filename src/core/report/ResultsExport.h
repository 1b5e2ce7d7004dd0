// The result lists as other programs take them: one table of list, quantity, symbol, value and
// unit, written as tab-separated text and an HTML table for the clipboard and as a CSV file in
// the user's regional format, in which every value that is a number stays a number.
#pragma once

#include <string>
#include <vector>

namespace lumarik {

// One row of a result list, name and value as the list shows them.
struct ResultRow {
    std::string name;
    std::string value;
};

// A list under its title.
struct ResultList {
    std::string title;
    std::vector<ResultRow> rows;
};

// One row of the exported table. The value is a number written with the decimal separator it
// was listed with, or a text where the row holds no single number with a unit.
struct ExportRow {
    std::string list;
    std::string quantity;
    std::string symbol;
    std::string value;
    std::string unit;
};

// The rows that say something: fillers (a name without a letter) and rows without a value (empty
// or "---") are left out. A name "quantity: symbol" fills two columns. A value that is a number
// (written with `decimalSep`) followed by its unit and optionally by notes after a blank or a "*"
// ("[546nm]*", "[Virtuell]") gives the number and the unit, the notes left out; any other
// value (a word, two sections in brackets) stays text in the value column.
std::vector<ExportRow> ExportTable(const std::vector<ResultList>& lists, char decimalSep);

// A header line and one line per row, the columns separated by tabs.
std::string ResultsPlainText(const std::vector<ExportRow>& rows);
// The same as an HTML table.
std::string ResultsHtml(const std::vector<ExportRow>& rows);

// UTF-8 with a byte order mark, CR LF line ends, a header line, and the columns separated as a
// spreadsheet in the same regional format expects them: ";" where the decimal separator is a
// comma, "," otherwise. Fields holding the separator or a quote are quoted.
std::string ResultsCsv(const std::vector<ExportRow>& rows, char decimalSep);

}  // namespace lumarik
