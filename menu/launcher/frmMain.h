#pragma once
// The launcher window: the preview picture and the five command lines. Creating it runs the load
// step, which records the facts the Run command needs later: the Windows edition and the screen
// size. Each click on a command line runs one command to completion; a double-click runs it once.

#include "LauncherLayout.h"
#include "PictureBox.h"

#include "TaggedValue.h"
#include "UniqueHandle.h"
#include "Window.h"

#include <memory>
#include <optional>
#include <string>

namespace vurozud {

class clsRegistry;

class frmMain : public Window<frmMain> {
public:
    explicit frmMain(HINSTANCE instance);
    ~frmMain();

    void Show(int showCommand);

    // The name of the Windows edition the program runs on ("NONE" when the system will not say).
    static std::u16string IdentifyOperatingSystem();

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend class Window<frmMain>;

    void Load();
    void PaintContent(HDC dc) const;
    bool OnSetCursor(LPARAM lParam);
    void OnMouseDown(PixelPoint point);
    void OnMouseUp(PixelPoint point);
    void RunCommand(LauncherCommand command);

    void Run_Click();
    void Close_Click();
    void Instructions_Click();
    void Support_Click();
    void Exit_Click();

    void WriteDesktopPage();
    void ApplyWallpaper(std::u16string_view path, std::int32_t style);

    HINSTANCE instance_;
    DisplayScale scale_;
    UniqueFont commandFont_;
    UniquePen rulePen_;
    HCURSOR pointingHand_; // a shared resource cursor: never destroyed
    std::unique_ptr<PictureBox> Picture1;
    std::optional<LauncherCommand> pressedCommand_;

    // Recorded by the load step.
    std::u16string OSName;
    TaggedValue ScreenWidth{0.0f};
    std::u16string ScreenHeight;
    // Created by the Run command the first time it needs it.
    std::unique_ptr<clsRegistry> Registry;
};

} // namespace vurozud
