// Reading a report back: what the golden compare reports do not reach.
#include <gtest/gtest.h>

#include "design/files/DesignFileError.h"
#include "report/compare/ReportReader.h"

namespace netlist::test {
namespace {

// A board report with these net-table lines (each block after its empty
// line), the header counting `nets` nets and `pins` connected pins.
std::string report(const std::vector<std::string>& netLines, int nets, int pins = 1,
                   const char* eol = "\r\n", const char* components = "Components") {
    std::string text;
    for (const std::string& line : std::vector<std::string>{
             "Created By     netlist-report", "Email          x", "Design Name    amp.pcb",
             "Title          Amp", "Revision       C", "Engineer", "Design By",
             "Date           today", "Version        16000 ", components,
             "Number of Nets " + std::to_string(nets) + " ",
             "Total Pads     0 Top Side= 0 Bottom Side= 0",
             "Connected Pins " + std::to_string(pins) + " ", "layers         2 ",
             std::string(34, ' ') + "NETLIST REPORT FROM Pcb", std::string(89, '-'),
             std::string("net Id  NetName"), std::string(89, '-'), std::string()})
        text += line + eol;
    for (const std::string& line : netLines) text += line + eol;
    return text + eol + std::string(34, ' ') + "End of Report\f" + eol;
}

// Pins are read back by the writer's layout: a text longer than its 12
// columns pushes the next one to the following line, at its own column.
// The round trip test reads back every other layout (ReportRoundTripTest).
TEST(ReportReaderTest, ReadsPinsByTheirLayout) {
    const std::string pins29(29, ' ');
    const std::string longText = "AB-CDEFGHIJKL-MNOPQRSTUVWXYZ";  // one pin, or two at column 42
    const std::string lengthLine = std::string(77, ' ') + "1.00 mils";
    // The header's pin count, and the net read: "name count pin|pin [? when the cut is in
    // doubt] length".
    const std::tuple<const char*, std::vector<std::string>, int, std::string> cases[] = {
        {"short texts, comma decimal",
         {"",
          "  1     A1              2    U1-1        R10-22" + std::string(30, ' ') + "12,70 mm"},
         2,
         "A1 2 U1-1|R10-22 1270000"},
        {"a long text whose 12th character is a blank",
         {"", "  1     N               2    U1-ABCDEFGH IJ",
          pins29 + std::string(12, ' ') + "R1-1"},
         2,
         "N 2 U1-ABCDEFGH IJ|R1-1 none"},
        {"the same text fourth on its line",
         {"", "  1     N               5    A-1         B-1         C-1         U1-ABCDEFGH IJ",
          std::string(77, ' '), pins29 + "R1-1" + std::string(44, ' ') + "0.00 mils"},
         5,
         "N 5 A-1|B-1|C-1|U1-ABCDEFGH IJ|R1-1 0"},
        {"a long last text, its length pushed: the count says one pin",
         {"", "  1     N               1    " + longText, lengthLine},
         1,
         "N 1 " + longText + " 2540"},
        {"the same text, the count says two",
         {"", "  1     N               2    " + longText, lengthLine},
         2,
         "N 2 AB-CDEFGHIJK|L-MNOPQRSTUVWXYZ 2540"},
        {"the same text, a count that fits no reading",
         {"", "  1     N               3    " + longText, lengthLine},
         3,
         "N 3 AB-CDEFGHIJK|L-MNOPQRSTUV|WXYZ ? 2540"},
        {"a text running past the last pin column, which no layout explains",
         {"", "  1     A               2    NU-         ER/NET" + std::string(37, ' ') + "t-1"},
         2,
         "A 2 NU-|ER/NET" + std::string(37, ' ') + "t-1 ? none"},
        {"a net the library could not read",
         {"", "  1     Net Not Found (net id 57)", pins29},
         0,
         "Net Not Found (net id 57) 0  none"},
    };
    for (const auto& [what, lines, pins, expected] : cases) {
        for (const char* eol : {"\r\n", "\n"}) {
            const DesignSnapshot snapshot = ReadReport(report(lines, 1, pins, eol), "r.wrf");
            ASSERT_EQ(snapshot.nets.size(), 1u) << what;
            const SnapshotNet& net = snapshot.nets[0];
            std::string read = net.name + " " + std::to_string(net.pinCount) + " ";
            for (const std::string& pin : net.pins) read += (&pin == &net.pins[0] ? "" : "|") + pin;
            read += net.pinsAmbiguous ? " ? " : " ";
            read += net.length ? std::to_string(*net.length) : "none";
            EXPECT_EQ(read, expected) << what;
            EXPECT_EQ(snapshot.layers, 2) << what;
        }
    }
}

TEST(ReportReaderTest, RefusesWhatIsNotACompleteReportNamingLineAndColumn) {
    const std::string row = "  1     A               1    U1-1";
    const struct {
        std::string content;
        std::string message;
    } cases[] = {
        {report({"", row}, 2),
         "r.wrf: line 11, column 15: the header counts 2 nets, the report lists 1"},
        {report({"", row, "X" + std::string(28, ' ') + "U1-2"}, 1),
         "r.wrf: line 22, column 1: not a netlist report"},
        {report({"", row}, 1) + "more\r\n", "r.wrf: line 24, column 1: text after"},
        // Past the last pin column, a line without pins holds only a length, and one of a net.
        {report({"", row, std::string(77, ' ') + "twelve"}, 1),
         "r.wrf: line 22, column 78: not a netlist report"},
        {report({"", row, std::string(77, ' ') + "2222222222222222.22 mils"}, 1),
         "r.wrf: line 22, column 78: not a netlist report"},
        // Rows and counts that no report of this program holds.
        {report({"", "W 99999999999999999999999 MCO"}, 1),
         "r.wrf: line 21, column 3: not a netlist report of this program: expected the net's "
         "running number 1"},
        {report({"", row, "", "  3     B               1    U1-2"}, 2),
         "r.wrf: line 23, column 3: not a netlist report of this program: expected the net's "
         "running number 2"},
        {report({"", "  1"}, 1),
         "r.wrf: line 21, column 4: not a netlist report of this program: expected blanks up to "
         "the net's name in column 9"},
        {report({"", row}, 1, 2),
         "r.wrf: line 13, column 15: the header counts 2 connected pins, the nets' pin counts add "
         "up to 1"},
        {report({"", row}, 1, 1, "\r\n", "Components     0 "),
         "r.wrf: line 10, column 15: not a netlist report of this program: expected a count of at "
         "least 1"},
        {"Created By\r\nEmail\r\n", "r.wrf: line 3, column 1: the report ends before"},
    };
    for (const auto& c : cases) {
        try {
            ReadReport(c.content, "r.wrf");
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const DesignFileError& error) {
            EXPECT_EQ(std::string(error.what()).substr(0, c.message.size()), c.message);
        }
    }
}

}  // namespace
}  // namespace netlist::test
