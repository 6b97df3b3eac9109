#pragma once

#include <QString>

// Shows the message of a failed log-file write. The window installs a message box with OK,
// tests install a recorder; the default writes the message to standard error.
using LogErrorHandler = void (*)(const QString& strMessage);

// nullptr restores the default.
void SetLogErrorHandler(LogErrorHandler pfnHandler);
void ReportLogError(const QString& strMessage);
