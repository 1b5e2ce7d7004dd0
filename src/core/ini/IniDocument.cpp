#include "core/ini/IniDocument.h"

#include <algorithm>

#include "core/ini/TextEncoding.h"

namespace lumarik {

namespace {

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != text.npos;
}

bool IsUsableSectionName(std::string_view name) {
    return !name.empty() && !HasLineBreak(name) && IsValidUtf8(name) &&
           name.find(']') == std::string_view::npos;
}

bool IsUsableKeyName(std::string_view name) {
    return !name.empty() && !HasLineBreak(name) && IsValidUtf8(name) &&
           name.find('=') == std::string_view::npos && name.front() != ';' && name.front() != '#' &&
           name.front() != '[';
}

std::string CleanValue(std::string_view value) {
    std::string clean = ReplaceInvalidUtf8(value);
    for (char& c : clean) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return clean;
}

}  // namespace

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    const auto fold = [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return fold(x) == fold(y); });
}

std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\f\v";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

IniDocument::Line IniDocument::ClassifyLine(std::string text, bool inSection) {
    Line line;
    const std::string_view trimmed = TrimBlanks(text);
    if (!trimmed.empty() && trimmed.front() == '[') {
        const std::size_t close = trimmed.find(']');
        if (close != std::string_view::npos) {
            line.kind = LineKind::kSection;
            line.name = std::string(TrimBlanks(trimmed.substr(1, close - 1)));
        }
    } else if (inSection && !trimmed.empty() && trimmed.front() != ';' && trimmed.front() != '#') {
        const std::size_t equals = trimmed.find('=');
        if (equals != std::string_view::npos) {
            const std::string_view name = TrimBlanks(trimmed.substr(0, equals));
            if (!name.empty()) {
                line.kind = LineKind::kKey;
                line.name = std::string(name);
            }
        }
    }
    line.text = std::move(text);
    return line;
}

IniDocument IniDocument::Parse(std::string_view bytes) {
    const std::string text = DecodeSettingsText(bytes);
    IniDocument document;
    bool inSection = false;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::size_t contentEnd = end;
        // All CRs before the line end go, not just one: a line keeping a trailing CR would lose
        // it on the next read, and a save would not give the same text twice.
        while (contentEnd > start && text[contentEnd - 1] == '\r') {
            --contentEnd;
        }
        Line line = ClassifyLine(text.substr(start, contentEnd - start), inSection);
        if (line.kind == LineKind::kSection) {
            inSection = true;
        }
        document.m_lines.push_back(std::move(line));
        start = end + 1;
    }
    return document;
}

std::optional<std::size_t> IniDocument::FindKey(std::string_view section,
                                                std::string_view key) const {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    bool inWantedSection = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.kind == LineKind::kSection) {
            inWantedSection = EqualsIgnoreCase(line.name, section);
        } else if (inWantedSection && line.kind == LineKind::kKey &&
                   EqualsIgnoreCase(line.name, key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    const std::optional<std::size_t> index = FindKey(section, key);
    if (!index) {
        return std::nullopt;
    }
    const std::string& text = m_lines[*index].text;
    return std::string(TrimBlanks(std::string_view(text).substr(text.find('=') + 1)));
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    if (!IsUsableSectionName(section) || !IsUsableKeyName(key)) {
        return false;
    }
    const std::string cleanValue = CleanValue(value);

    if (const std::optional<std::size_t> index = FindKey(section, key)) {
        // Keep the key's spelling and the spacing around '=' as the user wrote them.
        std::string& text = m_lines[*index].text;
        std::size_t valueStart = text.find('=') + 1;
        while (valueStart < text.size() && (text[valueStart] == ' ' || text[valueStart] == '\t')) {
            ++valueStart;
        }
        text.replace(valueStart, std::string::npos, cleanValue);
        return true;
    }

    Line newLine{std::string(key) + '=' + cleanValue, LineKind::kKey, std::string(key)};
    std::optional<std::size_t> header;
    std::size_t insertAt = 0;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.kind == LineKind::kSection) {
            if (header) {
                break;
            }
            if (EqualsIgnoreCase(line.name, section)) {
                header = i;
                insertAt = i + 1;
            }
        } else if (header && line.kind == LineKind::kKey) {
            insertAt = i + 1;
        }
    }
    if (header) {
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(newLine));
        return true;
    }

    if (!m_lines.empty() && !TrimBlanks(m_lines.back().text).empty()) {
        m_lines.push_back(Line{});
    }
    m_lines.push_back(
        Line{'[' + std::string(section) + ']', LineKind::kSection, std::string(section)});
    m_lines.push_back(std::move(newLine));
    return true;
}

std::string IniDocument::Serialize() const {
    std::size_t size = 0;
    for (const Line& line : m_lines) {
        size += line.text.size() + 1;
    }
    std::string out;
    out.reserve(size);
    for (const Line& line : m_lines) {
        out += line.text;
        out += '\n';
    }
    return out;
}

}  // namespace lumarik
