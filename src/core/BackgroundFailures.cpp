#include "core/BackgroundFailures.h"

#include <mutex>

namespace
{
std::mutex gMutex;
std::exception_ptr gFirst;
} // namespace

void BackgroundFailures::report(std::exception_ptr failure)
{
    std::lock_guard lock(gMutex);
    if (!gFirst)
        gFirst = failure;
}

void BackgroundFailures::rethrowIfAny()
{
    std::exception_ptr failure;
    {
        std::lock_guard lock(gMutex);
        failure = gFirst;
        gFirst = nullptr;
    }
    if (failure)
        std::rethrow_exception(failure);
}

void BackgroundFailures::clear()
{
    std::lock_guard lock(gMutex);
    gFirst = nullptr;
}
