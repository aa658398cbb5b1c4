#include <iostream>

#include "app/BatchRun.h"
#include "app/CommandLine.h"
#include "app/ExitCodes.h"
#include "design/files/DesignFileLoader.h"
#include "design/standin/SampleDesign.h"
#include "design/standin/StandInLibrary.h"

#ifdef NETLIST_HAVE_UI
#include "app/DisplayCheck.h"
#include "ui/RunWindow.h"
#endif

int main(int argc, char** argv) {
    using namespace netlist;
    CommandLine options;
    if (const auto stop = ParseCommandLine(argc, argv, options)) return *stop;

    DesignData design;
    try {
        design = options.design ? LoadDesignFile(*options.design) : SampleDesign();
    } catch (const DesignFileError& error) {
        std::cerr << "netlist-report: " << error.what() << "\n";
        return exitcode::kDesignFileInvalid;
    }
    StandInLibrary library(std::move(design));

#ifdef NETLIST_HAVE_UI
    if (!options.batch) {
        if (HasDisplay()) return RunWindow(argc, argv, library, options);
        std::cerr << "netlist-report: no display to show the window on; "
                     "writing the report in batch mode instead\n";
    }
#endif
    return RunBatch(library, options);
}
