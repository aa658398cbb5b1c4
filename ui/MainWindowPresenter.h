// The main window's logic once for both toolkits: the start-up, the user's
// choices, the handlers of the buttons and menu items, and the report run
// with its guards. It talks to the toolkit only through MainWindowView.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "design/DesignLibrary.h"
#include "design/DesignSession.h"
#include "report/ReportEnvironment.h"
#include "report/ReportRun.h"
#include "report/RunChoices.h"
#include "ui/DesignChoice.h"
#include "ui/MainWindowView.h"
#include "ui/StatusRepaintThrottle.h"
#include "ui/WindowState.h"

namespace netlist {

class MainWindowPresenter {
  public:
    // Keeps the view; calls none of its functions until startUp or show.
    // Where designChoice offers it, the user may open another design.
    MainWindowPresenter(MainWindowView& view, DesignLibrary& library, ReportEnvironment environment,
                        DesignChoice designChoice = {});
    MainWindowPresenter(const MainWindowPresenter&) = delete;
    MainWindowPresenter& operator=(const MainWindowPresenter&) = delete;

    const WindowState& state() const { return state_; }
    // Whether the user may open a design file (Open, dropping a file).
    bool offersDesignFiles() const { return chooser_.offered(); }
    // Whether a file dropped now would be opened.
    bool takesDesignFiles() const { return !ended_ && !running_ && chooser_.offered(); }
    bool ended() const { return ended_; }
    // Where the design shown comes from (UTF-8); empty where the host chooses.
    std::string designSourceNotice() const;

    // Shows the state and the design source as they stand.
    void show();
    // Connects to the design, before the window is first shown, then sets
    // the command line's choices as a user could right after start-up: a
    // control the window leaves disabled keeps its state, so lengths are
    // ticked on a board only. An output file becomes every run's target.
    void startUp(const RunChoices& presets = {});

    // The user's edits: designer name (Windows-1252), the lengths ticked or
    // not, the unit and the view chosen.
    void designerEdited(std::string designer);
    void lengthsClicked(bool ticked);
    void unitChosen(bool mils);
    void viewChosen(bool screen);

    // End: closes the session and ends the program.
    void end();
    void about();
    // Start: the report run. A written report ends the program.
    void start();
    // Open: asks the user for a design file and opens it.
    void open();
    // Opens the design in file as the host would open another one; a file
    // that is refused leaves the design shown and the user is told why.
    void openDesign(const std::filesystem::path& file);
    // The window's frame was closed: the program ends as it stands, and the
    // session is left to the design library, as the user did not press End.
    void frameClosed();

    void setStatusRepaintInterval(std::chrono::milliseconds interval) {
        statusThrottle_.setInterval(interval);
    }

  private:
    void preset(const RunChoices& choices);
    class Progress;
    void showConnection(const DesignConnection& connection);
    void statusChanged(std::string text);
    void switchLibrary(DesignLibrary& library);
    void endProgram(int exitCode);

    MainWindowView& view_;
    // Before the session, which may be left asking the library it keeps.
    DesignChooser chooser_;
    DesignSession session_;
    ReportEnvironment environment_;
    WindowState state_;
    std::optional<std::string> reportTarget_;
    StatusRepaintThrottle statusThrottle_;
    bool running_ = false;
    bool ended_ = false;
};

}  // namespace netlist
