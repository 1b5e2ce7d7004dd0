#include "core/report/PrintedReport.h"

#include <algorithm>

#include "core/model/VarCollection.h"
#include "core/report/ReportTexts.h"

namespace lumarik {

std::vector<ReportLine> PrintedReport::Lines() const {
    std::vector<ReportLine> lines;
    for (const std::string& note : notes) {
        lines.push_back({ReportLine::Kind::kHeading, {note}, false});
    }
    for (const ReportSection& section : sections) {
        lines.push_back({});
        lines.push_back({ReportLine::Kind::kHeading, {section.heading}, true});
        for (const ReportRow& row : section.rows) {
            lines.push_back({ReportLine::Kind::kRow, {row.label, row.value}, false});
        }
    }
    lines.push_back({ReportLine::Kind::kDrawing, {drawingNote}, false});
    return lines;
}

const ReportSection* PrintedReport::Section(std::string_view heading) const {
    const auto it = std::find_if(sections.begin(), sections.end(),
                                 [&](const ReportSection& s) { return s.heading == heading; });
    return it == sections.end() ? nullptr : &*it;
}

PrintedReport StartReport(const ReportStamp& stamp, std::string_view mode) {
    PrintedReport report;
    report.header = std::string(texts::kReportMaker) + " " + stamp.title + " " + stamp.version +
                    std::string(mode);
    report.date = stamp.date;
    report.footer = std::string(texts::kReportFooterPrefix) + stamp.title + " " + stamp.version;
    return report;
}

std::optional<std::string_view> SelectionRefusal(const VarCollection& chosen, int needed) {
    if (chosen.Count() != needed) return texts::kReportNeedsParameters;
    for (const CVarType& record : chosen.Records()) {
        if (!record.bVarValDef) return texts::kReportNeedsValues;
    }
    return std::nullopt;
}

std::string AlignedValue(double value, std::string text) {
    return value >= 0.0 ? " " + text : text;
}

}  // namespace lumarik
