// The main window in plain Win32: creates and places the controls, copies the
// presenter's state into them and the user's edits back. The window's logic
// lives in MainWindowPresenter.
#pragma once

#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>

#include "design/DesignLibrary.h"
#include "report/ReportEnvironment.h"
#include "ui/DesignChoice.h"
#include "ui/MainWindowPresenter.h"
#include "ui/MainWindowView.h"
#include "ui/win32/DialogFocus.h"
#include "ui/win32/WindowMetrics.h"
#include "ui/win32/WindowProcedure.h"

namespace netlist::win32 {

class AboutBox;

class MainWindow : private MainWindowView {
  public:
    // Where designChoice offers it, the user may open another design (the
    // menu item "&Open…" and dropping a file on the window), and a line at
    // the bottom tells where the design shown comes from.
    MainWindow(DesignLibrary& library, ReportEnvironment environment,
               DesignChoice designChoice = {});
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // The window, created hidden with every control.
    HWND handle() const { return window_; }
    MainWindowPresenter& presenter() { return presenter_; }

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
    void dropFiles(WPARAM drop);
    HWND control(int id) const { return GetDlgItem(window_, id); }
    void onCommand(int id, int notification);
    LRESULT colourStatic(HDC dc, HWND label);

    // MainWindowView
    void showState(const WindowState& state) override;
    void showDesignSource(const std::string& notice) override;
    bool onScreen() const override { return IsWindowVisible(window_); }
    void paintNow() override;
    void runStarted() override {}
    void runEnded(bool windowStaysOpen) override;
    void warn(const std::string& message) override;
    std::filesystem::path chooseDesignFile(const std::filesystem::path& current) override;
    void showAboutBox() override;
    void endProgram(int exitCode) override;

    MainWindowPresenter presenter_;
    DialogFocus focus_;
    WindowMetrics metrics_;
    HWND window_ = nullptr;
    HFONT titleFont_ = nullptr;
    HBRUSH titleBrush_ = nullptr;
    std::wstring tooltipText_;
    std::unique_ptr<AboutBox> aboutBox_;
    bool showing_ = false;
};

}  // namespace netlist::win32
