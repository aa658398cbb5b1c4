// The two platform services of a report run: the locale's date and time, and
// the viewer started on the finished report.
#include <gtest/gtest.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "report/LocaleDateTime.h"
#include "report/ViewerLaunch.h"
#include "tests/report/ReportTestSupport.h"

namespace netlist::test {
namespace {

// 2024-02-01 13:04:05 UTC.
const auto kInstant = std::chrono::system_clock::time_point(std::chrono::seconds(1706792645));

class LocaleDateTimeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedLocale_ = icu::Locale::getDefault();
        savedZone_.reset(icu::TimeZone::createDefault());
        icu::TimeZone::adoptDefault(icu::TimeZone::createTimeZone("Etc/UTC"));
    }
    void TearDown() override {
        UErrorCode error = U_ZERO_ERROR;
        icu::Locale::setDefault(savedLocale_, error);
        icu::TimeZone::setDefault(*savedZone_);
    }
    static void useLocale(const char* name) {
        UErrorCode error = U_ZERO_ERROR;
        icu::Locale::setDefault(icu::Locale(name), error);
        ASSERT_TRUE(U_SUCCESS(error));
    }

  private:
    icu::Locale savedLocale_;
    std::unique_ptr<icu::TimeZone> savedZone_;
};

TEST_F(LocaleDateTimeTest, WritesTheShortDateAndTheTimeWithSecondsOfTheLocale) {
    // en_US: the locale data put a narrow no-break space before "PM", which
    // the report's code page has no byte for; a plain blank stands in.
    const std::pair<const char*, const char*> cases[] = {{"de_DE", "01.02.24 13:04:05"},
                                                         {"en_GB", "01/02/2024 13:04:05"},
                                                         {"en_US", "2/1/24 1:04:05 PM"}};
    for (const auto& [locale, text] : cases) {
        useLocale(locale);
        EXPECT_EQ(LocaleDateTimeText(kInstant), text) << locale;
    }
}

#ifndef _WIN32
// A stand-in xdg-open on PATH records its arguments, one per line.
class ViewerLaunchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* path = std::getenv("PATH");
        savedPath_ = path ? path : "";
        test::WriteBytes(folder.path() / "xdg-open",
                         "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" +
                             folder.file("arguments") + ".part\"\n/bin/mv \"" +
                             folder.file("arguments") + ".part\" \"" + folder.file("arguments") +
                             "\"\n");
        std::filesystem::permissions(folder.path() / "xdg-open", std::filesystem::perms::owner_all);
    }
    void TearDown() override { setenv("PATH", savedPath_.c_str(), 1); }

    std::string waitForArguments() {
        for (int i = 0; i < 500 && !std::filesystem::exists(folder.file("arguments")); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return test::ReadBytes(folder.file("arguments"));
    }

    test::ScratchFolder folder;

  private:
    std::string savedPath_;
};

TEST_F(ViewerLaunchTest, PassesThePathAsOneArgumentWithoutAShell) {
    setenv("PATH", folder.path().c_str(), 1);
    const std::string report = folder.file("odd $(name) 'quoted' & more.wrf");
    const ViewerLaunch launch = LaunchViewer(report);
    EXPECT_TRUE(launch.started) << launch.error;
    EXPECT_EQ(waitForArguments(), report + "\n");
}

// A design path "--help.pcb" gives the report "--help.wrf", which xdg-open took for its option.
TEST_F(ViewerLaunchTest, ARelativePathIsNeverTakenForAnOption) {
    setenv("PATH", folder.path().c_str(), 1);
    const ViewerLaunch launch = LaunchViewer("--help.wrf");
    EXPECT_TRUE(launch.started) << launch.error;
    EXPECT_EQ(waitForArguments(), "./--help.wrf\n");
}

TEST_F(ViewerLaunchTest, AMissingViewerIsAClearMessage) {
    setenv("PATH", (folder.path() / "nothing-here").c_str(), 1);
    const ViewerLaunch launch = LaunchViewer(folder.file("amp.wrf"));
    EXPECT_FALSE(launch.started);
    EXPECT_NE(launch.error.find("xdg-open, which opens it, is not installed (it comes with the "
                                "package xdg-utils)"),
              std::string::npos)
        << launch.error;
}
#endif

}  // namespace
}  // namespace netlist::test
