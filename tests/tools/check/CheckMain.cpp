#include "Check.h"
#include "Failure.h"

#include <windows.h>

// A failure that would end the program in the fatal error box ends this run at once, naming the failed call:
// the box would wait for a click that never comes.
void vurozud::EndWithFatalError(const Failure& failure) {
    std::printf("fatal error: %s\n", failure.Operation());
    ExitProcess(3);
}

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
