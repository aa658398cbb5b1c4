// Sizes on the screen: the layouts are given in pixels at 96 dots per inch
// and scaled to the screen's resolution, in the system's message font.
#pragma once

#include <windows.h>

#include <string_view>

namespace netlist::win32 {

class WindowMetrics {
  public:
    WindowMetrics();
    ~WindowMetrics();
    WindowMetrics(const WindowMetrics&) = delete;
    WindowMetrics& operator=(const WindowMetrics&) = delete;

    int scaled(int pixelsAt96) const { return MulDiv(pixelsAt96, dpi_, 96); }
    // The message font; owned here.
    HFONT font() const { return font_; }
    // A new font of the given point size in tenths, bold; the caller deletes it.
    HFONT createBoldFont(int tenthsOfPoints) const;
    // The width of the text in the font, in pixels.
    int textWidth(HFONT font, std::wstring_view text) const;

  private:
    int dpi_ = 96;
    HFONT font_ = nullptr;
};

// Sets the font of every child window.
void SetChildFonts(HWND parent, HFONT font);

}  // namespace netlist::win32
