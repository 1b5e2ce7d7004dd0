#include <gtest/gtest.h>

#include "core/report/ResultsExport.h"

namespace lumarik {
namespace {

struct CsvCase {
    ResultRow shown;
    char decimalSep;
    std::string line;  // the CSV line without its CR LF; empty: the row is left out
};

class ResultsCsvRow : public ::testing::TestWithParam<CsvCase> {};

// Numbers keep a decimal comma and their unit column, notes after them are left out; what is
// no single number stays text.
TEST_P(ResultsCsvRow, ColumnsAsASpreadsheetReadsThem) {
    const CsvCase& c = GetParam();
    const std::string csv = ResultsCsv(ExportedRows({c.shown}), c.decimalSep);
    const std::string head = "\xEF\xBB\xBFGröße;Symbol;Wert;Einheit\r\n";
    ASSERT_EQ(csv.substr(0, head.size()), head);
    EXPECT_EQ(csv.substr(head.size()), c.line.empty() ? "" : c.line + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ResultsCsvRow,
    ::testing::Values(
        CsvCase{{"Brennweite: f'", " 100.0mm"}, '.', "Brennweite;f';100,0;mm"},
        CsvCase{{"Objektweite: a", "-200,5mm     [Virtuell]"}, ',', "Objektweite;a;-200,5;mm"},
        CsvCase{{"Vergrößerung: m'", "-1.00x"}, '.', "Vergrößerung;m';-1,00;x"},
        CsvCase{{"Airy-Radius", " 0.0067mm [546nm]*"}, '.', "Airy-Radius;;0,0067;mm"},
        CsvCase{{"NA [objektseitig] ", " 0.0499*"}, '.', "NA [objektseitig];;0,0499;"},
        CsvCase{{"MTF-Grenzfrequenz", " 183lp/mm*"}, '.', "MTF-Grenzfrequenz;;183;lp/mm"},
        CsvCase{{"Rayleighlänge: zr", " 1.5e+3mm"}, '.', "Rayleighlänge;zr;1,5e+3;mm"},
        CsvCase{{"Strahl div[in]: w", " 2,5e-4mrad"}, ',', "Strahl div[in];w;2,5e-4;mrad"},
        CsvCase{{"Strahl rad[aus]: r'", " 0.1 [0.2]mm"}, '.', "Strahl rad[aus];r';0.1 [0.2]mm;"},
        CsvCase{{"Objektweite: a", " In Unendlich"}, '.', "Objektweite;a;In Unendlich;"},
        CsvCase{{"Name; mit \"Zeichen\"", "x"}, '.', "\"Name; mit \"\"Zeichen\"\"\";;x;"},
        CsvCase{{"    ---", " "}, '.', ""}, CsvCase{{"  ", "  "}, '.', ""}));

TEST(ResultsClipboard, TabSeparatedTextAndTheSameAsHtml) {
    const std::vector<ResultRow> rows =
        ExportedRows({{"Brennweite: f'", " 100.0mm"}, {"    ---", " "}, {"A<B", "1&2"}});
    EXPECT_EQ(ResultsPlainText(rows), "Brennweite: f'\t100.0mm\nA<B\t1&2\n");
    EXPECT_EQ(
        ResultsHtml(rows),
        "<meta charset=\"utf-8\">\n<table>\n<tr><td>Brennweite: f'</td><td>100.0mm</td></tr>\n"
        "<tr><td>A&lt;B</td><td>1&amp;2</td></tr>\n</table>\n");
}

}  // namespace
}  // namespace lumarik
