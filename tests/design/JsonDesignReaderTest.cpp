// Reading valid JSON design files beyond what the golden reports and their
// recorded library calls show: a design of both kinds, forced statuses, the
// default path, whole texts.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <optional>

#include "design/files/JsonDesignReader.h"

namespace netlist::test {
namespace {

std::optional<std::int32_t> forced(const DesignData& design, Operation operation) {
    return design.forcedStatus[static_cast<std::size_t>(operation)];
}

TEST(JsonDesignReader, KindsAndForcedStatusesAreRead) {
    const DesignData design = ReadJsonDesign(
        R"({"kind": "PCB+SCH", "status": {"TGetDesignInfo": 32101, "TOpenDesign": -2147483648}})",
        "amp.json");
    EXPECT_EQ(design.kind, DesignKind::PcbAndSch);
    EXPECT_EQ(forced(design, Operation::TGetDesignInfo), 32101);
    EXPECT_EQ(forced(design, Operation::TOpenDesign), INT32_MIN);
    EXPECT_EQ(forced(design, Operation::TGetNextNet), std::nullopt);
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

TEST(JsonDesignReader, TextsArriveWholeInWindows1252) {
    std::string umlauts;
    for (int i = 0; i < 150; ++i) umlauts += "\xC3\xBC";
    // Cutting to the record's field is the stand-in's business, after conversion.
    EXPECT_EQ(
        ReadJsonDesign("{\"kind\": \"PCB\", \"engineer\": \"" + umlauts + "\"}", "a.json").engineer,
        std::string(150, '\xFC'));
}

}  // namespace
}  // namespace netlist::test
