#pragma once

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

// quelta-cli strategy: the strategy window's pages walked once in order after opening, and the
// comparison they end in, as JSON, CSV or text, or the strategy report.
struct TStrategyOptions {
    std::string General, Meteo, Pattern, Strategy;
    std::string Method = "pm";   // pm, modpenman or hargreaves
    std::string Format = "json"; // json, csv or text
    bool TextReport = false;
    std::string Rtf; // file for the report as rich text; empty for none
};

CLI::App* AddStrategyCommand(CLI::App& app, TStrategyOptions& options);
int RunStrategy(const TStrategyOptions& options, std::ostream& out, std::ostream& err);
