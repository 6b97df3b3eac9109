#include "platform/Clock.h"

#include <atomic>

namespace {
std::atomic<ClockFunction> g_pfnClock{nullptr};
}

QDateTime CurrentDateTime() {
    ClockFunction pfn = g_pfnClock.load();
    return pfn ? pfn() : QDateTime::currentDateTime();
}

void SetClock(ClockFunction pfnClock) { g_pfnClock.store(pfnClock); }
