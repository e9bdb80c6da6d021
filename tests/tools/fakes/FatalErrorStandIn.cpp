// The unit tests' stand-in for the program's end on an error: instead of the fatal error box and the end of the
// process, the failure is thrown back to the test. The program's end unwinds nothing; a fake that must tell what
// the code did before the error from what only unwinding did asks std::uncaught_exceptions.

#include "Failure.h"

void vurozud::EndWithFatalError(const Failure& failure) { throw failure; }
