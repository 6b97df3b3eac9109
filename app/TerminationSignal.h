#pragma once

// On SIGTERM or SIGINT (the session ends, or Ctrl+C in a terminal) the open windows are
// closed as by their close box, so the program ends normally and the log file gets its
// closing banner.
void CloseWindowsOnTermination();

// True once such a request came; a window shown after it must close at once.
bool TerminationRequested();
