#include "platform/ThreadId.h"

#include <windows.h>

long CurrentThreadId() { return static_cast<long>(GetCurrentThreadId()); }
