#include "platform/Clock.h"

#include <atomic>
#include <ctime>
#include <mutex>

#include "platform/LocalTime.h"

namespace {

std::atomic<ClockFunction> g_pfnClock{nullptr};

LocalTimeFields FieldsOf(const QDateTime& dateTime) {
    LocalTimeFields fields;
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    if (date.isValid()) {
        fields.nYear = date.year();
        fields.nMonth = date.month();
        fields.nDay = date.day();
    }
    if (time.isValid()) {
        fields.nHour = time.hour();
        fields.nMinute = time.minute();
        fields.nSecond = time.second();
        fields.nMsec = time.msec();
    }
    return fields;
}

// Converting to local time looks at the time zone files each time; within one second the
// answer only differs in its milliseconds.
LocalTimeFields SystemLocalTime() {
    static std::mutex mutex;
    static qint64 nCachedSecond = -1;
    static LocalTimeFields cached;
    const qint64 nMsecs = QDateTime::currentMSecsSinceEpoch();
    const qint64 nSecond = nMsecs / 1000;
    std::lock_guard<std::mutex> lock(mutex);
    if (nSecond != nCachedSecond) {
        std::time_t t = static_cast<std::time_t>(nSecond);
        std::tm tm{};
        if (!LocalTimeOf(t, tm)) return LocalTimeFields();
        cached.nYear = tm.tm_year + 1900;
        cached.nMonth = tm.tm_mon + 1;
        cached.nDay = tm.tm_mday;
        cached.nHour = tm.tm_hour;
        cached.nMinute = tm.tm_min;
        cached.nSecond = tm.tm_sec;
        nCachedSecond = nSecond;
    }
    LocalTimeFields fields = cached;
    fields.nMsec = static_cast<int>(nMsecs % 1000);
    return fields;
}

}  // namespace

void SetClock(ClockFunction pfnClock) { g_pfnClock.store(pfnClock); }

LocalTimeFields CurrentLocalTime() {
    ClockFunction pfn = g_pfnClock.load();
    return pfn ? FieldsOf(pfn()) : SystemLocalTime();
}
