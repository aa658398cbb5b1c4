#include "ui/win32/WindowMetrics.h"

namespace netlist::win32 {

WindowMetrics::WindowMetrics() {
    HDC screen = GetDC(nullptr);
    dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        font_ = CreateFontIndirectW(&metrics.lfMessageFont);
    else
        font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

WindowMetrics::~WindowMetrics() {
    DeleteObject(font_);
}

HFONT WindowMetrics::createBoldFont(int tenthsOfPoints) const {
    LOGFONTW description{};
    GetObjectW(font_, sizeof description, &description);
    description.lfHeight = -MulDiv(tenthsOfPoints, dpi_, 720);
    description.lfWidth = 0;
    description.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&description);
}

int WindowMetrics::textWidth(HFONT font, std::wstring_view text) const {
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font);
    SIZE size{};
    GetTextExtentPoint32W(screen, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return size.cx;
}

namespace {
BOOL CALLBACK setFont(HWND child, LPARAM font) {
    SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
    return TRUE;
}
}  // namespace

void SetChildFonts(HWND parent, HFONT font) {
    EnumChildWindows(parent, setFont, reinterpret_cast<LPARAM>(font));
}

}  // namespace netlist::win32
