#include "tests/windows/Check.h"

#include <cstdio>
#include <exception>
#include <vector>

namespace netlist::test {
namespace {

struct Case {
    const char* name;
    std::function<void()> body;
};

std::vector<Case>& cases() {
    static std::vector<Case> all;
    return all;
}

int failuresInCase = 0;
std::string dataFolder = NETLIST_WINDOWS_TEST_DATA;

}  // namespace

void RegisterCase(const char* name, std::function<void()> body) {
    cases().push_back({name, std::move(body)});
}

void Fail(const char* file, int line, const std::string& what) {
    ++failuresInCase;
    std::printf("    %s:%d: %s\n", file, line, what.c_str());
}

const std::string& DataFolder() {
    return dataFolder;
}

}  // namespace netlist::test

// Prints "PASS name" or "FAIL name" for every case, then the counts; exits
// non-zero when a case failed.
int main(int argc, char** argv) {
    using namespace netlist::test;
    if (argc > 1) dataFolder = argv[1];
    int passed = 0;
    int failed = 0;
    for (const Case& testCase : cases()) {
        failuresInCase = 0;
        try {
            testCase.body();
        } catch (const CaseAbandoned&) {
        } catch (const std::exception& error) {
            Fail(testCase.name, 0, std::string("unexpected exception: ") + error.what());
        }
        std::printf("%s %s\n", failuresInCase ? "FAIL" : "PASS", testCase.name);
        std::fflush(stdout);
        (failuresInCase ? failed : passed) += 1;
    }
    std::printf("cases: %d passing, %d failing\n", passed, failed);
    return failed ? 1 : 0;
}
