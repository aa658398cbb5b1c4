#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "design/StatusCodes.h"
#include "design/standin/StandInLibrary.h"
#include "report/Form1Model.h"
#include "tests/report/ReportTestSupport.h"

#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace netlist {
namespace {

using testing::Design;
using testing::Net;
using testing::ReportLines;
using testing::RunOptions;
using testing::RunReport;
using testing::ScratchFolder;

const std::string kRule(89, '-');
const std::string kHeading =
    "net Id  NetName       Pins                  Pins Names                     Net Length";

std::string blanks(std::size_t n) {
    return std::string(n, ' ');
}

// The lines of the net table: everything between the header's empty line
// and the trailer's "End of Report" line.
std::vector<std::string> tableLines(const std::string& report) {
    const std::vector<std::string> lines = ReportLines(report);
    const auto rule = std::find(lines.rbegin(), lines.rend(), kRule);
    std::vector<std::string> table(rule.base() + 1, lines.end() - 1);
    return table;
}

class ReportRunTest : public ::testing::Test {
  protected:
    std::string designPath(const std::string& name = "amp.pcb") const { return folder.file(name); }

    ScratchFolder folder;
};

TEST_F(ReportRunTest, WritesTheHeaderBlockOfABoard) {
    DesignData design = Design(DesignKind::Pcb, designPath(), {Net(1, "GND", {"U1-7", "C1-2"})});
    design.title = "Amplifier";
    design.revision = "B";
    design.engineer = "  Lee  ";
    design.layers = {{"Top", 1}, {"Bottom", 0}, {"Silk", 2}, {"Inner", 1}};
    design.components = {{"U1", 8, 0}, {"C1", 2, 0}, {"J1", 3, 5}};
    const auto result = RunReport(design, RunOptions{"Pat Doe"});
    ASSERT_EQ(result.outcome, RunOutcome::Written) << result.status;

    const std::vector<std::string> expected = {
        "Created By     netlist-report",
        "Email          netlist-report@example.org",
        "Design Name    amp.pcb",
        "Title          Amplifier",
        "Revision       B",
        "Engineer       Lee",
        "Design By      Pat Doe",
        std::string("Date           ") + testing::kFixedDate,
        "Version        16000 ",
        "Components     3 ",
        "Number of Nets 1 ",
        "Total Pads     13 Top Side= 10 Bottom Side= 3",
        "Connected Pins 2 ",
        "layers         3 ",
        blanks(34) + "NETLIST REPORT FROM Pcb",
        kRule,
        kHeading,
        kRule,
        "",
    };
    const std::vector<std::string> lines = ReportLines(result.report);
    ASSERT_GE(lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
}

TEST_F(ReportRunTest, PlacesTheHeadingAndTheRowOfASingleNodeNetInTheirColumns) {
    EXPECT_EQ(kHeading.find("net Id"), 0u);
    EXPECT_EQ(kHeading.find("NetName"), 8u);
    EXPECT_EQ(kHeading.find("Pins"), 22u);
    EXPECT_EQ(kHeading.find("Pins Names"), 44u);
    EXPECT_EQ(kHeading.find("Net Length"), 75u);

    const auto result =
        RunReport(Design(DesignKind::Pcb, designPath(), {Net(3, "TP1", {"TP1-1"})}));
    EXPECT_EQ(tableLines(result.report),
              (std::vector<std::string>{"", "W 1     TP1             1    TP1-1" + blanks(7), ""}));
}

TEST_F(ReportRunTest, ALongNetNamePushesTheNodeCountToTheNextLine) {
    const auto result = RunReport(
        Design(DesignKind::Pcb, designPath(), {Net(3, "ABCDEFGHIJKLMNOP", {"U1-1", "U2-2"})}));
    EXPECT_EQ(
        tableLines(result.report),
        (std::vector<std::string>{"", "  1     ABCDEFGHIJKLMNOP",
                                  blanks(23) + " 2    U1-1" + blanks(8) + "U2-2" + blanks(8), ""}));
}

TEST_F(ReportRunTest, ADesignWithoutComponentsOrNetsHasEmptyCountsAndNoTable) {
    const auto result = RunReport(Design(DesignKind::Pcb, designPath(), {}));
    ASSERT_EQ(result.outcome, RunOutcome::Written);
    const std::vector<std::string> lines = ReportLines(result.report);
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[9], "Components    ");
    EXPECT_EQ(lines[10], "Number of Nets 0 ");
    EXPECT_EQ(lines[11], "Total Pads     0 Top Side= 0 Bottom Side= 0");
    EXPECT_EQ(lines[12], "Connected Pins");
    EXPECT_EQ(lines[13], "layers        ");
    EXPECT_EQ(lines[18], "");
    EXPECT_EQ(lines[19], "");
    EXPECT_EQ(lines[20], blanks(34) + "End of Report\f");
    EXPECT_EQ(result.report.substr(result.report.size() - 3), "\f\r\n");
}

TEST_F(ReportRunTest, ASchematicHasNoLayersLineAndListsSymbolPins) {
    DesignData design =
        Design(DesignKind::Sch, designPath("amp.sch"), {Net(1, "CLK", {"U1-3", "U2-11"}, 2540)});
    design.layers = {{"Top", 1}};
    const auto result = RunReport(design, RunOptions{"", true});
    const std::vector<std::string> lines = ReportLines(result.report);
    ASSERT_GT(lines.size(), 14u);
    EXPECT_EQ(lines[12], "Connected Pins 2 ");
    EXPECT_EQ(lines[13], blanks(34) + "NETLIST REPORT FROM Schmatic");
    // No length on a schematic, even when asked for.
    EXPECT_EQ(tableLines(result.report),
              (std::vector<std::string>{
                  "", "  1     CLK             2    U1-3" + blanks(8) + "U2-11" + blanks(7), ""}));
}

TEST_F(ReportRunTest, OrdersTheNetBlocksByTheirSortKeys) {
    const auto result = RunReport(Design(
        DesignKind::Pcb, designPath(),
        {Net(1, "R10", {"R10-1", "U1-1"}), Net(2, "R2", {"R2-1", "U1-2"}),
         Net(3, "R1", {"R1-1", "U1-3"}), Net(4, "gnd", {"C1-1", "C2-1"}),
         Net(5, "GND", {"C3-1", "C4-1"}), Net(6, "+5V", {"C5-1", "U1-8"}), Net(7, "TP1", {"TP1-1"}),
         Net(12, "CLK", {"U1-4", "U2-4"}), Net(8, "clk", {"U1-5", "U2-5"}),
         Net(9, "A05", {"U3-1", "U3-2"}), Net(10, "A1", {"U3-3", "U3-4"})}));
    std::vector<std::string> names;
    for (const std::string& line : tableLines(result.report))
        if (line.size() > 9 && line[8] != ' ')
            names.push_back(line.substr(8, line.find(' ', 8) - 8));
    EXPECT_EQ(names, (std::vector<std::string>{"TP1", "A05", "A1", "CLK", "clk", "gnd", "R1", "R2",
                                               "R10", "+5V", "GND"}));
}

TEST_F(ReportRunTest, DerivesTheReportNameAndReportsWhereItWentAndShowsItOnScreen) {
    const auto result = RunReport(Design(DesignKind::Pcb, designPath("my.board.new.pcb"), {}),
                                  RunOptions{"", false, true, true});
    ASSERT_EQ(result.outcome, RunOutcome::Written);
    EXPECT_EQ(result.status, "Written to .my.wrf");
    EXPECT_EQ(result.viewerCalls, std::vector<std::string>{folder.file("my.wrf")});
    EXPECT_TRUE(std::filesystem::exists(folder.file("my.wrf")));
    EXPECT_EQ(testing::FileNames(folder.path()), std::vector<std::string>{"my.wrf"});
}

#ifndef _WIN32
TEST_F(ReportRunTest, AFolderWithAccentsIsFoundOnTheUtf8FileSystem) {
    std::filesystem::create_directory(folder.path() / "J\xC3\xBCrgen");
    // The library's texts are Windows-1252: the folder name arrives as J\xFCrgen.
    const auto result = RunReport(Design(DesignKind::Pcb, folder.file("J\xFCrgen/amp.pcb"), {}),
                                  RunOptions{"", false, true, true});
    ASSERT_EQ(result.outcome, RunOutcome::Written) << result.status;
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "J\xC3\xBCrgen" / "amp.wrf"));
    EXPECT_EQ(result.viewerCalls, std::vector<std::string>{folder.file("J\xC3\xBCrgen/amp.wrf")});
}
#endif

TEST_F(ReportRunTest, AViewerThatCannotStartLeavesTheReportWrittenAndSaysWhy) {
    StandInLibrary library(Design(DesignKind::Pcb, designPath(), {}));
    ReportEnvironment environment = testing::TestEnvironment(nullptr);
    environment.openViewer = [](const std::string&) { return ViewerLaunch{false, "no viewer"}; };
    Form1Model form(library, environment);
    form.Form_Load();
    form.controls().option3Selected = true;
    EXPECT_EQ(form.Start_Click(), RunOutcome::Written);
    EXPECT_EQ(form.viewerError(), "no viewer");
    EXPECT_TRUE(std::filesystem::exists(folder.file("amp.wrf")));
}

TEST_F(ReportRunTest, TheFileChoiceStartsNoViewer) {
    const auto result = RunReport(Design(DesignKind::Pcb, designPath(), {}));
    EXPECT_TRUE(result.viewerCalls.empty());
}

TEST_F(ReportRunTest, AFailedStartUpWritesNothingAndSaysWhy) {
    DesignData design = Design(DesignKind::Pcb, designPath(), {Net(1, "A", {"U1-1"})});
    design.forcedStatus[static_cast<std::size_t>(Operation::TGetDesignInfo)] = 32106;
    const auto result = RunReport(design);
    EXPECT_EQ(result.outcome, RunOutcome::DesignNotOpen);
    EXPECT_EQ(result.status, "Server Busy");
    EXPECT_TRUE(testing::FileNames(folder.path()).empty());
}

TEST_F(ReportRunTest, ShowsProgressPerNetAndEndsWithTheWrittenCaption) {
    StandInLibrary library(Design(DesignKind::Pcb, designPath(),
                                  {Net(1, "B", {"U1-1", "U1-2"}), Net(2, "A", {"U1-3", "U1-4"})}));
    Form1Model form(library, testing::TestEnvironment(nullptr));
    std::vector<std::string> captions;
    form.onStatusChanged = [&] { captions.push_back(form.controls().statusLabelCaption); };
    form.Form_Load();
    ASSERT_EQ(form.Start_Click(), RunOutcome::Written);
    EXPECT_EQ(captions, (std::vector<std::string>{"Status: OK", "Status: OK", "Status: OK",
                                                  "Nodes 0 Nets Name A", "Nodes 1 Nets Name B",
                                                  "Written to .amp.wrf"}));
    EXPECT_TRUE(form.controls().startEnabled);
    EXPECT_EQ(form.List1.ListCount(), 0);
    // The run closed the session.
    DesignInfoRecord info{};
    EXPECT_EQ(library.TGetDesignInfo(theSessionContext, info), status::kNoConnection);
}

// ---- The node listing ---------------------------------------------------------

TEST_F(ReportRunTest, ListsFourNodesToALineWithTheLengthAfterTheLast) {
    const auto lengths = RunOptions{"", true, true};
    const std::string row = "  1     N               ";
    auto table = [&](std::initializer_list<const char*> nodes) {
        return tableLines(
            RunReport(Design(DesignKind::Pcb, designPath(), {Net(1, "N", nodes, 254000)}), lengths)
                .report);
    };
    EXPECT_EQ(table({"U1-1"}),
              (std::vector<std::string>{
                  "", "W" + row.substr(1) + "1    U1-1" + blanks(44) + "100.00 mils", ""}));
    EXPECT_EQ(table({"U1-1", "U2-14", "R5-2", "C3-1"}),
              (std::vector<std::string>{"",
                                        row + "4    U1-1" + blanks(8) + "U2-14" + blanks(7) +
                                            "R5-2" + blanks(8) + "C3-1" + blanks(8) + "100.00 mils",
                                        ""}));
    EXPECT_EQ(table({"U1-1", "U2-14", "R5-2", "C3-1", "J1-7"}),
              (std::vector<std::string>{"",
                                        row + "5    U1-1" + blanks(8) + "U2-14" + blanks(7) +
                                            "R5-2" + blanks(8) + "C3-1" + blanks(8),
                                        blanks(29) + "J1-7" + blanks(44) + "100.00 mils", ""}));
}

TEST_F(ReportRunTest, WithoutLengthsTheLastLineStaysOpenUntilTheNextStatement) {
    const auto result = RunReport(Design(
        DesignKind::Pcb, designPath(),
        {Net(1, "GND", {"U1-1", "U2-14", "R5-2", "C3-1", "J1-7"}), Net(2, "A", {"U1-2", "U1-3"})}));
    EXPECT_EQ(tableLines(result.report),
              (std::vector<std::string>{
                  "", "  1     A               2    U1-2" + blanks(8) + "U1-3" + blanks(8), "",
                  "  2     GND             5    U1-1" + blanks(8) + "U2-14" + blanks(7) + "R5-2" +
                      blanks(8) + "C3-1" + blanks(8),
                  blanks(29) + "J1-7" + blanks(8), ""}));
}

TEST_F(ReportRunTest, ATwelveCharacterNodeTextMeetsTheNextNode) {
    const auto result =
        RunReport(Design(DesignKind::Pcb, designPath(), {Net(1, "N", {"ABCDEFGH-123", "U1-1"})}));
    EXPECT_EQ(tableLines(result.report)[1],
              "  1     N               2    ABCDEFGH-123U1-1" + blanks(8));
}

TEST_F(ReportRunTest, AThirteenCharacterNodeTextInTheLastColumnEndsTheLine) {
    const RunOptions lengths{"", true, false};
    auto table = [&](std::initializer_list<const char*> nodes) {
        return tableLines(
            RunReport(Design(DesignKind::Pcb, designPath(), {Net(1, "N", nodes, 12500)}), lengths)
                .report);
    };
    const std::string first = "  1     N               4    A-1" + blanks(9) + "B-1" + blanks(9) +
                              "C-1" + blanks(9) + "ABCDEFGHIJ-12";
    EXPECT_EQ(table({"A-1", "B-1", "C-1", "ABCDEFGHIJ-12"}),
              (std::vector<std::string>{"", first, blanks(77) + "0.13 mm", ""}));
    std::vector<std::string> withFifth = table({"A-1", "B-1", "C-1", "ABCDEFGHIJ-12", "E-5"});
    EXPECT_EQ(withFifth, (std::vector<std::string>{
                             "", "  1     N               5" + first.substr(25), blanks(77),
                             blanks(29) + "E-5" + blanks(9) + blanks(36) + "0.13 mm", ""}));
}

TEST_F(ReportRunTest, AFailedFirstNodeReadListsNothingEvenWithLengths) {
    DesignData design = Design(DesignKind::Pcb, designPath(), {Net(1, "TP1", {"TP1-1"}, 2540)});
    design.forcedStatus[static_cast<std::size_t>(Operation::TGetFirstNetNode)] = 32163;
    const auto result = RunReport(design, RunOptions{"", true, true});
    EXPECT_EQ(tableLines(result.report),
              (std::vector<std::string>{"", "W 1     TP1             1    ", ""}));
}

TEST_F(ReportRunTest, EmptyNodeFieldsGiveAHyphen) {
    const auto result =
        RunReport(Design(DesignKind::Pcb, designPath(), {Net(1, "N", {"", "U1-1"})}));
    EXPECT_EQ(tableLines(result.report)[1],
              "  1     N               2    -" + blanks(11) + "U1-1" + blanks(8));
}

// ---- Faults the report run guards against ------------------------------------

TEST_F(ReportRunTest, MoreThan32767NetsAreAllNumberedAndCounted) {
    std::vector<DesignNet> nets;
    for (std::int32_t id = 1; id <= 40000; ++id) {
        char name[16];
        std::snprintf(name, sizeof name, "N%05d", id);
        nets.push_back(Net(id, name, {"U1-1", "U2-1"}));
    }
    const auto result = RunReport(Design(DesignKind::Pcb, designPath(), std::move(nets)));
    ASSERT_EQ(result.outcome, RunOutcome::Written);
    const std::vector<std::string> lines = ReportLines(result.report);
    EXPECT_EQ(lines[10], "Number of Nets 40000 ");
    EXPECT_EQ(lines[12], "Connected Pins 80000 ");
    const std::vector<std::string> table = tableLines(result.report);
    ASSERT_EQ(table.size(), 80001u);
    EXPECT_EQ(table[2 * 32768 - 1].substr(0, 17), "  32768 N32768   ");
    EXPECT_EQ(table[2 * 40000 - 1].substr(0, 17), "  40000 N40000   ");
}

TEST_F(ReportRunTest, LongDesignNamesWithoutADotGetReportsOfTheirOwn) {
    const std::string first = "amplifier_main_board_revision_a_final.pcb";
    const std::string second = "amplifier_main_board_revision_b_final.pcb";
    const std::string bare = "Makefile";
    for (const std::string& name : {first, second, bare}) {
        const auto result = RunReport(Design(DesignKind::Pcb, designPath(name), {}));
        ASSERT_EQ(result.outcome, RunOutcome::Written);
        EXPECT_EQ(ReportLines(result.report)[2], "Design Name    " + name.substr(0, 25));
    }
    EXPECT_EQ(testing::FileNames(folder.path()),
              (std::vector<std::string>{"Makefile.wrf", "amplifier_main_board_revision_a_final.wrf",
                                        "amplifier_main_board_revision_b_final.wrf"}));
}

TEST_F(ReportRunTest, AFailedReadByIdNamesTheFailureAndShowsNothingOfTheNetBefore) {
    DesignData design = Design(DesignKind::Pcb, designPath(),
                               {Net(1, "A", {"U1-1", "U1-2"}, 2540), Net(2, "B", {"U2-1"})});
    design.forcedStatus[static_cast<std::size_t>(Operation::TGetNetById)] = 32217;
    const auto result = RunReport(design, RunOptions{"", true, true});
    ASSERT_EQ(result.outcome, RunOutcome::Written);
    EXPECT_EQ(tableLines(result.report),
              (std::vector<std::string>{"", "  1     Net Not Found (net id 2)", blanks(29), "",
                                        "  2     Net Not Found (net id 1)", blanks(29), ""}));
}

TEST_F(ReportRunTest, AMissingFolderIsReportedAndNothingIsWritten) {
    DesignData design = Design(DesignKind::Pcb, folder.file("gone/amp.pcb"), {});
    const auto result = RunReport(design);
    EXPECT_EQ(result.outcome, RunOutcome::ReportNotWritten);
    EXPECT_NE(result.status.find(folder.file("gone/amp.wrf")), std::string::npos) << result.status;
    EXPECT_TRUE(testing::FileNames(folder.path()).empty());
}

TEST_F(ReportRunTest, AReadOnlyReportIsKeptAsItWas) {
    const std::string report = folder.file("amp.wrf");
    testing::WriteBytes(report, "previous");
    std::filesystem::permissions(report, std::filesystem::perms::owner_read);
    const auto result = RunReport(Design(DesignKind::Pcb, designPath(), {}));
    EXPECT_EQ(result.outcome, RunOutcome::ReportNotWritten);
    EXPECT_NE(result.status.find("read-only"), std::string::npos) << result.status;
    EXPECT_EQ(testing::ReadBytes(report), "previous");
    EXPECT_EQ(testing::FileNames(folder.path()), std::vector<std::string>{"amp.wrf"});
}

TEST_F(ReportRunTest, APreviousReportIsReplacedWhole) {
    testing::WriteBytes(folder.file("amp.wrf"), std::string(100000, '#'));
    const auto result = RunReport(Design(DesignKind::Pcb, designPath(), {}));
    ASSERT_EQ(result.outcome, RunOutcome::Written);
    EXPECT_EQ(result.report.find('#'), std::string::npos);
    EXPECT_EQ(testing::FileNames(folder.path()), std::vector<std::string>{"amp.wrf"});
}

#ifndef _WIN32
// A file-size limit makes the write fail part-way, as a full disk does.
TEST_F(ReportRunTest, AWriteThatFailsPartWayKeepsThePreviousReport) {
    std::vector<DesignNet> nets;
    for (std::int32_t id = 1; id <= 200; ++id)
        nets.push_back(Net(id, "N" + std::to_string(id), {"U1-1"}));
    testing::WriteBytes(folder.file("amp.wrf"), "previous");

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const auto result = RunReport(Design(DesignKind::Pcb, designPath(), std::move(nets)));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);

    EXPECT_EQ(result.outcome, RunOutcome::ReportNotWritten);
    EXPECT_NE(result.status.find("amp.wrf: cannot be written"), std::string::npos) << result.status;
    EXPECT_EQ(testing::ReadBytes(folder.file("amp.wrf")), "previous");
    EXPECT_EQ(testing::FileNames(folder.path()), std::vector<std::string>{"amp.wrf"});
}
#endif

}  // namespace
}  // namespace netlist
