#include <filesystem>
#include <iostream>
#include <memory>
#include <new>
#include <string>

#include "app/BatchRun.h"
#include "app/CommandLine.h"
#include "app/CompareRun.h"
#include "app/ExitCodes.h"
#include "app/Messages.h"
#include "app/StartupFailure.h"
#include "design/ControlCharacters.h"
#include "design/files/DesignFileLoader.h"
#include "design/files/FileMapping.h"
#include "design/files/SampleDesign.h"
#include "design/standin/StandInLibrary.h"
#include "report/ReportFolderRule.h"
#include "ui/DesignChoice.h"

#ifdef NETLIST_HAVE_UI
#include "app/DisplayCheck.h"
#include "app/WindowLauncher.h"
#endif
#ifdef _WIN32
#include <windows.h>

#include <cstdio>
#include <memory>

#include "design/windows/HostLibrary.h"
#include "platform/windows/Utf8CommandLine.h"
#include "ui/win32/RunWindow.h"
#endif

// Not file-local: a store to it is never left out.
netlist::StandInLibrary* libraryKeptUntilExit = nullptr;

namespace {

#ifdef _WIN32
// The program is a GUI program, so that a start from Explorer or a shortcut
// shows no console. Consoles and scripts run netlist-report.com, which hands
// us its standard handles and waits; those that name netlist-report.exe
// itself give us their console's handles or none. Console handles work once
// we are attached to that console; without any, messages such as --help go to
// the console we were started from, if there is one.
bool usable(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

void reachCallersConsole() {
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    const bool haveOutput = usable(output) && usable(error);
    const bool consoleHandles = (usable(output) && GetFileType(output) == FILE_TYPE_CHAR) ||
                                (usable(error) && GetFileType(error) == FILE_TYPE_CHAR);
    if (haveOutput && !consoleHandles) return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (!usable(output)) std::freopen("CONOUT$", "w", stdout);
    if (!usable(error)) std::freopen("CONOUT$", "w", stderr);
}
#endif

// Builds that check for leaks at exit tear the design down as usual, so that
// a leak anywhere still shows.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kLeaksChecked = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(leak_sanitizer)
constexpr bool kLeaksChecked = true;
#else
constexpr bool kLeaksChecked = false;
#endif
#else
constexpr bool kLeaksChecked = false;
#endif

// A large design is hundreds of thousands of allocations; the system takes
// its memory back at exit at once, so it is not freed piece by piece there.
// It stays reachable from libraryKeptUntilExit, so memory checkers do not
// call it lost.
void keepUntilExit(std::unique_ptr<netlist::StandInLibrary> library) {
    if (!kLeaksChecked) libraryKeptUntilExit = library.release();
}

// Serves a design file that the user chose in the window, as the command
// line's design file is served at start-up.
netlist::OpenedDesign openDesignFile(const std::filesystem::path& file) {
    using namespace netlist;
    try {
        DesignData design = LoadDesignFile(file);
        RefuseForeignReportFolder(design.designPath, file);
        return {std::make_unique<StandInLibrary>(std::move(design)), {}};
    } catch (const DesignFileError& error) {
        Tell(std::cerr, error.what());
        return {nullptr, TerminalText(error.what())};
    }
}

// designChoice.open is empty when the host application chose the design.
int run(netlist::DesignLibrary& library, int argc, char** argv, const netlist::CommandLine& options,
        const netlist::DesignChoice& designChoice) {
    using namespace netlist;
#if defined(_WIN32)
    (void)argc;
    (void)argv;
    if (!options.batch) {
        return win32::RunWindow(library, options.choices, designChoice);
    }
#elif defined(NETLIST_HAVE_UI)
    if (!options.batch) {
        std::string failure;
        if (!HasDisplay()) {
            Tell(std::cerr,
                 "no display to show the window on; writing the report in batch mode "
                 "instead");
        } else if (const WindowModule window = LoadWindowModule(failure)) {
            return window.runWindow(argc, argv, library, options.choices, designChoice);
        } else {
            ReportStartupFailure(StartupFailure::WindowModuleMissing,
                                 failure + "; writing the report in batch mode instead", false);
        }
    }
#else
    (void)argc;
    (void)argv;
    (void)designChoice;
#endif
    return RunBatch(library, options.choices);
}

int start(int argc, char** argv) {
    using namespace netlist;
    CommandLine options;
    if (const auto stop = ParseCommandLine(argc, argv, options)) return *stop;
    if (options.compare) return RunCompare(options);

#ifdef _WIN32
    // On Windows the design is the one the host application has open, unless
    // a design file is named.
    if (!options.design) {
        std::unique_ptr<HostLibrary> host;
        try {
            host = std::make_unique<HostLibrary>();
        } catch (const HostLibraryError& error) {
            ReportStartupFailure(StartupFailure::HostLibraryMissing, error.what(), options.batch);
            return exitcode::kDesignNotAvailable;
        }
        return run(*host, argc, argv, options, {});
    }
#endif

    // Otherwise the stand-in serves the design file named, or the built-in
    // sample, and the user may choose another design in the window.
    DesignChoice designChoice{openDesignFile, {}};
    DesignData design;
    try {
        if (options.design) {
#ifdef _WIN32
            const std::filesystem::path file = PathFromUtf8(*options.design);
#else
            const std::filesystem::path file = *options.design;
#endif
            design = LoadDesignFile(file);
            std::error_code noCurrentFolder;
            designChoice.file = std::filesystem::absolute(file, noCurrentFolder);
            if (noCurrentFolder) designChoice.file = file;
            RefuseForeignReportFolder(design.designPath, file);
        } else {
            design = SampleDesign();
        }
    } catch (const DesignFileError& error) {
        ReportStartupFailure(StartupFailure::DesignFileRefused, error.what(), options.batch);
        return exitcode::kDesignFileInvalid;
    }
    auto library = std::make_unique<StandInLibrary>(std::move(design));
    const int code = run(*library, argc, argv, options, designChoice);
    keepUntilExit(std::move(library));
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace netlist;
#ifdef _WIN32
    reachCallersConsole();
    Utf8CommandLine utf8Arguments;
    argc = utf8Arguments.argc();
    argv = utf8Arguments.argv();
#endif
    EndProcessOnMappedFileCutShort(kMessagePrefix, exitcode::kDesignFileInvalid);
    // Every failure has a message and its exit code: what no part of the
    // run turned into one ends it here, rather than as an abort.
    try {
        return start(argc, argv);
    } catch (const std::bad_alloc&) {
        Tell(std::cerr, "report not written: there is not enough memory for the design");
    } catch (const std::exception& error) {
        Tell(std::cerr, std::string("report not written: ") + error.what());
    }
    return exitcode::kReportNotWritten;
}
