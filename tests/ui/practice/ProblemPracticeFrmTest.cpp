// Word and sentence practice from the set-up dialog to the result screen: what the
// learner sees while typing, how a run ends, and what lands on disk.

#include "PracticeTestKit.h"
#include "../shell/ShellTestSupport.h"

#include "platform/Format.h"
#include "ui/common/Application.h"
#include "ui/keyboard/Shapes.h"
#include "ui/practice/PracticeInput.h"
#include "ui/practice/ProblemDialogFrm.h"
#include "ui/practice/ProblemPracticeFrm.h"
#include "ui/results/ProblemScoreFrm.h"
#include "userdata/UserSettings.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

using namespace zr;
using namespace zr::test;

namespace {

const char *dialogClass(PracticeKind kind)
{
    return kind == PracticeKind::Word ? "zr::WdDialogFrm" : "zr::SentDialogFrm";
}
const char *practiceClass(PracticeKind kind)
{
    return kind == PracticeKind::Word ? "zr::WordFrm" : "zr::SentFrm";
}
const char *scoreClass(PracticeKind kind)
{
    return kind == PracticeKind::Word ? "zr::WdScoreFrm" : "zr::SentScoreFrm";
}
QString section(PracticeKind kind)
{
    return kind == PracticeKind::Word ? QStringLiteral("WordLsn") : QStringLiteral("SSentLsn");
}

int typePractice(ProblemPracticeFrm *frm, ManualClock &clock, qint64 msPerKey,
                 const std::function<bool(int)> &wrongAt = {})
{
    return typeRun(frm, frm->practice(), clock, msPerKey, wrongAt);
}

struct Practised {
    QString dialogCaption;
    QString dialogText;
    QString advice;
    QStringList captions;
    bool reachedResult = false;
    bool finished = false;
};

// Practises slot 1 from the launcher the main window calls: "次へ" in the dialog,
// during in the practice window (typing it through when during leaves it running),
// then back to the menu from the result screen.
Practised practise(Learner &learner, PracticeKind kind, const QString &shots = {},
                   const std::function<void(ProblemPracticeFrm *)> &during = {})
{
    Practised run;
    ModalScript script;
    script.then(dialogClass(kind), [&](QWidget *w) {
        auto *dialog = static_cast<ProblemDialogFrm *>(w);
        run.dialogCaption = dialog->windowTitle();
        run.dialogText = dialog->text()->toPlainText();
        if (!shots.isEmpty())
            screenshot(dialog, shots + QStringLiteral("-dialog"));
        dialog->findChild<QPushButton *>(QStringLiteral("OKButton"))->click();
    });
    script.then(practiceClass(kind), [&](QWidget *w) {
        auto *frm = static_cast<ProblemPracticeFrm *>(w);
        QObject::connect(frm, &QWidget::windowTitleChanged, [&](const QString &t) { run.captions.append(t); });
        run.captions.append(frm->windowTitle());
        if (during)
            during(frm);
        if (!shots.isEmpty() && !frm->practice()->finished()) {
            for (int i = 0; i < 7; ++i)
                typeKey(frm, frm->practice()->protocol().expectedKey());
            typeKey(frm, u'q');
            screenshot(frm, shots + QStringLiteral("-practice"));
        }
        if (frm->isVisible() && !frm->practice()->finished())
            typePractice(frm, learner.clock(), 180, [](int i) { return i % 17 == 3; });
    });
    script.then(scoreClass(kind), [&](QWidget *w) {
        auto *score = static_cast<ProblemScoreFrm *>(w);
        run.reachedResult = true;
        run.advice = score->adviceText()->toPlainText();
        QCOMPARE(score->tabs()->tabText(0), QStringLiteral(u"各キーの成績"));
        QVERIFY(score->findChild<QPushButton *>(QStringLiteral("Command1"))->isEnabled());
        if (!shots.isEmpty()) {
            for (int page = 0; page < 3; ++page) {
                score->tabs()->setCurrentIndex(page);
                screenshot(score, shots + QStringLiteral("-result%1").arg(page));
            }
        }
        score->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    });
    script.start();
    StartProblemPractice(nullptr, kind, 1);
    run.finished = script.finished();
    return run;
}

const ScoreRecord &slotRecord(const UserRecord &user, PracticeKind kind)
{
    return kind == PracticeKind::Word ? user.WordScores[0] : user.SentenceScores[0];
}

}  // namespace

class ProblemPracticeFrmTest : public QObject {
    Q_OBJECT
private slots:
    void shippedSlotEndToEnd_data();
    void shippedSlotEndToEnd();
    void dialogTexts();
    void typedTextInputLineCursorAndMisses();
    void wrappedPassageKeepsCursorOnItsLine();
    void stepAndTimeLimits();
    void clockCountsOnPastAnHour_data();
    void clockCountsOnPastAnHour();
    void closeBoxRecordsNothing();
    void nothingToPractise_data();
    void nothingToPractise();
    void failedSaveSaysSo();
    void mainWindowStartsTheSelectedSlot_data();
    void mainWindowStartsTheSelectedSlot();
    void anySpellingInWordsAndSentences_data();
    void anySpellingInWordsAndSentences();
    void aFreshLearnersSettingsAreWrittenInOneRewrite();
    void aFreshLearnersDefaultsWaitForTheFirstPaint();
};

// Rows of both kinds of practice in both courses, or only the diagonal.
static void kindAndCourseRows(bool all)
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("course");
    for (int kind : {int(PracticeKind::Word), int(PracticeKind::Sentence)}) {
        for (int course : {int(RomajiCourse), int(KanaCourse)}) {
            if (all || (kind == int(PracticeKind::Word)) == (course == RomajiCourse))
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(kind == int(PracticeKind::Word) ? "word" : "sentence",
                                                                     course == RomajiCourse ? "romaji" : "kana")))
                    << kind << course;
        }
    }
}

void ProblemPracticeFrmTest::shippedSlotEndToEnd_data()
{
    kindAndCourseRows(true);
}

// Slot 1 of a new learner, twice on one day: one history entry with the sums, the
// second advice names today as the last practice day, and both runs are on disk.
void ProblemPracticeFrmTest::shippedSlotEndToEnd()
{
    QFETCH(int, kind);
    QFETCH(int, course);
    const PracticeKind k = PracticeKind(kind);
    Learner learner(course, 20);
    RegisterDefaultProblemFiles(learner.state().CurUserDir);
    learner.set(QStringLiteral("WordLsn"), QStringLiteral("LessonStep"), QStringLiteral("2"));
    const QString shots = QStringLiteral("%1-%2").arg(k == PracticeKind::Word ? "word" : "sentence",
                                                      course == KanaCourse ? "kana" : "romaji");

    const Practised first = practise(learner, k, shots);
    QVERIFY(first.finished && first.reachedResult);
    QCOMPARE(first.dialogCaption, ReadSlotTitles(section(k), CurUserIni()).at(0));
    QVERIFY(first.advice.contains(QStringLiteral(u"このレッスンは今回が初めての練習となります。")));
    QCOMPARE(first.captions.last(), first.dialogCaption + (k == PracticeKind::Word ? QStringLiteral(" (Step 2)")
                                                                                    : QStringLiteral(" (Step 6/6)")));
    const ScoreRecord once = slotRecord(learner.savedRecord(), k);
    QCOMPARE(once.PracticeCount, 1.0);
    QVERIFY(once.DayKeys[0] > 0 && once.DayMisses[0] > 0);

    const Practised second = practise(learner, k);
    QVERIFY(second.reachedResult);
    QVERIFY(second.advice.contains(QStringLiteral(u"　前回の練習日は、") + FormatDate(Today(), u"yyyy年m月d日(aaaa)")));
    const UserRecord saved = learner.savedRecord();
    const ScoreRecord &twice = slotRecord(saved, k);
    QCOMPARE(twice.PracticeCount, 2.0);
    QCOMPARE(twice.DayDate[0], Today());
    QVERIFY(twice.DayKeys[0] > once.DayKeys[0]);
    QCOMPARE(twice.DayKeys[1], 0.0);
    QCOMPARE(saved.TotalPracticeTime, twice.TotalTime);
}

void ProblemPracticeFrmTest::dialogTexts()
{
    Learner learner(RomajiCourse, 20);
    useWords(learner, {{QStringLiteral(u"赤"), QStringLiteral(u"あか")},
                       {QStringLiteral(u"青"), QStringLiteral(u"あお")},
                       {QStringLiteral(u"黄"), QStringLiteral(u"き")}});
    ModalScript script;
    QString text;
    script.then("zr::WdDialogFrm", [&](QWidget *w) {
        text = static_cast<ProblemDialogFrm *>(w)->text()->toPlainText();
        QTest::keyClick(w, Qt::Key_Escape);
    });
    script.start();
    StartProblemPractice(nullptr, PracticeKind::Word, 1);
    QVERIFY(script.finished());
    QCOMPARE(text, QStringLiteral(u"\n\n\n　収録単語数： 3語\n　収録単語の例：【】【】【】"));
    QVERIFY(!QFile::exists(learner.state().CurUserDir + QStringLiteral("/user.dat")));
}

void ProblemPracticeFrmTest::anySpellingInWordsAndSentences_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("word") << int(PracticeKind::Word);
    QTest::newRow("sentence") << int(PracticeKind::Sentence);
}

// The keys of the unit in progress follow the spelling being typed, and the row's
// positions with them; the rest of the row keeps the learner's own.
void ProblemPracticeFrmTest::anySpellingInWordsAndSentences()
{
    QFETCH(int, kind);
    const PracticeKind k = PracticeKind(kind);
    Learner learner(RomajiCourse, 20);
    const ProblemItem photo{QStringLiteral(u"写真"), QStringLiteral(u"しゃしん")};
    if (k == PracticeKind::Word)
        useWords(learner, {photo});
    else
        usePassages(learner, QList<QList<ProblemItem>>(12, {photo}));
    learner.set(QStringLiteral("General"), QStringLiteral("AnySpelling"), QStringLiteral("1"));
    const std::unique_ptr<ProblemPracticeFrm> frm = CreatePracticeFrm(k);
    frm->lesson = 1;
    frm->settings = ReadProblemPracticeSettings(k, 1, CurUserIni());
    QVERIFY(frm->prepare());
    frm->show();
    for (QChar c : QStringLiteral("shix"))
        typeKey(frm.get(), c);
    QVERIFY(!frm->errorLabel()->isVisible());
    QCOMPARE(frm->inputLabel()->text(), QStringLiteral(u"ｓｈｉｘ"));
    QCOMPARE(frm->practice()->protocol().expectedKey(), u'y');
    QVERIFY(KeysOf(frm->practice()->row(0).positions).startsWith(QStringLiteral("shixyasinn ")));
    for (QChar c : QStringLiteral("yashinn"))
        typeKey(frm.get(), c);
    QCOMPARE(frm->typedLabel(0)->text().left(3), QStringLiteral(u" 写真"));
    QCOMPARE(frm->practice()->protocol().positionsMissed(), 0.0);
    frm->close();
}

void ProblemPracticeFrmTest::typedTextInputLineCursorAndMisses()
{
    Learner learner(RomajiCourse, 20);
    useWords(learner, {{QStringLiteral(u"写真"), QStringLiteral(u"しゃしん")}});
    WordFrm frm;
    frm.lesson = 1;
    frm.settings = ReadProblemPracticeSettings(PracticeKind::Word, 1, CurUserIni());
    QVERIFY(frm.prepare());
    frm.show();
    const QString startPrompt = frm.promptLabel()->text();
    TextFlow *typed = frm.typedLabel(0);
    QCOMPARE(frm.rowLabel(0)->text().left(4), QStringLiteral(u" 写真　"));
    QCOMPARE(frm.windowTitle(), QStringLiteral(u"テスト問題 (Step 1)"));

    typeKey(&frm, u's');
    QVERIFY(frm.promptLabel()->text() != startPrompt);
    // A stray press of the kana key does not turn the next key into kana.
    QKeyEvent kanaKey(QEvent::KeyPress, Qt::Key_Hiragana_Katakana, Qt::NoModifier);
    QApplication::sendEvent(&frm, &kanaKey);
    typeKey(&frm, u'y');
    QCOMPARE(frm.practice()->protocol().positionsMissed(), 0.0);
    QCOMPARE(typed->text(), QStringLiteral(" "));
    QCOMPARE(frm.inputLabel()->text(), QStringLiteral(u"ｓｙ"));
    QVERIFY(frm.inputLabel()->isVisible());
    QCOMPARE(frm.cursorShape()->x(), frm.inputLabel()->x() + QFontMetrics(frm.inputLabel()->font()).horizontalAdvance(QStringLiteral(u"ｓｙ")));

    typeKey(&frm, u'x');
    QVERIFY(frm.errorLabel()->isVisible());
    QCOMPARE(frm.errorLabel()->text(), QStringLiteral(u"エラー 'ａ'キー"));
    QVERIFY(frm.missLine(0)->isVisible());
    QCOMPARE(frm.missLine(0)->text(), QStringLiteral("x"));
    QCOMPARE(frm.missLine(0)->mapTo(&frm, QPoint(0, 0)).x(), frm.cursorShape()->x());

    typeKey(&frm, u'a');
    QVERIFY(!frm.errorLabel()->isVisible() && !frm.missLine(0)->isVisible());
    QCOMPARE(typed->text(), QStringLiteral(u" しゃ"));
    QVERIFY(!frm.inputLabel()->isVisible());
    for (QChar c : QStringLiteral("sinn"))
        typeKey(&frm, c);
    QCOMPARE(typed->text(), QStringLiteral(u" 写真　"));
    QCOMPARE(frm.cursorShape()->x(), frm.typedLabel(0)->mapTo(&frm, typed->endPoint()).x());

    // The end of row 0 moves on to row 1 and leaves row 0's whole text typed.
    for (int i = 0; i < 200 && frm.practice()->rowFlag() == 0; ++i)
        typeKey(&frm, frm.practice()->protocol().expectedKey());
    QCOMPARE(frm.practice()->rowFlag(), 1);
    QCOMPARE(frm.typedLabel(0)->text(), frm.rowLabel(0)->text());
    QCOMPARE(frm.typedLabel(1)->text(), QStringLiteral(" "));
    QVERIFY(frm.cursorShape()->y() > frm.typedLabel(1)->mapTo(&frm, QPoint(0, 0)).y());
    frm.close();
}

void ProblemPracticeFrmTest::wrappedPassageKeepsCursorOnItsLine()
{
    Learner learner(RomajiCourse, 20);
    const ProblemItem line{QStringLiteral(u"今日はとても良い天気なので公園まで散歩に出かけることにしました。"),
                           QStringLiteral(u"きょうはとてもよいてんきなのでこうえんまでさんぽにでかけることにしました。")};
    usePassages(learner, {{line, line, line}, {line}});
    SentFrm frm;
    frm.lesson = 1;
    frm.settings = ReadProblemPracticeSettings(PracticeKind::Sentence, 1, CurUserIni());
    QVERIFY(frm.prepare());
    frm.show();
    TextFlow *typed = frm.typedLabel(0);
    const int lineHeight = typed->lineHeight();
    QVERIFY(frm.rowLabel(0)->height() >= 3 * lineHeight);
    // Type two lines and a bit: the typed text is on its third line by then.
    int spaces = 0;
    while (spaces < 2) {
        const QChar key = frm.practice()->protocol().expectedKey();
        spaces += key == u' ';
        typeKey(&frm, key);
    }
    typeKey(&frm, u'k');
    typeKey(&frm, u'x');
    const QPoint end = typed->mapTo(&frm, typed->endPoint());
    QVERIFY2(typed->endPoint().y() >= lineHeight, "the typed text wrapped");
    QCOMPARE(frm.inputLabel()->y(), end.y());
    QCOMPARE(frm.cursorShape()->y(), end.y() + lineHeight + 1);
    QCOMPARE(frm.missLine(0)->mapTo(&frm, QPoint(0, 0)).y(), end.y());
    QVERIFY(frm.cursorShape()->geometry().bottom() < frm.typedLabel(0)->parentWidget()->geometry().bottom());
    screenshot(&frm, QStringLiteral("sentence-wrapped"));
    frm.close();
}

void ProblemPracticeFrmTest::stepAndTimeLimits()
{
    Learner learner(RomajiCourse, 20);
    useWords(learner, {{QStringLiteral(u"赤"), QStringLiteral(u"あか")}, {QStringLiteral(u"青"), QStringLiteral(u"あお")}});
    learner.set(QStringLiteral("WordLsn"), QStringLiteral("LessonTime"), QStringLiteral("00:00:10"));
    learner.set(QStringLiteral("WordLsn"), QStringLiteral("LessonStep"), QStringLiteral("100"));
    double elapsedAtEnd = 0;
    const Practised timed = practise(learner, PracticeKind::Word, {}, [&](ProblemPracticeFrm *frm) {
        typePractice(frm, learner.clock(), 400);
        elapsedAtEnd = frm->practice()->TTime(learner.clock().now()) * 86400;
    });
    QVERIFY(timed.reachedResult);
    // Each step takes (2 rows of about 60 keys) well over 10 s at 400 ms a key: one step.
    QCOMPARE(timed.captions.last(), QStringLiteral(u"テスト問題 (Step 1)"));
    QVERIFY(elapsedAtEnd > 10);

    learner.set(QStringLiteral("WordLsn"), QStringLiteral("LessonTime"), QStringLiteral("01:00:00"));
    learner.set(QStringLiteral("WordLsn"), QStringLiteral("LessonStep"), QStringLiteral("1"));
    const Practised stepped = practise(learner, PracticeKind::Word, {}, [&](ProblemPracticeFrm *frm) {
        typePractice(frm, learner.clock(), 10);
    });
    QVERIFY(stepped.reachedResult);
    QCOMPARE(stepped.captions.last(), QStringLiteral(u"テスト問題 (Step 1)"));
}

void ProblemPracticeFrmTest::clockCountsOnPastAnHour_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("word") << int(PracticeKind::Word);
    QTest::newRow("sentence") << int(PracticeKind::Sentence);
}

// A slow sentence run has no time limit, and a word run may be given an hour: the clock
// counts minutes on instead of starting again at the hour.
void ProblemPracticeFrmTest::clockCountsOnPastAnHour()
{
    QFETCH(int, kind);
    const PracticeKind k = PracticeKind(kind);
    Learner learner(RomajiCourse, 20);
    RegisterDefaultProblemFiles(learner.state().CurUserDir);
    const std::unique_ptr<ProblemPracticeFrm> frm = CreatePracticeFrm(k);
    frm->lesson = 1;
    frm->settings = ReadProblemPracticeSettings(k, 1, CurUserIni());
    QVERIFY(frm->prepare());
    frm->show();
    QCOMPARE(frm->clockLabel()->text(), QStringLiteral(u"練習時間 0分0秒"));
    typeKey(frm.get(), frm->practice()->protocol().expectedKey());
    learner.clock().advanceMs((65 * 60 + 7) * 1000);
    QTRY_COMPARE_WITH_TIMEOUT(frm->clockLabel()->text(), QStringLiteral(u"練習時間 65分7秒"), 2000);
    frm->close();
}

void ProblemPracticeFrmTest::closeBoxRecordsNothing()
{
    Learner learner(RomajiCourse, 20);
    RegisterDefaultProblemFiles(learner.state().CurUserDir);
    const Practised run = practise(learner, PracticeKind::Sentence, {}, [](ProblemPracticeFrm *frm) {
        for (int i = 0; i < 20; ++i)
            typeKey(frm, frm->practice()->protocol().expectedKey());
        frm->close();
    });
    QVERIFY(!run.reachedResult);
    QVERIFY(!QFile::exists(learner.state().CurUserDir + QStringLiteral("/user.dat")));
    QCOMPARE(learner.state().CurUser.SentenceScores[0].PracticeCount, 0.0);
    QVERIFY(WindowPositions::read(QStringLiteral("SSentLsn")).has_value());
}

void ProblemPracticeFrmTest::nothingToPractise_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("setUp");
    QTest::newRow("dictionary without typeable words") << int(PracticeKind::Word) << "empty";
    QTest::newRow("sentence set without lines") << int(PracticeKind::Sentence) << "empty";
    QTest::newRow("missing dictionary") << int(PracticeKind::Word) << "missing";
}

void ProblemPracticeFrmTest::nothingToPractise()
{
    QFETCH(int, kind);
    QFETCH(QString, setUp);
    const PracticeKind k = PracticeKind(kind);
    Learner learner(RomajiCourse, 20);
    if (k == PracticeKind::Word)
        useWords(learner, {{QStringLiteral(u"記号"), QStringLiteral(u"☆")}});
    else
        usePassages(learner, {});
    if (setUp == u"missing")
        QFile::remove(learner.state().AppDir + QStringLiteral("resource/test.zrd"));
    ModalScript script;
    script.then(dialogClass(k), [](QWidget *w) { w->findChild<QPushButton *>(QStringLiteral("OKButton"))->click(); });
    if (setUp != u"missing")
        script.start();
    StartProblemPractice(nullptr, k, 1);
    QCOMPARE(learner.messages.shown.size(), 1);
    QVERIFY(learner.messages.shown[0].text.contains(QStringLiteral("resource\\test.zr")));
    QVERIFY(!QFile::exists(learner.state().CurUserDir + QStringLiteral("/user.dat")));
}

void ProblemPracticeFrmTest::failedSaveSaysSo()
{
    Learner learner(RomajiCourse, 20);
    useWords(learner, {{QStringLiteral(u"赤"), QStringLiteral(u"あか")}});
    learner.set(QStringLiteral("WordLsn"), QStringLiteral("LessonStep"), QStringLiteral("1"));
    // A folder where the record file should be cannot be written.
    QDir().mkpath(learner.state().CurUserDir + QStringLiteral("/user.dat"));
    const Practised run = practise(learner, PracticeKind::Word);
    QVERIFY(run.reachedResult);
    QCOMPARE(learner.messages.shown.size(), 1);
    QVERIFY(learner.messages.shown[0].text.startsWith(QStringLiteral(u"成績を保存できませんでした。")));
    QCOMPARE(learner.state().CurUser.WordScores[0].PracticeCount, 1.0);
}

void ProblemPracticeFrmTest::mainWindowStartsTheSelectedSlot_data()
{
    kindAndCourseRows(false);
}

// The real launchers from the main window's list; the list shows the run afterwards.
void ProblemPracticeFrmTest::mainWindowStartsTheSelectedSlot()
{
    QFETCH(int, kind);
    QFETCH(int, course);
    const PracticeKind k = PracticeKind(kind);
    ShellScope scope;
    ResetLaunchers();
    ClockScope time;
    scope.putUser(1, sampleUser(QStringLiteral(u"練習"), course, 30));
    QDir().mkpath(UserFolder(1));
    RegisterDefaultProblemFiles(UserFolder(1));
    SetIniString(QStringLiteral("WordLsn"), QStringLiteral("LessonStep"), QStringLiteral("1"), UserIniPath(UserFolder(1)));
    MainFrm w;
    w.Load();
    const int tab = k == PracticeKind::Word ? 1 : 2;
    child<QTabWidget>(&w, "SSTab1")->setCurrentIndex(tab);
    auto *list = child<QTreeWidget>(&w, tab == 1 ? "ListView2" : "ListView3");
    list->setCurrentItem(list->topLevelItem(0));
    QCOMPARE(list->topLevelItem(0)->text(3), QStringLiteral("-"));

    ModalScript script;
    script.then(dialogClass(k), [](QWidget *d) { d->findChild<QPushButton *>(QStringLiteral("OKButton"))->click(); });
    script.then(practiceClass(k), [&](QWidget *f) {
        typePractice(static_cast<ProblemPracticeFrm *>(f), time.clock(), 150);
    });
    script.then(scoreClass(k), [](QWidget *r) { r->findChild<QPushButton *>(QStringLiteral("Command1"))->click(); });
    script.start();
    w.StartLesson();
    QVERIFY(script.finished());
    QCOMPARE(list->topLevelItem(0)->text(3), QStringLiteral(" 1"));
    QVERIFY(list->topLevelItem(0)->text(4).endsWith(u'分'));
    QString error;
    const auto saved = LoadUserRecord(UserDataPath(UserFolder(1)), &error);
    QVERIFY(saved.has_value());
    QCOMPARE(slotRecord(*saved, k).PracticeCount, 1.0);
}

// The first practice of a learner whose file has none of the settings yet writes all
// the defaults it reads at once, as one-by-one writes would have left them.
void ProblemPracticeFrmTest::aFreshLearnersSettingsAreWrittenInOneRewrite()
{
    Learner learner(RomajiCourse, 1);
    const QString ini = CurUserIni();
    const QString oneByOne = learner.state().CurUserDir + QStringLiteral("/one.ini");
    writeBytes(ini, "[WordLsn]\r\nL1=resource\\zr.zrd\r\n");
    writeBytes(oneByOne, readBytes(ini));
    RewriteCounter rewrites(ini);
    const ProblemPracticeSettings word = ReadProblemPracticeSettings(PracticeKind::Word, 1, ini);
    QCOMPARE(rewrites.count(), 1);
    QCOMPARE(word.path, QStringLiteral("resource\\zr.zrd"));
    ReadProblemPracticeSettings(PracticeKind::Sentence, 1, ini);
    ReadProblemPracticeSettings(PracticeKind::Word, 1, ini);
    QCOMPARE(rewrites.count(), 1);
    for (Setting setting : AppearanceSettings() + QList<Setting>{Setting::KanaLock, Setting::MoveMouse,
                                                                  Setting::WordLessonTime, Setting::WordLessonStep})
        WriteMissingDefaults({setting}, oneByOne);
    QCOMPARE(readBytes(ini), readBytes(oneByOne));
}

// From the launcher the window opens on the defaults, and the file gets them, in the
// same one rewrite, once the window is on the screen.
void ProblemPracticeFrmTest::aFreshLearnersDefaultsWaitForTheFirstPaint()
{
    Learner learner(RomajiCourse, 1);
    const QString ini = CurUserIni();
    const QString oneByOne = learner.state().CurUserDir + QStringLiteral("/one.ini");
    writeBytes(ini, "[WordLsn]\r\nL1=resource\\zr.zrd\r\n");
    writeBytes(oneByOne, readBytes(ini));
    ReadProblemPracticeSettings(PracticeKind::Word, 1, oneByOne);
    RewriteCounter rewrites(ini);
    WordFrm frm;
    frm.lesson = 1;
    frm.settings = ReadProblemPracticeSettings(PracticeKind::Word, 1, ini, DefaultsWrite::AfterFirstPaint);
    QCOMPARE(rewrites.count(), 0);
    QCOMPARE(frm.settings.look.font, PracticeAppearanceOf(DefaultUserSettings()).font);
    frm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    QTRY_COMPARE(rewrites.count(), 1);
    QCOMPARE(readBytes(ini), readBytes(oneByOne));
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    SetUpApplication(app);
    ProblemPracticeFrmTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ProblemPracticeFrmTest.moc"
