#include "PageReplacement.h"

#include <utility>

namespace vurozud {

namespace {

bool IsWin32Error(const MaybeFailure& failure, std::uint32_t code) {
    return failure && failure->Kind() == FailureCodeKind::Win32Error && failure->Code() == code;
}

// The folder of a path, with its trailing separator; the current folder for a bare file name.
std::string FolderOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? std::string(".\\") : path.substr(0, separator + 1);
}

// Deletes a file of ours when a failure, or a deletion that fails, must not be the one reported.
void DeleteQuietly(PageFileSystem& files, const std::string& path) { static_cast<void>(files.Delete(path)); }

// The page, written into the file of that name and flushed to disk; the file is closed again whatever happens.
MaybeFailure WritePage(PageFileSystem& files, ByteSource& templateBytes, const std::string& path,
                       std::string_view widthText, std::string_view heightText) {
    std::unique_ptr<PageFileWriter> writer;
    if (MaybeFailure failure = files.OpenForWriting(path, writer))
        return failure;
    if (MaybeFailure failure = TransformDesktopPage(templateBytes, *writer, widthText, heightText))
        return failure;
    return writer->Commit();
}

// The Windows 95 family: the old page steps aside under a name of its own until the new one is in place.
MaybeFailure ReplaceByMovingAside(PageFileSystem& files, const std::string& newPage, const std::string& page,
                                  const std::string& folder) {
    std::string aside;
    if (MaybeFailure failure = files.CreateUniqueFile(folder, aside))
        return failure;
    // The name is ours now; the move needs it free.
    if (MaybeFailure failure = files.Delete(aside)) {
        DeleteQuietly(files, aside);
        return failure;
    }
    const MaybeFailure asideFailure = files.Move(page, aside);
    if (IsWin32Error(asideFailure, kErrorFileNotFound))
        return files.Move(newPage, page); // there is no previous page to keep
    if (asideFailure)
        return asideFailure;
    if (MaybeFailure failure = files.Move(newPage, page)) {
        // Should the way back fail too, the previous page stays whole under the aside name: better than losing it.
        static_cast<void>(files.Move(aside, page));
        return failure;
    }
    // The new page is in place: an old copy that will not go harms nothing, and failing now would report a
    // page that is fine.
    DeleteQuietly(files, aside);
    return std::nullopt;
}

// Puts the complete new page in the page's place, in one step where the system has one.
MaybeFailure PlaceNewPage(PageFileSystem& files, const std::string& newPage, const std::string& page,
                          const std::string& folder) {
    const MaybeFailure failure = files.Replace(newPage, page);
    if (IsWin32Error(failure, kErrorCallNotImplemented))
        return ReplaceByMovingAside(files, newPage, page, folder);
    return failure;
}

// The new page beside the old one, then in its place.
MaybeFailure ReplaceSafely(PageFileSystem& files, ByteSource& templateBytes, const std::string& pagePath,
                           std::string_view widthText, std::string_view heightText) {
    const std::string folder = FolderOf(pagePath);
    std::string newPage;
    if (MaybeFailure failure = files.CreateUniqueFile(folder, newPage))
        return failure;
    MaybeFailure failure = WritePage(files, templateBytes, newPage, widthText, heightText);
    if (!failure)
        failure = PlaceNewPage(files, newPage, pagePath, folder);
    // A new page that did not take the page's place is of no use to anyone; it is gone before the failure is
    // reported.
    if (failure)
        DeleteQuietly(files, newPage);
    return failure;
}

// What the safe replacement needs and writing in place does not: files created and deleted in the page's
// folder, and the page let go by everyone who has it open.
bool IsRefusalOfReplacement(const MaybeFailure& failure) {
    return IsWin32Error(failure, kErrorAccessDenied) || IsWin32Error(failure, kErrorSharingViolation);
}

} // namespace

MaybeFailure ReplaceDesktopPage(PageFileSystem& files, const std::string& templatePath, const std::string& pagePath,
                                std::string_view widthText, std::string_view heightText) {
    std::unique_ptr<ByteSource> templateBytes;
    if (MaybeFailure failure = files.OpenForReading(templatePath, templateBytes))
        return failure;
    if (files.IsReadOnly(pagePath))
        return Failure::Win32(kErrorAccessDenied, "ReplaceDesktopPage");
    const MaybeFailure failure = ReplaceSafely(files, *templateBytes, pagePath, widthText, heightText);
    templateBytes.reset();
    if (!IsRefusalOfReplacement(failure))
        return failure;
    // The template is read again from its start.
    if (MaybeFailure reopenFailure = files.OpenForReading(templatePath, templateBytes))
        return reopenFailure;
    return WritePage(files, *templateBytes, pagePath, widthText, heightText);
}

} // namespace vurozud
