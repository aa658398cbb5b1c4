// Design files that cannot be served: each kind of fault gives one message
// that names the file, the place (line, column and the value's path) and what
// is wrong.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "design/files/DesignFileLoader.h"
#include "design/files/JsonDesignReader.h"

namespace netlist {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

std::string faultOf(std::string_view content) {
    try {
        ReadJsonDesign(content, "boards/amp.json");
    } catch (const DesignFileError& error) {
        return error.what();
    }
    ADD_FAILURE() << "accepted: " << content;
    return {};
}

// ---- Not JSON at all ---------------------------------------------------------------------

TEST(JsonDesignFaults, SyntaxErrorsGiveTheLineAndColumnOfTheOffendingCharacter) {
    EXPECT_THAT(faultOf("{\"kind\": \"PCB\",\n  \"nets\": [\n    {\"id\": 1,}\n  ]}"),
                AllOf(StartsWith("boards/amp.json: line 3, column 14"), HasSubstr("nets[0]"),
                      HasSubstr("not valid JSON")));
    EXPECT_THAT(
        faultOf("{\"kind\": \"PCB\" \"title\": \"x\"}"),
        AllOf(StartsWith("boards/amp.json: line 1, column 16:"), HasSubstr("not valid JSON")));
    // A token out of place is pointed at from its start.
    EXPECT_THAT(faultOf("{\"kind\":: \"PCB\"}"), StartsWith("boards/amp.json: line 1, column 9:"));
    EXPECT_THAT(faultOf("{\"kind\": \"PCB\", \"title\": \"a\" -12.5}"),
                StartsWith("boards/amp.json: line 1, column 30:"));
    EXPECT_THAT(faultOf("{\"kind\": \"PCB\", \"title\": \"a\" \"b\\\"c\"}"),
                StartsWith("boards/amp.json: line 1, column 30:"));
    EXPECT_THAT(faultOf("{\"kind\": \"PCB\",\r\n \"title\": tru}"),
                StartsWith("boards/amp.json: line 2, column 14"));
}

TEST(JsonDesignFaults, ColumnsCountCharactersNotBytes) {
    EXPECT_THAT(faultOf("{\"title\": \"\xC3\xBC\xC3\xBC\xE2\x82\xAC\", \"kind\": 1}"),
                StartsWith("boards/amp.json: line 1, column 26"));
}

TEST(JsonDesignFaults, EmptyTruncatedAndTrailingContent) {
    EXPECT_THAT(faultOf(""), AllOf(StartsWith("boards/amp.json: line 1, column 1:"),
                                   HasSubstr("not valid JSON")));
    EXPECT_THAT(faultOf("{\"kind\": \"PCB\", \"nets\": [{\"id\": 1"),
                AllOf(StartsWith("boards/amp.json: line 1, column 34"), HasSubstr("end of input")));
    EXPECT_THAT(faultOf("{\"kind\": \"PCB\"}\n{}"),
                AllOf(StartsWith("boards/amp.json: line 2, column 1"), HasSubstr("end of input")));
}

TEST(JsonDesignFaults, TextsThatAreNotUtf8) {
    EXPECT_THAT(faultOf("{\"kind\": \"PCB\",\n \"title\": \"ab\xFF\"}"),
                AllOf(StartsWith("boards/amp.json: line 2, column 14"), HasSubstr("UTF-8")));
}

// ---- Well-formed, but not a design ----------------------------------------------------------

TEST(JsonDesignFaults, TheFileMustBeOneObject) {
    EXPECT_THAT(faultOf("[{\"kind\": \"PCB\"}]"),
                AllOf(StartsWith("boards/amp.json: line 1, column 1: expected the design as one "
                                 "JSON object"),
                      HasSubstr("found a list")));
    EXPECT_THAT(faultOf("  \"PCB\""), StartsWith("boards/amp.json: line 1, column 3: expected"));
}

TEST(JsonDesignFaults, UnknownKeysSuggestTheNearestKnownOne) {
    EXPECT_EQ(faultOf("{\"kind\": \"PCB\",\n \"titel\": \"x\"}"),
              "boards/amp.json: line 2, column 2: unknown key \"titel\" in the design (did you "
              "mean \"title\"?); known keys: kind, designPath, title, engineer, revision, layers, "
              "components, nets, status");
    EXPECT_THAT(faultOf(R"({"kind": "PCB", "nets": [{"id": 1, "lenght": 5}]})"),
                AllOf(StartsWith("boards/amp.json: line 1, column 36, at nets[0]: unknown key "
                                 "\"lenght\" in a net (did you mean \"length\"?)")));
    EXPECT_THAT(faultOf(R"({"kind": "PCB", "components": [{"RefDes": "U1"}]})"),
                HasSubstr("at components[0]: unknown key \"RefDes\" in a component (did you mean "
                          "\"refDes\"?)"));
    EXPECT_THAT(faultOf(R"({"kind": "PCB", "colour": "red"})"),
                AllOf(HasSubstr("unknown key \"colour\""), Not(HasSubstr("did you mean"))));
}

TEST(JsonDesignFaults, UnknownOperationsUnderStatus) {
    EXPECT_THAT(faultOf(R"({"kind": "PCB", "status": {"TGetFirstNets": 1}})"),
                AllOf(StartsWith("boards/amp.json: line 1, column 28, at status: unknown operation "
                                 "\"TGetFirstNets\" under \"status\" (did you mean "
                                 "\"TGetFirstNet\"?)"),
                      HasSubstr("TGetNextComponent")));
}

TEST(JsonDesignFaults, ContinuingCallsCannotBeForcedToSucceed) {
    // Each would hand out the same record forever, and the walk would never end.
    for (const char* operation :
         {"TGetNextNet", "TGetNextNetNode", "TGetNextLayer", "TGetNextComponent"}) {
        EXPECT_THAT(
            faultOf(std::string(R"({"kind": "PCB", "status": {")") + operation + R"(": 0}})"),
            HasSubstr(std::string("at status.") + operation + ": forcing " + operation +
                      " to 0 would make every walk over it endless"));
    }
    EXPECT_NO_THROW(ReadJsonDesign(R"({"kind": "PCB", "status": {"TGetNextNet": 32162}})", "a"));
}

TEST(JsonDesignFaults, KeysGivenTwice) {
    EXPECT_THAT(faultOf(R"({"kind": "PCB", "kind": "SCH"})"),
                StartsWith("boards/amp.json: line 1, column 17: \"kind\" is given twice in the "
                           "design"));
    EXPECT_THAT(faultOf(R"({"kind": "PCB", "status": {"TGetNextNet": 1, "TGetNextNet": 2}})"),
                HasSubstr("at status: \"TGetNextNet\" is given twice"));
}

TEST(JsonDesignFaults, ValuesOfTheWrongType) {
    EXPECT_THAT(
        faultOf(R"({"kind": "PCB", "title": 5})"),
        StartsWith("boards/amp.json: line 1, column 26, at title: expected a text in double "
                   "quotes, found the number 5"));
    EXPECT_THAT(
        faultOf(R"({"kind": "PCB", "nets": [{"id": "7"}]})"),
        HasSubstr("column 33, at nets[0].id: expected a whole number, found the text \"7\""));
    EXPECT_THAT(faultOf(R"({"kind": "PCB", "nets": {"id": 7}})"),
                HasSubstr("at nets: expected a list of nets ([ ... ]), found an object"));
    EXPECT_THAT(faultOf(R"({"kind": "PCB", "layers": [null]})"),
                HasSubstr("at layers[0]: expected a layer"));
    EXPECT_THAT(faultOf(R"({"kind": "PCB", "components": [{"refDes": "U1", "padCount": true}]})"),
                HasSubstr("at components[0].padCount: expected a whole number, found true"));
    EXPECT_THAT(faultOf(R"({"kind": "PCB", "status": {"TCloseDesign": "32001"}})"),
                HasSubstr("at status.TCloseDesign: expected a whole number"));
    EXPECT_THAT(faultOf(R"({"kind": "PCB", "nets": [{"id": 2.5}]})"),
                HasSubstr("at nets[0].id: expected a whole number, found 2.5"));
    EXPECT_THAT(faultOf(R"({"kind": "PCB", "nets": [{"id": 1e3}]})"),
                HasSubstr("at nets[0].id: expected a whole number, found 1e3"));
}

TEST(JsonDesignFaults, NodesArePairsOfTexts) {
    const std::string net = R"({"kind": "PCB", "nets": [{"id": 1, "name": "A", "nodes": )";
    EXPECT_THAT(faultOf(net + R"([["U1", "1"], ["U2", 2]]}]})"),
                HasSubstr("column 79, at nets[0].nodes[1][1]: expected a text in double quotes, "
                          "found the number 2"));
    EXPECT_THAT(faultOf(net + R"([["U1"]]}]})"),
                HasSubstr("column 59, at nets[0].nodes[0]: a node is [refDes, pinDes]: this one "
                          "has 1 element"));
    EXPECT_THAT(faultOf(net + R"([[]]}]})"), HasSubstr("this one has 0 elements"));
    EXPECT_THAT(faultOf(net + R"([["U1", "1", "2"]]}]})"),
                HasSubstr("at nets[0].nodes[0][2]: a node is [refDes, pinDes]: it has no third"));
    EXPECT_THAT(faultOf(net + R"(["U1", "1"]}]})"),
                HasSubstr("at nets[0].nodes[0]: expected a node [refDes, pinDes], found the text"));
}

TEST(JsonDesignFaults, TheKindIsRequiredAndSpelledExactly) {
    EXPECT_THAT(faultOf("{\n  \"title\": \"x\"\n}"),
                StartsWith("boards/amp.json: line 1, column 1: missing \"kind\" in the design (one "
                           "of \"PCB\", \"SCH\", \"PCB+SCH\", \"none\")"));
    EXPECT_THAT(faultOf(R"({"kind": "pcb"})"),
                StartsWith("boards/amp.json: line 1, column 10, at kind: \"kind\" must be one of "
                           "\"PCB\", \"SCH\", \"PCB+SCH\", \"none\", not \"pcb\""));
    EXPECT_THAT(faultOf(R"({"kind": ["PCB"]})"), HasSubstr("at kind: expected one of"));
}

TEST(JsonDesignFaults, RequiredKeysOfLayersComponentsAndNets) {
    EXPECT_THAT(faultOf(R"({"kind": "PCB", "layers": [{"type": 1}, {"name": "Silk"}]})"),
                HasSubstr("column 41, at layers[1]: missing \"type\" in a layer"));
    EXPECT_THAT(faultOf(R"({"kind": "PCB", "components": [{"padCount": 1}]})"),
                HasSubstr("at components[0]: missing \"refDes\" in a component"));
    EXPECT_THAT(faultOf(R"({"kind": "PCB", "components": [{"refDes": "U1"}]})"),
                HasSubstr("at components[0]: missing \"padCount\""));
    EXPECT_THAT(faultOf(R"({"kind": "PCB", "nets": [{"name": "A", "nodes": []}]})"),
                HasSubstr("at nets[0]: missing \"id\" in a net"));
    EXPECT_THAT(faultOf(R"({"kind": "PCB", "nets": [{"id": 1, "nodes": []}]})"),
                HasSubstr("at nets[0]: missing \"name\""));
    EXPECT_THAT(faultOf(R"({"kind": "PCB", "nets": [{"id": 1, "name": "A"}]})"),
                HasSubstr("at nets[0]: missing \"nodes\""));
}

TEST(JsonDesignFaults, NetIdsMustBeNonNegativeAndUnique) {
    EXPECT_THAT(faultOf(R"({"kind": "PCB", "nets": [{"id": -1, "name": "A", "nodes": []}]})"),
                HasSubstr("line 1, column 33, at nets[0].id: net id -1 is negative"));
    EXPECT_THAT(faultOf("{\"kind\": \"PCB\", \"nets\": [\n"
                        "  {\"id\": 4, \"name\": \"A\", \"nodes\": []},\n"
                        "  {\"id\": 5, \"name\": \"B\", \"nodes\": []},\n"
                        "  {\"id\": 4, \"name\": \"C\", \"nodes\": []}]}"),
                HasSubstr("line 4, column 10, at nets[2].id: net id 4 is repeated: nets[0] has it "
                          "already"));
}

TEST(JsonDesignFaults, NumbersOutsideThirtyTwoBits) {
    EXPECT_THAT(faultOf(R"({"kind": "PCB", "nets": [{"id": 2147483648}]})"),
                HasSubstr("column 33, at nets[0].id: the number 2147483648 is outside the 32-bit "
                          "range"));
    EXPECT_THAT(faultOf(R"({"kind": "PCB", "layers": [{"type": -2147483649}]})"),
                HasSubstr("at layers[0].type: the number -2147483649 is outside the 32-bit range"));
    EXPECT_THAT(faultOf(R"({"kind": "PCB", "status": {"TGetNextNet": 123456789012345678901234}})"),
                HasSubstr("at status.TGetNextNet: the number 123456789012345678901234 is outside"));
    EXPECT_THAT(faultOf(R"({"kind": "PCB", "nets": [{"id": 1e999}]})"),
                AllOf(StartsWith("boards/amp.json: line 1, column"), HasSubstr("at nets[0]"),
                      HasSubstr("1e999 is too large")));
}

TEST(JsonDesignFaults, TextsWithANul) {
    EXPECT_THAT(faultOf(R"({"kind": "PCB", "designPath": "C:\\a.pcb\u0000.txt"})"),
                HasSubstr("at designPath: a text must not contain a NUL character"));
}

TEST(JsonDesignFaults, WhatTheFileHeldIsShownSafely) {
    const std::string fault = faultOf("{\"kind\": \"P\\nC\\u0007B\", \"x\": 1}");
    EXPECT_THAT(fault, HasSubstr("not \"P\\nC\\u0007B\""));
    const std::string longKey(500, 'k');
    EXPECT_LT(faultOf("{\"" + longKey + "\": 1}").size(), 400u);
}

// ---- Files that cannot be read ------------------------------------------------------------

class DesignFileFaults : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("netlist-design-files-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string loadFault(const std::filesystem::path& path) {
        try {
            LoadDesignFile(path);
        } catch (const DesignFileError& error) {
            return error.what();
        }
        ADD_FAILURE() << "loaded " << path;
        return {};
    }
    std::filesystem::path write(const std::string& name, const std::string& content) {
        const std::filesystem::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    std::filesystem::path folder_;
};

TEST_F(DesignFileFaults, MissingFilesAndFoldersAreNamed) {
    const std::filesystem::path missing = folder_ / "missing.json";
    EXPECT_THAT(loadFault(missing),
                AllOf(StartsWith(missing.string()), HasSubstr("cannot be read")));
    EXPECT_THAT(loadFault(folder_), AllOf(StartsWith(folder_.string()), HasSubstr("folder")));
}

TEST_F(DesignFileFaults, FilesThatAreNotJsonDesigns) {
    const auto empty = write("empty.json", "");
    EXPECT_THAT(loadFault(empty),
                AllOf(StartsWith(empty.string() + ": "), HasSubstr("not a design file")));
    const auto text = write("notes.txt", "kind: PCB\n");
    EXPECT_THAT(loadFault(text),
                AllOf(StartsWith(text.string() + ": "), HasSubstr("not a design file")));
}

TEST_F(DesignFileFaults, FaultsInsideAFileNameIt) {
    const auto board = write("board.json", "{\"kind\": \"PCB\",\n \"nets\": 3}");
    EXPECT_THAT(loadFault(board), StartsWith(board.string() + ": line 2, column 10, at nets:"));
}

TEST_F(DesignFileFaults, AValidFileLoadsWithItsOwnPathAsDesignPath) {
    const auto board = write("board.json", "\xEF\xBB\xBF {\"kind\": \"SCH\"}");
    const DesignData design = LoadDesignFile(board);
    EXPECT_EQ(design.kind, DesignKind::Sch);
    EXPECT_EQ(design.designPath, board.string());
}

}  // namespace
}  // namespace netlist
