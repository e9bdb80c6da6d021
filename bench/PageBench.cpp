// How fast the desktop page is made, against copying the template with cp and against the same replacement
// done by sed, all on one generated template and measured in the same run; and how much memory it takes.
//
//   page_bench FOLDER [SIZE_MB [RUNS]]   generates FOLDER/bg1.htm of SIZE_MB (100) and times each tool RUNS (5)
//                                        times, reporting medians; FOLDER must exist and is left as it was found
//   page_bench --transform IN OUT        makes the page for a 1024 by 768 screen from IN into OUT (the child
//                                        process that is timed and whose peak memory is read)

#include "DesktopPage.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace vurozud {
namespace {

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

class Fd {
public:
    Fd(const std::string& path, int flags) : fd_(open(path.c_str(), flags, 0644)) {
        if (fd_ < 0)
            Fail("open " + path);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { close(fd_); }
    int Get() const { return fd_; }

private:
    int fd_;
};

class FdSource : public ByteSource {
public:
    explicit FdSource(int fd) : fd_(fd) {}
    MaybeFailure Read(std::span<char> buffer, std::size_t& count) override {
        for (;;) {
            const ssize_t read = ::read(fd_, buffer.data(), buffer.size());
            if (read >= 0) {
                count = static_cast<std::size_t>(read);
                return std::nullopt;
            }
            if (errno != EINTR)
                Fail("read");
        }
    }

private:
    int fd_;
};

class FdSink : public ByteSink {
public:
    explicit FdSink(int fd) : fd_(fd) {}
    MaybeFailure Write(std::span<const char> bytes) override {
        while (!bytes.empty()) {
            const ssize_t count = write(fd_, bytes.data(), bytes.size());
            if (count < 0 && errno == EINTR)
                continue;
            if (count <= 0)
                Fail("write");
            bytes = bytes.subspan(static_cast<std::size_t>(count));
        }
        return std::nullopt;
    }

private:
    int fd_;
};

int TransformFile(const std::string& in, const std::string& out, std::size_t chunkSize) {
    const Fd input(in, O_RDONLY);
    const Fd output(out, O_WRONLY | O_CREAT | O_TRUNC);
    FdSource source(input.Get());
    FdSink sink(output.Get());
    // The streams end the program themselves when the system refuses.
    static_cast<void>(TransformDesktopPage(source, sink, "1024", "768", chunkSize));
    return 0;
}

// Writes a template of about the given size: HTML-like lines ending in CR LF, the size pattern now and then,
// and in the middle one line a tenth of the whole that never breaks.
void GenerateTemplate(const std::string& path, std::size_t size) {
    const Fd file(path, O_WRONLY | O_CREAT | O_TRUNC);
    FdSink sink(file.Get());
    std::string buffer;
    const auto flush = [&] {
        static_cast<void>(sink.Write(buffer));
        buffer.clear();
    };
    std::uint32_t state = 12345;
    const auto next = [&](std::uint32_t below) {
        state = state * 1664525u + 1013904223u;
        return std::to_string((state >> 8) % below);
    };
    std::size_t written = 0;
    bool longLineDone = false;
    for (std::size_t line = 0; written < size; ++line) {
        if (!longLineDone && written >= size / 2) {
            for (std::size_t inLine = 0; inLine < size / 10;) {
                const std::string piece = (inLine / 2048) % 2 == 0 && inLine % 2048 < 40
                                              ? "<embed src=\"tree.swf\" width=800 height=600>"
                                              : "<span class=\"light" + next(12) + "\">*</span>";
                buffer += piece;
                inLine += piece.size();
                if (buffer.size() >= (1u << 20)) {
                    written += buffer.size();
                    flush();
                }
            }
            buffer += "\r\n";
            longLineDone = true;
        }
        switch (line % 4) {
        case 0:
            buffer += "<div id=\"o" + std::to_string(line) + "\" class=\"ornament\" style=\"position:absolute; left:" +
                      next(800) + "px; top:" + next(600) + "px; z-index:" + next(50) + "\">\r\n";
            break;
        case 1:
            buffer += "  <img src=\"images/bauble" + next(40) + ".gif\" alt=\"\" border=0>\r\n";
            break;
        case 2:
            buffer += line % 500 == 2 ? "  <table width=800 height=600 cellpadding=0 cellspacing=0><tr><td>\r\n"
                                     : "  <p align=center><font face=\"Arial\" color=\"#00ff00\">Merry</font></p>\r\n";
            break;
        default:
            buffer += "</div>\r\n";
        }
        if (buffer.size() >= (1u << 20)) {
            written += buffer.size();
            flush();
        }
    }
    flush();
    // On disk before the timing starts, so that its writing out does not fall on one of the tools.
    if (fsync(file.Get()) != 0)
        Fail("fsync " + path);
}

struct RunResult {
    double seconds;
    long peakKilobytes;
};

// Runs a program (found on PATH), its output to a file if one is named, and measures it from start to end.
RunResult Run(const std::vector<std::string>& command, const std::string& outputPath = {}) {
    std::vector<char*> arguments;
    for (const std::string& argument : command)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0)
        Fail("fork");
    if (child == 0) {
        if (!outputPath.empty()) {
            const int output = open(outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (output < 0 || dup2(output, STDOUT_FILENO) < 0)
                _exit(126);
            close(output);
        }
        execvp(arguments[0], arguments.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) < 0)
        Fail("wait4");
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(command[0] + " failed");
    return {std::chrono::duration<double>(end - start).count(), usage.ru_maxrss};
}

// The best and the middle of a set of times: the best is what the machine can do, the median what it did.
struct Times {
    double best;
    double median;
};

Times Summary(std::vector<double> seconds) {
    std::sort(seconds.begin(), seconds.end());
    return {seconds.front(), seconds[seconds.size() / 2]};
}

// A digest of a file's bytes from the given offset on, to compare two outputs without keeping both: two
// large files left on disk would have the system write them out while the next tool is being timed.
std::uint64_t FileDigest(const std::string& path, off_t from) {
    const Fd file(path, O_RDONLY);
    if (lseek(file.Get(), from, SEEK_SET) != from)
        Fail("lseek " + path);
    FdSource bytes(file.Get());
    std::vector<char> buffer(1 << 20);
    std::uint64_t digest = 14695981039346656037u;
    std::uint64_t length = 0;
    for (std::size_t count; static_cast<void>(bytes.Read(buffer, count)), count != 0; length += count) {
        for (std::size_t i = 0; i < count; ++i)
            digest = (digest ^ static_cast<unsigned char>(buffer[i])) * 1099511628211u;
    }
    return digest ^ length;
}

int Benchmark(const std::string& self, const std::string& folder, std::size_t sizeMb, int runs) {
    const std::string templatePath = folder + "/bg1.htm";
    const std::string copyPath = folder + "/copy.htm";
    const std::string sedPath = folder + "/sed.htm";
    const std::string pagePath = folder + "/bg2.htm";
    GenerateTemplate(templatePath, sizeMb * 1024 * 1024);

    std::vector<double> copyTimes, sedTimes, pageTimes;
    long peakKilobytes = 0;
    bool same = true;
    // Taken in turns, so that a slower moment of the machine falls on all three alike; each output is removed
    // as soon as it is measured (the page and sed's output once compared, the first time round).
    for (int run = 0; run < runs; ++run) {
        copyTimes.push_back(Run({"cp", templatePath, copyPath}).seconds);
        unlink(copyPath.c_str());

        const std::string script = "s/width=800 height=600/width=1024 height=768/g";
        sedTimes.push_back(Run({"sed", script, templatePath}, sedPath).seconds);
        const std::uint64_t sedDigest = run == 0 ? FileDigest(sedPath, 0) : 0;
        unlink(sedPath.c_str());

        const RunResult page = Run({self, "--transform", templatePath, pagePath});
        pageTimes.push_back(page.seconds);
        peakKilobytes = std::max(peakKilobytes, page.peakKilobytes);
        if (run == 0) {
            // The page is one CR LF and then what sed makes of a template whose lines all end in CR LF.
            const Fd start(pagePath, O_RDONLY);
            char lineBreak[2] = {};
            same = read(start.Get(), lineBreak, 2) == 2 && lineBreak[0] == '\r' && lineBreak[1] == '\n' &&
                   FileDigest(pagePath, 2) == sedDigest;
        }
        unlink(pagePath.c_str());
    }
    unlink(templatePath.c_str());

    const Times page = Summary(pageTimes), copy = Summary(copyTimes), sed = Summary(sedTimes);
    const double peakMb = static_cast<double>(peakKilobytes) / 1024.0;
    std::printf("page transform %zu MB: %.3f s, %.2f x cp, %.3f x sed, peak %.1f MB\n", sizeMb, page.best,
                page.best / copy.best, page.best / sed.best, peakMb);
    std::printf("best of %d runs each, taken in turns: cp %.3f s, sed %.3f s; medians: page %.3f s, cp %.3f s, "
                "sed %.3f s (%.2f x cp, %.3f x sed)\n",
                runs, copy.best, sed.best, page.median, copy.median, sed.median, page.median / copy.median,
                page.median / sed.median);
    std::printf("targets (best times): at most 1.5 x cp %s, at least 3 x faster than sed %s, peak under 16 MB %s\n",
                page.best <= 1.5 * copy.best ? "met" : "NOT MET", page.best * 3 <= sed.best ? "met" : "NOT MET",
                peakMb < 16 ? "met" : "NOT MET");
    if (!same) {
        std::printf("the page differs from sed's output after its leading empty line\n");
        return 1;
    }
    std::printf("the page equals sed's output after its leading empty line\n");
    return 0;
}

} // namespace
} // namespace vurozud

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> arguments(argv + 1, argv + argc);
        if ((arguments.size() == 3 || arguments.size() == 4) && arguments[0] == "--transform")
            return vurozud::TransformFile(arguments[1], arguments[2],
                                          arguments.size() == 4 ? std::stoul(arguments[3]) : vurozud::kPageChunkSize);
        if (arguments.size() >= 1 && arguments.size() <= 3) {
            const std::size_t sizeMb = arguments.size() >= 2 ? std::stoul(arguments[1]) : 100;
            const int runs = arguments.size() >= 3 ? std::stoi(arguments[2]) : 5;
            if (sizeMb > 0 && runs > 0)
                return vurozud::Benchmark(argv[0], arguments[0], sizeMb, runs);
        }
        std::fprintf(stderr, "usage: page_bench FOLDER [SIZE_MB [RUNS]]\n       page_bench --transform IN OUT\n");
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "page_bench: %s\n", error.what());
        return 1;
    }
}
