#include "platform/Clock.h"

#include "platform/OleDate.h"

#include <QDateTime>
#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <limits>

namespace zr {
namespace {

SystemClock systemClock;
Clock *installed = nullptr;

struct Stopwatch {
    qint64 accumulated = 0;   // ms counted while running, before startedAt
    qint64 startedAt = 0;
    bool running = false;
} stopwatch;

}  // namespace

Clock &Clock::current()
{
    return installed ? *installed : systemClock;
}

void Clock::install(Clock *clock)
{
    installed = clock;
}

double SystemClock::now() const
{
    return toOleDateTime(QDateTime::currentDateTime());
}

qint64 SystemClock::monotonicMs() const
{
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}

void SwResetCount()
{
    stopwatch.accumulated = 0;
    stopwatch.startedAt = Clock::current().monotonicMs();
}

void SwStartCount()
{
    if (!stopwatch.running) {
        stopwatch.startedAt = Clock::current().monotonicMs();
        stopwatch.running = true;
    }
}

qint32 SwGetCount()
{
    qint64 ms = stopwatch.accumulated;
    if (stopwatch.running)
        ms += Clock::current().monotonicMs() - stopwatch.startedAt;
    return qint32(std::min<qint64>(ms, std::numeric_limits<qint32>::max()));
}

double Today()
{
    return std::floor(Clock::current().now());
}

}  // namespace zr
