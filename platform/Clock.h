#pragma once

#include <QDateTime>

// Local time with milliseconds. Tests replace the clock to cross midnight without waiting.
using ClockFunction = QDateTime (*)();

QDateTime CurrentDateTime();

// Installs a clock; nullptr restores the system clock.
void SetClock(ClockFunction pfnClock);
