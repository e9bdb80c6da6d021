#include "Processes.h"

#include <cerrno>
#include <csignal>
#include <stdexcept>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vurozud::wine {
namespace {

std::vector<char*> ArgumentVector(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    return argv;
}

int ExitCodeOf(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }

} // namespace

ProgramResult RunProgram(const std::vector<std::string>& arguments) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid;
    std::vector<char*> argv = ArgumentVector(arguments);
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        throw std::runtime_error("cannot start " + arguments.front());
    }
    // Read until the program has ended and its output is drained. Wine may start a background
    // service from inside the program, which inherits the output and keeps it open for good, so
    // the end of the program, not the end of the output, is what ends the reading.
    std::string output;
    char buffer[4096];
    int status = 0;
    bool ended = false;
    for (;;) {
        pollfd readable{pipeEnds[0], POLLIN, 0};
        const int ready = poll(&readable, 1, ended ? 0 : 50);
        if (ready > 0) {
            const ssize_t count = read(pipeEnds[0], buffer, sizeof buffer);
            if (count > 0) {
                output.append(buffer, static_cast<std::size_t>(count));
                continue;
            }
            if (count == 0 || errno != EINTR)
                break; // the end of the output
        } else if (ended) {
            break; // ended, and nothing more is waiting
        }
        if (!ended && waitpid(pid, &status, WNOHANG) == pid)
            ended = true;
    }
    close(pipeEnds[0]);
    if (!ended)
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    return {ExitCodeOf(status), output};
}

BackgroundProgram::BackgroundProgram(const std::vector<std::string>& arguments) {
    std::vector<char*> argv = ArgumentVector(arguments);
    if (posix_spawnp(&pid_, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        throw std::runtime_error("cannot start " + arguments.front());
}

BackgroundProgram::~BackgroundProgram() { Kill(); }

std::optional<int> BackgroundProgram::WaitForExit(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (Running()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return exitCode_;
}

bool BackgroundProgram::Running() {
    if (exitCode_)
        return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_)
        exitCode_ = ExitCodeOf(status);
    return !exitCode_;
}

void BackgroundProgram::Kill() {
    if (Running()) {
        kill(pid_, SIGKILL);
        int status = 0;
        waitpid(pid_, &status, 0);
        exitCode_ = -1;
    }
}

} // namespace vurozud::wine
