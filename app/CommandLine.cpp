#include "app/CommandLine.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <iostream>
#include <map>

#include "app/ExitCodes.h"
#include "app/Messages.h"

namespace netlist {
namespace {

// What each option with a value takes, for the message when it is missing or
// will not do.
const std::map<std::string, std::string, std::less<>> kValueTaken = {
    {"--designer", "a name"},
    {"--lengths", "\"mils\" or \"mm\""},
    {"--compare", "the old design file or report to compare with"},
    {"--output", "the path of the file to write"},
};

// A value as typed, in quotes; control characters are shown as \xHH rather
// than sent to the terminal.
std::string shownValue(std::string_view text) {
    std::string shown = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            constexpr char kHex[] = "0123456789ABCDEF";
            shown += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
        } else {
            shown += c;
        }
    }
    return shown + "\"";
}

// The parser's own wording names its internals ("1 required TEXT missing",
// "disallowed flag override"); the user gets ours. Its messages start with
// the option's name, which picks the text.
std::string usageMessage(const CLI::ParseError& error) {
    std::string what = error.what();
    const std::string kind = error.get_name();
    if (kind == "ArgumentMismatch") {
        // "batch was given a disallowed flag override": a switch with a value.
        if (what.find("flag override") != std::string::npos)
            return "--" + what.substr(0, what.find(' ')) + " takes no value";
        const std::string option = what.substr(0, what.find(':'));
        if (const auto taken = kValueTaken.find(option); taken != kValueTaken.end())
            return option + " takes " + taken->second;
    }
    if (kind == "ExcludesError")
        return "--compare takes no --designer: a compare report has no \"Design By\" line";
    return what;
}

// Whether text is one of this program's options, as "--batch" or
// "--lengths=mm" is.
bool namesAnOption(const CLI::App& app, std::string_view text) {
    if (text.size() < 2 || text.front() != '-') return false;
    const std::string_view name = text.substr(0, text.find('='));
    for (const CLI::Option* option : app.get_options()) {
        for (const std::string& longName : option->get_lnames())
            if (name == "--" + longName) return true;
        for (const std::string& shortName : option->get_snames())
            if (name == "-" + shortName) return true;
    }
    return false;
}

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

std::optional<int> ParseCommandLine(int argc, const char* const* argv, CommandLine& options,
                                    std::ostream& out, std::ostream& err) {
    CLI::App app{
        "Writes a netlist report of a printed-circuit design: the design's facts and counts, "
        "then every net with its pins and, on request, its routed length.",
        "netlist-report"};
    app.set_version_flag("--version", std::string("netlist-report ") + NETLIST_VERSION);
    // Unknown options and extra files get a message of ours, below.
    app.allow_extras();
    // A later value of an option overrides an earlier one, so that a script
    // can add to a preset command line.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_flag("--batch", options.batch,
                 "No window: connect, write the report and exit (exit code 0 when written)")
        ->disable_flag_override();
    auto* designer = app.add_option("--designer", options.choices.designer,
                                    "Designer's name for the \"Design By\" line")
                         ->option_text("NAME");
    std::string lengths;
    auto* lengthsOption =
        app.add_option("--lengths", lengths, "Write each board net's routed length")
            ->option_text("mils|mm");
    app.add_flag("--screen", options.choices.screen,
                 "Open the finished report in the desktop's viewer")
        ->disable_flag_override();
    app.add_option("--output", options.choices.output,
                   "Write the report (with --compare, the compare report) to PATH instead of "
                   "beside the design; also where the window's Start writes")
        ->option_text("PATH");
    app.add_option("--compare", options.compare,
                   "Compare DESIGN (NEW) with OLD, a design file or a report (.wrf) written "
                   "earlier, and write the differences beside DESIGN, named like its report "
                   "with \"cmp\" for \"wrf\"")
        ->option_text("OLD")
        ->excludes(designer);
    app.add_option("DESIGN", options.design,
                   "Design file to serve: a JSON design, a KiCad board (.kicad_pcb), a KiCad "
                   "netlist export (.net) or an IPC-D-356 netlist (.ipc, .d356, .356), told "
                   "apart by content; the built-in sample board when absent")
        ->type_name("");
    // Written for the man page too, which help2man makes from this text:
    // "Environment:" and "Examples:" become sections of their own.
    app.footer(
        "Without --batch the window opens, its choices preset by the options; on a machine\n"
        "without a display the program says so and works in batch mode. The report is\n"
        "written beside the design file unless --output names another file, named after\n"
        "the design: its file name up to the first \".\", then \"wrf\"; the sample board's\n"
        "report lands in the current folder. --compare writes the differences beside\n"
        "DESIGN the same way, with \"cmp\" for \"wrf\". A run that replaces the report of\n"
        "another design of the same name (amp.rev-b.kicad_pcb and amp.rev-c.kicad_pcb\n"
        "both give amp.wrf) says so on stderr.\n"
        "\n"
        "Exit codes: 0 report written (also --help and --version), 1 design not available,\n"
        "2 usage error, 3 design file invalid, 4 report not written; stderr says why.\n"
        "With --compare: 0 when the designs do not differ, 5 when they differ.\n"
        "\n"
        "Environment:\n"
        "  NETLIST_REPORT_FIXED_DATE  replaces the date and time of the report's \"Date\"\n"
        "                             line, so that two reports compare byte for byte\n"
        "\n"
        "Examples:\n"
        "  $ netlist-report --batch --lengths mm board.kicad_pcb\n"
        "  $ netlist-report --batch --output /tmp/rev-b.wrf amp.rev-b.kicad_pcb\n"
        "  $ netlist-report --designer \"Pat Designer\" design.json\n"
        "  $ netlist-report --compare board.net board.kicad_pcb\n"
        "      does the board still match its schematic's netlist? (writes board.cmp)\n"
        "  $ netlist-report --compare amp-rev-b.wrf amp-rev-c.json\n"
        "      what changed since revision B's report? (writes amp-rev-c.cmp)\n"
        "  $ netlist-report --compare netlist.ipc board.kicad_pcb\n"
        "      does the fab's test netlist still match the board? (writes board.cmp)");
    const auto refuse = [&err](const std::string& message) {
        err << kMessagePrefix << message << "\n";
        return exitcode::kUsageError;
    };
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help, out, err) == 0 ? exitcode::kReportWritten : exitcode::kUsageError;
    } catch (const CLI::CallForVersion& version) {
        return app.exit(version, out, err) == 0 ? exitcode::kReportWritten : exitcode::kUsageError;
    } catch (const CLI::ParseError& error) {
        return refuse(usageMessage(error));
    }
    if (const std::vector<std::string> extras = app.remaining(); !extras.empty()) {
        const std::string& first = extras.front();
        if (first.size() > 1 && first.front() == '-')
            return refuse("unknown option " + shownValue(first) +
                          "; netlist-report --help lists the options");
        return refuse("one design file only: " + shownValue(first) + " is one too many");
    }
    if (lengthsOption->count() > 0) {
        const std::map<std::string, NetLengths> units{{"mils", NetLengths::Mils},
                                                      {"mm", NetLengths::Mm}};
        const auto unit = units.find(lowerCase(lengths));
        if (unit == units.end())
            return refuse("--lengths takes " + kValueTaken.at("--lengths") + ", not " +
                          shownValue(lengths));
        options.choices.lengths = unit->second;
    }
    for (const auto& [option, value] :
         {std::pair{"--output", &options.choices.output}, std::pair{"--compare", &options.compare}})
        if (*value && (*value)->empty())
            return refuse(option + (" takes " + kValueTaken.at(option)));
    // The parser hands an option that follows one wanting a value over as
    // that value: "--compare --batch b.json" would compare with a file named
    // "--batch". A file of such a name is still reachable as ./--batch.
    const std::optional<std::string> designerGiven =
        designer->count() > 0 ? std::optional(options.choices.designer) : std::nullopt;
    using Value = const std::optional<std::string>*;
    for (const auto& [option, value] :
         {std::pair<const char*, Value>{"--designer", &designerGiven},
          std::pair<const char*, Value>{"--output", &options.choices.output},
          std::pair<const char*, Value>{"--compare", &options.compare}})
        if (*value && namesAnOption(app, **value))
            return refuse(std::string(option) + " takes " + kValueTaken.at(option) +
                          ", not the option " + shownValue(**value) +
                          (std::string_view(option) == "--designer"
                               ? std::string()
                               : "; a file of that name is ./" + **value));
    return std::nullopt;
}

}  // namespace netlist
