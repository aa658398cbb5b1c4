// The main window's controls keep the names the host application's users and
// the window tests know them by (Qt object names, Win32 control ids); inside
// the program they are called by what they hold. This table is the one place
// where the two meet.
#pragma once

namespace netlist::controls {

struct ControlName {
    const char* identity;  // the view's object name or control id's name
    const char* meaning;   // the WindowState member or handler behind it
};

inline constexpr ControlName kControlNames[] = {
    {"Form1", "the main window"},
    {"Label3", "kindCaption"},
    {"status_label", "statusText"},
    {"status_label3", "designNameShown"},
    {"Text1", "designerName"},
    {"Check1", "lengthsWanted, lengthsEnabled"},
    {"Option1", "unitIsMils (selected), unitEnabled"},
    {"Option2", "!unitIsMils (selected), unitEnabled"},
    {"Option3", "openInViewer (selected), viewChoiceEnabled"},
    {"Option4", "!openInViewer (selected), viewChoiceEnabled"},
    {"Start", "startEnabled; MainWindowPresenter::start"},
    {"Exit", "MainWindowPresenter::end (captioned \"End\")"},
    {"About", "MainWindowPresenter::about"},
    {"Open", "MainWindowPresenter::open (where no host chooses the design)"},
    {"designSource", "MainWindowPresenter::designSourceNotice"},
    {"Form2", "the About box"},
    {"Command1", "the About box's Ok"},
};

}  // namespace netlist::controls
