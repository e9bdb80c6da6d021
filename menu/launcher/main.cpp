// The launcher of the Vurozud Tree Desktop: creates the launcher window and waits for clicks.
//
// The program brings its own start-up in place of the C runtime's: it takes no arguments, environment or
// standard streams, and ends only through ExitProcess (Exit, Close or the fatal error box), so what the
// runtime's start-up code would set up is not needed, and its prebuilt code would not run on every processor
// the program is for.

#include "ComInitialization.h"
#include "frmControls.h"
#include "frmMain.h"

#include <windows.h>

extern "C" IMAGE_DOS_HEADER __ImageBase; // the program's own image, which is its instance handle

namespace {

// The linker gathers the constructors of objects with static storage into one list between a -1 and a 0;
// they run last to first, as the C runtime runs them.
using Constructor = void (*)();
extern "C" Constructor __CTOR_LIST__[];

void RunStaticConstructors() {
    std::size_t count = 0;
    while (__CTOR_LIST__[count + 1] != nullptr)
        ++count;
    for (; count > 0; --count)
        __CTOR_LIST__[count]();
}

// How whoever started the program asks its first window to be shown.
int ShowCommand() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : SW_SHOWDEFAULT;
}

int RunLauncher(HINSTANCE instance, int showCommand) {
    const vurozud::ComInitialization com; // once, for the window thread
    vurozud::frmMain launcher(instance);
    launcher.Show(showCommand);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (vurozud::frmControls::HandleDialogKeys(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace

// The linker starts the program here: the entry point's name in a windowed program.
extern "C" [[noreturn]] void WinMainCRTStartup() {
    // The floating-point unit as the C runtime leaves it for the program: 64-bit precision, rounding to
    // nearest, every exception masked. (The page's size rounds each step to single precision itself.)
    __asm__ volatile("fninit");
    RunStaticConstructors();
    ExitProcess(static_cast<UINT>(RunLauncher(reinterpret_cast<HINSTANCE>(&__ImageBase), ShowCommand())));
}
