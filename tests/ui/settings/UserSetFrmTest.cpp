#include "ui/settings/SettingsTestKit.h"

#include "keyboard/KeyboardModel.h"
#include "platform/Paths.h"
#include "ui/common/Application.h"
#include "ui/keyboard/Shapes.h"
#include "ui/settings/UserSetFrm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <functional>

using namespace zr;
using namespace zr::test;

namespace {

// The shared sound values as the main window's refresh leaves them for a new learner.
void refreshedSounds()
{
    ZRSub().ErrorSound = 1;
    ZRSub().TypeSound = 0;
}

bool checked(UserSetFrm &w, const char *name)
{
    return child<QAbstractButton>(&w, name)->isChecked();
}

bool enabled(UserSetFrm &w, const char *name)
{
    return child(&w, name)->isEnabled();
}

QString chordFile()
{
    return SystemSoundFolder(ZRSub().AppDir) + QStringLiteral("/media/chord.wav");
}

using Edit = std::function<void(UserSetFrm &, SettingsScope &)>;

void setSpin(UserSetFrm &w, const char *name, int value)
{
    child<QSpinBox>(&w, name)->setValue(value);
}

}  // namespace

Q_DECLARE_METATYPE(Edit)

class UserSetFrmTest : public QObject {
    Q_OBJECT
private slots:
    void defaultFileOpensWithTheMistypeChord();
    void soundGroupsFollowTheirBoxAndOption();
    void savedValues_data();
    void savedValues();
    void aMissingSoundFileBlocksTheSave_data();
    void aMissingSoundFileBlocksTheSave();
    void clearThenCancelLeavesTheFile();
    void sampleShowsTheDesignAndOpensItsColours();
    void testButtonsAndFileChooser();
    void mainWindowAppliesTheSavedSettings();
    void anySpellingBelongsToTheRomajiCourse();
    void soundPathsTheSettingsCannotHoldAreRefused();
    void theShippedChordOfAnEarlierInstallationFollows();
    void aFailedSoundCheckLeavesTheKeyboardAWayOut();
};

void UserSetFrmTest::defaultFileOpensWithTheMistypeChord()
{
    SettingsScope s;
    refreshedSounds();
    UserSetFrm w;
    QCOMPARE(w.windowTitle(), u"ﾕｰｻﾞ設定"_qs);
    auto *tabs = child<QTabWidget>(&w, "SSTab1");
    QCOMPARE(tabs->count(), 5);
    QCOMPARE(tabs->tabText(1), u"練習画面のデザイン"_qs);
    QVERIFY(checked(w, "Check1"));
    QVERIFY(checked(w, "Option14_2"));
    QCOMPARE(child<QLineEdit>(&w, "Text8")->text(), chordFile());
    QVERIFY(enabled(w, "Text8") && enabled(w, "Command11"));
    QVERIFY(!checked(w, "Check4"));
    QVERIFY(!checked(w, "Option15_0") && !checked(w, "Option15_2"));
    QCOMPARE(child<QSpinBox>(&w, "Text1")->value(), 2);
    QCOMPARE(child<QSpinBox>(&w, "Text2")->value(), 30);
    QCOMPARE(child<QSpinBox>(&w, "Text7")->value(), 40);
    for (const char *option : {"Option2", "Option5", "Option7", "Option10", "Option13"})
        QVERIFY2(checked(w, option), option);
    QVERIFY(!checked(w, "CheckAnySpelling") && enabled(w, "CheckAnySpelling"));
    QVERIFY(!checked(w, "CheckShowReading") && !checked(w, "CheckShowKeys"));
}

void UserSetFrmTest::soundGroupsFollowTheirBoxAndOption()
{
    SettingsScope s;
    refreshedSounds();
    UserSetFrm w;
    const char *typeGroup[] = {"Option15_0", "Option15_2", "Command3"};
    for (const char *name : typeGroup)
        QVERIFY(!enabled(w, name));
    QVERIFY(!enabled(w, "Text9") && !enabled(w, "Command13"));
    child<QCheckBox>(&w, "Check4")->click();
    for (const char *name : typeGroup)
        QVERIFY(enabled(w, name));
    QVERIFY(!enabled(w, "Text9") && !enabled(w, "Command13"));   // no option chosen yet
    child<QRadioButton>(&w, "Option15_2")->click();
    QVERIFY(enabled(w, "Text9") && enabled(w, "Command13"));
    child<QRadioButton>(&w, "Option15_0")->click();
    QVERIFY(!enabled(w, "Text9") && !enabled(w, "Command13"));
    child<QCheckBox>(&w, "Check1")->click();
    QVERIFY(!enabled(w, "Option14_0") && !enabled(w, "Text8") && !enabled(w, "Command12"));
}

void UserSetFrmTest::savedValues_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QStringList>("expected");   // section, key, value, ...
    QTest::newRow("basic practice time") << Edit([](UserSetFrm &w, SettingsScope &) {
        setSpin(w, "Text1", 2);
        setSpin(w, "Text2", 5);
        setSpin(w, "Text5", 12);
    }) << QStringList{"Training", "LessonTime", "00:02:05", "Training", "LessonStep", "12"};
    QTest::newRow("word practice time") << Edit([](UserSetFrm &w, SettingsScope &) {
        setSpin(w, "Text4", 10);
        setSpin(w, "Text3", 0);
    }) << QStringList{"WordLsn", "LessonTime", "00:10:00", "Training", "LessonTime", "00:02:30"};
    QTest::newRow("長い") << Edit([](UserSetFrm &w, SettingsScope &) { child<QRadioButton>(&w, "Option3")->click(); })
                        << QStringList{"KeyLsn", "LessonSize", "Long"};
    QTest::newRow("options") << Edit([](UserSetFrm &w, SettingsScope &) {
        for (const char *option : {"Option4", "Option8", "Option11", "Option12", "Check2", "Check3"})
            child<QAbstractButton>(&w, option)->click();
    }) << QStringList{"Training", "RmjGuide", "1", "Training", "Addition", "0", "Training", "Level", "3",
                      "General", "FontUpper", "1", "General", "MoveMouse", "1", "General", "KanaLock", "1"};
    // Left off, the key stays out of the file, as the program has always written it.
    QTest::newRow("any spelling left off") << Edit([](UserSetFrm &, SettingsScope &) {})
                                           << QStringList{"General", "AnySpelling", "<missing>"};
    QTest::newRow("any spelling") << Edit([](UserSetFrm &w, SettingsScope &) { click(&w, "CheckAnySpelling"); })
                                  << QStringList{"General", "AnySpelling", "1"};
    QTest::newRow("guide left off") << Edit([](UserSetFrm &, SettingsScope &) {})
                                    << QStringList{"WordLsn", "ShowReading", "<missing>", "WordLsn", "ShowKeys", "<missing>"};
    QTest::newRow("readings and keys") << Edit([](UserSetFrm &w, SettingsScope &) {
        click(&w, "CheckShowReading");
        click(&w, "CheckShowKeys");
    }) << QStringList{"WordLsn", "ShowReading", "1", "WordLsn", "ShowKeys", "1"};
    QTest::newRow("keys alone") << Edit([](UserSetFrm &w, SettingsScope &) { click(&w, "CheckShowKeys"); })
                                << QStringList{"WordLsn", "ShowReading", "<missing>", "WordLsn", "ShowKeys", "1"};
    QTest::newRow("typed target beyond the range") << Edit([](UserSetFrm &w, SettingsScope &) {
        auto *box = child<QSpinBox>(&w, "Text7");
        box->selectAll();
        QTest::keyClicks(box, "4000x");
    }) << QStringList{"Training", "TargetTime", "400"};
    QTest::newRow("keystroke beep") << Edit([](UserSetFrm &w, SettingsScope &) {
        child<QCheckBox>(&w, "Check4")->click();
        child<QRadioButton>(&w, "Option15_0")->click();
    }) << QStringList{"General", "TypeSound", "1", "General", "TypeSoundType", "0", "General", "ErrorSound", "1"};
    QTest::newRow("font and colours") << Edit([](UserSetFrm &w, SettingsScope &s) {
        QFont font(u"IPAGothic"_qs);
        font.setPointSizeF(10.5);
        font.setBold(true);
        s.dialogs.fonts = {font};
        s.dialogs.colors = {QColor(0, 0x80, 0xFF), QColor(0x12, 0x34, 0x56)};
        click(&w, "Command4");
        click(&w, "Command9");
        click(&w, "Command8");
    }) << QStringList{"General", "Font", "IPAGothic", "General", "FontSize", "10.5", "General", "FontBold", "True",
                      "General", "FontItalic", "False", "General", "BackColor", "16744448", "General", "FontColor4",
                      "5649426", "General", "FontColor1", "16711680"};
    QTest::newRow("font larger than practice takes") << Edit([](UserSetFrm &w, SettingsScope &s) {
        QFont font(u"IPAGothic"_qs);
        font.setPointSize(96);
        s.dialogs.fonts = {font};
        click(&w, "Command4");
    }) << QStringList{"General", "FontSize", "72"};
}

void UserSetFrmTest::savedValues()
{
    QFETCH(Edit, edit);
    QFETCH(QStringList, expected);
    SettingsScope s;
    refreshedSounds();
    UserSetFrm w;
    edit(w, s);
    click(&w, "Command1");
    QCOMPARE(w.result(), int(QDialog::Accepted));
    for (qsizetype i = 0; i + 2 < expected.size(); i += 3)
        QCOMPARE(s.value(expected[i], expected[i + 1]), expected[i + 2]);
}

void UserSetFrmTest::aMissingSoundFileBlocksTheSave_data()
{
    QTest::addColumn<QByteArray>("group");   // the sound group's check box, option, file box
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("mistype, empty") << QByteArray("Check1 Option14_2 Text8") << QString()
                                    << u"サウンドファイルを選択して下さい"_qs;
    QTest::newRow("mistype, no such file") << QByteArray("Check1 Option14_2 Text8") << u"/nowhere/x.wav"_qs
                                           << u"サウンドファイルのファイル名またはパスが無効です"_qs;
    QTest::newRow("keystroke, empty") << QByteArray("Check4 Option15_2 Text9") << QString()
                                      << u"サウンドファイルを選択して下さい"_qs;
}

void UserSetFrmTest::aMissingSoundFileBlocksTheSave()
{
    QFETCH(QByteArray, group);
    QFETCH(QString, file);
    QFETCH(QString, message);
    const QList<QByteArray> names = group.split(' ');
    SettingsScope s;
    refreshedSounds();
    { UserSetFrm first; }   // the first opening fills the file with its defaults
    const QByteArray before = readBytes(s.ini());
    UserSetFrm w;
    auto *box = child<QCheckBox>(&w, names[0].constData());
    box->setChecked(true);
    child<QRadioButton>(&w, names[1].constData())->click();
    box->setChecked(false);   // the check applies with the sound switched off too
    child<QLineEdit>(&w, names[2].constData())->setText(file);
    child<QSpinBox>(&w, "Text7")->setValue(100);
    click(&w, "Command1");
    QCOMPARE(s.lastMessage().text, message);
    QCOMPARE(s.lastMessage().title, u"エラー"_qs);
    QCOMPARE(s.lastMessage().icon, MessageIcon::Warning);
    QVERIFY(w.result() != QDialog::Accepted);
    QCOMPARE(readBytes(s.ini()), before);
}

void UserSetFrmTest::clearThenCancelLeavesTheFile()
{
    SettingsScope s;
    refreshedSounds();
    SetIniString("General", "BackColor", "0", s.ini());
    SetIniString("General", "FontSize", "32", s.ini());
    { UserSetFrm first; }
    const QByteArray before = readBytes(s.ini());
    UserSetFrm w;
    QCOMPARE(w.colour(UserSetFrm::Background), QColor(Qt::black));
    click(&w, "Command10");
    QCOMPARE(w.colour(UserSetFrm::Background), QColor(Qt::white));
    QCOMPARE(w.colour(UserSetFrm::Typed), QColor(Qt::blue));
    QCOMPARE(w.colour(UserSetFrm::Guide), QColor(0xFF, 0x80, 0));
    QCOMPARE(w.sampleFont().pointSizeF(), 20.0);
    QCOMPARE(w.sampleFont().family(), QString::fromUtf16(kProportionalGothic));
    click(&w, "Command2");
    QCOMPARE(w.result(), int(QDialog::Rejected));
    QCOMPARE(readBytes(s.ini()), before);
}

void UserSetFrmTest::sampleShowsTheDesignAndOpensItsColours()
{
    SettingsScope s;
    refreshedSounds();
    SetIniString("General", "FontColor2", "255", s.ini());   // red input text
    UserSetFrm w;
    w.show();
    auto *input = child<QLabel>(&w, "Label12_1");
    QCOMPARE(input->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(child<ShapeWidget>(&w, "Shape1")->fillColour(), QColor(Qt::red));
    QCOMPARE(input->font().pointSizeF(), 20.0);
    QCOMPARE(input->text(), u"taipu"_qs);
    child<QRadioButton>(&w, "Option12")->click();
    QCOMPARE(input->text(), u"TAIPU"_qs);

    s.dialogs.colors = {QColor(Qt::green), QColor(Qt::yellow)};
    QTest::mouseClick(child(&w, "Label12_0"), Qt::LeftButton);
    QTest::mouseClick(child(&w, "Picture1"), Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(s.dialogs.colorsAsked, (QList<QColor>{QColor(Qt::blue), QColor(Qt::white)}));
    QCOMPARE(child<QLabel>(&w, "Label12_0")->palette().color(QPalette::WindowText), QColor(Qt::green));
    QCOMPARE(child(&w, "Picture1")->palette().color(QPalette::Window), QColor(Qt::yellow));

    // The cursor mark blinks.
    auto *cursor = child(&w, "Shape1");
    const bool hidden = cursor->isHidden();
    QTRY_VERIFY_WITH_TIMEOUT(cursor->isHidden() != hidden, 2000);
}

void UserSetFrmTest::testButtonsAndFileChooser()
{
    SettingsScope s;
    refreshedSounds();
    RecordingSoundPlayer player;
    UserSetFrm w;
    click(&w, "Command12");   // mistype: the chord file
    child<QCheckBox>(&w, "Check4")->click();
    click(&w, "Command3");    // keystroke: no kind chosen, nothing
    child<QRadioButton>(&w, "Option15_0")->click();
    click(&w, "Command3");    // the beep
    QCOMPARE(player.events, (QStringList{chordFile(), "beep"}));

    const QString wave = s.shell.dataDir() + "/mine.wav";
    putFile(wave, "RIFF");
    s.dialogs.files = {wave};
    click(&w, "Command11");
    QCOMPARE(child<QLineEdit>(&w, "Text8")->text(), wave);
    QCOMPARE(s.dialogs.fileRequests.last().defaultSuffix, u"wav"_qs);
    click(&w, "Command11");   // nothing chosen: the path stays
    QCOMPARE(child<QLineEdit>(&w, "Text8")->text(), wave);
    click(&w, "Command1");
    QCOMPARE(s.value("General", "ErrorSoundFile"), wave);
}

void UserSetFrmTest::mainWindowAppliesTheSavedSettings()
{
    SettingsScope s;
    ResetLaunchers();
    whenModal<UserSetFrm>([](UserSetFrm *w) {
        child<QRadioButton>(w, "Option12")->click();
        child<QCheckBox>(w, "Check4")->click();
        child<QRadioButton>(w, "Option15_0")->click();
        child<QCheckBox>(w, "Check1")->click();
        click(w, "Command1");
    });
    MainFrm main;
    main.Load();
    QCOMPARE(ZRSub().ErrorSound, 1);
    main.findChild<QAction *>("MenuUserSet")->trigger();
    QCOMPARE(ZRSub().FontUpper, 1);
    QCOMPARE(ZRSub().TypeSound, 1);
    QCOMPARE(ZRSub().TypeSoundType, 0);
    QCOMPARE(ZRSub().ErrorSound, 0);
}

void UserSetFrmTest::anySpellingBelongsToTheRomajiCourse()
{
    // In the kana course the box shows what the file says but cannot be changed, and the
    // save keeps it.
    SettingsScope s(sampleUser(u"山田花子"_qs, KanaCourse));
    SetIniString("General", "AnySpelling", "1", s.ini());
    // The guide shows kana keys in this course: its boxes stay free.
    SetIniString("WordLsn", "ShowKeys", "1", s.ini());
    refreshedSounds();
    UserSetFrm w;
    QVERIFY(checked(w, "CheckAnySpelling"));
    QVERIFY(!enabled(w, "CheckAnySpelling"));
    QVERIFY(checked(w, "CheckShowKeys") && enabled(w, "CheckShowKeys"));
    QVERIFY(!checked(w, "CheckShowReading") && enabled(w, "CheckShowReading"));
    click(&w, "Command1");
    QCOMPARE(s.value("General", "AnySpelling"), u"1"_qs);
    QCOMPARE(s.value("WordLsn", "ShowKeys"), u"1"_qs);
}

void UserSetFrmTest::soundPathsTheSettingsCannotHoldAreRefused()
{
    SettingsScope s;
    refreshedSounds();
    // Folders whose names add up to a path of more than 254 bytes.
    QString deep = s.shell.dataDir() + "/sounds";
    while (deep.toUtf8().size() < 260)
        deep += QStringLiteral("/folder-of-sounds-%1").arg(deep.size());
    const struct {
        QString file;
        QString says;
    } cases[] = {
        {s.shell.dataDir() + u"/café-bell.wav"_qs, u"Shift-JIS で表せない文字"_qs},
        {deep + "/bell.wav", u"パスが長すぎる"_qs},
    };
    for (const auto &c : cases) {
        putFile(c.file, "RIFF");
        { UserSetFrm first; }
        const QByteArray before = readBytes(s.ini());
        UserSetFrm w;
        s.shell.gateway.shown.clear();
        s.dialogs.files = {c.file};
        click(&w, "Command11");
        QCOMPARE(s.shell.gateway.shown.size(), 1);
        QVERIFY2(s.lastMessage().text.contains(c.says), qPrintable(s.lastMessage().text));
        QCOMPARE(s.lastMessage().title, u"エラー"_qs);
        QCOMPARE(child<QLineEdit>(&w, "Text8")->text(), chordFile());
        // Typed instead of chosen, the save refuses it the same way.
        child<QLineEdit>(&w, "Text8")->setText(c.file);
        click(&w, "Command1");
        QVERIFY(w.result() != QDialog::Accepted);
        QVERIFY2(s.lastMessage().text.contains(c.says), qPrintable(s.lastMessage().text));
        QCOMPARE(readBytes(s.ini()), before);
    }
}

void UserSetFrmTest::theShippedChordOfAnEarlierInstallationFollows()
{
    SettingsScope s;
    refreshedSounds();
    SetIniString("General", "ErrorSoundFile", "/opt/zorvel-0.0.9/share/zorvel-lesson/resource/system/media/chord.wav",
                 s.ini());
    UserSetFrm w;
    QCOMPARE(child<QLineEdit>(&w, "Text8")->text(), chordFile());
    setSpin(w, "Text7", 60);
    click(&w, "Command1");
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QCOMPARE(s.value("Training", "TargetTime"), u"60"_qs);
    QCOMPARE(s.value("General", "ErrorSoundFile"), chordFile());
}

void UserSetFrmTest::aFailedSoundCheckLeavesTheKeyboardAWayOut()
{
    const struct {
        bool soundOn;
        const char *focus;
    } cases[] = {{false, "Check1"}, {true, "Text8"}};
    for (const auto &c : cases) {
        SettingsScope s;
        refreshedSounds();
        UserSetFrm w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        child<QLineEdit>(&w, "Text8")->setText("/nowhere/chord.wav");
        child<QCheckBox>(&w, "Check1")->setChecked(c.soundOn);
        child<QTabWidget>(&w, "SSTab1")->setCurrentIndex(2);
        child<QWidget>(&w, "Command1")->setFocus();
        QTest::keyClick(child<QWidget>(&w, "Command1"), Qt::Key_Space);
        QCOMPARE(s.lastMessage().text, u"サウンドファイルのファイル名またはパスが無効です"_qs);
        QCOMPARE(child<QTabWidget>(&w, "SSTab1")->currentIndex(), 0);
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus && focus->isEnabled());
        QCOMPARE(focus->objectName(), QString::fromLatin1(c.focus));
        if (c.soundOn)
            continue;
        // From there the keyboard reaches the beep and saves.
        QTest::keyClick(focus, Qt::Key_Space);
        QVERIFY(child<QWidget>(&w, "Option14_0")->isEnabled());
        child<QRadioButton>(&w, "Option14_0")->click();
        child<QCheckBox>(&w, "Check1")->setChecked(false);
        click(&w, "Command1");
        QCOMPARE(w.result(), int(QDialog::Accepted));
    }
}

QTEST_MAIN(UserSetFrmTest)
#include "UserSetFrmTest.moc"
