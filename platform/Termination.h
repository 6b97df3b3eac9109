#pragma once

// Calls pfnRequest from the event loop of the main thread when the system asks the program to
// end: SIGTERM or SIGINT on Linux; Ctrl+C, Ctrl+Break, closing the console, log-off or shut-down
// on Windows. Needs the application object; installed once.
void OnTerminationRequest(void (*pfnRequest)());
