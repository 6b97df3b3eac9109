#include "platform/Signals.h"

// Windows has no SIGPIPE: a write to a closed pipe already fails with an error.
void IgnoreBrokenPipe() {}
