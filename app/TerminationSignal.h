#pragma once

// On a request to end (SIGTERM or SIGINT; on Windows Ctrl+C, Ctrl+Break, a closed console) the
// open windows are closed as by their close box, so the program ends normally and the log file
// gets its closing banner. At the end of a Windows session, which ends the process at once, the
// windows are closed and the banner written before that.
void CloseWindowsOnTermination();

// True once such a request came; a window shown after it must close at once.
bool TerminationRequested();
