#pragma once
// The Wine session the end-to-end tests run in: the throwaway prefix and virtual display that wine-env
// set up and runs them in, and what the tests do there from outside: start the launcher, ask the
// probe about windows and registry values, click with the real X pointer, take screenshots, read the files
// and the stand-in Active Desktop's journal.

#include "Twips.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <sys/types.h>

namespace vurozud::test {

using namespace std::chrono_literals;
using Rect = PixelRect; // right and bottom exclusive

// A box given in a window's client pixels, on the screen.
inline Rect OnScreen(const Rect& client, const Rect& box) {
    return {client.Left + box.Left, client.Top + box.Top, client.Left + box.Right, client.Top + box.Bottom};
}

// Throws the failure unless the condition holds.
void Require(bool condition, const std::string& failure);

// Asks the condition again and again, every poll, until it holds (true) or the time is up (false).
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout = 10s, std::chrono::milliseconds poll = 50ms) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(poll);
    }
    return true;
}

// Waits until the condition holds; when the time is up first, fails saying what it waited for.
template <typename Condition>
void WaitFor(const std::string& what, Condition condition, std::chrono::milliseconds timeout = 10s) {
    Require(WaitUntil(condition, timeout), "waited " + std::to_string(timeout.count()) + " ms in vain for " + what);
}

// Runs a Linux program to its end and gives back its standard output; kills it and fails when it has not ended
// within the time.
std::string RunProgram(const std::vector<std::string>& arguments, std::chrono::milliseconds timeout = 20s);

// What the probe says, by name (a message box's "message" is the text of its labels); a rectangle ("window",
// "client", a message box's one "button") in screen coordinates.
struct WindowFacts {
    std::map<std::string, std::string> Fields;

    std::string operator[](const std::string& key) const { return Fields.contains(key) ? Fields.at(key) : ""; }
    Rect RectOf(const std::string& key) const;
};

struct Colour {
    std::uint8_t Red, Green, Blue;
    static Colour Of(std::uint32_t rgb) { return {std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb)}; }
    bool operator==(const Colour&) const = default;
};

// The whole display, 1024 x 768 pixels.
class Screenshot {
public:
    explicit Screenshot(std::string rgb);
    Colour At(int x, int y) const;

private:
    std::string rgb_;
};

// The pointer as the display shows it: the size of its image and its hot spot.
struct PointerShape {
    int Width, Height, HotSpotX, HotSpotY;
    bool operator==(const PointerShape&) const = default;
};

class WineSession {
public:
    static WineSession& Get();

    std::filesystem::path InstallFolder() const { return prefix_ / "drive_c" / "Program Files" / "zodoraz"; }
    std::filesystem::path JournalFile() const { return prefix_ / "drive_c" / "active-desktop-journal.txt"; }

    void Registry(std::vector<std::string> arguments); // Wine's "reg" with these arguments, forced
    // A value under HKEY_CURRENT_USER as that tool shows it: "TYPE BYTES" (hexadecimal, upper case), or "".
    std::string RegistryValue(const std::string& key, const std::string& name);
    // The Windows edition Wine shows the launcher ("win95" ... "win7"), and the display's dots per inch.
    void SetWindowsVersion(const std::string& version);
    void SetDotsPerInch(int dotsPerInch);

    // The probe's answer: "window TITLE" (count "0" when there is none), "text FACE POINTS WEIGHT ALIGNMENT W H
    // TEXT" (its "pixels"), "move TITLE X Y W H".
    WindowFacts Ask(std::vector<std::string> question);
    // A visible window only once the display shows it where its client area is, so that clicks reach it.
    WindowFacts WaitForWindow(const std::string& title, bool visible = true);
    void WaitForWindowGone(const std::string& title);

    void MovePointerTo(int x, int y);
    void ClickAt(int x, int y);
    void ClickAt(const Rect& box) { ClickAt((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2); }
    void PressKey(const std::string& key) { RunProgram({"xdotool", "key", key}); }
    PointerShape Pointer();
    // The icon the display shows for a top-level window (_NET_WM_ICON), its first image row by row, each pixel
    // 0xAARRGGBB; none when it has no such window.
    std::vector<std::uint32_t> WindowIcon(const std::string& title);
    // The display once it is still: two shots in a row the same.
    Screenshot TakeScreenshot();

private:
    WineSession();
    std::filesystem::path prefix_;
};

// The launcher, started in the session with the journal switched on once the one before has gone; killed when
// this object goes.
class LauncherProcess {
public:
    static constexpr const char* kTitle = "       Vurozud Tree Desktop Menu";

    // failing: the stand-in's method that fails in this run (ACTIVE_DESKTOP_FAIL), or none.
    explicit LauncherProcess(const std::string& failing = "");
    ~LauncherProcess() { Kill(); }
    LauncherProcess(const LauncherProcess&) = delete;
    LauncherProcess& operator=(const LauncherProcess&) = delete;

    const WindowFacts& Window() const { return window_; }
    // Clicks the middle of a box given in client pixels.
    void ClickClient(const Rect& box) { WineSession::Get().ClickAt(OnScreen(window_.RectOf("client"), box)); }
    // The exit code once the launcher has ended; fails when it has not ended within the time.
    int WaitForExit(std::chrono::milliseconds timeout = 10s);
    bool Running();
    pid_t LinuxPid() const { return pid_; } // the Wine process of the launcher, for /proc

private:
    void Kill();

    pid_t pid_;
    std::optional<int> exitCode_;
    WindowFacts window_;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);
// The journal once it holds at least this many lines and the last call has ended (its object released,
// or its creation refused); fails, showing the journal, when that takes more than ten seconds.
std::vector<std::string> WaitForJournal(std::size_t lines = 1);

} // namespace vurozud::test
