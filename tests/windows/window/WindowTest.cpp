// The Win32 window of netlist-report.exe, driven from outside through window
// messages as a user's clicks and keys would drive it: the program runs as a
// process of its own on a design file that the stand-in library serves, and
// every check reads the controls back. Needs a display (wine: Xvfb).
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <memory>
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

constexpr DWORD kWindowWaitMs = 30000;
constexpr DWORD kExitWaitMs = 30000;

fs::path programFolder() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path();
}

// A folder of its own for each case, emptied first.
fs::path scratchFolder(const std::string& name) {
    const fs::path folder = programFolder() / "window-scratch" / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string withoutDateLine(const std::string& report) {
    const std::size_t start = report.find("\r\nDate ");
    if (start == std::string::npos) return report;
    return report.substr(0, start) + report.substr(report.find("\r\n", start + 2));
}

// A small design; kind and the forced TGetDesignInfo status vary.
std::string designJson(const char* kind, const char* designInfoStatus = nullptr) {
    std::string json = std::string("{\"kind\": \"") + kind +
                       "\", \"layers\": [{\"type\": 1}], \"nets\": [{\"id\": 1, \"name\": "
                       "\"GND\", \"length\": 254000, \"nodes\": [[\"U1\", \"4\"]]}]";
    if (designInfoStatus)
        json += std::string(", \"status\": {\"TGetDesignInfo\": ") + designInfoStatus + "}";
    return json + "}";
}

std::wstring quoted(const std::wstring& argument) {
    return L"\"" + argument + L"\"";
}

struct WindowSearch {
    DWORD processId;
    const wchar_t* windowClass;
    std::vector<HWND> found;
};

BOOL CALLBACK collectWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if ((search.processId == 0 || owner == search.processId) &&
        std::wstring(name) == search.windowClass)
        search.found.push_back(window);
    return TRUE;
}

std::vector<HWND> windowsOf(DWORD processId, const wchar_t* windowClass) {
    WindowSearch search{processId, windowClass, {}};
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring textOf(HWND window) {
    wchar_t text[1024] = {};
    SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

// How the program is started: from this console, or as Explorer starts it,
// with no console and no standard handles.
enum class Start { FromConsole, FromExplorer };

// netlist-report.exe with its window, started in a folder of its own.
class Program {
  public:
    Program(const fs::path& folder, const std::wstring& arguments, Start start = Start::FromConsole,
            const fs::path& program = programFolder() / "netlist-report.exe") {
        std::wstring commandLine = quoted(program.wstring()) + L" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        DWORD flags = 0;
        if (start == Start::FromExplorer) {
            startup.dwFlags = STARTF_USESTDHANDLES;
            flags = DETACHED_PROCESS;
        }
        started_ = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, flags,
                                  nullptr, folder.wstring().c_str(), &startup, &process_);
        if (!started_ || start == Start::FromExplorer) return;
        WaitForInputIdle(process_.hProcess, kWindowWaitMs);
        for (DWORD waited = 0; waited < kWindowWaitMs && !form_ && running(); waited += 100) {
            for (HWND window : windowsOf(process_.dwProcessId, kForm1Class))
                if (IsWindowVisible(window)) form_ = window;
            if (!form_) Sleep(100);
        }
    }
    ~Program() {
        if (!started_) return;
        if (running()) TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, kExitWaitMs);
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
    void chooseAbout() const { SendMessageW(form_, WM_COMMAND, MAKEWPARAM(kAboutId, 0), 0); }
    std::vector<HWND> aboutBoxes() const { return windowsOf(processId(), kForm2Class); }

    // The exit code once the program ended, -1 while it still runs.
    long exitCode() {
        if (WaitForSingleObject(process_.hProcess, kExitWaitMs) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return static_cast<long>(code);
    }

  private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
    HWND form_ = nullptr;
};

// Starts the program on a design written into a folder of the case's own.
struct Session {
    Session(const std::string& name, const std::string& json, const std::wstring& options = L"")
        : folder(scratchFolder(name)) {
        writeFile(folder / (name + ".json"), json);
        program = std::make_unique<Program>(folder, options + L" " + Utf8ToUtf16(name) + L".json");
    }
    fs::path folder;
    std::unique_ptr<Program> program;
};

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
        const fs::path folder = scratchFolder(row.name);
        // Alone in its folder, the program finds no designdb32.dll.
        const fs::path alone = folder / "netlist-report.exe";
        fs::copy_file(programFolder() / "netlist-report.exe", alone);
        std::wstring arguments;
        if (row.design) {
            writeFile(folder / (std::string(row.name) + ".json"), row.design);
            arguments = Utf8ToUtf16(row.name) + L".json";
        }
        Program program(folder, arguments, Start::FromExplorer, alone);
        HWND box = nullptr;
        for (DWORD waited = 0; waited < kWindowWaitMs && !box && program.running(); waited += 100) {
            for (HWND window : windowsOf(program.processId(), L"#32770"))
                if (IsWindowVisible(window) && textOf(window) == L"netlist-report") box = window;
            if (!box) Sleep(100);
        }
        const std::string where = std::string(row.name) + ": ";
        if (!box) {
            test::Fail(__FILE__, __LINE__, where + "no message box titled netlist-report");
            continue;
        }
        const std::string text = boxText(box);
        for (const std::string& expected : row.texts)
            if (text.find(expected) == std::string::npos)
                test::Fail(__FILE__, __LINE__,
                           where + "the box lacks \"" + expected + "\": " + text);
        // The program waits for the box to be closed, then ends as before.
        CHECK(program.running());
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        const long exitCode = program.exitCode();
        if (exitCode != row.exitCode)
            test::Fail(__FILE__, __LINE__, where + "exit code " + std::to_string(exitCode));
    }
}

TEST_CASE("start-up: the controls' captions and states") {
    struct Row {
        const char* name;
        const char* kind;
        const char* designInfoStatus;
        const char* label3;
        bool check1Enabled;
        bool started;  // Option3, Option4 and Start enabled
        std::int32_t shownStatus;
    };
    // The outcomes themselves are the presenter's (MainWindowPresenterTest);
    // these two set every control the other way round.
    const Row rows[] = {
        {"both-open", "PCB+SCH", nullptr, "Schmatic", false, true, 0},
        {"board-info-fails", "PCB", "32101", "Pcb", true, false, 32101},
    };
    for (const Row& row : rows) {
        Session session(row.name, designJson(row.kind, row.designInfoStatus));
        Program& program = *session.program;
        REQUIRE(program.form() != nullptr);
        const std::string where = std::string(row.name) + ": ";
        const auto expect = [&](bool holds, const std::string& what) {
            if (!holds) test::Fail(__FILE__, __LINE__, where + what);
        };
        expect(program.text(kLabel3Id) == row.label3, "Label3 " + program.text(kLabel3Id));
        expect(program.text(kStatusLabelId) == StatusMessage(row.shownStatus),
               "status_label " + program.text(kStatusLabelId));
        // Only a design information record that was filled names the file.
        const bool filled = row.designInfoStatus == nullptr && row.shownStatus == 0;
        expect(program.text(kStatusLabel3Id) == (filled ? std::string(row.name) + ".json" : ""),
               "status_label3 " + program.text(kStatusLabel3Id));
        expect(program.enabled(kCheck1Id) == row.check1Enabled, "Check1 enabled");
        for (const int id : {kOption3Id, kOption4Id, kStartId})
            expect(program.enabled(id) == row.started, "Option3/Option4/Start enabled");
        // What Form_Load leaves alone keeps the state it was created in.
        expect(program.checked(kOption1Id) && !program.enabled(kOption1Id), "mils, disabled");
        expect(program.checked(kOption4Id) && !program.checked(kOption3Id), "File selected");
        // A failed start-up leaves the window open with the message.
        expect(IsWindowVisible(program.form()) && program.running(), "window open");
        program.click(kExitId);
        expect(program.exitCode() == 0, "End ends the program with 0");
    }
}

TEST_CASE("Tab order; About: one box beside a usable window, Ok hides it, its frame destroys it") {
    Session session("about", designJson("PCB"));
    Program& program = *session.program;
    REQUIRE(program.form() != nullptr);
    // Of each pair of option buttons Tab visits the selected one (the arrow
    // keys move within the pair).
    std::vector<int> tabStops;
    for (HWND child = GetWindow(program.item(kStartId), GW_HWNDFIRST); child;
         child = GetWindow(child, GW_HWNDNEXT))
        if (GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) tabStops.push_back(GetDlgCtrlID(child));
    CHECK(tabStops ==
          std::vector<int>({kStartId, kExitId, kText1Id, kCheck1Id, kOption1Id, kOption4Id}));

    // Alt+A, the menu item's access key, then the menu item itself.
    SendMessageW(program.form(), WM_SYSCOMMAND, SC_KEYMENU, 'a');
    program.chooseAbout();
    const std::vector<HWND> boxes = program.aboutBoxes();
    REQUIRE(boxes.size() == 1);
    HWND box = boxes[0];
    CHECK(IsWindowVisible(box));
    // Check1 enables the units and disables them again, keeping the choice.
    program.click(kCheck1Id);
    CHECK(program.checked(kCheck1Id) && program.enabled(kOption1Id) && program.enabled(kOption2Id));
    program.click(kOption2Id);
    program.click(kCheck1Id);
    CHECK(!program.enabled(kOption1Id) && !program.enabled(kOption2Id));
    CHECK(program.checked(kOption2Id) && !program.checked(kOption1Id));

    SendMessageW(GetDlgItem(box, kCommand1Id), BM_CLICK, 0, 0);
    CHECK(IsWindow(box) && !IsWindowVisible(box));
    program.chooseAbout();
    CHECK(IsWindowVisible(box) && program.aboutBoxes().size() == 1);
    SendMessageW(box, WM_CLOSE, 0, 0);
    CHECK(!IsWindow(box) && program.running());
    program.chooseAbout();
    CHECK_EQ(program.aboutBoxes().size(), 1u);
    SendMessageW(program.form(), WM_CLOSE, 0, 0);
    CHECK_EQ(program.exitCode(), 0);
}

TEST_CASE("Start writes the report that --batch writes and ends, unless the report fails") {
    const std::string json = designJson("PCB");
    Session session("start", json);
    Program& program = *session.program;
    REQUIRE(program.form() != nullptr);
    // A folder where the report would go: the window stays open with the reason.
    fs::create_directories(session.folder / "start.wrf");
    program.click(kStartId);
    CHECK(program.running() && IsWindowVisible(program.form()) && program.enabled(kStartId));
    CHECK(program.text(kStatusLabelId).find("start.wrf") != std::string::npos);
    fs::remove(session.folder / "start.wrf");

    SendMessageW(program.item(kText1Id), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"Zo\u00eb Designer"));
    program.click(kCheck1Id);
    program.click(kOption2Id);
    program.postClick(kStartId);
    CHECK_EQ(program.exitCode(), 0);
    const std::string windowReport = readFile(session.folder / "start.wrf");
    REQUIRE(!windowReport.empty());
    CHECK(windowReport.find("Design By      Zo\xEB Designer\r\n") != std::string::npos);

    const fs::path batchFolder = scratchFolder("start-batch");
    writeFile(batchFolder / "start.json", json);
    Program batch(batchFolder, L"--batch --designer \"Zo\u00eb Designer\" --lengths mm start.json");
    CHECK_EQ(batch.exitCode(), 0);
    CHECK(withoutDateLine(readFile(batchFolder / "start.wrf")) == withoutDateLine(windowReport));
}

TEST_CASE("a design file's window tells which file it shows; the host's window stays as it was") {
    Session session("chosen", designJson("PCB"));
    Program& program = *session.program;
    REQUIRE(program.form() != nullptr);
    const std::wstring line = textOf(program.item(kDesignSourceId));
    CHECK(line.rfind(L"Design file: ", 0) == 0);
    CHECK(line.size() > 12 && line.substr(line.size() - 12) == L"\\chosen.json");
    program.click(kExitId);
    CHECK_EQ(program.exitCode(), 0);

    // Without a design file the design is the host's (here the stand-in DLL's).
    const fs::path folder = scratchFolder("host");
    Program host(folder, L"");
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

// The visible window of the program with this class and caption, waited for.
HWND waitForWindow(Program& program, const wchar_t* windowClass, const std::wstring& caption) {
    for (DWORD waited = 0; waited < kWindowWaitMs && program.running(); waited += 100) {
        for (HWND window : windowsOf(program.processId(), windowClass))
            if (IsWindowVisible(window) && textOf(window) == caption) return window;
        Sleep(100);
    }
    return nullptr;
}

// Chooses "&Open…" and names the file in the dialog, as a user types it.
void openWithDialog(Program& program, const fs::path& file) {
    PostMessageW(program.form(), WM_COMMAND, MAKEWPARAM(kOpenId, 0), 0);
    HWND dialog = waitForWindow(program, L"#32770", L"Open a design");
    REQUIRE(dialog != nullptr);
    // The file name box: edt1 in one style of the dialog, cmb13 in the other.
    for (const int box : {0x480, 0x47c})
        if (HWND control = GetDlgItem(dialog, box))
            SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file.wstring().c_str()));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    for (DWORD waited = 0; waited < kWindowWaitMs && IsWindow(dialog); waited += 100) Sleep(100);
}

TEST_CASE("Open: another design file, and a refused one that leaves the design shown") {
    Session session("open-first", designJson("PCB"));
    Program& program = *session.program;
    REQUIRE(program.form() != nullptr);
    writeFile(session.folder / "second.json", designJson("SCH"));
    openWithDialog(program, session.folder / "second.json");
    CHECK(program.text(kStatusLabel3Id) == "second.json");
    CHECK(program.text(kLabel3Id) == "Schmatic");

    writeFile(session.folder / "refused.json", R"({"kind": "PCB", "titel": "misspelt"})");
    openWithDialog(program, session.folder / "refused.json");
    HWND warning = waitForWindow(program, L"#32770", L"Netlist Report");
    REQUIRE(warning != nullptr);
    const std::string text = boxText(warning);
    CHECK(text.find("unknown key \"titel\"") != std::string::npos);
    CHECK(text.find("stays on the design it showed before") != std::string::npos);
    PostMessageW(warning, WM_COMMAND, IDOK, 0);
    CHECK(program.text(kStatusLabel3Id) == "second.json");
    const std::wstring line = textOf(program.item(kDesignSourceId));
    CHECK(line.size() > 12 && line.substr(line.size() - 12) == L"\\second.json");
    program.click(kExitId);
    CHECK_EQ(program.exitCode(), 0);
}

TEST_CASE("Screen opens the report in notepad") {
    Session session("screen", designJson("SCH"));
    Program& program = *session.program;
    REQUIRE(program.form() != nullptr);
    program.click(kOption3Id);
    CHECK(program.checked(kOption3Id));
    program.postClick(kStartId);
    CHECK_EQ(program.exitCode(), 0);
    HWND editor = nullptr;
    for (DWORD waited = 0; waited < kWindowWaitMs && !editor; waited += 200) {
        for (HWND window : windowsOf(0, L"Notepad"))
            if (textOf(window).find(L"screen.wrf") != std::wstring::npos) editor = window;
        if (!editor) Sleep(200);
    }
    CHECK(editor != nullptr);
    if (editor) PostMessageW(editor, WM_CLOSE, 0, 0);
}

}  // namespace
}  // namespace netlist::test
