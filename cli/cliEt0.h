#pragma once

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

// `et0 GEN MTF [--period day|week|month|N] [--format json|csv|text]`: the daily reference
// evapotranspiration of the three methods and the maximum sunshine hours, their mean and sum per
// calculation period and their year totals. Without --period the general data's period is used.
struct TEt0Options {
    std::string GeneralFile;
    std::string MeteoFile;
    std::string Period;
    std::string Format = "json";
};

CLI::App* AddEt0Command(CLI::App& app, TEt0Options& options);
int RunEt0(const TEt0Options& options, std::ostream& out, std::ostream& err);
