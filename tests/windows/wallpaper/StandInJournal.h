#pragma once
// The test side of the stand-in Active Desktop: a fresh journal file named in ACTIVE_DESKTOP_JOURNAL
// and the failure setting ACTIVE_DESKTOP_FAIL, both cleared again when the test ends.

#include <string>

namespace vurozud::test {

// Sets an environment variable of this process for one scope, then removes it.
class ScopedEnvironmentVariable {
public:
    ScopedEnvironmentVariable(const wchar_t* name, const std::wstring& value);
    ~ScopedEnvironmentVariable();
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

private:
    const wchar_t* name_;
};

class StandInJournal {
public:
    StandInJournal();
    ~StandInJournal();
    StandInJournal(const StandInJournal&) = delete;
    StandInJournal& operator=(const StandInJournal&) = delete;

    // Everything journaled so far, exactly as written (UTF-8, LF line ends).
    std::string Text() const;

private:
    std::wstring path_;
    ScopedEnvironmentVariable variable_;
};

} // namespace vurozud::test
