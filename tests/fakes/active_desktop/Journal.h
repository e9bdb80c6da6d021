#pragma once
// The record of every call the stand-in receives: one UTF-8 line per event, LF-terminated, appended
// to the file named by ACTIVE_DESKTOP_JOURNAL (no journal when the variable is unset).

#include <windows.h>

#include <string>

namespace vurozud::fakes {

// The journal's form of a wide text: UTF-8.
std::string ToUtf8(const std::wstring& text);

// Opens, appends and closes for every line, so nothing is lost if the process ends abruptly.
void JournalLine(std::string line);

// Journals line, with " -> <result in 8 upper-case hex digits>" added when result is a failure, and
// hands result back.
HRESULT JournalResult(std::string line, HRESULT result);

} // namespace vurozud::fakes
