#include "ui/win32/RunWindow.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

#include "report/RunChoices.h"
#include "ui/win32/MainWindow.h"

namespace netlist::win32 {

int RunWindow(DesignLibrary& library, const RunChoices& choices, const DesignChoice& designChoice) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    MainWindow form(library, SystemReportEnvironment(), designChoice);
    form.presenter().startUp(choices);
    ShowWindow(form.handle(), SW_SHOWNORMAL);
    UpdateWindow(form.handle());

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (form.translateDialogMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace netlist::win32
