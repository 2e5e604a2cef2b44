#include "platform/ui/window/DeferredDelete.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <vector>

// After the event loop has ended no timer fires: what waits is deleted by the flush.
TEST(DeferredDelete, WaitsForTheLoopOrTheFlushAndTakesDeletionsAskedOnTheWay)
{
    std::vector<int> order;
    platform::DeleteWhenIdle([&] {
        order.push_back(1);
        platform::DeleteWhenIdle([&] { order.push_back(2); });
    });
    EXPECT_TRUE(order.empty());
    platform::FlushDeferredDeletes();
    EXPECT_EQ(order, (std::vector<int>{1, 2}));

    platform::DeleteWhenIdle([&] { order.push_back(3); });
    QCoreApplication::processEvents();
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}
