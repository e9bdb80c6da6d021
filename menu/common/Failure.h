#pragma once
// A failure: the operation that failed and the code it failed with. Operations whose failure the program
// cleans up after (the page replacement) hand it back as a value; every other failure ends the program
// where it is found, in the fatal error box.

#include <cstdint>
#include <optional>

namespace vurozud {

enum class FailureCodeKind {
    Win32Error, // a system error code, as GetLastError gives it
    Hresult,    // a COM result code
};

// Result codes the portable core raises itself (they are the system's own numbers).
inline constexpr std::uint32_t kHresultBadIndex = 0x8002000B;    // DISP_E_BADINDEX
inline constexpr std::uint32_t kHresultOutOfMemory = 0x8007000E; // E_OUTOFMEMORY
inline constexpr std::uint32_t kHresultUnexpected = 0x8000FFFF;  // E_UNEXPECTED

class Failure {
public:
    // operation is a text that lives as long as the program (a literal).
    constexpr Failure(FailureCodeKind kind, std::uint32_t code, const char* operation)
        : kind_(kind), code_(code), operation_(operation) {}

    static constexpr Failure Win32(std::uint32_t code, const char* operation) {
        return {FailureCodeKind::Win32Error, code, operation};
    }
    static constexpr Failure Hresult(std::uint32_t code, const char* operation) {
        return {FailureCodeKind::Hresult, code, operation};
    }

    FailureCodeKind Kind() const { return kind_; }
    std::uint32_t Code() const { return code_; }
    const char* Operation() const { return operation_; }

private:
    FailureCodeKind kind_;
    std::uint32_t code_;
    const char* operation_;
};

// What an operation that may fail gives back: nothing when it worked, otherwise its failure.
using MaybeFailure = std::optional<Failure>;

// Ends the program on a failure nothing handles: the fatal error box with the error number and the
// system's description, then the end of the process. The Win32 layer defines it; the unit tests put a
// definition of their own in its place that hands the failure back to the test.
[[noreturn]] void EndWithFatalError(const Failure& failure);

} // namespace vurozud
