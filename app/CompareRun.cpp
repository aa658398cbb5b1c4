#include "app/CompareRun.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <new>
#include <stdexcept>

#include "app/CompareSides.h"
#include "app/ExitCodes.h"
#include "app/KeptUntilExit.h"
#include "app/Messages.h"
#include "app/ServedDesign.h"
#include "design/HostLibraryError.h"
#include "design/Records.h"
#include "design/StatusMessage.h"
#include "design/files/DesignFileError.h"
#include "platform/NativePath.h"
#include "platform/Windows1252.h"
#include "report/ReportEnvironment.h"
#include "report/ReportFile.h"
#include "report/ReportFolderRule.h"
#include "report/ReportPaths.h"
#include "report/compare/CompareReport.h"

namespace netlist {
namespace {

std::filesystem::path pathOf(const std::string& utf8) {
    return ArgumentPath(utf8);
}

// What a compare holds at its end, kept until exit.
struct Compared {
    SnapshotResult before;
    SnapshotResult after;
    DesignDiff diff;
};

int compare(const CommandLine& options, Compared& held) {
    SnapshotResult& after = held.after;
    SnapshotResult& before = held.before;
    try {
        after = NewCompareSide(options);
        before = OldCompareSide(pathOf(*options.compare));
    } catch (const DesignFileError& error) {
        Tell(std::cerr, error.what());
        return exitcode::kDesignFileInvalid;
    } catch (const HostLibraryError& error) {
        Tell(std::cerr, error.what());
        return exitcode::kDesignNotAvailable;
    }
    const std::string newName = options.design ? *options.design : "the open design";
    for (const auto& [side, name] :
         {std::pair{&before, "OLD " + *options.compare}, std::pair{&after, "NEW " + newName}}) {
        if (side->status != 0) {
            Tell(std::cerr, "design not available: " + name + ": " +
                                Windows1252ToUtf8(StatusMessage(side->status)));
            return exitcode::kDesignNotAvailable;
        }
    }

    // Beside the new design unless --output names the file.
    const std::string target =
        options.choices.output
            ? NativePathFromUtf8(*options.choices.output)
            : NativeFileSystemPath(DeriveReportNames(after.snapshot.designPath, "cmp").reportPath);
    std::optional<std::int32_t> lengthUnits;
    if (options.choices.lengths != NetLengths::None)
        lengthUnits = options.choices.lengths == NetLengths::Mils ? kUnitsPerMil : kUnitsPerMm;
    held.diff = CompareSnapshots(before.snapshot, after.snapshot, lengthUnits);
    const DesignDiff& diff = held.diff;
    const ReportEnvironment environment = SystemReportEnvironment();
    const CompareReportInput input{
        before.snapshot,
        after.snapshot,
        diff,
        Utf8ToWindows1252(*options.compare),
        options.design ? Utf8ToWindows1252(*options.design) : after.snapshot.designPath,
        environment.dateTimeText(),
        lengthUnits,
        options.choices.lengths == NetLengths::Mils ? "mils" : "mm"};
    try {
        // Never over a compared file, nor over any other design.
        RefuseToReplaceTheDesign(target, NativeFileSystemPath(after.snapshot.designPath));
        RefuseToReplaceTheDesign(target, pathOf(*options.compare).string(),
                                 "the old side of this compare");
        if (options.design) RefuseToReplaceTheDesign(target, pathOf(*options.design).string());
        if (IsDesignFile(target))
            throw ReportFileError(target + ": cannot be written: it is a design file");
        WriteCompareReport(target, input);
    } catch (const ReportFileError& error) {
        Tell(std::cerr, "compare report not written: " +
                            Windows1252ToUtf8(NativeTextToWindows1252(error.what())));
        return exitcode::kReportNotWritten;
    }
    Tell(std::cout, "compare report written to " + NativePathToUtf8(target) + ": " +
                        (diff.empty() ? "the designs do not differ" : "the designs differ"));
    if (options.choices.screen) {
        const ViewerLaunch launch = environment.openViewer(target);
        if (!launch.started)
            Tell(std::cerr, launch.error.empty() ? "the report could not be opened in a viewer"
                                                 : Windows1252ToUtf8(launch.error));
    }
    return diff.empty() ? exitcode::kReportWritten : exitcode::kDesignsDiffer;
}

int notEnoughMemory() {
    Tell(std::cerr, "compare report not written: there is not enough memory for the comparison");
    return exitcode::kReportNotWritten;
}

}  // namespace

int RunCompare(const CommandLine& options) {
    // Each side is read or refused with its own message; what remains to
    // fail for want of memory is the comparison and its report.
    try {
        auto held = std::make_unique<Compared>();
        const int code = compare(options, *held);
        KeepUntilExit(held);
        return code;
    } catch (const std::bad_alloc&) {
        return notEnoughMemory();
    } catch (const std::length_error&) {
        return notEnoughMemory();
    }
}

}  // namespace netlist
