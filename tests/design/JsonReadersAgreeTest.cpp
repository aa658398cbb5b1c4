// The fast JSON reader against the thorough one, on the project's design
// files and on the constructs where a one-pass reader most easily goes wrong.
// What the fast reader accepts, the thorough one accepts with the same design;
// and the fast reader gives up on a valid design only for a NUL byte after
// it, where nlohmann's parser stops reading (otherwise large designs would
// lose its speed for nothing).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "design/files/JsonDesignReader.h"

namespace netlist {
namespace {

void expectAgreement(const std::string& content, const std::string& name) {
    std::optional<DesignData> thorough;
    try {
        thorough = ReadJsonDesignThoroughly(content, "a.json");
    } catch (const DesignFileError&) {
    }
    const std::optional<DesignData> fast = ReadWellFormedJsonDesign(content, "a.json");
    if (fast) {
        EXPECT_TRUE(thorough.has_value()) << "only the fast reader accepts " << name;
        EXPECT_TRUE(thorough == fast) << "the readers differ on " << name;
    } else if (thorough && content.find('\0') == std::string::npos) {
        ADD_FAILURE() << "the fast reader gives up on the valid " << name;
    }
}

TEST(JsonReadersAgree, OnEveryDesignFileOfTheProject) {
    const std::filesystem::path tests = NETLIST_TEST_DATA;
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(tests.parent_path())) {
        const std::string path = entry.path().string();
        if (entry.path().extension() != ".json" || path.find("/build") != std::string::npos)
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        expectAgreement({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()},
                        path);
        ++files;
    }
    EXPECT_GE(files, 20);
}

TEST(JsonReadersAgree, OnTheEdgesOfJsonAndOfTheDesignFormat) {
    const std::string net = R"({"kind": "PCB", "nets": [{"id": 1, "name": "A", "nodes": [)";
    for (const std::string& content : {
             // Accepted by both.
             std::string("\xEF\xBB\xBF \t\r\n{\"kind\" : \"SCH\" } \n"),
             std::string(R"({"kind": "PCB", "title": "\"\\\/\b\f\n\r\t", "revision": "-"})"),
             std::string("{\"kind\": \"PCB\", \"title\": \"\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80"
                         "\xF4\x8F\xBF\xBF\xED\x9F\xBF\x7F\"}"),
             std::string(R"({"k\u0069nd": "PCB"})"),
             std::string(R"({"kind": "PCB", "title": "\u00fC\u20aC\uD83D\uDE00\u0041\u007f"})"),
             std::string(R"({"kind": "PCB", "layers": [{"type": -0}, {"type": -2147483648},)"
                         R"( {"type": 2147483647}], "components": [], "nets": []})"),
             std::string(R"({"kind": "PCB", "nets": [{"id": 5, "name": "B", "nodes": []},)"
                         R"( {"nodes": [], "nodeCount": 3, "name": "A", "id": 0}]})"),
             std::string(R"({"kind": "none", "status": {"TGetNextNet": 1, "TOpenDesign": 0}})"),
             // Refused by the thorough reader.
             std::string(""),
             std::string(" \xEF\xBB\xBF{\"kind\": \"PCB\"}"),
             std::string(R"({"kind": "PCB", "kind": "SCH"})"),
             std::string(R"({"kind": "PCB", "titel": ""})"),
             std::string(R"({"kind": "PCB",})"),
             std::string(R"({"kind": "PCB"} {})"),
             std::string(R"({"kind": "PCB"})") + '\0',
             std::string(R"({"kind": "pcb"})"),
             std::string(R"({"title": "no kind"})"),
             std::string("{\"kind\": \"PCB\", \"title\": \"tab\there\"}"),
             std::string("{\"kind\": \"PCB\", \"title\": \"\xC0\x80\"}"),
             std::string("{\"kind\": \"PCB\", \"title\": \"\xED\xA0\x80\"}"),
             std::string("{\"kind\": \"PCB\", \"title\": \"\xF4\x90\x80\x80\"}"),
             std::string("{\"kind\": \"PCB\", \"title\": \"\xE2\x82\"}"),
             std::string(R"({"kind": "PCB", "title": "\x"})"),
             std::string(R"({"kind": "PCB", "title": "\u0000"})"),
             std::string(R"({"kind": "PCB", "title": "\uD83D"})"),
             std::string(R"({"kind": "PCB", "title": "\uD83D\u0041"})"),
             std::string(R"({"kind": "PCB", "title": "\uDE00"})"),
             std::string(R"({"kind": "PCB", "title": "\u00G0"})"),
             std::string(R"({"kind": "PCB", "title": "\u00e"})"),
             std::string(R"({"kind": "PCB", "layers": [{"type": 01}]})"),
             std::string(R"({"kind": "PCB", "layers": [{"type": 1.0}]})"),
             std::string(R"({"kind": "PCB", "layers": [{"type": 1e2}]})"),
             std::string(R"({"kind": "PCB", "layers": [{"type": -}]})"),
             std::string(R"({"kind": "PCB", "layers": [{"type": 2147483648}]})"),
             std::string(R"({"kind": "PCB", "layers": [{"type": -2147483649}]})"),
             std::string(R"({"kind": "PCB", "layers": [{"type": 12345678901}]})"),
             std::string(R"({"kind": "PCB", "layers": [{"type": true}]})"),
             std::string(R"({"kind": "PCB", "layers": [{"name": "L"}]})"),
             std::string(R"({"kind": "PCB", "layers": [{"type": 1},]})"),
             std::string(R"({"kind": "PCB", "status": {"TGetNextLayer": 0}})"),
             std::string(R"({"kind": "PCB", "status": {"TOpenDesign": 1, "TOpenDesign": 2}})"),
             std::string(R"({"kind": "PCB", "status": {"TOpen": 1}})"),
             std::string(R"({"kind": "PCB", "nets": [{"id": -1, "name": "A", "nodes": []}]})"),
             std::string(R"({"kind": "PCB", "nets": [{"id": 1, "name": "A"}]})"),
             std::string(R"({"kind": "PCB", "nets": [{"id": 3, "name": "A", "nodes": []},)"
                         R"( {"id": 1, "name": "B", "nodes": []},)"
                         R"( {"id": 3, "name": "C", "nodes": []}]})"),
             net + R"(["R1"]]}]})",
             net + R"(["R1", "1", "2"]]}]})",
             net + R"(["R1", 1]]}]})",
             net + R"(["R1", "1"]})",
         })
        expectAgreement(content, "\"" + content + "\"");
}

}  // namespace
}  // namespace netlist
