#include "core/report/ResultsExport.h"

#include <array>
#include <cctype>
#include <string_view>

namespace lumarik {

namespace {

constexpr std::array<std::string_view, 5> kColumns = {"Liste", "Größe", "Symbol", "Wert",
                                                      "Einheit"};
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

struct SplitNumber {
    std::string value;
    std::string unit;
};

SplitNumber SplitValue(std::string_view text, char decimalSep) {
    const std::size_t length = NumberLength(text, decimalSep);
    if (length == 0) return {std::string(text), {}};
    std::string_view rest = text.substr(length);
    const std::size_t unitEnd = std::min(rest.find_first_of(" *["), rest.size());
    const std::string_view unit = rest.substr(0, unitEnd);
    const std::string_view notes = rest.substr(unitEnd);
    const bool marksOnly = notes.find_first_not_of(" *") == std::string_view::npos;
    if (!marksOnly && (unit.empty() || notes.front() == '[')) return {std::string(text), {}};
    return {std::string(text.substr(0, length)), std::string(unit)};
}

// A letter, or a byte of a UTF-8 sequence ("Größe", "λ"); digits too where they count.
bool HasWordCharacter(std::string_view text, bool digits) {
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalpha(u) != 0 || u >= 0x80 || (digits && std::isdigit(u) != 0)) return true;
    }
    return false;
}

std::vector<std::string_view> Columns(const ExportRow& row) {
    return {row.list, row.quantity, row.symbol, row.value, row.unit};
}

std::string CsvField(std::string_view text, char separator) {
    if (text.find_first_of("\"\r\n") == std::string_view::npos &&
        text.find(separator) == std::string_view::npos)
        return std::string(text);
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

std::vector<ExportRow> ExportTable(const std::vector<ResultList>& lists, char decimalSep) {
    std::vector<ExportRow> table;
    for (const ResultList& list : lists) {
        for (const ResultRow& row : list.rows) {
            std::string_view quantity = Trimmed(row.name);
            const std::string_view value = Trimmed(row.value);
            if (!HasWordCharacter(quantity, false) || !HasWordCharacter(value, true)) continue;
            std::string_view symbol;
            if (const std::size_t at = quantity.rfind(kSymbolSeparator);
                at != std::string_view::npos) {
                symbol = Trimmed(quantity.substr(at + kSymbolSeparator.size()));
                quantity = Trimmed(quantity.substr(0, at));
            }
            SplitNumber split = SplitValue(value, decimalSep);
            table.push_back({list.title, std::string(quantity), std::string(symbol),
                             std::move(split.value), std::move(split.unit)});
        }
    }
    return table;
}

std::string ResultsPlainText(const std::vector<ExportRow>& rows) {
    std::string text;
    const auto line = [&text](const auto& columns) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (i > 0) text += '\t';
            text += columns[i];
        }
        text += '\n';
    };
    line(kColumns);
    for (const ExportRow& row : rows) line(Columns(row));
    return text;
}

std::string ResultsHtml(const std::vector<ExportRow>& rows) {
    // Office programs read the clipboard's HTML as Latin-1 unless told.
    std::string html = "<meta charset=\"utf-8\">\n<table>\n<tr>";
    for (const std::string_view column : kColumns) html += "<th>" + Html(column) + "</th>";
    html += "</tr>\n";
    for (const ExportRow& row : rows) {
        html += "<tr>";
        for (const std::string_view cell : Columns(row)) html += "<td>" + Html(cell) + "</td>";
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

std::string ResultsCsv(const std::vector<ExportRow>& rows, char decimalSep) {
    const char separator = decimalSep == ',' ? ';' : ',';
    std::string csv(kByteOrderMark);
    const auto line = [&](const auto& columns) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (i > 0) csv += separator;
            csv += CsvField(columns[i], separator);
        }
        csv += kLineEnd;
    };
    line(kColumns);
    for (const ExportRow& row : rows) line(Columns(row));
    return csv;
}

}  // namespace lumarik
