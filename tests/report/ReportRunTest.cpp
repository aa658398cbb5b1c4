// Report runs beyond what the golden reports show: names, progress, the
// viewer and the locale's date and time. Where reports go and what they
// replace: ReportTargetTest.
#include <gtest/gtest.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "design/standin/StandInLibrary.h"
#include "platform/NativePath.h"
#include "report/LocaleDateTime.h"
#include "report/ReportPaths.h"
#include "report/ViewerLaunch.h"
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
    // The library's texts are Windows-1252; the file system's are UTF-8.
    std::filesystem::create_directory(folder.path() / "J\xC3\xBCrgen");
    const auto accented = RunReport(Design(DesignKind::Pcb, folder.file("J\xFCrgen/amp.pcb"), {}));
    EXPECT_EQ(accented.status, "Written to .amp.wrf");
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "J\xC3\xBCrgen" / "amp.wrf"));
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

TEST(ReportPaths, FileSystemPathsAreUtf8WithSlashes) {
    EXPECT_EQ(NativeFileSystemPath("C:\\Boards\\amp.wrf"), "C:/Boards/amp.wrf");
    EXPECT_EQ(NativeFileSystemPath("/b/J\xFCrgen/amp.wrf"), "/b/J\xC3\xBCrgen/amp.wrf");
    EXPECT_EQ(NativeTextToWindows1252("/b/J\xC3\xBCrgen"), "/b/J\xFCrgen");
}

// 2024-02-01 13:04:05 UTC.
const auto kInstant = std::chrono::system_clock::time_point(std::chrono::seconds(1706792645));

TEST(LocaleDateTime, WritesTheShortDateAndTheTimeWithSecondsOfTheLocale) {
    const icu::Locale savedLocale = icu::Locale::getDefault();
    const std::unique_ptr<icu::TimeZone> savedZone(icu::TimeZone::createDefault());
    icu::TimeZone::adoptDefault(icu::TimeZone::createTimeZone("Etc/UTC"));
    // en_US: the locale data put a narrow no-break space before "PM", which
    // the report's code page has no byte for; a plain blank stands in.
    const std::pair<const char*, const char*> cases[] = {{"de_DE", "01.02.24 13:04:05"},
                                                         {"en_GB", "01/02/2024 13:04:05"},
                                                         {"en_US", "2/1/24 1:04:05 PM"}};
    UErrorCode error = U_ZERO_ERROR;
    for (const auto& [locale, text] : cases) {
        icu::Locale::setDefault(icu::Locale(locale), error);
        EXPECT_EQ(LocaleDateTimeText(kInstant), text) << locale;
    }
    icu::Locale::setDefault(savedLocale, error);
    icu::TimeZone::setDefault(*savedZone);
    EXPECT_TRUE(U_SUCCESS(error));
}

// A stand-in xdg-open on PATH records its arguments, one per line.
TEST(ViewerLaunch, PassesThePathAsOneArgumentWithoutAShellNeverAsAnOption) {
    test::ScratchFolder folder;
    const std::string arguments = folder.file("arguments");
    test::WriteBytes(folder.path() / "xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" +
                                                     arguments + ".part\"\n/bin/mv \"" + arguments +
                                                     ".part\" \"" + arguments + "\"\n");
    std::filesystem::permissions(folder.path() / "xdg-open", std::filesystem::perms::owner_all);
    const std::string savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", folder.path().c_str(), 1);
    const std::string odd = folder.file("odd $(name) 'quoted' & more.wrf");
    // A design path "--help.pcb" gives the report "--help.wrf", which xdg-open took for its option.
    const std::pair<std::string, std::string> cases[] = {{odd, odd},
                                                         {"--help.wrf", "./--help.wrf"}};
    for (const auto& [report, passed] : cases) {
        std::filesystem::remove(arguments);
        const ViewerLaunch launch = LaunchViewer(report);
        EXPECT_TRUE(launch.started) << launch.error;
        for (int i = 0; i < 500 && !std::filesystem::exists(arguments); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_EQ(test::ReadBytes(arguments), passed + "\n");
    }

    setenv("PATH", (folder.path() / "nothing-here").c_str(), 1);
    const ViewerLaunch missing = LaunchViewer(folder.file("amp.wrf"));
    setenv("PATH", savedPath.c_str(), 1);
    EXPECT_FALSE(missing.started);
    EXPECT_NE(missing.error.find("xdg-open, which opens it, is not installed (it comes with the "
                                 "package xdg-utils)"),
              std::string::npos)
        << missing.error;
}

}  // namespace
}  // namespace netlist::test
