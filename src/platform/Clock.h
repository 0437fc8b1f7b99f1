#pragma once

#include <QtGlobal>

namespace zr {

// The program's sources of time: the calendar clock (an OLE date-time: days since
// 1899-12-30, the time of day as the fraction) and a monotonic millisecond count for
// keystroke intervals. Tests install a clock of their own to run a practice in
// milliseconds.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double now() const = 0;            // date and time, as an OLE date
    virtual qint64 monotonicMs() const = 0;    // never goes backwards

    // The clock every part of the program reads. Never null.
    static Clock &current();
    // Installs a clock (nullptr restores the system clock). The caller keeps ownership.
    static void install(Clock *clock);
};

// The local system clock.
class SystemClock final : public Clock {
public:
    double now() const override;
    qint64 monotonicMs() const override;
};

// A clock that moves only when told to; for tests.
class ManualClock final : public Clock {
public:
    explicit ManualClock(double now = 46364.5) : now_(now) {}   // 2026-12-08 12:00
    double now() const override { return now_; }
    qint64 monotonicMs() const override { return ms_; }
    void advanceMs(qint64 ms)
    {
        ms_ += ms;
        now_ += double(ms) / 86400000.0;
    }
    void setNow(double now) { now_ = now; }

private:
    double now_;
    qint64 ms_ = 0;
};

// The millisecond stopwatch of the keystroke timing.
void SwResetCount();
void SwStartCount();
qint32 SwGetCount();

// Today's date (the date part of Clock::current().now()).
double Today();

}  // namespace zr
