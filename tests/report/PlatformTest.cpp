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

#ifndef _WIN32
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
#endif

}  // namespace
}  // namespace netlist::test
