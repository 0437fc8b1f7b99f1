#include "ShellTestSupport.h"

#include "ui/shell/StartUp.h"
#include "ui/shell/UserConvFrm.h"

#include <QLabel>
#include <QTest>

using namespace zr;
using namespace zr::test;

namespace {

// An old "user.dat": the header, the score blocks of its format (Chapter c practised c
// times), the learner's table with "shi" for し.
QByteArray oldRecord(qint16 version, const QString &name)
{
    QByteArray b = storedInt16(version) + storedString(name) + storedInt16(0) + storedInt16(9) + storedDouble(0.25);
    int chapters = 0, slotCount = 10;
    if (version == 3) {
        b += QByteArray(101 * 56, '\0');
        slotCount = 20;
    } else {
        chapters = version == 4 ? 35 : 50;
    }
    for (int i = 1; i <= chapters + 3 * slotCount; ++i) {
        b += storedDouble(i / 86400.0) + storedDouble(i);
        b += QByteArray(75 * 8, '\0');
    }
    RomajiTable table = shippedTable(0);
    table.setSpelling(u"し", "shi");
    for (int i = 0; i < RomajiTable::kRows; ++i)
        b += storedString(table.row(i).kana) + storedString(table.row(i).keys);
    return b;
}

void putFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    writeBytes(path, bytes);
}

}  // namespace

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void legacyInstallationIsMovedAndConverted();
    void version3IsExplainedBeforeOk();
    void declinedTableRebuildEndsStartUp();
};

void StartUpTest::legacyInstallationIsMovedAndConverted()
{
    ShellScope scope;
    const QByteArray old = oldRecord(4, u"山田"_qs);
    putFile(scope.dataDir() + "user/user.dat", old);
    putFile(scope.dataDir() + "user/user.ini", "[Training]\r\nLevel=3\r\n");

    QString shownName;
    whenModal<UserConv2Frm>([&](UserConv2Frm *w) {
        shownName = child<QLabel>(w, "Label1")->text();
        QCOMPARE(w->windowTitle(), u"ユーザデータ変換中"_qs);
    });
    QVERIFY(PrepareUserData());
    QCOMPARE(shownName, u"変換中：山田"_qs);

    QCOMPARE(readBytes(scope.dataDir() + "UserBackup/user.dat"), old);
    QVERIFY(QFileInfo::exists(scope.dataDir() + "UserBackup/user.ini"));
    QVERIFY(QDir(scope.dataDir() + "user").entryList(QDir::Files).isEmpty());
    const UserFile converted = ReadUserFile(UserFolder(1));
    QVERIFY(converted.usable());
    QCOMPARE(converted.record.UserName, u"山田"_qs);
    QCOMPARE(converted.record.TrainingScores[34].PracticeCount, 35.0);
    QCOMPARE(converted.record.RomajiTable.find(u"し"), std::optional<QString>("shi"));
    QCOMPARE(readBytes(UserIniPath(UserFolder(1))), QByteArray("[Training]\r\nLevel=3\r\n"));
    // No learner is current after the check, and format 4 asks for no new spellings.
    QVERIFY(ZRSub().CurUser.UserName.isEmpty());
    QVERIFY(scope.gateway.shown.isEmpty());
}

void StartUpTest::version3IsExplainedBeforeOk()
{
    ShellScope scope;
    putFile(UserDataPath(UserFolder(2)), oldRecord(3, u"佐藤"_qs));
    QString text;
    bool alreadyConverted = false;
    whenModal<UserConvFrm>([&](UserConvFrm *w) {
        QCOMPARE(w->windowTitle(), u"ユーザデータ書き換え"_qs);
        text = child<QLabel>(w, "Label1")->text();
        alreadyConverted = ReadUserFile(UserFolder(2)).usable();
        click(w, "OKButton");
    });
    QVERIFY(PrepareUserData());
    QVERIFY(alreadyConverted);
    QVERIFY(text.startsWith(u"　ユーザデータが古いバージョンの為、新しく変換します。\n"_qs));
    QVERIFY(text.contains(u"レッスン１からやり直す必要はありません"_qs));
    QCOMPARE(ReadUserFile(UserFolder(2)).record.LessonProgress, 9);
}

void StartUpTest::declinedTableRebuildEndsStartUp()
{
    ShellScope scope;
    UserRecord u = sampleUser(u"山田"_qs);
    u.RomajiTable.setRow(0, {u"ゔ"_qs, "vu"});
    scope.putUser(1, u);
    const QByteArray before = readBytes(UserDataPath(UserFolder(1)));
    scope.gateway.queued = {MessageAnswer::No};
    QVERIFY(!PrepareUserData());
    QCOMPARE(scope.titles(), QStringList{u"ローマ字設定の不一致"_qs});
    QCOMPARE(readBytes(UserDataPath(UserFolder(1))), before);
}

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
