#include "platform/ui/window/DeferredDelete.h"

#include <QApplication>
#include <QTimer>

#include <vector>

namespace platform {
namespace {

std::vector<std::function<void()>>& Pending()
{
    static std::vector<std::function<void()>> pending;
    return pending;
}

} // namespace

void DeleteWhenIdle(std::function<void()> deleter)
{
    Pending().push_back(std::move(deleter));
    QTimer::singleShot(0, qApp, &FlushDeferredDeletes);
}

void FlushDeferredDeletes()
{
    // A deletion may ask for another one; those run in the same flush.
    while (!Pending().empty()) {
        std::vector<std::function<void()>> batch;
        batch.swap(Pending());
        for (auto& deleter : batch)
            deleter();
    }
}

} // namespace platform
