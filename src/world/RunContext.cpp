#include "world/RunContext.h"

#include <atomic>

namespace
{
std::atomic<RunContext*> activeContext{nullptr};
}

RunContext* RunContext::active()
{
    return activeContext.load();
}

void RunContext::setActive(RunContext* context)
{
    activeContext.store(context);
}
