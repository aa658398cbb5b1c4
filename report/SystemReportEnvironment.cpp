#include <chrono>
#include <cstdlib>

#include "platform/Windows1252.h"
#include "report/LocaleDateTime.h"
#include "report/ReportEnvironment.h"
#include "report/ViewerLaunch.h"

namespace netlist {

ReportEnvironment SystemReportEnvironment() {
    ReportEnvironment environment;
    environment.dateTimeText = [] {
        // A testing aid: reports of the same design then compare byte for byte.
        if (const char* fixed = std::getenv("NETLIST_REPORT_FIXED_DATE"))
            return Utf8ToWindows1252(fixed);
        return LocaleDateTimeText(std::chrono::system_clock::now());
    };
    environment.openViewer = LaunchViewer;
    return environment;
}

}  // namespace netlist
