#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "design/files/DesignFileLoader.h"
#include "tests/design/kicad/KicadTestSupport.h"
#include "tests/support/TestFiles.h"

namespace netlist::test {
namespace {

namespace fs = std::filesystem;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

std::string LoadError(const fs::path& path) {
    try {
        LoadDesignFile(path);
    } catch (const DesignFileError& error) {
        return error.what();
    }
    ADD_FAILURE() << "loaded without error: " << path;
    return {};
}

TEST(DesignFileFormat, IsToldByTheContent) {
    const std::map<std::string, DesignFileFormat> formats = {
        {"Json", DesignFileFormat::Json},
        {"KicadBoard", DesignFileFormat::KicadBoard},
        {"KicadNetlist", DesignFileFormat::KicadNetlist},
        {"IpcNetlist", DesignFileFormat::IpcNetlist},
        {"Unknown", DesignFileFormat::Unknown}};
    for (const auto& row : test::ReadDataCases("design/kicad/data/file-formats.txt"))
        EXPECT_EQ(DetectDesignFileFormat(row.input), formats.at(row.expected))
            << "file-formats.txt:" << row.line;
}

TEST(DesignFileFormat, TheFileNameDoesNotDecide) {
    ScratchFolder folder;
    const fs::path board = folder.path() / "board.net";
    WriteBytes(board, ReadBytes(DataFile("board_v6.kicad_pcb")));
    EXPECT_EQ(LoadDesignFile(board).kind, DesignKind::Pcb);

    const fs::path netlist = folder.path() / "netlist.ipc";
    WriteBytes(netlist, ReadBytes(DataFile("netlist_v6.net")));
    EXPECT_EQ(LoadDesignFile(netlist).kind, DesignKind::Sch);
}

TEST(DesignFileFormat, RefusedFilesAreNamedWithTheReason) {
    for (const auto& row : test::ReadDataCases("design/kicad/data/refused-files.txt")) {
        ScratchFolder folder;
        const std::size_t end = row.input.find('\n');
        const fs::path file = folder.path() / row.input.substr(0, end);
        fs::create_directories(file.parent_path());
        WriteBytes(file, row.input.substr(end + 1));
        EXPECT_THAT(LoadError(file), StartsWith(file.string() + ": " + row.expected))
            << "refused-files.txt:" << row.line;
    }
    // A board beside KiCad's project or schematic is named as what to give.
    ScratchFolder folder;
    WriteBytes(folder.path() / "amp.kicad_sch", "(kicad_sch (version 20211123))");
    WriteBytes(folder.path() / "amp.kicad_pro", R"({"board": {}, "meta": {"version": 1}})");
    WriteBytes(folder.path() / "amp.kicad_pcb", "(kicad_pcb (version 20211014))");
    const std::string board = (folder.path() / "amp.kicad_pcb").string();
    EXPECT_THAT(LoadError(folder.path() / "amp.kicad_sch"),
                EndsWith(", or give the board " + board));
    EXPECT_THAT(LoadError(folder.path() / "amp.kicad_pro"),
                HasSubstr(": give its board " + board + ", "));
    EXPECT_THAT(LoadError(folder.path() / "missing.kicad_pcb"), HasSubstr(": cannot be read: "));
    EXPECT_THAT(LoadError(folder.path()), HasSubstr(": is a folder, not a design file"));
}

// The path is served absolute, or from the current folder when only that fits
// the record's 100 characters (paths that cannot be served: refused-files.txt).
TEST(DesignFileFormat, ThePathIsServedAsTheReportNeedsIt) {
    ScratchFolder folder;
    const fs::path deep = folder.path() / std::string(60, 'a') / std::string(60, 'b');
    fs::create_directories(deep);
    WriteBytes(deep / "board.kicad_pcb", "(kicad_pcb (version 20211014))");
    {
        CurrentFolder inside(deep);
        EXPECT_EQ(LoadDesignFile(deep / "board.kicad_pcb").designPath, "board.kicad_pcb");
        EXPECT_EQ(LoadDesignFile("./board.kicad_pcb").designPath, "board.kicad_pcb");
    }
    // A JSON design that names its designPath is served as it says.
    WriteBytes(deep / "named.json", R"({"kind": "PCB", "designPath": "/boards/amp.pcb"})");
    EXPECT_EQ(LoadDesignFile(deep / "named.json").designPath, "/boards/amp.pcb");
    // Named from the current folder, served absolute; western accents travel.
    CurrentFolder elsewhere(folder.path());
    fs::create_directories("Pl\xC3\xA4ne");
    WriteBytes("Pl\xC3\xA4ne/board.net", "(export (version \"E\"))");
    EXPECT_EQ(LoadDesignFile("Pl\xC3\xA4ne/board.net").designPath,
              (folder.path() / "Pl\xE4ne" / "board.net").string());
}

}  // namespace
}  // namespace netlist::test
