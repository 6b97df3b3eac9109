#include "platform/Signals.h"

#include <csignal>

void IgnoreBrokenPipe() { std::signal(SIGPIPE, SIG_IGN); }
