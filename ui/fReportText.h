#pragma once

#include "core/cReportText.h"

#include <string>

class QString;
class QWidget;

// A written report in a rich-text window, with a command to save it as RTF.
void ShowReportText(const TReportText& report, const std::string& title, QWidget* owner);
// The report as the window's rich text: a monospaced font, bold lines in bold.
QString ReportToHtml(const TReportText& report);
