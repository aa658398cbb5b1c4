// Design files that cannot be served: each kind of fault gives one message
// that names the file, the place (line, column and the value's path) and what
// is wrong. The files and their messages are in data/json-faults.txt.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "design/files/JsonDesignReader.h"
#include "tests/support/TestFiles.h"

namespace netlist::test {
namespace {

std::string faultOf(std::string_view content) {
    try {
        ReadJsonDesign(content, "boards/amp.json");
    } catch (const DesignFileError& error) {
        return error.what();
    }
    ADD_FAILURE() << "accepted: " << content;
    return {};
}

TEST(JsonDesignFaults, EachFaultIsNamedWithItsPlace) {
    for (const auto& row : test::ReadDataCases("design/data/json-faults.txt"))
        EXPECT_THAT(faultOf(row.input), ::testing::StartsWith("boards/amp.json: " + row.expected))
            << "json-faults.txt:" << row.line;
}

TEST(JsonDesignFaults, AnEndCodeMayBeForcedAndALongKeyIsShownShort) {
    EXPECT_NO_THROW(ReadJsonDesign(R"({"kind": "PCB", "status": {"TGetNextNet": 32162}})", "a"));
    EXPECT_LT(faultOf("{\"" + std::string(5000, 'k') + "\": 1}").size(), 400u);
}

}  // namespace
}  // namespace netlist::test
