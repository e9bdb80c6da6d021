#include "RecordingRegistry.h"
#include "ShellState.h"
#include "clsRegistry.h"

#include <gtest/gtest.h>

namespace vurozud::test {
namespace {

const std::string kRecord = "1c00000063080000000000000000000000000000010000000a000000";
const std::string kKey = " 80000001 Software\\Microsoft\\Windows\\CurrentVersion\\Explorer 3f";

// The old value goes first, then the record's 28 bytes are written as binary, whether or not there was a value
// or even a key to delete from; a refused write is no error either: Run goes on to the wallpaper.
TEST(ShellState, IsReplacedByDeletingTheOldValueAndWritingTheRecord) {
    for (const RegistryStatus openStatus : {0, 2}) {
        for (const RegistryStatus deleteStatus : {0, 2}) {
            RecordingRegistry fake;
            fake.Status = {{"open", openStatus}, {"delete", deleteStatus}, {"set", deleteStatus ? 5 : 0}};
            clsRegistry registry(fake);
            ReplaceShellState(registry);
            std::vector<std::string> expected{"open" + kKey};
            if (openStatus == 0)
                expected.insert(expected.end(), {"delete abcdef ShellState", "close abcdef"});
            expected.insert(expected.end(), {"create" + kKey + " inherit", "set c0ffee ShellState 3 " + kRecord,
                                             "close c0ffee"});
            EXPECT_EQ(fake.Calls, expected); // every key opened is closed
        }
    }
}

} // namespace
} // namespace vurozud::test
