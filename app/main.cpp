#include <iostream>
#include <memory>
#include <new>
#include <string>

#include "app/BatchRun.h"
#include "app/CommandLine.h"
#include "app/CompareRun.h"
#include "app/ExitCodes.h"
#include "app/HeapUse.h"
#include "app/KeptUntilExit.h"
#include "app/Messages.h"
#include "app/ProgramArguments.h"
#include "app/ServedDesign.h"
#include "app/StartupFailure.h"
#include "app/WindowRun.h"
#include "design/HostLibraryError.h"
#include "design/files/DesignFileError.h"
#include "design/files/FileMapping.h"

namespace {

// The host's library is let go as usual.
void keepUntilExit(netlist::ServedDesign& served) {
    if (!served.hostChooses()) netlist::KeepUntilExit(served.library);
}

int start(int argc, char** argv) {
    using namespace netlist;
    CommandLine options;
    if (const auto stop = ParseCommandLine(argc, argv, options)) return *stop;
    // A window may stay open for long: it gives memory back as usual.
    if (options.batch || options.compare) KeepFreedMemoryForTheRun();
    if (options.compare) return RunCompare(options);

    ServedDesign served;
    try {
        served = ServeDesign(options.design);
    } catch (const DesignFileError& error) {
        ReportStartupFailure(StartupFailure::DesignFileRefused, error.what(), options.batch);
        return exitcode::kDesignFileInvalid;
    } catch (const HostLibraryError& error) {
        ReportStartupFailure(StartupFailure::HostLibraryMissing, error.what(), options.batch);
        return exitcode::kDesignNotAvailable;
    }
    std::optional<int> code;
    if (!options.batch)
        code = RunWindowIfShown(argc, argv, *served.library, options.choices, served.choice);
    if (!code) code = RunBatch(*served.library, options.choices);
    keepUntilExit(served);
    return *code;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace netlist;
    ProgramArguments arguments(argc, argv);
    EndProcessOnMappedFileCutShort(kMessagePrefix, exitcode::kDesignFileInvalid);
    // Every failure has a message and its exit code: what no part of the
    // run turned into one ends it here, rather than as an abort.
    try {
        return start(arguments.argc(), arguments.argv());
    } catch (const std::bad_alloc&) {
        Tell(std::cerr, "report not written: there is not enough memory for the design");
    } catch (const std::exception& error) {
        Tell(std::cerr, std::string("report not written: ") + error.what());
    }
    return exitcode::kReportNotWritten;
}
