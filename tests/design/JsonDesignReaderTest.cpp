// Reading valid JSON design files: every field, the defaults, the limits, and
// the texts in Windows-1252.
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
    const DesignData design = ReadJsonDesign(
        "\xEF\xBB\xBF{\"kind\": \"PCB+SCH\", \"designPath\": \"C:\\\\Boards\\\\amp.pcb\",\r\n"
        R"("title": "Amp", "engineer": "E. E.", "revision": "3",
        "layers": [{"name": "Top", "type": 1}, {"name": "Silk", "type": 2}],
        "components": [{"refDes": "U1", "padCount": 14}, {"refDes": "R1", "padCount": 2, "bottomSide": 5}],
        "nets": [{"id": 2147483647, "name": "GND", "length": -2147483648, "nodeCount": 5,
                  "nodes": [["U1", "7"], ["R1", "2"]]},
                 {"nodes": [["U1", "1"]], "name": "IN", "id": 0}],
        "status": {"TGetDesignInfo": 32101, "TOpenDesign": -2147483648}})",
        "amp.json");
    EXPECT_EQ(design.kind, DesignKind::PcbAndSch);
    EXPECT_EQ(design.designPath, "C:\\Boards\\amp.pcb");
    EXPECT_EQ(design.title + design.engineer + design.revision, "AmpE. E.3");
    ASSERT_EQ(design.layers.size(), 2u);
    EXPECT_EQ(design.layers[1].name, "Silk");
    EXPECT_EQ(design.layers[1].type, 2);
    ASSERT_EQ(design.components.size(), 2u);
    EXPECT_EQ(design.components[1].refDes, "R1");
    EXPECT_EQ(design.components[1].padCount, 2);
    EXPECT_EQ(design.components[0].bottomSide, 0);
    EXPECT_EQ(design.components[1].bottomSide, 5);
    ASSERT_EQ(design.nets.size(), 2u);
    EXPECT_EQ(design.nets[0].id, INT32_MAX);
    EXPECT_EQ(design.nets[0].name, "GND");
    EXPECT_EQ(design.nets[0].length, INT32_MIN);
    EXPECT_EQ(design.nets[0].nodeCount, 5) << "a given count stands";
    EXPECT_EQ(design.nets[0].nodes[1].refDes + "-" + design.nets[0].nodes[1].pinDes, "R1-2");
    EXPECT_EQ(design.nets[1].id, 0);
    EXPECT_EQ(design.nets[1].length, 0);
    EXPECT_EQ(design.nets[1].nodeCount, 1) << "defaults to the nodes listed";
    EXPECT_EQ(forced(design, Operation::TGetDesignInfo), 32101);
    EXPECT_EQ(forced(design, Operation::TOpenDesign), INT32_MIN);
    EXPECT_EQ(forced(design, Operation::TGetNextNet), std::nullopt);

    for (const auto& [text, kind] :
         {std::pair{"PCB", DesignKind::Pcb}, {"SCH", DesignKind::Sch}, {"none", DesignKind::None}})
        EXPECT_EQ(ReadJsonDesign(std::string(R"({"kind": ")") + text + "\"}", "a").kind, kind);
}

TEST(JsonDesignReader, TheDefaultDesignPathIsTheFilesAbsoluteAndNormalPath) {
    EXPECT_EQ(ReadJsonDesign(R"({"kind": "PCB"})", "boards/a.json").designPath,
              (std::filesystem::current_path() / "boards/a.json").string());
    EXPECT_EQ(ReadJsonDesign(R"({"kind": "PCB"})", "/data/./boards/../amp.json").designPath,
              "/data/amp.json");
    EXPECT_EQ(ReadJsonDesign(R"({"kind": "PCB", "designPath": ""})", "/data/amp.json").designPath,
              "")
        << "a path given empty stays empty";
}

TEST(JsonDesignReader, TextsArriveInWindows1252AndWhole) {
    std::string umlauts;
    for (int i = 0; i < 150; ++i) umlauts += "\xC3\xBC";
    const DesignData design = ReadJsonDesign(
        "{\"kind\": \"PCB\", \"engineer\": \"" + umlauts +
            "\", \"title\": \"\\u00c4nderung \\u20ac\", \"revision\": \"\xE2\x86\x92 2\","
            " \"nets\": [{\"id\": 1, \"name\": \"\xCE\xA9-\\ud83d\\ude00\", \"nodes\": "
            "[[\"R\xC3\xA9\", \"\\\"1\\\"\"]]}]}",
        "a.json");
    // Cutting to the record's field is the stand-in's business, after conversion.
    EXPECT_EQ(design.engineer, std::string(150, '\xFC'));
    EXPECT_EQ(design.title, "\xC4nderung \x80");
    EXPECT_EQ(design.revision, "? 2");
    EXPECT_EQ(design.nets[0].name, "?-?");
    EXPECT_EQ(design.nets[0].nodes[0].refDes, "R\xE9");
    EXPECT_EQ(design.nets[0].nodes[0].pinDes, "\"1\"");
}

}  // namespace
}  // namespace netlist
