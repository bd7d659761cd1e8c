#include "world/RunContext.h"

#include "creatures/Camera.h"

#include <atomic>

namespace
{
std::atomic<RunContext*> activeContext{nullptr};
}

const Camera& RunContext::camera() const
{
    static const Camera identity;
    return identity;
}

RunContext* RunContext::active()
{
    return activeContext.load();
}

void RunContext::setActive(RunContext* context)
{
    activeContext.store(context);
}
