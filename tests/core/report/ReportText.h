// A printed report as text for its recording: header, date and footer, then each line of the
// page with its kind (B blank, H heading, R row, D drawing; * when bold) and its cells. Given
// keys ("a|b"), only the lines whose first cell starts with one of them, without the header;
// with `frame`, the header and every line but the rows besides.
#pragma once

#include <string>
#include <string_view>

#include "core/report/PrintedReport.h"
#include "support/Recording.h"

namespace lumarik::test {

inline std::string PageText(const PrintedReport& report, std::string_view keys = "*",
                            bool frame = false) {
    const bool all = keys == "*";
    std::string text =
        all || frame ? report.header + "|" + report.date + "|" + report.footer + "\n" : "";
    for (const ReportLine& line : report.Lines()) {
        const bool kept = all || (frame && line.kind != ReportLine::Kind::kRow) ||
                          (!line.cells.empty() && StartsWithAny(line.cells[0], keys));
        if (!kept) continue;
        text += "BHRD"[static_cast<int>(line.kind)];
        if (line.bold) text += '*';
        for (const std::string& cell : line.cells) text += "\t" + cell;
        text += "\n";
    }
    return text;
}

}  // namespace lumarik::test
