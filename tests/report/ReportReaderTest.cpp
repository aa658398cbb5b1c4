// Reading a report back: what the golden compare reports do not reach.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "design/files/DesignFileError.h"
#include "report/compare/ReportReader.h"
#include "tests/support/TestFiles.h"

namespace netlist::test {
namespace {

// The report a row of report-reader.txt stands for.
std::string Report(const std::string& row, const std::string& eol) {
    std::map<std::string, std::string> at = {
        {"nets", "1"}, {"pins", "1"}, {"components", "Components"}};
    std::vector<std::string> table;
    std::istringstream lines(row);
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("@")) {
            table.push_back(line);
            continue;
        }
        const std::size_t blank = std::min(line.find(' '), line.size());
        at[line.substr(1, blank - 1)] = line.substr(std::min(blank + 1, line.size()));
        if (line == "@blank") table.emplace_back();
    }
    std::string text;
    if (!at.contains("raw"))
        for (const std::string& line :
             std::vector<std::string>{"Created By     netlist-report",
                                      "Email          x",
                                      "Design Name    amp.pcb",
                                      "Title          Amp",
                                      "Revision       C",
                                      "Engineer",
                                      "Design By",
                                      "Date           today",
                                      "Version        16000 ",
                                      at["components"],
                                      "Number of Nets " + at["nets"] + " ",
                                      "Total Pads     0 Top Side= 0 Bottom Side= 0",
                                      "Connected Pins " + at["pins"] + " ",
                                      "layers         2 ",
                                      std::string(34, ' ') + "NETLIST REPORT FROM Pcb",
                                      std::string(89, '-'),
                                      "net Id  NetName",
                                      std::string(89, '-'),
                                      "",
                                      ""})
            text += line + eol;
    for (const std::string& line : table) text += line + eol;
    if (at.contains("raw")) return text;
    text += eol + std::string(34, ' ') + "End of Report\f" + eol;
    return at.contains("then") ? text + at["then"] + eol : text;
}

TEST(ReportReaderTest, ReadsPinsByTheirLayoutAndRefusesWhatIsNotACompleteReport) {
    for (const DataCase& row : ReadDataCases("report/data/report-reader.txt")) {
        const bool refused = row.expected.starts_with("refused: ");
        for (const char* eol : {"\r\n", "\n"}) {
            if (refused && eol[0] == '\n') continue;
            std::string read;
            try {
                const DesignSnapshot snapshot = ReadReport(Report(row.input, eol), "r.wrf");
                EXPECT_EQ(snapshot.layers, 2);
                for (const SnapshotNet& net : snapshot.nets) {
                    read += net.name + " " + std::to_string(net.pinCount) + " ";
                    for (const std::string& pin : net.pins)
                        read += (&pin == &net.pins[0] ? "" : "|") + pin;
                    read += net.pinsAmbiguous ? " ? " : " ";
                    read += net.length ? std::to_string(*net.length) : "none";
                }
            } catch (const DesignFileError& error) {
                read = "refused: " + std::string(error.what()).substr(0, row.expected.size() - 9);
            }
            EXPECT_EQ(read, row.expected)
                << "report-reader.txt:" << row.line << (eol[0] == '\n' ? ", LF" : "");
        }
    }
}

}  // namespace
}  // namespace netlist::test
