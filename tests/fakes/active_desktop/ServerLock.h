#pragma once
// The server's count of live objects and class factory locks: the DLL may be unloaded only at zero.

namespace vurozud::fakes {

void LockServer();
void UnlockServer();
bool ServerInUse();

} // namespace vurozud::fakes
