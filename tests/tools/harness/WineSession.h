#pragma once
// The Wine session the end-to-end tests run in: the throwaway prefix and virtual display that
// wine-env set up (named by VUROZUD_WINE_ENV), and what the tests do there from outside: start
// the launcher, look at its windows, click with the real X pointer, take screenshots, read the
// registry, the files and the Active Desktop journal.

#include "Processes.h"
#include "Screenshot.h"

#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vurozud::wine {

using namespace std::chrono_literals;

// What the probe says about a top-level window.
struct WindowFacts {
    std::map<std::string, std::string> Fields;

    const std::string& operator[](const std::string& key) const;
    Rect ClientRect() const;  // screen coordinates
    Rect WindowRect() const;  // screen coordinates, frame included
    unsigned long Style() const;
};

struct ChildWindow {
    std::string ClassName;
    Rect Box; // screen coordinates
    std::string Text;
};

class WineSession {
public:
    static WineSession& Get();

    std::filesystem::path DriveC() const;
    std::filesystem::path InstallFolder() const;  // c:\program files\zodoraz
    std::filesystem::path JournalFile() const;    // where the stand-in Active Desktop writes
    static constexpr const char* kJournalWindowsPath = "c:\\active-desktop-journal.txt";

    // The Windows edition Wine shows the launcher ("win95" ... "win7").
    void SetLauncherWindowsVersion(const std::string& version);

    ProgramResult Wine(const std::vector<std::string>& arguments);
    ProgramResult Probe(const std::vector<std::string>& arguments);

    std::optional<WindowFacts> FindWindow(const std::string& title);
    WindowFacts WaitForWindow(const std::string& title, std::chrono::milliseconds timeout = 20s);
    bool WaitForWindowGone(const std::string& title, std::chrono::milliseconds timeout = 10s);
    int CountWindows(const std::string& title);
    std::vector<ChildWindow> Children(const std::string& title);

    // The registry value under HKEY_CURRENT_USER, as the probe reports it ("type", "count", "data").
    std::map<std::string, std::string> RegistryValue(const std::string& key, const std::string& name);
    void DeleteRegistryValue(const std::string& key, const std::string& name);
    void SetBinaryRegistryValue(const std::string& key, const std::string& name, const std::string& hexBytes);

    // A real click of the X pointer at a point on the screen.
    void ClickAt(int x, int y);
    void MovePointerTo(int x, int y);
    void PressKey(const std::string& key);
    Screenshot TakeScreenshot();

private:
    WineSession();
    std::filesystem::path prefix_;
};

// A running launcher, started in the session with the journal switched on.
class LauncherProcess {
public:
    static constexpr const char* kTitle = "       Vurozud Tree Desktop Menu";

    // extraEnvironment: NAME=VALUE pairs for this run (for example ACTIVE_DESKTOP_FAIL).
    explicit LauncherProcess(const std::vector<std::string>& extraEnvironment = {});
    ~LauncherProcess();

    const WindowFacts& Window() const { return window_; }
    // A real click in the middle of a box given in client pixels.
    void ClickClient(int x, int y);
    void ClickCommand(const std::string& text);
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout = 10s) { return program_->WaitForExit(timeout); }
    bool Running() { return program_->Running(); }
    // The Linux process that runs the launcher, for what Linux can see of it (/proc).
    pid_t LinuxPid() const { return program_->Pid(); }

private:
    std::unique_ptr<BackgroundProgram> program_;
    WindowFacts window_;
    std::vector<std::string> restoreEnvironment_;
};

// The command lines' boxes in client pixels, as a user sees them.
Rect CommandBox(const std::string& text);

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);
std::vector<std::string> JournalLines();

} // namespace vurozud::wine
