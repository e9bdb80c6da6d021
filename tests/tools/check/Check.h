#pragma once
// The Windows-side tests' own small runner. They are built with the program's compiler and thread model,
// which has no std::mutex for GoogleTest; each file registers its cases, one process under Wine runs them
// all, prints every failed check and ends with status 1 when any failed.

#include <cstdio>
#include <exception>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace vurozud::test {

// Every test case's name and body, in the order the files registered them.
inline std::vector<std::pair<const char*, void (*)()>> testCases;
inline int failedChecks = 0;

inline void Fail(const char* where, int line, const std::string& what) {
    std::printf("%s:%d: failed: %s\n", where, line, what.c_str());
    ++failedChecks;
}

template <typename Actual, typename Expected>
void CheckEqual(const Actual& actual, const Expected& expected, const char* what, const char* file, int line) {
    std::ostringstream text;
    if (!(actual == expected))
        Fail(file, line, (text << what << ": " << actual << " is not " << expected, text.str()));
}

} // namespace vurozud::test

#define TEST_CASE(name)                                                                                                \
    void name();                                                                                                       \
    const bool name##Registered = (vurozud::test::testCases.push_back({#name, name}), true);                          \
    void name()
#define CHECK(condition) ((condition) ? void() : vurozud::test::Fail(__FILE__, __LINE__, #condition))
// As CHECK, for a check repeated over cases: names the case that failed it.
#define CHECK_IN(context, condition)                                                                                   \
    ((condition) ? void() : vurozud::test::Fail(__FILE__, __LINE__, std::string(context) + ": " + #condition))
#define CHECK_EQ(actual, expected) vurozud::test::CheckEqual(actual, expected, #actual, __FILE__, __LINE__)
