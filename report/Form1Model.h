// The main window without a display: the state of every control the program
// reads or writes, and the handlers that change it. The desktop window shows
// and edits this state; the batch mode drives it directly. Texts are
// Windows-1252, as the design library and the report use them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "design/DesignLibrary.h"
#include "design/DesignSession.h"
#include "report/ReportChoices.h"
#include "report/ReportEnvironment.h"
#include "report/ReportRun.h"

namespace netlist {

struct Form1Controls {
    std::string label3Caption;        // Label3, the design kind: "Pcb", "Schmatic" or ""
    std::string statusLabelCaption;   // status_label, the status line
    std::string statusLabel3Caption;  // status_label3, the design file name
    std::string text1;                // Text1, the designer's name as typed

    bool startEnabled = true;  // Start
    int check1Value = 0;       // Check1 "With Nets Length": 0 or 1
    bool check1Enabled = true;
    bool option1Selected = true;  // "mils"; "mm" (Option2) is selected otherwise
    bool option1Enabled = false;
    bool option2Enabled = false;
    bool option3Selected = false;  // "Screen"; "File" (Option4) is selected otherwise
    bool option3Enabled = true;
    bool option4Enabled = true;
};

// How a press of Start ended.
enum class RunOutcome {
    Written,          // the report is complete; the program ends
    DesignNotOpen,    // the start-up found no design: status_label holds the message
    ReportNotWritten  // the report file could not be written: status_label says why
};

class Form1Model {
  public:
    Form1Model(DesignLibrary& library, ReportEnvironment environment);

    Form1Controls& controls() { return controls_; }
    const Form1Controls& controls() const { return controls_; }

    // Called whenever status_label's caption changes, so that a window can
    // repaint it during a long run. May be left empty.
    std::function<void()> onStatusChanged;

    void Form_Load();
    // Another design, as when the host application opens another one: the
    // session with the current library is closed and the start-up runs again
    // over the new one. The choices made in the controls stay.
    void switchLibrary(DesignLibrary& library);
    void Check1_Click();
    // Closes the session; the caller then ends the program.
    void Exit_Click();
    // The report run. On Written the caller ends the program.
    RunOutcome Start_Click();

    // Makes Start write the report to this file (a native path) instead of
    // beside the design. The same refusals hold for it.
    void setReportTarget(std::string nativePath) { reportTarget_ = std::move(nativePath); }

    // The report file that the last successful run wrote, as the file system
    // names it (a native path).
    const std::string& reportPath() const { return reportPath_; }
    // Set when a run wrote its report but the viewer could not be started.
    const std::string& viewerError() const { return viewerError_; }
    // Set when a run replaced the report of another design, which had the
    // same report name: "amp.wrf replaced a report of amp.rev-b.pcb".
    const std::string& replacedReportNotice() const { return replacedReportNotice_; }

    // What the controls ask the report run to write.
    ReportChoices reportChoices() const;

  private:
    void showConnection(const DesignConnection& connection);
    void setStatusCaption(std::string caption);

    DesignLibrary* library_;
    DesignSession session_;
    ReportEnvironment environment_;
    Form1Controls controls_;
    std::optional<std::string> reportTarget_;
    std::string reportPath_;
    std::string viewerError_;
    std::string replacedReportNotice_;
};

}  // namespace netlist
