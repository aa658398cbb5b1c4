// Report runs beyond what the golden reports show: the report's name and
// place, progress, the viewer, and the runs that must not leave a damaged
// report behind.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "design/StatusCodes.h"
#include "design/standin/StandInLibrary.h"
#include "tests/report/ReportTestSupport.h"

#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace netlist::test {
namespace {

// The net table: the lines after the header's last rule, without "End of Report".
std::vector<std::string> tableLines(const std::string& report) {
    const std::vector<std::string> lines = ReportLines(report);
    const auto rule = std::find(lines.rbegin(), lines.rend(), std::string(89, '-'));
    return std::vector<std::string>(rule.base() + 1, lines.end() - 1);
}

class ReportRunTest : public ::testing::Test {
  protected:
    std::string designPath(const std::string& name = "amp.pcb") const { return folder.file(name); }
    ScratchFolder folder;
};

TEST_F(ReportRunTest, MoreThan32767NetsAreAllNumberedAndCounted) {
    std::vector<DesignNet> nets;
    for (std::int32_t id = 1; id <= 40000; ++id) {
        char name[16];
        std::snprintf(name, sizeof name, "N%05d", id);
        nets.push_back(Net(id, name, {"U1-1", "U2-1"}));
    }
    const auto result = RunReport(Design(DesignKind::Pcb, designPath(), std::move(nets)));
    ASSERT_EQ(result.result, ReportResult::Written);
    const std::vector<std::string> lines = ReportLines(result.report);
    EXPECT_EQ(lines[10], "Number of Nets 40000 ");
    EXPECT_EQ(lines[12], "Connected Pins 80000 ");
    const std::vector<std::string> table = tableLines(result.report);
    ASSERT_EQ(table.size(), 80001u);
    EXPECT_EQ(table[2 * 40000 - 1].substr(0, 17), "  40000 N40000   ");
}

TEST_F(ReportRunTest, TheReportIsNamedAfterTheDesignAndShownOnRequest) {
    const auto result = RunReport(Design(DesignKind::Pcb, designPath("my.board.new.pcb"), {}),
                                  RunOptions{"", false, true, true});
    ASSERT_EQ(result.result, ReportResult::Written);
    EXPECT_EQ(result.status, "Written to .my.wrf");
    EXPECT_EQ(result.viewerCalls, std::vector<std::string>{folder.file("my.wrf")});
    EXPECT_TRUE(RunReport(Design(DesignKind::Pcb, designPath(), {})).viewerCalls.empty());

    // Long names without a dot get reports of their own.
    for (const std::string name : {"amplifier_main_board_revision_a_final.pcb", "Makefile"}) {
        const auto named = RunReport(Design(DesignKind::Pcb, designPath(name), {}));
        EXPECT_EQ(ReportLines(named.report)[2], "Design Name    " + name.substr(0, 25));
    }
    EXPECT_EQ(FileNames(folder.path()),
              (std::vector<std::string>{"Makefile.wrf", "amp.wrf",
                                        "amplifier_main_board_revision_a_final.wrf", "my.wrf"}));
#ifndef _WIN32
    // The library's texts are Windows-1252; the file system's are UTF-8.
    std::filesystem::create_directory(folder.path() / "J\xC3\xBCrgen");
    const auto accented = RunReport(Design(DesignKind::Pcb, folder.file("J\xFCrgen/amp.pcb"), {}));
    ASSERT_EQ(accented.result, ReportResult::Written) << accented.status;
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

#ifndef _WIN32
// A file-size limit makes the write fail part-way, as a full disk does.
TEST_F(ReportRunTest, AWriteThatFailsPartWayKeepsThePreviousReport) {
    std::vector<DesignNet> nets;
    for (std::int32_t id = 1; id <= 200; ++id)
        nets.push_back(Net(id, "N" + std::to_string(id), {"U1-1"}));
    WriteBytes(folder.file("amp.wrf"), "previous");

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const auto result = RunReport(Design(DesignKind::Pcb, designPath(), std::move(nets)));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);

    EXPECT_EQ(result.result, ReportResult::ReportNotWritten);
    EXPECT_NE(result.status.find("amp.wrf: cannot be written"), std::string::npos) << result.status;
    EXPECT_EQ(ReadBytes(folder.file("amp.wrf")), "previous");
    EXPECT_EQ(FileNames(folder.path()), std::vector<std::string>{"amp.wrf"});
}
#endif

}  // namespace
}  // namespace netlist::test
