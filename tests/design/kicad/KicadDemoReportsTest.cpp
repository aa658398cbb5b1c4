// Every demo board of the kicad-demos package goes through a whole report
// run: start-up, Start, and a finished report in a scratch folder. Skips when
// the package is not installed.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "design/files/DesignFileLoader.h"
#include "design/standin/StandInLibrary.h"
#include "report/Form1Model.h"
#include "tests/design/kicad/KicadTestSupport.h"
#include "tests/support/TestFiles.h"

namespace netlist {
namespace {

namespace fs = std::filesystem;
using kicadtest::CountPads;
using kicadtest::PadTotals;
using ::testing::EndsWith;
using ::testing::HasSubstr;

ReportEnvironment FixedEnvironment() {
    ReportEnvironment environment;
    environment.dateTimeText = [] { return std::string("24/01/2023 10:00:00"); };
    environment.openViewer = [](const std::string& path) {
        ADD_FAILURE() << "the viewer was started for " << path;
        return ViewerLaunch{};
    };
    return environment;
}

std::vector<fs::path> FilesIn(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) files.push_back(entry.path());
    return files;
}

// The text of the report line that starts with label, after the label.
std::string ValueAfter(const std::string& report, const std::string& label) {
    const std::size_t start = report.find("\r\n" + label);
    if (start == std::string::npos) return "(no " + label + " line)";
    const std::size_t value = start + 2 + label.size();
    std::string text = report.substr(value, report.find("\r\n", value) - value);
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

TEST(KicadDemoReports, EveryBoardLoadsAndReports) {
    const std::vector<fs::path> boards = kicadtest::DemoBoards();
    if (boards.empty()) GTEST_SKIP() << "kicad-demos is not installed";
    for (const fs::path& board : boards) {
        SCOPED_TRACE(board.string());
        testing::ScratchFolder folder;
        DesignData design = LoadDesignFile(board);
        // The report is written beside the design path: serve the board as
        // if it lay in the scratch folder.
        design.designPath = (folder.path() / board.filename()).string();
        const std::size_t nets = design.nets.size();
        const std::size_t components = design.components.size();
        const PadTotals pads = CountPads(design);
        EXPECT_GE(kicadtest::CountedLayers(design), 2);

        StandInLibrary library(std::move(design));
        Form1Model form(library, FixedEnvironment());
        form.Form_Load();
        EXPECT_EQ(form.controls().label3Caption, "Pcb");
        form.controls().check1Value = 1;
        form.Check1_Click();
        form.controls().option1Selected = false;  // lengths in millimetres
        ASSERT_EQ(form.Start_Click(), RunOutcome::Written) << form.controls().statusLabelCaption;

        const std::vector<fs::path> written = FilesIn(folder.path());
        ASSERT_EQ(written.size(), 1u);
        EXPECT_EQ(written[0].extension(), ".wrf");
        const std::string report = testing::ReadBytes(written[0]);
        EXPECT_THAT(report, HasSubstr("NETLIST REPORT FROM Pcb\r\n"));
        EXPECT_EQ(ValueAfter(report, "Number of Nets"), std::to_string(nets));
        EXPECT_EQ(ValueAfter(report, "Components"), components ? std::to_string(components) : "");
        EXPECT_EQ(ValueAfter(report, "Total Pads"),
                  std::to_string(pads.total) + " Top Side= " + std::to_string(pads.top) +
                      " Bottom Side= " + std::to_string(pads.bottom));
        EXPECT_THAT(report, EndsWith("End of Report\f\r\n"));
    }
}

}  // namespace
}  // namespace netlist
