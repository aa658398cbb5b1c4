// A tiny test runner for the Windows test programs, which run under wine
// where GoogleTest is not available. Each TEST_CASE is one named case; CHECK
// records a failure and lets the case go on; REQUIRE ends the case.
#pragma once

#include <functional>
#include <sstream>
#include <string>

namespace netlist::test {

struct CaseAbandoned {};

void Fail(const char* file, int line, const std::string& what);

struct Registrar {
    Registrar(const char* name, std::function<void()> body);
};

template <typename Left, typename Right>
std::string Describe(const Left& left, const Right& right) {
    std::ostringstream text;
    text << left << " vs " << right;
    return text.str();
}

}  // namespace netlist::test

#define NETLIST_CHECK_JOIN2(a, b) a##b
#define NETLIST_CHECK_JOIN(a, b) NETLIST_CHECK_JOIN2(a, b)
#define TEST_CASE(name)                                                              \
    static void NETLIST_CHECK_JOIN(testCase, __LINE__)();                            \
    static const ::netlist::test::Registrar NETLIST_CHECK_JOIN(registrar, __LINE__){ \
        name, NETLIST_CHECK_JOIN(testCase, __LINE__)};                               \
    static void NETLIST_CHECK_JOIN(testCase, __LINE__)()

#define CHECK(condition) \
    ((condition) ? void() : ::netlist::test::Fail(__FILE__, __LINE__, #condition))
#define CHECK_EQ(left, right)                                               \
    (((left) == (right)) ? void()                                           \
                         : ::netlist::test::Fail(__FILE__, __LINE__,        \
                                                 #left " == " #right ": " + \
                                                     ::netlist::test::Describe((left), (right))))
#define REQUIRE(condition)                                         \
    do {                                                           \
        if (!(condition)) {                                        \
            ::netlist::test::Fail(__FILE__, __LINE__, #condition); \
            throw ::netlist::test::CaseAbandoned{};                \
        }                                                          \
    } while (false)
