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
    // At most 25 characters are shown, but the report is named from the whole name.
    const ReportNames longName = DeriveReportNames("/b/abcdefghijklmnopqrstuvwxyz_rev2.pcb");
    EXPECT_EQ(longName.designFileName, "abcdefghijklmnopqrstuvwxy");
    EXPECT_EQ(longName.reportFileName, "abcdefghijklmnopqrstuvwxyz_rev2.wrf");
    EXPECT_EQ(DesignFileNameShown("/x/abcdefghijklmnopqrstuvwxyz1234.pcb"),
              "abcdefghijklmnopqrstuvwxy");
    EXPECT_EQ(DesignFileNameShown("/boards/"), "");

    const std::pair<const char*, const char*> reports[] = {
        {"/b/my.board.new.pcb", "/b/my.wrf"}, {"/b/.pcb", "/b/.wrf"}, {"amp.pcb", "amp.wrf"},
        {"/b/Makefile", "/b/Makefile.wrf"},   {"/b/", "/b/wrf"},      {"", "wrf"},
    };
    for (const auto& [design, report] : reports)
        EXPECT_EQ(DeriveReportNames(design).reportPath, report) << design;
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
