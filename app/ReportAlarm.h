#pragma once

#include <QString>

// Writes a failure text to the run log as an alarm line: "报警信息: " + the text without its
// leading and trailing CR and LF. Returns 0.
int ReportAlarm(QString strText);
