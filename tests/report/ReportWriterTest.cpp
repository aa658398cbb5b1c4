#include <gtest/gtest.h>

#include <climits>
#include <functional>

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

// Each case prints its statements, then compares the bytes of the closed file.
TEST(ReportWriter, LaysStatementsOutInColumns) {
    using Print = std::function<void(ReportWriter&)>;
    const auto print = [](ReportWriter& writer, std::initializer_list<PrintItem> items,
                          LineEnd end) { writer.print(items, end); };
    const std::string a41(41, 'a');
    const std::pair<Print, std::string> cases[] = {
        // Text past a tab stop ends the line before the next tab.
        {[&](ReportWriter& w) {
             print(w, {Item::Tab(9), Item::Text("ABCDEFGHIJKLMNOP")}, kOpen);
             print(w, {Item::Tab(24), Item::Text("x")}, kEnds);
         },
         std::string(8, ' ') + "ABCDEFGHIJKLMNOP\r\n" + std::string(23, ' ') + "x\r\n"},
        // A tab to the column reached writes nothing.
        {[&](ReportWriter& w) {
             print(w, {Item::Text(a41)}, kOpen);
             print(w, {Item::Tab(42), Item::Text("b")}, kEnds);
         },
         a41 + "b\r\n"},
        // Tab(0) ends only a line that holds characters; a negative tab means column 1.
        {[&](ReportWriter& w) {
             print(w, {Item::Tab(0)}, kOpen);
             print(w, {Item::Tab(31), Item::Tab(0), Item::Text("z")}, kOpen);
             print(w, {Item::Tab(-5), Item::Text("y")}, kEnds);
         },
         std::string(30, ' ') + "\r\nz\r\ny\r\n"},
        // Nothing and a missing value write nothing; numbers carry their blanks.
        {[&](ReportWriter& w) {
             print(w, {Item::Text("ab"), Item::Nothing(), Item::Value(std::nullopt)}, kOpen);
             print(w, {Item::Value(5), Item::Number(-1)}, kEnds);
         },
         "ab 5 -1 \r\n"},
        // Every byte is one column; control characters (C0, DEL, the C1 controls of
        // Windows-1252) show as "?", also in node texts; only a page end writes a form
        // feed; an empty statement ends a line.
        {[&](ReportWriter& w) {
             print(w,
                   {Item::Text("\f\xE9\"\r\n\x1B\x7F\x81"), Item::Tab(10), Item::Text("x"),
                    Item::PageEnd()},
                   kEnds);
             w.printTextsThenTab("U\t1", "-", "\x9D", 8);
             print(w, {}, kEnds);
         },
         "?\xE9\"????? x\f\r\nU?1-?  \r\n"},
    };
    for (const auto& [statements, bytes] : cases) {
        test::ScratchFolder folder;
        ReportWriter writer;
        writer.open(folder.file("out.wrf"));
        statements(writer);
        writer.commit();
        EXPECT_EQ(ReadBytes(folder.file("out.wrf")), bytes);
    }
}

}  // namespace
}  // namespace netlist::test
