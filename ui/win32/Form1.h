// The main window in plain Win32: shows the display-free main-window model,
// copies the user's edits into it, calls its handlers and shows the outcome.
// All report logic lives in the model; this class only presents it.
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "design/DesignLibrary.h"
#include "report/DesignChoice.h"
#include "report/Form1Model.h"
#include "report/ReportEnvironment.h"
#include "ui/StatusRepaintThrottle.h"
#include "ui/win32/DialogFocus.h"
#include "ui/win32/WindowMetrics.h"
#include "ui/win32/WindowProcedure.h"

namespace netlist::win32 {

class Form2;

class Form1 {
  public:
    // What the window does beyond itself.
    struct Actions {
        // Ends the program with this exit code (default: leave the message
        // loop with it).
        std::function<void(int exitCode)> endProgram;
        // Tells the user about a problem that does not stop the program
        // (default: a warning message box).
        std::function<void(const std::wstring& message)> warn;
        // Asks the user for a design file; empty when none was chosen
        // (default: the system's open dialog).
        std::function<std::filesystem::path()> chooseDesignFile;
    };

    // Where designChoice offers it, the user may open another design (the
    // menu item "&Open…" and dropping a file on the window), and a line at
    // the bottom tells where the design shown comes from.
    Form1(DesignLibrary& library, ReportEnvironment environment, Actions actions = {},
          DesignChoice designChoice = {});
    ~Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // The window, created hidden with every control.
    HWND handle() const { return window_; }
    Form1Model& model() { return model_; }

    void Form_Load();
    void Check1_Click();
    void Exit_Click();
    void About_Click();
    void Start_Click();
    void Open_Click();
    // Opens the design in the file as the host would open another one; a file
    // that is refused leaves the design shown and the user is told why.
    void openDesign(const std::filesystem::path& file);

    // Brings every control in line with the model; needed after the model's
    // controls were changed directly, as the command-line presets do.
    void showModel();

    // The About box's window while it exists, else null.
    HWND aboutBox() const;
    // Keyboard navigation (Tab, arrows) for both windows; true when the
    // message was handled.
    bool translateDialogMessage(MSG& message);

  private:
    template <class Window>
    friend LRESULT CALLBACK ObjectWindowProcedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void createDesignSourceLine();
    void showDesignSource();
    void dropFiles(WPARAM drop);
    HWND control(int id) const { return GetDlgItem(window_, id); }
    void onCommand(int id, int notification);
    LRESULT colourStatic(HDC dc, HWND label);
    void statusChanged();
    void endProgram(int exitCode);

    // Before the model, which may be left asking the library it keeps.
    DesignChooser chooser_;
    Form1Model model_;
    Actions actions_;
    DialogFocus focus_;
    WindowMetrics metrics_;
    StatusRepaintThrottle statusThrottle_;
    HWND window_ = nullptr;
    HFONT titleFont_ = nullptr;
    HBRUSH titleBrush_ = nullptr;
    std::wstring tooltipText_;
    std::unique_ptr<Form2> Form2_;
    bool running_ = false;
    bool ended_ = false;
    bool showing_ = false;
};

}  // namespace netlist::win32
