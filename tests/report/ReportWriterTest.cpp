#include <gtest/gtest.h>

#include <climits>

#include "report/ReportWriter.h"
#include "tests/report/ReportTestSupport.h"

namespace netlist {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using Item = PrintItem;

class ReportWriterTest : public ::testing::Test {
  protected:
    void SetUp() override { writer.OpenOutput(path(), kReportFileNumber); }
    std::string path() const { return folder.file("out.wrf"); }
    void print(std::initializer_list<PrintItem> items, LineEnd end = LineEnd::StaysOpen) {
        writer.Print(kReportFileNumber, items, end);
    }
    std::string closeAndRead() {
        writer.CloseAll();
        return ReadBytes(path());
    }

    ScratchFolder folder;
    ReportWriter writer;
};

TEST(NumberText, HasASignPositionAndOneTrailingBlank) {
    EXPECT_EQ(NumberText(16000), " 16000 ");
    EXPECT_EQ(NumberText(0), " 0 ");
    EXPECT_EQ(NumberText(-7), "-7 ");
    EXPECT_EQ(NumberText(-32768), "-32768 ");
    EXPECT_EQ(NumberText(2147483647), " 2147483647 ");
    EXPECT_EQ(NumberText(LLONG_MIN), "-9223372036854775808 ");
}

TEST_F(ReportWriterTest, TextPastATabStopEndsTheLineBeforeTheNextItem) {
    print({Item::Tab(9), Item::Text("ABCDEFGHIJKLMNOP")});
    print({Item::Tab(24), Item::Text("x")}, LineEnd::Ends);
    EXPECT_EQ(closeAndRead(),
              std::string(8, ' ') + "ABCDEFGHIJKLMNOP\r\n" + std::string(23, ' ') + "x\r\n");
}

TEST_F(ReportWriterTest, ATabToTheColumnReachedWritesNothing) {
    print({Item::Text(std::string(41, 'a'))});
    print({Item::Tab(42), Item::Text("b")}, LineEnd::Ends);
    EXPECT_EQ(closeAndRead(), std::string(41, 'a') + "b\r\n");
}

TEST_F(ReportWriterTest, TabZeroEndsOnlyALineThatHoldsCharacters) {
    print({Item::Tab(0)});
    print({Item::Tab(31), Item::Tab(0), Item::Text("z")});
    print({Item::Tab(-5), Item::Text("y")}, LineEnd::Ends);
    EXPECT_EQ(closeAndRead(), std::string(30, ' ') + "\r\nz\r\ny\r\n");
}

TEST_F(ReportWriterTest, ValuesWithoutAValueWriteNothing) {
    print({Item::Text("ab"), Item::Nothing(), Item::Value(std::nullopt)});
    print({Item::Value(5), Item::Number(-1)}, LineEnd::Ends);
    EXPECT_EQ(closeAndRead(), "ab 5 -1 \r\n");
}

TEST_F(ReportWriterTest, AnOpenLineIsContinuedByTheNextStatement) {
    print({Item::Text("row"), Item::Tab(30)});
    print({Item::Text("U1-1")}, LineEnd::Ends);
    EXPECT_EQ(closeAndRead(), "row" + std::string(26, ' ') + "U1-1\r\n");
}

TEST_F(ReportWriterTest, EveryByteCountsAsOneColumnAndPassesUnchanged) {
    print({Item::Text("\f"), Item::Text("\xE9\"")});
    print({}, LineEnd::Ends);
    print({}, LineEnd::Ends);
    EXPECT_EQ(closeAndRead(), "\f\xE9\"\r\n\r\n");
}

TEST_F(ReportWriterTest, LargeOutputArrivesWhole) {
    const std::string line(200, 'n');
    for (int i = 0; i < 20000; ++i)
        print({Item::Number(i), Item::Tab(10), Item::Text(line)}, LineEnd::Ends);
    const std::string bytes = closeAndRead();
    EXPECT_EQ(bytes.size(), 20000u * (9 + 200 + 2));
    EXPECT_EQ(bytes.substr(bytes.size() - 211, 9), " 19999   ");
}

TEST_F(ReportWriterTest, NothingReachesTheFileBeforeCloseAll) {
    testing::WriteBytes(path(), "previous report");
    print({Item::Text("new")}, LineEnd::Ends);
    EXPECT_EQ(ReadBytes(path()), "previous report");
    EXPECT_EQ(closeAndRead(), "new\r\n");
}

TEST_F(ReportWriterTest, AbandonedOutputLeavesThePreviousFileAndNoLitter) {
    testing::WriteBytes(path(), "previous report");
    print({Item::Text("half a report")});
    writer.AbandonAll();
    EXPECT_EQ(ReadBytes(path()), "previous report");
    EXPECT_EQ(testing::FileNames(folder.path()), std::vector<std::string>{"out.wrf"});
}

TEST_F(ReportWriterTest, FileNumbersThatAreNotOpenAreRefused) {
    EXPECT_THROW(writer.Print(11, {Item::Text("x")}, LineEnd::Ends), ReportFileError);
    writer.CloseAll();
    EXPECT_THROW(writer.Print(kReportFileNumber, {Item::Text("x")}, LineEnd::Ends),
                 ReportFileError);
}

TEST(ReportWriterOpen, AMissingFolderIsAnErrorThatNamesTheFile) {
    ScratchFolder folder;
    ReportWriter writer;
    const std::string path = folder.file("missing/out.wrf");
    try {
        writer.OpenOutput(path, kReportFileNumber);
        FAIL() << "opened a file in a missing folder";
    } catch (const ReportFileError& error) {
        EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
    }
}

}  // namespace
}  // namespace netlist
