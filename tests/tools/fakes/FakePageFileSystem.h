#pragma once
// Files in memory behind the page replacement's file operations, behaving as the system's do where it
// matters (a move does not overwrite, an open file cannot be moved or deleted), naming every step taken
// (each operation, each read and each write) so that a test can make any chosen step fail.

#include "Failure.h"
#include "PageReplacement.h"
#include "PageStreams.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vurozud::test {

inline constexpr std::uint32_t kErrorDiskFull = 112; // what a failure made by the test says

class FakePageFileSystem : public PageFileSystem {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    bool hasOneStepReplace = true; // false: the Windows 95 family
    std::set<std::size_t> failingSteps;
    std::vector<std::string> steps;
    std::multiset<std::string> openFiles;
    std::set<std::string> readOnly;

    std::unique_ptr<ByteSource> OpenForReading(const std::string& path) override {
        Step("OpenForReading", path);
        return std::make_unique<File>(*this, path);
    }

    bool IsReadOnly(const std::string& path) override { return readOnly.contains(path); }

    std::string CreateUniqueFile(const std::string& folder) override {
        Step("CreateUniqueFile", folder + "*");
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
        return std::make_unique<File>(*this, path);
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
            throw Failure::Win32(183, "Move"); // ERROR_ALREADY_EXISTS
        files[to] = files.at(from);
        files.erase(from);
    }

    void Delete(const std::string& path) override {
        Step("Delete", path);
        files.erase(path);
    }

    // Names the step; fails it when the test asks, or as the system would: a missing file (or, for a path
    // ending in *, folder) or one that is open.
    void Step(const std::string& name, const std::string& path = {}, const std::string& target = {}) {
        steps.push_back(name);
        if (failingSteps.contains(steps.size() - 1))
            throw Failure::Win32(kErrorDiskFull, name);
        const std::string folder = path.substr(0, path.rfind('\\') + 1);
        if (!path.empty() && (path.back() == '*' ? !folders.contains(folder) : !files.contains(path)))
            throw Failure::Win32(folders.contains(folder) ? kErrorFileNotFound : 3, name); // 3: path not found
        for (const std::string& file : {path, target})
            if (name != "OpenForReading" && openFiles.contains(file))
                throw Failure::Win32(32, name); // ERROR_SHARING_VIOLATION
    }

private:
    struct File : PageFileWriter, ByteSource {
        File(FakePageFileSystem& system, std::string path)
            : system(system), path(std::move(path)), reader(system.files.at(this->path), {65536}) {
            system.openFiles.insert(this->path);
        }
        ~File() override { Close(); }
        std::size_t Read(std::span<char> buffer) override {
            system.Step("Read");
            return reader.Read(buffer);
        }
        void Write(std::span<const char> bytes) override {
            system.Step("Write");
            system.files.at(path).append(bytes.data(), bytes.size());
        }
        void Commit() override {
            system.Step("Commit");
            Close();
        }
        void Close() {
            if (std::exchange(open, false))
                system.openFiles.erase(system.openFiles.find(path));
        }
        FakePageFileSystem& system;
        std::string path;
        MemorySource reader; // over the file as it was opened; a file is never read and written at once
        bool open = true;
    };

    unsigned lastUnique_ = 0;
};

} // namespace vurozud::test
