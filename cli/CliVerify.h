#pragma once

#include "cli/CliOptions.h"

// verify IMAGE: one line per check, then the digest line (or all of it as JSON). Returns 0
// when every check holds, 3 when one fails, 1 when a file is refused.
int RunVerify(const CliOptions& options);
