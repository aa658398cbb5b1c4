#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/compare/PinList.h"

namespace netlist {
namespace {

// Texts of every length class the list stores differently: none, short,
// one byte below and at the two-byte length, and one that needs three.
TEST(PinList, KeepsEveryTextWhateverItsLengthAndGivesThemBackInOrder) {
    const std::vector<std::string> texts = {
        "U1-1", "", std::string(127, 'a'), std::string(128, 'b'), std::string(20000, 'c'), "",
    };
    PinList pins;
    for (const std::string& text : texts) pins.push_back(text);
    EXPECT_EQ(pins.size(), texts.size());
    EXPECT_EQ(pins.texts(), texts);
    EXPECT_EQ(PinList(texts), pins);
    EXPECT_EQ(pins.front(), "U1-1");
}

TEST(PinList, AnEmptyListHasNoTexts) {
    const PinList pins;
    EXPECT_TRUE(pins.empty());
    EXPECT_EQ(pins.begin(), pins.end());
    EXPECT_TRUE(pins.texts().empty());
}

TEST(PinList, TextsWrittenInPlaceAreKeptAsWritten) {
    PinList pins;
    pins.emplace_back(3, [](char* bytes) { bytes[0] = 'R', bytes[1] = '-', bytes[2] = '2'; });
    pins.push_back("C3-1");
    EXPECT_EQ(pins, PinList({"R-2", "C3-1"}));
    EXPECT_NE(pins, PinList({"R-2"}));
}

}  // namespace
}  // namespace netlist
