#pragma once

#include "cli/CliOptions.h"

// Runs one command as the window would run its buttons. Returns the exit status: 0 when the
// work was done, 1 when a question was declined, an input refused or a write failed.
int RunCli(const CliOptions& options);
