#include "ui/win32/DialogFocus.h"

namespace netlist::win32 {
namespace {

bool canTakeFocus(HWND control) {
    return IsWindowVisible(control) && IsWindowEnabled(control);
}

HWND firstTabStop(HWND window) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if ((GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) && canTakeFocus(child)) return child;
    return nullptr;
}

}  // namespace

void DialogFocus::remember(HWND window) {
    HWND focus = GetFocus();
    if (focus && IsChild(window, focus)) control_ = focus;
}

void DialogFocus::restore(HWND window) {
    if (!control_ || !IsChild(window, control_) || !canTakeFocus(control_))
        control_ = firstTabStop(window);
    if (control_) SetFocus(control_);
}

bool DialogFocus::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_ACTIVATE) {
        if (LOWORD(wParam) == WA_INACTIVE) remember(window);
        result = DefWindowProcW(window, message, wParam, lParam);
        return true;
    }
    if (message == WM_SETFOCUS) {
        restore(window);
        result = 0;
        return true;
    }
    return false;
}

}  // namespace netlist::win32
