#include "report/Form1Model.h"

namespace netlist {

Form1Model::Form1Model(DesignLibrary& library, ReportEnvironment environment)
    : library_(library), environment_(std::move(environment)) {}

void Form1Model::Form_Load() {}
void Form1Model::Check1_Click() {}
void Form1Model::Exit_Click() {}
RunOutcome Form1Model::Start_Click() { return RunOutcome::DesignNotOpen; }

ReportEnvironment SystemReportEnvironment() { return {}; }

}  // namespace netlist
