#include <gtest/gtest.h>

#include "platform/NativePath.h"
#include "report/ReportPaths.h"
#include "tests/support/TestFiles.h"

namespace netlist::test {
namespace {

// Whole runs show the usual names (ReportRunTest, ReportTargetTest and the golden
// reports); these are the edges.
TEST(ReportPaths, NamesTheReportAfterTheDesignFileInItsFolder) {
    for (const auto& row : test::ReadDataCases("report/data/report-names.txt"))
        EXPECT_EQ(DeriveReportNames(row.input).reportPath, row.expected)
            << "report-names.txt:" << row.line;
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
}  // namespace netlist::test
