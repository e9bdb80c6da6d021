#include "FatalErrorText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <utility>

namespace vurozud::test {
namespace {

bool refuseAllocation = false; // set, the next allocation fails, as it does when the heap has run out

// Every text is made while the heap refuses: the box must be able to say that memory has run out.
TEST(FatalErrorText, NamesTheNumberInItsKindsFormAndTheDescriptionWithoutTrailingBreaksWithoutAllocating) {
    const struct {
        FailureCodeKind Kind;
        std::uint32_t Code;
        const char* Description;
        const char* Text;
    } cases[] = {
        {FailureCodeKind::Win32Error, 2, "The system cannot find the file specified.\r\n",
         "Run-time error '2':\r\n\r\nThe system cannot find the file specified."},
        {FailureCodeKind::Win32Error, 4294967295u, "x", "Run-time error '4294967295':\r\n\r\nx"},
        {FailureCodeKind::Hresult, 0x80004005, "Unspecified error\r\n \r\n",
         "Run-time error '-2147467259 (80004005)':\r\n\r\nUnspecified error"},
        {FailureCodeKind::Hresult, 1, "y", "Run-time error '1 (00000001)':\r\n\r\ny"},
        {FailureCodeKind::Hresult, kHresultOutOfMemory, "Not enough storage is available to complete this operation.",
         "Run-time error '-2147024882 (8007000E)':\r\n\r\nNot enough storage is available to complete this operation."},
        {FailureCodeKind::Win32Error, 7, "\r\n", "Run-time error '7':\r\n\r\nUnknown error"},
    };
    for (const auto& c : cases) {
        refuseAllocation = true;
        const FatalErrorText text(c.Kind, c.Code, c.Description);
        refuseAllocation = false;
        EXPECT_EQ(text.View(), c.Text);
    }
}

} // namespace
} // namespace vurozud::test

void* operator new(std::size_t size) {
    void* memory = std::exchange(vurozud::test::refuseAllocation, false) ? nullptr : std::malloc(size ? size : 1);
    return memory ? memory : throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
