#include "Journal.h"

#include "Environment.h"

#include <cstdio>
#include <memory>

namespace vurozud::fakes {

namespace {
struct CloseFile {
    void operator()(FILE* file) const { std::fclose(file); }
};
} // namespace

std::string ToUtf8(const std::wstring& text) {
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr,
                        nullptr);
    return result;
}

void JournalLine(std::string line) {
    const auto path = ReadEnvironmentVariable(L"ACTIVE_DESKTOP_JOURNAL");
    if (!path || path->empty())
        return;
    line += '\n';
    const std::unique_ptr<FILE, CloseFile> file(_wfopen(path->c_str(), L"ab"));
    // A journal that cannot be written shows up in the tests as missing lines.
    if (!file)
        return;
    std::fwrite(line.data(), 1, line.size(), file.get());
}

HRESULT JournalResult(std::string line, HRESULT result) {
    if (FAILED(result)) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, " -> %08lX", static_cast<unsigned long>(result));
        line += suffix;
    }
    JournalLine(std::move(line));
    return result;
}

} // namespace vurozud::fakes
