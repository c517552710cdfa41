#pragma once

#include <QStringList>

#include <string>

// The desktop program's command line: quelta [--help] [--version] [FILE...]. Each FILE opens in
// its window; a FILE given while Quelta runs opens in the running program.
struct TCommandLine {
    enum class TAction { Run, Help, Version, UsageError };
    TAction Action = TAction::Run;
    QStringList Files; // as given (relative names are relative to the working folder)
    std::string Error; // for a usage error
};

// arguments without the program's name. "--" ends the options, so a file may start with "-".
TCommandLine ParseCommandLine(const QStringList& arguments);

// The texts of --help and --version, each ending in a new line.
std::string CommandLineHelp();
std::string CommandLineVersion();
