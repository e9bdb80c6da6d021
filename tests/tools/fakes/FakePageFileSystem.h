#pragma once
// Files in memory, all in one folder, behind the page replacement's file operations, behaving as the system's do
// where it matters (a move does not overwrite, an open file cannot be moved or deleted, a file held by a reader
// that shares it for reading and writing can be written but not moved or deleted), naming every step taken (each
// operation, each read and each write) so that a test can make any chosen step fail.

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
    bool hasOneStepReplace = true; // false: the Windows 95 family
    std::set<std::size_t> failingSteps;
    std::uint32_t failureCode = kErrorDiskFull; // what a failing step says
    std::set<std::string> heldByReader;
    std::vector<std::string> steps;
    std::multiset<std::string> openFiles;

    MaybeFailure OpenForReading(const std::string& path, std::unique_ptr<ByteSource>& file) override {
        if (MaybeFailure failure = Step("OpenForReading", path))
            return failure;
        file = std::make_unique<File>(*this, path);
        return std::nullopt;
    }

    bool IsReadOnly(const std::string&) override { return false; } // the system's refusal: a Windows-side test

    MaybeFailure CreateUniqueFile(const std::string& folder, std::string& path) override {
        if (MaybeFailure failure = Step("CreateUniqueFile"))
            return failure;
        path = folder + "pg" + std::to_string(++lastUnique_) + ".tmp";
        files[path];
        return std::nullopt;
    }

    MaybeFailure OpenForWriting(const std::string& path, std::unique_ptr<PageFileWriter>& file) override {
        if (MaybeFailure failure = Step("OpenForWriting")) // creates the file if need be
            return failure;
        if (openFiles.contains(path))
            return Failure::Win32(kErrorSharingViolation, "OpenForWriting");
        files[path].clear();
        file = std::make_unique<File>(*this, path);
        return std::nullopt;
    }

    MaybeFailure Replace(const std::string& from, const std::string& to) override {
        if (!hasOneStepReplace)
            return Failure::Win32(kErrorCallNotImplemented, "Replace");
        if (MaybeFailure failure = Step("Replace", from, to))
            return failure;
        files[to] = files.at(from);
        files.erase(from);
        return std::nullopt;
    }

    MaybeFailure Move(const std::string& from, const std::string& to) override {
        if (MaybeFailure failure = Step("Move", from))
            return failure;
        if (files.contains(to))
            return Failure::Win32(183, "Move"); // ERROR_ALREADY_EXISTS
        files[to] = files.at(from);
        files.erase(from);
        return std::nullopt;
    }

    MaybeFailure Delete(const std::string& path) override {
        if (MaybeFailure failure = Step("Delete", path))
            return failure;
        files.erase(path);
        return std::nullopt;
    }

    // Names the step; fails it when the test asks, or as the system would: a missing file or one that is open.
    MaybeFailure Step(const char* name, const std::string& path = {}, const std::string& target = {}) {
        steps.push_back(name);
        if (failingSteps.contains(steps.size() - 1))
            return Failure::Win32(failureCode, name);
        if (!path.empty() && !files.contains(path))
            return Failure::Win32(kErrorFileNotFound, name);
        for (const std::string& file : {path, target})
            if (std::string_view(name) != "OpenForReading" && (openFiles.contains(file) || heldByReader.contains(file)))
                return Failure::Win32(kErrorSharingViolation, name);
        return std::nullopt;
    }

private:
    struct File : PageFileWriter, ByteSource {
        File(FakePageFileSystem& system, std::string path)
            : system(system), path(std::move(path)), reader(system.files.at(this->path), {65536}) {
            system.openFiles.insert(this->path);
        }
        ~File() override { system.openFiles.erase(system.openFiles.find(path)); }
        MaybeFailure Read(std::span<char> buffer, std::size_t& count) override {
            if (MaybeFailure failure = system.Step("Read"))
                return failure;
            return reader.Read(buffer, count);
        }
        MaybeFailure Write(std::span<const char> bytes) override {
            if (MaybeFailure failure = system.Step("Write"))
                return failure;
            system.files.at(path).append(bytes.data(), bytes.size());
            return std::nullopt;
        }
        // The file stays open until it is destroyed: the replacement must let go of it before moving it.
        MaybeFailure Commit() override { return system.Step("Commit"); }
        FakePageFileSystem& system;
        std::string path;
        MemorySource reader; // over the file as it was opened; a file is never read and written at once
    };

    unsigned lastUnique_ = 0;
};

} // namespace vurozud::test
