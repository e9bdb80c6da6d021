// COM initialisation for one scope: each test runs on a fresh thread, whose apartment it probes.

#include "ActiveDesktop.h"
#include "Failure.h"

#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <functional>
#include <thread>

namespace vurozud {
namespace {

enum class Apartment { None, SingleThreaded, MultiThreaded };

// Which apartment the calling thread is in, found without changing it.
Apartment ApartmentOfThisThread() {
    const HRESULT result = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (result == RPC_E_CHANGED_MODE)
        return Apartment::SingleThreaded;
    CoUninitialize();
    return result == S_OK ? Apartment::None : Apartment::MultiThreaded;
}

void OnNewThread(const std::function<void()>& body) {
    std::thread(body).join();
}

TEST(ComInitialization, JoinsASingleThreadedApartmentForItsLifetime) {
    OnNewThread([] {
        {
            const ComInitialization com;
            EXPECT_EQ(ApartmentOfThisThread(), Apartment::SingleThreaded);
        }
        EXPECT_EQ(ApartmentOfThisThread(), Apartment::None);
    });
}

TEST(ComInitialization, NestedScopesEachUndoOnlyTheirOwn) {
    OnNewThread([] {
        {
            const ComInitialization outer;
            {
                const ComInitialization inner;
            }
            EXPECT_EQ(ApartmentOfThisThread(), Apartment::SingleThreaded);
        }
        EXPECT_EQ(ApartmentOfThisThread(), Apartment::None);
    });
}

TEST(ComInitialization, ThreadInAnotherApartmentThrowsAndKeepsIt) {
    OnNewThread([] {
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        try {
            const ComInitialization com;
            ADD_FAILURE() << "a thread in the multithreaded apartment cannot join a single-threaded one";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Kind(), FailureCodeKind::Hresult);
            EXPECT_EQ(failure.Code(), static_cast<std::uint32_t>(RPC_E_CHANGED_MODE));
            EXPECT_EQ(failure.Operation(), "CoInitialize");
        }
        EXPECT_EQ(ApartmentOfThisThread(), Apartment::MultiThreaded);
        CoUninitialize();
        EXPECT_EQ(ApartmentOfThisThread(), Apartment::None);
    });
}

} // namespace
} // namespace vurozud
