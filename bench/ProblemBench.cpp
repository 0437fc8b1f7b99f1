// How quickly word and sentence practice answer: from a key event to the end of the
// repaint it causes, over 2000 key presses in WordFrm (the shipped 2000-word dictionary)
// and in SentFrm (the longest shipped passage), and the time from "次へ" to the first
// row shown, cold (the first practice window of the process) and warm. Runs under any
// Qt platform, offscreen included.
//
//   practice_bench              all figures (the cold starts in fresh processes)
//   practice_bench cold KIND    one cold start: KIND is word, sentence or drill

#include "engine/RomajiTable.h"
#include "keyboard/KeyboardModel.h"
#include "keyboard/LessonTable.h"
#include "platform/Random.h"
#include "platform/WindowPositions.h"
#include "practice/ProblemFile.h"
#include "ui/common/Application.h"
#include "ui/practice/PracticeInput.h"
#include "ui/practice/ProblemPracticeFrm.h"
#include "ui/practice/TrainingFrm.h"
#include "userdata/UserSettings.h"
#include "userdata/ZRSub.h"

#include "BenchSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using namespace zr;
using namespace zr::bench;

namespace {

constexpr int kPresses = 2000;

// A learner with the shipped romaji table in a temporary data folder; word slot 1 is the
// 2000-word dictionary, sentence slot 1 a set of twelve copies of the longest shipped
// passage.
struct Bench {
    QTemporaryDir data;
    QString longestPassage;
    int longestKeys = 0;

    bool setUp()
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
            std::fprintf(stderr, "practice_bench: %s\n", qUtf8Printable(error));
            return false;
        }
        s.CurUser.UserName = QStringLiteral("bench");
        s.CurUser.RomajiTable.load(*entries);
        QFile ini(s.CurUserDir + QStringLiteral("/user.ini"));
        if (ini.open(QIODevice::WriteOnly))
            ini.write("[WordLsn]\r\nLessonTime=10:00:00\r\nLessonStep=1000\r\nL1=resource\\zr.zrd\r\nLT1=bench\r\n"
                      "[SSentLsn]\r\nL1=resource\\longest.zrw\r\nLT1=bench\r\n");
        ini.close();

        // The longest passage of the shipped sets, by keys.
        SentenceSet longest;
        for (const QString &name : QDir(AppPath(QStringLiteral("resource"))).entryList({QStringLiteral("*.zrw")})) {
            const SentenceSet set = ReadSentenceSet(AppPath(QStringLiteral("resource\\") + name));
            for (int p = 1; p <= 12; ++p) {
                int keys = 0;
                QString text;
                for (const ProblemItem &line : set.lines(p)) {
                    keys += int(ConvertWord(line.reading, {}, {}, 1, RomajiCourse, s.CurUser.RomajiTable).Rmj.size()) + 1;
                    text += line.display;
                }
                if (keys > longestKeys) {
                    longestKeys = keys;
                    longestPassage = name + QStringLiteral(": ") + text;
                    for (int q = 0; q < SentenceSet::kProblems; ++q)
                        longest.problems[size_t(q)] = set.problems[size_t(p - 1)];
                }
            }
        }
        longest.title = QStringLiteral("bench");
        // The bench's own installation folder: the shipped files and the set above.
        const QString app = data.path() + QStringLiteral("/app/");
        QDir().mkpath(app + QStringLiteral("resource"));
        for (const QString &name : QDir(AppPath(QStringLiteral("resource"))).entryList(QDir::Files))
            QFile::copy(AppPath(QStringLiteral("resource\\") + name), app + QStringLiteral("resource/") + name);
        s.AppDir = app;
        return WriteSentenceSet(AppPath(QStringLiteral("resource\\longest.zrw")), longest, &error);
    }
};

std::unique_ptr<ProblemPracticeFrm> practiceWindow(PracticeKind kind)
{
    std::unique_ptr<ProblemPracticeFrm> frm;
    if (kind == PracticeKind::Word)
        frm = std::make_unique<WordFrm>();
    else
        frm = std::make_unique<SentFrm>();
    frm->lesson = 1;
    frm->settings = ReadProblemPracticeSettings(kind, 1, CurUserIni());
    return frm;
}

// From "次へ" (the window made and shown) to its first row painted.
double firstRowMs(PracticeKind kind)
{
    QElapsedTimer t;
    t.start();
    auto frm = practiceWindow(kind);
    frm->show();
    QApplication::processEvents();
    const double ms = double(t.nsecsElapsed()) / 1e6;
    frm->close();
    return ms;
}

double drillFirstScreenMs()
{
    QString error;
    const auto lines = ReadLessonTable(AppPath(LessonTableFile(RomajiCourse)), &error);
    if (!lines)
        return -1;
    const ChapterTable chapters(*lines);
    const Chapter &chapter = chapters.chapter(std::min(7, chapters.ChapterCount()));
    QElapsedTimer t;
    t.start();
    TrainingFrm frm;
    frm.UseKey = chapter.UseKey;
    frm.TargetKey = chapter.TargetKey;
    frm.lesson = 7;
    frm.show();
    QApplication::processEvents();
    const double ms = double(t.nsecsElapsed()) / 1e6;
    frm.close();
    return ms;
}

struct KeyFigures {
    std::vector<double> times;
    int windows = 0;
};

// 2000 key presses, one in twenty wrong first; a run that ends is replaced by a new
// window instead of its result screen.
KeyFigures typeKeys(PracticeKind kind)
{
    KeyFigures figures;
    figures.times.reserve(kPresses);
    std::unique_ptr<ProblemPracticeFrm> frm;
    QElapsedTimer t;
    for (int i = 0; i < kPresses; ++i) {
        if (!frm || frm->practice()->finished()) {
            if (frm)
                frm->close();
            frm = practiceWindow(kind);
            frm->show();
            QApplication::processEvents();
            QObject::disconnect(frm->practice(), &ProblemPractice::practiceFinished, nullptr, nullptr);
            ++figures.windows;
        }
        QChar key = frm->practice()->protocol().expectedKey();
        if (i % 20 == 10)
            key = key == u'q' ? QChar(u'p') : QChar(u'q');
        t.start();
        press(frm.get(), key);
        QApplication::processEvents();   // the repaint the key caused
        figures.times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    frm->close();
    return figures;
}

void report(const char *what, const KeyFigures &f)
{
    std::printf("%s: key event to end of repaint over %zu key presses: median %.3f ms, 99th percentile %.3f ms, "
                "max %.3f ms (targets < 1, < 1, < 4 ms); %d window(s)\n",
                what, f.times.size(), percentile(f.times, 0.5), percentile(f.times, 0.99),
                *std::max_element(f.times.begin(), f.times.end()), f.windows);
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    SetUpApplication(app);
    Bench bench;
    if (!bench.setUp())
        return 1;
    Random::seed(42);

    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == u"cold") {
        const double ms = args[2] == u"drill" ? drillFirstScreenMs()
                                              : firstRowMs(args[2] == u"word" ? PracticeKind::Word : PracticeKind::Sentence);
        std::printf("%.2f\n", ms);
        return 0;
    }

    auto cold = [&](const char *kind) {
        QProcess p;
        p.start(app.applicationFilePath(), {QStringLiteral("cold"), QString::fromLatin1(kind)});
        p.waitForFinished(60000);
        return QString::fromLatin1(p.readAllStandardOutput()).trimmed();
    };
    const QString coldWord = cold("word");
    const QString coldSentence = cold("sentence");
    const QString coldDrill = cold("drill");
    const double warmWord = firstRowMs(PracticeKind::Word);
    const double warmSentence = firstRowMs(PracticeKind::Sentence);

    std::printf("\"次へ\" to first row shown (target < 30 ms): WordFrm with %d-word dictionary %s ms cold, %.2f ms warm; "
                "SentFrm %s ms cold, %.2f ms warm; drill window %s ms cold\n",
                ReadWordDictionary(AppPath(QStringLiteral("resource\\zr.zrd"))).wordCount(), qUtf8Printable(coldWord),
                warmWord, qUtf8Printable(coldSentence), warmSentence, qUtf8Printable(coldDrill));
    report("WordFrm", typeKeys(PracticeKind::Word));
    std::printf("longest shipped passage (%d keys): %s\n", bench.longestKeys, qUtf8Printable(bench.longestPassage));
    report("SentFrm", typeKeys(PracticeKind::Sentence));
    return 0;
}
