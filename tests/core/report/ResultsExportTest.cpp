// The result rows as a spreadsheet and the clipboard read them.
#include <gtest/gtest.h>

#include "core/report/ResultsExport.h"

namespace lumarik {
namespace {

// Numbers keep a decimal comma and their unit column, notes after them are left out; what is
// no single number stays text.
TEST(ResultsCsv, ColumnsAsASpreadsheetReadsThem) {
    // clang-format off
    const struct { ResultRow shown; char decimalSep; std::string line; } cases[] = {
        {{"Brennweite: f'", " 100.0mm"}, '.', "Brennweite;f';100,0;mm"},
        {{"Objektweite: a", "-200,5mm     [Virtuell]"}, ',', "Objektweite;a;-200,5;mm"},
        {{"Vergrößerung: m'", "-1.00x"}, '.', "Vergrößerung;m';-1,00;x"},
        {{"Airy-Radius", " 0.0067mm [546nm]*"}, '.', "Airy-Radius;;0,0067;mm"},
        {{"NA [objektseitig] ", " 0.5"}, '.', "NA [objektseitig];;0,5;"},
        {{"MTF-Grenzfrequenz", " 183lp/mm*"}, '.', "MTF-Grenzfrequenz;;183;lp/mm"},
        {{"Rayleighlänge: zr", " 1.5e+3mm"}, '.', "Rayleighlänge;zr;1,5e+3;mm"},
        {{"Strahl div[in]: w", " 2,5e-4mrad"}, ',', "Strahl div[in];w;2,5e-4;mrad"},
        {{"Strahl rad[aus]: r'", " 0.1 [0.2]mm"}, '.', "Strahl rad[aus];r';0.1 [0.2]mm;"},
        {{"Objektweite: a", " In Unendlich"}, '.', "Objektweite;a;In Unendlich;"},
        {{"  Bildweite: a' ", " 2E5mm  "}, '.', "Bildweite;a';2E5;mm"},
        {{"Objekthöhe: u", "3e-x"}, '.', "Objekthöhe;u;3;e-x"},  // no exponent without digits
        {{"Name; mit \"Zeichen\"", "x"}, '.', "\"Name; mit \"\"Zeichen\"\"\";;x;"},
        {{"    ---", " "}, '.', ""},  // separator rows are left out
        {{"  ", "  "}, '.', ""}};
    // clang-format on
    const std::string head = "\xEF\xBB\xBFGröße;Symbol;Wert;Einheit\r\n";
    for (const auto& c : cases) {
        EXPECT_EQ(ResultsCsv(ExportedRows({c.shown}), c.decimalSep),
                  head + (c.line.empty() ? "" : c.line + "\r\n"));
    }
}

// The HTML escapes what markup would take.
TEST(ResultsClipboard, TabSeparatedTextAndTheSameAsHtml) {
    const std::vector<ResultRow> rows = ExportedRows({{"A<B", "1&2"}});
    EXPECT_EQ(ResultsPlainText(rows), "A<B\t1&2\n");
    EXPECT_EQ(
        ResultsHtml(rows),
        "<meta charset=\"utf-8\">\n<table>\n<tr><td>A&lt;B</td><td>1&amp;2</td></tr>\n</table>\n");
}

}  // namespace
}  // namespace lumarik
