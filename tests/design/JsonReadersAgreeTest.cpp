// The fast JSON reader against the thorough one on the edge cases in
// data/json-readers-agree.txt (on the project's designs, the golden reports
// hold what the fast reader reads).
// What the fast reader accepts, the thorough one accepts with the same design;
// and the fast reader never gives up on a valid design (otherwise large
// designs would lose its speed for nothing).
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "design/files/JsonDesignReader.h"
#include "tests/support/TestFiles.h"

namespace netlist::test {
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
    } else if (thorough) {
        ADD_FAILURE() << "the fast reader gives up on the valid " << name;
    }
}

// The constructs where a one-pass reader most easily goes wrong.
TEST(JsonReadersAgree, OnTheEdgesOfJsonAndOfTheDesignFormat) {
    for (const auto& row : test::ReadDataCases("design/data/json-readers-agree.txt"))
        expectAgreement(row.input, "json-readers-agree.txt:" + std::to_string(row.line));
}

}  // namespace
}  // namespace netlist::test
