#include <gtest/gtest.h>

#include "report/ReportPaths.h"

namespace netlist {
namespace {

TEST(ReportPaths, NamesTheReportAfterTheDesignFileInItsFolder) {
    const ReportNames names = DeriveReportNames("/home/pat/boards/amp.pcb");
    EXPECT_EQ(names.designFileName, "amp.pcb");
    EXPECT_EQ(names.reportFileName, "amp.wrf");
    EXPECT_EQ(names.reportDirectory, "/home/pat/boards/");
    EXPECT_EQ(names.reportPath, "/home/pat/boards/amp.wrf");
    EXPECT_EQ(DeriveReportNames("/b/my.board.new.pcb").reportFileName, "my.wrf");
    EXPECT_EQ(DeriveReportNames("/b/.pcb").reportFileName, ".wrf");
}

TEST(ReportPaths, ABareFileNameGivesAReportInTheCurrentFolder) {
    const ReportNames names = DeriveReportNames("amp.pcb");
    EXPECT_EQ(names.reportDirectory, "");
    EXPECT_EQ(names.reportPath, "amp.wrf");
}

TEST(ReportPaths, ShowsAtMost25CharactersButNamesTheReportFromTheWholeName) {
    const ReportNames names = DeriveReportNames("/b/abcdefghijklmnopqrstuvwxyz_rev2.pcb");
    EXPECT_EQ(names.designFileName, "abcdefghijklmnopqrstuvwxy");
    EXPECT_EQ(names.reportFileName, "abcdefghijklmnopqrstuvwxyz_rev2.wrf");
    EXPECT_EQ(DesignFileNameShown("/b/abcdefghijklmnopqrstuvwxyz_rev2.pcb"),
              "abcdefghijklmnopqrstuvwxy");
}

TEST(ReportPaths, ANameWithoutADotKeepsItsOwnReport) {
    EXPECT_EQ(DeriveReportNames("/b/Makefile").reportPath, "/b/Makefile.wrf");
    // A path that names no file at all still gives the report a name.
    EXPECT_EQ(DeriveReportNames("/b/").reportPath, "/b/wrf");
    EXPECT_EQ(DeriveReportNames("").reportPath, "wrf");
}

TEST(ReportPaths, BackslashAndSlashBothSeparateFolders) {
    const ReportNames names = DeriveReportNames("C:\\Boards\\amp.pcb");
    EXPECT_EQ(names.designFileName, "amp.pcb");
    EXPECT_EQ(names.reportDirectory, "C:\\Boards\\");
    EXPECT_EQ(names.reportPath, "C:\\Boards\\amp.wrf");
    EXPECT_EQ(DeriveReportNames("sub\\dir/amp.pcb").reportPath, "sub\\dir/amp.wrf");
    EXPECT_EQ(DeriveReportNames("/b/odd\\name.pcb").designFileName, "name.pcb");
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
