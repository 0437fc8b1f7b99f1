// What the result screens put into the practice log: every run that reaches a result
// screen, after "user.dat", with the figures the screen showed and its keys, as zrtool
// lists them; and a log that cannot be written costs no score and is told once.

#include "../practice/PracticeTestKit.h"
#include "../shell/ShellTestSupport.h"

#include "platform/Cp932.h"
#include "practicelog/LearnerLog.h"
#include "practicelog/LogQueries.h"
#include "practicelog/PracticeLog.h"
#include "ui/common/CommonDialogs.h"
#include "ui/results/ProblemScoreFrm.h"
#include "ui/results/TrScoreFrm.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace zr;
using namespace zr::test;

namespace {

void setKey(QChar key, double hits, double misses, double ms)
{
    KeyStat *s = ZRSub().keyStats.at(ansiKeyCode(key));
    s->hits = hits;
    s->misses = misses;
    s->milliseconds = ms;
}

// Shows the result screen of a run of kind on item and leaves it by its menu button,
// or by the close button where the menu button is not yet enabled. Returns the advice.
QString showResult(const QString &kind, int item, double CCh, double TTime)
{
    QString advice;
    ModalScript script;
    auto leave = [&](QWidget *w) {
        advice = w->findChild<QPlainTextEdit *>()->toPlainText();
        auto *menu = w->findChild<QPushButton *>(QStringLiteral("Command1"));
        if (menu->isEnabled())
            menu->click();
        else
            w->close();
    };
    if (kind == u"training") {
        TrScoreFrm frm;
        frm.lesson = qint16(item);
        frm.CCh = CCh;
        frm.TTime = TTime;
        frm.TargetKey = frm.UseKey = QStringLiteral("fj");
        script.then("zr::TrScoreFrm", leave);
        script.start();
        frm.exec();
    } else {
        std::unique_ptr<ProblemScoreFrm> frm;
        if (kind == u"word")
            frm = std::make_unique<WdScoreFrm>();
        else
            frm = std::make_unique<SentScoreFrm>();
        frm->lesson = qint16(item);
        frm->CCh = CCh;
        frm->TTime = TTime;
        script.then(kind == u"word" ? "zr::WdScoreFrm" : "zr::SentScoreFrm", leave);
        script.start();
        frm->exec();
    }
    return advice;
}

QString zrtoolOutput(const QStringList &args)
{
    QProcess p;
    p.start(appDir() + QStringLiteral("zrtool"), args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int logMessages(const Learner &learner)
{
    int n = 0;
    for (const MessageRequest &m : learner.messages.shown)
        n += m.title == u"練習記録" ? 1 : 0;
    return n;
}

// Takes away the right to write: as root, for whom permission bits do not count, the
// process acts as nobody meanwhile.
class WriteProtection {
public:
    WriteProtection(const QString &path, mode_t mode, const QStringList &open) : path_(path)
    {
        for (const QString &p : open)
            ::chmod(QFile::encodeName(p).constData(), 0777);
        ::chmod(QFile::encodeName(path).constData(), mode);
        if (::geteuid() == 0)
            asNobody_ = ::seteuid(65534) == 0;
    }
    ~WriteProtection()
    {
        if (asNobody_ && ::seteuid(0) != 0)
            qFatal("cannot become root again");
        ::chmod(QFile::encodeName(path_).constData(), 0755);
    }

private:
    QString path_;
    bool asNobody_ = false;
};

// Answers the folder dialog with the queued folders, then cancels.
class FolderAnswers : public CommonDialogGateway {
public:
    FolderAnswers() { InstallCommonDialogGateway(this); }
    ~FolderAnswers() override { InstallCommonDialogGateway(nullptr); }
    std::optional<QString> openFile(QWidget *, const OpenFileRequest &) override { return std::nullopt; }
    std::optional<QColor> color(QWidget *, const QColor &, const QString &) override { return std::nullopt; }
    std::optional<QFont> font(QWidget *, const QFont &) override { return std::nullopt; }
    std::optional<QString> directory(QWidget *, const QString &title, const QString &) override
    {
        titles.append(title);
        if (folders.isEmpty())
            return std::nullopt;
        return folders.takeFirst();
    }
    QStringList folders;
    QStringList titles;
};

}  // namespace

class PracticeLogWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void eachScreenLogsWhatItShowed_data();
    void eachScreenLogsWhatItShowed();
    void aLogThatCannotBeWrittenIsToldOnce_data();
    void aLogThatCannotBeWrittenIsToldOnce();
    void aLearnerOpenedHasTheHistoryAndExportsIt();
};

void PracticeLogWindowsTest::eachScreenLogsWhatItShowed_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("title");
    QTest::newRow("Chapter 4") << "training" << 4 << "Chapter 4";
    QTest::newRow("word slot 2") << "word" << 2 << u"日常の単語, 上級"_qs;
    QTest::newRow("sentence slot 3") << "sentence" << 3 << u"\"名文\" 集"_qs;
}

void PracticeLogWindowsTest::eachScreenLogsWhatItShowed()
{
    QFETCH(QString, kind);
    QFETCH(int, item);
    QFETCH(QString, title);
    Learner learner(RomajiCourse, 4);
    const QString section = kind == u"word" ? QStringLiteral("WordLsn") : QStringLiteral("SSentLsn");
    learner.set(section, QStringLiteral("L%1").arg(item), QStringLiteral("resource\\my.zrd"));
    learner.set(section, QStringLiteral("LT%1").arg(item), title);
    OpenLearnerLog();
    setKey(u'f', 41, 3, 10250);
    setKey(u'j', 37, 0, 9000);
    setKey(u' ', 12, 1, 3100);
    const QString advice = showResult(kind, item, 83, 97.0 / 86400);

    // user.dat has the run, and so has the log, with the screen's figures.
    const UserRecord saved = learner.savedRecord();
    const ScoreBlock block = kind == u"training" ? ScoreBlock::Training : kind == u"word" ? ScoreBlock::Word : ScoreBlock::Sentence;
    QCOMPARE(saved.score(block, item)->PracticeCount, 1.0);
    const QRegularExpressionMatch shown =
        QRegularExpression(QStringLiteral(u"今回の正解率は (\\d+)%.*入力速度は ([\\d.]+)字/分")).match(advice);
    QVERIFY2(shown.hasMatch(), qPrintable(advice));
    const QStringList lines = zrtoolOutput({"log", "runs", learner.state().CurUserDir}).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    const QStringList f = lines.first().split(u'\t');
    QCOMPARE(f.size(), 13);
    QCOMPARE(f[2], "2026-12-08");
    QCOMPARE(f[3], kind);
    QCOMPARE(f[4], QString::number(item));
    QCOMPARE(f[5], title);
    QCOMPARE(f.mid(6, 4), (QStringList{"83", "90", "4", "97"}));
    QCOMPARE(f[10], shown.captured(2));
    QCOMPARE(f[11], shown.captured(1));
    QCOMPARE(f[12], kind == u"training" ? "1" : "");
    QCOMPARE(zrtoolOutput({"log", "keys", learner.state().CurUserDir}),
             " \t12\t1\t91.7\t258.3\nf\t41\t3\t92.7\t250.0\nj\t37\t0\t100.0\t243.2\n");
    const PracticeLog *log = LearnerLog();
    QVERIFY(log);
    const auto runs = ListRuns(*log, {}, nullptr);
    QCOMPARE(runs->first().file, kind == u"training" ? QString() : QStringLiteral("resource\\my.zrd"));
    QCOMPARE(runs->first().started.secsTo(runs->first().ended), 97);
    QCOMPARE(logMessages(learner), 0);
    CloseLearnerLog();
}

void PracticeLogWindowsTest::aLogThatCannotBeWrittenIsToldOnce_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("recordSaved");
    QTest::newRow("read-only folder") << "folder" << false;
    QTest::newRow("read-only log") << "file" << true;
    QTest::newRow("log held by another program") << "held" << true;
}

void PracticeLogWindowsTest::aLogThatCannotBeWrittenIsToldOnce()
{
    QFETCH(QString, how);
    QFETCH(bool, recordSaved);
    Learner learner(RomajiCourse, 4);
    ForgetToldLogFailure();
    const QString folder = learner.state().CurUserDir;
    const QString path = PracticeLogPath(folder);
    OpenLearnerLog();
    CloseLearnerLog();
    setKey(u'f', 30, 0, 6000);

    std::unique_ptr<WriteProtection> protection;
    QSqlDatabase holder;
    if (how == u"folder") {
        protection = std::make_unique<WriteProtection>(folder, 0555, QStringList{learner.state().DataDir, learner.state().DataDir + "user"});
    } else if (how == u"file") {
        protection = std::make_unique<WriteProtection>(path, 0444, QStringList{learner.state().DataDir, learner.state().DataDir + "user", folder});
    } else {
        holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        holder.setDatabaseName(path);
        QVERIFY(holder.open());
        QVERIFY(QSqlQuery(holder).exec("BEGIN EXCLUSIVE"));
    }
    OpenLearnerLog();
    showResult("word", 1, 50, 60.0 / 86400);
    showResult("training", 4, 50, 60.0 / 86400);
    protection.reset();
    if (holder.isValid()) {
        QSqlQuery(holder).exec("ROLLBACK");
        holder.close();
        holder = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    }

    QCOMPARE(logMessages(learner), 1);
    // The record in memory has both runs, and so has user.dat wherever it can be written.
    QCOMPARE(learner.state().CurUser.WordScores[0].PracticeCount, 1.0);
    QCOMPARE(learner.state().CurUser.TrainingScores[3].PracticeCount, 1.0);
    const UserRecord saved = learner.savedRecord();
    QCOMPARE(saved.TrainingScores[3].PracticeCount, recordSaved ? 1.0 : 0.0);
    LogError error;
    auto log = PracticeLog::open(path, PracticeLog::Access::Read, &error);
    QVERIFY(log);
    QCOMPARE(ListRuns(*log, {}, nullptr)->size(), 0);
    log.reset();
    CloseLearnerLog();
    ForgetToldLogFailure();
}

void PracticeLogWindowsTest::aLearnerOpenedHasTheHistoryAndExportsIt()
{
    ShellScope shell;
    UserRecord user = sampleUser(QStringLiteral(u"記録太郎"));
    ScoreRecord &chapter = user.TrainingScores[1];
    chapter.DayDate = {46363, 46360};
    chapter.DayKeys = {200, 150};
    chapter.DayChars = {80, 60};
    chapter.DayTime = {90.0 / 86400, 80.0 / 86400};
    chapter.PracticeCount = 2;
    user.LessonProgress = 3;
    shell.putUser(1, user);
    MainFrm main;
    main.Load();
    QCOMPARE(ZRSub().CurUserDir, UserFolder(1));
    QVERIFY(!QFileInfo::exists(PracticeLogPath(UserFolder(1))));   // not before the window is up
    QTRY_VERIFY(LearnerLog());
    QCOMPARE(ListRuns(*LearnerLog(), {}, nullptr)->size(), 2);

    QAction *item = main.findChild<QAction *>(QStringLiteral("MenuExportLog"));
    QVERIFY(item);
    QCOMPARE(item->text(), QStringLiteral(u"練習記録のエクスポート…"));
    QVERIFY(main.findChild<QMenu *>(QStringLiteral("MenuFile"))->actions().contains(item));
    QVERIFY(item->isEnabled());
    if (!qEnvironmentVariableIsEmpty("ZR_SCREENSHOTS")) {
        auto *file = main.findChild<QMenu *>(QStringLiteral("MenuFile"));
        file->popup(main.mapToGlobal(QPoint(0, 0)));
        file->setActiveAction(item);
        screenshot(file, QStringLiteral("file-menu"));
        file->hide();
    }

    FolderAnswers folders;
    const QString out = shell.state.data().file("export");
    QDir().mkpath(out);
    item->trigger();   // cancelled
    QVERIFY(!QFileInfo::exists(out + "/runs.csv"));
    folders.folders = {out, out, out};
    item->trigger();
    QCOMPARE(readBytes(out + "/runs.csv").count('\n'), 3);
    QVERIFY(readBytes(out + "/keys.csv").startsWith("run_id,key,hits,misses,ms\r\n"));
    QVERIFY(shell.gateway.shown.last().text.contains(QStringLiteral(u"書き出しました")));
    // Files already there are replaced only on Yes.
    writeBytes(out + "/runs.csv", "mine");
    shell.gateway.queued = {MessageAnswer::No};
    item->trigger();
    QCOMPARE(readBytes(out + "/runs.csv"), "mine");
    QCOMPARE(shell.gateway.shown.last().buttons, MessageButtons::YesNo);
    shell.gateway.queued = {MessageAnswer::Yes};
    item->trigger();
    QVERIFY(readBytes(out + "/runs.csv").startsWith("run_id,"));
    QCOMPARE(folders.titles.size(), 4);
    QCOMPARE(folders.titles.first(), QStringLiteral(u"練習記録のエクスポート"));

    main.close();
    CloseLearnerLog();
}

QTEST_MAIN(PracticeLogWindowsTest)
#include "PracticeLogWindowsTest.moc"
