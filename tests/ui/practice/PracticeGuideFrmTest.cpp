// Readings and keys under the words of word and sentence practice: what the learner
// sees with the guide on, and that with it off the windows are exactly as they were.

#include "PracticeTestKit.h"

#include "ui/common/Application.h"
#include "ui/keyboard/Shapes.h"
#include "ui/practice/PracticeInput.h"
#include "ui/practice/ProblemPracticeFrm.h"
#include "userdata/UserSettings.h"

#include <QFile>
#include <QImage>
#include <QScreen>
#include <QtTest>

using namespace zr;
using namespace zr::test;

namespace {

constexpr int kScreenWidth = 1366;
constexpr int kScreenHeight = 768;

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
    std::unique_ptr<ProblemPracticeFrm> frm;
    if (kind == PracticeKind::Word)
        frm = std::make_unique<WordFrm>();
    else
        frm = std::make_unique<SentFrm>();
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
    Learner learner(course, 20);
    auto frm = openPractice(learner, k, QStringLiteral("1"), QStringLiteral("1"));
    QVERIFY(frm);
    screenshot(frm.get(), name + QStringLiteral("-start"));
    typeSomeAndMiss(frm.get(), 9);
    screenshot(frm.get(), name + QStringLiteral("-typed"));
    frm->close();
}

int main(int argc, char **argv)
{
    // A laptop's screen, 1366 × 768 at 96 dots an inch, as the learner's would be; under
    // QT_SCALE_FACTOR as many device pixels more.
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
    const double factor = scale > 0 ? scale : 1;
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 2;
    file.write(QStringLiteral(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": %1, "height": %2,
                                  "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                   .arg(qRound(kScreenWidth * factor))
                   .arg(qRound(kScreenHeight * factor))
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    QApplication app(argc, argv);
    SetUpApplication(app);
    PracticeGuideFrmTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PracticeGuideFrmTest.moc"
