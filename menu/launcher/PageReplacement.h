#pragma once
// Writing the desktop page so that a failure at any point leaves the previous page whole: the new page goes
// to a temporary file beside it, is flushed, and then takes the page's place in one step. Systems without that
// step (the Windows 95 family) move the old page aside, move the new one in and delete the old one, putting it
// back if the move in fails. That needs more than writing the page does: the right to create and delete files
// in its folder, and a page no reader holds without letting it be deleted. Where the system refuses it for
// want of those, the page is written in place instead, as a plain writer would. The file operations sit behind
// a small interface that the Win32 layer binds.

#include "DesktopPage.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace vurozud {

// System error codes the replacement acts on (the system's own numbers).
inline constexpr std::uint32_t kErrorFileNotFound = 2;         // ERROR_FILE_NOT_FOUND
inline constexpr std::uint32_t kErrorAccessDenied = 5;         // ERROR_ACCESS_DENIED
inline constexpr std::uint32_t kErrorSharingViolation = 32;    // ERROR_SHARING_VIOLATION
inline constexpr std::uint32_t kErrorCallNotImplemented = 120; // ERROR_CALL_NOT_IMPLEMENTED

// A file open for writing. Commit puts its bytes on disk and closes it; destroyed without Commit, it is just
// closed.
class PageFileWriter : public ByteSink {
public:
    [[nodiscard]] virtual MaybeFailure Commit() = 0;
};

// The file operations the replacement needs; each gives back the failure when the system refuses, and then has
// done nothing.
class PageFileSystem {
public:
    [[nodiscard]] virtual MaybeFailure OpenForReading(const std::string& path, std::unique_ptr<ByteSource>& file) = 0;
    // True when the file exists and is marked read-only.
    virtual bool IsReadOnly(const std::string& path) = 0;
    // Creates an empty file under a new name in the folder (given with its trailing separator) and sets path to it.
    [[nodiscard]] virtual MaybeFailure CreateUniqueFile(const std::string& folder, std::string& path) = 0;
    // Opens a file for writing, created or emptied, sharing it with readers and writers but not with deletion.
    [[nodiscard]] virtual MaybeFailure OpenForWriting(const std::string& path,
                                                      std::unique_ptr<PageFileWriter>& file) = 0;
    // Puts the file in the target's place in one step, replacing the target if there is one; fails with
    // kErrorCallNotImplemented where the system has no such step.
    [[nodiscard]] virtual MaybeFailure Replace(const std::string& from, const std::string& to) = 0;
    // Renames a file; fails if the target exists.
    [[nodiscard]] virtual MaybeFailure Move(const std::string& from, const std::string& to) = 0;
    [[nodiscard]] virtual MaybeFailure Delete(const std::string& path) = 0;

protected:
    // Not owned through this interface: the system's binding lives as long as the program, and needs no
    // clean-up registered for the program's end.
    ~PageFileSystem() = default;
};

// Writes the page for the template and the size texts in place of the page at pagePath. The template is opened
// first: if it cannot be, nothing is touched. A read-only page is someone's wish to keep it: it is refused
// (access denied) before anything is written, on every system alike. No temporary file is left behind. A failure
// is given back; the previous page is whole after every failure but one of the writing in place.
[[nodiscard]] MaybeFailure ReplaceDesktopPage(PageFileSystem& files, const std::string& templatePath,
                                              const std::string& pagePath, std::string_view widthText,
                                              std::string_view heightText);

} // namespace vurozud
