// The About box: a picture, a credit, a contact address and an Ok button.
// Modeless; Ok hides it and keeps it for the next showing, while closing it
// by its frame destroys it.
#pragma once

#include <windows.h>

#include "ui/win32/DialogFocus.h"
#include "ui/win32/WindowProcedure.h"

namespace netlist::win32 {

class AboutBox {
  public:
    // Creates the box, hidden, owned by the main window.
    explicit AboutBox(HWND owner);
    ~AboutBox();
    AboutBox(const AboutBox&) = delete;
    AboutBox& operator=(const AboutBox&) = delete;

    // The box's window, or null once its frame closed it.
    HWND handle() const { return window_; }
    void show();
    void Command1_Click();

  private:
    template <class Window>
    friend LRESULT CALLBACK ObjectWindowProcedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void paint();

    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    // Ok, the one control, has the keyboard whenever the box is active.
    DialogFocus focus_;
    RECT picture_{};
};

}  // namespace netlist::win32
