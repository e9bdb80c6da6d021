#include "WineSession.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace vurozud::wine {
namespace {

// Loads the exports that wine-env wrote (DISPLAY, WINEPREFIX, ...) into this process, so that every
// program the tests start runs in the session.
void LoadEnvironment(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in)
        throw std::runtime_error("no Wine environment at " + file.string() + ": run the tests through CTest");
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line.substr(line.rfind("export ", 0) == 0 ? 7 : 0));
        std::string assignment;
        while (words >> assignment) {
            const auto equals = assignment.find('=');
            if (equals == std::string::npos)
                continue;
            std::string value = assignment.substr(equals + 1);
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
                value = value.substr(1, value.size() - 2);
            setenv(assignment.substr(0, equals).c_str(), value.c_str(), 1);
        }
    }
}

// Windows programs end their lines in CR LF.
bool ReadLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line))
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

std::map<std::string, std::string> KeyValues(const std::string& text) {
    std::map<std::string, std::string> fields;
    std::istringstream in(text);
    std::string line;
    while (ReadLine(in, line)) {
        const auto equals = line.find('=');
        if (equals != std::string::npos)
            fields[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return fields;
}

Rect ParseRect(const std::string& text) {
    Rect r{};
    if (std::sscanf(text.c_str(), "%d,%d,%d,%d", &r.Left, &r.Top, &r.Right, &r.Bottom) != 4)
        throw std::runtime_error("not a rectangle: " + text);
    return r;
}

template <typename Condition> bool WaitUntil(Condition condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(100ms);
    }
    return true;
}

} // namespace

const std::string& WindowFacts::operator[](const std::string& key) const {
    const auto found = Fields.find(key);
    if (found == Fields.end())
        throw std::runtime_error("the probe did not report " + key);
    return found->second;
}

Rect WindowFacts::ClientRect() const { return ParseRect((*this)["client"]); }
Rect WindowFacts::WindowRect() const { return ParseRect((*this)["window"]); }
unsigned long WindowFacts::Style() const { return std::stoul((*this)["style"], nullptr, 16); }

WineSession& WineSession::Get() {
    static WineSession session;
    return session;
}

WineSession::WineSession() {
    const char* folder = std::getenv("VUROZUD_WINE_ENV");
    if (!folder)
        throw std::runtime_error("VUROZUD_WINE_ENV is not set: run the tests through CTest");
    LoadEnvironment(std::filesystem::path(folder) / "env");
    prefix_ = std::getenv("WINEPREFIX");
}

std::filesystem::path WineSession::DriveC() const { return prefix_ / "drive_c"; }
std::filesystem::path WineSession::InstallFolder() const { return DriveC() / "program files" / "zodoraz"; }
std::filesystem::path WineSession::JournalFile() const { return DriveC() / "active-desktop-journal.txt"; }

void WineSession::SetLauncherWindowsVersion(const std::string& version) {
    Wine({"reg", "add", "HKCU\\Software\\Wine\\AppDefaults\\vurozud.exe", "/v", "Version", "/d", version, "/f"});
}

ProgramResult WineSession::Wine(const std::vector<std::string>& arguments) {
    std::vector<std::string> command{"wine"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return RunProgram(command);
}

ProgramResult WineSession::Probe(const std::vector<std::string>& arguments) {
    std::vector<std::string> command{WINPROBE_EXE};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return Wine(command);
}

std::optional<WindowFacts> WineSession::FindWindow(const std::string& title) {
    const ProgramResult answer = Probe({"window", title});
    if (answer.ExitCode != 0)
        return std::nullopt;
    return WindowFacts{KeyValues(answer.Output)};
}

WindowFacts WineSession::WaitForWindow(const std::string& title, std::chrono::milliseconds timeout) {
    std::optional<WindowFacts> facts;
    if (!WaitUntil([&] { return (facts = FindWindow(title)) && (*facts)["visible"] == "1"; }, timeout))
        throw std::runtime_error("no visible window titled \"" + title + "\"");
    return *facts;
}

bool WineSession::WaitForWindowGone(const std::string& title, std::chrono::milliseconds timeout) {
    return WaitUntil([&] { return !FindWindow(title).has_value(); }, timeout);
}

int WineSession::CountWindows(const std::string& title) {
    return std::stoi(KeyValues(Probe({"count", title}).Output).at("count"));
}

std::vector<ChildWindow> WineSession::Children(const std::string& title) {
    std::vector<ChildWindow> children;
    std::istringstream in(Probe({"children", title}).Output);
    std::string line;
    while (ReadLine(in, line)) {
        if (line.rfind("child ", 0) != 0)
            continue;
        ChildWindow child;
        const auto field = [&](const std::string& name) {
            const auto start = line.find(name + "=") + name.size() + 1;
            return line.substr(start, line.find(' ', start) - start);
        };
        child.ClassName = field("class");
        child.Box = ParseRect(field("rect"));
        child.Text = line.substr(line.find(" text=") + 6);
        children.push_back(child);
    }
    return children;
}

std::map<std::string, std::string> WineSession::RegistryValue(const std::string& key, const std::string& name) {
    return KeyValues(Probe({"regvalue", key, name}).Output);
}

void WineSession::DeleteRegistryValue(const std::string& key, const std::string& name) {
    Wine({"reg", "delete", "HKCU\\" + key, "/v", name, "/f"});
}

void WineSession::SetBinaryRegistryValue(const std::string& key, const std::string& name, const std::string& hexBytes) {
    Wine({"reg", "add", "HKCU\\" + key, "/v", name, "/t", "REG_BINARY", "/d", hexBytes, "/f"});
}

// Moves the pointer and waits until the X server has it there. (Not xdotool's --sync: it waits
// for the pointer to move, which never happens when it is there already.)
void WineSession::MovePointerTo(int x, int y) {
    RunProgram({"xdotool", "mousemove", std::to_string(x), std::to_string(y)});
    const std::string expected = "x:" + std::to_string(x) + " y:" + std::to_string(y) + " ";
    WaitUntil([&] { return RunProgram({"xdotool", "getmouselocation"}).Output.rfind(expected, 0) == 0; }, 2s);
}

void WineSession::ClickAt(int x, int y) {
    MovePointerTo(x, y);
    RunProgram({"xdotool", "click", "1"});
}

void WineSession::PressKey(const std::string& key) { RunProgram({"xdotool", "key", key}); }

Screenshot WineSession::TakeScreenshot() {
    const ProgramResult shot = RunProgram({"import", "-window", "root", "-depth", "8", "ppm:-"});
    if (shot.ExitCode != 0)
        throw std::runtime_error("import could not take a screenshot");
    return Screenshot::FromPortablePixmap(shot.Output);
}

LauncherProcess::LauncherProcess(const std::vector<std::string>& extraEnvironment) {
    WineSession& session = WineSession::Get();
    std::vector<std::string> environment{std::string("ACTIVE_DESKTOP_JOURNAL=") + WineSession::kJournalWindowsPath};
    environment.insert(environment.end(), extraEnvironment.begin(), extraEnvironment.end());
    for (const std::string& assignment : environment) {
        const auto equals = assignment.find('=');
        const std::string name = assignment.substr(0, equals);
        restoreEnvironment_.push_back(name);
        setenv(name.c_str(), assignment.substr(equals + 1).c_str(), 1);
    }
    program_ = std::make_unique<BackgroundProgram>(std::vector<std::string>{"wine", VUROZUD_EXE});
    window_ = session.WaitForWindow(kTitle);
    // Wine maps the X window just after the window turns visible; clicks before that are lost.
    std::this_thread::sleep_for(300ms);
}

LauncherProcess::~LauncherProcess() {
    program_->Kill();
    for (const std::string& name : restoreEnvironment_)
        unsetenv(name.c_str());
    // The next test starts from no launcher window at all.
    WineSession::Get().WaitForWindowGone(kTitle);
}

void LauncherProcess::ClickClient(int x, int y) {
    const Rect client = window_.ClientRect();
    WineSession::Get().ClickAt(client.Left + x, client.Top + y);
}

void LauncherProcess::ClickCommand(const std::string& text) {
    const Rect box = CommandBox(text);
    ClickClient((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
}

Rect CommandBox(const std::string& text) {
    // Twips at 15 to the pixel: left, top, width, height.
    static const std::map<std::string, Rect> boxes{
        {"Run Vurozud Tree Desktop", {300 / 15, 2520 / 15, 3345 / 15, 2775 / 15}},
        {"Close Vurozud Tree Desktop", {480 / 15, 3120 / 15, 3135 / 15, 3375 / 15}},
        {"Instructions and Controls", {240 / 15, 3720 / 15, 3285 / 15, 3975 / 15}},
        {"Help and Support", {480 / 15, 4320 / 15, 3135 / 15, 4575 / 15}},
        {"Exit This Menu", {480 / 15, 4920 / 15, 3135 / 15, 5175 / 15}},
    };
    return boxes.at(text);
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> JournalLines() {
    std::vector<std::string> lines;
    std::ifstream in(WineSession::Get().JournalFile());
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

} // namespace vurozud::wine
