// The window, where one can be shown: it runs until the program ends and
// gives the exit code. Per platform: the Qt window module (WindowRun.cpp),
// the Win32 window (WindowRun_win32.cpp), or none (WindowRunNone.cpp).
#pragma once

#include <optional>

#include "design/DesignLibrary.h"
#include "report/RunChoices.h"
#include "ui/DesignChoice.h"

namespace netlist {

// Nothing when no window can be shown (the reason is on stderr); the batch
// mode writes the report instead.
std::optional<int> RunWindowIfShown(int argc, char** argv, DesignLibrary& library,
                                    const RunChoices& choices, const DesignChoice& designChoice);

}  // namespace netlist
