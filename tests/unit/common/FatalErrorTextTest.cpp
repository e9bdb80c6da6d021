#include "FatalErrorText.h"

#include <gtest/gtest.h>

namespace vurozud::test {
namespace {

TEST(FatalErrorText, NamesTheNumberInItsKindsFormAndTheDescriptionWithoutTrailingBreaks) {
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
        {FailureCodeKind::Win32Error, 7, "\r\n", "Run-time error '7':\r\n\r\nUnknown error"},
        {FailureCodeKind::Win32Error, 123456, "", "Run-time error '123456':\r\n\r\nUnknown error"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FatalErrorText(c.Kind, c.Code, c.Description), c.Text);
}

} // namespace
} // namespace vurozud::test
