// The unit tests' end of the program on an error: instead of the fatal error box and the end of the process,
// the failure is thrown back to the test, which catches it as a Failure.

#include "Failure.h"

namespace vurozud {

void EndWithFatalError(const Failure& failure) { throw failure; }

} // namespace vurozud
