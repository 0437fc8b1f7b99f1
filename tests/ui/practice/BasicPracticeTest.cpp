// Basic practice as a learner goes through it: from the Chapter started in the main
// window, through the introduction, the key position check and the drill, to the
// result screen and the record on disk.

#include "PracticeTestKit.h"

#include "ui/keyboard/HandPicture.h"
#include "ui/keyboard/KeyboardPicture.h"
#include "ui/keyboard/Shapes.h"
#include "ui/practice/ChapterLauncher.h"
#include "ui/practice/KeyLsnFrm.h"
#include "ui/practice/TrDialogFrm.h"
#include "ui/results/TrScoreFrm.h"

#include "ui/common/Application.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace zr;
using namespace zr::test;

namespace {

QColor keyColour(QWidget *w, const QString &name)
{
    auto *key = w->findChild<KeyCap *>(name);
    return key ? key->colour() : QColor();
}

const QColor kWhite(255, 255, 255);
const QColor kLightYellow(255, 255, 128);
const QColor kGreen(128, 255, 128);
const QColor kRed(255, 0, 0);

// Leaves the result screen through its pages, as a learner must.
void leaveResult(QWidget *w)
{
    auto *next = w->findChild<QPushButton *>(QStringLiteral("CmdNext"));
    auto *menu = w->findChild<QPushButton *>(QStringLiteral("Command1"));
    next->click();
    next->click();
    QVERIFY(menu->isEnabled());
    menu->click();
}

}  // namespace

class BasicPracticeTest : public QObject {
    Q_OBJECT
private slots:
    void newKeyChapterFromIntroductionToRecord();
    void reviewChapterInTheKanaCourse();
    void newKeyChapterInTheKanaCourse();
};

void BasicPracticeTest::newKeyChapterFromIntroductionToRecord()
{
    Learner learner(RomajiCourse, 1);
    learner.set(QStringLiteral("KeyLsn"), QStringLiteral("LessonSize"), QStringLiteral("Short"));
    learner.set(QStringLiteral("General"), QStringLiteral("ErrorSound"), QStringLiteral("1"));
    learner.set(QStringLiteral("General"), QStringLiteral("ErrorSoundType"), QStringLiteral("0"));
    learner.state().ErrorSound = 1;
    learner.state().ErrorSoundType = 0;
    const Chapter chapter = learner.chapters.chapter(1);

    ModalScript script;
    script.then("zr::TrDialogFrm", [&](QWidget *w) {
        QCOMPARE(w->windowTitle(), QStringLiteral(u"Chapter1へようこそ！"));
        const QString text = w->findChild<QPlainTextEdit *>(QStringLiteral("Text1"))->toPlainText();
        QVERIFY(text.contains(QStringLiteral(u"ホームポジション")));
        QVERIFY(text.contains(QStringLiteral(u"【 ｅ 】キーは左手の中指で打ちます。（入力後は【 ｄ 】の位置に指を戻してください。）")));
        // Home keys in use stay light yellow, the new keys are green, the rest white.
        QCOMPARE(keyColour(w, QStringLiteral("Image1_26")), kGreen);       // a: home and new
        QCOMPARE(keyColour(w, QStringLiteral("Image1_16")), kGreen);       // e: new
        QCOMPARE(keyColour(w, QStringLiteral("Image1_14")), kWhite);       // q
        QVERIFY(w->findChild<QLabel *>(QStringLiteral("Label1_1")));
        screenshot(w, QStringLiteral("intro-romaji"));
        w->findChild<QPushButton *>(QStringLiteral("OKButton"))->click();
    });
    int errorBeeps = 0;
    script.then("zr::KeyLsnFrm", [&](QWidget *w) {
        auto *check = static_cast<KeyLsnFrm *>(w);
        QCOMPARE(check->windowTitle(), QStringLiteral(u"Chapter  1 - キー位置の確認"));
        QCOMPARE(check->KeyText().size(), 40);
        for (int i = 1; i < check->KeyText().size(); ++i)
            QVERIFY(check->KeyText()[i] != check->KeyText()[i - 1]);
        const QChar first = check->prevkey();
        const int index = KeyIndexOf(first, RomajiCourse).index;
        QCOMPARE(keyColour(w, QStringLiteral("KeyTop_%1").arg(index)), kGreen);
        QVERIFY(check->hand()->label(FingerOf(index) - 1)->isVisible());
        screenshot(w, QStringLiteral("keycheck-romaji"));

        // Three wrong keys: one error sound, the guidance names the finger.
        const int before = learner.sounds.events.count(QStringLiteral("beep"));
        const QChar wrong = first == u'z' ? QChar(u'x') : QChar(u'z');
        for (int i = 0; i < 3; ++i)
            sendChar(w, wrong);
        errorBeeps = learner.sounds.events.count(QStringLiteral("beep")) - before;
        QCOMPARE(check->NUM(), 1);
        QCOMPARE(keyColour(w, QStringLiteral("KeyTop_38")) == kRed || keyColour(w, QStringLiteral("KeyTop_39")) == kRed, true);
        QVERIFY(w->findChild<QLabel *>(QStringLiteral("Label1"))->text().contains(KeyGuideText(first, RomajiCourse).value()));
        screenshot(w, QStringLiteral("keycheck-romaji-miss"));
        // Shift does not matter for letters.
        const QString keys = check->KeyText();
        for (QChar c : keys)
            sendChar(w, c.toUpper());
    });
    script.then("zr::TrainingFrm", [&](QWidget *w) {
        auto *frm = static_cast<TrainingFrm *>(w);
        QCOMPARE(frm->windowTitle(), QStringLiteral(u"Chapter1 - 単語練習 (Step 1)"));
        QVERIFY(frm->drill()->wordCount() > 0);
        screenshot(w, QStringLiteral("drill-romaji"));
        int shots = 0;
        typeDrill(frm, learner.clock(), 300, [&](int n) {
            if (n == 7 && shots++ == 0) {
                return true;
            }
            return false;
        });
    });
    script.then("zr::TrScoreFrm", [&](QWidget *w) {
        auto *score = static_cast<TrScoreFrm *>(w);
        QCOMPARE(score->windowTitle(), QStringLiteral(u"今回の成績(合格)"));
        const QString advice = score->findChild<QPlainTextEdit *>(QStringLiteral("Text1"))->toPlainText();
        QVERIFY(advice.contains(QStringLiteral(u"おめでとうございます！Chapter  1は合格しました。")));
        QVERIFY(advice.contains(QStringLiteral(u"このレッスンは今回が初めての練習となります。")));
        QVERIFY(!score->findChild<QPushButton *>(QStringLiteral("Command1"))->isEnabled());
        screenshot(w, QStringLiteral("result-romaji-advice"));
        score->tabs()->setCurrentIndex(1);
        screenshot(w, QStringLiteral("result-romaji-keys"));
        score->tabs()->setCurrentIndex(2);
        screenshot(w, QStringLiteral("result-romaji-history"));
        score->tabs()->setCurrentIndex(0);
        leaveResult(w);
    });
    script.start();
    StartChapter(nullptr, 1, chapter);

    QVERIFY2(script.finished(), qPrintable(script.seen.join(u',')));
    QCOMPARE(errorBeeps, 1);
    const UserRecord saved = learner.savedRecord();
    QCOMPARE(saved.LessonProgress, qint16(2));
    QCOMPARE(saved.TrainingScores[0].PracticeCount, 1.0);
    QCOMPARE(saved.TrainingScores[0].DayKeys[0], ZRSub().keyStats.totalHits());
    QCOMPARE(saved.TrainingScores[0].DayMisses[0], 1.0);
    QVERIFY(saved.TrainingScores[0].DayTime[0] > 0);
    QCOMPARE(saved.TrainingScores[0].DayDate[0], 46364.0);
    QVERIFY(saved.TotalPracticeTime > 0);
}

void BasicPracticeTest::reviewChapterInTheKanaCourse()
{
    Learner learner(KanaCourse, 3);
    const Chapter chapter = learner.chapters.chapter(3);
    QCOMPARE(chapter.kind, int(Chapter::Review));

    ModalScript script;
    script.then("zr::TrainingFrm", [&](QWidget *w) {
        auto *frm = static_cast<TrainingFrm *>(w);
        QVERIFY(KanaModeOn());
        QVERIFY(frm->drill()->wordCount() > 0);
        screenshot(w, QStringLiteral("drill-kana"));
        typeDrill(frm, learner.clock(), 400);
    });
    script.then("zr::TrScoreFrm", [&](QWidget *w) {
        QCOMPARE(w->windowTitle(), QStringLiteral(u"今回の成績(合格)"));
        screenshot(w, QStringLiteral("result-kana-advice"));
        static_cast<TrScoreFrm *>(w)->tabs()->setCurrentIndex(1);
        screenshot(w, QStringLiteral("result-kana-keys"));
        static_cast<TrScoreFrm *>(w)->tabs()->setCurrentIndex(0);
        leaveResult(w);
    });
    script.start();
    StartChapter(nullptr, 3, chapter);

    QVERIFY2(script.finished(), qPrintable(script.seen.join(u',')));
    const UserRecord saved = learner.savedRecord();
    QCOMPARE(saved.LessonProgress, qint16(4));
    QCOMPARE(saved.TrainingScores[2].PracticeCount, 1.0);
    // Kana keys are counted under their single-byte codes.
    QVERIFY(ZRSub().keyStats.at(0xCA)->hits + ZRSub().keyStats.at(0xCF)->hits > 0);
}

void BasicPracticeTest::newKeyChapterInTheKanaCourse()
{
    Learner learner(KanaCourse, 2);
    learner.set(QStringLiteral("KeyLsn"), QStringLiteral("LessonSize"), QStringLiteral("Short"));
    const Chapter chapter = learner.chapters.chapter(2);

    ModalScript script;
    script.then("zr::TrDialogFrm", [&](QWidget *w) {
        const QString text = w->findChild<QPlainTextEdit *>(QStringLiteral("Text1"))->toPlainText();
        QVERIFY(text.contains(QStringLiteral(u"今回練習するキーは、【 き 】【 く 】キーです。")));
        QCOMPARE(keyColour(w, QStringLiteral("Image1_30")), kGreen);    // ｷ
        QCOMPARE(keyColour(w, QStringLiteral("Image1_29")), kLightYellow);   // ﾊ, home key in use
        screenshot(w, QStringLiteral("intro-kana"));
        w->findChild<QPushButton *>(QStringLiteral("OKButton"))->click();
    });
    script.then("zr::KeyLsnFrm", [&](QWidget *w) {
        auto *check = static_cast<KeyLsnFrm *>(w);
        QVERIFY(KanaModeOn());
        screenshot(w, QStringLiteral("keycheck-kana"));
        const QString keys = check->KeyText();
        for (QChar c : keys)
            typeKey(w, c);
    });
    script.then("zr::TrainingFrm", [&](QWidget *w) {
        typeDrill(static_cast<TrainingFrm *>(w), learner.clock(), 400, [](int n) { return n % 25 == 3; });
    });
    script.then("zr::TrScoreFrm", [&](QWidget *w) { leaveResult(w); });
    script.start();
    StartChapter(nullptr, 2, chapter);

    QVERIFY2(script.finished(), qPrintable(script.seen.join(u',')));
    QCOMPARE(learner.savedRecord().TrainingScores[1].PracticeCount, 1.0);
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    SetUpApplication(app);
    BasicPracticeTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "BasicPracticeTest.moc"
