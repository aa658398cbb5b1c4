// Temporary files that an interrupted run removes. A report is written to a
// temporary file first; should the run be stopped by SIGINT, SIGTERM or
// SIGHUP meanwhile, that file is removed before the signal takes its usual
// course, and the previous report stays as it was.
#pragma once

#include <string>

namespace netlist {

// Registers path for removal should the run be stopped; returns the slot to
// release, or -1 when every slot is taken (the file is then left to the
// normal cleanup alone).
int RemoveWhenInterrupted(const std::string& path);
// The file was renamed or removed by the run itself.
void ReleaseInterruptCleanup(int slot);

}  // namespace netlist
