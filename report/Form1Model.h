// The main window without a display: the state of every control the program
// reads or writes, and the handlers that change it. The desktop window shows
// and edits this state; the batch mode drives it directly. Texts are
// Windows-1252, as the design library and the report use them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "design/DesignLibrary.h"
#include "report/NetList.h"
#include "report/ReportEnvironment.h"

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
    void Check1_Click();
    // Closes the session; the caller then ends the program.
    void Exit_Click();
    // The report run. On Written the caller ends the program.
    RunOutcome Start_Click();

    // The path of the report that the last successful run wrote.
    const std::string& reportPath() const { return reportPath_; }
    // Set when a run wrote its report but the viewer could not be started.
    const std::string& viewerError() const { return viewerError_; }

private:
    DesignLibrary& library_;
    ReportEnvironment environment_;
    Form1Controls controls_;
    NetList List1;
    std::string reportPath_;
    std::string viewerError_;
};

}  // namespace netlist
