// The resources that the program's executable carries: the version record, the icon, the cursor, the
// preview picture, and no manifest. The executable is loaded as a data file, so nothing of it runs.

#include "UniqueHandle.h"
#include "resource.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace vurozud {
namespace {

using UniqueModule = UniqueHandle<HMODULE, FreeLibrary>;

// The build tree's path as Wine sees it: the host file system is drive Z.
std::string ExecutablePath() {
    std::string path = "Z:" + std::string(VUROZUD_EXECUTABLE);
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// The entries of icon and cursor directories as they are stored in a module: two-byte aligned.
#pragma pack(push, 2)
struct ResourceDirectoryHeader {
    WORD reserved;
    WORD type; // 1 icon, 2 cursor
    WORD count;
};
struct IconDirectoryEntry {
    BYTE width;
    BYTE height;
    BYTE colorCount; // 0 for 256 colours and more
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInResource;
    WORD id;
};
struct CursorDirectoryEntry {
    WORD width;
    WORD height; // the colour and mask bitmaps together: twice the cursor's height
    WORD planes;
    WORD bitCount;
    DWORD bytesInResource;
    WORD id;
};
#pragma pack(pop)
static_assert(sizeof(ResourceDirectoryHeader) == 6 && sizeof(IconDirectoryEntry) == 14 &&
              sizeof(CursorDirectoryEntry) == 14);

struct ResourceBytes {
    const BYTE* data = nullptr;
    DWORD size = 0;
};

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names) {
    reinterpret_cast<std::vector<std::string>*>(names)->push_back(
        IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name)) : std::string(name));
    return TRUE;
}

BOOL CALLBACK CollectType(HMODULE, LPSTR type, LONG_PTR types) {
    reinterpret_cast<std::vector<std::string>*>(types)->push_back(
        IS_INTRESOURCE(type) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(type)) : std::string(type));
    return TRUE;
}

std::string IdName(UINT id) { return "#" + std::to_string(id); }

class ExecutableResourcesTest : public ::testing::Test {
protected:
    void SetUp() override {
        module_.reset(LoadLibraryExA(path_.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
        ASSERT_TRUE(module_) << "cannot load " << path_ << " (error " << GetLastError()
                             << "): build the win32 tree first";
    }

    std::vector<std::string> Names(LPCSTR type) const {
        std::vector<std::string> names;
        EnumResourceNamesA(module_.get(), type, CollectName, reinterpret_cast<LONG_PTR>(&names));
        return names;
    }

    std::vector<std::string> Types() const {
        std::vector<std::string> types;
        EnumResourceTypesA(module_.get(), CollectType, reinterpret_cast<LONG_PTR>(&types));
        return types;
    }

    ResourceBytes Find(LPCSTR type, UINT id) const {
        HRSRC found = FindResourceA(module_.get(), MAKEINTRESOURCEA(id), type);
        if (!found)
            return {};
        HGLOBAL loaded = LoadResource(module_.get(), found);
        return {static_cast<const BYTE*>(LockResource(loaded)), SizeofResource(module_.get(), found)};
    }

    std::string path_ = ExecutablePath();
    UniqueModule module_;
};

// The version strings that Explorer's properties page shows, from the U.S. English block.
TEST(ExecutableVersionTest, StringsOfTheUsEnglishBlock) {
    const std::string path = ExecutablePath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_NE(size, 0u) << path << " has no version record (error " << GetLastError() << ")";
    std::vector<char> record(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, record.data()));

    const struct {
        const char* name;
        const char* value;
    } expected[] = {
        {"FileVersion", "1.00"},
        {"ProductVersion", "1.00"},
        {"ProductName", "Vurozud Tree"},
        {"InternalName", "vurozud"},
        {"OriginalFilename", "vurozud.exe"},
    };
    for (const auto& [name, value] : expected) {
        const std::string key = std::string("\\StringFileInfo\\040904B0\\") + name;
        char* text = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueA(record.data(), key.c_str(), reinterpret_cast<void**>(&text), &length)) << key;
        EXPECT_STREQ(text, value) << key;
    }

    // The translation table points readers at that block: U.S. English, Unicode.
    WORD* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(record.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                               &length));
    ASSERT_GE(length, 4u);
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 1200);
}

TEST_F(ExecutableResourcesTest, OneIconGroupWithOne32x32Image256Colours) {
    const std::vector<std::string> groups = Names(RT_GROUP_ICON);
    ASSERT_EQ(groups, std::vector<std::string>{IdName(IDI_TREE)});

    const ResourceBytes group = Find(RT_GROUP_ICON, IDI_TREE);
    ASSERT_GE(group.size, sizeof(ResourceDirectoryHeader));
    ResourceDirectoryHeader header;
    std::memcpy(&header, group.data, sizeof header);
    EXPECT_EQ(header.type, 1);
    ASSERT_EQ(header.count, 1);
    ASSERT_GE(group.size, sizeof header + sizeof(IconDirectoryEntry));
    IconDirectoryEntry entry;
    std::memcpy(&entry, group.data + sizeof header, sizeof entry);
    EXPECT_EQ(entry.width, 32);
    EXPECT_EQ(entry.height, 32);
    EXPECT_EQ(entry.colorCount, 0) << "256 colours are written as 0";
    EXPECT_EQ(entry.bitCount, 8);

    // The image itself agrees with its directory entry.
    EXPECT_EQ(Names(RT_ICON).size(), 1u);
    const ResourceBytes image = Find(RT_ICON, entry.id);
    ASSERT_GE(image.size, sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(image.size, entry.bytesInResource);
    BITMAPINFOHEADER info;
    std::memcpy(&info, image.data, sizeof info);
    EXPECT_EQ(info.biWidth, 32);
    EXPECT_EQ(info.biHeight, 64) << "colour image and mask";
    EXPECT_EQ(info.biBitCount, 8);
}

TEST_F(ExecutableResourcesTest, OneCursor32x32With16ColoursAndHotSpotAt12And1) {
    const std::vector<std::string> groups = Names(RT_GROUP_CURSOR);
    ASSERT_EQ(groups, std::vector<std::string>{IdName(IDC_POINTING_HAND)});

    const ResourceBytes group = Find(RT_GROUP_CURSOR, IDC_POINTING_HAND);
    ASSERT_GE(group.size, sizeof(ResourceDirectoryHeader) + sizeof(CursorDirectoryEntry));
    ResourceDirectoryHeader header;
    std::memcpy(&header, group.data, sizeof header);
    EXPECT_EQ(header.type, 2);
    ASSERT_EQ(header.count, 1);
    CursorDirectoryEntry entry;
    std::memcpy(&entry, group.data + sizeof header, sizeof entry);
    EXPECT_EQ(entry.width, 32);
    EXPECT_EQ(entry.height, 64) << "colour image and mask";
    // The resource compiler writes one plane of one bit here whatever the image holds; the loader matches
    // cursors by size, and the image's own header below carries its colour depth.

    // A cursor image starts with its hot spot, then the bitmap header.
    EXPECT_EQ(Names(RT_CURSOR).size(), 1u);
    const ResourceBytes image = Find(RT_CURSOR, entry.id);
    ASSERT_GE(image.size, 2 * sizeof(WORD) + sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(image.size, entry.bytesInResource);
    WORD hotSpot[2];
    std::memcpy(hotSpot, image.data, sizeof hotSpot);
    EXPECT_EQ(hotSpot[0], 12);
    EXPECT_EQ(hotSpot[1], 1);
    BITMAPINFOHEADER info;
    std::memcpy(&info, image.data + sizeof hotSpot, sizeof info);
    EXPECT_EQ(info.biWidth, 32);
    EXPECT_EQ(info.biHeight, 64);
    EXPECT_EQ(info.biBitCount, 4) << "16 colours";
    EXPECT_TRUE(info.biClrUsed == 0 || info.biClrUsed == 16) << info.biClrUsed;
}

TEST_F(ExecutableResourcesTest, PreviewBitmapIs180x135TrueColourUncompressed) {
    ASSERT_EQ(Names(RT_BITMAP), std::vector<std::string>{IdName(IDB_PREVIEW)});

    const ResourceBytes bitmap = Find(RT_BITMAP, IDB_PREVIEW);
    ASSERT_GE(bitmap.size, sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER info;
    std::memcpy(&info, bitmap.data, sizeof info);
    EXPECT_EQ(info.biSize, sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(info.biWidth, 180);
    EXPECT_EQ(std::abs(info.biHeight), 135);
    EXPECT_EQ(info.biPlanes, 1);
    EXPECT_EQ(info.biBitCount, 24);
    EXPECT_EQ(info.biCompression, static_cast<DWORD>(BI_RGB));
    // Every row of pixels is there: 540 bytes a row, already a multiple of four.
    EXPECT_GE(bitmap.size, info.biSize + 540u * 135u);
}

// A manifest would change how newer systems run the program; it runs as an ordinary program everywhere.
TEST_F(ExecutableResourcesTest, NoManifest) {
    EXPECT_EQ(Names(RT_MANIFEST), std::vector<std::string>{});
    const std::vector<std::string> types = Types();
    ASSERT_FALSE(types.empty()) << "the resource types could not be listed";
    const std::string manifestType = IdName(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(RT_MANIFEST)));
    EXPECT_EQ(std::count(types.begin(), types.end(), manifestType), 0);
}

} // namespace
} // namespace vurozud
