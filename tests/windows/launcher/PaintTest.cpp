// Painting ends nothing, in either window: a paint whose device context the system refuses (as a full GDI heap
// does on the Windows 95 family; here one already deleted) leaves the window unpainted, and the next one draws.

#include "Check.h"
#include "frmControls.h"
#include "frmMain.h"

#include <tuple>

namespace vurozud {

TEST_CASE(APaintTheSystemRefusesEndsNothingAndTheNextPaintDraws) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    frmMain launcher(instance);
    frmControls::Show(instance);
    const HDC refused = CreateCompatibleDC(nullptr);
    DeleteDC(refused);
    const UniqueBitmap canvas(CreateBitmap(64, 400, 1, 32, nullptr));
    const UniqueMemoryDc memory(CreateCompatibleDC(nullptr));
    SelectGuard select(memory.get(), canvas.get());
    const DisplayScale scale = ScreenDisplayScale(); // a pixel each paint draws: where a rule starts, or the corner
    for (const auto& [window, x, y] : {std::tuple{launcher.Handle(), ToPixelsX(kRules[0].Left, scale),
                                                  ToPixelsY(kRules[0].Y, scale)},
                                       {GetWindow(launcher.Handle(), GW_CHILD), 0, 0},
                                       {FindWindowA("frmControls", nullptr), 0, 0}}) {
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(refused), PRF_CLIENT);
        SetPixel(memory.get(), x, y, RGB(1, 2, 3));
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()), PRF_CLIENT);
        CHECK(GetPixel(memory.get(), x, y) != RGB(1, 2, 3));
    }
    DestroyWindow(launcher.Handle());
}

} // namespace vurozud
