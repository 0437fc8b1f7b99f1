#include "platform/Random.h"

#include <chrono>

namespace zr {

std::mt19937_64 &Random::engine()
{
    static std::mt19937_64 e(0x5A52);
    return e;
}

double Random::next()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine());
}

int Random::below(int n)
{
    if (n <= 0)
        return 0;
    const int i = int(next() * n);
    return i < n ? i : n - 1;
}

void Random::seed(quint64 s)
{
    engine().seed(s);
}

void Random::seedFromClock()
{
    seed(quint64(std::chrono::steady_clock::now().time_since_epoch().count())
         ^ quint64(std::chrono::system_clock::now().time_since_epoch().count()));
}

}  // namespace zr
