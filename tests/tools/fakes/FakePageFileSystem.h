#pragma once
// Files in memory behind the page replacement's file operations, behaving as the system's do where it
// matters (a move does not overwrite, an open file cannot be moved or deleted), counting every step (each
// operation, each read and each write) so that a test can make any chosen steps fail.

#include "Failure.h"
#include "PageReplacement.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace vurozud::reference {

inline constexpr std::uint32_t kErrorPathNotFound = 3;       // ERROR_PATH_NOT_FOUND
inline constexpr std::uint32_t kErrorSharingViolation = 32;  // ERROR_SHARING_VIOLATION
inline constexpr std::uint32_t kErrorAlreadyExists = 183;    // ERROR_ALREADY_EXISTS
inline constexpr std::uint32_t kErrorDiskFull = 112;         // ERROR_DISK_FULL: what an injected failure says

class FakePageFileSystem : public PageFileSystem {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    std::set<std::string> readOnly;
    bool hasOneStepReplace = true;  // false: the Windows 95 family
    std::set<std::size_t> failingSteps;
    std::vector<std::string> steps; // the name of every step taken, in order
    std::size_t readSize = 65536;   // the most one read of the template gives

    std::size_t OpenFiles() const { return openFiles_.size(); }

    std::unique_ptr<ByteSource> OpenForReading(const std::string& path) override {
        Step("OpenForReading");
        RequireFile(path);
        return std::make_unique<Reader>(*this, path);
    }

    bool IsReadOnly(const std::string& path) override { return files.contains(path) && readOnly.contains(path); }

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
        Step("OpenForWriting");
        RequireClosedFile(path);
        files[path].clear();
        return std::make_unique<Writer>(*this, path);
    }

    void Replace(const std::string& from, const std::string& to) override {
        Step("Replace");
        if (!hasOneStepReplace)
            throw Failure::Win32(kErrorCallNotImplemented, "Replace");
        RequireClosedFile(from);
        if (files.contains(to))
            RequireClosedFile(to);
        files[to] = files.at(from);
        files.erase(from);
    }

    void Move(const std::string& from, const std::string& to) override {
        Step("Move");
        RequireClosedFile(from);
        if (files.contains(to))
            throw Failure::Win32(kErrorAlreadyExists, "Move");
        files[to] = files.at(from);
        files.erase(from);
    }

    void Delete(const std::string& path) override {
        Step("Delete");
        RequireClosedFile(path);
        files.erase(path);
    }

private:
    class Reader : public ByteSource {
    public:
        Reader(FakePageFileSystem& system, std::string path) : system_(system), path_(std::move(path)) {
            system_.openFiles_.insert(path_);
        }
        ~Reader() override { system_.openFiles_.erase(system_.openFiles_.find(path_)); }

        std::size_t Read(std::span<char> buffer) override {
            system_.Step("Read");
            const std::string& bytes = system_.files.at(path_);
            const std::size_t count = std::min({buffer.size(), bytes.size() - offset_, system_.readSize});
            std::memcpy(buffer.data(), bytes.data() + offset_, count);
            offset_ += count;
            return count;
        }

    private:
        FakePageFileSystem& system_;
        std::string path_;
        std::size_t offset_ = 0;
    };

    class Writer : public PageFileWriter {
    public:
        Writer(FakePageFileSystem& system, std::string path) : system_(system), path_(std::move(path)) {
            system_.openFiles_.insert(path_);
        }
        ~Writer() override { Close(); }

        void Write(std::span<const char> bytes) override {
            system_.Step("Write");
            system_.files.at(path_).append(bytes.data(), bytes.size());
        }
        void Commit() override {
            system_.Step("Commit");
            Close();
        }

    private:
        void Close() {
            if (open_)
                system_.openFiles_.erase(system_.openFiles_.find(path_));
            open_ = false;
        }

        FakePageFileSystem& system_;
        std::string path_;
        bool open_ = true;
    };

    void Step(const std::string& name) {
        const std::size_t step = steps.size();
        steps.push_back(name);
        if (failingSteps.contains(step))
            throw Failure::Win32(kErrorDiskFull, name);
    }

    void RequireFile(const std::string& path) const {
        if (!files.contains(path))
            throw Failure::Win32(folders.contains(path.substr(0, path.find_last_of('\\') + 1)) ? kErrorFileNotFound
                                                                                               : kErrorPathNotFound,
                                 steps.back());
    }

    void RequireClosedFile(const std::string& path) const {
        RequireFile(path);
        if (openFiles_.contains(path))
            throw Failure::Win32(kErrorSharingViolation, steps.back());
    }

    std::multiset<std::string> openFiles_;
    unsigned lastUnique_ = 0;
};

} // namespace vurozud::reference
