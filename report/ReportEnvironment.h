// What a report run needs from the world outside the design: the clock and
// the user's viewer. Tests replace both, so that reports compare byte for byte
// and no viewer is ever started.
#pragma once

#include <functional>
#include <string>

namespace netlist {

struct ViewerLaunch {
    bool started = false;
    std::string error;  // why the viewer could not be started
};

struct ReportEnvironment {
    // The current date and time as the report's "Date" line shows them.
    std::function<std::string()> dateTimeText;
    // Opens the finished report for the user ("Screen"). The path is the
    // file system's: UTF-8 on Linux, the ANSI code page on Windows.
    std::function<ViewerLaunch(const std::string& reportPath)> openViewer;
};

// The real clock in the user's locale and the platform's viewer. When the
// environment variable NETLIST_REPORT_FIXED_DATE is set, its value stands in
// for the date and time (a testing aid: reports then compare byte for byte).
ReportEnvironment SystemReportEnvironment();

}  // namespace netlist
