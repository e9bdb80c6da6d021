#pragma once
// The desktop page on disk: where the installed template and the page the desktop shows live, and the
// system's file operations that replace the page only once the new one is complete.

#include "PageReplacement.h"

namespace vurozud {

inline constexpr char kTemplatePath[] = "c:\\program files\\zodoraz\\bg1.htm";
inline constexpr char kPagePath[] = "c:\\program files\\zodoraz\\bg2.htm";

// The file operations of the running system, for ReplaceDesktopPage. They hold no state, so one
// object serves every caller.
class SystemPageFileSystem : public PageFileSystem {
public:
    MaybeFailure OpenForReading(const std::string& path, std::unique_ptr<ByteSource>& file) override;
    bool IsReadOnly(const std::string& path) override;
    MaybeFailure CreateUniqueFile(const std::string& folder, std::string& path) override;
    MaybeFailure OpenForWriting(const std::string& path, std::unique_ptr<PageFileWriter>& file) override;
    MaybeFailure Replace(const std::string& from, const std::string& to) override;
    MaybeFailure Move(const std::string& from, const std::string& to) override;
    MaybeFailure Delete(const std::string& path) override;
};
PageFileSystem& SystemPageFiles();

} // namespace vurozud
