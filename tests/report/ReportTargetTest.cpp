// Where a report run puts its report, and what it must not replace: design
// paths with "\" folders, a report that would be the design file itself, and
// reports that exist already with their own permissions or as links.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <sstream>

#include "design/files/DesignFileError.h"
#include "report/ReportFile.h"
#include "report/ReportFolderRule.h"
#include "tests/report/ReportTestSupport.h"

namespace netlist::test {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;
using enum fs::perms;

// A previous report longer than any new one here: a replacement that kept its
// tail would show.
const std::string kPrevious = "previous" + std::string(100000, '#');

// Everything below a folder: "dir/" for folders, "file 644" for files with
// their permission bits and " report" when one holds a whole report, " other"
// when neither that nor the previous report, "link -> target" for links;
// " nobody" and " nogroup" after the name of what another user owns.
Strings Tree(const fs::path& folder) {
    Strings entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        std::string name = entry.path().lexically_relative(folder).string();
        struct stat facts {};
        ::lstat(entry.path().c_str(), &facts);
        if (facts.st_uid != ::geteuid()) name += " nobody";
        if (facts.st_gid != ::getegid()) name += " nogroup";
        if (entry.is_symlink()) {
            entries.push_back(name + " -> " + fs::read_symlink(entry.path()).string());
        } else if (entry.is_directory()) {
            entries.push_back(name + "/");
        } else {
            char octal[8];
            std::snprintf(octal, sizeof octal, " %o",
                          static_cast<unsigned>(entry.status().permissions() & mask));
            // Never a read from a pipe or device: it would wait.
            const std::string bytes = entry.is_regular_file() ? ReadBytes(entry.path()) : kPrevious;
            const bool report =
                bytes.starts_with("Created By") && bytes.ends_with("End of Report\f\r\n");
            entries.push_back(name + octal +
                              (bytes == kPrevious ? ""
                               : report           ? " report"
                                                  : " other"));
        }
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

// Files of another user: made only by root; the tests skip otherwise.
std::optional<passwd> Nobody() {
    const passwd* nobody = ::geteuid() == 0 ? ::getpwnam("nobody") : nullptr;
    return nobody ? std::optional(*nobody) : std::nullopt;
}
// Makes the entries Tree lists, and those report-targets.txt tells of.
void Build(const fs::path& folder, const Strings& entries) {
    for (const std::string& entry : entries) {
        const std::size_t blank = entry.find(' ');
        const std::string rest = blank == std::string::npos ? "" : entry.substr(blank + 1);
        const fs::path path =
            folder / (entry.starts_with("chown ") ? rest : entry.substr(0, blank));
        if (entry.starts_with("chain ")) {
            for (int i = 1; i <= std::stoi(entry.substr(6)); ++i)
                fs::create_symlink("link" + std::to_string(i),
                                   folder / (i == 1 ? "amp.wrf" : "link" + std::to_string(i - 1)));
        } else if (entry.starts_with("chown ")) {
            const std::optional<passwd> nobody = Nobody();
            ASSERT_TRUE(nobody);
            ASSERT_EQ(::lchown(path.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
        } else if (entry.starts_with("chmod ")) {
            fs::permissions(folder, static_cast<fs::perms>(std::stoi(rest, nullptr, 8)));
        } else if (entry.ends_with("/")) {
            fs::create_directories(path);
        } else if (rest.starts_with("-> ")) {
            fs::create_symlink(rest.substr(3), path);
        } else if (rest.starts_with("== ")) {
            fs::create_hard_link(folder / rest.substr(3), path);
        } else if (rest == "|") {
            ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
        } else if (rest == "c") {
            ASSERT_EQ(::mknod(path.c_str(), S_IFCHR | 0666, ::makedev(1, 3)), 0);
        } else {
            WriteBytes(path, kPrevious);
            fs::permissions(path, static_cast<fs::perms>(std::stoi(rest, nullptr, 8)));
        }
    }
}

// Reports are written with the usual mask; each test restores the runner's.
class ReportTargetTest : public ::testing::Test {
  protected:
    void SetUp() override { savedMask_ = ::umask(022); }
    void TearDown() override { ::umask(savedMask_); }

  private:
    mode_t savedMask_ = 0;
};

// What changed from one tree to the next: "- entry" gone, "+ entry" new.
std::string Changes(const Strings& before, const Strings& after) {
    std::string text;
    for (const auto& [from, to, sign] :
         {std::tuple(&after, &before, "+ "), {&before, &after, "- "}})
        for (const std::string& entry : *from)
            if (std::find(to->begin(), to->end(), entry) == to->end())
                text += (text.empty() ? "" : " | ") + std::string(sign) + entry;
    return text;
}

TEST_F(ReportTargetTest, TheReportReplacesOnlyARegularFileAndFollowsLinksAsTheSystemDoes) {
    for (const DataCase& row : ReadDataCases("report/data/report-targets.txt")) {
        SCOPED_TRACE("report-targets.txt:" + std::to_string(row.line));
        std::istringstream lines(row.input);
        std::string designPath, entry;
        std::getline(lines, designPath);
        Strings entries;
        std::string current = ".";
        rlimit saved{}, limited{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        limited = saved;
        while (std::getline(lines, entry))
            if (entry.starts_with("cd "))
                current = entry.substr(3);
            else if (entry.starts_with("limit "))
                limited.rlim_cur = std::stoul(entry.substr(6));
            else
                entries.push_back(entry);
        if ((entries == Strings{"amp.wrf c"} || row.input.find("chown ") != std::string::npos) &&
            !Nobody())
            continue;
        ScratchFolder folder;
        Build(folder.path(), entries);
        const Strings before = Tree(folder.path());
        if (designPath.starts_with("@")) designPath.replace(0, 1, folder.path().string());
        CurrentFolder inside(folder.path() / current);
        if (row.expected.starts_with("design file ")) {
            std::string said = "accepted";
            try {
                RefuseForeignReportFolder(designPath, folder.path() / row.expected.substr(12, 11));
            } catch (const DesignFileError&) {
                said = "refused";
            }
            EXPECT_EQ(row.expected.substr(25), said);
            continue;
        }
        const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
        const RunResult result = RunReport(Design(DesignKind::Pcb, designPath, {}));
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, savedHandler);
        if (row.expected.starts_with("refused: ")) {
            EXPECT_EQ(result.result, ReportResult::ReportNotWritten);
            EXPECT_NE(result.status.find(row.expected.substr(9)), std::string::npos)
                << result.status;
            EXPECT_EQ(Changes(before, Tree(folder.path())), "");
        } else {
            EXPECT_EQ(result.status, "Written to .amp.wrf");
            EXPECT_EQ(Changes(before, Tree(folder.path())), row.expected);
            EXPECT_NE(result.report.find("\r\nDesign Name    amp.pcb\r\n"), std::string::npos);
        }
    }
}

// The private file's bits from the start: with a 0644 mask, a temporary file
// created as files usually are would be readable by everyone while written.
TEST_F(ReportTargetTest, TheTemporaryFileIsReadableByItsOwnerAloneUntilItIsComplete) {
    for (const bool replacing : {false, true}) {
        SCOPED_TRACE(replacing ? "replacing a report" : "a new report");
        ScratchFolder folder;
        const fs::path report = folder.path() / "amp.wrf";
        if (replacing) Build(folder.path(), {"amp.wrf 604"});
        ReportFile file(report.string());
        file.write(kPrevious);
        for (const std::string& entry : Tree(folder.path()))
            EXPECT_TRUE(entry.find(".tmp 600") != std::string::npos || entry == "amp.wrf 604")
                << entry;
        EXPECT_EQ(fs::exists(report), replacing);
        file.commit();
        EXPECT_EQ(Tree(folder.path()), Strings{replacing ? "amp.wrf 604" : "amp.wrf 644"});
    }
}

TEST(ReportFileDeathTest, ARunStoppedBySigintOrSigtermRemovesItsTemporaryFile) {
    GTEST_FLAG_SET(death_test_style, "fast");
    for (const int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        ScratchFolder folder;
        Build(folder.path(), {"amp.wrf 644"});
        EXPECT_EXIT(
            {
                ReportFile file(folder.file("amp.wrf"));
                file.write("half a report");
                std::raise(signal);
            },
            ::testing::KilledBySignal(signal), "");
        EXPECT_EQ(Tree(folder.path()), Strings{"amp.wrf 644"});
    }
}

// The folder lets the user replace files, but a redirect to this one would be refused.
TEST(ReportTargetDeathTest, AReportTheUserMayNotWriteIsNotReplaced) {
    const std::optional<passwd> other = Nobody();
    if (!other) GTEST_SKIP() << "needs root and the user nobody, to make files another user owns";
    GTEST_FLAG_SET(death_test_style, "fast");
    ScratchFolder folder;
    fs::permissions(folder.path(), all);
    Build(folder.path(), {"amp.wrf 604"});
    EXPECT_EXIT(
        {
            if (::setgid(other->pw_gid) != 0 || ::setuid(other->pw_uid) != 0) std::_Exit(2);
            const auto result = RunReport(Design(DesignKind::Pcb, folder.file("amp.pcb"), {}));
            std::fprintf(stderr, "%s\n", result.status.c_str());
            std::_Exit(result.result == ReportResult::ReportNotWritten ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "amp.wrf: cannot be written: Permission denied");
    EXPECT_EQ(Tree(folder.path()), Strings{"amp.wrf 604"});
}

}  // namespace
}  // namespace netlist::test
