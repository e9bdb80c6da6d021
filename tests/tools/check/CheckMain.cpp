#include "Check.h"

int main() {
    using namespace vurozud::test;
    for (const TestCase& test : testCases) {
        const int before = failedChecks;
        try {
            test.Body();
        } catch (const std::exception& error) {
            Fail(test.Name, 0, std::string("exception: ") + error.what());
        }
        std::printf("%s %s\n", failedChecks == before ? "[       OK ]" : "[  FAILED  ]", test.Name);
    }
    std::fflush(stdout);
    return failedChecks == 0 ? 0 : 1;
}
