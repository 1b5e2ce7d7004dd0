// A printed report as text for its recording: header, date and footer, then each line of the
// page with its kind (B blank, H heading, R row, D drawing; * when bold) and its cells.
#pragma once

#include <string>

#include "core/report/PrintedReport.h"

namespace lumarik::test {

inline std::string PageText(const PrintedReport& report) {
    std::string text = report.header + "|" + report.date + "|" + report.footer + "\n";
    for (const ReportLine& line : report.Lines()) {
        text += "BHRD"[static_cast<int>(line.kind)];
        if (line.bold) text += '*';
        for (const std::string& cell : line.cells) text += "\t" + cell;
        text += "\n";
    }
    return text;
}

}  // namespace lumarik::test
