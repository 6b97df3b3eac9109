#pragma once

#include <QString>

// A path as run-log lines show it: control characters are written as "\r", "\n", "\t" or
// "\xNN", so that no file name can end a record and start a genuine-looking one.
QString PathForLog(const QString& strPath);
