#include "engine/KeyStats.h"

#include "platform/Cp932.h"

namespace zr {

KeyStat *KeyStats::at(int code)
{
    if (code < kFirstCode || code > kLastCode)
        return nullptr;
    return &stats_[size_t(code - kFirstCode)];
}

const KeyStat *KeyStats::at(int code) const
{
    return const_cast<KeyStats *>(this)->at(code);
}

void KeyStats::addHit(QChar key, double milliseconds)
{
    if (KeyStat *s = at(ansiKeyCode(key))) {
        s->hits += 1;
        s->milliseconds += milliseconds;
    }
}

void KeyStats::addMiss(QChar key)
{
    if (KeyStat *s = at(ansiKeyCode(key)))
        s->misses += 1;
}

double KeyStats::totalHits() const
{
    double sum = 0;
    for (const KeyStat &s : stats_)
        sum += s.hits;
    return sum;
}

double KeyStats::totalMisses() const
{
    double sum = 0;
    for (const KeyStat &s : stats_)
        sum += s.misses;
    return sum;
}

}  // namespace zr
