#include "WineSession.h"

#include <cstdio>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <utility>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

extern char** environ;

namespace vurozud::test {
namespace {

// Starts a program; with an output file, its standard output goes there and its errors nowhere.
pid_t Spawn(const std::vector<std::string>& arguments, std::FILE* output = nullptr) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (output != nullptr) {
        posix_spawn_file_actions_adddup2(&actions, fileno(output), STDOUT_FILENO);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }
    pid_t pid;
    const int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    Require(failed == 0, "cannot start " + arguments[0]);
    return pid;
}

} // namespace

void Require(bool condition, const std::string& failure) {
    if (!condition)
        throw std::runtime_error(failure);
}

// The output goes to a file, not a pipe: Wine may start a background service from inside the program, which
// inherits the output and keeps it open for good, so only the end of the program says the answer is complete.
std::string RunProgram(const std::vector<std::string>& arguments, std::chrono::milliseconds timeout) {
    std::FILE* answer = std::tmpfile();
    Require(answer != nullptr, "no temporary file for the answer of " + arguments[0]);
    const pid_t pid = Spawn(arguments, answer);
    // Asked often: most of these programs end within milliseconds.
    const bool ended = WaitUntil([&] { return waitpid(pid, nullptr, WNOHANG) != 0; }, timeout, 1ms);
    if (!ended) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    std::string text;
    std::rewind(answer);
    for (int c; (c = std::getc(answer)) != EOF;)
        text += static_cast<char>(c);
    std::fclose(answer);
    Require(ended, arguments[0] + " " + arguments.at(1) + " did not end within " + std::to_string(timeout.count()) +
                       " ms");
    return text;
}

Rect WindowFacts::RectOf(const std::string& key) const {
    Rect r{};
    Require(std::sscanf((*this)[key].c_str(), "%d,%d,%d,%d", &r.Left, &r.Top, &r.Right, &r.Bottom) == 4,
            "the probe gave no rectangle \"" + key + "\"");
    return r;
}

Screenshot::Screenshot(std::string rgb) : rgb_(std::move(rgb)) {
    Require(rgb_.size() == 1024 * 768 * 3, "not a 1024 x 768 screenshot of 24 bits a pixel");
}

Colour Screenshot::At(int x, int y) const {
    const auto at = [&](int i) { return static_cast<std::uint8_t>(rgb_.at((std::size_t(y) * 1024 + x) * 3 + i)); };
    if (x < 0 || x >= 1024)
        throw std::out_of_range("pixel outside the screen");
    return {at(0), at(1), at(2)};
}

WineSession& WineSession::Get() {
    static WineSession session;
    return session;
}

// Runs inside the environment wine-env made ("wine-env run"), so that every program started runs there too.
WineSession::WineSession() {
    for (const char* name : {"WINEPREFIX", "WINELOADER", "DISPLAY"})
        Require(std::getenv(name) != nullptr,
                "not inside a Wine environment: run the tests through CTest or wine-env run");
    prefix_ = std::getenv("WINEPREFIX");
}

void WineSession::Registry(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {std::getenv("WINELOADER"), "reg"});
    arguments.push_back("/f");
    RunProgram(arguments);
}

std::string WineSession::RegistryValue(const std::string& key, const std::string& name) {
    std::istringstream in(RunProgram({std::getenv("WINELOADER"), "reg", "query", "HKCU\\" + key, "/v", name}));
    std::string word, type, bytes;
    while (in >> word && word != name) {
    }
    in >> type >> bytes;
    return type.empty() ? "" : type + " " + bytes;
}

void WineSession::SetWindowsVersion(const std::string& version) {
    Registry({"add", "HKCU\\Software\\Wine\\AppDefaults\\vurozud.exe", "/v", "Version", "/d", version});
}

void WineSession::SetDotsPerInch(int dotsPerInch) {
    Registry({"add", "HKCU\\Control Panel\\Desktop", "/v", "LogPixels", "/t", "REG_DWORD", "/d",
              std::to_string(dotsPerInch)});
}

WindowFacts WineSession::Ask(std::vector<std::string> question) {
    question.insert(question.begin(), {std::getenv("WINELOADER"), WINPROBE_EXE});
    WindowFacts facts;
    std::istringstream in(RunProgram(question));
    for (std::string line; std::getline(in, line);) {
        line.erase(line.find_last_not_of('\r') + 1);
        if (const std::size_t equals = line.find('='); equals != std::string::npos)
            facts.Fields[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return facts;
}

WindowFacts WineSession::WaitForWindow(const std::string& title, bool visible) {
    WindowFacts facts;
    const auto found = [&] {
        facts = Ask({"window", title});
        return facts["count"] != "0" && facts["visible"] == (visible ? "1" : "0");
    };
    WaitFor(std::string(visible ? "a visible" : "a hidden") + " window \"" + title + "\"", found, 20s);
    if (visible) {
        // Wine maps the window's X window, which takes the clicks, just after the window turns visible, and
        // moves it just after the window moves.
        const Rect client = facts.RectOf("client");
        const std::string where = "X=" + std::to_string(client.Left) + "\nY=" + std::to_string(client.Top) +
                                  "\nWIDTH=" + std::to_string(client.Width()) + "\nHEIGHT=" +
                                  std::to_string(client.Height()) + "\n";
        WaitFor("the display to show \"" + title + "\" at " + facts["client"], [&] {
            return RunProgram({"xdotool", "search", "--onlyvisible", "--name", "^" + title + "$", "getwindowgeometry",
                               "--shell"})
                       .find(where) != std::string::npos;
        });
    }
    return facts;
}

void WineSession::WaitForWindowGone(const std::string& title) {
    WaitFor("no window \"" + title + "\"", [&] { return Ask({"window", title})["count"] == "0"; });
}

// Waits until the X server has the pointer there. (Not xdotool's --sync: it waits for the pointer to move,
// which never happens when it is there already.)
void WineSession::MovePointerTo(int x, int y) {
    RunProgram({"xdotool", "mousemove", std::to_string(x), std::to_string(y)});
    const std::string expected = "x:" + std::to_string(x) + " y:" + std::to_string(y) + " ";
    WaitFor("the pointer at " + expected,
            [&] { return RunProgram({"xdotool", "getmouselocation"}).rfind(expected, 0) == 0; }, 2s);
}

void WineSession::ClickAt(int x, int y) {
    MovePointerTo(x, y);
    RunProgram({"xdotool", "click", "1"});
}

Screenshot WineSession::TakeScreenshot() {
    // A window paints after it shows, and the display draws what it is given a moment later.
    std::string shot, before;
    WaitFor("two screenshots in a row the same", [&] {
        before = std::exchange(shot, RunProgram({"import", "-window", "root", "-depth", "8", "rgb:-"}));
        return shot == before;
    });
    return Screenshot(shot);
}

PointerShape WineSession::Pointer() {
    Display* display = XOpenDisplay(nullptr);
    Require(display != nullptr, "cannot open the display");
    XFixesCursorImage* image = XFixesGetCursorImage(display);
    const PointerShape shape = image ? PointerShape{image->width, image->height, image->xhot, image->yhot}
                                     : PointerShape{};
    XFree(image);
    XCloseDisplay(display);
    return shape;
}

std::vector<std::uint32_t> WineSession::WindowIcon(const std::string& title) {
    std::istringstream in(RunProgram(
        {"xprop", "-name", title, "-notype", "-f", "_NET_WM_ICON", "32c", " $0+", "_NET_WM_ICON"})); // none: ""
    std::string name;
    std::size_t width = 0, height = 0;
    char comma;
    in >> name >> width >> comma >> height;
    std::vector<std::uint32_t> icon;
    for (std::uint32_t pixel; icon.size() < width * height && in >> comma >> pixel;)
        icon.push_back(pixel);
    return icon;
}

LauncherProcess::LauncherProcess(const std::string& failing) {
    WineSession::Get().WaitForWindowGone(kTitle); // a launcher ended a moment ago may still be going
    // env runs Wine in its own process, so this stays the launcher's.
    pid_ = Spawn({"env", "ACTIVE_DESKTOP_JOURNAL=c:\\active-desktop-journal.txt", "ACTIVE_DESKTOP_FAIL=" + failing,
                  std::getenv("WINELOADER"), VUROZUD_EXE});
    try {
        window_ = WineSession::Get().WaitForWindow(kTitle);
    } catch (...) {
        Kill(); // no destructor runs for it
        throw;
    }
}

void LauncherProcess::Kill() {
    if (Running()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

bool LauncherProcess::Running() {
    int status = 0;
    if (!exitCode_ && waitpid(pid_, &status, WNOHANG) == pid_)
        exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return !exitCode_;
}

int LauncherProcess::WaitForExit(std::chrono::milliseconds timeout) {
    WaitFor("the launcher to end", [&] { return !Running(); }, timeout);
    return *exitCode_;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    Require(in.is_open(), "cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::vector<std::string> WaitForJournal(std::size_t lines) {
    std::vector<std::string> journal;
    const bool complete = WaitUntil([&] {
        journal.clear();
        std::ifstream in(WineSession::Get().JournalFile());
        for (std::string line; std::getline(in, line);)
            journal.push_back(line);
        return journal.size() >= lines &&
               (lines == 0 || journal.back() == "release" || journal.back().rfind("create ->", 0) == 0);
    });
    std::string text;
    for (const std::string& line : journal)
        text += "\n    " + line;
    Require(complete, "no journal of " + std::to_string(lines) + " lines ending in a finished call in 10 s:" + text);
    return journal;
}

} // namespace vurozud::test
