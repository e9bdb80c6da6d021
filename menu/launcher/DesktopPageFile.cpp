#include "DesktopPageFile.h"

#include "UniqueHandle.h"
#include "Win32Error.h"

#include <windows.h>

#include <algorithm>
#include <utility>

namespace vurozud {

namespace {

// The most one ReadFile or WriteFile call is asked to move.
constexpr std::size_t kLargestTransfer = std::size_t{1} << 30;

class FileSource : public ByteSource {
public:
    explicit FileSource(UniqueFile file) : file_(std::move(file)) {}

    std::size_t Read(std::span<char> buffer) override {
        DWORD read = 0;
        const auto wanted = static_cast<DWORD>(std::min(buffer.size(), kLargestTransfer));
        CheckWin32(ReadFile(file_.get(), buffer.data(), wanted, &read, nullptr), "ReadFile");
        return read;
    }

private:
    UniqueFile file_;
};

class FileWriter : public PageFileWriter {
public:
    explicit FileWriter(UniqueFile file) : file_(std::move(file)) {}

    void Write(std::span<const char> bytes) override {
        while (!bytes.empty()) {
            DWORD written = 0;
            const auto wanted = static_cast<DWORD>(std::min(bytes.size(), kLargestTransfer));
            CheckWin32(WriteFile(file_.get(), bytes.data(), wanted, &written, nullptr), "WriteFile");
            // A disk that takes nothing more without saying why is full all the same.
            if (written == 0)
                throw Failure::Win32(ERROR_DISK_FULL, "WriteFile");
            bytes = bytes.subspan(written);
        }
    }

    void Commit() override {
        CheckWin32(FlushFileBuffers(file_.get()), "FlushFileBuffers");
        CheckWin32(CloseHandle(file_.release()), "CloseHandle");
    }

private:
    UniqueFile file_;
};

class Win32PageFiles : public PageFileSystem {
public:
    std::unique_ptr<ByteSource> OpenForReading(const std::string& path) override {
        return std::make_unique<FileSource>(Open(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING,
                                                 FILE_FLAG_SEQUENTIAL_SCAN));
    }

    bool IsReadOnly(const std::string& path) override {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    }

    std::string CreateUniqueFile(const std::string& folder) override {
        char path[MAX_PATH];
        CheckWin32(GetTempFileNameA(folder.c_str(), "pag", 0, path), "GetTempFileNameA");
        return path;
    }

    std::unique_ptr<PageFileWriter> OpenForWriting(const std::string& path) override {
        return std::make_unique<FileWriter>(Open(path, GENERIC_WRITE, 0, TRUNCATE_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN));
    }

    void Replace(const std::string& from, const std::string& to) override {
        CheckWin32(MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH),
                   "MoveFileExA");
    }

    void Move(const std::string& from, const std::string& to) override {
        CheckWin32(MoveFileA(from.c_str(), to.c_str()), "MoveFileA");
    }

    void Delete(const std::string& path) override { CheckWin32(DeleteFileA(path.c_str()), "DeleteFileA"); }

private:
    static UniqueFile Open(const std::string& path, DWORD access, DWORD sharing, DWORD disposition, DWORD flags) {
        UniqueFile file(CreateFileA(path.c_str(), access, sharing, nullptr, disposition, flags, nullptr));
        if (!file)
            ThrowLastError("CreateFileA");
        return file;
    }
};

} // namespace

PageFileSystem& SystemPageFiles() {
    static Win32PageFiles files;
    return files;
}

} // namespace vurozud
