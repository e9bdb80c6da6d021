// Painting ends nothing, in either window: a paint whose device context the system refuses (as a full GDI heap
// does on the Windows 95 family; here one already deleted) leaves the window unpainted, and the next one draws.

#include "Check.h"
#include "MemoryCanvas.h"
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
    const test::MemoryCanvas canvas(64, 400, 32);
    const DisplayScale scale = ScreenDisplayScale(); // a pixel each paint draws: where a rule starts, or the corner
    for (const auto& [window, x, y] : {std::tuple{launcher.Handle(), ToPixelsX(kRules[0].Left, scale),
                                                  ToPixelsY(kRules[0].Y, scale)},
                                       {GetWindow(launcher.Handle(), GW_CHILD), 0, 0},
                                       {FindWindowA("frmControls", nullptr), 0, 0}}) {
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(refused), PRF_CLIENT);
        SetPixel(canvas.Dc(), x, y, RGB(1, 2, 3));
        canvas.PaintFrom(window);
        CHECK(GetPixel(canvas.Dc(), x, y) != RGB(1, 2, 3));
    }
    DestroyWindow(launcher.Handle());
}

} // namespace vurozud
