// Weak-key practice end to end: from a log with weak keys, the word practice window with
// a title naming them and words that use only learned keys, typed through to its result
// screen, which says each key's accuracy before and now; the run goes into the log as
// weak-key practice with its keys, and "user.dat" is left as it was. With nothing to go
// on, a message says what to practise first and no window opens. zrtool log weak names
// the same keys.

#include "PracticeTestKit.h"

#include "platform/Cp932.h"
#include "platform/OleDate.h"
#include "practicelog/LearnerLog.h"
#include "practicelog/LogQueries.h"
#include "practicelog/PracticeLog.h"
#include "ui/practice/ProblemPracticeFrm.h"
#include "ui/practice/WeakKeyLauncher.h"
#include "ui/results/ProblemScoreFrm.h"

#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace zr;
using namespace zr::test;

namespace {

// Key rows of the day before the test clock's: the listed keys with their hits and misses.
void seedKeys(const QList<LoggedKey> &keys)
{
    LoggedRun r;
    r.kind = r.itemKind = RunKind::Word;
    r.item = 1;
    r.date = dateFromOle(Today()).addDays(-1);
    r.started = r.ended = QDateTime(r.date, QTime(10, 0), Qt::UTC);
    r.keys = keys;
    LogError error;
    auto log = PracticeLog::open(PracticeLogPath(ZRSub().CurUserDir), PracticeLog::Access::Write, &error);
    QVERIFY(log);
    QVERIFY(log->append(r, &error));
}

}  // namespace

class WeakKeyPracticeFrmTest : public QObject {
    Q_OBJECT
private slots:
    void aimsAtTheWeakKeysAndLogsTheRun_data();
    void aimsAtTheWeakKeysAndLogsTheRun();
    void withNothingToGoOnSaysWhatToPractiseFirst();
};

void WeakKeyPracticeFrmTest::aimsAtTheWeakKeysAndLogsTheRun_data()
{
    QTest::addColumn<int>("course");
    QTest::addColumn<QString>("weak");      // weakest first
    QTest::addColumn<QString>("title");
    QTest::newRow("romaji") << int(RomajiCourse) << u"kia"_qs << u"弱点練習【ｋ・ｉ・ａ】"_qs;
    QTest::newRow("kana") << int(KanaCourse) << u"ｸｷﾊ"_qs << u"弱点練習【く・き・は】"_qs;
}

void WeakKeyPracticeFrmTest::aimsAtTheWeakKeysAndLogsTheRun()
{
    QFETCH(int, course);
    QFETCH(QString, weak);
    QFETCH(QString, title);
    // Chapter 3 of either course; one step a run; today as zrtool sees it.
    Learner learner(course, 3);
    learner.clock().setNow(toOleDate(QDate::currentDate()) + 0.5);
    learner.set("WordLsn", "LessonStep", "1");
    QVERIFY(SaveUserRecord(UserDataPath(ZRSub().CurUserDir), ZRSub().CurUser, nullptr));
    const QByteArray record = readBytes(UserDataPath(ZRSub().CurUserDir));
    seedKeys([&] {
        QList<LoggedKey> keys;
        for (int i = 0; i < weak.size(); ++i)
            keys.append({ansiKeyCode(weak[i]), 40, double(12 - 4 * i), 12000});
        std::sort(keys.begin(), keys.end(), [](const LoggedKey &a, const LoggedKey &b) { return a.code < b.code; });
        return keys;
    }());
    const QString learned = course == KanaCourse ? u"ﾊﾏｼﾉﾄﾘﾁﾚｷｸ"_qs : u"fjdksla;eiuo"_qs;
    // The keys zrtool says weak-key practice would aim at.
    QProcess zrtool;
    zrtool.start(appDir() + QStringLiteral("zrtool"), {"log", "weak", ZRSub().CurUserDir});
    QVERIFY(zrtool.waitForFinished(30000));
    QString printed;
    for (const QString &line : QString::fromUtf8(zrtool.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts))
        printed += line.at(0);
    QCOMPARE(printed, weak);

    QString caption, advice;
    QStringList typedKeys;
    ModalScript script;
    script.then("zr::WordFrm", [&](QWidget *w) {
        auto *frm = static_cast<ProblemPracticeFrm *>(w);
        caption = frm->windowTitle();
        screenshot(w, QStringLiteral("weak-practice-%1").arg(course == KanaCourse ? "kana" : "romaji"));
        for (int row = 0; row < 2; ++row)
            typedKeys << KeysOf(frm->practice()->row(row).positions);
        typeRun(w, frm->practice(), learner.clock(), 250, [](int n) { return n % 9 == 4; });
    });
    script.then("zr::WdScoreFrm", [&](QWidget *w) {
        advice = w->findChild<QPlainTextEdit *>()->toPlainText();
        auto *tabs = w->findChild<QTabWidget *>("SSTab1");
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            screenshot(w, QStringLiteral("weak-result-%1-%2").arg(course == KanaCourse ? "kana" : "romaji").arg(page));
        }
        w->findChild<QPushButton *>("Command1")->click();
    });
    script.start();
    StartWeakKeyPractice(nullptr);
    QVERIFY2(script.finished(), qPrintable(script.seen.join(u',')));

    QVERIFY2(caption.startsWith(title + QStringLiteral(" (Step 1)")), qPrintable(caption));
    // Every word uses learned keys alone and presses an aimed key.
    for (const QString &keys : typedKeys) {
        for (const QString &word : keys.split(u' ', Qt::SkipEmptyParts)) {
            QVERIFY2(std::all_of(word.begin(), word.end(), [&](QChar k) { return learned.contains(k); }), qPrintable(word));
            QVERIFY2(std::any_of(word.begin(), word.end(), [&](QChar k) { return weak.contains(k); }), qPrintable(word));
        }
    }
    // Before: 12, 8 and 4 misses in 40 hits.
    QVERIFY2(advice.contains(u"ねらったキーの正解率（直近30日間 → 今回）"), qPrintable(advice));
    const QString first = AdviceKeyName(weak[0]);
    QVERIFY2(advice.contains(QStringLiteral(u"　%1 70% → ").arg(first)), qPrintable(advice));
    QVERIFY(advice.contains(QStringLiteral(u"　%1 90% → ").arg(AdviceKeyName(weak[2]))));
    QVERIFY(advice.contains(u"今回の正解率は "));

    // The log has the run as weak-key practice with its keys; user.dat was not written.
    const PracticeLog *log = LearnerLog();
    QVERIFY(log);
    RunFilter filter;
    filter.kinds = {RunKind::Weak};
    const auto runs = ListRuns(*log, filter, nullptr);
    QVERIFY(runs);
    QCOMPARE(runs->size(), 1);
    const LoggedRun &run = runs->first();
    QCOMPARE(run.kind, RunKind::Weak);
    QCOMPARE(run.item, 0);
    QCOMPARE(run.aimedKeys, weak);
    QCOMPARE(run.title, title);
    QVERIFY(run.hits > 0);
    QVERIFY(run.misses > 0);
    const auto keys = KeysOfLoggedRun(*log, run.id, nullptr);
    QVERIFY(keys && !keys->isEmpty());
    QCOMPARE(readBytes(UserDataPath(ZRSub().CurUserDir)), record);
    QCOMPARE(ZRSub().CurUser.TotalPracticeTime, 0.0);
}

void WeakKeyPracticeFrmTest::withNothingToGoOnSaysWhatToPractiseFirst()
{
    Learner learner(RomajiCourse, 3);
    // f has 19 presses, t 40 but is not learned yet.
    seedKeys({{ansiKeyCode(u'f'), 15, 4, 3000}, {ansiKeyCode(u't'), 30, 10, 6000}});
    ModalScript script;
    script.then("zr::WordFrm", [](QWidget *w) { w->close(); });
    script.start();
    StartWeakKeyPractice(nullptr);
    QVERIFY(!script.finished());
    QCOMPARE(learner.messages.shown.size(), 1);
    QCOMPARE(learner.messages.shown[0].title, u"弱点練習"_qs);
    QVERIFY(learner.messages.shown[0].text.contains(u"先に基本練習の Chapter や単語練習問題で練習して"));
}

QTEST_MAIN(WeakKeyPracticeFrmTest)
#include "WeakKeyPracticeFrmTest.moc"
