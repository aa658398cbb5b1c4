#include "app/BatchRun.h"

#include <iostream>

#include "app/ExitCodes.h"
#include "design/Windows1252.h"
#include "report/Form1Model.h"
#include "report/NativePath.h"
#include "report/RunChoices.h"

namespace netlist {

int RunBatch(DesignLibrary& library, const RunChoices& choices) {
    Form1Model form(library, SystemReportEnvironment());
    form.Form_Load();
    ApplyRunChoices(form, choices);
    const Form1Controls& controls = form.controls();

    const auto statusText = [&] { return Windows1252ToUtf8(controls.statusLabelCaption); };
    switch (form.Start_Click()) {
        case RunOutcome::Written:
            std::cout << "netlist-report: " << statusText() << " ("
                      << NativePathToUtf8(form.reportPath()) << ")\n";
            // Written all the same: stored reports and scripts rely on the
            // report's name.
            if (!form.replacedReportNotice().empty())
                std::cerr << "netlist-report: " << Windows1252ToUtf8(form.replacedReportNotice())
                          << "; use --output to keep both\n";
            if (!form.viewerError().empty())
                std::cerr << "netlist-report: " << Windows1252ToUtf8(form.viewerError()) << "\n";
            return exitcode::kReportWritten;
        case RunOutcome::DesignNotOpen:
            std::cerr << "netlist-report: design not available: " << statusText() << "\n";
            return exitcode::kDesignNotAvailable;
        case RunOutcome::ReportNotWritten:
            std::cerr << "netlist-report: report not written: " << statusText() << "\n";
            return exitcode::kReportNotWritten;
    }
    return exitcode::kReportNotWritten;
}

}  // namespace netlist
