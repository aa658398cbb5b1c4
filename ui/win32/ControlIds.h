// The Win32 windows' class names and control identifiers, which the window
// tests use to find what they drive. IDOK (1) and IDCANCEL (2) are left
// unused: the dialog manager sends them for Enter and Escape, and no button
// reacts to those keys by itself.
#pragma once

namespace netlist::win32 {

inline constexpr wchar_t kForm1Class[] = L"NetlistReportForm1";
inline constexpr wchar_t kForm2Class[] = L"NetlistReportForm2";

enum ControlId : int {
    kAboutId = 100,  // the menu item
    kStartId,
    kExitId,
    kText1Id,
    kCheck1Id,
    kOption1Id,  // mils
    kOption2Id,  // mm
    kOption3Id,  // Screen
    kOption4Id,  // File
    kLabel1Id,
    kLabel3Id,
    kLabel4Id,
    kStatusLabel3Id,
    kStatusLabelId,
    kFrame1Id,
    kFrame2Id,
    kFrame3Id,
    kFrame4Id,
    kFrame5Id,
    // Where no host application chooses the design: the menu item "&Open…"
    // and the line that tells where the design shown comes from.
    kOpenId,
    kDesignSourceId,
    // The About box.
    kCommand1Id = 200,
    kForm2Label1Id,
    kForm2Label2Id,
};

}  // namespace netlist::win32
