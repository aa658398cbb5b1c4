#include <gtest/gtest.h>

#include "design/StatusMessage.h"
#include "tests/support/TestFiles.h"

namespace netlist::test {
namespace {

TEST(StatusMessage, KnownCodesGiveTheLibrarysWordingOthersTheirNumber) {
    for (const auto& row : ReadDataCases("design/data/status-messages.txt"))
        EXPECT_EQ(StatusMessage(std::stoi(row.input)), row.expected)
            << "status-messages.txt:" << row.line;
}

}  // namespace
}  // namespace netlist::test
