#include "ShellTestSupport.h"

#include "ui/shell/StartUp.h"
#include "ui/shell/UserConvFrm.h"

#include <QLabel>
#include <QTest>

using namespace zr;
using namespace zr::test;

namespace {

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
    const QByteArray old = oldUserRecord(4, u"山田"_qs, 0, "shi");
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
    putFile(UserDataPath(UserFolder(2)), oldUserRecord(3, u"佐藤"_qs));
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
    QCOMPARE(ReadUserFile(UserFolder(2)).record.LessonProgress, 12);
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
