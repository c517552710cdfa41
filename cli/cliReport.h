#pragma once

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

// quelta-cli report: the water requirements report of a project, driven through the same report
// model as the report window.
struct TReportOptions {
    std::string GeneralFile;
    std::string MeteoFile;
    std::string PatternFile;
    std::string Method = "pm";
    std::string Period; // empty: the period of the general data
    std::string Crop = "all";
    std::string Rain = "usda";
    std::string Table = "all";
    std::string Format = "text";
    std::string Units = "metric";
    bool TextReport = false;
    std::string RtfFile;
};

CLI::App* AddReportCommand(CLI::App& app, TReportOptions& options);
int RunReport(const TReportOptions& options, std::ostream& out, std::ostream& err);
