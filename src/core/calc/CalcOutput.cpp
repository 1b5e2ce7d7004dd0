#include "core/calc/CalcOutput.h"

#include <charconv>
#include <cstdio>

#include "core/calc/CalcTexts.h"

namespace lumarik {

namespace {

void AppendNumber(std::string& out, const CalcRow& row) {
    char buffer[32];
    const auto result =
        row.single ? std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(row.number))
                   : std::to_chars(buffer, buffer + sizeof buffer, row.number);
    out.append(buffer, result.ptr);
}

void AppendCsvField(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\n\r") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

std::string_view StatusWord(CalcStatus status) {
    switch (status) {
        case CalcStatus::kSolved:
            return calctexts::kStatusSolved;
        case CalcStatus::kUnsolved:
            return calctexts::kStatusUnsolved;
        case CalcStatus::kBadInput:
            break;
    }
    return calctexts::kStatusBadInput;
}

// Decodes one UTF-8 sequence at `at`; a byte that starts none stands for itself (U+FFFD).
unsigned NextCodePoint(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned first = byte(at);
    int length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
    if (first >= 0x80 && first < 0xC0) length = 0;
    if (length <= 1 || at + static_cast<std::size_t>(length) > text.size()) {
        ++at;
        return length == 1 ? first : 0xFFFD;
    }
    unsigned code = first & (0x3Fu >> (length - 1));
    for (int i = 1; i < length; ++i) {
        const unsigned next = byte(at + static_cast<std::size_t>(i));
        if ((next & 0xC0) != 0x80) {
            ++at;
            return 0xFFFD;
        }
        code = (code << 6) | (next & 0x3F);
    }
    at += static_cast<std::size_t>(length);
    return code;
}

void AppendEscape(std::string& out, unsigned unit) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", unit);
    out += buffer;
}

}  // namespace

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const unsigned code = NextCodePoint(text, at);
        if (code == '"' || code == '\\') {
            out += '\\';
            out += static_cast<char>(code);
        } else if (code == '\n') {
            out += "\\n";
        } else if (code < 0x20 || (code >= 0x7F && code < 0x10000)) {
            AppendEscape(out, code);
        } else if (code >= 0x10000) {
            const unsigned v = code - 0x10000;
            AppendEscape(out, 0xD800 + (v >> 10));
            AppendEscape(out, 0xDC00 + (v & 0x3FF));
        } else {
            out += static_cast<char>(code);
        }
    }
    out += '"';
    return out;
}

std::string CalcCsv(const std::vector<CalcRow>& rows) {
    std::string out = "Liste,Größe,Symbol,Wert,Einheit\n";
    for (const CalcRow& row : rows) {
        AppendCsvField(out, row.list);
        out += ',';
        AppendCsvField(out, row.quantity);
        out += ',';
        AppendCsvField(out, row.symbol);
        out += ',';
        AppendNumber(out, row);
        out += ',';
        AppendCsvField(out, row.unit);
        out += '\n';
    }
    return out;
}

std::string CalcJson(const LumarikDocument& doc, const CalcOutcome& outcome, long line) {
    std::string out = "{";
    if (line > 0) out += "\"line\":" + std::to_string(line) + ",";
    out += "\"status\":" + JsonString(StatusWord(outcome.status));
    out += ",\"exit\":" + std::to_string(static_cast<int>(outcome.status));
    out += ",\"message\":" + JsonString(outcome.message);
    if (outcome.status == CalcStatus::kBadInput) return out + "}";
    const bool mirror = doc.Model().Constants().MirrorMode();
    out += ",\"mode\":";
    out += doc.BeamMode() ? "\"beam\"" : mirror ? "\"mirror\"" : "\"lens\"";
    const CalcState state = StateOf(doc);
    const auto flag = [&](std::string_view name, bool value) {
        out += ",\"";
        out += name;
        out += value ? "\":true" : "\":false";
    };
    out += ",\"state\":{\"solved\":";
    out += state.solved ? "true" : "false";
    flag("virtual_object", state.virtualObject);
    flag("virtual_image", state.virtualImage);
    flag("image_at_infinity", state.imageAtInfinity);
    flag("object_at_infinity", state.objectAtInfinity);
    out += ",\"messages\":[";
    for (std::size_t i = 0; i < state.messages.size(); ++i) {
        if (i > 0) out += ',';
        out += JsonString(state.messages[i]);
    }
    out += "]}";
    const std::vector<CalcRow> rows = CalcTable(doc);
    out += ",\"values\":{";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) out += ',';
        out += '"';
        out += rows[i].key;
        out += "\":";
        AppendNumber(out, rows[i]);
    }
    out += "},\"units\":{";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) out += ',';
        out += '"';
        out += rows[i].key;
        out += "\":" + JsonString(rows[i].unit);
    }
    out += "}}";
    return out;
}

std::string CalcBatchCsvHeader() {
    std::string out = "line,status,message";
    for (std::string_view key : CalcLensKeys()) {
        out += ',';
        out += key;
    }
    for (std::string_view key : CalcBeamKeys()) {
        out += ",beam_";
        out += key;
    }
    out += '\n';
    return out;
}

void AppendCalcBatchCsvRow(std::string& out, long line, const LumarikDocument* doc,
                           const CalcOutcome& outcome) {
    out += std::to_string(line);
    out += ',';
    out += StatusWord(outcome.status);
    out += ',';
    AppendCsvField(out, outcome.message);
    const std::vector<std::string_view>& lensKeys = CalcLensKeys();
    const std::vector<std::string_view>& beamKeys = CalcBeamKeys();
    std::vector<CalcRow> rows;
    if (doc && outcome.status == CalcStatus::kSolved) rows = CalcTable(*doc);
    const bool beam = doc && doc->BeamMode();
    const std::vector<std::string_view>& keys = beam ? beamKeys : lensKeys;
    if (beam) out.append(lensKeys.size(), ',');
    std::size_t next = 0;  // rows come in key order
    for (std::string_view key : keys) {
        out += ',';
        if (next < rows.size() && rows[next].key == key) AppendNumber(out, rows[next++]);
    }
    if (!beam) out.append(beamKeys.size(), ',');
    out += '\n';
}

}  // namespace lumarik
