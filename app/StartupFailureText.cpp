#include "app/StartupFailure.h"

namespace netlist {

namespace {

const char* whatToDo(StartupFailure failure) {
    switch (failure) {
        case StartupFailure::DesignFileRefused:
            return "Open a KiCad board (.kicad_pcb), a KiCad netlist export (.net), an IPC-D-356 "
                   "netlist (.ipc, .d356) or a JSON design instead, or correct this file where the "
                   "message says.";
        case StartupFailure::HostLibraryMissing:
            return "Put netlist-report.exe in the folder of the EDA application's designdb32.dll, "
                   "or add that folder to PATH; or open a design file with netlist-report.";
        case StartupFailure::WindowModuleMissing:
            return "Reinstall netlist-report to get its window back; in a terminal, "
                   "\"netlist-report --batch DESIGN\" writes a report without it.";
    }
    return "";
}

}  // namespace

std::string StartupFailureBoxText(StartupFailure failure, const std::string& message) {
    return message + "\n\n" + whatToDo(failure);
}

}  // namespace netlist
