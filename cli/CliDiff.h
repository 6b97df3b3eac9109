#pragma once

#include "cli/CliOptions.h"

// diff A B: the blocks field by field and the byte comparison. Returns 0 when the files are
// identical, 1 when they differ or a file is refused.
int RunDiff(const CliOptions& options);
