#pragma once
// An unhandled failure: the operation that failed and the code it failed with. Every failure the
// program does not expect travels as one of these to the single place that reports it and ends
// the process.

#include <cstdint>
#include <exception>
#include <string>

namespace vurozud {

enum class FailureCodeKind {
    Win32Error, // a system error code, as GetLastError gives it
    Hresult,    // a COM result code
};

// Result codes the portable core raises itself (they are the system's own numbers).
inline constexpr std::uint32_t kHresultBadIndex = 0x8002000B;    // DISP_E_BADINDEX
inline constexpr std::uint32_t kHresultOutOfMemory = 0x8007000E; // E_OUTOFMEMORY
inline constexpr std::uint32_t kHresultUnexpected = 0x8000FFFF;  // E_UNEXPECTED

class Failure : public std::exception {
public:
    Failure(FailureCodeKind kind, std::uint32_t code, const std::string& operation)
        : kind_(kind), code_(code), operation_(operation) {}

    static Failure Win32(std::uint32_t code, const std::string& operation) {
        return {FailureCodeKind::Win32Error, code, operation};
    }
    static Failure Hresult(std::uint32_t code, const std::string& operation) {
        return {FailureCodeKind::Hresult, code, operation};
    }

    FailureCodeKind Kind() const { return kind_; }
    std::uint32_t Code() const { return code_; }
    const std::string& Operation() const { return operation_; }
    const char* what() const noexcept override { return operation_.c_str(); }

private:
    FailureCodeKind kind_;
    std::uint32_t code_;
    std::string operation_;
};

} // namespace vurozud
