#pragma once

#include <iosfwd>
#include <optional>
#include <string>

namespace CLI {
class App;
}

// `climate RECORD OUT.mtf [--normals month|day] [--from YEAR] [--to YEAR] [--rain mean|P]
// [--latitude DEG | --general GEN] [--wind-height M] [--radiation mj|w|kwh]
// [--format text|json]`: a daily climate record made into meteo data, written as a .mtf file,
// with a summary of what was read and used. Nothing is written when the record is refused.
struct TClimateCliOptions {
    std::string Record;
    std::string Out;
    std::string Normals = "month";
    int From = 0;
    int To = 0;
    std::string Rain = "mean";
    std::optional<double> Latitude;
    std::string General;
    std::optional<double> WindHeight;
    std::string Radiation;
    std::string Format = "text";
};

CLI::App* AddClimateCommand(CLI::App& app, TClimateCliOptions& options);
int RunClimate(const TClimateCliOptions& options, std::ostream& out, std::ostream& err);
