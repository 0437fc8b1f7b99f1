// How quickly the drill window answers a keystroke: from the key event to the end of
// the repaint it causes, over 2000 key presses, and how long the drill takes to be
// ready (word list and first screen). Runs under any Qt platform, offscreen included.

#include "engine/RomajiTable.h"
#include "keyboard/KeyboardModel.h"
#include "keyboard/LessonTable.h"
#include "platform/Paths.h"
#include "practice/DrillWords.h"
#include "userdata/ProblemFile.h"
#include "practice/TrainingDrill.h"
#include "platform/Random.h"
#include "platform/WindowPositions.h"
#include "ui/common/Application.h"
#include "ui/practice/TrainingFrm.h"
#include "userdata/ZRSub.h"

#include "BenchSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace zr;
using namespace zr::bench;

namespace {

constexpr int kPresses = 2000;

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    SetUpApplication(app);
    QTemporaryDir data;
    // Long enough limits that 2000 keys stay within one drill.
    if (!setUpLearner(data, "training_bench", "[Training]\r\nLessonTime=10:00:00\r\nLessonStep=1000\r\n"))
        return 1;
    SharedState &s = ZRSub();
    QString error;
    const auto lines = ReadLessonTable(AppPath(LessonTableFile(RomajiCourse)), &error);
    if (!lines) {
        std::fprintf(stderr, "training_bench: %s\n", qUtf8Printable(error));
        return 1;
    }
    const ChapterTable chapters(*lines);
    const Chapter &chapter = chapters.chapter(std::min(7, chapters.ChapterCount()));
    Random::seed(42);

    // The drill's own work: the dictionary, the word list and the first screen.
    QElapsedTimer ready;
    ready.start();
    {
        const WordDictionary dictionary = ReadWordDictionary(AppPath(QStringLiteral("resource\\zr.zrd")));
        TrainingDrill drill(s.keyStats, DrillSettings{chapter.UseKey, chapter.TargetKey, 7}, {});
        drill.setWords(BuildDrillWordList(dictionary.words(), chapter.UseKey, chapter.TargetKey, RomajiCourse,
                                          s.CurUser.RomajiTable));
        if (!drill.start())
            return 1;
    }
    const double drillMs = double(ready.nsecsElapsed()) / 1e6;

    // The whole window up to its first screen: once cold (fonts and settings file
    // first used), then as every later drill of the session finds it.
    double windowMs[2] = {0, 0};
    for (double &ms : windowMs) {
        ready.start();
        TrainingFrm warmUp;
        warmUp.UseKey = chapter.UseKey;
        warmUp.TargetKey = chapter.TargetKey;
        warmUp.lesson = 7;
        if (!warmUp.prepare())
            return 1;
        ms = double(ready.nsecsElapsed()) / 1e6;
    }
    Random::seed(42);
    TrainingFrm frm;
    frm.UseKey = chapter.UseKey;
    frm.TargetKey = chapter.TargetKey;
    frm.lesson = 7;
    if (!frm.prepare())
        return 1;
    frm.show();
    QApplication::processEvents();

    std::vector<double> times;
    times.reserve(kPresses);
    QElapsedTimer t;
    for (int i = 0; i < kPresses && !frm.drill()->finished(); ++i) {
        QChar key = frm.drill()->protocol().expectedKey();
        // One key in twenty is wrong first, as a learner's would be.
        if (i % 20 == 10)
            key = key == u'q' ? QChar(u'p') : QChar(u'q');
        t.start();
        press(&frm, key);
        QApplication::processEvents();   // the repaint the key caused
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }

    std::printf("drill ready (dictionary, word list of %d words and first screen): %.2f ms (target < 20 ms)\n",
                frm.drill()->wordCount(), drillMs);
    std::printf("drill window built with its first screen: %.2f ms cold, %.2f ms warm\n", windowMs[0], windowMs[1]);
    std::printf("key event to end of repaint over %zu key presses: median %.3f ms (target < 1 ms), "
                "99th percentile %.3f ms (target < 4 ms), max %.3f ms; %d screens\n",
                times.size(), percentile(times, 0.5), percentile(times, 0.99),
                *std::max_element(times.begin(), times.end()), frm.drill()->screenCounter());
    frm.close();
    return 0;
}
