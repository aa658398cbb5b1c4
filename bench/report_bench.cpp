// Times one report of a design file in-process: loading the file, putting the
// nets in order, and the whole report run (start-up and Start), and reports
// the peak memory of the process. One design per process, so that the peak
// belongs to that design alone.
//
//     report_bench DESIGN.json [mils|mm|none]     (the lengths; default mils)
//
// Prints one line: nets, nodes, file bytes, load ms, ordering ms, run ms,
// peak RSS in KiB after loading, peak RSS in KiB at the end. Times are the process's CPU time (the
// program is single- threaded), so that other work on a shared machine does not inflate them. The
// report is written beside the design file.
#include <sys/resource.h>
#include <time.h>

#include <cstdio>
#include <filesystem>

#include "design/DesignSession.h"
#include "design/FixedText.h"
#include "design/files/DesignFileLoader.h"
#include "design/standin/StandInLibrary.h"
#include "report/NetOrdering.h"
#include "report/ReportRun.h"

namespace {

double cpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace netlist;
    const std::string lengths = argc == 3 ? argv[2] : "mils";
    if (argc < 2 || argc > 3 || (lengths != "mils" && lengths != "mm" && lengths != "none")) {
        std::fprintf(stderr, "usage: report_bench DESIGN.json [mils|mm|none]\n");
        return 2;
    }
    const std::filesystem::path path = argv[1];

    double start = cpuMilliseconds();
    DesignData design;
    try {
        design = LoadDesignFile(path);
    } catch (const DesignFileError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 3;
    }
    const double loadMs = cpuMilliseconds() - start;
    const long loadedKilobytes = peakKilobytes();

    std::size_t nodes = 0;
    for (const DesignNet& net : design.nets) nodes += net.nodes.size();

    StandInLibrary library(std::move(design));
    ReportEnvironment environment;
    environment.dateTimeText = [] { return std::string("01.02.2024 13:04:05"); };
    DesignSession session(library);

    // The ordering alone, as the report run does it: the collection pass
    // over the open design, then the first read of the sorted list.
    ConnectToDesign(session);
    start = cpuMilliseconds();
    {
        NetList list;
        NetRecord net{};
        CollectNets(session, net, list);
        if (list.ListCount() > 0) (void)list.List(0);
    }
    const double orderingMs = cpuMilliseconds() - start;

    start = cpuMilliseconds();
    ConnectToDesign(session);
    ReportChoices choices;
    if (lengths != "none") choices.lengths = lengths == "mils" ? NetLengths::Mils : NetLengths::Mm;
    RunProgress unseen;
    const ReportOutcome outcome = WriteReport(session, choices, environment, unseen);
    const double runMs = cpuMilliseconds() - start;
    if (outcome.result != ReportResult::Written) {
        std::fprintf(stderr, "report not written: %s\n", outcome.statusText.c_str());
        return 4;
    }

    std::printf("%zu %zu %ju %.1f %.1f %.1f %ld %ld\n", library.design().nets.size(), nodes,
                static_cast<std::uintmax_t>(std::filesystem::file_size(path)), loadMs, orderingMs,
                runMs, loadedKilobytes, peakKilobytes());
    return 0;
}
