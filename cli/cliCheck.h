#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace CLI {
class App;
}

// `check FILE... [--format text|json] [--units metric|imperial]`: every value of the data files
// that the editors' range rules refuse, one line each (file, field, period, value, accepted
// range). A .gen among the files gives the latitude and calculation period the meteo rules and
// the pattern's area check need. Exit 1 when a value is out of range or a file cannot be read.
struct TCheckOptions {
    std::vector<std::string> Files;
    std::string Format = "text";
    std::string Units = "metric";
};

CLI::App* AddCheckCommand(CLI::App& app, TCheckOptions& options);
int RunCheck(const TCheckOptions& options, std::ostream& out, std::ostream& err);
