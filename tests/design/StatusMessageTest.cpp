#include <gtest/gtest.h>

#include <climits>

#include "design/StatusMessage.h"

namespace netlist::test {
namespace {

TEST(StatusMessage, KnownCodesGiveTheLibrarysWordingOthersTheirNumber) {
    const std::pair<int, const char*> cases[] = {
        {0, "Status: OK"},
        {32001, "Connection Error"},
        {32105, "No Connection"},
        {32106, "Server Busy"},
        {32162, "No More Nets"},
        {32188, "Mismatched Pin Numbers"},
        {32256, "Save Symbol Failed"},
        {32279, "Invalid Pin Number"},
        // Between the runs of the table, and beyond 16 bits (no aliasing of 32162).
        {-1, "Status: -1"},
        {32017, "Status: 32017"},
        {32169, "Status: 32169"},
        {32278, "Status: 32278"},
        {32162 + 65536, "Status: 97698"},
        {INT_MIN, "Status: -2147483648"},
    };
    for (const auto& [code, message] : cases) EXPECT_EQ(StatusMessage(code), message) << code;
}

}  // namespace
}  // namespace netlist::test
