#include "tests/report/ReportTestSupport.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "design/standin/StandInLibrary.h"
#include "report/ReportPaths.h"

#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

namespace netlist::testing {

ScratchFolder::ScratchFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("netlist-report-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return std::move(bytes).str();
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::vector<std::string> FileNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> ReportLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

DesignNet Net(std::int32_t id, std::string name, std::initializer_list<const char*> nodes,
              std::int32_t length) {
    DesignNet net;
    net.id = id;
    net.name = std::move(name);
    net.length = length;
    for (const std::string node : nodes) {
        const std::size_t dash = node.find('-');
        net.nodes.push_back(
            {node.substr(0, dash), dash == std::string::npos ? "" : node.substr(dash + 1)});
    }
    net.nodeCount = static_cast<std::int32_t>(net.nodes.size());
    return net;
}

DesignData Design(DesignKind kind, const std::string& designPath, std::vector<DesignNet> nets) {
    DesignData design;
    design.kind = kind;
    design.designPath = designPath;
    design.nets = std::move(nets);
    return design;
}

ReportEnvironment TestEnvironment(std::vector<std::string>* viewerCalls) {
    ReportEnvironment environment;
    environment.dateTimeText = [] { return std::string(kFixedDate); };
    environment.openViewer = [viewerCalls](const std::string& path) {
        if (viewerCalls) viewerCalls->push_back(path);
        return ViewerLaunch{true, {}};
    };
    return environment;
}

RunResult RunReport(const DesignData& design, const RunOptions& options) {
    StandInLibrary library(design);
    RunResult result;
    Form1Model form(library, TestEnvironment(&result.viewerCalls));
    form.Form_Load();
    Form1Controls& controls = form.controls();
    controls.text1 = options.designer;
    controls.check1Value = options.lengths ? 1 : 0;
    form.Check1_Click();
    controls.option1Selected = options.mils;
    controls.option3Selected = options.screen;
    result.outcome = form.Start_Click();
    result.status = controls.statusLabelCaption;
    result.viewerError = form.viewerError();
    if (result.outcome == RunOutcome::Written)
        result.report = ReadBytes(NativeFileSystemPath(form.reportPath()));
    return result;
}

}  // namespace netlist::testing
