#pragma once

#include <QtGlobal>

#include <random>

namespace zr {

// The program's source of random numbers: uniform values in [0, 1), as the practice
// screens draw them. Seeded once from the clock at start-up; tests seed it themselves.
class Random {
public:
    static double next();                  // uniform in [0, 1)
    static int below(int n);               // Int(next() * n), 0 for n <= 0
    static void seed(quint64 seed);
    static void seedFromClock();

private:
    static std::mt19937_64 &engine();
};

}  // namespace zr
