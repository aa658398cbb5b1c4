// Design files that cannot be served: each kind of fault gives one message
// that names the file, the place (line, column and the value's path) and what
// is wrong.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "design/files/JsonDesignReader.h"

namespace netlist {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
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

// Each file is refused with a message that starts with the file's name and
// then as given (the place, then the fault).
struct Refusal {
    std::string content;
    std::string start;
};
void expectRefusals(std::initializer_list<Refusal> refusals) {
    for (const Refusal& refusal : refusals)
        EXPECT_THAT(faultOf(refusal.content), StartsWith("boards/amp.json: " + refusal.start))
            << refusal.content;
}

const std::string kNet = R"({"kind": "PCB", "nets": [{"id": 1, "name": "A", "nodes": )";

TEST(JsonDesignFaults, MalformedJsonIsPlacedAtTheOffendingCharacter) {
    expectRefusals({
        {"", "line 1, column 1: not valid JSON: syntax error"},
        {"{\"kind\": \"PCB\",\n  \"nets\": [\n    {\"id\": 1,}\n  ]}",
         "line 3, column 14, at nets[0]: not valid JSON"},
        {"{\"kind\": \"PCB\",\r\n \"title\": tru}",
         "line 2, column 11: not valid JSON: syntax error while parsing value - invalid "
         "literal; last read: 'tru}'"},
        {"{\"kind\": \"PCB\"}\n{}", "line 2, column 1: not valid JSON"},
        {"{\"kind\": \"PCB\",\n \"title\": \"ab\xFF\"}",
         "line 2, column 14: not valid JSON: syntax error while parsing value - invalid string: "
         "ill-formed UTF-8 byte"},
        // A well-formed token out of place is pointed at from its start.
        {"{\"kind\" \"PCB\"}", "line 1, column 9:"},
        {"{\"kind\": \"PCB\", \"title\": \"a\" -12.5}", "line 1, column 30:"},
        {"{\"kind\": \"PCB\", \"title\": \"a\" \"\"}", "line 1, column 30:"},
        // Columns count characters, not bytes.
        {"{\"title\": \"\xC3\xBC\xC3\xBC\xE2\x82\xAC\", \"kind\": 1}",
         "line 1, column 26, at kind"},
    });
}

TEST(JsonDesignFaults, KeysThatAreUnknownOrRepeated) {
    EXPECT_EQ(faultOf("{\"kind\": \"PCB\",\n \"titel\": \"x\"}"),
              "boards/amp.json: line 2, column 2: unknown key \"titel\" in the design (did you "
              "mean \"title\"?); known keys: kind, designPath, title, engineer, revision, layers, "
              "components, nets, status");
    expectRefusals({
        {R"({"kind": "PCB", "nets": [{"id": 1, "lenght": 5}]})",
         "line 1, column 36, at nets[0]: unknown key \"lenght\" in a net (did you mean "
         "\"length\"?)"},
        {R"({"kind": "PCB", "components": [{"RefDes": "U1"}]})",
         "line 1, column 33, at components[0]: unknown key \"RefDes\" in a component (did you "
         "mean \"refDes\"?)"},
        {R"({"kind": "PCB", "status": {"TGetFirstNets": 1}})",
         "line 1, column 28, at status: unknown operation \"TGetFirstNets\" under \"status\" (did "
         "you mean \"TGetFirstNet\"?); known operations: TOpenDesign, "},
        {R"({"kind": "PCB", "kind": "SCH"})",
         "line 1, column 17: \"kind\" is given twice in the design"},
        {R"({"kind": "PCB", "status": {"TGetNextNet": 1, "TGetNextNet": 2}})",
         "line 1, column 46, at status: \"TGetNextNet\" is given twice"},
    });
}

TEST(JsonDesignFaults, ValuesOfTheWrongType) {
    expectRefusals({
        {"[{\"kind\": \"PCB\"}]",
         "line 1, column 1: expected the design as one JSON object ({ ... }), found a list"},
        {R"({"kind": "PCB", "title": 5})",
         "line 1, column 26, at title: expected a text in double quotes, found the number 5"},
        {R"({"kind": "PCB", "nets": [{"id": "7"}]})",
         "line 1, column 33, at nets[0].id: expected a whole number, found the text \"7\""},
        {R"({"kind": "PCB", "nets": {"id": 7}})",
         "line 1, column 25, at nets: expected a list of nets ([ ... ]), found an object"},
        {R"({"kind": "PCB", "components": [{"refDes": "U1", "padCount": true}]})",
         "line 1, column 61, at components[0].padCount: expected a whole number, found true"},
        {R"({"kind": "PCB", "nets": [{"id": 2.5}]})",
         "line 1, column 33, at nets[0].id: expected a whole number, found 2.5"},
    });
}

TEST(JsonDesignFaults, NodesArePairsOfTexts) {
    expectRefusals({
        {kNet + R"([["U1", "1"], ["U2", 2]]}]})",
         "line 1, column 79, at nets[0].nodes[1][1]: expected a text in double quotes, found the "
         "number 2"},
        {kNet + R"([["U1"]]}]})",
         "line 1, column 59, at nets[0].nodes[0]: a node is [refDes, pinDes]: this one has 1 "
         "element"},
        {kNet + R"([[]]}]})",
         "line 1, column 59, at nets[0].nodes[0]: a node is [refDes, "
         "pinDes]: this one has 0 elements"},
        {kNet + R"([["U1", "1", "2"]]}]})",
         "line 1, column 71, at nets[0].nodes[0][2]: a node is [refDes, pinDes]: it has no "
         "third element"},
        {kNet + R"([["U1", "1", {}]]}]})", "line 1, column 71, at nets[0].nodes[0][2]: a node is"},
        {kNet + R"(["U1", "1"]}]})",
         "line 1, column 59, at nets[0].nodes[0]: expected a node [refDes, pinDes], found the "
         "text \"U1\""},
    });
}

TEST(JsonDesignFaults, RequiredKeysAndTheKindsSpelling) {
    expectRefusals({
        {"{\n  \"title\": \"x\"\n}",
         "line 1, column 1: missing \"kind\" in the design (one of \"PCB\", \"SCH\", \"PCB+SCH\", "
         "\"none\")"},
        {R"({"kind": "pcb"})",
         "line 1, column 10, at kind: \"kind\" must be one of \"PCB\", \"SCH\", \"PCB+SCH\", "
         "\"none\", not \"pcb\""},
        {R"({"kind": "PCB", "layers": [{"type": 1}, {"name": "Silk"}]})",
         "line 1, column 41, at layers[1]: missing \"type\" in a layer (a whole number)"},
        {R"({"kind": "PCB", "nets": [{"name": "A", "nodes": []}]})",
         "line 1, column 26, at nets[0]: missing \"id\" in a net"},
    });
}

TEST(JsonDesignFaults, NumbersAndNetIdsOutOfBounds) {
    expectRefusals({
        {R"({"kind": "PCB", "nets": [{"id": -1, "name": "A", "nodes": []}]})",
         "line 1, column 33, at nets[0].id: net id -1 is negative"},
        {"{\"kind\": \"PCB\", \"nets\": [\n  {\"id\": 4, \"name\": \"A\", \"nodes\": []},\n"
         "  {\"id\": 5, \"name\": \"B\", \"nodes\": []},\n  {\"id\": 4}]}",
         "line 4, column 10, at nets[2].id: net id 4 is repeated: nets[0] has it already"},
        {R"({"kind": "PCB", "nets": [{"id": 2147483648}]})",
         "line 1, column 33, at nets[0].id: the number 2147483648 is outside the 32-bit range"},
        {R"({"kind": "PCB", "layers": [{"type": -2147483649}]})",
         "line 1, column 37, at layers[0].type: the number -2147483649 is outside the 32-bit"},
        {R"({"kind": "PCB", "status": {"TGetNextNet": 123456789012345678901234}})",
         "line 1, column 43, at status.TGetNextNet: the number 123456789012345678901234 is "
         "outside"},
        {R"({"kind": "PCB", "nets": [{"id": 1e999}]})",
         "line 1, column 33, at nets[0]: the number 1e999 is too large"},
    });
}

// Each of these would hand out the same record forever: the walk would never end.
TEST(JsonDesignFaults, ContinuingCallsCannotBeForcedToSucceed) {
    for (const std::string operation :
         {"TGetNextNet", "TGetNextNetNode", "TGetNextLayer", "TGetNextComponent"}) {
        EXPECT_THAT(faultOf(R"({"kind": "PCB", "status": {")" + operation + R"(": 0}})"),
                    HasSubstr("at status." + operation + ": forcing " + operation +
                              " to 0 would make every walk over it endless"));
    }
    EXPECT_NO_THROW(ReadJsonDesign(R"({"kind": "PCB", "status": {"TGetNextNet": 32162}})", "a"));
}

TEST(JsonDesignFaults, UnsafeTextsAreRefusedAndShownSafely) {
    expectRefusals({
        {R"({"kind": "PCB", "designPath": "C:\\a.pcb\u0000.txt"})",
         "line 1, column 31, at designPath: a text must not contain a NUL character"},
        {"{\"kind\": \"P\\nC\\u0007B\"}",
         "line 1, column 10, at kind: \"kind\" must be one of "
         "\"PCB\", \"SCH\", \"PCB+SCH\", \"none\", not "
         "\"P\\nC\\u0007B\""},
    });
    EXPECT_LT(faultOf("{\"" + std::string(5000, 'k') + "\": 1}").size(), 400u);
    // Texts are shown up to 40 characters, whole characters of any length in UTF-8.
    const std::string forty = std::string(39, 'x') + "\xF0\x9F\x98\x80";
    EXPECT_THAT(faultOf(R"({"kind": ")" + forty + "\"}"), EndsWith("not \"" + forty + "\""));
    EXPECT_THAT(faultOf(R"({"kind": ")" + forty + "y\"}"), EndsWith("not \"" + forty + "...\""));
}

}  // namespace
}  // namespace netlist
