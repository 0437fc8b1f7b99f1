// Readings and keys under the words of word and sentence practice: what the learner
// sees with the guide on, and that with it off the windows are exactly as they were.

#include "PracticeTestKit.h"

#include "ui/common/Application.h"
#include "ui/keyboard/Shapes.h"
#include "ui/practice/GuideLine.h"
#include "ui/practice/PracticeInput.h"
#include "ui/practice/ProblemPracticeFrm.h"
#include "userdata/UserSettings.h"

#include <QAccessible>
#include <QFile>
#include <QImage>
#include <QScreen>
#include <QtTest>

#include <cmath>

using namespace zr;
using namespace zr::test;

namespace {

// Words with っ, ん and small kana, short enough for several to a row.
const QList<ProblemItem> kWords = {
    {QStringLiteral(u"情報"), QStringLiteral(u"じょうほう")}, {QStringLiteral(u"切手"), QStringLiteral(u"きって")},
    {QStringLiteral(u"写真"), QStringLiteral(u"しゃしん")},   {QStringLiteral(u"本"), QStringLiteral(u"ほん")},
    {QStringLiteral(u"学校"), QStringLiteral(u"がっこう")},   {QStringLiteral(u"新聞"), QStringLiteral(u"しんぶん")},
};

const QList<ProblemItem> kPassage = {
    {QStringLiteral(u"今日は学校で新聞を読みました。"), QStringLiteral(u"きょうはがっこうでしんぶんをよみました。")},
    {QStringLiteral(u"ちょっと待って、写真を撮ります。"), QStringLiteral(u"ちょっとまって、しゃしんをとります。")},
    {QStringLiteral(u"明日も晴れるといいですね。"), QStringLiteral(u"あしたもはれるといいですね。")},
};

// A practice window of slot 1, shown, with the guide settings as given ("" leaves a
// key out of the file).
std::unique_ptr<ProblemPracticeFrm> openPractice(Learner &learner, PracticeKind kind, const QString &reading,
                                                 const QString &keys)
{
    if (kind == PracticeKind::Word)
        useWords(learner, kWords);
    else
        usePassages(learner, QList<QList<ProblemItem>>(12, kPassage));
    if (!reading.isEmpty())
        learner.set(QStringLiteral("WordLsn"), QStringLiteral("ShowReading"), reading);
    if (!keys.isEmpty())
        learner.set(QStringLiteral("WordLsn"), QStringLiteral("ShowKeys"), keys);
    std::unique_ptr<ProblemPracticeFrm> frm = CreatePracticeFrm(kind);
    frm->lesson = 1;
    frm->settings = ReadProblemPracticeSettings(kind, 1, CurUserIni());
    if (!frm->prepare())
        return {};
    frm->show();
    return frm;
}

// Types n expected keys, then a wrong one, and stops the blinking so that a picture is
// the same every time.
void typeSomeAndMiss(ProblemPracticeFrm *frm, int n)
{
    for (int i = 0; i < n; ++i)
        typeKey(frm, frm->practice()->protocol().expectedKey());
    typeKey(frm, frm->practice()->protocol().expectedKey() == u'q' ? QChar(u'p') : QChar(u'q'));
    if (auto *timer = frm->findChild<QTimer *>(QStringLiteral("Timer1")))
        timer->stop();
    frm->cursorShape()->show();
    QApplication::processEvents();
}

QString goldenFile(const QString &name)
{
    return QStringLiteral(ZR_TEST_SOURCE_DIR "/ui/practice/golden/") + name + QStringLiteral(".png");
}

// The window's picture equals the one kept from before the guide existed; with
// ZR_UPDATE_GOLDEN set the picture is kept instead.
void expectSameAsGolden(QWidget *w, const QString &name)
{
    if (w->devicePixelRatioF() != 1.0)
        return;   // the pictures are of the normal size
    const QImage shot = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIsSet("ZR_UPDATE_GOLDEN")) {
        QVERIFY(shot.save(goldenFile(name)));
        return;
    }
    const QImage golden = QImage(goldenFile(name)).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!golden.isNull(), qPrintable(goldenFile(name)));
    if (shot != golden)
        screenshot(w, name + QStringLiteral("-differs"));
    QCOMPARE(shot.size(), golden.size());
    QVERIFY2(shot == golden, qPrintable(name + QStringLiteral(" differs from its golden picture")));
}

}  // namespace

class PracticeGuideFrmTest : public QObject {
    Q_OBJECT
private slots:
    void offLooksAsBefore_data();
    void offLooksAsBefore();
    void readingsAndKeysUnderTheWords_data();
    void readingsAndKeysUnderTheWords();
    void aWordTheLearnerCannotRead();
};

void PracticeGuideFrmTest::offLooksAsBefore_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("course");
    QTest::addColumn<QString>("value");
    QTest::newRow("word, romaji, keys off") << int(PracticeKind::Word) << int(RomajiCourse) << "0";
    QTest::newRow("word, romaji, keys missing") << int(PracticeKind::Word) << int(RomajiCourse) << "";
    QTest::newRow("sentence, kana, keys off") << int(PracticeKind::Sentence) << int(KanaCourse) << "0";
    QTest::newRow("sentence, romaji, keys off") << int(PracticeKind::Sentence) << int(RomajiCourse) << "0";
}

// With both settings off (or not in the file) the windows are pixel for pixel what they
// were before the guide: the pictures were taken from the windows without it.
void PracticeGuideFrmTest::offLooksAsBefore()
{
    QFETCH(int, kind);
    QFETCH(int, course);
    QFETCH(QString, value);
    const PracticeKind k = PracticeKind(kind);
    Learner learner(course, 20);
    auto frm = openPractice(learner, k, value, value);
    QVERIFY(frm);
    typeSomeAndMiss(frm.get(), 9);
    expectSameAsGolden(frm.get(), QStringLiteral("off-%1-%2").arg(k == PracticeKind::Word ? "word" : "sentence",
                                                                 course == KanaCourse ? "kana" : "romaji"));
    // The second row too, where the first shows all it typed.
    for (int i = 0; i < 400 && frm->practice()->rowFlag() == 0; ++i)
        typeKey(frm.get(), frm->practice()->protocol().expectedKey());
    typeSomeAndMiss(frm.get(), 3);
    expectSameAsGolden(frm.get(), QStringLiteral("off-%1-%2-row1").arg(k == PracticeKind::Word ? "word" : "sentence",
                                                                      course == KanaCourse ? "kana" : "romaji"));
    frm->close();
}

void PracticeGuideFrmTest::readingsAndKeysUnderTheWords_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("course");
    for (int kind : {int(PracticeKind::Word), int(PracticeKind::Sentence)}) {
        for (int course : {int(RomajiCourse), int(KanaCourse)})
            QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(kind == int(PracticeKind::Word) ? "word" : "sentence",
                                                                 course == RomajiCourse ? "romaji" : "kana")))
                << kind << course;
    }
}

void PracticeGuideFrmTest::readingsAndKeysUnderTheWords()
{
    QFETCH(int, kind);
    QFETCH(int, course);
    const PracticeKind k = PracticeKind(kind);
    const QString name = QStringLiteral("guide-%1-%2").arg(k == PracticeKind::Word ? "word" : "sentence",
                                                           course == KanaCourse ? "kana" : "romaji");
    QSize plain;
    QPoint plainInput;
    {
        Learner learner(course, 20);
        auto frm = openPractice(learner, k, QStringLiteral("0"), QStringLiteral("0"));
        QVERIFY(frm && !frm->readingLine(0) && !frm->keysLine(0));
        plain = frm->size();
        plainInput = frm->typedLabel(0)->parentWidget()->pos();
    }
    Learner learner(course, 20);
    auto frm = openPractice(learner, k, QStringLiteral("1"), QStringLiteral("1"));
    QVERIFY(frm);
    screenshot(frm.get(), name + QStringLiteral("-start"));
    // The window grows in height only, and the typed line keeps its left edge.
    QCOMPARE(frm->width(), plain.width());
    QVERIFY(frm->height() > plain.height());
    QCOMPARE(frm->typedLabel(0)->parentWidget()->x(), plainInput.x());
    QCOMPARE(frm->textFont().pointSizeF(), 20.0);

    for (int row = 0; row < 2; ++row) {
        TextFlow *text = frm->rowLabel(row);
        GuideLine *readings = frm->readingLine(row);
        GuideLine *keys = frm->keysLine(row);
        QVERIFY(readings && keys);
        const RowGuide guide = frm->practice()->guide(row);
        QCOMPARE(readings->text(), guide.readingText());
        QCOMPARE(keys->text(), guide.keysText(false));
        QVERIFY(readings->shownFont().pointSizeF() < frm->textFont().pointSizeF());
        // Each reading and each key group starts under its own word, or where the one
        // before it ends; the keys under the readings, both under the row's line.
        for (int g = 0; g < guide.groups.size(); ++g) {
            const int anchor = guide.groups[g].textStart + 1;
            const QTextLine line = text->textLayout().lineForTextPosition(anchor);
            const int wordX = int(std::lround(line.cursorToX(anchor)));
            const int wordTop = line.lineNumber() * (text->lineHeight() + text->lineSpacing());
            for (GuideLine *guideLine : {readings, keys}) {
                const QPoint at = guideLine->placeOf(g, 0);
                QVERIFY2(at.y() > wordTop || (at.y() == wordTop + text->lineHeight() && at.x() >= wordX),
                         qPrintable(QStringLiteral("group %1 of row %2").arg(g).arg(row)));
                // The first word's reading right under it, its keys under the reading.
                const int under = guideLine == keys ? QFontMetrics(readings->shownFont()).height() : 0;
                if (g == 0)
                    QCOMPARE(at, QPoint(wordX, wordTop + text->lineHeight() + under));
            }
        }
        // All of it within the row's frame.
        for (GuideLine *guideLine : {readings, keys}) {
            QVERIFY(guideLine->geometry() == text->geometry());
            QVERIFY(guideLine->flow().lines * (text->lineHeight() + text->lineSpacing()) <= guideLine->height());
        }
        // What a screen reader is told.
        for (QWidget *w : {static_cast<QWidget *>(text), static_cast<QWidget *>(readings), static_cast<QWidget *>(keys)}) {
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
            QVERIFY(a);
            QCOMPARE(a->role(), QAccessible::StaticText);
            QVERIFY(!a->text(QAccessible::Name).isEmpty());
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(text)->text(QAccessible::Name), frm->practice()->row(row).text.trimmed());
        QCOMPARE(QAccessible::queryAccessibleInterface(keys)->text(QAccessible::Description), QStringLiteral(u"入力キー"));
    }

    // The mark moves on with every key typed, and stays where a wrong key was typed.
    GuideLine *keys = frm->keysLine(0);
    QPoint mark = keys->placeOf(0, 0);
    for (int i = 1; i <= 4; ++i) {
        typeKey(frm.get(), frm->practice()->protocol().expectedKey());
        const RowGuide guide = frm->practice()->guide(0);
        const QPoint now = keys->placeOf(guide.current, guide.currentKey);
        QVERIFY(now.y() > mark.y() || now.x() > mark.x());
        mark = now;
    }
    typeSomeAndMiss(frm.get(), 5);
    screenshot(frm.get(), name + QStringLiteral("-typed"));
    const RowGuide guide = frm->practice()->guide(0);
    QCOMPARE(guide.groups[guide.current].keysTyped, guide.currentKey);
    typeKey(frm.get(), u'q');
    QCOMPARE(frm->practice()->guide(0).currentKey, guide.currentKey);
    // Row 1 is marked from its first key once it is current.
    for (int i = 0; i < 400 && frm->practice()->rowFlag() == 0; ++i)
        typeKey(frm.get(), frm->practice()->protocol().expectedKey());
    QCOMPARE(frm->practice()->guide(1).current, 0);
    QCOMPARE(frm->practice()->guide(1).currentKey, 0);
    screenshot(frm.get(), name + QStringLiteral("-row1"));
    frm->close();
}

// Whether the bar that marks the key in progress is drawn under key index of group 0.
bool markedAt(GuideLine *keys, int index)
{
    const QImage picture = keys->grab().toImage();
    const QFontMetrics fm(keys->shownFont());
    const QPoint at = keys->placeOf(0, index);
    const int barY = at.y() + fm.ascent() + std::max(1, fm.descent() / 2);
    const QColor mark = ColourFromSetting(DefaultUserSettings().FontColor4);
    const int scale = int(keys->devicePixelRatioF());
    return picture.pixelColor((at.x() + 2) * scale, barY * scale) == mark;
}

// Someone who does not know 情報 reads じょうほう under it and the default table's
// zyouhou under that, and the mark moves on as they type.
void PracticeGuideFrmTest::aWordTheLearnerCannotRead()
{
    Learner learner(RomajiCourse, 20);
    useWords(learner, {kWords[0]});
    learner.set(QStringLiteral("WordLsn"), QStringLiteral("ShowReading"), QStringLiteral("1"));
    learner.set(QStringLiteral("WordLsn"), QStringLiteral("ShowKeys"), QStringLiteral("1"));
    WordFrm frm;
    frm.lesson = 1;
    frm.settings = ReadProblemPracticeSettings(PracticeKind::Word, 1, CurUserIni());
    QVERIFY(frm.prepare());
    frm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    QVERIFY(frm.readingLine(0)->text().startsWith(QStringLiteral(u"じょうほう　じょうほう")));
    QVERIFY(frm.keysLine(0)->text().startsWith(QStringLiteral(u"ｚｙｏｕｈｏｕ　ｚｙｏｕｈｏｕ")));
    QVERIFY(markedAt(frm.keysLine(0), 0));
    for (QChar c : QStringLiteral("zyo"))
        typeKey(&frm, c);
    QVERIFY(!markedAt(frm.keysLine(0), 0));
    QVERIFY(markedAt(frm.keysLine(0), 3));
    const GuideGroup word = frm.practice()->guide(0).groups[0];
    QCOMPARE(word.keysTyped, 3);
    QCOMPARE(word.readingTyped, 2);
    screenshot(&frm, QStringLiteral("guide-jouhou"));
    frm.close();
}

int main(int argc, char **argv)
{
    return runOnLaptopScreen<PracticeGuideFrmTest>(argc, argv);
}

#include "PracticeGuideFrmTest.moc"
