// The demo boards of Debian's kicad-demos package: boards nobody here wrote.
// Their figures come from tools/kicad-demo-facts/golden_facts.py, which counts
// with its own tokenizer and arc formula, not with the program's reader. Every
// test skips when the package is not installed.
#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

#include "design/files/DesignFileLoader.h"
#include "tests/design/kicad/KicadTestSupport.h"
#include "tests/support/TestFiles.h"

namespace netlist::test {
namespace {

namespace fs = std::filesystem;

// The facts of a design as golden_facts.py prints them, for the nets named.
std::string Facts(const DesignData& design, const std::vector<std::string>& netNames) {
    long top = 0, bottom = 0;
    for (const DesignComponent& component : design.components)
        (component.bottomSide == 0 ? top : bottom) += component.padCount;
    std::ostringstream facts;
    facts << "nets " << design.nets.size() << "\ncomponents " << design.components.size()
          << "\ncopper layers " << test::CopperLayers(design) << "\npads " << top + bottom
          << " top " << top << " bottom " << bottom << "\n";
    for (const std::string& name : netNames) {
        const DesignNet& net = test::NetNamed(design, name);
        facts << "net '" << name << "': " << net.nodeCount << " pins, length " << net.length
              << "\n   ";
        for (const std::string& pin : test::Pins(net)) facts << " " << pin;
        facts << "\n";
    }
    return facts.str();
}

// The figures come from data/demo-board-facts.txt: golden_facts.py's output
// after a line "== BOARD NET...".
TEST(KicadDemoBoards, FactsAgreeWithTheIndependentCount) {
    std::istringstream data(test::ReadBytes(test::DataFile("demo-board-facts.txt")));
    std::vector<std::pair<std::string, std::string>> boards;  // "BOARD NET...", facts
    for (std::string line; std::getline(data, line);) {
        if (line.starts_with("== "))
            boards.emplace_back(line.substr(3), "");
        else if (!line.starts_with("#"))
            boards.back().second += line + "\n";
    }
    ASSERT_EQ(boards.size(), 3u);
    for (const auto& [header, facts] : boards) {
        std::istringstream words(header);
        std::string name;
        words >> name;
        if (!fs::exists(test::DemoBoard(name))) GTEST_SKIP() << "kicad-demos is not installed";
        EXPECT_EQ(Facts(LoadDesignFile(test::DemoBoard(name)),
                        {std::istream_iterator<std::string>(words), {}}),
                  facts)
            << name;
    }
}

}  // namespace
}  // namespace netlist::test
