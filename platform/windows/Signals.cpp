#include "platform/Signals.h"

// Windows has no SIGPIPE or SIGXFSZ: such writes already fail with an error.
void IgnoreWriteSignals() {}

// A Windows process without standard handles gets none by number: nothing can take their place.
void OpenClosedStandardStreams() {}
