// Painting ends nothing, in either window: a paint whose device context the system refuses (as a full GDI heap
// does on the Windows 95 family; here one already deleted) leaves the window unpainted, and the next paint draws.

#include "Check.h"
#include "frmControls.h"
#include "frmMain.h"

#include <cstdio>

namespace vurozud {

// In this program a fatal error ends it at once, naming the failed call, rather than waiting in its box.
void EndWithFatalError(const Failure& failure) {
    std::printf("fatal error: %s\n", failure.Operation());
    ExitProcess(3);
}

namespace test {
namespace {

TEST_CASE(APaintTheSystemRefusesEndsNothingAndTheNextPaintDraws) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    frmMain launcher(instance);
    frmControls::Show(instance);
    const HDC refused = CreateCompatibleDC(nullptr);
    DeleteDC(refused);
    const UniqueBitmap canvas(CreateBitmap(64, 400, 1, 32, nullptr));
    const UniqueMemoryDc memory(CreateCompatibleDC(nullptr));
    SelectGuard select(memory.get(), canvas.get());
    const DisplayScale scale = ScreenDisplayScale();
    const struct {
        HWND Window;
        int X, Y; // a pixel its paint draws
    } windows[] = {{launcher.Handle(), ToPixelsX(kRules[0].Left, scale), ToPixelsY(kRules[0].Y, scale)},
                   {GetWindow(launcher.Handle(), GW_CHILD), 0, 0},
                   {FindWindowA("frmControls", nullptr), 0, 0}};
    for (const auto& [window, x, y] : windows) {
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(refused), PRF_CLIENT);
        constexpr COLORREF kUnpainted = RGB(1, 2, 3);
        SetPixel(memory.get(), x, y, kUnpainted);
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()), PRF_CLIENT);
        CHECK(GetPixel(memory.get(), x, y) != kUnpainted);
    }
    DestroyWindow(launcher.Handle());
}

} // namespace
} // namespace test
} // namespace vurozud
