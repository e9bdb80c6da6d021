#include "FatalErrorText.h"

#include <gtest/gtest.h>

namespace vurozud {
namespace {

TEST(FatalErrorText, SystemErrorCodesAreShownInDecimal) {
    EXPECT_EQ(FatalErrorText(FailureCodeKind::Win32Error, 2, "The system cannot find the file specified.\r\n"),
              "Run-time error '2':\r\n\r\nThe system cannot find the file specified.");
    EXPECT_EQ(ErrorNumberText(FailureCodeKind::Win32Error, 4294967295u), "4294967295");
}

TEST(FatalErrorText, ComResultsAreShownSignedWithTheirHexadecimalCode) {
    EXPECT_EQ(ErrorNumberText(FailureCodeKind::Hresult, 0x80004001), "-2147467263 (80004001)");
    EXPECT_EQ(ErrorNumberText(FailureCodeKind::Hresult, 0x8002000B), "-2147352565 (8002000B)");
    EXPECT_EQ(ErrorNumberText(FailureCodeKind::Hresult, 1), "1 (00000001)");
}

TEST(FatalErrorText, TrailingLineBreaksOfTheSystemTextAreDropped) {
    EXPECT_EQ(FatalErrorText(FailureCodeKind::Hresult, 0x80004005, "Unspecified error\r\n \r\n"),
              "Run-time error '-2147467259 (80004005)':\r\n\r\nUnspecified error");
}

TEST(FatalErrorText, AnUndescribedCodeStillNamesItsNumber) {
    EXPECT_EQ(FatalErrorText(FailureCodeKind::Win32Error, 123456, ""), "Run-time error '123456':\r\n\r\nUnknown error");
    EXPECT_EQ(FatalErrorText(FailureCodeKind::Win32Error, 7, "\r\n"), "Run-time error '7':\r\n\r\nUnknown error");
}

} // namespace
} // namespace vurozud
