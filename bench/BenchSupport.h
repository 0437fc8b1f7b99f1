#pragma once

// What the window benchmarks share: key presses as a keyboard sends them and the
// percentiles of the timings.

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace zr::bench {

inline double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5));
    return v[i];
}

inline void press(QWidget *w, QChar c)
{
    QKeyEvent down(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &up);
}

}  // namespace zr::bench
