#pragma once

// What the window benchmarks share: key presses as a keyboard sends them, a learner
// set up in a temporary folder, and the timings of BenchTiming.h.

#include "BenchTiming.h"
#include "engine/RomajiTable.h"
#include "keyboard/KeyboardModel.h"
#include "platform/Paths.h"
#include "platform/WindowPositions.h"
#include "userdata/ZRSub.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>

#include <algorithm>
#include <vector>

namespace zr::bench {

inline void press(QWidget *w, QChar c)
{
    QKeyEvent down(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &up);
}

// A romaji learner "bench" with the shipped table, current in a data folder of its own,
// and iniText as the whole of user.ini. False, after a line on stderr, when the table
// cannot be read.
inline bool setUpLearner(const QTemporaryDir &data, const char *program, const QByteArray &iniText)
{
    SharedState &s = ZRSub();
    s.AppDir = QStringLiteral(ZR_BENCH_APP_DIR);
    s.DataDir = data.path() + u'/';
    s.CurUserDir = data.path() + QStringLiteral("/user01");
    QDir().mkpath(s.CurUserDir);
    WindowPositions::setStoreFile(data.filePath(QStringLiteral("ZR.ini")));
    QString error;
    const auto entries = ReadDefaultTable(AppPath(DefaultTableFile(RomajiCourse)), &error);
    if (!entries) {
        std::fprintf(stderr, "%s: %s\n", program, qUtf8Printable(error));
        return false;
    }
    s.CurUser.UserName = QStringLiteral("bench");
    s.CurUser.RomajiTable.load(*entries);
    QFile ini(s.CurUserDir + QStringLiteral("/user.ini"));
    if (ini.open(QIODevice::WriteOnly))
        ini.write(iniText);
    return true;
}

}  // namespace zr::bench
