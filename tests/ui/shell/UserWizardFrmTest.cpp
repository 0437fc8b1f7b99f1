#include "ShellTestSupport.h"

#include "platform/IniFile.h"
#include "ui/shell/UserWizardFrm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace zr;
using namespace zr::test;

namespace {

QPushButton *next(UserWizardFrm &w)
{
    return child<QPushButton>(&w, "cmdnex");
}

// Walks a fresh wizard to the course page with a name.
void toCoursePage(UserWizardFrm &w, const QString &name)
{
    next(w)->click();
    child<QLineEdit>(&w, "Text2")->setText(name);
    next(w)->click();
}

QString iniValue(const QString &folder, const QString &section, const QString &key)
{
    QString value;
    GetIniString(section, key, "<missing>", value, 255, UserIniPath(folder));
    return value;
}

}  // namespace

class UserWizardFrmTest : public QObject {
    Q_OBJECT
private slots:
    void nameRuleByCodePageBytes();
    void nameWithCharactersTheFileCannotHold();
    void courseMustBeChosen();
    void duplicateNameInTheSameCourse();
    void kanaCourseSkipsTheRomajiPageBothWays();
    void pageCounterCountsThePagesShown();
    void coursePageShowsKeyboardFocus();
    void chosenSpellingReachesTheSavedTable();
    void levelPageSetsTheTargetSpeed();
    void closingBeforeTheEndCreatesNothing();
    void aMissingTableKeepsTheWizardOpen();
};

void UserWizardFrmTest::nameRuleByCodePageBytes()
{
    ShellScope scope;
    UserWizardFrm w;
    next(w)->click();
    auto *name = child<QLineEdit>(&w, "Text2");
    QVERIFY(!next(w)->isEnabled());   // empty
    const struct {
        QString text;
        bool accepted;
    } cases[] = {
        {"ab", false},
        {u"あいう"_qs, true},
        {QString(11, u'あ'), false},
        {QString(20, u'a'), true},
        {QString(21, u'a'), false},
        {u"  あ  "_qs, false},   // blanks around the name do not count
        {u"ﾔﾏﾀﾞ"_qs, true},
    };
    for (const auto &c : cases) {
        name->setText(c.text);
        QVERIFY2(next(w)->isEnabled() == c.accepted, qPrintable(c.text));
    }
    name->setText(u"　山田　"_qs);
    next(w)->click();
    QCOMPARE(w.currentPage(), 2);
    QCOMPARE(w.name, u"山田"_qs);
    QCOMPARE(child<QLineEdit>(&w, "Text1")->text(), u"山田"_qs);
}

void UserWizardFrmTest::nameWithCharactersTheFileCannotHold()
{
    ShellScope scope;
    UserWizardFrm w;
    next(w)->click();
    child<QLineEdit>(&w, "Text2")->setText(u"山田😀"_qs);
    QVERIFY(next(w)->isEnabled());
    next(w)->click();
    QCOMPARE(w.currentPage(), 1);
    QCOMPARE(scope.titles(), QStringList{u"入力ｴﾗｰ"_qs});
    QVERIFY(scope.gateway.shown[0].text.contains(u"😀"_qs));
}

void UserWizardFrmTest::courseMustBeChosen()
{
    ShellScope scope;
    UserWizardFrm w;
    toCoursePage(w, u"山田"_qs);
    QCOMPARE(w.currentPage(), 2);
    QVERIFY(!next(w)->isEnabled());
    child<QRadioButton>(&w, "OptionKana")->click();
    QVERIFY(next(w)->isEnabled());
    // Back and forth keeps the choice.
    child<QPushButton>(&w, "cmdbef")->click();
    next(w)->click();
    QVERIFY(next(w)->isEnabled());
}

void UserWizardFrmTest::duplicateNameInTheSameCourse()
{
    ShellScope scope;
    scope.putUser(2, sampleUser(u"山田"_qs, 0));
    UserWizardFrm w;
    toCoursePage(w, u"山田"_qs);
    child<QRadioButton>(&w, "OptionRmj")->click();
    next(w)->click();
    QCOMPARE(w.currentPage(), 2);
    QCOMPARE(scope.titles(), QStringList{u"氏名が重複しています"_qs});
    QCOMPARE(scope.gateway.shown[0].text,
             u"氏名：「山田」\r\nコース：ローマ字入力コース\r\n\r\n既にこの名前は使われています。\r\n"
             "氏名の入力画面まで戻り、名前を変更して下さい。"_qs);
    QCOMPARE(scope.gateway.shown[0].icon, MessageIcon::Warning);

    // The same name in the other course is a different learner.
    child<QRadioButton>(&w, "OptionKana")->click();
    next(w)->click();
    QCOMPARE(w.currentPage(), 4);
    QCOMPARE(w.Course, 1);
}

void UserWizardFrmTest::kanaCourseSkipsTheRomajiPageBothWays()
{
    ShellScope scope;
    UserWizardFrm w;
    QCOMPARE(w.windowTitle(), u"使用者登録"_qs);
    QVERIFY(!child(&w, "cmdbef")->isEnabled());
    toCoursePage(w, u"山田"_qs);
    QCOMPARE(child<QLabel>(&w, "PageTitle")->text(), u"コース選択"_qs);
    child<QRadioButton>(&w, "OptionKana")->click();
    next(w)->click();
    QCOMPARE(w.currentPage(), 4);
    child<QPushButton>(&w, "cmdbef")->click();
    QCOMPARE(w.currentPage(), 2);

    child<QRadioButton>(&w, "OptionRmj")->click();
    next(w)->click();
    QCOMPARE(w.currentPage(), 3);
    next(w)->click();
    QCOMPARE(w.currentPage(), 4);
    child<QPushButton>(&w, "cmdbef")->click();
    QCOMPARE(w.currentPage(), 3);
    next(w)->click();
    next(w)->click();
    QCOMPARE(w.currentPage(), 5);
    QCOMPARE(next(w)->text(), u"完了"_qs);
    QCOMPARE(child<QLineEdit>(&w, "Text3")->text(), u"ローマ字入力コース"_qs);
    child<QPushButton>(&w, "cmdbef")->click();
    QCOMPARE(next(w)->text(), u"次へ"_qs);
}

void UserWizardFrmTest::pageCounterCountsThePagesShown()
{
    // Each row: the course, then the counter on every page from the course page to the end.
    const struct {
        const char *option;
        QStringList steps;
    } cases[] = {
        {"OptionRmj", {"3 / 6", "4 / 6", "5 / 6", "6 / 6"}},
        {"OptionKana", {"3 / 5", "4 / 5", "5 / 5"}},
    };
    for (const auto &c : cases) {
        ShellScope scope;
        UserWizardFrm w;
        auto *step = child<QLabel>(&w, "PageStep");
        QCOMPARE(step->text(), QString("1 / 6"));
        toCoursePage(w, u"山田"_qs);
        child<QRadioButton>(&w, c.option)->click();
        QStringList seen = {step->text()};
        while (w.currentPage() < 5) {
            next(w)->click();
            seen.append(step->text());
        }
        QCOMPARE(seen, c.steps);
    }
}

void UserWizardFrmTest::coursePageShowsKeyboardFocus()
{
    ShellScope scope;
    UserWizardFrm w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::mouseClick(next(w), Qt::LeftButton);   // a mouse click hides focus frames
    child<QLineEdit>(&w, "Text2")->setText(u"山田"_qs);
    QTest::mouseClick(next(w), Qt::LeftButton);
    QCOMPARE(w.currentPage(), 2);
    QVERIFY(child<QRadioButton>(&w, "OptionRmj")->hasFocus());
    // The style draws the focus frame only after a keyboard-like focus change.
    QVERIFY(w.testAttribute(Qt::WA_KeyboardFocusChange));
}

void UserWizardFrmTest::chosenSpellingReachesTheSavedTable()
{
    ShellScope scope;
    scope.putUser(1, sampleUser(u"佐藤"_qs));
    MainFrm main;
    whenModal<UserWizardFrm>([](UserWizardFrm *w) {
        toCoursePage(*w, u"山田花子"_qs);
        child<QRadioButton>(w, "OptionRmj")->click();
        next(*w)->click();
        auto *shi = child<QPushButton>(w, "KeyBtn_0");
        QCOMPARE(shi->text(), u"し  si"_qs);
        shi->click();
        QCOMPARE(shi->text(), u"し  shi"_qs);
        auto *tsu = child<QPushButton>(w, "KeyBtn_2");
        tsu->click();
        tsu->click();
        QCOMPARE(tsu->text(), u"つ  tu"_qs);
        child<QPushButton>(w, "KeyBtn_13")->click();   // じゅ
        next(*w)->click();   // level page untouched
        next(*w)->click();
        next(*w)->click();   // 完了
    });
    QVERIFY(CreateUser(&main));

    const QString folder = UserFolder(2);
    const std::optional<UserRecord> saved = LoadUserRecord(UserDataPath(folder), nullptr);
    QVERIFY(saved);
    QCOMPARE(saved->UserName, u"山田花子"_qs);
    QCOMPARE(saved->Course, 0);
    QCOMPARE(saved->LessonProgress, 1);
    QCOMPARE(saved->RomajiTable.find(u"し"), std::optional<QString>("shi"));
    QCOMPARE(saved->RomajiTable.find(u"つ"), std::optional<QString>("tu"));
    QCOMPARE(saved->RomajiTable.find(u"じゅ"), std::optional<QString>("ju"));
    QCOMPARE(iniValue(folder, "Training", "TargetTime"), QString("40"));
    QCOMPARE(iniValue(folder, "WordLsn", "L1"), QString("resource\\zr.zrd"));

    // The new learner is current, and the main window says so at once.
    QCOMPARE(ZRSub().CurUserDir, folder);
    QCOMPARE(ZRSub().CurUser, *saved);
    QCOMPARE(main.windowTitle(), u"ZORVEL LESSON - 山田花子"_qs);
    QCOMPARE(child<QLineEdit>(&main, "Text6")->text(), QString("-"));
    QCOMPARE(child<QLineEdit>(&main, "Text7")->text(), QString("-"));
}

void UserWizardFrmTest::levelPageSetsTheTargetSpeed()
{
    ShellScope scope;
    whenModal<UserWizardFrm>([](UserWizardFrm *w) {
        toCoursePage(*w, u"山田花子"_qs);
        child<QRadioButton>(w, "OptionKana")->click();
        next(*w)->click();
        child<QRadioButton>(w, "Option3")->click();
        QCOMPARE(w->targetSpeed, 120);
        next(*w)->click();
        QCOMPARE(child<QLineEdit>(w, "Text3")->text(), u"JIS 仮名入力コース"_qs);
        next(*w)->click();
    });
    QVERIFY(CreateUser(nullptr));
    QCOMPARE(iniValue(UserFolder(1), "Training", "TargetTime"), QString("120"));
    QCOMPARE(ZRSub().CurUser.RomajiTable, shippedTable(1));
}

void UserWizardFrmTest::closingBeforeTheEndCreatesNothing()
{
    ShellScope scope;
    scope.putUser(1, sampleUser(u"佐藤"_qs));
    MakeCurrentUser(UserFolder(1), sampleUser(u"佐藤"_qs));
    whenModal<UserWizardFrm>([](UserWizardFrm *w) {
        toCoursePage(*w, u"山田花子"_qs);
        child<QRadioButton>(w, "OptionRmj")->click();
        next(*w)->click();
        next(*w)->click();
        next(*w)->click();
        QCOMPARE(w->currentPage(), 5);
        click(w, "cmdCancel");
    });
    QVERIFY(!CreateUser(nullptr));
    QCOMPARE(CountUsers(), 1);
    QVERIFY(!QFileInfo::exists(UserFolder(2)));
    QCOMPARE(ZRSub().CurUser.UserName, u"佐藤"_qs);
    QCOMPARE(ZRSub().CurUserDir, UserFolder(1));
}

void UserWizardFrmTest::aMissingTableKeepsTheWizardOpen()
{
    ShellScope scope;
    TempDir install;
    ZRSub().AppDir = install.path() + u'/';
    bool stillOpen = false;
    whenModal<UserWizardFrm>([&](UserWizardFrm *w) {
        toCoursePage(*w, u"山田花子"_qs);
        child<QRadioButton>(w, "OptionKana")->click();
        next(*w)->click();
        next(*w)->click();
        next(*w)->click();
        stillOpen = w->isVisible() && w->currentPage() == 5;
        w->reject();
    });
    QVERIFY(!CreateUser(nullptr));
    QVERIFY(stillOpen);
    QCOMPARE(scope.titles(), QStringList{u"使用者登録"_qs});
    QVERIFY(scope.gateway.shown[0].text.contains("DefKana.tbl"));
    QVERIFY(!QFileInfo::exists(UserFolder(1)));
}

QTEST_MAIN(UserWizardFrmTest)
#include "UserWizardFrmTest.moc"
