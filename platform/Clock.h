#pragma once

#include <QDateTime>

// Local time with milliseconds. Tests replace the clock to cross midnight without waiting.
using ClockFunction = QDateTime (*)();

// Installs a clock; nullptr restores the system clock.
void SetClock(ClockFunction pfnClock);

// The current local time in fields. A field that cannot be computed is 0 for the date and
// -1 for the time. Cheap: the system clock converts to local time once a second.
struct LocalTimeFields {
    int nYear = 0, nMonth = 0, nDay = 0;
    int nHour = -1, nMinute = -1, nSecond = -1, nMsec = -1;
};
LocalTimeFields CurrentLocalTime();
