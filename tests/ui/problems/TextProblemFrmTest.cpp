// The dialog that makes problem files from a text, driven as a learner would.

#include "ui/settings/SettingsTestKit.h"

#include "engine/KeystrokeProtocol.h"
#include "engine/RmjChk.h"
#include "keyboard/KeyboardModel.h"
#include "platform/Paths.h"
#include "practice/ProblemPractice.h"
#include "ui/problems/TextProblemFrm.h"
#include "ui/settings/IniSetFrm.h"

#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

using namespace zr;
using namespace zr::test;

namespace {

// Pastes text and waits for the readings in the table.
void paste(TextProblemFrm &w, const QString &text)
{
    QSignalSpy shown(&w, &TextProblemFrm::itemsShown);
    child<QPlainTextEdit>(&w, "SourceText")->setPlainText(text);
    QVERIFY(shown.wait(20000));
    QVERIFY(!w.analysing());
}

QTableWidget *table(TextProblemFrm &w)
{
    return child<QTableWidget>(&w, "ItemTable");
}

void freeSentenceSlot10(SettingsScope &s)
{
    SetIniString(QStringLiteral("SSentLsn"), QStringLiteral("L10"), QString(), s.ini());
    SetIniString(QStringLiteral("SSentLsn"), QStringLiteral("LT10"), QString(), s.ini());
}

}  // namespace

class TextProblemFrmTest : public QObject {
    Q_OBJECT
private slots:
    void pasteFixSaveRegisterAndPractise();
    void fromTheRegistrationDialogTheSlotWaitsForItsOk();
    void incompleteItemsAreNotSaved();
};

void TextProblemFrmTest::pasteFixSaveRegisterAndPractise()
{
    SettingsScope s;
    freeSentenceSlot10(s);
    TextProblemFrm w;
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    paste(w, u"東京駅でabcを見た。三時に帰る。\n"_qs);
    QTableWidget *t = table(w);
    QCOMPARE(t->rowCount(), 2);
    QCOMPARE(t->item(0, 0)->text(), u"要入力"_qs);
    QCOMPARE(t->item(0, 3)->text(), u"とうきょうえきで[abc]をみた。"_qs);
    QCOMPARE(t->item(1, 3)->text(), u"さんじにかえる。"_qs);
    QVERIFY(t->item(1, 0)->text().isEmpty());

    // The marked reading, fixed by keyboard as a learner fixes it.
    t->setFocus();
    t->setCurrentCell(0, 3);
    QTest::keyClick(t, Qt::Key_F2);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    // Japanese text arrives from the input method as a committed string.
    QInputMethodEvent commit;
    commit.setCommitString(u"とうきょうえきでえーびーしーをみた。"_qs);
    QApplication::sendEvent(editor, &commit);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(t->item(0, 3)->text(), u"とうきょうえきでえーびーしーをみた。"_qs);   // committed after the key
    QVERIFY(t->item(0, 0)->text().isEmpty());

    child<QLineEdit>(&w, "TitleText")->setText(u"私の文章"_qs);
    child<QPlainTextEdit>(&w, "DescriptionText")->setPlainText(u"一行目\n二行目"_qs);
    s.shell.gateway.queued = {MessageAnswer::Yes};   // register it
    click(&w, "SaveButton");
    QCOMPARE(w.savedPath(), LearnerProblemFolder() + u"/私の文章.zrw"_qs);
    QCOMPARE(w.registeredSlot(), 19);
    QVERIFY(s.lastMessage().text.contains(u"短文練習問題の 10 番に登録しました。"_qs));

    // Registered at once, as "登録" and OK would have done.
    QCOMPARE(s.value("SSentLsn", "L10"), w.savedPath());
    QCOMPARE(s.value("SSentLsn", "LT10"), u"私の文章"_qs);
    const SentenceSet set = ReadSentenceSet(ResolvePath(ZRSub().AppDir, s.value("SSentLsn", "L10")));
    QCOMPARE(set.description, u"一行目\r\n二行目"_qs);
    QCOMPARE(set.lines(1).size(), 2);

    // And practised: the first line typed key by key through the practice logic.
    ClockScope time;
    KeyStats stats;
    ProblemPractice practice(stats, {PracticeKind::Sentence, set.title}, {});
    practice.setEntries(BuildPassageEntries(set, RomajiCourse, shippedTable(RomajiCourse)));
    QVERIFY(practice.start());
    int keys = 0;
    while (practice.protocol().expectedKey() != u' ') {
        time.clock().advanceMs(150);
        practice.keyPress(practice.protocol().expectedKey());
        ++keys;
    }
    practice.keyPress(u' ');
    QCOMPARE(practice.typedText().text, u" 東京駅でabcを見た。"_qs);
    QCOMPARE(keys, int(ConvertWord(u"とうきょうえきでえーびーしーをみた。"_qs, {}, {}, KeyFilterOff, RomajiCourse,
                                   shippedTable(RomajiCourse)).Rmj.size()));
}

void TextProblemFrmTest::fromTheRegistrationDialogTheSlotWaitsForItsOk()
{
    SettingsScope s;
    IniSetFrm settings;
    settings.show();
    whenModal<TextProblemFrm>([&s](TextProblemFrm *w) {
        child<QRadioButton>(w, "WordKind")->setChecked(true);
        paste(*w, u"赤\n青空\n"_qs);
        child<QLineEdit>(w, "TitleText")->setText(u"色"_qs);
        s.shell.gateway.queued = {MessageAnswer::Yes};
        click(w, "SaveButton");
        QCOMPARE(w->registeredSlot(), 4);
        click(w, "CloseButton");
    });
    click(&settings, "TextProblemButton");
    // Shown in the dialog, not stored until OK.
    QCOMPARE(child<QLineEdit>(&settings, "Text2_4")->text(), u"色"_qs);
    QCOMPARE(s.value("WordLsn", "L5"), QString());
    click(&settings, "Command4");
    QCOMPARE(s.value("WordLsn", "LT5"), u"色"_qs);
    QCOMPARE(ReadWordDictionary(s.value("WordLsn", "L5")).words(),
             (QList<ProblemItem>{{u"赤"_qs, u"あか"_qs}, {u"青空"_qs, u"あおぞら"_qs}}));
}

void TextProblemFrmTest::incompleteItemsAreNotSaved()
{
    SettingsScope s;
    TextProblemFrm w;
    w.show();
    // Nothing to save, then no title.
    click(&w, "SaveButton");
    QVERIFY(s.lastMessage().text.contains(u"文章がありません"_qs));
    paste(w, u"abcを見た。"_qs);
    click(&w, "SaveButton");
    QVERIFY(s.lastMessage().text.contains(u"タイトル"_qs));
    // A marked item keeps the file from being written, and the cursor goes to it.
    child<QLineEdit>(&w, "TitleText")->setText(u"題"_qs);
    click(&w, "SaveButton");
    QVERIFY(s.lastMessage().text.contains(u"「要入力」の行が 1 行あります。"_qs));
    QCOMPARE(table(w)->currentColumn(), 3);
    QVERIFY(w.savedPath().isEmpty());
    QVERIFY(!QFileInfo::exists(LearnerProblemFolder() + u"/題.zrw"_qs));
    // A reading typed in katakana or Latin letters is not typable either.
    table(w)->item(0, 3)->setText(u"ABCをみた。"_qs);
    QCOMPARE(table(w)->item(0, 0)->text(), u"要入力"_qs);

    // Text typed and saved at once is read first: what is saved is what was typed.
    child<QPlainTextEdit>(&w, "SourceText")->setPlainText(u"花が咲く。"_qs);
    s.shell.gateway.queued = {MessageAnswer::No};   // not registered
    click(&w, "SaveButton");
    QCOMPARE(ReadSentenceSet(w.savedPath()).lines(1), (QList<ProblemItem>{{u"花が咲く。"_qs, u"はながさく。"_qs}}));
    QCOMPARE(w.registeredSlot(), -1);
}

QTEST_MAIN(TextProblemFrmTest)
#include "TextProblemFrmTest.moc"
