// How much memory making the desktop page takes, on a large template against a small one: the transform holds no
// more than a fixed buffer or two, so the two peaks should be the same. Built for the host, from the same source
// as the program's transform.
//
//   page_memory FOLDER [SIZE_MB]    generates templates of SIZE_MB (1024) and of 1 MB in FOLDER, makes the page of
//                                   each in a child process, prints both peaks and their ratio, and removes the files
//   page_memory --transform IN OUT  makes the page for a 1024 by 768 screen from IN into OUT (the child process)

#include "DesktopPage.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

namespace vurozud {
namespace {

class StreamSource : public ByteSource {
public:
    explicit StreamSource(std::istream& in) : in_(in) {}
    MaybeFailure Read(std::span<char> buffer, std::size_t& count) override {
        in_.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        count = static_cast<std::size_t>(in_.gcount());
        return std::nullopt;
    }

private:
    std::istream& in_;
};

class StreamSink : public ByteSink {
public:
    explicit StreamSink(std::ostream& out) : out_(out) {}
    MaybeFailure Write(std::span<const char> bytes) override {
        if (!out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size())))
            throw std::runtime_error("cannot write the page");
        return std::nullopt;
    }

private:
    std::ostream& out_;
};

// HTML-like lines ending in CR LF with the size pattern now and then, and in the middle one line a tenth of the
// whole that never breaks.
void GenerateTemplate(const std::string& path, std::size_t size) {
    std::ofstream out(path, std::ios::binary);
    const std::string line = "  <img src=\"bauble.gif\" width=800 height=600 border=0>\r\n";
    const std::string longLinePiece = "<span class=\"light\">width=800 height=600</span>";
    for (std::size_t written = 0; written < size; written += line.size()) {
        if (written / line.size() == size / line.size() / 2) {
            for (std::size_t inLine = 0; inLine < size / 10; inLine += longLinePiece.size())
                out << longLinePiece;
            out << "\r\n";
        }
        out << line;
    }
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
}

// The peak resident memory, in kilobytes, of this program making the page of one template in a child process.
long PeakKilobytes(const std::string& self, const std::string& templatePath, const std::string& pagePath) {
    const pid_t child = fork();
    if (child < 0)
        throw std::runtime_error("fork failed");
    if (child == 0) {
        execl(self.c_str(), self.c_str(), "--transform", templatePath.c_str(), pagePath.c_str(), nullptr);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("the page of " + templatePath + " was not made");
    return usage.ru_maxrss;
}

int Measure(const std::string& self, const std::string& folder, std::size_t sizeMb) {
    const std::string large = folder + "/large.htm", small = folder + "/small.htm", page = folder + "/page.htm";
    GenerateTemplate(large, sizeMb << 20);
    GenerateTemplate(small, 1 << 20);
    const long largePeak = PeakKilobytes(self, large, page);
    const long smallPeak = PeakKilobytes(self, small, page);
    for (const std::string& file : {large, small, page})
        unlink(file.c_str());
    std::printf("page transform peak memory (host build): %.1f MB on a %zu MB template, %.1f MB on a 1 MB one: "
                "%.2f x\n",
                largePeak / 1024.0, sizeMb, smallPeak / 1024.0, static_cast<double>(largePeak) / smallPeak);
    return 0;
}

} // namespace
} // namespace vurozud

int main(int argc, char** argv) {
    try {
        const std::string mode = argc > 1 ? argv[1] : "";
        if (argc == 4 && mode == "--transform") {
            std::ifstream in(argv[2], std::ios::binary);
            std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
            if (!in || !out)
                throw std::runtime_error("cannot open the template or the page");
            vurozud::StreamSource source(in);
            vurozud::StreamSink sink(out);
            static_cast<void>(vurozud::TransformDesktopPage(source, sink, "1024", "768"));
            return out.flush() ? 0 : 1;
        }
        if (argc == 2 || argc == 3)
            return vurozud::Measure(argv[0], argv[1], argc == 3 ? std::stoul(argv[2]) : 1024);
        std::fprintf(stderr, "usage: page_memory FOLDER [SIZE_MB]\n       page_memory --transform IN OUT\n");
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "page_memory: %s\n", error.what());
        return 1;
    }
}
