#include "ServerLock.h"

#include <atomic>

namespace vurozud::fakes {

namespace {
std::atomic<long> locks{0};
}

void LockServer() {
    ++locks;
}

void UnlockServer() {
    --locks;
}

bool ServerInUse() {
    return locks.load() != 0;
}

} // namespace vurozud::fakes
