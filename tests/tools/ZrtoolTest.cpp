// zrtool as a power user runs it: output lines, JSON and exit codes.

#include "TestSupport.h"
#include "platform/IniFile.h"
#include "platform/OleDate.h"
#include "userdata/ProblemFile.h"
#include "userdata/UserRecord.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace zr;
using namespace zr::test;

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun zrtool(const QStringList &args, qint64 diskSpace = -1)
{
    QProcess p;
    if (diskSpace >= 0)
        p.setChildProcessModifier([diskSpace] { FullDiskScope::applyInChild(diskSpace); });
    p.start(QStringLiteral(ZR_TEST_ZRTOOL), args);
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

void expectBadInput(const QStringList &args, qint64 diskSpace = -1)
{
    const ToolRun r = zrtool(args, diskSpace);
    EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err.count(u'\n'), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.startsWith("zrtool: ")) << r.err.toStdString();
}

const QStringList kScoreArgs = {"--block", "word", "--index", "1", "--chars", "1",
                                "--hits", "1", "--misses", "0", "--seconds", "1"};

QJsonObject json(const ToolRun &r)
{
    return QJsonDocument::fromJson(r.out.toUtf8()).object();
}

}  // namespace

TEST(Zrtool, RmjchkPrintsOneLinePerWord)
{
    ToolRun r = zrtool({"rmjchk", u"しゃしん"_qs, u"きって"_qs});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QStringLiteral(u"3\tしゃ/し/ん\tsyasinn\tsya/si/nn\n2\tき/って\tkitte\tki/tte\n"));

    r = zrtool({"rmjchk", "--course", "kana", u"が"_qs});
    EXPECT_EQ(r.out, QStringLiteral(u"1\tが\tｶﾞ\tｶﾞ\n"));

    // With --use and --target the filter is on; a rejected word keeps its separators.
    r = zrtool({"rmjchk", "--use", "asdfjkl;", "--target", "k", u"かさ"_qs, u"さだ"_qs});
    EXPECT_EQ(r.out, QStringLiteral(u"2\tか/さ\tkasa\tka/sa\n0\tさ/だ/\tsada\tsa/da/\n"));
}

TEST(Zrtool, RmjchkWithAnOwnTable)
{
    TempDir dir;
    writeAnsiText(dir.file("t.tbl"), u"し,shi\r\nん,n\r\n"_qs);
    const ToolRun r = zrtool({"rmjchk", "--table", dir.file("t.tbl"), u"しん"_qs});
    EXPECT_EQ(r.out, QStringLiteral(u"2\tし/ん\tshin\tshi/n\n"));
}

TEST(Zrtool, RmjchkRefusesBadInput)
{
    expectBadInput({"rmjchk", "--course", "qwerty", "a"});
    expectBadInput({"rmjchk", "--use", "abc", u"か"_qs});
    expectBadInput({"rmjchk"});
    expectBadInput({"rmjchk", "--table", "/nonexistent/t.tbl", u"か"_qs});
    expectBadInput({"rmjchk", "--bogus", u"か"_qs});
    expectBadInput({"frobnicate"});
}

TEST(Zrtool, TypeFeedsKeysThroughTheProtocol)
{
    ToolRun r = zrtool({"type", u"ほんだ"_qs, "hondx"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QStringLiteral("h\thit\th\no\thit\to\nn\thit\tn\nd\thit\td\tsingle-n\n"
                                    "x\tmiss\ta\nunits=3 hits=4 missed=1\n"));
    // In the kana course the keys are the Latin characters of the physical keys.
    r = zrtool({"type", "--course", "kana", u"がっ"_qs, "t@Z  "});
    EXPECT_TRUE(r.out.endsWith(QStringLiteral(u" \thit\t \n \tignored\t\nunits=3 hits=4 missed=0\n")))
        << r.out.toStdString();
    expectBadInput({"type", u"ほんだ"_qs});
    expectBadInput({"type", "abc", "abc"});   // no keys at all
    expectBadInput({"type", "--course", "qwerty", u"か"_qs, "ka"});
}

TEST(Zrtool, TypeWithAnySpelling)
{
    // The same lines; the key judged against is that of the spelling in use.
    ToolRun r = zrtool({"type", "--any-spelling", u"しゃ"_qs, "shq"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QStringLiteral("s\thit\ts\nh\thit\th\nq\tmiss\ta\nunits=1 hits=2 missed=1\n"));
    r = zrtool({"type", u"しゃ"_qs, "sh"});
    EXPECT_EQ(r.out, QStringLiteral("s\thit\ts\nh\tmiss\ty\nunits=1 hits=1 missed=1\n"));
    r = zrtool({"type", "--any-spelling", u"ほんちゃ"_qs, "honcha"});
    EXPECT_TRUE(r.out.contains(QStringLiteral("c\thit\tc\tsingle-n\nh\thit\th\n"))) << r.out.toStdString();
    expectBadInput({"type", "--course", "kana", "--any-spelling", u"が"_qs, "t"});
}

TEST(Zrtool, ChaptersAndKeys)
{
    TempDir dir;
    writeBytes(dir.file("l.tbl"), "fj\r\ndk\r\nsl\r\n");
    ToolRun r = zrtool({"chapters", "--file", dir.file("l.tbl")});
    EXPECT_EQ(r.out, QString("1\t1\tfj\tfj\n2\t1\tdk\tfjdk\n3\t2\tfjdk\tfjdk\n4\t1\tsl\tfjdksl\n5\t2\tfjdksl\tfjdksl\n"));
    r = zrtool({"chapters", "--course", "kana"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith(u"1\t1\t"));

    r = zrtool({"keys", "g", "F", u"あ"_qs});
    EXPECT_EQ(r.out, QStringLiteral(u"30\t0\t4\tf\t【 ｇ 】キーは左手の人差し指で打ちます。\n"
                             u"29\t1\t4\tf\t【 Ｆ 】キーは SHIFTキーを押しながら、左手の人差し指で打ちます。\n"
                             u"0\t0\t0\t\t\n"));
    r = zrtool({"keys", "--course", "kana", u"ﾝ"_qs});
    EXPECT_EQ(r.out, QStringLiteral(u"19\t0\t5\tﾏ\t【 ん 】キーは右手の人差し指で打ちます。\n"));
    expectBadInput({"keys", "ab"});
    expectBadInput({"chapters", "--file", dir.file("none.tbl")});
}

TEST(Zrtool, UserShowAndScoreAdd)
{
    TempDir dir;
    const QString path = dir.file("user.dat");
    UserRecord u;
    u.UserName = QStringLiteral(u"テスト太郎");
    u.LessonProgress = 3;
    u.RomajiTable.load({{u"し"_qs, "si"}});
    ASSERT_TRUE(SaveUserRecord(path, u, nullptr));

    ToolRun r = zrtool({"score", "add", path, "--block", "word", "--index", "2", "--chars", "100",
                    "--hits", "120", "--misses", "6", "--seconds", "150", "--today", "2026-12-08"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();

    r = zrtool({"user", "show", path});
    ASSERT_EQ(r.exitCode, 0);
    const QJsonObject o = json(r);
    EXPECT_EQ(o["FormatVersion"].toInt(), 6);
    EXPECT_EQ(o["UserName"].toString(), u"テスト太郎"_qs);
    EXPECT_EQ(o["Course"].toInt(), 0);
    EXPECT_EQ(o["LessonProgress"].toInt(), 3);
    EXPECT_TRUE(o["TrainingScores"].toArray().isEmpty());
    const QJsonArray words = o["WordScores"].toArray();
    ASSERT_EQ(words.size(), 1);
    const QJsonObject w = words[0].toObject();
    EXPECT_EQ(w["index"].toInt(), 2);
    EXPECT_EQ(w["PracticeCount"].toDouble(), 1);
    const QJsonArray days = w["days"].toArray();
    ASSERT_EQ(days.size(), 15);
    EXPECT_EQ(days[0].toObject()["DayDate"].toString(), QString("2026-12-08"));
    EXPECT_EQ(days[0].toObject()["DayKeys"].toDouble(), 120);
    EXPECT_TRUE(days[1].toObject()["DayDate"].isNull());
    EXPECT_EQ(o["RomajiTable"].toArray(), QJsonArray({QJsonArray({u"し"_qs, "si"})}));
    EXPECT_DOUBLE_EQ(o["TotalPracticeTime"].toDouble(), 150 / 86400.0);

    expectBadInput({"score", "add", path, "--block", "training", "--index", "71", "--chars", "1",
                    "--hits", "1", "--misses", "0", "--seconds", "1"});
    expectBadInput({"score", "add", path, "--block", "spare", "--index", "1", "--chars", "1",
                    "--hits", "1", "--misses", "0", "--seconds", "1"});
    expectBadInput({"score", "add", path, "--block", "word", "--index", "1", "--chars", "-1",
                    "--hits", "1", "--misses", "0", "--seconds", "1"});
    expectBadInput({"score", "add", path, "--block", "word", "--index", "1", "--chars", "1",
                    "--hits", "1", "--misses", "0", "--seconds", "1", "--today", "yesterday"});
    expectBadInput({"user", "show", dir.file("none.dat")});
    // The refused updates changed nothing.
    EXPECT_EQ(json(zrtool({"user", "show", path}))["WordScores"].toArray().size(), 1);
}

TEST(Zrtool, ScoreAddLeavesOlderLayoutsAlone)
{
    TempDir dir;
    const QString path = dir.file("user.dat");
    UserRecord u;
    u.FormatVersion = 4;
    ASSERT_TRUE(SaveUserRecord(path, u, nullptr));
    const QByteArray before = readBytes(path);
    expectBadInput({"score", "add", path, "--block", "word", "--index", "1", "--chars", "1",
                    "--hits", "1", "--misses", "0", "--seconds", "1"});
    EXPECT_EQ(readBytes(path), before);
}

TEST(Zrtool, IniGetAndSet)
{
    TempDir dir;
    const QString ini = dir.file("user.ini");
    EXPECT_EQ(zrtool({"ini", "set", ini, "General", "Font", u"ＭＳ ゴシック"_qs}).exitCode, 0);
    EXPECT_EQ(zrtool({"ini", "get", ini, "general", "font"}).out, QStringLiteral(u"ＭＳ ゴシック\n"));
    EXPECT_EQ(zrtool({"ini", "get", ini, "General", "Missing"}).out, QString("\n"));
    expectBadInput({"ini", "get", ini});
    expectBadInput({"ini", "set", dir.file("no/such/user.ini"), "A", "b", "c"});
    expectBadInput({"ini", "set", ini, "General", "LT1\r\nL2", "c"});
}

TEST(Zrtool, ProblemBuildAndShow)
{
    TempDir dir;
    writeBytes(dir.file("w.txt"), u"@title 単語\n@description 説明\n赤\tあか\n朝\tあさ\n"_qs.toUtf8());
    ToolRun r = zrtool({"problem", "build", "--word", dir.file("w.txt"), dir.file("w.zrd")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    r = zrtool({"problem", "show", dir.file("w.zrd")});
    // One line of compact JSON, members in the order of their names.
    EXPECT_EQ(r.out, QStringLiteral(u"{\"description\":\"説明\",\"kind\":\"word\",\"title\":\"単語\","
                             u"\"words\":[[\"赤\",\"あか\"],[\"朝\",\"あさ\"]]}\n"));

    writeBytes(dir.file("s.txt"), u"@title 文\nA\tあ\nB\tい\n\nC\tう\n"_qs.toUtf8());
    ASSERT_EQ(zrtool({"problem", "build", "--sentence", dir.file("s.txt"), dir.file("s.ZRW")}).exitCode, 0);
    const QJsonObject s = json(zrtool({"problem", "show", dir.file("s.ZRW")}));
    EXPECT_EQ(s["kind"].toString(), QString("sentence"));
    const QJsonArray problems = s["problems"].toArray();
    ASSERT_EQ(problems.size(), 20);
    EXPECT_EQ(problems[0].toArray().size(), 2);
    EXPECT_EQ(problems[1].toArray(), QJsonArray({QJsonArray({"C", u"う"_qs})}));
    EXPECT_TRUE(problems[2].toArray().isEmpty());

    writeBytes(dir.file("bad.txt"), u"@title t\n赤 あか\n"_qs.toUtf8());
    expectBadInput({"problem", "build", "--word", dir.file("bad.txt"), dir.file("bad.zrd")});
    EXPECT_TRUE(zrtool({"problem", "build", "--word", dir.file("bad.txt"), dir.file("bad.zrd")})
                    .err.contains("bad.txt:2:"));
    expectBadInput({"problem", "show", dir.file("w.txt")});
    expectBadInput({"problem", "show", dir.file("none.zrd")});
    expectBadInput({"problem", "build", dir.file("w.txt"), dir.file("x.zrd")});
}

// On a full disk every write fails with exit 2 and leaves the file as it was.
TEST(Zrtool, AFullDiskFailsTheSaveAndKeepsTheFile)
{
    TempDir dir;
    const QString ini = dir.file("user.ini");
    writeBytes(ini, "[General]\r\n" + QByteArray(372, 'x') + "\r\n");
    writeBytes(dir.file("w.txt"), u"@title 単語\n赤\tあか\n"_qs.toUtf8());
    writeBytes(dir.file("w.zrd"), "old dictionary");
    UserRecord u;
    u.UserName = QStringLiteral(u"テスト");
    ASSERT_TRUE(SaveUserRecord(dir.file("user.dat"), u, nullptr));
    const QString files[] = {ini, dir.file("w.zrd"), dir.file("user.dat")};
    QList<QByteArray> before;
    for (const QString &f : files)
        before.append(readBytes(f));

    expectBadInput({"ini", "set", ini, "General", "Font", "Gothic"}, 100);
    expectBadInput({"problem", "build", "--word", dir.file("w.txt"), dir.file("w.zrd")}, 10);
    expectBadInput(QStringList{"score", "add", dir.file("user.dat")} + kScoreArgs, 1000);
    for (qsizetype i = 0; i < before.size(); ++i)
        EXPECT_EQ(readBytes(files[i]), before[i]) << files[i].toStdString();
    EXPECT_EQ(folderEntries(dir.path()), QStringList({"user.dat", "user.ini", "w.txt", "w.zrd"}));
}

// A record the program would refuse as cut short is not rewritten: one string length
// of 0xFFFF in the table would otherwise drop every row after it.
TEST(Zrtool, ScoreAddRefusesADamagedRecord)
{
    TempDir dir;
    const QString path = dir.file("user.dat");
    UserRecord u;
    u.UserName = QStringLiteral(u"テスト");
    QList<RomajiEntry> rows;
    for (int i = 0; i < 200; ++i)
        rows.append({QString(QChar(u'ぁ' + i % 80)) + QString::number(i), "k" + QString::number(i)});
    u.RomajiTable.load(rows);
    ASSERT_TRUE(SaveUserRecord(path, u, nullptr));
    QByteArray bytes = readBytes(path);
    const qsizetype at = bytes.indexOf(storedString("k10"));
    ASSERT_GT(at, 0);
    bytes[at] = char(0xFF);
    bytes[at + 1] = char(0xFF);
    writeBytes(path, bytes);

    expectBadInput(QStringList{"score", "add", path} + kScoreArgs);
    EXPECT_EQ(readBytes(path), bytes);
}

// Devices and pipes where a file is expected are refused at once, never read whole.
TEST(Zrtool, RefusesDevicesAndPipesWhereAFileIsExpected)
{
    TempDir dir;
    const QString fifo = dir.file("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString &input : {QStringLiteral("/dev/zero"), fifo}) {
        expectBadInput({"ini", "get", input, "General", "Font"});
        expectBadInput({"rmjchk", "--table", input, u"あ"_qs});
        expectBadInput({"chapters", "--file", input});
        expectBadInput({"problem", "build", "--word", input, dir.file("out.zrd")});
    }
    EXPECT_FALSE(QFileInfo::exists(dir.file("out.zrd")));
}

// zrtool and the program share one lock on a learner's record: while another process
// holds it, an update is refused rather than lost.
TEST(Zrtool, ScoreAddRefusesWhileTheRecordIsLocked)
{
    TempDir dir;
    const QString path = dir.file("user.dat");
    UserRecord u;
    u.UserName = QStringLiteral(u"テスト");
    ASSERT_TRUE(SaveUserRecord(path, u, nullptr));
    const QByteArray before = readBytes(path);
    {
        QLockFile lock(dir.file("user.lock"));
        ASSERT_TRUE(lock.tryLock(0));
        expectBadInput(QStringList{"score", "add", path} + kScoreArgs);
        EXPECT_EQ(readBytes(path), before);
    }
    EXPECT_EQ(zrtool(QStringList{"score", "add", path} + kScoreArgs).exitCode, 0);
    EXPECT_NE(readBytes(path), before);
}
