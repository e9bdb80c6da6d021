// The parts of the C and C++ runtimes the program brings itself, so that none of the library's prebuilt code
// (built for later processors, and throwing exceptions the program does not use) comes into the program file,
// and the program needs no C runtime DLL: the first Windows 95 release has none. A failure here is like any
// other: it ends the program in the fatal error box where it is found.

#include "Failure.h"

#include <windows.h>

#include <cstddef>
#include <new>

namespace {

// Nothing on the way to the box allocates (its text is made in storage of its own), so a heap that refuses
// here ends in the box, not in another refusal.
[[noreturn]] void EndOutOfMemory() {
    vurozud::EndWithFatalError(vurozud::Failure::Hresult(vurozud::kHresultOutOfMemory, "allocation"));
}

// A broken promise of the standard library's (a length beyond its limits, an index out of range): a fault in
// the program, reported as unexpected.
[[noreturn]] void EndUnexpected() {
    vurozud::EndWithFatalError(vurozud::Failure::Hresult(vurozud::kHresultUnexpected, "unexpected failure"));
}

// The process's own heap, which every Windows has from the start.
void* Allocate(std::size_t size) {
    if (void* memory = HeapAlloc(GetProcessHeap(), 0, size != 0 ? size : 1))
        return memory;
    EndOutOfMemory();
}

void Free(void* memory) {
    if (memory)
        HeapFree(GetProcessHeap(), 0, memory);
}

} // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* memory) noexcept { Free(memory); }
void operator delete[](void* memory) noexcept { Free(memory); }
void operator delete(void* memory, std::size_t) noexcept { Free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { Free(memory); }

// What the standard library's headers call where they would throw; the library's own definitions throw.
namespace std {
void __throw_bad_alloc() { EndOutOfMemory(); }
void __throw_bad_array_new_length() { EndOutOfMemory(); }
void __throw_length_error(const char*) { EndUnexpected(); }
void __throw_logic_error(const char*) { EndUnexpected(); }
void __throw_out_of_range(const char*) { EndUnexpected(); }
void __throw_out_of_range_fmt(const char*, ...) { EndUnexpected(); }
} // namespace std

// The C library functions the compiler and the standard library's headers call. Plain loops: the program's
// strings and page chunks are small, and this file is compiled so that the compiler does not turn the loops
// back into calls of these functions.
extern "C" {

void* memcpy(void* target, const void* source, std::size_t count) {
    auto* to = static_cast<unsigned char*>(target);
    for (const auto* from = static_cast<const unsigned char*>(source); count != 0; --count)
        *to++ = *from++;
    return target;
}

void* memmove(void* target, const void* source, std::size_t count) {
    auto* to = static_cast<unsigned char*>(target);
    const auto* from = static_cast<const unsigned char*>(source);
    if (to <= from)
        return memcpy(target, source, count);
    while (count != 0) { // from the end, so that an overlap is read before it is written
        --count;
        to[count] = from[count];
    }
    return target;
}

void* memset(void* target, int value, std::size_t count) {
    for (auto* to = static_cast<unsigned char*>(target); count != 0; --count)
        *to++ = static_cast<unsigned char>(value);
    return target;
}

int memcmp(const void* left, const void* right, std::size_t count) {
    const auto* a = static_cast<const unsigned char*>(left);
    const auto* b = static_cast<const unsigned char*>(right);
    for (; count != 0; --count, ++a, ++b) {
        if (*a != *b)
            return *a < *b ? -1 : 1;
    }
    return 0;
}

void* memchr(const void* bytes, int value, std::size_t count) {
    for (const auto* at = static_cast<const unsigned char*>(bytes); count != 0; --count, ++at) {
        if (*at == static_cast<unsigned char>(value))
            return const_cast<unsigned char*>(at);
    }
    return nullptr;
}

std::size_t strlen(const char* text) {
    const char* end = text;
    while (*end != '\0')
        ++end;
    return static_cast<std::size_t>(end - text);
}

// Where the standard library's headers, built without exceptions, give up (a std::get of the wrong kind).
void abort() { EndUnexpected(); }

// The program ends only through ExitProcess, never through the C runtime's exit, which alone would run what is
// registered here: nothing is kept. (Objects with static storage are not destroyed at the end.)
int atexit(void (*)()) { return 0; }

} // extern "C"
