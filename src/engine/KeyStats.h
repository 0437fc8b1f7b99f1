#pragma once

#include <QChar>

#include <array>

namespace zr {

// Per-key figures of a practice run for the key characters 32 to 223 (ASCII and the
// half-width katakana 0xA1..0xDF), filled by the practice screen and read by its
// result screen.
struct KeyStat {
    double hits = 0;
    double misses = 0;
    double milliseconds = 0;
};

class KeyStats {
public:
    static constexpr int kFirstCode = 32;
    static constexpr int kLastCode = 223;

    void reset() { stats_.fill({}); }

    // The entry of a character code; codes outside 32..223 have none.
    KeyStat *at(int code);
    const KeyStat *at(int code) const;

    // Adds a hit or a miss to a key character; characters without an entry are
    // ignored.
    void addHit(QChar key, double milliseconds);
    void addMiss(QChar key);

    double totalHits() const;
    double totalMisses() const;

private:
    std::array<KeyStat, kLastCode - kFirstCode + 1> stats_{};
};

}  // namespace zr
