#pragma once

// A write to a closed pipe or terminal, or past the file-size limit, then fails with an error
// (EPIPE, EFBIG) instead of ending the process, so a run always finishes, reports the failure
// and writes its log file.
void IgnoreWriteSignals();

// Standard input, output and error that were closed at start lead to /dev/null, so that no
// file the program opens later takes their numbers and gets their text.
void OpenClosedStandardStreams();
