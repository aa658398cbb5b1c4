// The keyboard focus in a window of controls, kept as a dialog keeps it: the
// window itself never holds it. When the window is activated the focus goes
// back to the control that had it when the window was last deactivated, or,
// the first time and when that control can no longer take it, to the first
// enabled tab stop.
#pragma once

#include <windows.h>

namespace netlist::win32 {

class DialogFocus {
  public:
    // On WM_ACTIVATE with WA_INACTIVE.
    void remember(HWND window);
    // On WM_SETFOCUS of the window itself (the default activation gives the
    // focus to the window), and after controls were enabled or disabled.
    void restore(HWND window);
    // Does both for the window's messages: true, with the message's result,
    // for WM_ACTIVATE and WM_SETFOCUS.
    bool handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  private:
    HWND control_ = nullptr;
};

}  // namespace netlist::win32
