// The launcher used for a long while under Wine, through real clicks: RUNS Run commands and CYCLES show/hide
// cycles of the instructions window in one process (300 and 50 unless given), with the figures that would
// show a leak before and after: the rows of the system's handle table the process owns (Wine answers 0 for
// the handle and GUI object counts, but keeps the table), and what Linux sees of the Wine process: its open
// descriptors, resident and data memory. Also the files left in the install folder, and any error box.
//
//   tests/tools/wine-env run DIR soak_bench [RUNS [CYCLES]]   (DIR set up with the stand-in)

#include "Layout.h" // and the harness

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>

using namespace vurozud::test;

namespace {

// At the environment's 96 dots per inch.
const Rect kRunLine = Pixels(kRun), kInstructionsLine = Pixels(kInstructions);
const Rect kCloseButton = Pixels(kInstructionsClose);

long StatusField(pid_t pid, const std::string& name) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(name + ":", 0) == 0)
            return std::stol(line.substr(name.size() + 1));
    return -1;
}

long Count(const std::filesystem::path& folder) {
    long count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++count;
    return count;
}

std::string Figures(WineSession& session, LauncherProcess& launcher) {
    const pid_t pid = launcher.LinuxPid();
    std::string tableRows = RunProgram({std::getenv("WINELOADER"), HANDLE_TABLE_EXE, launcher.Window()["pid"]});
    tableRows.erase(tableRows.find_last_not_of("\r\n") + 1);
    return "table handles " + tableRows +
           ", descriptors " + std::to_string(Count("/proc/" + std::to_string(pid) + "/fd")) + ", resident " +
           std::to_string(StatusField(pid, "VmRSS")) + " kB, data " + std::to_string(StatusField(pid, "VmData")) +
           " kB, files in the install folder " + std::to_string(Count(session.InstallFolder()));
}

bool Run(WineSession& session, LauncherProcess& launcher) {
    static int shift = 0; // each click 10 pixels beside the last: two quick ones in one place are a double-click
    std::filesystem::remove(session.JournalFile());
    launcher.ClickClient({kRunLine.Left + (shift ^= 10), kRunLine.Top, kRunLine.Right + shift, kRunLine.Bottom});
    try {
        return WaitForJournal(5).size() == 5;
    } catch (const std::exception&) { // not complete within its time
        return false;
    }
}

bool ShowAndHide(WineSession& session, LauncherProcess& launcher) {
    launcher.ClickClient(kInstructionsLine);
    const Rect client = session.WaitForWindow("Instructions and Controls").RectOf("client");
    session.ClickAt(OnScreen(client, kCloseButton));
    return session.WaitForWindow("Instructions and Controls", false)["visible"] == "0";
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 300, cycles = argc > 2 ? std::atoi(argv[2]) : 50;
    WineSession& session = WineSession::Get();
    std::string page = "<html>\r\n<body>\r\n  <embed src=tree.svg width=800 height=600 name=tree>\r\n";
    for (int line = 0; line < 400; ++line) // more than one buffer's worth for every Run
        page += "  <div class=ornament id=o" + std::to_string(line) + ">ornament</div>\r\n";
    WriteFile(session.InstallFolder() / "bg1.htm", page + "</body>\r\n</html>\r\n");
    // The Windows 95 family takes the longest path: page, registry and wallpaper on every Run.
    session.SetWindowsVersion("win98");
    LauncherProcess launcher;
    // The first Run loads the shell's libraries and the first show creates the window; those stay.
    if (!Run(session, launcher) || !ShowAndHide(session, launcher))
        return std::puts("soak: the first Run or show/hide did not complete"), 1;
    const std::string start = Figures(session, launcher);
    const auto began = std::chrono::steady_clock::now();
    int failures = 0;
    for (int run = 1; run <= runs; ++run) {
        failures += !Run(session, launcher);
        if (cycles > 0 && run % std::max(1, runs / cycles) == 0)
            failures += !ShowAndHide(session, launcher);
    }
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - began);
    std::cout << "soak: " << runs << " Runs and " << cycles << " instructions show/hide cycles in one launcher, "
              << elapsed.count() / std::max(1, runs) << " ms a Run on average\n"
              << "soak start: " << start << "\nsoak end:   " << Figures(session, launcher) << "\n"
              << "soak: " << failures << " commands that did not complete, error boxes "
              << session.Ask({"window", "Menu"})["count"] << std::endl;
    session.SetWindowsVersion("winxp");
    return 0;
}
