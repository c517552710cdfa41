#pragma once

#include <iosfwd>

// quelta-cli: parses the command line and runs one command. Exit codes: 0 success, 1 bad data
// (the program's own message on stderr), 2 usage error.
constexpr int kExitOk = 0;
constexpr int kExitBadData = 1;
constexpr int kExitUsage = 2;

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);
