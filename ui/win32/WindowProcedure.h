// The window class of windows that each belong to one object: WM_NCCREATE
// hands over the object (the last argument of CreateWindowExW), and from then
// on each message goes to its handleMessage.
#pragma once

#include <windows.h>

#include "ui/win32/GdiArtwork.h"

namespace netlist::win32 {

template <class Window>
LRESULT CALLBACK ObjectWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    return self->handleMessage(message, wParam, lParam);
}

// Registers the class of Window's windows once: the program's icon, the arrow
// cursor and the dialog colour behind the controls.
template <class Window>
void RegisterObjectWindowClass(const wchar_t* className) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ObjectWindowProcedure<Window>;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    windowClass.hIcon = ProgramIcon(GetSystemMetrics(SM_CXICON));
    windowClass.hIconSm = ProgramIcon(GetSystemMetrics(SM_CXSMICON));
    registered = RegisterClassExW(&windowClass) != 0;
}

}  // namespace netlist::win32
