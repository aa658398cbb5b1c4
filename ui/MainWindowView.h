// What the main window's presenter needs from a toolkit: the Qt and the Win32
// window each implement it with their own controls.
#pragma once

#include <filesystem>
#include <string>

#include "ui/WindowState.h"

namespace netlist {

class MainWindowView {
  public:
    virtual ~MainWindowView() = default;

    // Brings every control in line with the state.
    virtual void showState(const WindowState& state) = 0;
    // The line telling where the design shown comes from (UTF-8).
    virtual void showDesignSource(const std::string& notice) = 0;
    // Whether the window is on screen, so that painting by hand shows.
    virtual bool onScreen() const = 0;
    // Paints what showState() changed at once: a report run keeps the event loop
    // waiting until it ends.
    virtual void paintNow() = 0;
    // A report run starts, or ended; windowStaysOpen tells whether the user
    // may go on with the window.
    virtual void runStarted() = 0;
    virtual void runEnded(bool windowStaysOpen) = 0;
    // Tells the user about a problem that does not stop the program (UTF-8).
    virtual void warn(const std::string& message) = 0;
    // Asks the user for a design file, starting in the folder of current;
    // empty when none was chosen.
    virtual std::filesystem::path chooseDesignFile(const std::filesystem::path& current) = 0;
    virtual void showAboutBox() = 0;
    // Ends the program with the exit code; nothing of the window's runs after.
    virtual void endProgram(int exitCode) = 0;
};

}  // namespace netlist
