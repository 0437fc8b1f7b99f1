// The progress window and weak-key practice over a learner of long standing: a log of
// 10,000 runs and 500,000 key rows (50 keys a run, 25 runs a day for 400 days). Runs
// under any Qt platform, offscreen included.
//
//   progress_bench          builds the log, then in fresh processes: the progress window
//                           from the command to its first paint, the heat map's period
//                           switched (to the end of the repaint), and a weak-key practice
//                           built (the learned keys, the weakest keys, every dictionary
//                           read and ranked)
//   progress_bench run FOLDER [bare]
//                           one such process over the learner of FOLDER, the main window
//                           shown first as when the command is given (bare: without it,
//                           so the first window of the process pays for the fonts and the
//                           style); prints "first-paint period-switch-median
//                           period-switch-max weak-first weak-median" in ms, then the
//                           processor time of the first paint

#include "BenchSupport.h"

#include "platform/Clock.h"
#include "platform/OleDate.h"
#include "practicelog/LearnerLog.h"
#include "practicelog/PracticeLog.h"
#include "ui/common/Application.h"
#include "ui/keyboard/KeyboardPicture.h"
#include "ui/practice/WeakKeyLauncher.h"
#include "ui/results/ProgressFrm.h"
#include "ui/shell/MainFrm.h"
#include "userdata/UserRecord.h"
#include "userdata/UserSettings.h"
#include "userdata/Users.h"

#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QProcess>
#include <QTabWidget>

#include <ctime>

using namespace zr;
using namespace zr::bench;

namespace {

constexpr int kRuns = 10000;
constexpr int kKeysPerRun = 50;
constexpr int kRunsPerDay = 25;

// 50 keys of the romaji course: the letters, digits and symbols of the keyboard, the
// space bar and two capitals.
const QByteArray kKeys = "abcdefghijklmnopqrstuvwxyz1234567890-^\\@[;:],./ AB";
static_assert(sizeof("abcdefghijklmnopqrstuvwxyz1234567890-^\\@[;:],./ AB") - 1 == kKeysPerRun);

LoggedRun benchRun(int n, const QDate &today)
{
    LoggedRun r;
    r.kind = r.itemKind = n % 4 == 0 ? RunKind::Training : n % 4 == 1 ? RunKind::Word : n % 4 == 2 ? RunKind::Sentence : RunKind::Weak;
    r.item = r.kind == RunKind::Weak ? 0 : n % 10 + 1;
    r.date = today.addDays(n / kRunsPerDay - (kRuns - 1) / kRunsPerDay);
    r.started = QDateTime(r.date, QTime(1, 0), Qt::UTC).addSecs(n % kRunsPerDay * 300);
    r.ended = r.started.addSecs(150);
    r.title = r.kind == RunKind::Training ? ChapterTitle(r.item) : QStringLiteral(u"日常の単語");
    r.file = r.kind == RunKind::Word ? QStringLiteral("resource\\zr.zrd") : QString();
    r.units = 100 + n % 50;
    r.hits = 300;
    r.misses = n % 17;
    r.seconds = 150;
    r.speed = r.units / 2.5;
    r.accuracy = 100 - r.misses / 3;
    for (int k = 0; k < kKeysPerRun; ++k)
        r.keys.append({int(uchar(kKeys[k])), double(6 + (n + k) % 5), double((n * 7 + k) % 3), 1200.0 + k * 10});
    std::sort(r.keys.begin(), r.keys.end(), [](const LoggedKey &a, const LoggedKey &b) { return a.code < b.code; });
    return r;
}

bool makeLearner(const QString &folder, const QDate &today)
{
    QDir().mkpath(folder);
    UserRecord u;
    u.UserName = QStringLiteral(u"ベンチ");
    u.LessonProgress = 21;   // every key of the romaji course
    QString error;
    const auto entries = ReadDefaultTable(AppPath(DefaultTableFile(RomajiCourse)), &error);
    if (!entries) {
        std::fprintf(stderr, "progress_bench: %s\n", qUtf8Printable(error));
        return false;
    }
    u.RomajiTable.load(*entries);
    if (!SaveUserRecord(UserDataPath(folder), u, &error)) {
        std::fprintf(stderr, "progress_bench: %s\n", qUtf8Printable(error));
        return false;
    }
    RegisterDefaultProblemFiles(folder);
    LogError logError;
    auto log = PracticeLog::open(PracticeLogPath(folder), PracticeLog::Access::Write, &logError);
    for (int first = 0; log && first < kRuns; first += 1000) {
        QList<LoggedRun> batch;
        for (int n = first; n < first + 1000; ++n)
            batch.append(benchRun(n, today));
        if (!log->append(batch, &logError))
            log.reset();
    }
    if (!log)
        std::fprintf(stderr, "progress_bench: %s\n", qUtf8Printable(logError.detail));
    return bool(log);
}

// Paints of a widget, counted.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget *w) { w->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Runs the event loop until the widget has been painted once more.
void untilPainted(PaintWatch &watch)
{
    const int before = watch.paints;
    QElapsedTimer guard;
    guard.start();
    while (watch.paints == before && guard.elapsed() < 5000)
        QApplication::processEvents();
}

int runOnce(const QString &folder, bool bare)
{
    SharedState &s = ZRSub();
    s.DataDir = QFileInfo(QFileInfo(folder).absolutePath()).absolutePath() + u'/';
    WindowPositions::setStoreFile(s.DataDir + QStringLiteral("ZR.ini"));
    const UserFile file = ReadUserFile(folder);
    if (!file.usable()) {
        std::fprintf(stderr, "progress_bench: %s\n", qUtf8Printable(RecordProblemText(file.problem)));
        return 1;
    }
    MakeCurrentUser(folder, file.record);
    ReloadUserSettings();
    // As the program does once the main window is up, before any command.
    OpenLearnerLog();
    std::unique_ptr<MainFrm> main;
    if (!bare) {
        main = std::make_unique<MainFrm>();
        main->show();
        PaintWatch mainPaint(main.get());
        untilPainted(mainPaint);
    }

    QElapsedTimer t;
    t.start();
    const double cpu0 = cpuMs();
    auto frm = std::make_unique<ProgressFrm>();
    PaintWatch chart(frm->chartView()->viewport());
    frm->show();
    untilPainted(chart);
    const double firstPaint = msSince(t);
    const double firstPaintCpu = cpuMs() - cpu0;

    frm->tabs()->setCurrentIndex(ProgressFrm::KeyPage);
    PaintWatch keys(frm->heatKeyboard());
    untilPainted(keys);
    std::vector<double> switches;
    const KeyPeriod periods[] = {KeyPeriod::Last7Days, KeyPeriod::Everything, KeyPeriod::Last30Days};
    for (int i = 0; i < 30; ++i) {
        t.restart();
        frm->setPeriod(periods[i % 3]);
        untilPainted(keys);
        switches.push_back(msSince(t));
    }
    frm.reset();

    std::vector<double> builds;
    for (int i = 0; i < 11; ++i) {
        t.restart();
        const auto practice = PrepareWeakKeyPractice();
        builds.push_back(msSince(t));
        if (!practice) {
            std::fprintf(stderr, "progress_bench: no weak-key practice\n");
            return 1;
        }
    }
    const double firstBuild = builds.front();
    builds.erase(builds.begin());
    std::printf("%.2f %.2f %.2f %.2f %.2f %.2f\n", firstPaint, percentile(switches, 0.5),
                *std::max_element(switches.begin(), switches.end()), firstBuild, percentile(builds, 0.5), firstPaintCpu);
    CloseLearnerLog();
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    SetUpApplication(app);
    ZRSub().AppDir = QStringLiteral(ZR_BENCH_APP_DIR);
    const QStringList args = app.arguments();
    if ((args.size() == 3 || (args.size() == 4 && args[3] == u"bare")) && args[1] == u"run")
        return runOnce(args[2], args.size() == 4);

    QTemporaryDir data(QDir::tempPath() + QStringLiteral("/progress_bench-XXXXXX"));
    const QString folder = data.filePath(QStringLiteral("user/user01"));
    QElapsedTimer t;
    t.start();
    if (!makeLearner(folder, dateFromOle(Today())))
        return 1;
    std::printf("log of %d runs and %d key rows over %d days built in %.0f ms, %.1f MB\n", kRuns, kRuns * kKeysPerRun,
                kRuns / kRunsPerDay, msSince(t), double(QFileInfo(PracticeLogPath(folder)).size()) / 1e6);

    constexpr int kProcesses = 11;
    std::vector<double> paint, paintCpu, switchMedian, switchMax, weakFirst, weakMedian, barePaint, barePaintCpu;
    for (int i = 0; i < 2 * kProcesses; ++i) {
        const bool bare = i % 2 == 1;
        QStringList arguments{QStringLiteral("run"), folder};
        if (bare)
            arguments << QStringLiteral("bare");
        QProcess p;
        p.start(app.applicationFilePath(), arguments);
        p.waitForFinished(120000);
        const QStringList f = QString::fromLatin1(p.readAllStandardOutput()).trimmed().split(u' ');
        if (p.exitCode() != 0 || f.size() != 6) {
            std::fprintf(stderr, "progress_bench: a run failed: %s\n", p.readAllStandardError().constData());
            return 1;
        }
        if (bare) {
            barePaint.push_back(f[0].toDouble());
            barePaintCpu.push_back(f[5].toDouble());
            continue;
        }
        paint.push_back(f[0].toDouble());
        switchMedian.push_back(f[1].toDouble());
        switchMax.push_back(f[2].toDouble());
        weakFirst.push_back(f[3].toDouble());
        weakMedian.push_back(f[4].toDouble());
        paintCpu.push_back(f[5].toDouble());
    }
    auto max = [](const std::vector<double> &v) { return *std::max_element(v.begin(), v.end()); };
    std::printf("medians of %d fresh processes (max in brackets):\n", kProcesses);
    std::printf("  progress window, command to first paint   %7.2f ms (%.2f); processor time %.2f ms\n",
                percentile(paint, 0.5), max(paint), percentile(paintCpu, 0.5));
    std::printf("  the same as the process's first window     %7.2f ms (%.2f); processor time %.2f ms\n",
                percentile(barePaint, 0.5), max(barePaint), percentile(barePaintCpu, 0.5));
    std::printf("  heat map period switched, with repaint    %7.2f ms (%.2f; slowest of 30 switches in a process)\n",
                percentile(switchMedian, 0.5), max(switchMax));
    std::printf("  weak-key practice built, first            %7.2f ms (%.2f)\n", percentile(weakFirst, 0.5), max(weakFirst));
    std::printf("  weak-key practice built, again            %7.2f ms (%.2f)\n", percentile(weakMedian, 0.5), max(weakMedian));
    return 0;
}
