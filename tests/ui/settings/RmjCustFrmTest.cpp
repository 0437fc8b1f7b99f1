#include "ui/shell/ShellTestSupport.h"

#include "ui/settings/RmjCustFrm.h"

#include <QCheckBox>
#include <QDir>
#include <QRegularExpression>
#include <QPushButton>
#include <QTest>

using namespace zr;
using namespace zr::test;

namespace {

// A current romaji learner whose table spells し as shi, with two more し rows: row 299
// (reached by the dialog) and row 300 (never touched by it).
struct RomajiLearner {
    ShellScope shell;
    RomajiLearner()
    {
        UserRecord u = sampleUser(u"山田花子"_qs);
        u.RomajiTable.setSpelling(u"し", u"shi"_qs);
        u.RomajiTable.setRow(299, {u"し"_qs, u"shi"_qs});
        u.RomajiTable.setRow(300, {u"し"_qs, u"shi"_qs});
        shell.putUser(1, u);
        ZRSub().CurUserDir = UserFolder(1);
        ZRSub().CurUser = u;
    }
    QByteArray stored() const { return readBytes(UserDataPath(UserFolder(1))); }
};

QString caption(RmjCustFrm &w, int n)
{
    return child<QPushButton>(&w, qPrintable(QStringLiteral("KeyBtn_%1").arg(n)))->text();
}

void clickKey(RmjCustFrm &w, int n)
{
    click(&w, qPrintable(QStringLiteral("KeyBtn_%1").arg(n)));
}

QList<int> rowsWithKeys(const RomajiTable &t, const QString &kana, const QString &keys)
{
    QList<int> rows;
    for (int i = 0; i < RomajiTable::kRows; ++i) {
        if (t.row(i).kana == kana && t.row(i).keys == keys)
            rows.append(i);
    }
    return rows;
}

}  // namespace

class RmjCustFrmTest : public QObject {
    Q_OBJECT
private slots:
    void okWritesTheSpellingIntoEveryRowButTheLast();
    void linkedRowFollowsTheButton_data();
    void linkedRowFollowsTheButton();
    void capitalsOnlyOnTheButtons();
    void cancelAndClearingChangeNothingStored();
    void aRecordThatDidNotReadWholeIsKeptBeforeItIsSaved();
};

void RmjCustFrmTest::okWritesTheSpellingIntoEveryRowButTheLast()
{
    RomajiLearner learner;
    RmjCustFrm w;
    QCOMPARE(w.windowTitle(), u"ローマ字設定"_qs);
    QCOMPARE(caption(w, 0), u"し  shi"_qs);
    clickKey(w, 0);
    QCOMPARE(caption(w, 0), u"し  si"_qs);
    click(&w, "cmdOK");
    QCOMPARE(w.result(), int(QDialog::Accepted));

    const std::optional<UserRecord> saved = LoadUserRecord(UserDataPath(UserFolder(1)), nullptr);
    QVERIFY(saved);
    QCOMPARE(*saved, ZRSub().CurUser);
    const RomajiTable &t = saved->RomajiTable;
    QCOMPARE(rowsWithKeys(t, u"し"_qs, u"shi"_qs), QList<int>{300});
    QVERIFY(rowsWithKeys(t, u"し"_qs, u"si"_qs).contains(299));
    QCOMPARE(rowsWithKeys(t, u"し"_qs, u"si"_qs).size(), 2);
    QCOMPARE(t.find(u"し"), u"si"_qs);
}

void RmjCustFrmTest::linkedRowFollowsTheButton_data()
{
    QTest::addColumn<bool>("linked");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("linked") << true << QStringList{u"しゃ  sha"_qs, u"しゅ  shu"_qs, u"しぇ  she"_qs, u"しょ  sho"_qs};
    QTest::newRow("unlinked") << false << QStringList{u"しゃ  sya"_qs, u"しゅ  shu"_qs, u"しぇ  sye"_qs, u"しょ  syo"_qs};
}

void RmjCustFrmTest::linkedRowFollowsTheButton()
{
    QFETCH(bool, linked);
    QFETCH(QStringList, after);
    RomajiLearner learner;
    RmjCustFrm w;
    auto *box = child<QCheckBox>(&w, "Check1_0");
    QVERIFY(box->isChecked());
    box->setChecked(linked);
    QCOMPARE(caption(w, 6), u"しゅ  syu"_qs);
    clickKey(w, 6);
    QCOMPARE((QStringList{caption(w, 5), caption(w, 6), caption(w, 7), caption(w, 8)}), after);
    QCOMPARE(caption(w, 9), u"ちゃ  tya"_qs);   // another row stays
}

void RmjCustFrmTest::capitalsOnlyOnTheButtons()
{
    RomajiLearner learner;
    ZRSub().FontUpper = 1;
    RmjCustFrm w;
    QCOMPARE(caption(w, 0), u"し  SHI"_qs);
    QCOMPARE(caption(w, 24), u"っ  XTU"_qs);
    clickKey(w, 24);
    QCOMPARE(caption(w, 24), u"っ  LTU"_qs);
    click(&w, "cmdOK");
    QCOMPARE(ZRSub().CurUser.RomajiTable.find(u"っ"), u"ltu"_qs);
    QCOMPARE(ZRSub().CurUser.RomajiTable.find(u"し"), u"shi"_qs);
}

void RmjCustFrmTest::cancelAndClearingChangeNothingStored()
{
    RomajiLearner learner;
    const QByteArray before = learner.stored();
    const UserRecord record = ZRSub().CurUser;
    {
        RmjCustFrm w;
        clickKey(w, 3);
        click(&w, "cmdCancel");
        QCOMPARE(w.result(), int(QDialog::Rejected));
    }
    QCOMPARE(learner.stored(), before);
    QVERIFY(ZRSub().CurUser == record);

    // 設定のクリア returns every unit to the installed table's spelling (し is si there).
    RmjCustFrm w;
    clickKey(w, 3);
    click(&w, "Command1");
    QCOMPARE(caption(w, 0), u"し  si"_qs);
    QCOMPARE(caption(w, 3), u"ふ  hu"_qs);
    QCOMPARE(learner.stored(), before);
}

void RmjCustFrmTest::aRecordThatDidNotReadWholeIsKeptBeforeItIsSaved()
{
    RomajiLearner learner;
    // One string length of the table damaged: the rows behind it read as empty.
    QByteArray damaged = learner.stored();
    const qsizetype table = 61616 + 8;
    damaged[table + 100] = char(0xFF);
    damaged[table + 101] = char(0xFF);
    const QString dat = UserDataPath(UserFolder(1));
    writeBytes(dat, damaged);
    const UserFile file = ReadUserFile(UserFolder(1));
    QVERIFY(file.usable());
    ZRSub().CurUser = file.record;
    RmjCustFrm w;
    click(&w, "cmdOK");
    QCOMPARE(w.result(), int(QDialog::Accepted));
    const QStringList kept = QDir(UserFolder(1)).entryList({"user.dat.damaged-*"});
    QCOMPARE(kept.size(), 1);
    QVERIFY2(QRegularExpression("^user\\.dat\\.damaged-\\d{8}-\\d{6}$").match(kept[0]).hasMatch(), qPrintable(kept[0]));
    QCOMPARE(readBytes(UserFolder(1) + u'/' + kept[0]), damaged);
    QCOMPARE(learner.shell.gateway.shown.size(), 1);
    QVERIFY(learner.shell.gateway.shown[0].text.contains(kept[0]));
}

QTEST_MAIN(RmjCustFrmTest)
#include "RmjCustFrmTest.moc"
