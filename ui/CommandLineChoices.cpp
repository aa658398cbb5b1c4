#include "ui/CommandLineChoices.h"

#include "design/Windows1252.h"

namespace netlist {

void ApplyCommandLineChoices(Form1Model& form, const CommandLine& options) {
    Form1Controls& controls = form.controls();
    if (!options.designer.empty()) controls.text1 = Utf8ToWindows1252(options.designer);
    if (options.lengths) {
        controls.check1Value = 1;
        controls.option1Selected = *options.lengths == LengthUnit::Mils;
        form.Check1_Click();
    }
    if (options.screen) controls.option3Selected = true;
}

}  // namespace netlist
