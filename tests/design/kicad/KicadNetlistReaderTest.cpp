#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "design/files/kicad/KicadNetlistReader.h"
#include "tests/design/kicad/KicadTestSupport.h"

namespace netlist::test {
namespace {

using ::testing::ElementsAre;

// The netlists' reports are golden (tests/report/golden/kicad-netlist*.wrf); what a
// report does not show is checked here: the ids.
TEST(KicadNetlist, NetsWithoutCodesTakeTheLowestFreeNumbers) {
    const DesignData design = ReadKicadNetlist(
        "(export (version \"E\") (nets\n"
        "  (net (name \"A\") (node (ref \"R1\") (pin \"1\")))\n"
        "  (net (code \"2\") (name \"B\"))\n"
        "  (net (name \"C\"))\n"
        "  (net (code \"1\") (name \"D\"))\n"
        "  (net (name \"A\") (node (ref \"R2\") (pin \"1\")))\n"
        "  (net (code \"9\") (name \"\") (node (ref \"R3\") (pin \"1\")))))",
        "codes.net");
    EXPECT_THAT(NetNames(design), ElementsAre("A", "B", "C", "D"));
    std::vector<std::int32_t> ids;
    for (const DesignNet& net : design.nets) ids.push_back(net.id);
    EXPECT_THAT(ids, ElementsAre(3, 2, 4, 1));
}

}  // namespace
}  // namespace netlist::test
