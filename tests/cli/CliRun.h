#pragma once

#include "cli/cliCommands.h"

#include <sstream>
#include <string>
#include <vector>

// Runs quelta-cli in the test process and keeps what it printed.
struct TCliRun {
    int code;
    std::string out;
    std::string err;
};

inline TCliRun Cli(std::vector<std::string> args) {
    args.insert(args.begin(), "quelta-cli");
    std::vector<const char*> argv;
    for (const auto& a : args)
        argv.push_back(a.c_str());
    std::ostringstream out, err;
    const int code = RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
    return {code, out.str(), err.str()};
}
