#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "design/files/DesignFileLoader.h"
#include "tests/design/kicad/KicadTestSupport.h"
#include "tests/support/TestFiles.h"

namespace netlist::test {
namespace {

namespace fs = std::filesystem;
using test::CurrentFolder;
using test::DataFile;
using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;
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

    // Only a file that no format claims is read as its name says, for the
    // fab netlist reader's word on the place where it goes wrong.
    const fs::path fab = folder.path() / "fab.D356";
    WriteBytes(fab, "C  cut\nG04 not a record\n");
    EXPECT_THAT(LoadError(fab), StartsWith(fab.string() + ": line 2, column 1: expected a record"));
}

// Editors and export scripts may write a UTF-8 byte order mark first. It is
// skipped, and a later fault is placed as if it were not there (which needs
// the reader to go past it). A whole JSON design with one: batch.golden-extremes.
TEST(DesignFileFormat, EveryFormatSkipsALeadingByteOrderMark) {
    ScratchFolder folder;
    const std::pair<std::string, std::string> files[] = {
        {"bad.json", "{\"kind\": \"PCB\",\n  \"titel\": \"x\"}"},
        {"bad.kicad_pcb", "(kicad_pcb (version 20211014))\n  )"},
        {"bad.net", "(export (version \"E\"))\n  )"},
    };
    for (const auto& [name, content] : files) {
        WriteBytes(folder.path() / name, "\xEF\xBB\xBF" + content);
        EXPECT_THAT(LoadError(folder.path() / name), HasSubstr(name + ": line 2, column 3: "));
    }
}

TEST(DesignFileFormat, OtherFilesAreRefusedByName) {
    ScratchFolder folder;
    const fs::path text = folder.path() / "notes.kicad_pcb";
    WriteBytes(text, "PCBNEW-BOARD Version 1\n");
    EXPECT_EQ(LoadError(text), text.string() +
                                   ": not a design file: expected a JSON design (starting with "
                                   "\"{\"), a KiCad board (starting with \"(kicad_pcb\"), a "
                                   "KiCad netlist export (starting with \"(export\") or an "
                                   "IPC-D-356 netlist");

    // KiCad's project and schematic: what to give instead, the board beside
    // them named once there is one.
    const std::string howToExport =
        "in KiCad's schematic editor: File > Export > Netlist, in KiCad's format";
    const fs::path schematic = folder.path() / "amp.kicad_sch";
    const fs::path project = folder.path() / "amp.kicad_pro";
    const fs::path board = folder.path() / "amp.kicad_pcb";
    WriteBytes(schematic, "(kicad_sch (version 20211123) (generator eeschema))");
    WriteBytes(project, R"({"board": {"design_settings": {}}, "meta": {"version": 1}})");
    EXPECT_EQ(LoadError(schematic), schematic.string() +
                                        ": is a KiCad schematic, which is not read directly: "
                                        "export its netlist (" +
                                        howToExport + ") and give that .net file");
    EXPECT_EQ(LoadError(project), project.string() +
                                      ": is a KiCad project, which holds no nets: give its "
                                      "board (.kicad_pcb), or a netlist exported from its "
                                      "schematic (" +
                                      howToExport + ")");
    WriteBytes(board, "(kicad_pcb (version 20211014))");
    EXPECT_THAT(LoadError(schematic), EndsWith(", or give the board " + board.string()));
    EXPECT_THAT(LoadError(project), HasSubstr(": give its board " + board.string() + ", "));
    // JSON of another name is a design with faults, whatever it holds.
    WriteBytes(folder.path() / "amp.json", ReadBytes(project));
    EXPECT_THAT(LoadError(folder.path() / "amp.json"), HasSubstr("unknown key \"board\""));

    const fs::path empty = folder.path() / "empty.kicad_pcb";
    WriteBytes(empty, "\n \n");
    EXPECT_EQ(LoadError(empty), empty.string() + ": is empty, not a design file");

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
