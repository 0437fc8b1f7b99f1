// How quickly word and sentence practice answer: from a key event to the end of the
// repaint it causes, over 2000 key presses in WordFrm (the shipped 2000-word dictionary)
// and in SentFrm (the longest shipped passage), and the time from "次へ" to the first
// row shown, cold (the first practice window of the process) and warm. Runs under any
// Qt platform, offscreen included.
//
//   practice_bench              all figures (the cold starts in fresh processes)
//   practice_bench --guide      the same with "読みを表示する" and "入力キーを表示する" on
//                               (both switches may be given together)
//   practice_bench --any-spelling
//                               the same with "どの綴りでも正解にする" on, and one key press
//                               in twenty (where a unit has one) the key of another
//                               spelling of the unit at the cursor
//   practice_bench cold KIND [bare] [fresh]
//                               one cold start: KIND is word, sentence or drill; the
//                               main window is shown first, as the program does,
//                               unless "bare" says the practice window is the process's
//                               first window; "fresh" gives the learner a "user.ini"
//                               with none of the settings yet (only the bench's problem
//                               files), so the window writes every default it reads
//                               (after its first paint, timed apart), and times the
//                               window from its settings read

#include "engine/RomajiTable.h"
#include "userdata/LearnerSpellings.h"
#include "keyboard/KeyboardModel.h"
#include "keyboard/LessonTable.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/WindowPositions.h"
#include "userdata/ProblemFile.h"
#include "ui/common/Application.h"
#include "ui/practice/PracticeInput.h"
#include "ui/practice/ProblemPracticeFrm.h"
#include "ui/practice/TrainingFrm.h"
#include "ui/shell/MainFrm.h"
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

#include <ctime>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

using namespace zr;
using namespace zr::bench;

namespace {

constexpr int kPresses = 2000;
bool anySpelling = false;
bool guide = false;

// A learner with the shipped romaji table in a temporary data folder; word slot 1 is the
// 2000-word dictionary, sentence slot 1 a set of twelve copies of the longest shipped
// passage.
struct Bench {
    QTemporaryDir data;
    QString longestPassage;
    int longestKeys = 0;

    // fresh: none of the settings in the file yet, as a learner has it before the
    // first practice window.
    bool setUp(bool fresh)
    {
        if (!setUpLearner(data, "practice_bench",
                          QByteArray(anySpelling ? "[General]\r\nAnySpelling=1\r\n" : "")
                              + "[WordLsn]\r\n" + QByteArray(guide ? "ShowReading=1\r\nShowKeys=1\r\n" : "")
                              + "LessonTime=10:00:00\r\nLessonStep=1000\r\nL1=resource\\zr.zrd\r\nLT1=bench\r\n"
                                "[SSentLsn]\r\nL1=resource\\longest.zrw\r\nLT1=bench\r\n"))
            return false;
        SharedState &s = ZRSub();
        // The error sound as a new learner has it: the shipped wave file.
        s.ErrorSound = 1;
        s.ErrorSoundType = 2;
        s.ErrorSoundFile = SystemSoundFolder(s.AppDir) + QStringLiteral("/media/chord.wav");
        // A learner who has used the program before: every setting the windows read is
        // in the file, so none of them is written while a window opens.
        if (!fresh) {
            for (const SettingDeclaration &d : SettingDeclarations())
                WriteMissingDefaults({d.id}, CurUserIni());
        }

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
        QString error;
        if (WriteSentenceSet(AppPath(QStringLiteral("resource\\longest.zrw")), longest, &error))
            return true;
        std::fprintf(stderr, "practice_bench: %s\n", qUtf8Printable(error));
        return false;
    }
};

double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// A time as wall clock and, in brackets, as the processor time of the thread (which
// other processes on a busy machine do not inflate).
struct Span {
    double wall = 0;
    double cpu = 0;
};

class Stopwatch {
public:
    Stopwatch() : cpu_(threadCpuMs()) { wall_.start(); }
    Span elapsed() const { return {double(wall_.nsecsElapsed()) / 1e6, threadCpuMs() - cpu_}; }

private:
    QElapsedTimer wall_;
    double cpu_;
};

QString spanText(Span s)
{
    return QString::asprintf("%.2f ms (%.2f ms processor)", s.wall, s.cpu);
}

std::unique_ptr<ProblemPracticeFrm> practiceWindow(PracticeKind kind, const ProblemPracticeSettings &settings)
{
    std::unique_ptr<ProblemPracticeFrm> frm = CreatePracticeFrm(kind);
    frm->lesson = 1;
    frm->settings = settings;
    return frm;
}

std::unique_ptr<ProblemPracticeFrm> practiceWindow(PracticeKind kind)
{
    return practiceWindow(kind, ReadProblemPracticeSettings(kind, 1, CurUserIni()));
}

// From "次へ" (the window made and shown) to its first row painted; the launcher has
// read the settings before the dialog opened, unless withSettingsRead puts that read
// (which writes the defaults a fresh learner's file lacks) into the time.
Span firstRow(PracticeKind kind, bool withSettingsRead = false)
{
    std::optional<Stopwatch> t;
    if (withSettingsRead)
        t.emplace();
    // As the launcher reads them: a fresh learner's defaults are written once the window
    // has painted.
    const ProblemPracticeSettings settings =
        ReadProblemPracticeSettings(kind, 1, CurUserIni(), DefaultsWrite::AfterFirstPaint);
    if (!t)
        t.emplace();
    const std::unique_ptr<ProblemPracticeFrm> frm = practiceWindow(kind, settings);
    frm->show();
    QApplication::processEvents();
    const Span span = t->elapsed();
    frm->close();
    return span;
}

Span drillFirstScreen()
{
    QString error;
    const auto lines = ReadLessonTable(AppPath(LessonTableFile(RomajiCourse)), &error);
    if (!lines)
        return {};
    const ChapterTable chapters(*lines);
    const Chapter &chapter = chapters.chapter(std::min(7, chapters.ChapterCount()));
    const Stopwatch t;
    TrainingFrm frm;   // reads its settings itself
    frm.UseKey = chapter.UseKey;
    frm.TargetKey = chapter.TargetKey;
    frm.lesson = 7;
    frm.show();
    QApplication::processEvents();
    const Span span = t.elapsed();
    frm.close();
    return span;
}

struct KeyFigures {
    std::vector<double> times;   // wall clock
    std::vector<double> cpu;     // the thread's processor time, which other processes do not inflate
    int windows = 0;
    int otherSpellings = 0;      // presses that took another spelling of their unit
};

// The key of another spelling of the unit at the cursor that goes on from what was
// typed of it; null when the unit has none.
QChar otherSpellingKey(const KeystrokeProtocol &protocol)
{
    const auto spellings = LearnerSpellings(anySpelling, RomajiCourse, ZRSub().CurUser.RomajiTable);
    if (!spellings || protocol.screenComplete())
        return {};
    const PositionRecord &p = protocol.positions().at(protocol.cursor());
    const QStringView typed = QStringView(p.unitKeys).left(p.offset);
    for (const QString &keys : spellings->of(p.kana)) {
        if (keys.size() > p.offset && keys.startsWith(typed) && keys.at(p.offset) != p.key)
            return keys.at(p.offset);
    }
    return {};
}


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
        if (i % 20 == 5) {
            if (const QChar other = otherSpellingKey(frm->practice()->protocol()); !other.isNull()) {
                key = other;
                ++figures.otherSpellings;
            }
        }
        const double cpu = threadCpuMs();
        t.start();
        press(frm.get(), key);
        QApplication::processEvents();   // the repaint the key caused
        figures.times.push_back(double(t.nsecsElapsed()) / 1e6);
        figures.cpu.push_back(threadCpuMs() - cpu);
    }
    frm->close();
    return figures;
}

void report(const char *what, const KeyFigures &f)
{
    std::printf("%s: key event to end of repaint over %zu key presses (targets: median < 1 ms, 99th percentile "
                "< 1 ms, max < 4 ms); %d window(s)%s%s\n",
                what, f.times.size(), f.windows,
                anySpelling ? qPrintable(QStringLiteral("; any spelling on, %1 presses of another spelling").arg(f.otherSpellings))
                            : "",
                guide ? "; readings and keys shown" : "");
    std::printf("  wall clock: median %.3f ms, 99th percentile %.3f ms, max %.3f ms\n", percentile(f.times, 0.5),
                percentile(f.times, 0.99), *std::max_element(f.times.begin(), f.times.end()));
    std::printf("  processor time of the thread: median %.3f ms, 99th percentile %.3f ms, max %.3f ms\n",
                percentile(f.cpu, 0.5), percentile(f.cpu, 0.99), *std::max_element(f.cpu.begin(), f.cpu.end()));
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    SetUpApplication(app);
    QStringList args = app.arguments();
    anySpelling = args.removeAll(QStringLiteral("--any-spelling")) > 0;
    guide = args.removeAll(QStringLiteral("--guide")) > 0;
    const bool coldStart = args.size() >= 3 && args[1] == u"cold";
    const bool fresh = coldStart && args.contains(QStringLiteral("fresh"));
    Bench bench;
    if (!bench.setUp(fresh))
        return 1;
    Random::seed(42);

    if (coldStart) {
        std::unique_ptr<MainFrm> main;
        Span mainSpan;
        if (!args.contains(QStringLiteral("bare"))) {
            const Stopwatch t;
            main = std::make_unique<MainFrm>();
            main->show();
            QApplication::processEvents();
            mainSpan = t.elapsed();
        }
        const Span span = args[2] == u"drill" ? drillFirstScreen()
                                              : firstRow(args[2] == u"word" ? PracticeKind::Word : PracticeKind::Sentence, fresh);
        // What the window left to do after its first paint: the defaults' rewrite.
        const Stopwatch w;
        WritePendingDefaults();
        const Span written = w.elapsed();
        std::printf("%s\n", qUtf8Printable(spanText(span)));
        if (fresh && main)
            std::printf("%s\n%s\n", qUtf8Printable(spanText(mainSpan)), qUtf8Printable(spanText(written)));
        return 0;
    }

    // The first line a cold start prints; a fresh one prints the main window's time
    // after it (fresh: also the main window's own first showing, in mainWindow).
    auto cold = [&](const char *kind, bool bare = false, bool freshLearner = false, QString *mainWindow = nullptr,
                    QString *defaultsWritten = nullptr) {
        QProcess p;
        QStringList arguments{QStringLiteral("cold"), QString::fromLatin1(kind)};
        if (bare)
            arguments.append(QStringLiteral("bare"));
        if (anySpelling)
            arguments.append(QStringLiteral("--any-spelling"));
        if (guide)
            arguments.append(QStringLiteral("--guide"));
        if (freshLearner)
            arguments.append(QStringLiteral("fresh"));
        p.start(app.applicationFilePath(), arguments);
        p.waitForFinished(60000);
        const QStringList lines = QString::fromLatin1(p.readAllStandardOutput()).trimmed().split(u'\n');
        if (mainWindow)
            *mainWindow = lines.value(1).trimmed();
        if (defaultsWritten)
            *defaultsWritten = lines.value(2).trimmed();
        return lines.value(0).trimmed();
    };
    const QString coldWord = cold("word");
    const QString coldSentence = cold("sentence");
    const QString coldDrill = cold("drill");
    const QString bareWord = cold("word", true);
    const QString bareSentence = cold("sentence", true);
    const QString bareDrill = cold("drill", true);
    QString freshMain, wordDefaults, sentenceDefaults, drillDefaults;
    const QString freshWord = cold("word", false, true, &freshMain, &wordDefaults);
    const QString freshSentence = cold("sentence", false, true, nullptr, &sentenceDefaults);
    const QString freshDrill = cold("drill", false, true, nullptr, &drillDefaults);
    // A first window of each kind, then the ones a session opens later.
    firstRow(PracticeKind::Word);
    firstRow(PracticeKind::Sentence);
    const QString warmWord = spanText(firstRow(PracticeKind::Word));
    const QString warmSentence = spanText(firstRow(PracticeKind::Sentence));

    std::printf("\"次へ\" to first row shown (target < 30 ms), cold = first practice window of the process after the "
                "main window (bare = no window before it), warm = a later one:\n"
                "  WordFrm with the %d-word dictionary: cold %s, bare %s, warm %s\n"
                "  SentFrm: cold %s, bare %s, warm %s\n"
                "  drill window (TrainingFrm, Chapter 7): cold %s, bare %s\n",
                ReadWordDictionary(AppPath(QStringLiteral("resource\\zr.zrd"))).wordCount(), qUtf8Printable(coldWord),
                qUtf8Printable(bareWord), qUtf8Printable(warmWord), qUtf8Printable(coldSentence),
                qUtf8Printable(bareSentence), qUtf8Printable(warmSentence), qUtf8Printable(coldDrill),
                qUtf8Printable(bareDrill));
    std::printf("first practice window of a learner whose \"user.ini\" has none of the settings yet (target < 30 ms), "
                "cold, from the settings read to the first row shown:\n"
                "  WordFrm %s, SentFrm %s, drill window %s; the main window's first showing before it: %s\n"
                "  the defaults' rewrite left after the first paint: WordFrm %s, SentFrm %s, drill window %s\n",
                qUtf8Printable(freshWord), qUtf8Printable(freshSentence), qUtf8Printable(freshDrill),
                qUtf8Printable(freshMain), qUtf8Printable(wordDefaults), qUtf8Printable(sentenceDefaults),
                qUtf8Printable(drillDefaults));
    report("WordFrm", typeKeys(PracticeKind::Word));
    std::printf("longest shipped passage (%d keys): %s\n", bench.longestKeys, qUtf8Printable(bench.longestPassage));
    report("SentFrm", typeKeys(PracticeKind::Sentence));
    return 0;
}
