#include <gtest/gtest.h>

#include "design/standin/StandInLibrary.h"
#include "report/DesignChoice.h"
#include "report/Form1Model.h"
#include "report/RunChoices.h"
#include "tests/report/ReportTestSupport.h"

namespace netlist {
namespace {

TEST(Form1Model, StartUpSetsTheControlsForEachOutcome) {
    const struct {
        DesignKind kind;
        std::optional<std::int32_t> designInfoStatus;  // forced; the library's answer otherwise
        const char* label3;
        bool check1Enabled;
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
        DesignData design = testing::Design(c.kind, "/boards/amp.pcb", {});
        design.forcedStatus[static_cast<std::size_t>(Operation::TGetDesignInfo)] =
            c.designInfoStatus;
        StandInLibrary library(design);
        Form1Model form(library, testing::TestEnvironment());
        form.Form_Load();
        const Form1Controls& controls = form.controls();
        SCOPED_TRACE(c.status);
        EXPECT_EQ(controls.label3Caption, c.label3);
        EXPECT_EQ(controls.check1Enabled, c.check1Enabled);
        EXPECT_EQ(controls.startEnabled, c.runnable);
        EXPECT_EQ(controls.option3Enabled, c.runnable);
        EXPECT_EQ(controls.option4Enabled, c.runnable);
        EXPECT_EQ(controls.statusLabelCaption, c.status);
        EXPECT_EQ(controls.statusLabel3Caption, c.fileName);
        // Start-up leaves the unit choices and the options alone.
        EXPECT_FALSE(controls.option1Enabled || controls.option2Enabled);
        EXPECT_TRUE(controls.option1Selected);
        EXPECT_FALSE(controls.option3Selected);
        EXPECT_EQ(controls.check1Value, 0);

        // Ticking the lengths enables both units, even when Start stays disabled;
        // unticking disables them and keeps the choice.
        form.controls().check1Value = 1;
        form.Check1_Click();
        EXPECT_TRUE(controls.option1Enabled && controls.option2Enabled);
        form.controls().option1Selected = false;
        form.controls().check1Value = 0;
        form.Check1_Click();
        EXPECT_FALSE(controls.option1Enabled || controls.option2Enabled);
        EXPECT_FALSE(controls.option1Selected);
    }
}

// The preset sets only what a user could set in the window after start-up.
TEST(RunChoicesPreset, TicksTheLengthsOnlyWhereTheWindowEnablesThem) {
    struct Case {
        DesignKind kind;
        NetLengths lengths;
        int check1Value;
        bool unitsEnabled;
        bool milsSelected;
    };
    const Case cases[] = {
        {DesignKind::Pcb, NetLengths::Mm, 1, true, false},
        {DesignKind::Pcb, NetLengths::Mils, 1, true, true},
        {DesignKind::Pcb, NetLengths::None, 0, false, true},
        {DesignKind::Sch, NetLengths::Mm, 0, false, true},
        {DesignKind::PcbAndSch, NetLengths::Mils, 0, false, true},
        {DesignKind::None, NetLengths::Mm, 0, false, true},
    };
    for (const Case& c : cases) {
        StandInLibrary library(testing::Design(c.kind, "/boards/amp.pcb", {}));
        Form1Model form(library, testing::TestEnvironment());
        form.Form_Load();
        ApplyRunChoices(form, RunChoices{"Zo\xC3\xAB", c.lengths, true, std::nullopt});
        const Form1Controls& controls = form.controls();
        const std::string kind = controls.label3Caption;
        EXPECT_EQ(controls.check1Value, c.check1Value) << kind;
        EXPECT_EQ(controls.option1Enabled, c.unitsEnabled) << kind;
        EXPECT_EQ(controls.option2Enabled, c.unitsEnabled) << kind;
        EXPECT_EQ(controls.option1Selected, c.milsSelected) << kind;
        EXPECT_EQ(controls.text1, "Zo\xEB") << kind;
        // "Screen" is enabled whenever the design information was read.
        EXPECT_EQ(controls.option3Selected, c.kind != DesignKind::None) << kind;
    }
}

// Opening a design in the window: the session moves to the new design as it
// would when the host opened another one, the user's choices stay, and a
// refused file leaves everything on the design shown.
TEST(DesignChooser, SwitchesTheModelToTheOpenedDesignAndKeepsItOnARefusal) {
    testing::ScratchFolder folder;
    StandInLibrary first(testing::Design(DesignKind::Pcb, folder.file("amp.pcb"),
                                         {testing::Net(1, "GND", {"U1-1", "C1-2"})}));
    DesignChooser chooser({[&](const std::filesystem::path& file) {
                               if (file.filename() == "bad.json")
                                   return OpenedDesign{nullptr, "bad.json: line 1, column 1: bad"};
                               return OpenedDesign{std::make_unique<StandInLibrary>(testing::Design(
                                                       DesignKind::Sch, folder.file("filter.sch"),
                                                       {testing::Net(4, "VIN", {"R1-1", "R2-2"})})),
                                                   {}};
                           },
                           {}});
    EXPECT_TRUE(chooser.showsSample());
    Form1Model form(first, testing::TestEnvironment());
    form.Form_Load();
    ApplyRunChoices(form, RunChoices{"Pat", NetLengths::Mm, false, {}});

    EXPECT_EQ(chooser.open("bad.json", form),
              std::optional<std::string>("bad.json: line 1, column 1: bad"));
    EXPECT_TRUE(chooser.showsSample());
    const Form1Controls& controls = form.controls();
    EXPECT_EQ(controls.label3Caption, "Pcb");
    EXPECT_EQ(controls.statusLabel3Caption, "amp.pcb");

    EXPECT_EQ(chooser.open(folder.path() / "filter.json", form), std::nullopt);
    EXPECT_FALSE(chooser.showsSample());
    EXPECT_EQ(chooser.file(), folder.path() / "filter.json");
    EXPECT_EQ(controls.label3Caption, "Schmatic");
    EXPECT_EQ(controls.statusLabel3Caption, "filter.sch");
    EXPECT_TRUE(controls.startEnabled);
    EXPECT_FALSE(controls.check1Enabled);
    EXPECT_EQ(controls.check1Value, 1);
    EXPECT_EQ(controls.text1, "Pat");
    // Start reports the new design.
    ASSERT_EQ(form.Start_Click(), RunOutcome::Written);
    const std::string report = testing::ReadBytes(folder.path() / "filter.wrf");
    EXPECT_NE(report.find("VIN"), std::string::npos);
    EXPECT_NE(report.find("Design By      Pat"), std::string::npos);
}

}  // namespace
}  // namespace netlist
