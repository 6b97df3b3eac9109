#include "platform/ThreadId.h"

#ifdef _WIN32
#include <windows.h>
long CurrentThreadId() { return static_cast<long>(GetCurrentThreadId()); }
#else
#include <unistd.h>
long CurrentThreadId() { return static_cast<long>(gettid()); }
#endif
