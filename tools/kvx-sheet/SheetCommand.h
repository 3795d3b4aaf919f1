#pragma once

#include <QStringList>

#include <optional>
#include <ostream>
#include <string>
#include <variant>

// The sheet tool's command line and run, apart from its process so that tests call them
// directly: which records, which outputs, and the exit status of drawing them.
class SheetCommand {
public:
    struct Options {
        std::string database;
        std::optional<std::string> record;
        std::string pdf;
        std::string png;
        bool inPlace = false;
        bool all = false;
        std::string csv;
        std::string json;
        double dpi = 96;
        int jobs = 1;  // pages of --all drawn side by side
    };

    // The options of a command line, or the exit status when it asks for nothing to draw:
    // the help or the version written to `out`, or a refusal with the help to `err`.
    static std::variant<Options, int> parse(const QStringList& arguments, std::ostream& out, std::ostream& err);

    // Draws what the options ask for; messages go to `err`. The exit status.
    static int run(const Options& options, std::ostream& err);
};
