// Report runs beyond what the golden reports show: names, progress and the
// viewer. Where reports go and what they replace: ReportTargetTest.
#include <gtest/gtest.h>

#include <filesystem>

#include "design/standin/StandInLibrary.h"
#include "platform/NativePath.h"
#include "report/ReportPaths.h"
#include "tests/report/ReportTestSupport.h"

namespace netlist::test {
namespace {

class ReportRunTest : public ::testing::Test {
  protected:
    std::string designPath(const std::string& name = "amp.pcb") const { return folder.file(name); }
    ScratchFolder folder;
};

TEST_F(ReportRunTest, TheReportIsShownOnRequestAndNamesLongDesignsShort) {
    const auto shown =
        RunReport(Design(DesignKind::Pcb, designPath(), {}), {"", false, true, true});
    EXPECT_EQ(shown.viewerCalls, std::vector<std::string>{folder.file("amp.wrf")});
    EXPECT_TRUE(RunReport(Design(DesignKind::Pcb, designPath(), {})).viewerCalls.empty());
    for (const std::string name : {"amplifier_main_board_revision_a_final.pcb", "Makefile"}) {
        const auto named = RunReport(Design(DesignKind::Pcb, designPath(name), {}));
        EXPECT_NE(named.report.find("\r\nDesign Name    " + name.substr(0, 25) + "\r\n"),
                  std::string::npos);
    }
#ifndef _WIN32
    // The library's texts are Windows-1252; the file system's are UTF-8.
    std::filesystem::create_directory(folder.path() / "J\xC3\xBCrgen");
    const auto accented = RunReport(Design(DesignKind::Pcb, folder.file("J\xFCrgen/amp.pcb"), {}));
    EXPECT_EQ(accented.status, "Written to .amp.wrf");
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "J\xC3\xBCrgen" / "amp.wrf"));
#endif
}

TEST_F(ReportRunTest, ShowsProgressPerNetAndClosesTheSession) {
    StandInLibrary library(Design(DesignKind::Pcb, designPath(),
                                  {Net(1, "B", {"U1-1", "U1-2"}), Net(2, "A", {"U1-3", "U1-4"})}));
    ReportEnvironment environment = TestEnvironment();
    environment.openViewer = [](const std::string&) { return ViewerLaunch{false, "no viewer"}; };
    struct Captions final : RunProgress {
        std::vector<std::string> seen;
        void statusChanged(std::string_view text) override { seen.emplace_back(text); }
    } progress;
    DesignSession session(library);
    ConnectToDesign(session);
    ReportChoices choices;
    choices.openInViewer = true;
    const ReportOutcome outcome = WriteReport(session, choices, environment, progress);
    ASSERT_EQ(outcome.result, ReportResult::Written);
    EXPECT_EQ(progress.seen,
              (std::vector<std::string>{"Status: OK", "Nodes 0 Nets Name A", "Nodes 1 Nets Name B",
                                        "Written to .amp.wrf"}));
    EXPECT_EQ(outcome.viewerError, "no viewer");
}

// Whole runs show the usual names (ReportRunTest, ReportTargetTest and the golden
// reports); these are the edges.
TEST(ReportPaths, NamesTheReportAfterTheDesignFileInItsFolder) {
    for (const auto& row : test::ReadDataCases("report/data/report-names.txt"))
        EXPECT_EQ(DeriveReportNames(row.input).reportPath, row.expected)
            << "report-names.txt:" << row.line;
    EXPECT_EQ(DeriveReportNames("/b/odd\\name.pcb").designFileName, "name.pcb");
    EXPECT_EQ(DesignFileNameShown("/boards/"), "");
}

#ifndef _WIN32
TEST(ReportPaths, FileSystemPathsAreUtf8WithSlashes) {
    EXPECT_EQ(NativeFileSystemPath("C:\\Boards\\amp.wrf"), "C:/Boards/amp.wrf");
    EXPECT_EQ(NativeFileSystemPath("/b/J\xFCrgen/amp.wrf"), "/b/J\xC3\xBCrgen/amp.wrf");
    EXPECT_EQ(NativeTextToWindows1252("/b/J\xC3\xBCrgen"), "/b/J\xFCrgen");
}
#endif

}  // namespace
}  // namespace netlist::test
