// The report environment of the tests: a fixed date, so that reports compare
// byte for byte, and a viewer that only records the paths it is asked to open
// and fails with viewerError when that is not empty.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "report/ReportEnvironment.h"

namespace netlist::test {

inline constexpr char kFixedDate[] = "02/01/2024 13:04:05";

inline ReportEnvironment TestEnvironment(
    std::shared_ptr<std::vector<std::string>> viewerCalls = nullptr, std::string viewerError = {}) {
    ReportEnvironment environment;
    environment.dateTimeText = [] { return std::string(kFixedDate); };
    environment.openViewer = [viewerCalls, viewerError](const std::string& reportPath) {
        if (viewerCalls) viewerCalls->push_back(reportPath);
        return ViewerLaunch{viewerError.empty(), viewerError};
    };
    return environment;
}

}  // namespace netlist::test
