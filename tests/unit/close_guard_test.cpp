// Closing while handlers that run console commands are active.
#include "ui/close_guard.h"

#include <gtest/gtest.h>

namespace korvath {
namespace {

TEST(CloseGuard, ClosesAtOnceWhenNothingRuns) {
    CloseGuard guard;
    EXPECT_TRUE(guard.request_close());
    EXPECT_FALSE(guard.close_requested());
    EXPECT_FALSE(guard.deferred_close_due());
}

TEST(CloseGuard, WaitsForTheOutermostBusyHandler) {
    CloseGuard guard;
    {
        BusyScope outer(guard);
        {
            // A second click handled while the first one waits for its command.
            BusyScope inner(guard);
            EXPECT_FALSE(guard.request_close());
            EXPECT_TRUE(guard.close_requested());
        }
        EXPECT_FALSE(guard.deferred_close_due());
        EXPECT_FALSE(guard.request_close()); // asking again changes nothing
    }
    EXPECT_FALSE(guard.busy());
    EXPECT_TRUE(guard.deferred_close_due());
}

TEST(CloseGuard, BusyHandlerWithoutCloseRequestLeavesWindowOpen) {
    CloseGuard guard;
    { BusyScope busy(guard); }
    EXPECT_FALSE(guard.close_requested());
    EXPECT_FALSE(guard.deferred_close_due());
    EXPECT_TRUE(guard.request_close());
}

} // namespace
} // namespace korvath
