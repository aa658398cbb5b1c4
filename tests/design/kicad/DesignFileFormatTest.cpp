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

// The path is served absolute, or from the current folder when only that
// fits the record's 100 characters; a path that cannot travel unchanged is refused.
TEST(DesignFileFormat, ThePathIsServedAsTheReportNeedsItOrRefused) {
    ScratchFolder folder;
    const fs::path deep = folder.path() / std::string(60, 'a') / std::string(60, 'b');
    fs::create_directories(deep);
    const fs::path longPath = deep / "board.kicad_pcb";
    WriteBytes(longPath, "(kicad_pcb (version 20211014))");
    {
        CurrentFolder inside(deep);
        EXPECT_EQ(LoadDesignFile(longPath).designPath, "board.kicad_pcb");
        EXPECT_EQ(LoadDesignFile("./board.kicad_pcb").designPath, "board.kicad_pcb");
    }
    CurrentFolder elsewhere(folder.path());
    EXPECT_EQ(LoadError(longPath),
              longPath.string() +
                  ": the file's path is longer than the 100 characters the design library "
                  "can hand over; copy the file to a shorter path");
    // The same holds for a JSON design that leaves its path to the file; one
    // that names its designPath is served as it says.
    WriteBytes(deep / "board.json", R"({"kind": "PCB"})");
    EXPECT_THAT(LoadError(deep / "board.json"), HasSubstr("board.json: the file's path is longer"));
    WriteBytes(deep / "named.json", R"({"kind": "PCB", "designPath": "/boards/amp.pcb"})");
    EXPECT_EQ(LoadDesignFile(deep / "named.json").designPath, "/boards/amp.pcb");

    const struct {
        std::string folder;  // UTF-8
        std::string fault;   // empty: served, with the folder in Windows-1252
    } folders[] = {
        // Cyrillic has no Windows-1252 form; the report would land in a folder of "?".
        {"\xD0\xBF\xD0\xBB\xD0\xB0\xD1\x82\xD0\xB0", "holds characters outside Windows-1252"},
        // The report run takes a "\\" for a folder separator.
        {"odd\\name", "holds a \"\\\", which the report would take for a folder separator"},
        {"Pl\xC3\xA4ne", ""},  // western accents travel
    };
    for (const auto& f : folders) {
        // Named from the current folder, served absolute.
        const fs::path netlist = fs::path(f.folder) / "board.net";
        fs::create_directories(f.folder);
        WriteBytes(netlist, "(export (version \"E\"))");
        if (f.fault.empty())
            EXPECT_EQ(LoadDesignFile(netlist).designPath,
                      (folder.path() / "Pl\xE4ne" / "board.net").string());
        else
            EXPECT_THAT(LoadError(netlist), HasSubstr("board.net: the file's path " + f.fault));
    }
}

}  // namespace
}  // namespace netlist::test
