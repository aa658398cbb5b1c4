// The Win32 window of netlist-report.exe, driven from outside through window
// messages: the program runs as a process of its own on a design file that
// the stand-in library serves, and every check reads the controls back. The
// window's decisions are the presenter's (tests/ui); these check the view.
// Needs a display (wine: Xvfb).
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "design/StatusMessage.h"
#include "platform/windows/WideText.h"
#include "tests/windows/Check.h"
#include "ui/win32/ControlIds.h"

namespace netlist::test {
namespace {

namespace fs = std::filesystem;
using namespace win32;

fs::path programFolder() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path();
}

// A folder of its own for each case, emptied first, with name.json in it.
fs::path scratchFolder(const std::string& name, const std::string& json = {}) {
    const fs::path folder = programFolder() / "window-scratch" / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    if (!json.empty()) std::ofstream(folder / (name + ".json"), std::ios::binary) << json;
    return folder;
}

// A small design; a forced TGetDesignInfo status leaves its record unfilled.
std::string designJson(const char* kind, const char* designInfoStatus = nullptr) {
    std::string json = std::string("{\"kind\": \"") + kind +
                       "\", \"layers\": [{\"type\": 1}], \"nets\": [{\"id\": 1, \"name\": "
                       "\"GND\", \"length\": 254000, \"nodes\": [[\"U1\", \"4\"]]}]";
    if (designInfoStatus)
        json += std::string(", \"status\": {\"TGetDesignInfo\": ") + designInfoStatus + "}";
    return json + "}";
}

std::wstring textOf(HWND window) {
    wchar_t text[1024] = {};
    SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

bool endsWith(const std::wstring& text, const std::wstring& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The texts of a message box's labels, one after another.
std::string boxText(HWND box) {
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        if (_wcsicmp(name, L"Static") == 0) text += Utf16ToUtf8(textOf(child)) + "\n";
    }
    return text;
}

struct WindowSearch {
    DWORD processId;  // 0: any process
    const wchar_t* windowClass;
    const wchar_t* caption;  // nullptr: any caption; else a part of it
    std::vector<HWND> found;
};

BOOL CALLBACK collectWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if ((search.processId == 0 || owner == search.processId) &&
        std::wstring(name) == search.windowClass && IsWindowVisible(window) &&
        (!search.caption || textOf(window).find(search.caption) != std::wstring::npos))
        search.found.push_back(window);
    return TRUE;
}

std::vector<HWND> windowsOf(DWORD processId, const wchar_t* windowClass,
                            const wchar_t* caption = nullptr) {
    WindowSearch search{processId, windowClass, caption, {}};
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The first visible window of the class (and caption), waited for up to 30 s.
HWND waitForWindow(DWORD processId, const wchar_t* windowClass, const wchar_t* caption = nullptr) {
    for (int tries = 0; tries < 300; ++tries, Sleep(100))
        if (const auto found = windowsOf(processId, windowClass, caption); !found.empty())
            return found.front();
    return nullptr;
}

// netlist-report.exe, started in folder with its window; as Explorer starts
// it (no console, no standard handles), nothing is waited for.
class Program {
  public:
    Program(const fs::path& folder, const std::wstring& arguments, bool fromExplorer = false,
            const fs::path& program = programFolder() / "netlist-report.exe") {
        std::wstring commandLine = L"\"" + program.wstring() + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (fromExplorer) startup.dwFlags = STARTF_USESTDHANDLES;
        started_ = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                                  fromExplorer ? DETACHED_PROCESS : 0, nullptr,
                                  folder.wstring().c_str(), &startup, &process_);
        if (!started_ || fromExplorer) return;
        WaitForInputIdle(process_.hProcess, 30000);
        form_ = waitForWindow(process_.dwProcessId, kForm1Class);
    }
    ~Program() {
        if (!started_) return;
        if (running()) TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 30000);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    HWND form() const { return form_; }
    HWND item(int id) const { return GetDlgItem(form_, id); }
    DWORD processId() const { return process_.dwProcessId; }
    bool running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }

    std::string text(int id) const { return Utf16ToWindows1252(textOf(item(id))); }
    bool enabled(int id) const { return IsWindowEnabled(item(id)) != FALSE; }
    bool checked(int id) const { return SendMessageW(item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void click(int id) const { SendMessageW(item(id), BM_CLICK, 0, 0); }
    // For a click whose handler ends the program: nothing waits for it.
    void postClick(int id) const { PostMessageW(item(id), BM_CLICK, 0, 0); }
    void command(int id) const { SendMessageW(form_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    // The exit code once the program ended, -1 while it still runs.
    long exitCode() {
        if (WaitForSingleObject(process_.hProcess, 30000) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return static_cast<long>(code);
    }

  private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
    HWND form_ = nullptr;
};

TEST_CASE("start-up failures, started from Explorer: a message box, then the exit code") {
    struct Row {
        const char* name;
        const char* design;  // nullptr: none, and no designdb32.dll beside the program
        long exitCode;
        std::vector<std::string> texts;
    };
    const Row rows[] = {
        {"refused-design",
         R"({"kind": "PCB", "titel": "misspelt"})",
         3,
         {"refused-design.json: line 1, column 17: unknown key \"titel\"",
          "Open a KiCad board (.kicad_pcb)"}},
        {"no-host-library", nullptr, 1, {"designdb32.dll", "Put netlist-report.exe in the folder"}},
    };
    for (const Row& row : rows) {
        const fs::path folder = scratchFolder(row.name, row.design ? row.design : "");
        // Alone in its folder, the program finds no designdb32.dll.
        fs::copy_file(programFolder() / "netlist-report.exe", folder / "netlist-report.exe");
        Program program(folder, row.design ? Utf8ToUtf16(row.name) + L".json" : L"", true,
                        folder / "netlist-report.exe");
        const std::string where = std::string(row.name) + ": ";
        HWND box = waitForWindow(program.processId(), L"#32770", L"netlist-report");
        if (!box) {
            test::Fail(__FILE__, __LINE__, where + "no message box titled netlist-report");
            continue;
        }
        for (const std::string& expected : row.texts)
            if (boxText(box).find(expected) == std::string::npos)
                test::Fail(__FILE__, __LINE__, where + "the box lacks \"" + expected + "\"");
        // The program waits for the box to be closed, then ends as before.
        CHECK(program.running());
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        if (program.exitCode() != row.exitCode) test::Fail(__FILE__, __LINE__, where + "exit code");
    }
}

TEST_CASE("a failed start-up: every control the other way round, and End still ends") {
    const fs::path folder = scratchFolder("failed", designJson("PCB", "32101"));
    Program program(folder, L"failed.json");
    REQUIRE(program.form() != nullptr);
    CHECK_EQ(program.text(kLabel3Id), "Pcb");
    CHECK(program.text(kStatusLabelId) == StatusMessage(32101));
    CHECK_EQ(program.text(kStatusLabel3Id), "");
    CHECK(program.enabled(kCheck1Id));
    for (const int id : {kOption1Id, kOption3Id, kOption4Id, kStartId}) CHECK(!program.enabled(id));
    CHECK(program.checked(kOption1Id) && program.checked(kOption4Id));
    program.click(kExitId);
    CHECK_EQ(program.exitCode(), 0);
}

TEST_CASE("a board: controls, Tab order, About, and Start writes what was chosen") {
    const fs::path folder = scratchFolder("board", designJson("PCB"));
    Program program(folder, L"board.json");
    REQUIRE(program.form() != nullptr);
    CHECK_EQ(program.text(kLabel3Id), "Pcb");
    CHECK(program.text(kStatusLabelId) == StatusMessage(0));
    CHECK_EQ(program.text(kStatusLabel3Id), "board.json");
    CHECK(program.enabled(kCheck1Id) && !program.checked(kCheck1Id) && program.enabled(kStartId));
    CHECK(program.enabled(kOption3Id) && !program.enabled(kOption1Id));
    // Of each pair of option buttons Tab visits the selected one (the arrow
    // keys move within the pair).
    std::vector<int> tabStops;
    for (HWND child = GetWindow(program.item(kStartId), GW_HWNDFIRST); child;
         child = GetWindow(child, GW_HWNDNEXT))
        if (GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) tabStops.push_back(GetDlgCtrlID(child));
    CHECK(tabStops ==
          std::vector<int>({kStartId, kExitId, kText1Id, kCheck1Id, kOption1Id, kOption4Id}));

    // About: one box beside a usable window; Ok hides it, its frame destroys it.
    SendMessageW(program.form(), WM_SYSCOMMAND, SC_KEYMENU, 'a');  // Alt+A
    program.command(kAboutId);
    const std::vector<HWND> boxes = windowsOf(program.processId(), kForm2Class);
    REQUIRE(boxes.size() == 1);
    HWND box = boxes.front();
    SendMessageW(GetDlgItem(box, kCommand1Id), BM_CLICK, 0, 0);
    CHECK(IsWindow(box) && !IsWindowVisible(box));
    program.command(kAboutId);
    CHECK(IsWindowVisible(box));
    SendMessageW(box, WM_CLOSE, 0, 0);
    CHECK(!IsWindow(box) && program.running());
    program.command(kAboutId);
    CHECK_EQ(windowsOf(program.processId(), kForm2Class).size(), 1u);

    SendMessageW(program.item(kText1Id), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"Zo\u00eb Designer"));
    program.click(kCheck1Id);
    CHECK(program.checked(kCheck1Id) && program.enabled(kOption2Id));
    program.click(kOption2Id);
    program.postClick(kStartId);
    CHECK_EQ(program.exitCode(), 0);
    std::ostringstream report;
    report << std::ifstream(folder / "board.wrf", std::ios::binary).rdbuf();
    CHECK(report.str().find("Design By      Zo\xEB Designer\r\n") != std::string::npos);
    CHECK(report.str().find(" mm\r\n") != std::string::npos);
}

// Chooses "&Open…" and names the file in the dialog, as a user types it.
void openWithDialog(Program& program, const fs::path& file) {
    PostMessageW(program.form(), WM_COMMAND, MAKEWPARAM(kOpenId, 0), 0);
    HWND dialog = waitForWindow(program.processId(), L"#32770", L"Open a design");
    REQUIRE(dialog != nullptr);
    // The file name box: edt1 in one style of the dialog, cmb13 in the other.
    for (const int box : {0x480, 0x47c})
        if (HWND control = GetDlgItem(dialog, box))
            SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file.wstring().c_str()));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    for (int tries = 0; tries < 300 && IsWindow(dialog); ++tries) Sleep(100);
}

TEST_CASE("a design file's window: the source line, Open, a refusal's box, and Screen") {
    const fs::path folder = scratchFolder("first", designJson("PCB"));
    Program program(folder, L"first.json");
    REQUIRE(program.form() != nullptr);
    const std::wstring line = textOf(program.item(kDesignSourceId));
    CHECK(line.rfind(L"Design file: ", 0) == 0 && endsWith(line, L"\\first.json"));

    std::ofstream(folder / "second.json", std::ios::binary) << designJson("SCH");
    openWithDialog(program, folder / "second.json");
    CHECK_EQ(program.text(kStatusLabel3Id), "second.json");
    CHECK_EQ(program.text(kLabel3Id), "Schmatic");
    CHECK(!program.enabled(kCheck1Id) && program.enabled(kStartId));
    CHECK(endsWith(textOf(program.item(kDesignSourceId)), L"\\second.json"));

    std::ofstream(folder / "refused.json", std::ios::binary) << R"({"kind": "PCB", "titel": "x"})";
    openWithDialog(program, folder / "refused.json");
    HWND warning = waitForWindow(program.processId(), L"#32770", L"Netlist Report");
    REQUIRE(warning != nullptr);
    CHECK(boxText(warning).find("unknown key \"titel\"") != std::string::npos);
    PostMessageW(warning, WM_COMMAND, IDOK, 0);
    CHECK_EQ(program.text(kStatusLabel3Id), "second.json");

    program.click(kOption3Id);
    program.postClick(kStartId);
    CHECK_EQ(program.exitCode(), 0);
    HWND editor = waitForWindow(0, L"Notepad", L"second.wrf");
    CHECK(editor != nullptr);
    if (editor) PostMessageW(editor, WM_CLOSE, 0, 0);
}

TEST_CASE("the host's window has no source line and keeps its height") {
    Program host(scratchFolder("host"), L"");
    REQUIRE(host.form() != nullptr);
    CHECK(host.item(kDesignSourceId) == nullptr);
    RECT client{};
    GetClientRect(host.form(), &client);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    CHECK_EQ(client.bottom - client.top, MulDiv(225, dpi, 96));
    host.click(kExitId);
    CHECK_EQ(host.exitCode(), 0);
}

}  // namespace
}  // namespace netlist::test
