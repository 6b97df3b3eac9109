#include "tests/support/Clock.h"

#include "platform/Clock.h"

namespace {
QDateTime g_fakeNow;
QDateTime FakeNow() { return g_fakeNow; }
}  // namespace

FakeClock::FakeClock(const QDateTime& now) {
    g_fakeNow = now;
    SetClock(&FakeNow);
}

FakeClock::~FakeClock() { SetClock(nullptr); }

void FakeClock::Set(const QDateTime& now) { g_fakeNow = now; }

QDateTime At(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond, int nMsec) {
    return QDateTime(QDate(nYear, nMonth, nDay), QTime(nHour, nMinute, nSecond, nMsec));
}
