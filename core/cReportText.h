#pragma once

#include <string>
#include <vector>

// A text report as the report window shows it: lines, some of them bold. Both reports of the
// program are written as a TReportText by Qt-free code; the report window displays it and the CLI
// prints it or saves it as RTF.

struct TReportLine {
    std::string Text;
    bool Bold = false;
    bool operator==(const TReportLine&) const = default;
};

using TReportText = std::vector<TReportLine>;

// Writes a report the way the report window is written to: SetBold marks the next line bold;
// AddLine appends a line, and a text holding CR LF becomes several lines: "Title\r\n" is the
// title and an empty line, while a text that is only CR LF is one empty line.
class TReportBuilder {
public:
    void Clear() { lines.clear(); }
    void AddLine(const std::string& text);
    void SetBold() { nextBold = true; }
    const TReportText& Lines() const { return lines; }

private:
    TReportText lines;
    bool nextBold = false;
};

// Lines joined by the given line end.
std::string ReportToPlainText(const TReportText& report, const std::string& lineEnd = "\n");
// A complete RTF document: a monospaced font so columns line up, bold runs, and characters
// outside ASCII as \uN escapes.
std::string ReportToRtf(const TReportText& report);
