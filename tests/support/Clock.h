#pragma once

#include <QDateTime>

// A settable clock for one test: installs itself, restores the system clock when it goes.
class FakeClock {
public:
    explicit FakeClock(const QDateTime& now);
    ~FakeClock();
    void Set(const QDateTime& now);
};

QDateTime At(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond, int nMsec = 0);
