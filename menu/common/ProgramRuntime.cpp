// The parts of the C++ runtime the program brings itself, so that none of the library's prebuilt code (built
// for later processors, and throwing exceptions the program does not use) comes into the program file.
// A failure here is like any other: it ends the program in the fatal error box where it is found.

#include "Failure.h"

#include <cstdlib>
#include <new>

namespace {

[[noreturn]] void EndOutOfMemory() {
    vurozud::EndWithFatalError(vurozud::Failure::Hresult(vurozud::kHresultOutOfMemory, "allocation"));
}

// A broken promise of the standard library's (a length beyond its limits, an index out of range): a fault in
// the program, reported as unexpected.
[[noreturn]] void EndUnexpected() {
    vurozud::EndWithFatalError(vurozud::Failure::Hresult(vurozud::kHresultUnexpected, "unexpected failure"));
}

void* Allocate(std::size_t size) {
    if (void* memory = std::malloc(size != 0 ? size : 1))
        return memory;
    EndOutOfMemory();
}

} // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

// What the standard library's headers call where they would throw; the library's own definitions throw.
namespace std {
void __throw_bad_alloc() { EndOutOfMemory(); }
void __throw_bad_array_new_length() { EndOutOfMemory(); }
void __throw_length_error(const char*) { EndUnexpected(); }
void __throw_logic_error(const char*) { EndUnexpected(); }
void __throw_out_of_range(const char*) { EndUnexpected(); }
void __throw_out_of_range_fmt(const char*, ...) { EndUnexpected(); }
} // namespace std

// The program ends only through ExitProcess, never through the C runtime's exit, which alone would run what is
// registered here: nothing is kept. (Objects with static storage are not destroyed at the end.)
extern "C" int atexit(void (*)()) { return 0; }
