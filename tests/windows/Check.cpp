#include "tests/windows/Check.h"

#include <cstdio>
#include <exception>
#include <vector>

namespace netlist::test {
namespace {

std::vector<std::pair<const char*, std::function<void()>>>& cases() {
    static std::vector<std::pair<const char*, std::function<void()>>> all;
    return all;
}

int failuresInCase = 0;

}  // namespace

Registrar::Registrar(const char* name, std::function<void()> body) {
    cases().emplace_back(name, std::move(body));
}

void Fail(const char* file, int line, const std::string& what) {
    ++failuresInCase;
    std::printf("    %s:%d: %s\n", file, line, what.c_str());
}

}  // namespace netlist::test

// Prints "PASS name" or "FAIL name" for every case, then the counts; exits
// non-zero when a case failed.
int main() {
    using namespace netlist::test;
    int failed = 0;
    for (const auto& [name, body] : cases()) {
        failuresInCase = 0;
        try {
            body();
        } catch (const CaseAbandoned&) {
        } catch (const std::exception& error) {
            Fail(name, 0, std::string("unexpected exception: ") + error.what());
        }
        std::printf("%s %s\n", failuresInCase ? "FAIL" : "PASS", name);
        std::fflush(stdout);
        failed += failuresInCase ? 1 : 0;
    }
    std::printf("cases: %d passing, %d failing\n", int(cases().size()) - failed, failed);
    return failed ? 1 : 0;
}
