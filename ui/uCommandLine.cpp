#include "ui/uCommandLine.h"

namespace {

bool IsOption(const QString& argument) {
    return argument.startsWith(QLatin1Char('-')) && argument.size() > 1;
}

} // namespace

TCommandLine ParseCommandLine(const QStringList& arguments) {
    TCommandLine line;
    const qsizetype end = arguments.indexOf(QStringLiteral("--"));
    const QStringList options = end < 0 ? arguments : arguments.mid(0, end);
    // Help and version answer whatever else is on the line, as usual.
    for (const QString& argument : options) {
        if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h")) {
            line.Action = TCommandLine::TAction::Help;
            return line;
        }
        if (argument == QStringLiteral("--version") || argument == QStringLiteral("-v")) {
            line.Action = TCommandLine::TAction::Version;
            return line;
        }
    }
    for (const QString& argument : options) {
        if (IsOption(argument)) {
            line.Action = TCommandLine::TAction::UsageError;
            line.Error = "quelta: unknown option " + argument.toStdString() +
                         "\nRun 'quelta --help' for the options.\n";
            line.Files.clear();
            return line;
        }
        line.Files << argument;
    }
    if (end >= 0)
        line.Files << arguments.mid(end + 1);
    return line;
}

std::string CommandLineHelp() {
    return "Usage: quelta [options] [FILE...]\n"
           "Quelta, irrigation planning: crop water requirements, irrigation water requirements\n"
           "and water balance strategies.\n"
           "\n"
           "Each FILE opens in its window: general data (.gen), meteo data (.mtf), crop factors\n"
           "(.udc, .crp) and cropping patterns (.pat) in their editors, a strategy (.str) in the\n"
           "strategy window once general data, meteo data and a cropping pattern are open. When\n"
           "Quelta is already running, the files open in the running program.\n"
           "\n"
           "Options:\n"
           "  -h, --help     Displays help on commandline options.\n"
           "  -v, --version  Displays version information.\n"
           "\n"
           "Arguments:\n"
           "  FILE           Data files to open.\n";
}

std::string CommandLineVersion() {
    return std::string("quelta ") + QUELTA_VERSION + "\n";
}
