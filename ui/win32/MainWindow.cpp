#include "ui/win32/MainWindow.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>

#include "platform/windows/WideText.h"
#include "ui/WindowTexts.h"
#include "ui/win32/AboutBox.h"
#include "ui/win32/ControlIds.h"
#include "ui/win32/GdiArtwork.h"

namespace netlist::win32 {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr COLORREF kKindColour = RGB(255, 0, 0);
// The line below the controls that tells where the design comes from.
constexpr int kSourceLineTop = 225;
constexpr int kSourceLineHeight = 22;

// Where each control lies, in pixels at 96 dpi within the 462 x 225 client
// area: the left two thirds hold the three one-line frames, the right third
// the two option frames, then the credit and the buttons across the bottom.
struct Placement {
    int id;
    const wchar_t* windowClass;
    const char* caption;
    DWORD style;
    int x, y, width, height;
};

constexpr int kLeft = 8;
constexpr int kLeftWidth = 290;
constexpr int kRight = 306;
constexpr int kRightWidth = 148;
constexpr int kColumnsTop = 36;
constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | SS_NOPREFIX;
// A caption from the design or the run: a text too long for it is shortened
// in the middle, and its tooltip shows it whole (SS_NOTIFY lets the tooltip
// see the mouse).
constexpr DWORD kCaption =
    kLabel | SS_LEFTNOWORDWRAP | SS_PATHELLIPSIS | SS_CENTERIMAGE | SS_NOTIFY;
constexpr DWORD kFrame = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kTabStop = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

// Created in this order: the keyboard focus follows it (Start, End, Text1,
// Check1, mils, mm, Screen, File), and WS_GROUP starts each pair of option
// buttons, between which the arrow keys move. Label1's place is worked out
// from its text.
const Placement kPlacements[] = {
    {kStartId, L"BUTTON", window::kStartButton, kTabStop | WS_GROUP | BS_PUSHBUTTON, 8, 192, 80,
     25},
    {kExitId, L"BUTTON", window::kEndButton, kTabStop | BS_PUSHBUTTON, 96, 192, 80, 25},
    {kText1Id, L"EDIT", "", kTabStop | ES_AUTOHSCROLL | WS_BORDER, kLeft + 8, kColumnsTop + 15,
     kLeftWidth - 16, 20},
    {kCheck1Id, L"BUTTON", window::kLengthCheck, kTabStop | WS_GROUP | BS_AUTOCHECKBOX, kRight + 10,
     118, kRightWidth - 20, 18},
    {kOption1Id, L"BUTTON", window::kMilsOption, kTabStop | WS_GROUP | BS_AUTORADIOBUTTON,
     kRight + 10, 138, 60, 18},
    {kOption2Id, L"BUTTON", window::kMmOption, kTabStop | BS_AUTORADIOBUTTON, kRight + 80, 138, 60,
     18},
    {kOption3Id, L"BUTTON", window::kScreenOption, kTabStop | WS_GROUP | BS_AUTORADIOBUTTON,
     kRight + 10, 72, kRightWidth - 20, 18},
    {kOption4Id, L"BUTTON", window::kFileOption, kTabStop | BS_AUTORADIOBUTTON, kRight + 10, 52,
     kRightWidth - 20, 18},
    {kLabel3Id, L"STATIC", "", kLabel | WS_GROUP | SS_CENTERIMAGE, 8, 6, 70, 24},
    {kLabel1Id, L"STATIC", window::kTitle, kLabel | SS_CENTER | SS_CENTERIMAGE, 0, 4, 0, 28},
    {kFrame3Id, L"BUTTON", window::kDesignByFrame, kFrame, kLeft, kColumnsTop, kLeftWidth, 42},
    {kFrame1Id, L"BUTTON", window::kDesignNameFrame, kFrame, kLeft, kColumnsTop + 44, kLeftWidth,
     42},
    {kStatusLabel3Id, L"STATIC", "", kCaption, kLeft + 8, kColumnsTop + 59, kLeftWidth - 16, 20},
    {kFrame2Id, L"BUTTON", window::kStatusFrame, kFrame, kLeft, kColumnsTop + 88, kLeftWidth, 42},
    {kStatusLabelId, L"STATIC", "", kCaption, kLeft + 8, kColumnsTop + 103, kLeftWidth - 16, 20},
    {kFrame5Id, L"BUTTON", window::kViewFrame, kFrame, kRight, kColumnsTop, kRightWidth, 60},
    {kFrame4Id, L"BUTTON", window::kLengthFrame, kFrame, kRight, 100, kRightWidth, 62},
    {kLabel4Id, L"STATIC", "", kLabel | SS_CENTER, 8, 170, 446, 18},
};

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

void setText(HWND window, const std::wstring& text) {
    // Unchanged texts are left alone, so that typing is not disturbed.
    if (windowText(window) != text) SetWindowTextW(window, text.c_str());
}

void setChecked(HWND button, bool checked) {
    SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool isChecked(HWND button) {
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace

MainWindow::MainWindow(DesignLibrary& library, ReportEnvironment environment,
                       DesignChoice designChoice)
    : presenter_(*this, library, std::move(environment), std::move(designChoice)) {
    titleBrush_ = CreateSolidBrush(RGB(window::kTitleGrey, window::kTitleGrey, window::kTitleGrey));
    titleFont_ = metrics_.createBoldFont(138);
    RegisterObjectWindowClass<MainWindow>(kForm1Class);

    HMENU menu = CreateMenu();
    if (presenter_.offersDesignFiles())
        AppendMenuW(menu, MF_STRING, kOpenId, Windows1252ToUtf16(window::kOpenMenu).c_str());
    AppendMenuW(menu, MF_STRING, kAboutId, Windows1252ToUtf16(window::kAboutMenu).c_str());
    const int clientHeight =
        window::kForm1Client.height + (presenter_.offersDesignFiles() ? kSourceLineHeight : 0);
    RECT frame{0, 0, metrics_.scaled(window::kForm1Client.width), metrics_.scaled(clientHeight)};
    AdjustWindowRectEx(&frame, kStyle, TRUE, 0);
    const std::wstring caption = Windows1252ToUtf16(window::kForm1Caption);
    window_ =
        CreateWindowExW(WS_EX_CONTROLPARENT, kForm1Class, caption.c_str(), kStyle, CW_USEDEFAULT,
                        CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                        menu, GetModuleHandleW(nullptr), this);
    if (window_) {
        createControls();
        if (presenter_.offersDesignFiles()) createDesignSourceLine();
    }
    presenter_.show();
}

MainWindow::~MainWindow() {
    aboutBox_.reset();
    if (window_) DestroyWindow(window_);
    DeleteObject(titleFont_);
    DeleteObject(titleBrush_);
}

void MainWindow::createControls() {
    const std::wstring title = Windows1252ToUtf16(window::kTitle);
    const int titleWidth = metrics_.textWidth(titleFont_, title) + metrics_.scaled(20);
    const int clientWidth = metrics_.scaled(window::kForm1Client.width);
    for (const Placement& placement : kPlacements) {
        int x = metrics_.scaled(placement.x);
        int width = metrics_.scaled(placement.width);
        if (placement.id == kLabel1Id) {
            width = titleWidth;
            x = (clientWidth - width) / 2;
        }
        std::wstring caption = Windows1252ToUtf16(placement.caption);
        if (placement.id == kLabel4Id)
            caption = Windows1252ToUtf16(std::string(window::kCreditText) + ", " +
                                         window::kContactAddress);
        const DWORD extended = placement.id == kText1Id ? WS_EX_CLIENTEDGE : 0;
        const DWORD style =
            placement.id == kText1Id ? placement.style & ~WS_BORDER : placement.style;
        CreateWindowExW(extended, placement.windowClass, caption.c_str(), style, x,
                        metrics_.scaled(placement.y), width, metrics_.scaled(placement.height),
                        window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(placement.id)),
                        GetModuleHandleW(nullptr), nullptr);
    }
    SetChildFonts(window_, metrics_.font());
    SendMessageW(control(kLabel1Id), WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_), FALSE);

    HWND tooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   window_, nullptr, GetModuleHandleW(nullptr), nullptr);
    for (const int id : {kStatusLabel3Id, kStatusLabelId}) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(control(id));
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, metrics_.scaled(window::kForm1Client.width));
}

void MainWindow::createDesignSourceLine() {
    HWND line = CreateWindowExW(WS_EX_STATICEDGE, L"STATIC", L"", kCaption, metrics_.scaled(kLeft),
                                metrics_.scaled(kSourceLineTop),
                                metrics_.scaled(window::kForm1Client.width - 2 * kLeft),
                                metrics_.scaled(kSourceLineHeight - 4), window_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kDesignSourceId)),
                                GetModuleHandleW(nullptr), nullptr);
    SendMessageW(line, WM_SETFONT, reinterpret_cast<WPARAM>(metrics_.font()), FALSE);
    DragAcceptFiles(window_, TRUE);
}

void MainWindow::showDesignSource(const std::string& notice) {
    if (window_) setText(control(kDesignSourceId), Utf8ToUtf16(notice));
}

void MainWindow::showState(const WindowState& state) {
    if (!window_) return;
    // Setting a control's state sends notifications; they are not edits.
    showing_ = true;
    setText(control(kLabel3Id), Windows1252ToUtf16(state.kindCaption));
    setText(control(kStatusLabelId), Windows1252ToUtf16(state.statusText));
    setText(control(kStatusLabel3Id), Windows1252ToUtf16(state.designNameShown));
    // Characters the report cannot hold stay visible as typed.
    if (Utf16ToWindows1252(windowText(control(kText1Id))) != state.designerName)
        SetWindowTextW(control(kText1Id), Windows1252ToUtf16(state.designerName).c_str());

    EnableWindow(control(kStartId), state.startEnabled);
    setChecked(control(kCheck1Id), state.lengthsWanted);
    EnableWindow(control(kCheck1Id), state.lengthsEnabled);
    setChecked(control(kOption1Id), state.unitIsMils);
    setChecked(control(kOption2Id), !state.unitIsMils);
    EnableWindow(control(kOption1Id), state.unitEnabled);
    EnableWindow(control(kOption2Id), state.unitEnabled);
    setChecked(control(kOption3Id), state.openInViewer);
    setChecked(control(kOption4Id), !state.openInViewer);
    EnableWindow(control(kOption3Id), state.viewChoiceEnabled);
    EnableWindow(control(kOption4Id), state.viewChoiceEnabled);
    showing_ = false;
    // A control that was disabled while it had the focus took the focus with
    // it: the keyboard would reach nothing until the window is activated again.
    if (GetActiveWindow() == window_ && !GetFocus()) focus_.restore(window_);
}

HWND MainWindow::aboutBox() const {
    return aboutBox_ ? aboutBox_->handle() : nullptr;
}

bool MainWindow::translateDialogMessage(MSG& message) {
    if (HWND about = aboutBox(); about && IsDialogMessageW(about, &message)) return true;
    return window_ && IsDialogMessageW(window_, &message);
}

void MainWindow::showAboutBox() {
    if (!aboutBox()) aboutBox_ = std::make_unique<AboutBox>(window_);
    aboutBox_->show();
}

void MainWindow::runEnded(bool) {
    // Clicks and keys made while the run kept the windows waiting were meant
    // for windows that could not answer: they are dropped, not replayed.
    MSG input;
    while (PeekMessageW(&input, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
    while (PeekMessageW(&input, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
    }
}

void MainWindow::warn(const std::string& message) {
    const std::wstring text = Utf8ToUtf16(message);
    const std::wstring caption = Windows1252ToUtf16(window::kForm1Caption);
    MessageBoxW(window_, text.c_str(), caption.c_str(), MB_OK | MB_ICONWARNING);
}

std::filesystem::path MainWindow::chooseDesignFile(const std::filesystem::path& current) {
    wchar_t file[32768] = L"";
    const std::wstring title = Windows1252ToUtf16(window::kOpenTitle);
    const std::wstring folder = current.parent_path().wstring();
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window_;
    dialog.lpstrFilter =
        L"Designs (*.kicad_pcb, *.net, *.ipc, *.d356, *.356, *.json)\0"
        L"*.kicad_pcb;*.net;*.ipc;*.d356;*.356;*.json\0"
        L"All files (*.*)\0*.*\0";
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file / sizeof file[0];
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&dialog)) return {};
    return std::filesystem::path(file);
}

void MainWindow::dropFiles(WPARAM drop) {
    const auto files = reinterpret_cast<HDROP>(drop);
    std::wstring file;
    // One design at a time: a drop of several files opens none.
    if (DragQueryFileW(files, 0xFFFFFFFF, nullptr, 0) == 1) {
        file.resize(DragQueryFileW(files, 0, nullptr, 0) + 1);
        file.resize(DragQueryFileW(files, 0, file.data(), static_cast<UINT>(file.size())));
    }
    DragFinish(files);
    if (!file.empty()) presenter_.openDesign(file);
}

void MainWindow::paintNow() {
    RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void MainWindow::endProgram(int exitCode) {
    // Once the window is being destroyed, the About box goes with it.
    if (window_) aboutBox_.reset();
    PostQuitMessage(exitCode);
    if (window_) DestroyWindow(window_);
}

void MainWindow::onCommand(int id, int notification) {
    if (showing_) return;
    switch (id) {
        case kAboutId:
            presenter_.about();
            break;
        case kOpenId:
            presenter_.open();
            break;
        case kStartId:
            if (notification == BN_CLICKED) presenter_.start();
            break;
        case kExitId:
            if (notification == BN_CLICKED) presenter_.end();
            break;
        case kCheck1Id:
            if (notification == BN_CLICKED)
                presenter_.lengthsClicked(isChecked(control(kCheck1Id)));
            break;
        case kText1Id:
            if (notification == EN_CHANGE)
                presenter_.designerEdited(Utf16ToWindows1252(windowText(control(kText1Id))));
            break;
        case kOption1Id:
        case kOption2Id:
            // One button of each pair speaks for it.
            presenter_.unitChosen(isChecked(control(kOption1Id)));
            break;
        case kOption3Id:
        case kOption4Id:
            presenter_.viewChosen(isChecked(control(kOption3Id)));
            break;
        default:  // Enter and Escape (IDOK, IDCANCEL) do nothing by themselves.
            break;
    }
}

LRESULT MainWindow::colourStatic(HDC dc, HWND label) {
    if (label == control(kLabel1Id)) {
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(window::kTitleGrey, window::kTitleGrey, window::kTitleGrey));
        return reinterpret_cast<LRESULT>(titleBrush_);
    }
    if (label == control(kLabel3Id)) SetTextColor(dc, kKindColour);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; focus_.handle(window_, message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_COMMAND:
            onCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_NOTIFY:
            if (reinterpret_cast<NMHDR*>(lParam)->code == TTN_GETDISPINFOW) {
                // The caption's whole text, read when the tooltip shows.
                auto* request = reinterpret_cast<NMTTDISPINFOW*>(lParam);
                tooltipText_ = windowText(reinterpret_cast<HWND>(request->hdr.idFrom));
                request->lpszText = tooltipText_.data();
            }
            return 0;
        case WM_DROPFILES:
            dropFiles(wParam);
            return 0;
        case WM_CTLCOLORSTATIC:
            return colourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_CLOSE:
            // Closing by the frame ends the program as it stands: the session
            // is left to the design library, as the user did not press End.
            presenter_.frameClosed();
            return 0;
        case WM_NCDESTROY: {
            HWND window = window_;
            window_ = nullptr;
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            // Destroyed from outside: the program ends all the same.
            if (!presenter_.ended()) presenter_.frameClosed();
            return DefWindowProcW(window, message, wParam, lParam);
        }
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

}  // namespace netlist::win32
