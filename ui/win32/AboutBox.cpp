#include "ui/win32/AboutBox.h"

#include <algorithm>

#include "platform/windows/WideText.h"
#include "ui/Artwork.h"
#include "ui/WindowTexts.h"
#include "ui/win32/ControlIds.h"
#include "ui/win32/GdiArtwork.h"
#include "ui/win32/WindowMetrics.h"

namespace netlist::win32 {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr int kMargin = 8;
constexpr int kLineHeight = 16;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

}  // namespace

AboutBox::AboutBox(HWND owner) {
    RegisterObjectWindowClass<AboutBox>(kForm2Class);
    const std::wstring caption = Windows1252ToUtf16(window::kForm2Caption);
    window_ = CreateWindowExW(0, kForm2Class, caption.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                              0, 0, owner, nullptr, GetModuleHandleW(nullptr), this);
    if (window_) createControls();
}

AboutBox::~AboutBox() {
    if (window_) DestroyWindow(window_);
}

void AboutBox::createControls() {
    const WindowMetrics metrics;
    const std::wstring credit = Windows1252ToUtf16(window::kCreditText);
    const std::wstring contact = Windows1252ToUtf16(window::kContactAddress);
    // The box grows beyond its usual width only when the font needs it.
    const int textWidth = std::max(metrics.textWidth(metrics.font(), credit),
                                   metrics.textWidth(metrics.font(), contact));
    const int width = std::max({metrics.scaled(window::kForm2Client.width),
                                metrics.scaled(window::kAboutPicture.width + 2 * kMargin),
                                textWidth + metrics.scaled(2 * kMargin)});
    const int pictureWidth = metrics.scaled(window::kAboutPicture.width);
    const int pictureHeight = metrics.scaled(window::kAboutPicture.height);
    picture_ =
        RECT{(width - pictureWidth) / 2, metrics.scaled(kMargin),
             (width - pictureWidth) / 2 + pictureWidth, metrics.scaled(kMargin) + pictureHeight};

    int y = picture_.bottom + metrics.scaled(4);
    const int margin = metrics.scaled(kMargin);
    const int line = metrics.scaled(kLineHeight);
    const auto label = [&](const std::wstring& text, int id) {
        CreateWindowExW(0, L"STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX,
                        margin, y, width - 2 * margin, line, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        y += line;
    };
    label(credit, kForm2Label1Id);
    label(contact, kForm2Label2Id);
    y += metrics.scaled(6);
    const int buttonWidth = metrics.scaled(kButtonWidth);
    const std::wstring ok = Windows1252ToUtf16(window::kOkButton);
    CreateWindowExW(0, L"BUTTON", ok.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                    (width - buttonWidth) / 2, y, buttonWidth, metrics.scaled(kButtonHeight),
                    window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCommand1Id)), nullptr,
                    nullptr);
    y += metrics.scaled(kButtonHeight) + margin;
    const int height = std::max(y, metrics.scaled(window::kForm2Client.height));

    LOGFONTW font{};
    GetObjectW(metrics.font(), sizeof font, &font);
    font_ = CreateFontIndirectW(&font);
    SetChildFonts(window_, font_);
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AboutBox::show() {
    if (!window_) return;
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
}

void AboutBox::Command1_Click() {
    ShowWindow(window_, SW_HIDE);
}

void AboutBox::paint() {
    PAINTSTRUCT paintStruct;
    HDC dc = BeginPaint(window_, &paintStruct);
    static const artwork::Picture picture = artwork::AboutPicture();
    PaintPicture(dc, picture, picture_);
    EndPaint(window_, &paintStruct);
}

LRESULT AboutBox::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; focus_.handle(window_, message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == kCommand1Id && HIWORD(wParam) == BN_CLICKED) Command1_Click();
            return 0;
        case WM_PAINT:
            paint();
            return 0;
        case WM_NCDESTROY: {
            // Closed by its frame (the default WM_CLOSE destroys it): the next
            // showing makes a new box.
            HWND window = window_;
            window_ = nullptr;
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            if (font_) DeleteObject(font_);
            font_ = nullptr;
            return DefWindowProcW(window, message, wParam, lParam);
        }
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

}  // namespace netlist::win32
