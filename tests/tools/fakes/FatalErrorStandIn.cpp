#include "FatalErrorStandIn.h"

namespace vurozud {

void EndWithFatalError(const Failure& failure) {
    if (test::whenFatalError)
        test::whenFatalError(failure);
    throw failure;
}

} // namespace vurozud
