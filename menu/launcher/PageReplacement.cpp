#include "PageReplacement.h"

#include "Failure.h"

#include <utility>

namespace vurozud {

namespace {

bool IsWin32Error(const Failure& failure, std::uint32_t code) {
    return failure.Kind() == FailureCodeKind::Win32Error && failure.Code() == code;
}

// The folder of a path, with its trailing separator; the current folder for a bare file name.
std::string FolderOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? std::string(".\\") : path.substr(0, separator + 1);
}

// Deletes a file of ours when a failure, or a deletion that fails, must not be the one reported.
void DeleteQuietly(PageFileSystem& files, const std::string& path) noexcept {
    try {
        files.Delete(path);
    } catch (...) {
    }
}

// Deletes a file of ours when the scope is left before Keep, quietly: the failure that brought us here is
// the one to report.
class DeleteUnlessKept {
public:
    DeleteUnlessKept(PageFileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}
    DeleteUnlessKept(const DeleteUnlessKept&) = delete;
    DeleteUnlessKept& operator=(const DeleteUnlessKept&) = delete;
    ~DeleteUnlessKept() {
        if (!kept_)
            DeleteQuietly(files_, path_);
    }

    void Keep() { kept_ = true; }

private:
    PageFileSystem& files_;
    std::string path_;
    bool kept_ = false;
};

// False where the system has no one-step replacement.
bool ReplaceInOneStep(PageFileSystem& files, const std::string& newPage, const std::string& page) {
    try {
        files.Replace(newPage, page);
        return true;
    } catch (const Failure& failure) {
        if (!IsWin32Error(failure, kErrorCallNotImplemented))
            throw;
        return false;
    }
}

// The Windows 95 family: the old page steps aside under a name of its own until the new one is in place.
void ReplaceByMovingAside(PageFileSystem& files, const std::string& newPage, const std::string& page,
                          const std::string& folder) {
    const std::string aside = files.CreateUniqueFile(folder);
    {
        // The name is ours now; the move needs it free.
        DeleteUnlessKept placeholder(files, aside);
        files.Delete(aside);
        placeholder.Keep();
    }
    try {
        files.Move(page, aside);
    } catch (const Failure& failure) {
        if (!IsWin32Error(failure, kErrorFileNotFound))
            throw;
        files.Move(newPage, page); // there is no previous page to keep
        return;
    }
    try {
        files.Move(newPage, page);
    } catch (...) {
        try {
            files.Move(aside, page);
        } catch (...) {
            // Then the previous page stays whole under the aside name: better than losing it.
        }
        throw;
    }
    // The new page is in place: an old copy that will not go harms nothing, and failing now would report a
    // page that is fine.
    DeleteQuietly(files, aside);
}

} // namespace

void ReplaceDesktopPage(PageFileSystem& files, const std::string& templatePath, const std::string& pagePath,
                        std::string_view widthText, std::string_view heightText) {
    std::unique_ptr<ByteSource> templateBytes = files.OpenForReading(templatePath);
    if (files.IsReadOnly(pagePath))
        throw Failure::Win32(kErrorAccessDenied, "ReplaceDesktopPage");
    const std::string folder = FolderOf(pagePath);
    const std::string newPage = files.CreateUniqueFile(folder);
    DeleteUnlessKept newPageUntilPlaced(files, newPage);
    {
        // Closed before anything else happens to the file, on failure too.
        const std::unique_ptr<PageFileWriter> writer = files.OpenForWriting(newPage);
        TransformDesktopPage(*templateBytes, *writer, widthText, heightText);
        writer->Commit();
    }
    templateBytes.reset();
    if (!ReplaceInOneStep(files, newPage, pagePath))
        ReplaceByMovingAside(files, newPage, pagePath, folder);
    newPageUntilPlaced.Keep();
}

} // namespace vurozud
