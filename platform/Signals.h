#pragma once

// A write to a closed pipe or terminal then fails with an error instead of ending the
// process, so a run always finishes and writes its log file.
void IgnoreBrokenPipe();
