#pragma once

// Shows the run log's write errors in a message box with OK.
void InstallLogErrorBox();
