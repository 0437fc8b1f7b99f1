// The drill window: what a learner sees and hears while typing, and how the drill ends.

#include "PracticeTestKit.h"

#include "ui/common/Application.h"
#include "practice/ChapterIntro.h"
#include "ui/keyboard/HandPicture.h"
#include "ui/keyboard/KeyboardPicture.h"
#include "ui/keyboard/Shapes.h"
#include "ui/practice/KeyLsnFrm.h"
#include "ui/results/TrScoreFrm.h"

#include <QLabel>
#include <QPushButton>
#include <QTextLayout>
#include <QtTest>

using namespace zr;
using namespace zr::test;

namespace {

const QList<ProblemItem> kWords = {
    {QStringLiteral(u"本田"), QStringLiteral(u"ほんだ")},
    {QStringLiteral(u"傘"), QStringLiteral(u"かさ")},
    {QStringLiteral(u"鹿"), QStringLiteral(u"しか")},
    {QStringLiteral(u"肩"), QStringLiteral(u"かた")},
};
const QString kUseKey = QStringLiteral("asdfjkl;hontik");
const QString kTargetKey = QStringLiteral("hontik");

struct DrillRun {
    QStringList titles;
    bool reachedResult = false;
    bool finished = false;
};

// Runs a drill modally: during runs in the open drill window, then the result screen
// is left at once.
DrillRun runDrill(Learner &learner, const std::function<void(TrainingFrm *)> &during)
{
    DrillRun run;
    TrainingFrm frm;
    frm.UseKey = kUseKey;
    frm.TargetKey = kTargetKey;
    frm.lesson = 3;
    QObject::connect(&frm, &QWidget::windowTitleChanged, [&](const QString &t) { run.titles.append(t); });
    ModalScript script;
    script.then("zr::TrainingFrm", [&](QWidget *w) { during(static_cast<TrainingFrm *>(w)); });
    script.then("zr::TrScoreFrm", [&](QWidget *w) {
        run.reachedResult = true;
        w->close();
    });
    script.start();
    frm.exec();
    run.finished = script.finished();
    Q_UNUSED(learner);
    return run;
}

QColor keyColour(TrainingFrm *frm, QChar c)
{
    return frm->keyboard()->keyColour(KeyIndexOf(c, RomajiCourse).index);
}

}  // namespace

class TrainingFrmTest : public QObject {
    Q_OBJECT
private slots:
    void wrongKeyShowsErrorAndMarksTheKeyboard();
    void problemLineTypedLineAndCursor();
    void singleNShortcut();
    void remedialPassAndItsAbsence_data();
    void remedialPassAndItsAbsence();
    void timeAndScreenLimits();
    void guideVanishesAfterHalfTheSteps();
    void emptyWordListEndsWithAMessage();
    void kanaKeyTogglesKanaMode();
    void strayKanaKeyDoesNotTurnTheNextKeyIntoKana();
    void shiftedKanaAreShownFromTheStart();
    void bracketedKeysStayTogetherWhenWrapped();
    void singleKeyChapterCheckDoesNotHang();
    void guideFollowsTheSpellingBeingTyped_data();
    void guideFollowsTheSpellingBeingTyped();
};

void TrainingFrmTest::wrongKeyShowsErrorAndMarksTheKeyboard()
{
    Learner learner(RomajiCourse, 3);
    learner.useWords(kWords);
    learner.state().ErrorSound = 1;
    learner.state().ErrorSoundType = 0;
    learner.state().TypeSound = 1;
    learner.state().TypeSoundType = 2;
    learner.state().TypeSoundFile = QStringLiteral("type.wav");
    runDrill(learner, [&](TrainingFrm *frm) {
        auto *error = frm->findChild<QLabel *>(QStringLiteral("LError"));
        auto *wrong = frm->findChild<QLabel *>(QStringLiteral("LMiss"));
        const QChar expected = frm->drill()->protocol().expectedKey();
        const QChar other = expected == u'k' ? QChar(u'j') : QChar(u'k');
        learner.sounds.events.clear();
        sendChar(frm, QChar(8));   // Backspace: the type sound, nothing else
        QCOMPARE(learner.sounds.events, QStringList{QStringLiteral("type.wav")});
        QVERIFY(!error->isVisible());

        // A home key typed with Shift by mistake.
        sendChar(frm, other.toUpper(), Qt::ShiftModifier);
        QVERIFY(error->isVisible());
        QCOMPARE(error->text(), QStringLiteral(u"エラー '") + ToWideHiragana(QString(expected)) + QStringLiteral(u"'キー"));
        QVERIFY(wrong->isVisible());
        QCOMPARE(wrong->text(), QString(other.toUpper()));
        // As in the key position check: the key to type in green, the wrong one red.
        QCOMPARE(keyColour(frm, expected), QColor(128, 255, 128));
        QCOMPARE(keyColour(frm, other), QColor(255, 0, 0));
        QCOMPARE(learner.sounds.events.count(QStringLiteral("beep")), 1);
        screenshot(frm, QStringLiteral("drill-romaji-miss"));

        sendChar(frm, expected);
        QVERIFY(!error->isVisible());
        QVERIFY(!wrong->isVisible());
        // Both marks are cleared; a home key goes back to light yellow.
        QCOMPARE(keyColour(frm, other), QColor(255, 255, 128));
        QCOMPARE(keyColour(frm, expected), HomeKeys(RomajiCourse).contains(expected) ? QColor(255, 255, 128) : QColor(255, 255, 255));
        QCOMPARE(frm->drill()->protocol().positionsMissed(), 1.0);
        QVERIFY(frm->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
        frm->close();
    });
    QCOMPARE(learner.state().keyStats.totalMisses(), 1.0);
}

void TrainingFrmTest::problemLineTypedLineAndCursor()
{
    Learner learner(RomajiCourse, 3);
    learner.useWords(kWords);
    runDrill(learner, [&](TrainingFrm *frm) {
        const PositionRecord first = frm->drill()->protocol().positions().first();
        QLabel *label = frm->problemLabel(0);
        QCOMPARE(label->text(), first.kana);
        auto *cursor = frm->findChild<ShapeWidget *>(QStringLiteral("Cursor"));
        auto *typedLine = frm->findChild<QLabel *>(QStringLiteral("LWord"));
        auto *guide = frm->findChild<QLabel *>(QStringLiteral("LGuide"));
        QCOMPARE(cursor->width(), 11);   // 170 twips
        QCOMPARE(guide->text(), KeyDisplayForm(first.unitKeys.left(1), false) + KeyDisplayForm(first.unitKeys.mid(1, 1), false));
        const int x0 = cursor->x();
        const QColor untyped = label->palette().color(QPalette::WindowText);
        for (QChar c : first.unitKeys) {
            learner.clock().advanceMs(200);
            sendChar(frm, c);
        }
        QCOMPARE(typedLine->text(), first.unitKeys);
        QVERIFY(cursor->x() > x0);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));   // FontColor1
        QVERIFY(untyped != QColor(0, 0, 255));
        screenshot(frm, QStringLiteral("drill-romaji-typing"));
        frm->close();
    });
}

void TrainingFrmTest::singleNShortcut()
{
    Learner learner(RomajiCourse, 3);
    learner.useWords({{QStringLiteral(u"本田"), QStringLiteral(u"ほんだ")}});
    learner.set(QStringLiteral("Training"), QStringLiteral("LessonStep"), QStringLiteral("1"));
    const DrillRun run = runDrill(learner, [&](TrainingFrm *frm) {
        for (QChar c : QStringLiteral("honda hond"))
            sendChar(frm, c);
        QCOMPARE(frm->drill()->protocol().positionsMissed(), 0.0);
        while (!frm->drill()->finished())
            sendChar(frm, frm->drill()->protocol().expectedKey());
    });
    QVERIFY(run.reachedResult);
}

void TrainingFrmTest::remedialPassAndItsAbsence_data()
{
    QTest::addColumn<QString>("addition");
    QTest::addColumn<bool>("miss");
    QTest::addColumn<bool>("remedial");
    QTest::newRow("missed words come back") << "1" << true << true;
    QTest::newRow("switched off") << "0" << true << false;
    QTest::newRow("nothing missed") << "1" << false << false;
}

void TrainingFrmTest::remedialPassAndItsAbsence()
{
    QFETCH(QString, addition);
    QFETCH(bool, miss);
    QFETCH(bool, remedial);
    Learner learner(RomajiCourse, 3);
    learner.useWords(kWords);
    learner.set(QStringLiteral("Training"), QStringLiteral("LessonStep"), QStringLiteral("2"));
    learner.set(QStringLiteral("Training"), QStringLiteral("Addition"), addition);
    const DrillRun run = runDrill(learner, [&](TrainingFrm *frm) {
        typeDrill(frm, learner.clock(), 200, [&](int n) { return miss && n == 2; });
    });
    QVERIFY(run.reachedResult);
    QCOMPARE(run.titles.contains(QStringLiteral(u"Chapter3 - 補習")), remedial);
    QVERIFY(run.titles.contains(QStringLiteral(u"Chapter3 - 単語練習 (Step 2)")));
    QVERIFY(!run.titles.contains(QStringLiteral(u"Chapter3 - 単語練習 (Step 3)")));
}

void TrainingFrmTest::timeAndScreenLimits()
{
    Learner learner(RomajiCourse, 3);
    learner.useWords(kWords);
    learner.set(QStringLiteral("Training"), QStringLiteral("LessonStep"), QStringLiteral("99"));
    learner.set(QStringLiteral("Training"), QStringLiteral("LessonTime"), QStringLiteral("00:00:20"));
    int screens = 0;
    DrillRun run = runDrill(learner, [&](TrainingFrm *frm) {
        typeDrill(frm, learner.clock(), 500);
        screens = frm->drill()->screenCounter();
    });
    QVERIFY(run.reachedResult);
    QVERIFY(screens >= 1 && screens < 5);

    learner.set(QStringLiteral("Training"), QStringLiteral("LessonStep"), QStringLiteral("3"));
    learner.set(QStringLiteral("Training"), QStringLiteral("LessonTime"), QStringLiteral("01:00:00"));
    run = runDrill(learner, [&](TrainingFrm *frm) {
        typeDrill(frm, learner.clock(), 500);
        screens = frm->drill()->screenCounter();
    });
    QCOMPARE(screens, 3);
}

void TrainingFrmTest::guideVanishesAfterHalfTheSteps()
{
    Learner learner(RomajiCourse, 3);
    learner.useWords(kWords);
    learner.set(QStringLiteral("Training"), QStringLiteral("LessonStep"), QStringLiteral("4"));
    QList<bool> shown;
    runDrill(learner, [&](TrainingFrm *frm) {
        auto *guide = frm->findChild<QLabel *>(QStringLiteral("LGuide"));
        while (!frm->drill()->finished()) {
            const int screen = frm->drill()->screenCounter();
            shown.append(guide->isVisible());
            while (!frm->drill()->finished() && frm->drill()->screenCounter() == screen)
                sendChar(frm, frm->drill()->protocol().expectedKey());
        }
    });
    QCOMPARE(shown, (QList<bool>{true, true, false, false}));
}

void TrainingFrmTest::emptyWordListEndsWithAMessage()
{
    Learner learner(RomajiCourse, 3);
    learner.useWords({{QStringLiteral(u"傘"), QStringLiteral(u"かさ")}});
    TrainingFrm frm;
    frm.UseKey = QStringLiteral("fj");
    frm.TargetKey = QStringLiteral("fj");
    frm.lesson = 1;
    QTimer::singleShot(3000, &frm, &QDialog::reject);   // a safety net only
    QElapsedTimer t;
    t.start();
    frm.exec();
    QVERIFY(t.elapsed() < 2500);
    QCOMPARE(learner.messages.shown.size(), 1);
    QVERIFY(learner.messages.shown.first().text.contains(QStringLiteral(u"単語")));
    QVERIFY(!QFile::exists(learner.state().CurUserDir + QStringLiteral("/user.dat")));
}

void TrainingFrmTest::strayKanaKeyDoesNotTurnTheNextKeyIntoKana()
{
    Learner learner(RomajiCourse, 3);
    learner.useWords(kWords);
    runDrill(learner, [&](TrainingFrm *frm) {
        const QChar expected = frm->drill()->protocol().expectedKey();
        QKeyEvent kanaKey(QEvent::KeyPress, Qt::Key_Hiragana_Katakana, Qt::NoModifier);
        QApplication::sendEvent(frm, &kanaKey);
        sendChar(frm, expected);
        QCOMPARE(frm->drill()->protocol().positionsMissed(), 0.0);
        QCOMPARE(frm->drill()->protocol().cursor(), 1);
        QCOMPARE(learner.state().keyStats.totalMisses(), 0.0);
        frm->close();
    });
}

void TrainingFrmTest::shiftedKanaAreShownFromTheStart()
{
    Learner learner(KanaCourse, 28);
    learner.set(QStringLiteral("KeyLsn"), QStringLiteral("LessonSize"), QStringLiteral("Short"));
    const Chapter chapter = learner.chapters.chapter(28);
    KeyLsnFrm check;
    check.lesson = 28;
    check.UseKey = chapter.UseKey;
    check.TargetKey = chapter.TargetKey;
    int shiftedSeen = 0;
    ModalScript script;
    script.then("zr::KeyLsnFrm", [&](QWidget *w) {
        auto *frm = static_cast<KeyLsnFrm *>(w);
        auto *guidance = w->findChild<QLabel *>(QStringLiteral("Label1"));
        auto *hand = w->findChild<HandPicture *>();
        while (!frm->prevkey().isNull() && frm->NUM() <= frm->KeyText().size()) {
            const QChar key = frm->prevkey();
            const KeyPosition k = KeyIndexOf(key, KanaCourse);
            QVERIFY2(k, qPrintable(QString(key)));
            // Lit with its finger before any try, and Shift named when it needs it.
            QCOMPARE(frm->findChild<KeyCap *>(QStringLiteral("KeyTop_%1").arg(k.index))->colour(), QColor(128, 255, 128));
            QCOMPARE(hand->label(FingerOf(k.index) - 1)->isVisible(), true);
            QCOMPARE(guidance->text().contains(QStringLiteral("SHIFT")), k.shift);
            if (k.shift && shiftedSeen++ == 0)
                screenshot(w, QStringLiteral("keycheck-kana-shifted"));
            typeKey(w, key);
        }
    });
    script.then("zr::TrainingFrm", [&](QWidget *w) { w->close(); });
    script.start();
    check.exec();
    QVERIFY(shiftedSeen > 0);
}

void TrainingFrmTest::bracketedKeysStayTogetherWhenWrapped()
{
    // The introduction of a Chapter with many new keys, laid out at every width a
    // window might give it: no line may start with 】 or end with 【.
    const QString text = KeepBracketedKeysTogether(ChapterIntroText(3, QStringLiteral("uoghtr"), RomajiCourse, false));
    const QFont font(QString::fromUtf16(kProportionalGothic), 10);
    for (int width = 120; width <= 600; width += 7) {
        for (const QString &para : text.split(QStringLiteral("\r\n"))) {
            QTextLayout layout(para, font);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
                line.setLineWidth(width);
            layout.endLayout();
            for (int i = 0; i < layout.lineCount(); ++i) {
                const QString l = para.mid(layout.lineAt(i).textStart(), layout.lineAt(i).textLength()).trimmed();
                QVERIFY2(!l.startsWith(u'】') && !l.endsWith(u'【'), qPrintable(l));
            }
        }
    }
}

void TrainingFrmTest::kanaKeyTogglesKanaMode()
{
    Learner learner(KanaCourse, 1);
    QKeyEvent kanaKey(QEvent::KeyPress, Qt::Key_Hiragana_Katakana, Qt::NoModifier);
    QVERIFY(TypedCharacter(kanaKey).isNull());
    QVERIFY(KanaModeOn());
    QKeyEvent t(QEvent::KeyPress, Qt::Key_T, Qt::NoModifier, QStringLiteral("t"));
    QCOMPARE(TypedCharacter(t), QChar(u'ｶ'));
    QKeyEvent shifted(QEvent::KeyPress, Qt::Key_Z, Qt::ShiftModifier, QStringLiteral("Z"));
    QCOMPARE(TypedCharacter(shifted), QChar(u'ｯ'));
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QCOMPARE(TypedCharacter(space), QChar(u' '));
    QVERIFY(TypedCharacter(kanaKey).isNull());
    QVERIFY(!KanaModeOn());
    QCOMPARE(TypedCharacter(t), QChar(u't'));
}

void TrainingFrmTest::singleKeyChapterCheckDoesNotHang()
{
    Learner learner(RomajiCourse, 1);
    learner.set(QStringLiteral("KeyLsn"), QStringLiteral("LessonSize"), QStringLiteral("Short"));
    learner.useWords({{QStringLiteral(u"ふ"), QStringLiteral(u"ふ")}});
    KeyLsnFrm check;
    check.lesson = 1;
    check.UseKey = QStringLiteral("f");
    check.TargetKey = QStringLiteral("f");
    ModalScript script;
    script.then("zr::KeyLsnFrm", [&](QWidget *w) {
        QCOMPARE(static_cast<KeyLsnFrm *>(w)->KeyText(), QString(40, QChar(u'f')));
        w->close();
    });
    script.start();
    check.exec();
    QVERIFY(script.finished());
    QVERIFY(WindowPositions::read(QStringLiteral("KeyLesson")).has_value());
}

void TrainingFrmTest::guideFollowsTheSpellingBeingTyped_data()
{
    QTest::addColumn<QString>("anySpelling");
    QTest::newRow("any spelling") << "1";
    QTest::newRow("the learner's own only") << "0";
}

void TrainingFrmTest::guideFollowsTheSpellingBeingTyped()
{
    QFETCH(QString, anySpelling);
    const bool on = anySpelling == u"1";
    Learner learner(RomajiCourse, 3);
    learner.useWords({{QStringLiteral(u"写真"), QStringLiteral(u"しゃしん")}});
    learner.set(QStringLiteral("General"), QStringLiteral("AnySpelling"), anySpelling);
    learner.set(QStringLiteral("Training"), QStringLiteral("LessonStep"), QStringLiteral("1"));
    TrainingFrm frm;
    frm.UseKey = QStringLiteral("asdfjkl;yin");
    frm.TargetKey = QStringLiteral("y");
    frm.lesson = 3;
    QVERIFY(frm.prepare());
    frm.show();
    auto *guide = frm.findChild<QLabel *>(QStringLiteral("LGuide"));
    auto *typedLine = frm.findChild<QLabel *>(QStringLiteral("LWord"));
    auto *error = frm.findChild<QLabel *>(QStringLiteral("LError"));
    QCOMPARE(guide->text(), u"ｓｙａ"_qs);
    const int shiX = frm.problemLabel(3)->x();
    QCOMPARE(frm.problemLabel(3)->text(), u"し"_qs);

    // The learner's table spells しゃ sya; "si" begins sixya.
    sendChar(&frm, u's');
    sendChar(&frm, u'i');
    QCOMPARE(error->isVisible(), !on);
    if (!on) {
        QCOMPARE(guide->text(), u"ｙａ"_qs);
        QCOMPARE(typedLine->text(), u"s"_qs);
        return;
    }
    QCOMPARE(guide->text(), u"ｘｙａ"_qs);
    QCOMPARE(typedLine->text(), u"si"_qs);
    QCOMPARE(frm.drill()->protocol().expectedKey(), u'x');
    // し now stands two positions later, where it stood on the line before.
    QCOMPARE(frm.problemLabel(5)->text(), u"し"_qs);
    QCOMPARE(frm.problemLabel(5)->x(), shiX);
    QVERIFY(frm.problemLabel(3)->isHidden());
    screenshot(&frm, QStringLiteral("drill-any-spelling"));
    for (QChar c : u"xya"_qs)
        sendChar(&frm, c);
    // The next unit is the learner's own again; the typed unit shows as typed.
    QCOMPARE(guide->text(), u"ｓｉ"_qs);
    QCOMPARE(frm.problemLabel(0)->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(frm.problemLabel(5)->palette().color(QPalette::WindowText),
             frm.problemLabel(7)->palette().color(QPalette::WindowText));
    QCOMPARE(frm.drill()->protocol().positionsMissed(), 0.0);
    QCOMPARE(ZRSub().keyStats.at('x')->hits, 1.0);
    frm.close();
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    SetUpApplication(app);
    TrainingFrmTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TrainingFrmTest.moc"
