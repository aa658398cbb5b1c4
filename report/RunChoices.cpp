#include "report/RunChoices.h"

#include "platform/NativePath.h"
#include "platform/Windows1252.h"
#include "report/Form1Model.h"

namespace netlist {

void ApplyRunChoices(Form1Model& form, const RunChoices& choices) {
    Form1Controls& controls = form.controls();
    if (!choices.designer.empty()) controls.text1 = Utf8ToWindows1252(choices.designer);
    if (choices.lengths != NetLengths::None && controls.check1Enabled) {
        controls.check1Value = 1;
        form.Check1_Click();
        controls.option1Selected = choices.lengths == NetLengths::Mils;
    }
    if (choices.screen && controls.option3Enabled) controls.option3Selected = true;
    if (choices.output) form.setReportTarget(NativePathFromUtf8(*choices.output));
}

}  // namespace netlist
