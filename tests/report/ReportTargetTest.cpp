// Where a report run puts its report, and what it must not replace: design
// paths with "\" folders, a report that would be the design file itself, and
// reports that exist already with their own permissions or as links.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>

#include "tests/report/ReportTestSupport.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace netlist {
namespace {

namespace fs = std::filesystem;
using testing::CurrentFolder;
using testing::Design;
using testing::ReadBytes;
using testing::ReportLines;
using testing::RunReport;
using testing::ScratchFolder;
using testing::WriteBytes;
using Strings = std::vector<std::string>;

// Everything below a folder: "dir/" for folders, "file 644" for files with
// their permission bits, "link -> target" for symbolic links.
Strings Tree(const fs::path& folder) {
    Strings entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().lexically_relative(folder).string();
        if (entry.is_symlink()) {
            entries.push_back(name + " -> " + fs::read_symlink(entry.path()).string());
        } else if (entry.is_directory()) {
            entries.push_back(name + "/");
        } else {
            const auto bits = static_cast<unsigned>(entry.status().permissions() & fs::perms::mask);
            char octal[8];
            std::snprintf(octal, sizeof octal, "%o", bits);
            entries.push_back(name + " " + octal);
        }
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

bool HoldsAReport(const fs::path& file) {
    return ReadBytes(file).starts_with("Created By");
}

// Folders that are missing or named the Windows way are refused by the golden
// cases batch.report-folder-missing and batch.report-folder-from-windows.
TEST(ReportTarget, BackslashesSeparateFoldersRelativeOnesFromTheCurrentFolder) {
    // A leading "@" stands for the scratch folder; the report lands in sub/dir or sub.
    for (const std::string path : {"sub\\dir\\amp.pcb", "sub/dir\\amp.pcb", "@\\sub\\amp.pcb"}) {
        SCOPED_TRACE(path);
        ScratchFolder folder;
        fs::create_directories(folder.path() / "sub" / "dir");
        const std::size_t entries = Tree(folder.path()).size();
        std::string designPath = path;
        if (designPath.starts_with("@")) designPath.replace(0, 1, folder.path().string());

        CurrentFolder inside(folder.path());
        const auto result = RunReport(Design(DesignKind::Pcb, designPath, {}));
        ASSERT_EQ(result.outcome, RunOutcome::Written) << result.status;
        EXPECT_EQ(result.status, "Written to .amp.wrf");
        EXPECT_EQ(ReportLines(result.report).at(2), "Design Name    amp.pcb");
        EXPECT_TRUE(
            HoldsAReport(folder.path() / (path.starts_with("@") ? "sub" : "sub/dir") / "amp.wrf"));
        EXPECT_EQ(Tree(folder.path()).size(), entries + 1);
    }
}

// A design file whose own name ends in .wrf: the golden case batch.report-is-the-design.
TEST(ReportTarget, AReportThatIsTheDesignFileItselfIsRefused) {
    struct Case {
        const char* what;
        const char* designFile;
        // Makes the design file, and any link, and returns the design path served.
        std::function<std::string(const fs::path&)> makeDesign;
    };
    const std::vector<Case> cases = {
        {"a design ending in .wrf, spelt with a backslash", "board.wrf",
         [](const fs::path& folder) { return folder.string() + "\\board.wrf"; }},
        {"the report's name is a link to the design", "amp.pcb",
         [](const fs::path& folder) {
             fs::create_symlink("amp.pcb", folder / "amp.wrf");
             return (folder / "amp.pcb").string();
         }},
        {"the report's name is a second name of the design", "amp.pcb",
         [](const fs::path& folder) {
             fs::create_hard_link(folder / "amp.pcb", folder / "amp.wrf");
             return (folder / "amp.pcb").string();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        WriteBytes(folder.path() / c.designFile, "design");
        const std::string designPath = c.makeDesign(folder.path());
        const Strings before = Tree(folder.path());
        const auto result = RunReport(Design(DesignKind::Pcb, designPath, {}));
        EXPECT_EQ(result.outcome, RunOutcome::ReportNotWritten);
        EXPECT_NE(result.status.find("wrf: cannot be written: it is the design file itself"),
                  std::string::npos)
            << result.status;
        EXPECT_EQ(ReadBytes(folder.path() / c.designFile), "design");
        EXPECT_EQ(Tree(folder.path()), before);
    }
}

#ifndef _WIN32
TEST(ReportTarget, ReplacingAReportKeepsItsPermissionsAndWritesThroughLinks) {
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> makeReport;
        Strings after;
        const char* report;  // the file that holds the new report
    };
    const auto file = [](const fs::path& path, fs::perms bits) {
        WriteBytes(path, "previous");
        fs::permissions(path, bits);
    };
    using enum fs::perms;
    const std::vector<Case> cases = {
        {"a plain report",
         [&](const fs::path& folder) {
             file(folder / "amp.wrf", owner_read | owner_write | others_read);
         },
         {"amp.wrf 604"},
         "amp.wrf"},
        {"a relative link",
         [&](const fs::path& folder) {
             fs::create_directory(folder / "kept");
             file(folder / "kept" / "amp.wrf", owner_read | owner_write | group_read | group_write);
             fs::create_symlink("kept/amp.wrf", folder / "amp.wrf");
         },
         {"amp.wrf -> kept/amp.wrf", "kept/", "kept/amp.wrf 660"},
         "kept/amp.wrf"},
        {"a link to a report not yet written",
         [&](const fs::path& folder) {
             fs::create_directory(folder / "kept");
             fs::create_symlink("kept/new.wrf", folder / "amp.wrf");
         },
         {"amp.wrf -> kept/new.wrf", "kept/", "kept/new.wrf 644"},
         "kept/new.wrf"},
    };
    const mode_t savedMask = ::umask(022);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        c.makeReport(folder.path());
        const auto result = RunReport(Design(DesignKind::Pcb, folder.file("amp.pcb"), {}));
        ASSERT_EQ(result.outcome, RunOutcome::Written) << result.status;
        EXPECT_EQ(Tree(folder.path()), c.after);
        EXPECT_TRUE(HoldsAReport(folder.path() / c.report));
    }
    ::umask(savedMask);
}
#endif

}  // namespace
}  // namespace netlist
