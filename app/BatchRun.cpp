#include "app/BatchRun.h"

#include <iostream>

#include "app/ExitCodes.h"
#include "app/Messages.h"
#include "platform/NativePath.h"
#include "platform/Windows1252.h"
#include "report/Form1Model.h"
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
            Tell(std::cout, statusText() + " (" + NativePathToUtf8(form.reportPath()) + ")");
            // Written all the same: stored reports and scripts rely on the
            // report's name.
            if (!form.replacedReportNotice().empty())
                Tell(std::cerr, Windows1252ToUtf8(form.replacedReportNotice()) +
                                    "; use --output to keep both");
            if (!form.viewerError().empty()) Tell(std::cerr, Windows1252ToUtf8(form.viewerError()));
            return exitcode::kReportWritten;
        case RunOutcome::DesignNotOpen:
            Tell(std::cerr, "design not available: " + statusText());
            return exitcode::kDesignNotAvailable;
        case RunOutcome::ReportNotWritten:
            Tell(std::cerr, "report not written: " + statusText());
            return exitcode::kReportNotWritten;
    }
    return exitcode::kReportNotWritten;
}

}  // namespace netlist
