// The result lists as other programs take them: tab-separated text and an HTML table for the
// clipboard, and a CSV file for German spreadsheets, in which every value that is a number
// stays a number.
#pragma once

#include <string>
#include <vector>

namespace lumarik {

// One row of a result list, name and value as the lists show them.
struct ResultRow {
    std::string name;
    std::string value;
};

// The rows without fillers (a name of blanks or hyphens only), names and values trimmed.
std::vector<ResultRow> ExportedRows(const std::vector<ResultRow>& shown);

// "name<TAB>value" per line.
std::string ResultsPlainText(const std::vector<ResultRow>& rows);
// The same as a two-column HTML table.
std::string ResultsHtml(const std::vector<ResultRow>& rows);

// UTF-8 with a byte order mark, CR LF line ends, ";" between the columns Größe; Symbol; Wert;
// Einheit. A name "quantity: symbol" fills the first two columns. A value that is a number
// (written with `decimalSep`) followed by its unit, optionally by notes after a blank or a
// "*" ("[546nm]*", "[Virtuell]"), gives the number with a decimal comma and the unit; any
// other value (a word, two sections in brackets) stays text in the value column.
std::string ResultsCsv(const std::vector<ResultRow>& rows, char decimalSep);

}  // namespace lumarik
