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
    // Opens the finished report for the user ("Screen").
    std::function<ViewerLaunch(const std::string& reportPath)> openViewer;
};

// The real clock in the user's locale and the platform's viewer.
ReportEnvironment SystemReportEnvironment();

}  // namespace netlist
