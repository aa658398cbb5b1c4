#include "app/BatchRun.h"

#include <iostream>

#include "app/ExitCodes.h"
#include "design/Windows1252.h"
#include "report/Form1Model.h"

namespace netlist {

int RunBatch(DesignLibrary& library, const CommandLine& options) {
    Form1Model form(library, SystemReportEnvironment());
    form.Form_Load();
    Form1Controls& controls = form.controls();
    controls.text1 = Utf8ToWindows1252(options.designer);
    controls.check1Value = options.lengths ? 1 : 0;
    form.Check1_Click();
    controls.option1Selected = options.lengths != LengthUnit::Mm;
    controls.option3Selected = options.screen;

    const auto statusText = [&] { return Windows1252ToUtf8(controls.statusLabelCaption); };
    switch (form.Start_Click()) {
        case RunOutcome::Written:
            std::cout << "netlist-report: " << statusText() << " ("
                      << Windows1252ToUtf8(form.reportPath()) << ")\n";
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
