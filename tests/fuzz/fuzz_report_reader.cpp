// Feeds arbitrary bytes to the report reader, then compares what it accepts
// with itself. A DesignFileError is the expected answer to bad input; any
// other escape, a crash or a sanitizer report is a fault.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "design/files/DesignFileError.h"
#include "report/compare/DesignDiff.h"
#include "report/compare/ReportReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const netlist::DesignSnapshot report = netlist::ReadReport(text, "fuzz.wrf");
        if (!netlist::CompareSnapshots(report, report, 2540).empty()) __builtin_trap();
    } catch (const netlist::DesignFileError&) {
    }
    return 0;
}
