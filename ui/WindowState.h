// What the main window shows and what the user has chosen in it, without a
// toolkit: the views copy it into their controls and the user's edits back.
// Texts are Windows-1252, as the design library and the report hold them.
// ControlNames.h names the control that shows each member.
#pragma once

#include <string>

namespace netlist {

struct WindowState {
    std::string kindCaption;      // the design kind: "Pcb", "Schmatic" or ""
    std::string statusText;       // the status line
    std::string designNameShown;  // the design file's name, at most 25 characters
    std::string designerName;     // as typed

    bool startEnabled = true;
    bool lengthsWanted = false;  // "With Nets Length"
    bool lengthsEnabled = true;
    bool unitIsMils = true;         // "mils"; "mm" otherwise
    bool unitEnabled = false;       // both unit buttons
    bool openInViewer = false;      // "Screen"; "File" otherwise
    bool viewChoiceEnabled = true;  // both view buttons
};

}  // namespace netlist
