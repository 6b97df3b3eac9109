#pragma once

#include <QString>

#include "platform/Clock.h"

class CRunLog;

// The file name of a channel's log at a time, from the run log's name options alone:
// "<name>log_<date>[_HH].log" for the plain channel 0, "<name>log[<n>]_<channel>_<date>[_HH].log"
// otherwise. Empty when the channel cannot be named (outside 0 to 9 with the long pattern).
QString LogFileName(const CRunLog& log, int nChannel, const LocalTimeFields& now);
