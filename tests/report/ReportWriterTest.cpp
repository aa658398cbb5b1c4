#include <gtest/gtest.h>

#include <climits>
#include <sstream>

#include "report/ReportWriter.h"
#include "tests/report/ReportTestSupport.h"

namespace netlist::test {
namespace {

using test::ReadBytes;
using Item = PrintItem;
constexpr LineEnd kOpen = LineEnd::StaysOpen;
constexpr LineEnd kEnds = LineEnd::Ends;

TEST(NumberText, HasASignPositionAndOneTrailingBlank) {
    EXPECT_EQ(NumberText(0) + NumberText(-32768), " 0 -32768 ");
    EXPECT_EQ(NumberText(LLONG_MIN), "-9223372036854775808 ");
}

// The bytes a writer leaves after print(writer), closed.
template <typename Print>
std::string Printed(Print print) {
    test::ScratchFolder folder;
    ReportWriter writer;
    writer.open(folder.file("out.wrf"));
    print(writer);
    writer.commit();
    return ReadBytes(folder.file("out.wrf"));
}

TEST(ReportWriter, LaysStatementsOutInColumns) {
    for (const DataCase& row : ReadDataCases("report/data/writer-layout.txt")) {
        const std::string bytes = Printed([&](ReportWriter& writer) {
            std::istringstream lines(row.input);
            for (std::string line; std::getline(lines, line);) {
                // Items print alike one by one or in one statement.
                std::istringstream parts(line);
                for (std::string part; std::getline(parts, part, '|');) {
                    const std::string value =
                        part.substr(std::min(part.find(' ') + 1, part.size()));
                    if (part.starts_with("tab "))
                        writer.print({Item::Tab(std::stoi(value))}, kOpen);
                    if (part.starts_with("text ")) writer.print({Item::Text(value)}, kOpen);
                    if (part.starts_with("number "))
                        writer.print({Item::Number(std::stoi(value))}, kOpen);
                    if (part == "nothing") writer.print({Item::Nothing()}, kOpen);
                }
                if (!line.ends_with("|open")) writer.print({}, kEnds);
            }
        });
        EXPECT_EQ(bytes, row.expected) << "writer-layout.txt:" << row.line;
    }
    // Every byte is one column; control characters (C0, DEL, the C1 controls of
    // Windows-1252) show as "?", also in node texts; only a page end writes a form
    // feed; an empty statement ends a line.
    EXPECT_EQ(Printed([](ReportWriter& w) {
                  w.print({Item::Text("\f\xE9\"\r\n\x1B\x7F\x81"), Item::Tab(10), Item::Text("x"),
                           Item::PageEnd()},
                          kEnds);
                  w.printTextsThenTab("U\t1", "-", "\x9D", 8);
                  w.print({}, kEnds);
              }),
              "?\xE9\"????? x\f\r\nU?1-?  \r\n");
}

}  // namespace
}  // namespace netlist::test
