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

    MaybeFailure Read(std::span<char> buffer, std::size_t& count) override {
        DWORD read = 0;
        const auto wanted = static_cast<DWORD>(std::min(buffer.size(), kLargestTransfer));
        if (!ReadFile(file_.get(), buffer.data(), wanted, &read, nullptr))
            return LastError("ReadFile");
        count = read;
        return std::nullopt;
    }

private:
    UniqueFile file_;
};

class FileWriter : public PageFileWriter {
public:
    explicit FileWriter(UniqueFile file) : file_(std::move(file)) {}

    MaybeFailure Write(std::span<const char> bytes) override {
        while (!bytes.empty()) {
            DWORD written = 0;
            const auto wanted = static_cast<DWORD>(std::min(bytes.size(), kLargestTransfer));
            if (!WriteFile(file_.get(), bytes.data(), wanted, &written, nullptr))
                return LastError("WriteFile");
            // A disk that takes nothing more without saying why is full all the same.
            if (written == 0)
                return Failure::Win32(ERROR_DISK_FULL, "WriteFile");
            bytes = bytes.subspan(written);
        }
        return std::nullopt;
    }

    MaybeFailure Commit() override {
        if (MaybeFailure failure = Win32Result(FlushFileBuffers(file_.get()), "FlushFileBuffers"))
            return failure;
        return Win32Result(CloseHandle(file_.release()), "CloseHandle");
    }

private:
    UniqueFile file_;
};

MaybeFailure Open(const std::string& path, DWORD access, DWORD sharing, DWORD disposition, UniqueFile& file) {
    file.reset(CreateFileA(path.c_str(), access, sharing, nullptr, disposition, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    return Win32Result(static_cast<bool>(file), "CreateFileA");
}

} // namespace

MaybeFailure SystemPageFileSystem::OpenForReading(const std::string& path, std::unique_ptr<ByteSource>& file) {
    UniqueFile opened;
    if (MaybeFailure failure = Open(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, opened))
        return failure;
    file = std::make_unique<FileSource>(std::move(opened));
    return std::nullopt;
}

bool SystemPageFileSystem::IsReadOnly(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

MaybeFailure SystemPageFileSystem::CreateUniqueFile(const std::string& folder, std::string& path) {
    char created[MAX_PATH];
    if (!GetTempFileNameA(folder.c_str(), "pag", 0, created))
        return LastError("GetTempFileNameA");
    path = created;
    return std::nullopt;
}

MaybeFailure SystemPageFileSystem::OpenForWriting(const std::string& path, std::unique_ptr<PageFileWriter>& file) {
    UniqueFile opened;
    if (MaybeFailure failure = Open(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, CREATE_ALWAYS, opened))
        return failure;
    file = std::make_unique<FileWriter>(std::move(opened));
    return std::nullopt;
}

MaybeFailure SystemPageFileSystem::Replace(const std::string& from, const std::string& to) {
    return Win32Result(MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH),
                       "MoveFileExA");
}

MaybeFailure SystemPageFileSystem::Move(const std::string& from, const std::string& to) {
    return Win32Result(MoveFileA(from.c_str(), to.c_str()), "MoveFileA");
}

MaybeFailure SystemPageFileSystem::Delete(const std::string& path) {
    return Win32Result(DeleteFileA(path.c_str()), "DeleteFileA");
}

PageFileSystem& SystemPageFiles() {
    // Constant-initialised and never destroyed: nothing to run at start-up or at the end.
    static constinit SystemPageFileSystem files;
    return files;
}

} // namespace vurozud
