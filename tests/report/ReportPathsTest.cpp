#include <gtest/gtest.h>

#include "report/ReportPaths.h"

namespace netlist {
namespace {

// Whole runs show the usual names (ReportRunTest, ReportTargetTest and the golden
// reports); these are the edges.
TEST(ReportPaths, NamesTheReportAfterTheDesignFileInItsFolder) {
    const std::pair<const char*, const char*> reports[] = {
        {"/b/.pcb", "/b/.wrf"},
        {"amp.pcb", "amp.wrf"},
        {"/b/", "/b/wrf"},
        {"", "wrf"},
        {"C:\\Boards\\amp.pcb", "C:\\Boards\\amp.wrf"},
        {"sub\\dir/amp.pcb", "sub\\dir/amp.wrf"},
    };
    for (const auto& [design, report] : reports)
        EXPECT_EQ(DeriveReportNames(design).reportPath, report) << design;
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
}  // namespace netlist
