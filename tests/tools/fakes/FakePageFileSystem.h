#pragma once
// Files in memory behind the page replacement's file operations, behaving as the system's do where it
// matters (a move does not overwrite, an open file cannot be moved or deleted), naming every step taken
// (each operation, each read and each write) so that a test can make any chosen step fail.

#include "Failure.h"
#include "PageReplacement.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vurozud::test {

inline constexpr std::uint32_t kErrorPathNotFound = 3; // ERROR_PATH_NOT_FOUND
inline constexpr std::uint32_t kErrorSharingViolation = 32;
inline constexpr std::uint32_t kErrorAlreadyExists = 183;
inline constexpr std::uint32_t kErrorDiskFull = 112; // what an injected failure says

class FakePageFileSystem : public PageFileSystem {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    bool hasOneStepReplace = true; // false: the Windows 95 family
    std::set<std::size_t> failingSteps;
    std::vector<std::string> steps;
    std::size_t openFiles = 0;

    std::unique_ptr<ByteSource> OpenForReading(const std::string& path) override {
        Step("OpenForReading", path);
        return std::make_unique<Reader>(*this, path);
    }

    std::string CreateUniqueFile(const std::string& folder) override {
        Step("CreateUniqueFile");
        if (!folders.contains(folder))
            throw Failure::Win32(kErrorPathNotFound, "CreateUniqueFile");
        std::string path;
        do
            path = folder + "pg" + std::to_string(++lastUnique_) + ".tmp";
        while (files.contains(path));
        files[path];
        return path;
    }

    std::unique_ptr<PageFileWriter> OpenForWriting(const std::string& path) override {
        Step("OpenForWriting", path);
        files[path].clear();
        return std::make_unique<Writer>(*this, path);
    }

    void Replace(const std::string& from, const std::string& to) override {
        if (!hasOneStepReplace)
            throw Failure::Win32(kErrorCallNotImplemented, "Replace");
        Step("Replace", from, to);
        files[to] = files.at(from);
        files.erase(from);
    }

    void Move(const std::string& from, const std::string& to) override {
        Step("Move", from);
        if (files.contains(to))
            throw Failure::Win32(kErrorAlreadyExists, "Move");
        files[to] = files.at(from);
        files.erase(from);
    }

    void Delete(const std::string& path) override {
        Step("Delete", path);
        files.erase(path);
    }

    // Names the step; fails it when asked to, or when a file it needs is missing or open.
    void Step(const std::string& name, const std::string& path = {}, const std::string& target = {}) {
        steps.push_back(name);
        if (failingSteps.contains(steps.size() - 1))
            throw Failure::Win32(kErrorDiskFull, name);
        if (!path.empty() && !files.contains(path))
            throw Failure::Win32(folders.contains(path.substr(0, path.rfind('\\') + 1)) ? kErrorFileNotFound
                                                                                         : kErrorPathNotFound,
                                 name);
        for (const std::string& file : {path, target})
            if (!file.empty() && name != "OpenForReading" && open_.contains(file))
                throw Failure::Win32(kErrorSharingViolation, name);
    }

private:
    struct Reader : ByteSource {
        Reader(FakePageFileSystem& system, std::string path) : system(system), path(std::move(path)) {
            system.Open(this->path);
        }
        ~Reader() override { system.Close(path); }
        std::size_t Read(std::span<char> buffer) override {
            system.Step("Read");
            const std::string& bytes = system.files.at(path);
            const std::size_t count = std::min({buffer.size(), bytes.size() - offset, std::size_t{65536}});
            std::memcpy(buffer.data(), bytes.data() + offset, count);
            offset += count;
            return count;
        }
        FakePageFileSystem& system;
        std::string path;
        std::size_t offset = 0;
    };

    struct Writer : PageFileWriter {
        Writer(FakePageFileSystem& system, std::string path) : system(system), path(std::move(path)) {
            system.Open(this->path);
        }
        ~Writer() override { Commit(false); }
        void Write(std::span<const char> bytes) override {
            system.Step("Write");
            system.files.at(path).append(bytes.data(), bytes.size());
        }
        void Commit() override { Commit(true); }
        void Commit(bool step) {
            if (step)
                system.Step("Commit");
            if (std::exchange(open, false))
                system.Close(path);
        }
        FakePageFileSystem& system;
        std::string path;
        bool open = true;
    };

    void Open(const std::string& path) {
        open_.insert(path);
        ++openFiles;
    }
    void Close(const std::string& path) {
        open_.erase(open_.find(path));
        --openFiles;
    }

    std::multiset<std::string> open_;
    unsigned lastUnique_ = 0;
};

} // namespace vurozud::test
