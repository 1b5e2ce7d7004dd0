// The result lists as a spreadsheet and the clipboard read them.
#include <gtest/gtest.h>

#include "core/report/ResultsExport.h"

namespace lumarik {
namespace {

std::string Row(const ExportRow& r) {
    return r.list + '|' + r.quantity + '|' + r.symbol + '|' + r.value + '|' + r.unit;
}

// Names and values lose the blanks around them. Numbers keep their separator and get their unit
// column, notes after them are left out; what is no single number stays text; rows that say
// nothing are left out.
TEST(ExportTable, ColumnsAsASpreadsheetReadsThem) {
    // clang-format off
    const struct { ResultRow shown; char decimalSep; std::string row; } cases[] = {
        {{"Brennweite: f'", " 100.0mm"}, '.', "L|Brennweite|f'|100.0|mm"},
        {{"Objektweite: a", "-200,5mm     [Virtuell]"}, ',', "L|Objektweite|a|-200,5|mm"},
        {{"Vergrößerung: m'", "-1.00x"}, '.', "L|Vergrößerung|m'|-1.00|x"},
        {{"Airy-Radius", " 0.001913mm [546nm]*"}, '.', "L|Airy-Radius||0.001913|mm"},
        {{" NA [objektseitig] ", " 0.5"}, '.', "L|NA [objektseitig]||0.5|"},
        {{"Rayleighlänge: zr", " 1.5E+03mm"}, '.', "L|Rayleighlänge|zr|1.5E+03|mm"},
        {{"Strahl div[in]: w", " 2,5e-4mrad"}, ',', "L|Strahl div[in]|w|2,5e-4|mrad"},
        {{"Strahl rad[aus]: r'", " 0.1 [0.2]mm"}, '.', "L|Strahl rad[aus]|r'|0.1 [0.2]mm|"},
        {{"Objektweite: a", " In Unendlich"}, '.', "L|Objektweite|a|In Unendlich|"},
        {{"Objekthöhe: u", "3e-x"}, '.', "L|Objekthöhe|u|3|e-x"},  // no exponent without digits
        {{"Wellenlänge: λ", "546,1nm"}, ',', "L|Wellenlänge|λ|546,1|nm"},
        {{"    ---", " "}, '.', ""},                // a filler
        {{"(Näherung)", " "}, '.', ""},             // a note without a value
        {{"Nahpunkt", "  ---"}, '.', ""},           // no value
        {{"  ", "  "}, '.', ""},
        {{" 12 ", " 5.0mm"}, '.', ""}};            // a name without a letter
    // clang-format on
    for (const auto& c : cases) {
        const std::vector<ExportRow> rows = ExportTable({{"L", {c.shown}}}, c.decimalSep);
        EXPECT_EQ(rows.empty() ? "" : Row(rows.front()), c.row) << c.shown.name;
    }
}

// A comma as decimal separator takes ";" between the fields, a point ","; a field holding the
// separator or a quote is quoted. The clipboard's text and HTML carry the same columns.
TEST(ExportTable, CsvInTheRegionalFormatAndTheClipboardAlike) {
    const std::vector<ResultList> lists = {{"Ergebnisse", {{"Brennweite: f'", " 100,5mm"}}},
                                           {"A;B", {{"Name, \"x\"", "Text"}}}};
    const std::string bom = "\xEF\xBB\xBF";
    EXPECT_EQ(ResultsCsv(ExportTable(lists, ','), ','),
              bom +
                  "Liste;Größe;Symbol;Wert;Einheit\r\nErgebnisse;Brennweite;f';100,5;mm\r\n"
                  "\"A;B\";\"Name, \"\"x\"\"\";;Text;\r\n");
    EXPECT_EQ(ResultsCsv(ExportTable({{"Ergebnisse", {{"Brennweite: f'", " 100.5mm"}}}}, '.'), '.'),
              bom + "Liste,Größe,Symbol,Wert,Einheit\r\nErgebnisse,Brennweite,f',100.5,mm\r\n");

    const std::vector<ExportRow> rows = ExportTable({{"L", {{"A<B: s", "x&y"}}}}, '.');
    EXPECT_EQ(ResultsPlainText(rows), "Liste\tGröße\tSymbol\tWert\tEinheit\nL\tA<B\ts\tx&y\t\n");
    EXPECT_EQ(ResultsHtml(rows),
              "<meta charset=\"utf-8\">\n<table>\n<tr><th>Liste</th><th>Größe</th><th>Symbol</th>"
              "<th>Wert</th><th>Einheit</th></tr>\n<tr><td>L</td><td>A&lt;B</td><td>s</td>"
              "<td>x&amp;y</td><td></td></tr>\n</table>\n");
}

}  // namespace
}  // namespace lumarik
