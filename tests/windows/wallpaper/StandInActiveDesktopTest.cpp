// The stand-in itself: every method the launcher must not call answers "not implemented" and is
// journaled under its own name, which also shows that its table is in the interface's order.

#include "ActiveDesktop.h"
#include "ComInitialization.h"
#include "StandInJournal.h"

#include <windows.h>
#include <wininet.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <gtest/gtest.h>

namespace vurozud {
namespace {

TEST(StandInActiveDesktop, MethodsTheLauncherDoesNotUseAreJournaledAndNotImplemented) {
    const ComInitialization com;
    const test::StandInJournal journal;
    {
        Microsoft::WRL::ComPtr<IActiveDesktop> desktop;
        ASSERT_EQ(CoCreateInstance(CLSID_ActiveDesktop, nullptr, CLSCTX_INPROC_SERVER, IID_IActiveDesktop,
                                   reinterpret_cast<void**>(desktop.GetAddressOf())),
                  S_OK);
        wchar_t text[MAX_PATH] = {};
        WALLPAPEROPT options{sizeof options, 0};
        COMPONENTSOPT componentOptions{sizeof componentOptions, FALSE, FALSE};
        COMPONENT component{};
        component.dwSize = sizeof component;
        int count = 0;
        const HRESULT results[] = {
            desktop->GetWallpaper(text, MAX_PATH, 0),
            desktop->GetWallpaperOptions(&options, 0),
            desktop->GetPattern(text, MAX_PATH, 0),
            desktop->SetPattern(L"", 0),
            desktop->GetDesktopItemOptions(&componentOptions, 0),
            desktop->SetDesktopItemOptions(&componentOptions, 0),
            desktop->AddDesktopItem(&component, 0),
            desktop->AddDesktopItemWithUI(nullptr, &component, 0),
            desktop->ModifyDesktopItem(&component, 0),
            desktop->RemoveDesktopItem(&component, 0),
            desktop->GetDesktopItemCount(&count, 0),
            desktop->GetDesktopItem(0, &component, 0),
            desktop->GetDesktopItemByID(0, &component, 0),
            desktop->GenerateDesktopItemHtml(L"c:\\item.htm", &component, 0),
            desktop->AddUrl(nullptr, L"c:\\item.htm", &component, 0),
            desktop->GetDesktopItemBySource(L"c:\\item.htm", &component, 0),
        };
        for (const HRESULT result : results)
            EXPECT_EQ(result, E_NOTIMPL);
    }
    EXPECT_EQ(journal.Text(), "create\n"
                              "unexpected GetWallpaper\n"
                              "unexpected GetWallpaperOptions\n"
                              "unexpected GetPattern\n"
                              "unexpected SetPattern\n"
                              "unexpected GetDesktopItemOptions\n"
                              "unexpected SetDesktopItemOptions\n"
                              "unexpected AddDesktopItem\n"
                              "unexpected AddDesktopItemWithUI\n"
                              "unexpected ModifyDesktopItem\n"
                              "unexpected RemoveDesktopItem\n"
                              "unexpected GetDesktopItemCount\n"
                              "unexpected GetDesktopItem\n"
                              "unexpected GetDesktopItemByID\n"
                              "unexpected GenerateDesktopItemHtml\n"
                              "unexpected AddUrl\n"
                              "unexpected GetDesktopItemBySource\n"
                              "release\n");
}

TEST(StandInActiveDesktop, LooksTheJournalUpAtEachCallAndKeepsNoneWhenUnset) {
    const ComInitialization com;
    const test::StandInJournal journal;
    ApplyActiveDesktopWallpaper(u"c:\\first.htm", 2);
    // The server is loaded now; a name it had kept from before would still receive the lines.
    ASSERT_TRUE(SetEnvironmentVariableW(L"ACTIVE_DESKTOP_JOURNAL", nullptr));
    ApplyActiveDesktopWallpaper(u"c:\\second.htm", 2);
    EXPECT_EQ(journal.Text(), "create\noptions 8,2,0\nwallpaper \"c:\\first.htm\",0\napply 7\nrelease\n");
}

} // namespace
} // namespace vurozud
