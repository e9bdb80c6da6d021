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
