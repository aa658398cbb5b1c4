// The main window's logic without a toolkit: a view that records what it is
// told stands in for the Qt and the Win32 window.
#include <gtest/gtest.h>

#include "design/standin/StandInLibrary.h"
#include "tests/report/ReportTestSupport.h"
#include "tests/ui/SpyLibrary.h"
#include "ui/MainWindowPresenter.h"

namespace netlist::test {
namespace {

class RecordingView final : public MainWindowView {
  public:
    WindowState shown;
    std::string designSource;
    std::vector<std::string> warnings;
    std::vector<int> endCodes;
    bool warnedAfterEnd = false;
    int aboutBoxes = 0;
    int paints = 0;
    std::filesystem::path fileToChoose;

    void showState(const WindowState& state) override { shown = state; }
    void showDesignSource(const std::string& notice) override { designSource = notice; }
    bool onScreen() const override { return true; }
    void paintNow() override { ++paints; }
    void runStarted() override {}
    void runEnded(bool) override {}
    void warn(const std::string& message) override {
        warnings.push_back(message);
        warnedAfterEnd = warnedAfterEnd || !endCodes.empty();
    }
    std::filesystem::path chooseDesignFile(const std::filesystem::path&) override {
        return fileToChoose;
    }
    void showAboutBox() override { ++aboutBoxes; }
    void endProgram(int exitCode) override { endCodes.push_back(exitCode); }
};

TEST(MainWindowPresenter, StartUpEnablesTheControlsForEachOutcome) {
    const struct {
        DesignKind kind;
        std::optional<std::int32_t> designInfoStatus;  // forced; the library's answer otherwise
        const char* kind_caption;
        bool lengthsEnabled;
        bool runnable;  // Start, "File" and "Screen" enabled
        const char* status;
        const char* fileName;
    } cases[] = {
        {DesignKind::Sch, std::nullopt, "Schmatic", false, true, "Status: OK", "amp.pcb"},
        {DesignKind::PcbAndSch, std::nullopt, "Schmatic", false, true, "Status: OK", "amp.pcb"},
        {DesignKind::Pcb, std::nullopt, "Pcb", true, true, "Status: OK", "amp.pcb"},
        {DesignKind::None, 0, "", false, true, "Status: OK", ""},
        {DesignKind::Sch, 32101, "Schmatic", false, false, "Invalid Conv Handle", ""},
        {DesignKind::Pcb, 32017, "Pcb", true, false, "Status: 32017", ""},
        {DesignKind::None, std::nullopt, "", false, false, "No Connection", ""},
    };
    for (const auto& c : cases) {
        DesignData design = test::Design(c.kind, "/boards/amp.pcb", {});
        design.forcedStatus[static_cast<std::size_t>(Operation::TGetDesignInfo)] =
            c.designInfoStatus;
        StandInLibrary library(design);
        RecordingView view;
        MainWindowPresenter presenter(view, library, test::TestEnvironment());
        presenter.startUp();
        const WindowState& shown = view.shown;
        SCOPED_TRACE(c.status);
        EXPECT_EQ(shown.kindCaption, c.kind_caption);
        EXPECT_EQ(shown.lengthsEnabled, c.lengthsEnabled);
        EXPECT_EQ(shown.startEnabled, c.runnable);
        EXPECT_EQ(shown.viewChoiceEnabled, c.runnable);
        EXPECT_EQ(shown.statusText, c.status);
        EXPECT_EQ(shown.designNameShown, c.fileName);
        // Start-up leaves the unit choices and the options alone.
        EXPECT_FALSE(shown.unitEnabled);
        EXPECT_TRUE(shown.unitIsMils);
        EXPECT_FALSE(shown.openInViewer);
        EXPECT_FALSE(shown.lengthsWanted);

        // Ticking the lengths enables both units, even when Start stays disabled;
        // unticking disables them and keeps the choice.
        presenter.lengthsClicked(true);
        EXPECT_TRUE(shown.unitEnabled);
        presenter.unitChosen(false);
        presenter.lengthsClicked(false);
        EXPECT_FALSE(shown.unitEnabled);
        EXPECT_FALSE(shown.unitIsMils);
    }
}

// The preset sets only what a user could set in the window after start-up.
TEST(MainWindowPresenter, PresetTicksTheLengthsOnlyWhereTheWindowEnablesThem) {
    struct Case {
        DesignKind kind;
        NetLengths lengths;
        bool lengthsWanted;
        bool milsSelected;
    };
    const Case cases[] = {
        {DesignKind::Pcb, NetLengths::Mm, true, false},
        {DesignKind::Pcb, NetLengths::Mils, true, true},
        {DesignKind::Pcb, NetLengths::None, false, true},
        {DesignKind::Sch, NetLengths::Mm, false, true},
        {DesignKind::PcbAndSch, NetLengths::Mils, false, true},
        {DesignKind::None, NetLengths::Mm, false, true},
    };
    for (const Case& c : cases) {
        StandInLibrary library(test::Design(c.kind, "/boards/amp.pcb", {}));
        RecordingView view;
        MainWindowPresenter presenter(view, library, test::TestEnvironment());
        presenter.startUp(RunChoices{"Zo\xC3\xAB", c.lengths, true, std::nullopt});
        const WindowState& shown = view.shown;
        const std::string kind = shown.kindCaption;
        EXPECT_EQ(shown.lengthsWanted, c.lengthsWanted) << kind;
        EXPECT_EQ(shown.unitEnabled, c.lengthsWanted) << kind;
        EXPECT_EQ(shown.unitIsMils, c.milsSelected) << kind;
        EXPECT_EQ(shown.designerName, "Zo\xEB") << kind;
        // "Screen" is enabled whenever the design information was read.
        EXPECT_EQ(shown.openInViewer, c.kind != DesignKind::None) << kind;
    }
}

// Opening a design in the window: the session moves to the new design as it
// would when the host opened another one, the user's choices stay, and a
// refused file leaves everything on the design shown.
TEST(MainWindowPresenter, OpensAnotherDesignAndKeepsTheShownOneOnARefusal) {
    test::ScratchFolder folder;
    StandInLibrary first(test::Design(DesignKind::Pcb, folder.file("amp.pcb"),
                                      {test::Net(1, "GND", {"U1-1", "C1-2"})}));
    DesignChoice choice{[&](const std::filesystem::path& file) {
                            if (file.filename() == "bad.json")
                                return OpenedDesign{nullptr, "bad.json: line 1, column 1: bad"};
                            return OpenedDesign{std::make_unique<StandInLibrary>(test::Design(
                                                    DesignKind::Sch, folder.file("filter.sch"),
                                                    {test::Net(4, "VIN", {"R1-1", "R2-2"})})),
                                                {}};
                        },
                        {}};
    RecordingView view;
    MainWindowPresenter presenter(view, first, test::TestEnvironment(), std::move(choice));
    presenter.show();
    EXPECT_EQ(view.designSource.rfind("Built-in sample board", 0), 0u);
    presenter.startUp(RunChoices{"Pat", NetLengths::Mm, false, {}});

    view.fileToChoose = "bad.json";
    presenter.open();
    ASSERT_EQ(view.warnings.size(), 1u);
    EXPECT_EQ(view.warnings.front().rfind("bad.json: line 1, column 1: bad\n\n", 0), 0u);
    EXPECT_NE(view.warnings.front().find("stays on the design it showed before"),
              std::string::npos);
    EXPECT_EQ(view.designSource.rfind("Built-in sample board", 0), 0u);
    EXPECT_EQ(view.shown.kindCaption, "Pcb");
    EXPECT_EQ(view.shown.designNameShown, "amp.pcb");

    presenter.openDesign(folder.path() / "filter.json");
    const std::u8string file = (folder.path() / "filter.json").u8string();
    EXPECT_EQ(view.designSource, "Design file: " + std::string(file.begin(), file.end()));
    const WindowState& shown = view.shown;
    EXPECT_EQ(shown.kindCaption, "Schmatic");
    EXPECT_EQ(shown.designNameShown, "filter.sch");
    EXPECT_TRUE(shown.startEnabled);
    EXPECT_FALSE(shown.lengthsEnabled);
    EXPECT_TRUE(shown.lengthsWanted);
    EXPECT_EQ(shown.designerName, "Pat");
    // Start reports the new design.
    presenter.start();
    EXPECT_EQ(view.endCodes, std::vector<int>{0});
    const std::string report = test::ReadBytes(folder.path() / "filter.wrf");
    EXPECT_NE(report.find("VIN"), std::string::npos);
    EXPECT_NE(report.find("Design By      Pat"), std::string::npos);
}

// A written report ends the program, after the warnings; once ended, input
// already queued does nothing. A failed run keeps the window with its reason.
TEST(MainWindowPresenter, StartEndsOnceAfterItsWarningsAndFailedRunsKeepTheWindow) {
    test::ScratchFolder folder;
    test::WriteBytes(folder.file("amp.wrf"),
                     "Created By     netlist-report\r\nEmail          x\r\n"
                     "Design Name    amp.rev-b.pcb\r\n");
    StandInLibrary library(test::Design(DesignKind::Pcb, folder.file("amp.rev-c.pcb"),
                                        {test::Net(1, "GND", {"U1-1", "C1-2"})}));
    RecordingView view;
    MainWindowPresenter presenter(view, library, test::TestEnvironment(nullptr, "no viewer"));
    presenter.startUp();
    presenter.viewChosen(true);
    presenter.start();
    EXPECT_EQ(view.endCodes, std::vector<int>{0});
    ASSERT_EQ(view.warnings.size(), 2u);
    EXPECT_EQ(view.warnings[0].rfind("amp.wrf replaced a report of amp.rev-b.pcb: ", 0), 0u);
    EXPECT_EQ(view.warnings[1], "no viewer");
    EXPECT_FALSE(view.warnedAfterEnd);
    presenter.start();
    presenter.end();
    presenter.about();
    presenter.frameClosed();
    EXPECT_EQ(view.endCodes, std::vector<int>{0});
    EXPECT_EQ(view.aboutBoxes, 0);

    // A failed run keeps the window with its reason: the host has let go of
    // the design since start-up (Start stays disabled), or the report's
    // folder is missing.
    for (const bool designLetGo : {true, false}) {
        StandInLibrary inner(test::Design(
            DesignKind::Pcb, folder.file(designLetGo ? "let-go.pcb" : "gone/amp.pcb"), {}));
        SpyLibrary spy(inner);
        RecordingView failed;
        MainWindowPresenter stays(failed, spy, test::TestEnvironment());
        stays.startUp();
        spy.refuseAll = designLetGo;
        stays.start();
        SCOPED_TRACE(designLetGo);
        EXPECT_TRUE(failed.endCodes.empty());
        EXPECT_EQ(failed.shown.startEnabled, !designLetGo);
        EXPECT_NE(failed.shown.statusText.find(designLetGo ? "No Connection" : "amp.wrf"),
                  std::string::npos);
        stays.about();
        EXPECT_EQ(failed.aboutBoxes, 1);
        const int closed = spy.closeCalls;
        stays.end();
        EXPECT_EQ(failed.endCodes, std::vector<int>{0});
        EXPECT_EQ(spy.closeCalls, closed + 1);
    }
    // The frame ends the program as it stands: the session is left to the library.
    StandInLibrary inner(test::Design(DesignKind::Pcb, folder.file("amp.pcb"), {}));
    SpyLibrary spy(inner);
    RecordingView closed;
    MainWindowPresenter byFrame(closed, spy, test::TestEnvironment());
    byFrame.startUp();
    byFrame.frameClosed();
    EXPECT_EQ(closed.endCodes, std::vector<int>{0});
    EXPECT_EQ(spy.closeCalls, 0);
}

// A run holds the event loop: the status is painted at once, but within the
// interval only its first change; the end of the run is shown all the same.
TEST(MainWindowPresenter, RepaintsTheStatusAtMostOncePerIntervalAndShowsTheEnd) {
    test::ScratchFolder folder;
    std::vector<DesignNet> nets;
    for (int id = 1; id <= 50; ++id) nets.push_back(test::Net(id, "N", {"U1-1", "R1-2"}));
    StandInLibrary library(test::Design(DesignKind::Pcb, folder.file("big.pcb"), nets));
    RecordingView view;
    MainWindowPresenter presenter(view, library, test::TestEnvironment());
    presenter.setStatusRepaintInterval(std::chrono::hours(1));
    presenter.startUp();
    presenter.start();
    EXPECT_EQ(view.paints, 1);
    EXPECT_EQ(view.shown.statusText, "Written to .big.wrf");
}

}  // namespace
}  // namespace netlist::test
