#pragma once
// The unit tests' stand-in for the program's end on an error (FatalErrorStandIn.cpp): instead of the fatal error
// box and the end of the process, it calls whenFatalError, if a test set it, and throws the failure back to the
// test. A test that records the call sees what happened before the error and what only unwinding did after.

#include "Failure.h"

#include <functional>

namespace vurozud::test {

inline std::function<void(const Failure&)> whenFatalError;

} // namespace vurozud::test
