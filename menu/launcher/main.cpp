// The launcher of the Vurozud Tree Desktop: creates the launcher window and waits for clicks.

#include "ComInitialization.h"
#include "frmControls.h"
#include "frmMain.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
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
