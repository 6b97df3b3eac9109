#include "platform/ThreadId.h"

#include <unistd.h>

long CurrentThreadId() { return static_cast<long>(gettid()); }
