#include <iostream>

#include "app/BatchRun.h"
#include "app/CommandLine.h"
#include "app/ExitCodes.h"
#include "design/files/DesignFileLoader.h"
#include "design/standin/SampleDesign.h"
#include "design/standin/StandInLibrary.h"

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
    return RunBatch(library, options);
}
