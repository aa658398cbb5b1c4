#include <gtest/gtest.h>

#include <sstream>

#include "app/CommandLine.h"
#include "tests/support/TestFiles.h"

namespace netlist::test {
namespace {

// The words of a row's input line: separated by blanks, "''" for an empty one.
std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words{"netlist-report"};
    std::istringstream stream(line);
    for (std::string word; stream >> word;) words.push_back(word == "''" ? "" : word);
    return words;
}

// What a parse gave: the exit code and the message, or the options taken.
std::string Outcome(const std::vector<std::string>& words) {
    std::vector<const char*> argv;
    for (const std::string& word : words) argv.push_back(word.c_str());
    CommandLine options;
    std::ostringstream out, err;
    const auto stop =
        ParseCommandLine(static_cast<int>(argv.size()), argv.data(), options, out, err);
    if (stop) {
        const std::string message = err.str().substr(0, err.str().find('\n'));
        return std::to_string(*stop) + (message.empty() ? "" : " " + message);
    }
    const char* units[] = {"none", "mils", "mm"};
    std::string taken =
        "ok lengths=" + std::string(units[static_cast<int>(options.choices.lengths)]);
    if (options.batch) taken += " batch";
    if (options.choices.screen) taken += " screen";
    if (!options.choices.designer.empty()) taken += " designer=" + options.choices.designer;
    if (options.choices.output) taken += " output=" + *options.choices.output;
    if (options.compare) taken += " compare=" + *options.compare;
    if (options.design) taken += " design=" + *options.design;
    return taken;
}

TEST(CommandLine, TakesWhatItCanAndSaysPlainlyWhatItCannot) {
    for (const auto& row : test::ReadDataCases("app/data/command-line.txt"))
        EXPECT_EQ(Outcome(Words(row.input)), row.expected) << "command-line.txt:" << row.line;
}

}  // namespace
}  // namespace netlist::test
