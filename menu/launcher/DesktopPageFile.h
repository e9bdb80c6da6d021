#pragma once
// The desktop page on disk: the installed template made into the page the desktop shows, replacing the
// previous page only once the new one is complete.

#include <string>
#include <string_view>

namespace vurozud {

inline constexpr char kTemplatePath[] = "c:\\program files\\zodoraz\\bg1.htm";
inline constexpr char kPagePath[] = "c:\\program files\\zodoraz\\bg2.htm";

// Writes the page for the recorded screen size; on any failure throws Failure and leaves the previous page
// whole and no temporary file behind.
void WriteDesktopPage(std::string_view widthText, std::string_view heightText);

// The same for other files (ANSI paths).
void WriteDesktopPage(const std::string& templatePath, const std::string& pagePath, std::string_view widthText,
                      std::string_view heightText);

} // namespace vurozud
