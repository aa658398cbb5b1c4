// Times one report of a design file in-process: loading the file, putting the
// nets in order, and the whole report run (start-up and Start), and reports
// the peak memory of the process. One design per process, so that the peak
// belongs to that design alone.
//
//     report_bench DESIGN.json
//
// Prints one line: nets, nodes, file bytes, load ms, ordering ms, run ms,
// peak RSS in KiB after loading, peak RSS in KiB at the end. Times are the process's CPU time (the
// program is single- threaded), so that other work on a shared machine does not inflate them. The
// report is written beside the design file.
#include <sys/resource.h>
#include <time.h>

#include <cstdio>
#include <filesystem>

#include "design/FixedText.h"
#include "design/files/DesignFileLoader.h"
#include "design/standin/StandInLibrary.h"
#include "report/Form1Model.h"
#include "report/NetOrdering.h"

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
    if (argc != 2) {
        std::fprintf(stderr, "usage: report_bench DESIGN.json\n");
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

    // The ordering alone, as the collection pass does it.
    start = cpuMilliseconds();
    {
        NetList list;
        for (const DesignNet& net : design.nets)
            list.AddItem(NetItemText(NetSortKeyText(net.name, net.nodeCount), net.id));
        if (list.ListCount() > 0) (void)list.List(0);
    }
    const double orderingMs = cpuMilliseconds() - start;

    StandInLibrary library(std::move(design));
    ReportEnvironment environment;
    environment.dateTimeText = [] { return std::string("01.02.2024 13:04:05"); };
    Form1Model form(library, environment);
    start = cpuMilliseconds();
    form.Form_Load();
    form.controls().check1Value = 1;
    form.Check1_Click();
    const RunOutcome outcome = form.Start_Click();
    const double runMs = cpuMilliseconds() - start;
    if (outcome != RunOutcome::Written) {
        std::fprintf(stderr, "report not written: %s\n",
                     form.controls().statusLabelCaption.c_str());
        return 4;
    }

    std::printf("%zu %zu %ju %.1f %.1f %.1f %ld %ld\n", library.design().nets.size(), nodes,
                static_cast<std::uintmax_t>(std::filesystem::file_size(path)), loadMs, orderingMs,
                runMs, loadedKilobytes, peakKilobytes());
    return 0;
}
