#include "ShellTestSupport.h"

#include "ui/shell/UserSelFrm.h"
#include "ui/shell/UserWizardFrm.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

using namespace zr;
using namespace zr::test;

namespace {

QStringList rows(UserSelFrm &dialog)
{
    auto *list = child<QTreeWidget>(&dialog, "ListView1");
    QStringList texts;
    for (int r = 0; r < list->topLevelItemCount(); ++r)
        texts.append(list->topLevelItem(r)->text(0) + " / " + list->topLevelItem(r)->text(1));
    return texts;
}

int selected(UserSelFrm &dialog)
{
    auto *list = child<QTreeWidget>(&dialog, "ListView1");
    return list->indexOfTopLevelItem(list->currentItem()) + 1;
}

}  // namespace

class UserSelFrmTest : public QObject {
    Q_OBJECT
private slots:
    void switchingSelectsTheCurrentLearner();
    void sameNameInBothCoursesIsToldApartByCourse();
    void okMakesTheChosenLearnerCurrent();
    void cancelChangesNothing();
    void deletingAtStartUp();
    void registeringAtStartUpListsTheNewLearner();
    void aDamagedFolderIsListedAndExplained();
};

void UserSelFrmTest::switchingSelectsTheCurrentLearner()
{
    ShellScope scope;
    scope.putUser(1, sampleUser(u"山田"_qs));
    scope.putUser(3, sampleUser(u"佐藤"_qs, 1));
    scope.putUser(4, sampleUser(u"鈴木"_qs));
    MakeCurrentUser(UserFolder(4), sampleUser(u"鈴木"_qs));
    UserSelFrm dialog;
    dialog.mode = 1;
    dialog.show();
    QCOMPARE(rows(dialog), QStringList({u"山田 / ローマ字入力コース"_qs, u"佐藤 / JIS仮名入力コース"_qs,
                                        u"鈴木 / ローマ字入力コース"_qs}));
    QCOMPARE(dialog.currentRow(), 3);
    QCOMPARE(selected(dialog), 3);
    QCOMPARE(dialog.windowTitle(), u"使用者切り替え"_qs);
    QCOMPARE(child<QPushButton>(&dialog, "cmdOK")->text(), QString("OK"));
    QVERIFY(!child(&dialog, "Command1")->isVisible());
    QVERIFY(!child(&dialog, "Command3")->isVisible());
    auto *list = child<QTreeWidget>(&dialog, "ListView1");
    QVERIFY(qAbs(list->columnWidth(0) - int(list->width() / 2.05)) <= 1);
}

void UserSelFrmTest::sameNameInBothCoursesIsToldApartByCourse()
{
    ShellScope scope;
    scope.putUser(1, sampleUser(u"山田"_qs, 0));
    scope.putUser(2, sampleUser(u"山田"_qs, 1));
    MakeCurrentUser(UserFolder(2), sampleUser(u"山田"_qs, 1));
    UserSelFrm dialog;
    dialog.mode = 1;
    dialog.show();
    QCOMPARE(rows(dialog).size(), 2);
    QCOMPARE(selected(dialog), 2);
}

void UserSelFrmTest::okMakesTheChosenLearnerCurrent()
{
    ShellScope scope;
    scope.putUser(2, sampleUser(u"山田"_qs));
    scope.putUser(5, sampleUser(u"佐藤"_qs, 1, 7));
    UserSelFrm dialog;
    dialog.mode = 0;
    whenModal<UserSelFrm>([](UserSelFrm *d) {
        QCOMPARE(d->windowTitle(), u"使用者選択"_qs);
        QCOMPARE(child<QPushButton>(d, "cmdOK")->text(), u"開始"_qs);
        QCOMPARE(selected(*d), 1);   // no current learner: the first row
        auto *list = child<QTreeWidget>(d, "ListView1");
        // A double-click on a row is the same as "開始".
        emit list->itemActivated(list->topLevelItem(1), 0);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(ZRSub().CurUserDir, UserFolder(5));
    QCOMPARE(ZRSub().CurUser.UserName, u"佐藤"_qs);
    QCOMPARE(ZRSub().CurUser.LessonProgress, 7);
}

void UserSelFrmTest::cancelChangesNothing()
{
    ShellScope scope;
    scope.putUser(1, sampleUser(u"山田"_qs));
    scope.putUser(2, sampleUser(u"佐藤"_qs));
    MakeCurrentUser(UserFolder(1), sampleUser(u"山田"_qs));
    UserSelFrm dialog;
    dialog.mode = 1;
    whenModal<UserSelFrm>([](UserSelFrm *d) {
        child<QTreeWidget>(d, "ListView1")->setCurrentItem(child<QTreeWidget>(d, "ListView1")->topLevelItem(1));
        click(d, "cmdCancel");
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(ZRSub().CurUserDir, UserFolder(1));
    QCOMPARE(ZRSub().CurUser.UserName, u"山田"_qs);
}

void UserSelFrmTest::deletingAtStartUp()
{
    ShellScope scope;
    scope.putUser(3, sampleUser(u"山田"_qs));
    UserSelFrm dialog;
    dialog.mode = 0;
    dialog.show();
    QVERIFY(child(&dialog, "Command1")->isVisible());
    QVERIFY(child(&dialog, "Command3")->isEnabled());

    scope.gateway.queued = {MessageAnswer::No};
    click(&dialog, "Command3");
    QVERIFY(QFileInfo::exists(UserDataPath(UserFolder(3))));
    QCOMPARE(rows(dialog).size(), 1);
    QVERIFY(scope.gateway.shown[0].text.startsWith(u"「山田」の使用者データを削除します。"_qs));

    scope.gateway.queued = {MessageAnswer::Yes};
    click(&dialog, "Command3");
    QVERIFY(!QFileInfo::exists(UserFolder(3)));
    QVERIFY(rows(dialog).isEmpty());
    QVERIFY(!child(&dialog, "cmdOK")->isEnabled());
    QVERIFY(!child(&dialog, "Command3")->isEnabled());
    QVERIFY(child(&dialog, "Command1")->isEnabled());
    QVERIFY(child(&dialog, "cmdCancel")->isEnabled());
}

void UserSelFrmTest::registeringAtStartUpListsTheNewLearner()
{
    ShellScope scope;
    scope.putUser(1, sampleUser(u"山田"_qs));
    scope.putUser(2, sampleUser(u"佐藤"_qs));
    UserSelFrm dialog;
    dialog.mode = 0;
    dialog.show();
    whenModal<UserWizardFrm>([](UserWizardFrm *w) {
        click(w, "cmdnex");
        child<QLineEdit>(w, "Text2")->setText(u"鈴木"_qs);
        click(w, "cmdnex");
        click(w, "OptionKana");
        click(w, "cmdnex");
        click(w, "cmdnex");
        click(w, "cmdnex");
    });
    click(&dialog, "Command1");
    QVERIFY(dialog.isVisible());
    QCOMPARE(rows(dialog).size(), 3);
    QCOMPARE(selected(dialog), 3);
    QCOMPARE(ZRSub().CurUserDir, UserFolder(3));
}

void UserSelFrmTest::aDamagedFolderIsListedAndExplained()
{
    ShellScope scope;
    scope.putUser(1, sampleUser(u"山田"_qs));
    QDir().mkpath(UserFolder(2));   // no user.dat
    UserSelFrm dialog;
    dialog.mode = 0;
    whenModal<UserSelFrm>([&](UserSelFrm *d) {
        QCOMPARE(rows(*d).size(), 2);
        QVERIFY(rows(*d).at(1).contains("user02"));
        auto *list = child<QTreeWidget>(d, "ListView1");
        list->setCurrentItem(list->topLevelItem(1));
        scope.gateway.queued = {MessageAnswer::No};
        click(d, "cmdOK");
    });
    dialog.exec();
    QCOMPARE(scope.titles(), QStringList({u"不良なデータを発見"_qs, QString()}));
    QVERIFY(ZRSub().CurUser.UserName.isEmpty());
    QVERIFY(ZRSub().CurUserDir.isEmpty());
    QVERIFY(QFileInfo::exists(UserFolder(2)));
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(UserSelFrmTest)
#include "UserSelFrmTest.moc"
