// Reading valid JSON design files: every field, the defaults, and the texts
// in Windows-1252.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <optional>

#include "design/files/JsonDesignReader.h"

namespace netlist {
namespace {

std::optional<std::int32_t> forced(const DesignData& design, Operation operation) {
    return design.forcedStatus[static_cast<std::size_t>(operation)];
}

TEST(JsonDesignReader, ReadsEveryFieldInFileOrder) {
    const DesignData design = ReadJsonDesign(R"({
        "kind": "PCB+SCH",
        "designPath": "C:\\Boards\\amp.pcb",
        "title": "Amp", "engineer": "E. E.", "revision": "3",
        "layers": [{"name": "Top", "type": 1}, {"name": "Silk", "type": 2}],
        "components": [{"refDes": "U1", "padCount": 14, "bottomSide": 0},
                       {"refDes": "R1", "padCount": 2, "bottomSide": 5}],
        "nets": [{"id": 9, "name": "GND", "length": 254000, "nodeCount": 2,
                  "nodes": [["U1", "7"], ["R1", "2"]]},
                 {"nodes": [["U1", "1"]], "name": "IN", "id": 0}],
        "status": {"TGetDesignInfo": 32101, "TGetFirstNet": 0}
    })",
                                             "amp.json");
    EXPECT_EQ(design.kind, DesignKind::PcbAndSch);
    EXPECT_EQ(design.designPath, "C:\\Boards\\amp.pcb");
    EXPECT_EQ(design.title, "Amp");
    EXPECT_EQ(design.engineer, "E. E.");
    EXPECT_EQ(design.revision, "3");
    ASSERT_EQ(design.layers.size(), 2u);
    EXPECT_EQ(design.layers[1].name, "Silk");
    EXPECT_EQ(design.layers[1].type, 2);
    ASSERT_EQ(design.components.size(), 2u);
    EXPECT_EQ(design.components[1].refDes, "R1");
    EXPECT_EQ(design.components[1].padCount, 2);
    EXPECT_EQ(design.components[1].bottomSide, 5);
    ASSERT_EQ(design.nets.size(), 2u);
    EXPECT_EQ(design.nets[0].id, 9);
    EXPECT_EQ(design.nets[0].name, "GND");
    EXPECT_EQ(design.nets[0].length, 254000);
    ASSERT_EQ(design.nets[0].nodes.size(), 2u);
    EXPECT_EQ(design.nets[0].nodes[1].refDes, "R1");
    EXPECT_EQ(design.nets[0].nodes[1].pinDes, "2");
    EXPECT_EQ(design.nets[1].id, 0);
    EXPECT_EQ(forced(design, Operation::TGetDesignInfo), 32101);
    EXPECT_EQ(forced(design, Operation::TGetFirstNet), 0);
    EXPECT_EQ(forced(design, Operation::TGetNextNet), std::nullopt);
}

TEST(JsonDesignReader, EachKindText) {
    EXPECT_EQ(ReadJsonDesign(R"({"kind": "PCB"})", "a.json").kind, DesignKind::Pcb);
    EXPECT_EQ(ReadJsonDesign(R"({"kind": "SCH"})", "a.json").kind, DesignKind::Sch);
    EXPECT_EQ(ReadJsonDesign(R"({"kind": "PCB+SCH"})", "a.json").kind, DesignKind::PcbAndSch);
    EXPECT_EQ(ReadJsonDesign(R"({"kind": "none"})", "a.json").kind, DesignKind::None);
}

TEST(JsonDesignReader, DefaultsForWhatIsLeftOut) {
    const DesignData design = ReadJsonDesign(R"({"kind": "PCB",
        "layers": [{"type": 0}],
        "components": [{"refDes": "U1", "padCount": 8}],
        "nets": [{"id": 1, "name": "A", "nodes": [["U1", "1"], ["U1", "2"], ["U1", "3"]]},
                 {"id": 2, "name": "B", "nodes": [], "nodeCount": 5},
                 {"id": 3, "name": "C", "nodes": []}]})",
                                             "boards/a.json");
    EXPECT_EQ(design.designPath, (std::filesystem::current_path() / "boards/a.json").string());
    EXPECT_EQ(design.title, "");
    EXPECT_EQ(design.engineer, "");
    EXPECT_EQ(design.revision, "");
    EXPECT_EQ(design.layers[0].name, "");
    EXPECT_EQ(design.components[0].bottomSide, 0);
    EXPECT_EQ(design.nets[0].length, 0);
    EXPECT_EQ(design.nets[0].nodeCount, 3) << "defaults to the nodes listed";
    EXPECT_EQ(design.nets[1].nodeCount, 5) << "a given count stands, nodes or not";
    EXPECT_EQ(design.nets[2].nodeCount, 0);
    for (const auto& status : design.forcedStatus) EXPECT_EQ(status, std::nullopt);
}

TEST(JsonDesignReader, TheDefaultDesignPathIsAbsoluteAndNormal) {
    EXPECT_EQ(ReadJsonDesign(R"({"kind": "PCB"})", "/data/./boards/../amp.json").designPath,
              "/data/amp.json");
    EXPECT_EQ(ReadJsonDesign(R"({"kind": "PCB", "designPath": ""})", "/data/amp.json").designPath,
              "")
        << "a path given empty stays empty";
}

TEST(JsonDesignReader, TextsArriveInWindows1252) {
    const DesignData design = ReadJsonDesign(
        "{\"kind\": \"PCB\", \"engineer\": \"J. M\xC3\xBCller\", \"title\": \"\\u00c4nderung "
        "\\u20ac\", \"revision\": \"\xE2\x86\x92 2\","
        " \"nets\": [{\"id\": 1, \"name\": \"\xCE\xA9-\\ud83d\\ude00\", \"nodes\": "
        "[[\"R\xC3\xA9\", \"\\\"1\\\"\"]]}]}",
        "a.json");
    EXPECT_EQ(design.engineer, "J. M\xFCller");
    EXPECT_EQ(design.title, "\xC4nderung \x80");
    EXPECT_EQ(design.revision, "? 2");
    EXPECT_EQ(design.nets[0].name, "?-?");
    EXPECT_EQ(design.nets[0].nodes[0].refDes, "R\xE9");
    EXPECT_EQ(design.nets[0].nodes[0].pinDes, "\"1\"");
}

TEST(JsonDesignReader, KeepsTextsLongerThanAFieldWhole) {
    // Cutting to the field is the stand-in's business, after conversion.
    std::string umlauts;
    for (int i = 0; i < 150; ++i) umlauts += "\xC3\xBC";
    const DesignData design =
        ReadJsonDesign("{\"kind\": \"PCB\", \"title\": \"" + umlauts + "\"}", "a.json");
    EXPECT_EQ(design.title, std::string(150, '\xFC'));
}

TEST(JsonDesignReader, AcceptsTheWholeThirtyTwoBitRange) {
    const DesignData design = ReadJsonDesign(R"({"kind": "PCB", "nets": [
        {"id": 2147483647, "name": "MAX", "length": -2147483648, "nodeCount": -1, "nodes": []}],
        "status": {"TOpenDesign": -2147483648}})",
                                             "a.json");
    EXPECT_EQ(design.nets[0].id, INT32_MAX);
    EXPECT_EQ(design.nets[0].length, INT32_MIN);
    EXPECT_EQ(design.nets[0].nodeCount, -1);
    EXPECT_EQ(forced(design, Operation::TOpenDesign), INT32_MIN);
}

TEST(JsonDesignReader, AcceptsAByteOrderMarkAndWindowsLineEnds) {
    const DesignData design = ReadJsonDesign(
        "\xEF\xBB\xBF{\r\n  \"kind\": \"SCH\",\r\n  \"title\": \"T\"\r\n}\r\n", "a.json");
    EXPECT_EQ(design.kind, DesignKind::Sch);
    EXPECT_EQ(design.title, "T");
}

}  // namespace
}  // namespace netlist
