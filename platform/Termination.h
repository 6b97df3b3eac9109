#pragma once

// Calls pfnRequest from the event loop of the main thread when the system asks the program to
// end: SIGTERM or SIGINT on Linux; Ctrl+C, Ctrl+Break, closing the console, log-off or shut-down
// on Windows. Needs the application object; installed once.
void OnTerminationRequest(void (*pfnRequest)());

// Calls pfnEnd in the main thread when the session ends (log-off, shut-down) and the system ends
// the process as soon as it returns, so that what must be written is written first. A window
// program on Windows learns it from WM_ENDSESSION; Linux sends SIGTERM before, which
// OnTerminationRequest handles, so there it does nothing.
void OnSessionEnd(void (*pfnEnd)());
