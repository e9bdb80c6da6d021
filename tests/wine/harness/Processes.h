#pragma once
// Starting Linux programs (wine, xdotool, ImageMagick) from the tests.

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

namespace vurozud::wine {

struct ProgramResult {
    int ExitCode; // -1 when the program did not end normally
    std::string Output;
};

// Runs a program to its end and collects its standard output.
ProgramResult RunProgram(const std::vector<std::string>& arguments);

// A program running in the background; killed when this object goes if it still runs.
class BackgroundProgram {
public:
    explicit BackgroundProgram(const std::vector<std::string>& arguments);
    BackgroundProgram(const BackgroundProgram&) = delete;
    BackgroundProgram& operator=(const BackgroundProgram&) = delete;
    ~BackgroundProgram();

    // The exit code once the program has ended within the time, nothing otherwise.
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout);
    bool Running();
    void Kill();
    // The Linux process id; for "wine PROGRAM" it is the Wine process of the program itself.
    pid_t Pid() const { return pid_; }

private:
    pid_t pid_;
    std::optional<int> exitCode_;
};

} // namespace vurozud::wine
