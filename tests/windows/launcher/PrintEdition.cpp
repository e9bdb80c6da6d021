#include "frmMain.h"

#include <cstdio>

int main() {
    for (char16_t c : vurozud::frmMain::IdentifyOperatingSystem())
        std::putchar(static_cast<char>(c));
    return 0;
}
