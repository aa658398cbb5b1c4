// The texts and sizes that both desktop windows share, whatever toolkit draws
// them. Texts are Windows-1252 (all but the ellipsis plain ASCII); sizes are pixels at
// 96 dots per inch, scaled by each window to the screen's resolution.
#pragma once

#include "report/Credits.h"

namespace netlist::window {

// The main window.
inline constexpr char kForm1Caption[] = "Netlist Report";
inline constexpr char kAboutMenu[] = "&About";
inline constexpr char kTitle[] = "PCB Netlist Report ";
inline constexpr char kDesignByFrame[] = "Design By";
inline constexpr char kDesignNameFrame[] = "Design Name";
inline constexpr char kStatusFrame[] = "Status";
inline constexpr char kViewFrame[] = "View file Option";
inline constexpr char kFileOption[] = "File";
inline constexpr char kScreenOption[] = "Screen";
inline constexpr char kLengthFrame[] = "Nets Length Option";
inline constexpr char kLengthCheck[] = "With Nets Length";
inline constexpr char kMilsOption[] = "mils";
inline constexpr char kMmOption[] = "mm";
inline constexpr char kStartButton[] = "Start";
inline constexpr char kEndButton[] = "End";
// Follows "amp.wrf replaced a report of amp.rev-b.pcb" in the box that a
// finished run shows then.
inline constexpr char kReplacedReportAdvice[] =
    ": both designs' reports have this name. To keep both, rename the report before the "
    "next run, or start the program with --output.";
// Where no host application chooses the design: the menu item that opens
// another one, the line that tells where the design shown comes from, and
// what the window says when a design file is refused. "\x85" is the
// ellipsis.
inline constexpr char kOpenMenu[] = "&Open\x85";
inline constexpr char kOpenTitle[] = "Open a design";
inline constexpr char kSampleNotice[] =
    "Built-in sample board: open your design with Open\x85 or drop it here";
inline constexpr char kDesignFileNotice[] = "Design file: ";
inline constexpr char kDesignKept[] = "The window stays on the design it showed before.";
// The longest design kind marker; its label is made this wide so that the
// title never moves.
inline constexpr char kWidestKind[] = "Schmatic";

// The About box.
inline constexpr char kForm2Caption[] = "About";
inline constexpr char kOkButton[] = "Ok";
inline constexpr char kCreditText[] = "Written by the netlist-report developers";
inline constexpr const char* kContactAddress = kContactText;

struct Size {
    int width;
    int height;
};
inline constexpr Size kForm1Client{462, 225};
inline constexpr Size kForm2Client{194, 282};
inline constexpr Size kAboutPicture{160, 243};

// The title's background, light grey.
inline constexpr unsigned char kTitleGrey = 192;

}  // namespace netlist::window
