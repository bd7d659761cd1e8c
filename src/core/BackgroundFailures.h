#pragma once

#include <exception>

// Carries exceptions from detached loader threads to the main thread, which
// rethrows them once per frame so a failed load ends the program with a message
// instead of an abort.
class BackgroundFailures
{
public:
    static void report(std::exception_ptr failure);
    // Rethrows the first reported failure, if any.
    static void rethrowIfAny();
    static void clear();
};
