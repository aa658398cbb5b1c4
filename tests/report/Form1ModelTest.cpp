#include <gtest/gtest.h>

#include "design/StatusCodes.h"
#include "design/standin/StandInLibrary.h"
#include "report/Form1Model.h"
#include "report/RunChoices.h"
#include "tests/report/ReportTestSupport.h"

namespace netlist {
namespace {

struct StartUpCase {
    DesignKind kind;
    std::optional<std::int32_t> designInfoStatus;  // forced; the library's own answer otherwise
    const char* label3;
    bool check1Enabled;
    bool runnable;  // Start, "File" and "Screen" enabled
    const char* status;
};

class StartUpStates : public ::testing::TestWithParam<StartUpCase> {};

TEST_P(StartUpStates, FollowTheOpenResultsAndTheDesignInformation) {
    const StartUpCase& c = GetParam();
    DesignData design = testing::Design(c.kind, "/boards/amp.pcb", {});
    design.forcedStatus[static_cast<std::size_t>(Operation::TGetDesignInfo)] = c.designInfoStatus;
    StandInLibrary library(design);
    Form1Model form(library, testing::TestEnvironment(nullptr));
    form.Form_Load();
    const Form1Controls& controls = form.controls();
    EXPECT_EQ(controls.label3Caption, c.label3);
    EXPECT_EQ(controls.check1Enabled, c.check1Enabled);
    EXPECT_EQ(controls.startEnabled, c.runnable);
    EXPECT_EQ(controls.option3Enabled, c.runnable);
    EXPECT_EQ(controls.option4Enabled, c.runnable);
    EXPECT_EQ(controls.statusLabelCaption, c.status);
    // Form_Load never touches the unit choices, the options or the text box.
    EXPECT_FALSE(controls.option1Enabled);
    EXPECT_FALSE(controls.option2Enabled);
    EXPECT_TRUE(controls.option1Selected);
    EXPECT_FALSE(controls.option3Selected);
    EXPECT_EQ(controls.check1Value, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Form_Load, StartUpStates,
    ::testing::Values(
        StartUpCase{DesignKind::Sch, std::nullopt, "Schmatic", false, true, "Status: OK"},
        StartUpCase{DesignKind::PcbAndSch, std::nullopt, "Schmatic", false, true, "Status: OK"},
        StartUpCase{DesignKind::Pcb, std::nullopt, "Pcb", true, true, "Status: OK"},
        StartUpCase{DesignKind::None, 0, "", false, true, "Status: OK"},
        StartUpCase{DesignKind::Sch, 32101, "Schmatic", false, false, "Invalid Conv Handle"},
        StartUpCase{DesignKind::Pcb, 32017, "Pcb", true, false, "Status: 32017"},
        StartUpCase{DesignKind::None, std::nullopt, "", false, false, "No Connection"}));

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
        Form1Model form(library, testing::TestEnvironment(nullptr));
        form.Form_Load();
        ApplyRunChoices(form, RunChoices{"Zoë", c.lengths, true});
        const Form1Controls& controls = form.controls();
        const std::string kind = form.controls().label3Caption;
        EXPECT_EQ(controls.check1Value, c.check1Value) << kind;
        EXPECT_EQ(controls.option1Enabled, c.unitsEnabled) << kind;
        EXPECT_EQ(controls.option2Enabled, c.unitsEnabled) << kind;
        EXPECT_EQ(controls.option1Selected, c.milsSelected) << kind;
        EXPECT_EQ(controls.text1, "Zo\xEB") << kind;
        // "Screen" is enabled whenever the design information was read.
        EXPECT_EQ(controls.option3Selected, c.kind != DesignKind::None) << kind;
    }
}

class Form1ModelTest : public ::testing::Test {
  protected:
    Form1ModelTest() : library(design()), form(library, testing::TestEnvironment(nullptr)) {}
    static DesignData design() {
        return testing::Design(DesignKind::Pcb, "/home/pat/boards/amplifier.pcb", {});
    }

    StandInLibrary library;
    Form1Model form;
};

TEST_F(Form1ModelTest, ShowsTheDesignFileNameCutTo25Characters) {
    form.Form_Load();
    EXPECT_EQ(form.controls().statusLabel3Caption, "amplifier.pcb");

    const std::pair<const char*, const char*> cases[] = {
        {"/a/b/c/board.sch", "board.sch"},
        {"no-folder-in-this-long-design-name.pcb", "no-folder-in-this-long-de"},
        {"/x/abcdefghijklmnopqrstuvwxyz1234.pcb", "abcdefghijklmnopqrstuvwxy"},
        {"/boards/", ""},
        {"", ""},
    };
    for (const auto& [path, shown] : cases) {
        StandInLibrary other(testing::Design(DesignKind::Pcb, path, {}));
        Form1Model model(other, testing::TestEnvironment(nullptr));
        model.Form_Load();
        EXPECT_EQ(model.controls().statusLabel3Caption, shown) << path;
    }
}

TEST_F(Form1ModelTest, TheCheckBoxEnablesAndDisablesTheUnitsKeepingTheSelection) {
    form.Form_Load();
    Form1Controls& controls = form.controls();
    controls.option1Selected = false;
    controls.check1Value = 1;
    form.Check1_Click();
    EXPECT_TRUE(controls.option1Enabled);
    EXPECT_TRUE(controls.option2Enabled);
    controls.check1Value = 0;
    form.Check1_Click();
    EXPECT_FALSE(controls.option1Enabled);
    EXPECT_FALSE(controls.option2Enabled);
    EXPECT_FALSE(controls.option1Selected);
}

TEST_F(Form1ModelTest, AFailedDesignInformationStillLeavesTheLengthChoiceUsable) {
    DesignData data = design();
    data.forcedStatus[static_cast<std::size_t>(Operation::TGetDesignInfo)] = 32102;
    StandInLibrary failing(data);
    Form1Model model(failing, testing::TestEnvironment(nullptr));
    model.Form_Load();
    EXPECT_EQ(model.controls().label3Caption, "Pcb");
    EXPECT_TRUE(model.controls().check1Enabled);
    EXPECT_FALSE(model.controls().startEnabled);
    model.controls().check1Value = 1;
    model.Check1_Click();
    EXPECT_TRUE(model.controls().option1Enabled);
    EXPECT_TRUE(model.controls().option2Enabled);
}

TEST_F(Form1ModelTest, ASchematicFoundLaterDisablesTheCheckBoxButKeepsItsValue) {
    form.Form_Load();
    form.controls().check1Value = 1;
    form.Check1_Click();
    StandInLibrary schematic(testing::Design(DesignKind::Sch, "/s/x.sch", {}));
    Form1Model second(schematic, testing::TestEnvironment(nullptr));
    second.controls() = form.controls();
    second.Form_Load();
    EXPECT_FALSE(second.controls().check1Enabled);
    EXPECT_EQ(second.controls().check1Value, 1);
    EXPECT_TRUE(second.controls().option1Enabled);
}

TEST_F(Form1ModelTest, EndClosesTheSession) {
    form.Form_Load();
    form.Exit_Click();
    EXPECT_EQ(dbStatus, 0);
    DesignInfoRecord info{};
    EXPECT_EQ(library.TGetDesignInfo(theSessionContext, info), status::kNoConnection);
}

}  // namespace
}  // namespace netlist
