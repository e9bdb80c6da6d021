#pragma once
// The desktop page on disk: where the installed template and the page the desktop shows live, and the
// system's file operations that replace the page only once the new one is complete.

#include "PageReplacement.h"

namespace vurozud {

inline constexpr char kTemplatePath[] = "c:\\program files\\zodoraz\\bg1.htm";
inline constexpr char kPagePath[] = "c:\\program files\\zodoraz\\bg2.htm";

// The file operations of the running system, for ReplaceDesktopPage. They hold no state, so one
// object serves every caller.
PageFileSystem& SystemPageFiles();

} // namespace vurozud
