#include "Check.h"

int main() {
    using namespace vurozud::test;
    for (const auto& [name, body] : testCases) {
        const int before = failedChecks;
        try {
            body();
        } catch (const std::exception& error) {
            Fail(name, 0, std::string("exception: ") + error.what());
        }
        std::printf("%s %s\n", failedChecks == before ? "[       OK ]" : "[  FAILED  ]", name);
    }
    return failedChecks == 0 ? 0 : 1;
}
