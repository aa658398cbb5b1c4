#include <gtest/gtest.h>

#include <climits>

#include "design/StatusMessage.h"

namespace netlist {
namespace {

TEST(StatusMessage, KnownCodesGiveTheLibrarysWording) {
    EXPECT_EQ(StatusMessage(0), "Status: OK");
    EXPECT_EQ(StatusMessage(32001), "Connection Error");
    EXPECT_EQ(StatusMessage(32016), "Database Error");
    EXPECT_EQ(StatusMessage(32105), "No Connection");
    EXPECT_EQ(StatusMessage(32162), "No More Nets");
    EXPECT_EQ(StatusMessage(32183), "Invalid TextStyle");
    EXPECT_EQ(StatusMessage(32188), "Mismatched Pin Numbers");
    EXPECT_EQ(StatusMessage(32201), "Invalid Attribute Name");
    EXPECT_EQ(StatusMessage(32239), "Unable to open file");
    EXPECT_EQ(StatusMessage(32255), "Library is READ Only");
    EXPECT_EQ(StatusMessage(32256), "Save Symbol Failed");
    EXPECT_EQ(StatusMessage(32279), "Invalid Pin Number");
}

TEST(StatusMessage, TheTableHoldsExactlyOneHundredAndTenCodes) {
    int known = 0;
    for (int code = -40000; code <= 40000; ++code)
        if (StatusMessage(code).rfind("Status: ", 0) != 0 || code == 0) ++known;
    EXPECT_EQ(known, 110);
}

TEST(StatusMessage, CodesBetweenTheRunsGiveTheNumber) {
    EXPECT_EQ(StatusMessage(1), "Status: 1");
    EXPECT_EQ(StatusMessage(-1), "Status: -1");
    EXPECT_EQ(StatusMessage(32017), "Status: 32017");
    EXPECT_EQ(StatusMessage(32169), "Status: 32169");
    EXPECT_EQ(StatusMessage(32179), "Status: 32179");
    for (int code = 32202; code <= 32204; ++code)
        EXPECT_EQ(StatusMessage(code), "Status: " + std::to_string(code));
    for (int code = 32259; code <= 32278; ++code)
        EXPECT_EQ(StatusMessage(code), "Status: " + std::to_string(code));
}

TEST(StatusMessage, CodesBeyondSixteenBitsKeepTheirFullValue) {
    // A table code plus 65536 must not alias to that code.
    EXPECT_EQ(StatusMessage(32162 + 65536), "Status: 97698");
    EXPECT_EQ(StatusMessage(65536), "Status: 65536");
    EXPECT_EQ(StatusMessage(INT_MAX), "Status: 2147483647");
    EXPECT_EQ(StatusMessage(INT_MIN), "Status: -2147483648");
}

}  // namespace
}  // namespace netlist
