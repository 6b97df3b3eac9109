#pragma once

#include <QString>

// A path as run-log lines show it: with the system's separators ("\" on Windows), and control
// characters written as "\r", "\n", "\t" or "\xNN", so that no file name can end a record and
// start a genuine-looking one.
QString PathForLog(const QString& strPath);
