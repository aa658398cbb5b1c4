// Reading a report back: what the golden compare reports do not reach, and
// generated designs with every shape a net block can take, up to the running
// numbers of six digits that put a net's name on a line of its own, which
// read back as the designs they were written from.
// bench/compare_round_trip.sh runs the program itself the same way on designs
// of up to 200,000 nets.
#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <random>
#include <sstream>

#include "design/files/DesignFileError.h"
#include "design/standin/StandInLibrary.h"
#include "report/compare/DesignDiff.h"
#include "report/compare/ReportReader.h"
#include "tests/report/ReportTestSupport.h"
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
                    const char* separator = "";
                    for (const std::string_view pin : net.pins)
                        read.append(std::exchange(separator, "|")).append(pin);
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

// The same seed gives the same design.
struct Generator : std::mt19937 {
    using std::mt19937::mt19937;
    std::size_t below(std::size_t n) { return (*this)() % n; }
    std::string text(std::size_t length, std::string_view alphabet) {
        std::string made;
        while (made.size() < length) made += alphabet[below(alphabet.size())];
        return made;
    }
};

// Names of every length around the 16 characters that move the pin count to
// the next line, with blanks inside and around, symbols, Windows-1252 letters,
// control characters and supply prefixes, some shown alike (a net name used
// twice); pin counts that differ from the pins listed, of any width; pin
// texts of every length around the 12 columns of a pin, with blanks and "-"
// of their own; lengths of any sign.
std::vector<DesignNet> generatedNets(int count, Generator& random) {
    constexpr std::string_view kNameCharacters = "ABCXYZ0189_-+/.~()\xE9\xDF \t\r\n\f\x1B\x81";
    constexpr std::string_view kPinCharacters = "ABCDPRU0123456789 -\r";
    constexpr std::int32_t kOddCounts[] = {0, 5, -5, 99999, 100000, INT32_MAX, INT32_MIN};
    std::vector<DesignNet> nets;
    for (int id = 1; id <= count; ++id) {
        DesignNet net;
        net.id = id;
        net.name = random.below(6) == 0 ? "TWICE" : random.text(random.below(22), kNameCharacters);
        // Few pins in a large design: its point is the width of the running numbers.
        for (std::size_t node = random.below(count > 1000 ? 3 : 10); node > 0; --node) {
            const std::size_t length = 1 + random.below(random.below(4) == 0 ? 16 : 8);
            net.nodes.push_back({random.text(length, kPinCharacters),
                                 random.text(1 + random.below(6), kPinCharacters)});
        }
        net.nodeCount = random.below(8) == 0 ? kOddCounts[random.below(std::size(kOddCounts))]
                                             : static_cast<std::int32_t>(net.nodes.size());
        net.length = static_cast<std::int32_t>(random());
        nets.push_back(std::move(net));
    }
    return nets;
}

TEST(ReportRoundTripTest, AReportReadsBackAsTheDesignItWasWrittenFrom) {
    for (const int nets : {1, 2, 17, 100001}) {
        SCOPED_TRACE(nets);
        Generator random(static_cast<std::uint32_t>(nets));
        test::ScratchFolder folder;
        DesignData design = test::Design(DesignKind::Pcb, folder.file("generated.pcb"),
                                         generatedNets(nets, random));
        const bool mils = nets % 2 != 0;
        const test::RunResult run = test::RunReport(design, {"", true, mils, false});
        ASSERT_EQ(run.result, ReportResult::Written) << run.status;

        const DesignSnapshot report = ReadReport(run.report, "generated.wrf");
        StandInLibrary library(std::move(design));
        const SnapshotResult source = TakeSnapshot(library);
        const DesignDiff diff =
            CompareSnapshots(report, source.snapshot, mils ? kUnitsPerMil : kUnitsPerMm);
        EXPECT_EQ(report.nets.size(), static_cast<std::size_t>(nets));
        EXPECT_TRUE(diff.lengthsCompared);
        EXPECT_TRUE(diff.empty()) << diff.changedNets.size() << " changed";
        // Only a count that differs from the pins leaves their cut in doubt.
        for (const NetPair& pair : diff.countOnlyNets)
            EXPECT_NE(pair.after->pinCount, static_cast<std::int32_t>(pair.after->pins.size()))
                << pair.after->name;
    }
}

}  // namespace
}  // namespace netlist::test
