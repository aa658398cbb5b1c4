#include "app/CommandLine.h"

#include <CLI/CLI.hpp>
#include <map>

#include "app/ExitCodes.h"

namespace netlist {

std::optional<int> ParseCommandLine(int argc, const char* const* argv, CommandLine& options) {
    CLI::App app{
        "Writes a netlist report of a printed-circuit design: the design's facts and counts, "
        "then every net with its pins and, on request, its routed length.",
        "netlist-report"};
    app.set_version_flag("--version", std::string("netlist-report ") + NETLIST_VERSION);
    app.add_flag("--batch", options.batch,
                 "No window: connect, write the report and exit (exit code 0 when written)");
    auto* designer = app.add_option("--designer", options.choices.designer,
                                    "Designer's name for the \"Design By\" line")
                         ->option_text("NAME");
    const std::map<std::string, NetLengths> units{{"mils", NetLengths::Mils},
                                                  {"mm", NetLengths::Mm}};
    app.add_option("--lengths", options.choices.lengths, "Write each board net's routed length")
        ->transform(CLI::CheckedTransformer(units, CLI::ignore_case))
        ->option_text("mils|mm");
    app.add_flag("--screen", options.choices.screen,
                 "Open the finished report in the desktop's viewer");
    app.add_option("--compare", options.compare,
                   "Compare DESIGN (NEW) with OLD, a design file or a report (.wrf) written "
                   "earlier, and write the differences beside DESIGN, named like its report "
                   "with \"cmp\" for \"wrf\"")
        ->option_text("OLD")
        ->excludes(designer);
    app.add_option("DESIGN", options.design,
                   "Design file to serve: a JSON design, a KiCad board (.kicad_pcb) or a KiCad "
                   "netlist export (.net), told apart by content; the built-in sample board "
                   "when absent")
        ->type_name("");
    // Written for the man page too, which help2man makes from this text:
    // "Environment:" and "Examples:" become sections of their own.
    app.footer(
        "Without --batch the window opens, its choices preset by the options; on a machine\n"
        "without a display the program says so and works in batch mode. The report is\n"
        "written beside the design file, named after it: its name up to the first \".\",\n"
        "then \"wrf\"; the sample board's report lands in the current folder. --compare\n"
        "writes the differences beside DESIGN the same way, with \"cmp\" for \"wrf\".\n"
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
        "  $ netlist-report --designer \"Pat Designer\" design.json\n"
        "  $ netlist-report --compare board.net board.kicad_pcb\n"
        "      does the board still match its schematic's netlist? (writes board.cmp)\n"
        "  $ netlist-report --compare amp-rev-b.wrf amp-rev-c.json\n"
        "      what changed since revision B's report? (writes amp-rev-c.cmp)");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int code = app.exit(error);
        if (code == 0) return exitcode::kReportWritten;  // --help or --version
        return exitcode::kUsageError;
    }
    return std::nullopt;
}

}  // namespace netlist
