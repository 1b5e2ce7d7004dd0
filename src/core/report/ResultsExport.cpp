#include "core/report/ResultsExport.h"

#include <cctype>
#include <string_view>

namespace lumarik {

namespace {

constexpr std::string_view kCsvHeader = "Größe;Symbol;Wert;Einheit";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kSymbolSeparator = ": ";

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i;
}

// The length of the number at the start of text ([-]digits[sep digits][e±digits]), 0 when
// there is none.
std::size_t NumberLength(std::string_view text, char decimalSep) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    const std::size_t start = i;
    i = SkipDigits(text, i);
    if (i == start) return 0;
    if (i + 1 < text.size() && text[i] == decimalSep && IsDigit(text[i + 1])) {
        i = SkipDigits(text, i + 1);
    }
    if (i + 1 < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t e = i + 1;
        if (text[e] == '+' || text[e] == '-') ++e;
        if (e < text.size() && IsDigit(text[e])) i = SkipDigits(text, e);
    }
    return i;
}

struct CsvValue {
    std::string value;
    std::string unit;
};

CsvValue SplitValue(std::string_view text, char decimalSep) {
    const std::size_t length = NumberLength(text, decimalSep);
    if (length == 0) return {std::string(text), {}};
    std::string_view rest = text.substr(length);
    const std::size_t unitEnd = std::min(rest.find_first_of(" *["), rest.size());
    const std::string_view unit = rest.substr(0, unitEnd);
    const std::string_view notes = rest.substr(unitEnd);
    const bool marksOnly = notes.find_first_not_of(" *") == std::string_view::npos;
    if (!marksOnly && (unit.empty() || notes.front() == '[')) return {std::string(text), {}};
    std::string number(text.substr(0, length));
    for (char& c : number) {
        if (c == decimalSep) c = ',';
    }
    return {number, std::string(unit)};
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(";\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string Html(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

}  // namespace

std::vector<ResultRow> ExportedRows(const std::vector<ResultRow>& shown) {
    std::vector<ResultRow> rows;
    for (const ResultRow& row : shown) {
        const std::string_view name = Trimmed(row.name);
        if (name.find_first_not_of('-') == std::string_view::npos) continue;
        rows.push_back({std::string(name), std::string(Trimmed(row.value))});
    }
    return rows;
}

std::string ResultsPlainText(const std::vector<ResultRow>& rows) {
    std::string text;
    for (const ResultRow& row : rows) text += row.name + '\t' + row.value + '\n';
    return text;
}

std::string ResultsHtml(const std::vector<ResultRow>& rows) {
    // Office programs read the clipboard's HTML as Latin-1 unless told.
    std::string html = "<meta charset=\"utf-8\">\n<table>\n";
    for (const ResultRow& row : rows) {
        html += "<tr><td>" + Html(row.name) + "</td><td>" + Html(row.value) + "</td></tr>\n";
    }
    return html + "</table>\n";
}

std::string ResultsCsv(const std::vector<ResultRow>& rows, char decimalSep) {
    std::string csv(kByteOrderMark);
    csv += kCsvHeader;
    csv += kLineEnd;
    for (const ResultRow& row : rows) {
        std::string_view quantity = row.name;
        std::string_view symbol;
        if (const std::size_t at = quantity.rfind(kSymbolSeparator); at != std::string_view::npos) {
            symbol = Trimmed(quantity.substr(at + kSymbolSeparator.size()));
            quantity = Trimmed(quantity.substr(0, at));
        }
        const CsvValue value = SplitValue(row.value, decimalSep);
        csv += CsvField(quantity) + ';' + CsvField(symbol) + ';' + CsvField(value.value) + ';' +
               CsvField(value.unit);
        csv += kLineEnd;
    }
    return csv;
}

}  // namespace lumarik
