#pragma once

namespace netlist::exitcode {

inline constexpr int kReportWritten = 0;
inline constexpr int kDesignNotAvailable = 1;  // the design library refused the design
inline constexpr int kUsageError = 2;
inline constexpr int kDesignFileInvalid = 3;
inline constexpr int kReportNotWritten = 4;
inline constexpr int kDesignsDiffer = 5;  // --compare: the compare report lists differences

}  // namespace netlist::exitcode
