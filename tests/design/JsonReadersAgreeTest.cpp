// The fast JSON reader against the thorough one, on the project's design
// files and on the edge cases in data/json-readers-agree.txt.
// What the fast reader accepts, the thorough one accepts with the same design;
// and the fast reader never gives up on a valid design (otherwise large
// designs would lose its speed for nothing).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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

// The constructs where a one-pass reader most easily goes wrong.
TEST(JsonReadersAgree, OnTheEdgesOfJsonAndOfTheDesignFormat) {
    for (const auto& row : test::ReadDataCases("design/data/json-readers-agree.txt"))
        expectAgreement(row.input, "json-readers-agree.txt:" + std::to_string(row.line));
}

}  // namespace
}  // namespace netlist::test
