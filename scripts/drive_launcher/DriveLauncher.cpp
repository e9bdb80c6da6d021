// Works the launcher the way scripts/run shows it without a display, through the end-to-end tests' harness:
// at the given dots per inch it installs the page template, saves pictures of the launcher and of its
// instructions window, closes the instructions, clicks Run, prints the generated page's size line and the
// wallpaper calls the stand-in Active Desktop recorded, and ends the launcher with Exit. The environment is a
// new one each time (scripts/run), so all it shows comes from this run.
//
//   drive_launcher DOTS_PER_INCH TEMPLATE OUT_FOLDER
//
// Runs inside a Wine environment with the stand-in registered (wine-env setup, wine-env run). Every wait is
// the harness's, each bounded; a step that does not happen ends the run with a non-zero status and why.

#include "Layout.h" // and the harness

#include <exception>
#include <filesystem>
#include <iostream>
#include <regex>
#include <string>

namespace vurozud::test {
namespace {

constexpr const char* kInstructionsTitle = "Instructions and Controls";

// Saves the part of the display a window's client area covers as a picture file, once the display is still.
void SavePicture(const Rect& area, const std::filesystem::path& file) {
    WineSession::Get().TakeScreenshot();
    const std::string geometry = std::to_string(area.Width()) + "x" + std::to_string(area.Height()) + "+" +
                                 std::to_string(area.Left) + "+" + std::to_string(area.Top);
    RunProgram({"import", "-window", "root", "-crop", geometry, "+repage", file.string()});
}

void Drive(int dotsPerInch, const std::filesystem::path& pageTemplate, const std::filesystem::path& outFolder) {
    const auto pixels = [&](const TwipRect& box) { return Pixels(box, dotsPerInch); };
    WineSession& session = WineSession::Get();
    session.SetDotsPerInch(dotsPerInch);
    WriteFile(session.InstallFolder() / "bg1.htm", ReadFile(pageTemplate));
    std::filesystem::create_directories(outFolder);

    LauncherProcess launcher;
    SavePicture(launcher.Window().RectOf("client"), outFolder / "launcher.png");
    launcher.ClickClient(pixels(kInstructions));
    const Rect instructions = session.WaitForWindow(kInstructionsTitle).RectOf("client");
    SavePicture(instructions, outFolder / "instructions.png");
    std::cout << "pictures of the launcher and its instructions window in " << outFolder.string() << "\n";
    // It opens centred, over the launcher's lines: hide it with its Close button.
    session.ClickAt(OnScreen(instructions, pixels(kInstructionsClose)));
    session.WaitForWindow(kInstructionsTitle, false);

    launcher.ClickClient(pixels(kRun));
    std::string calls;
    for (const std::string& call : WaitForJournal())
        calls += "  " + call + "\n";
    Require(session.Ask({"window", "Menu"})["count"] == "0", "Run failed: the launcher shows an error box\n" + calls);
    std::smatch sizeLine;
    const std::string page = ReadFile(session.InstallFolder() / "bg2.htm");
    Require(std::regex_search(page, sizeLine, std::regex("width=[0-9.]+ height=[0-9.]+")), "the page has no size line");
    std::cout << "the generated page's size line: " << sizeLine.str() << "\nwallpaper calls recorded:\n" << calls;

    launcher.ClickClient(pixels(kExit));
    Require(launcher.WaitForExit() == 0, "the launcher ended with a status other than 0 on Exit");
    std::cout << "Exit: the launcher ended (status 0)\n";
}

} // namespace
} // namespace vurozud::test

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: drive_launcher DOTS_PER_INCH TEMPLATE OUT_FOLDER\n";
        return 2;
    }
    try {
        vurozud::test::Drive(std::stoi(argv[1]), argv[2], argv[3]);
        return 0;
    } catch (const std::exception& failure) {
        std::cerr << "drive_launcher: " << failure.what() << "\n";
        return 1;
    }
}
