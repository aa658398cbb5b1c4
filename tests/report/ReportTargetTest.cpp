// Where a report run puts its report, and what it must not replace: design
// paths with "\" folders, a report that would be the design file itself, and
// reports that exist already with their own permissions or as links.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>

#include "design/files/DesignFileError.h"
#include "report/ReportFolderRule.h"
#include "tests/report/ReportTestSupport.h"

#ifndef _WIN32
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <csignal>

#include "report/ReportFile.h"
#endif

namespace netlist::test {
namespace {

namespace fs = std::filesystem;
using test::CurrentFolder;
using test::Design;
using test::FileNames;
using test::ReadBytes;
using test::ReportLines;
using test::RunReport;
using test::ScratchFolder;
using test::WriteBytes;
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
        ASSERT_EQ(result.result, ReportResult::Written) << result.status;
        EXPECT_EQ(result.status, "Written to .amp.wrf");
        EXPECT_EQ(ReportLines(result.report).at(2), "Design Name    amp.pcb");
        EXPECT_TRUE(
            HoldsAReport(folder.path() / (path.starts_with("@") ? "sub" : "sub/dir") / "amp.wrf"));
        EXPECT_EQ(Tree(folder.path()).size(), entries + 1);
    }
}

// Designs that name other folders: the golden cases batch.report-folder-*.
TEST(ReportTarget, ADesignFileMayPutItsReportInItsOwnFolderOrTheCurrentOneOnly) {
    const struct {
        const char* designPath;  // "@" stands for the scratch folder
        const char* currentFolder;
        bool accepted;
    } cases[] = {
        {"sub\\my.pcb", ".", true},       // the design file's folder, from the current one
        {"@\\sub\\my.pcb", "sub", true},  // the same, absolute, with backslashes
        {"my.pcb", ".", true},            // the current folder
        {"sub/here/my.pcb", ".", true},   // the design file's folder through a link
        {"sub\\dir\\my.pcb", ".", false},
        {"..\\my.pcb", "sub", false},
        {"missing\\my.pcb", ".", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.designPath);
        ScratchFolder folder;
        fs::create_directories(folder.path() / "sub" / "dir");
        fs::create_directory_symlink(".", folder.path() / "sub" / "here");
        const fs::path designFile = folder.path() / "sub" / "my.json";
        std::string designPath = c.designPath;
        if (designPath.starts_with("@")) designPath.replace(0, 1, folder.path().string());
        CurrentFolder inside(folder.path() / c.currentFolder);
        if (c.accepted) {
            EXPECT_NO_THROW(RefuseForeignReportFolder(designPath, designFile));
        } else {
            EXPECT_THROW(RefuseForeignReportFolder(designPath, designFile), DesignFileError);
        }
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
        EXPECT_EQ(result.result, ReportResult::ReportNotWritten);
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
        ASSERT_EQ(result.result, ReportResult::Written) << result.status;
        EXPECT_EQ(Tree(folder.path()), c.after);
        EXPECT_TRUE(HoldsAReport(folder.path() / c.report));
    }
    ::umask(savedMask);
}

TEST(ReportTarget, OnlyARegularFileIsReplacedAndLinksAreFollowedAsTheSystemDoes) {
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> makeReport;
        const char* refusal;  // nullptr: the report is written where the links lead
    };
    const auto chain = [](int links) {
        return [links](const fs::path& folder) {
            for (int i = 1; i < links; ++i)
                fs::create_symlink("link" + std::to_string(i),
                                   folder / ("link" + std::to_string(i - 1)));
            fs::rename(folder / "link0", folder / "amp.wrf");
        };
    };
    // Never a real device: a faulty run as root would replace it. The copy of
    // /dev/null in the scratch folder needs root to be made.
    std::vector<Case> cases = {
        {"a link to a pipe",
         [](const fs::path& folder) {
             ::mkfifo((folder / "pipe").c_str(), 0644);
             fs::create_symlink("pipe", folder / "amp.wrf");
         },
         "amp.wrf: cannot be written: it is a pipe"},
        {"a link to a folder",
         [](const fs::path& folder) { fs::create_symlink(".", folder / "amp.wrf"); },
         "amp.wrf: cannot be written: it is a folder"},
        {"40 links, as many as the system follows", chain(41), nullptr},
        {"41 links", chain(42), "amp.wrf: cannot be written: Too many levels of symbolic links"},
    };
    if (::geteuid() == 0)
        cases.push_back({"a device",
                         [](const fs::path& folder) {
                             ::mknod((folder / "amp.wrf").c_str(), S_IFCHR | 0666, ::makedev(1, 3));
                         },
                         "amp.wrf: cannot be written: it is a device"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        c.makeReport(folder.path());
        const Strings before = Tree(folder.path());
        const auto result = RunReport(Design(DesignKind::Pcb, folder.file("amp.pcb"), {}));
        if (c.refusal) {
            EXPECT_EQ(result.result, ReportResult::ReportNotWritten);
            EXPECT_EQ(result.status.substr(result.status.find("amp.wrf"), std::strlen(c.refusal)),
                      c.refusal);
            EXPECT_EQ(Tree(folder.path()), before);
        } else {
            ASSERT_EQ(result.result, ReportResult::Written) << result.status;
            EXPECT_TRUE(HoldsAReport(folder.path() / "link40"));
        }
    }
}

// The private file's bits from the start: with a 0644 mask, a temporary file
// created as files usually are would be readable by everyone while written.
TEST(ReportFile, TheTemporaryFileIsReadableByItsOwnerAloneUntilItIsComplete) {
    const mode_t savedMask = ::umask(022);
    for (const bool replacing : {false, true}) {
        SCOPED_TRACE(replacing ? "replacing a report" : "a new report");
        ScratchFolder folder;
        const fs::path report = folder.path() / "amp.wrf";
        if (replacing) {
            WriteBytes(report, "previous");
            fs::permissions(
                report, fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
        }
        ReportFile file(report.string());
        file.write("report");
        for (const std::string& entry : Tree(folder.path()))
            if (entry.ends_with(".tmp 600"))
                continue;
            else
                EXPECT_EQ(entry, "amp.wrf 604") << "while written";
        file.commit();
        EXPECT_EQ(Tree(folder.path()), Strings{replacing ? "amp.wrf 604" : "amp.wrf 644"});
    }
    ::umask(savedMask);
}

TEST(ReportFileDeathTest, ARunStoppedBySigintOrSigtermRemovesItsTemporaryFile) {
    GTEST_FLAG_SET(death_test_style, "fast");
    for (const int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        ScratchFolder folder;
        const fs::path report = folder.path() / "amp.wrf";
        WriteBytes(report, "previous");
        EXPECT_EXIT(
            {
                ReportFile file(report.string());
                file.write("half a report");
                std::raise(signal);
            },
            ::testing::KilledBySignal(signal), "");
        EXPECT_EQ(FileNames(folder.path()), Strings{"amp.wrf"});
        EXPECT_EQ(ReadBytes(report), "previous");
    }
}

// Files of another user: made only by root; the tests skip otherwise.
struct OtherUser {
    uid_t user = 0;
    gid_t group = 0;
};
std::optional<OtherUser> AnotherUserAsRoot() {
    if (::geteuid() != 0) return std::nullopt;
    const passwd* nobody = ::getpwnam("nobody");
    if (!nobody) return std::nullopt;
    return OtherUser{nobody->pw_uid, nobody->pw_gid};
}
#define SKIP_UNLESS_ROOT(other)                                                                  \
    const std::optional<OtherUser> other = AnotherUserAsRoot();                                  \
    if (!other)                                                                                  \
    GTEST_SKIP() << "needs root and the user nobody, to make files and links that another user " \
                    "owns"

TEST(ReportTarget, ALinkInASharedFolderIsFollowedOnlyWhereTheSystemWouldFollowIt) {
    SKIP_UNLESS_ROOT(other);
    struct Case {
        const char* what;
        fs::perms folderBits;
        bool linkOfOther;
        bool folderOfOther;
        bool followed;
    };
    using enum fs::perms;
    const fs::perms shared = all | sticky_bit;
    const Case cases[] = {
        {"another user's link in a sticky folder that everyone may write to", shared, true, false,
         false},
        {"the runner's own link there", shared, false, false, true},
        {"a link of the folder's owner there", shared, true, true, true},
        {"another user's link in a folder without the sticky bit", all, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder, elsewhere;
        const fs::path victim = elsewhere.path() / "victim.txt";
        WriteBytes(victim, "victim");
        fs::permissions(victim, fs::perms::owner_read | fs::perms::owner_write);
        fs::create_symlink(victim, folder.path() / "amp.wrf");
        const uid_t linkOwner = c.linkOfOther ? other->user : ::geteuid();
        const uid_t folderOwner = c.folderOfOther ? other->user : ::geteuid();
        ASSERT_EQ(::lchown(folder.file("amp.wrf").c_str(), linkOwner, -1), 0);
        ASSERT_EQ(::chown(folder.path().c_str(), folderOwner, -1), 0);
        fs::permissions(folder.path(), c.folderBits);

        const auto result = RunReport(Design(DesignKind::Pcb, folder.file("amp.pcb"), {}));
        EXPECT_EQ(result.result,
                  c.followed ? ReportResult::Written : ReportResult::ReportNotWritten)
            << result.status;
        EXPECT_EQ(HoldsAReport(victim), c.followed);
        EXPECT_TRUE(fs::is_symlink(folder.path() / "amp.wrf"));
        EXPECT_EQ(result.status.find("a symbolic link that another user made") != std::string::npos,
                  !c.followed)
            << result.status;
    }
}

TEST(ReportTarget, AReportReplacedByRootKeepsItsOwnerGroupAndBits) {
    SKIP_UNLESS_ROOT(other);
    ScratchFolder folder;
    const fs::path report = folder.path() / "amp.wrf";
    WriteBytes(report, "previous");
    ASSERT_EQ(::chown(report.c_str(), other->user, other->group), 0);
    fs::permissions(report, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_EQ(RunReport(Design(DesignKind::Pcb, folder.file("amp.pcb"), {})).result,
              ReportResult::Written);
    struct stat replaced {};
    ASSERT_EQ(::stat(report.c_str(), &replaced), 0);
    EXPECT_EQ(replaced.st_uid, other->user);
    EXPECT_EQ(replaced.st_gid, other->group);
    EXPECT_EQ(replaced.st_mode & 07777, 0640u);
    EXPECT_TRUE(HoldsAReport(report));
}

// The folder lets the user replace files, but a redirect to this one would be refused.
TEST(ReportTargetDeathTest, AReportTheUserMayNotWriteIsNotReplaced) {
    SKIP_UNLESS_ROOT(other);
    GTEST_FLAG_SET(death_test_style, "fast");
    ScratchFolder folder;
    fs::permissions(folder.path(), fs::perms::all);
    const fs::path report = folder.path() / "amp.wrf";
    WriteBytes(report, "root's report");
    fs::permissions(report,
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    EXPECT_EXIT(
        {
            if (::setgid(other->group) != 0 || ::setuid(other->user) != 0) std::_Exit(2);
            const auto result = RunReport(Design(DesignKind::Pcb, folder.file("amp.pcb"), {}));
            std::fprintf(stderr, "%s\n", result.status.c_str());
            std::_Exit(result.result == ReportResult::ReportNotWritten ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "amp.wrf: cannot be written: Permission denied");
    EXPECT_EQ(ReadBytes(report), "root's report");
    EXPECT_EQ(FileNames(folder.path()), Strings{"amp.wrf"});
}
#endif

}  // namespace
}  // namespace netlist::test
