#include "ui/settings/SettingsTestKit.h"

#include "platform/Cp932.h"
#include "platform/Paths.h"
#include "userdata/ProblemFile.h"
#include "practice/ProblemRegistration.h"
#include "ui/settings/IniSetFrm.h"

#include <QDirIterator>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <functional>

#include <sys/stat.h>

using namespace zr;
using namespace zr::test;

namespace {

constexpr double kToday = 46364;

// A learner whose word slot histories are recognisable: slot n holds markedScore(n).
UserRecord markedUser()
{
    UserRecord u = sampleUser(u"山田花子"_qs);
    for (int n = 1; n <= UserRecord::kSlots; ++n) {
        u.WordScores[size_t(n - 1)] = markedScore(n);
        u.SentenceScores[size_t(n - 1)] = markedScore(100 + n);
    }
    return u;
}

QString text(IniSetFrm &w, const char *box, int n)
{
    return child<QLineEdit>(&w, qPrintable(QStringLiteral("%1_%2").arg(QLatin1String(box)).arg(n)))->text();
}

void registerInto(SettingsScope &s, IniSetFrm &w, int n, const QString &file)
{
    s.dialogs.files.append(file);
    click(&w, qPrintable(QStringLiteral("Command1_%1").arg(n)));
}

void release(SettingsScope &s, IniSetFrm &w, int n)
{
    s.shell.gateway.queued.append(MessageAnswer::Yes);
    click(&w, qPrintable(QStringLiteral("Command2_%1").arg(n)));
}

QString ownDictionary(const QString &fileName, const QString &title)
{
    WordDictionary d;
    d.title = title;
    d.entries.resize(WordDictionary::kEntries);
    d.entries[0] = {u"赤"_qs, u"あか"_qs};
    d.entries[1] = {u"今朝"_qs, u"けさ"_qs};
    const QString path = LearnerProblemFolder() + u'/' + fileName;
    WriteWordDictionary(path, d, nullptr);
    return QFileInfo(path).canonicalFilePath();
}

QStringList filesBelow(const QString &dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    return files;
}

}  // namespace

class IniSetFrmTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheStoredSlots();
    void swappingTwoDictionariesSwapsTheirHistories();
    void slotFreedAndRefilledInOneVisit();
    void theSameFileTwiceIsRefused();
    void filesThatCannotBeRegistered();
    void cancelChangesNothing();
    void ownProblemFileRegisteredPractisedAndMoved();
    void parkingNeverLeavesTheLearnersFolder();
    void settingsThatCannotBeReadAreNotShown();
    void okStoresNoHistoryBeforeTheSlotKeys();
    void ownFilesOfOneFolderAreToldApart();
};

void IniSetFrmTest::opensWithTheStoredSlots()
{
    SettingsScope s(markedUser());
    IniSetFrm w;
    QCOMPARE(w.windowTitle(), u"練習問題の構成"_qs);
    QCOMPARE(child<QTabWidget>(&w, "SSTab1")->currentIndex(), 0);
    QCOMPARE(text(w, "Text1", 0), u"resource\\zr.zrd"_qs);
    QCOMPARE(text(w, "Text2", 0), ReadProblemTitle(resourceFile("zr.zrd")));
    QCOMPARE(text(w, "Text1", 19), u"resource\\kentei3.zrw"_qs);
    QVERIFY(child<QPushButton>(&w, "Command2_3")->isEnabled());
    QVERIFY(!child<QPushButton>(&w, "Command2_4")->isEnabled());
    QVERIFY(child<QPushButton>(&w, "Command1_4")->isEnabled());
    // Each registered file's history is parked in the learner's folder.
    QFile parked(s.folder() + QStringLiteral("/4juku.dat"));
    QVERIFY(parked.open(QIODevice::ReadOnly));
    QCOMPARE(ReadScoreRecord(parked), markedScore(3));
}

void IniSetFrmTest::swappingTwoDictionariesSwapsTheirHistories()
{
    SettingsScope s(markedUser());
    IniSetFrm w;
    release(s, w, 0);
    release(s, w, 1);
    QCOMPARE(s.lastMessage().text, u"resource\\katakana.zrd\r\nこのファイルを登録から外します。よろしいですか？"_qs);
    QCOMPARE(s.lastMessage().title, u"問題ファイルの解除"_qs);
    QCOMPARE(s.lastMessage().defaultButton, MessageAnswer::No);
    QVERIFY(text(w, "Text1", 0).isEmpty() && text(w, "Text2", 0).isEmpty());
    registerInto(s, w, 0, resourceFile("katakana.zrd"));
    registerInto(s, w, 1, resourceFile("zr.zrd"));
    click(&w, "Command4");
    QCOMPARE(w.result(), int(QDialog::Accepted));

    const UserRecord &u = ZRSub().CurUser;
    QCOMPARE(u.WordScores[0], markedScore(2));
    QCOMPARE(u.WordScores[1], markedScore(1));
    QCOMPARE(u.WordScores[2], markedScore(3));
    QCOMPARE(u.SentenceScores[0], markedScore(101));
    QCOMPARE(s.value("WordLsn", "L1"), u"resource\\katakana.zrd"_qs);
    QCOMPARE(s.value("WordLsn", "LT1"), ReadProblemTitle(resourceFile("katakana.zrd")));
    QCOMPARE(s.value("WordLsn", "L2"), u"resource\\zr.zrd"_qs);
    QCOMPARE(*LoadUserRecord(UserDataPath(s.folder()), nullptr), u);
    // Every parking file was consumed.
    QCOMPARE(QDir(s.folder()).entryList({"*.dat"}), QStringList{"user.dat"});
}

void IniSetFrmTest::slotFreedAndRefilledInOneVisit()
{
    const struct {
        const char *what;
        QList<int> freed;
        bool ownFile;
        ScoreRecord slot1;
    } cases[] = {
        {"a file registered elsewhere at opening brings its history", {0, 2}, false, markedScore(3)},
        {"a new file starts empty", {0}, true, ScoreRecord{}},
    };
    for (const auto &c : cases) {
        SettingsScope s(markedUser());
        const QString file = c.ownFile ? ownDictionary("new.zrd", u"新しい辞書"_qs) : resourceFile("4juku.zrd");
        IniSetFrm w;
        for (int n : c.freed)
            release(s, w, n);
        registerInto(s, w, 0, file);
        click(&w, "Command4");
        QVERIFY2(ZRSub().CurUser.WordScores[0] == c.slot1, c.what);
        QVERIFY2(ZRSub().CurUser.WordScores[2] == (c.freed.contains(2) ? ScoreRecord{} : markedScore(3)), c.what);
    }
}

void IniSetFrmTest::theSameFileTwiceIsRefused()
{
    SettingsScope s(markedUser());
    IniSetFrm w;
    release(s, w, 10);
    const struct {
        int slot;
        QString file, name;
    } cases[] = {
        {4, resourceFile("zr.zrd"), u"resource\\zr.zrd"_qs},
        {9, resourceFile("jimu.zrd"), u"resource\\jimu.zrd"_qs},
        {10, resourceFile("katakana2.zrw"), u"resource\\katakana2.zrw"_qs},
    };
    for (const auto &c : cases) {
        s.shell.gateway.shown.clear();
        registerInto(s, w, c.slot, c.file);
        QCOMPARE(s.shell.gateway.shown.size(), 1);
        QCOMPARE(s.lastMessage().text, c.name + u"\r\nこの問題ファイルは既に登録されています。"_qs);
        QCOMPARE(s.lastMessage().title, u"登録の中止"_qs);
        QVERIFY(text(w, "Text1", c.slot).isEmpty());
    }
    // The file dialog starts in the installation's resource folder and offers the
    // learner's own folder beside it.
    const OpenFileRequest &asked = s.dialogs.fileRequests.last();
    QCOMPARE(QFileInfo(asked.directory).canonicalFilePath(), QFileInfo(resourceFile("")).canonicalFilePath());
    QVERIFY(asked.places.contains(QUrl::fromLocalFile(LearnerProblemFolder())));
    QCOMPARE(asked.filter, u"短文問題 (*.zrw)"_qs);
}

void IniSetFrmTest::filesThatCannotBeRegistered()
{
    SettingsScope s;
    const QString folder = LearnerProblemFolder();
    putFile(folder + "/garbage.zrd", "not a dictionary");
    const QString newline = ownDictionary(u"two\nlines.zrd"_qs, u"x"_qs);
    const QString backslash = ownDictionary(u"back\\slash.zrd"_qs, u"x"_qs);
    const struct {
        QString file;
        QString mentions;
    } cases[] = {
        {folder + "/missing.zrd", u"missing.zrd"_qs},
        {folder + "/garbage.zrd", u"garbage.zrd"_qs},
        {resourceFile("juku1.zrw"), u"juku1.zrw"_qs},   // a sentence set in a word slot
        {newline, u"two lines.zrd"_qs},
        {backslash, u"back\\slash.zrd"_qs},
    };
    IniSetFrm w;
    for (const auto &c : cases) {
        s.shell.gateway.shown.clear();
        registerInto(s, w, 4, c.file);
        QCOMPARE(s.shell.gateway.shown.size(), 1);
        QVERIFY2(s.lastMessage().text.contains(c.mentions), qPrintable(s.lastMessage().text));
        QCOMPARE(s.lastMessage().title, u"登録の中止"_qs);
        QVERIFY(text(w, "Text1", 4).isEmpty());
        QVERIFY(!child<QPushButton>(&w, "Command2_4")->isEnabled());
    }
}

void IniSetFrmTest::cancelChangesNothing()
{
    SettingsScope s(markedUser());
    const QByteArray ini = readBytes(s.ini());
    const QByteArray dat = readBytes(UserDataPath(s.folder()));
    IniSetFrm w;
    release(s, w, 0);
    registerInto(s, w, 4, resourceFile("zr.zrd"));
    QCOMPARE(text(w, "Text1", 4), u"resource\\zr.zrd"_qs);
    click(&w, "Command3");
    QCOMPARE(w.result(), int(QDialog::Rejected));
    QCOMPARE(readBytes(s.ini()), ini);
    QCOMPARE(readBytes(UserDataPath(s.folder())), dat);
    QVERIFY(ZRSub().CurUser == markedUser());
    // The parked histories stay for the next OK.
    QVERIFY(QFileInfo::exists(s.folder() + "/zr.dat"));
}

void IniSetFrmTest::ownProblemFileRegisteredPractisedAndMoved()
{
    SettingsScope s(markedUser());
    const QString own = ownDictionary("mine.zrd", u"私の\r\n単語"_qs);
    {
        IniSetFrm w;
        registerInto(s, w, 4, own);
        QCOMPARE(text(w, "Text1", 4), own);
        QCOMPARE(text(w, "Text2", 4), u"私の 単語"_qs);
        click(&w, "Command4");
    }
    QCOMPARE(s.value("WordLsn", "L5"), own);
    QCOMPARE(s.value("WordLsn", "LT5"), u"私の 単語"_qs);
    QVERIFY(!readBytes(s.ini()).contains(toAnsi(u"\r\n単語"_qs)));
    QCOMPARE(ZRSub().CurUser.WordScores[4], ScoreRecord{});

    // Practised: the slot's file is what the practice reads, and its history grows.
    UserRecord &u = ZRSub().CurUser;
    QCOMPARE(ReadWordDictionary(ResolvePath(ZRSub().AppDir, s.value("WordLsn", "L5"))).wordCount(), 2);
    ApplyScoreUpdate(u.WordScores[4], u.TotalPracticeTime, 6, 7, 1, 30.0 / 86400, kToday);
    SaveUserRecord(UserDataPath(s.folder()), u, nullptr);
    const ScoreRecord practised = u.WordScores[4];

    IniSetFrm w;
    const QString parking = s.folder() + u'/' + ParkingFileName(own);
    QVERIFY(QFileInfo::exists(parking));
    QVERIFY(ParkingFileName(own).startsWith(u"mine-"));
    release(s, w, 4);
    registerInto(s, w, 7, own);
    click(&w, "Command4");
    QCOMPARE(ZRSub().CurUser.WordScores[7], practised);
    QCOMPARE(ZRSub().CurUser.WordScores[4], ScoreRecord{});
    QCOMPARE(s.value("WordLsn", "L8"), own);
    QVERIFY(!QFileInfo::exists(parking));
}

void IniSetFrmTest::parkingNeverLeavesTheLearnersFolder()
{
    SettingsScope s(markedUser());
    // Names a hand-edited settings file could hold.
    SetIniString("WordLsn", "L6", "..\\..\\x.zrd", s.ini());
    SetIniString("WordLsn", "L7", "../../../y.zrd", s.ini());
    SetIniString("WordLsn", "L8", "resource\\user.zrd", s.ini());
    const QString data = ZRSub().DataDir;
    const QStringList before = filesBelow(data);
    const QByteArray record = readBytes(UserDataPath(s.folder()));
    IniSetFrm w;
    const QStringList after = filesBelow(data);
    QCOMPARE(after.size(), before.size() + 17);   // word slots 1-4, 6-8 and ten sentence slots
    for (const QString &file : after) {
        if (!before.contains(file))
            QCOMPARE(QFileInfo(file).absolutePath(), QFileInfo(s.folder()).absoluteFilePath());
    }
    QCOMPARE(readBytes(UserDataPath(s.folder())), record);
    click(&w, "Command4");
    QCOMPARE(ZRSub().CurUser.WordScores[5], markedScore(6));
    QCOMPARE(ZRSub().CurUser.WordScores[7], markedScore(8));
}

void IniSetFrmTest::settingsThatCannotBeReadAreNotShown()
{
    const struct {
        const char *what;
        std::function<void(const QString &ini)> make;
    } cases[] = {
        {"larger than a settings file can be",
         [](const QString &ini) {
             QByteArray big = readBytes(ini);
             big.append(QByteArray(1024 * 1024, ';'));
             writeBytes(ini, big);
         }},
        {"a folder in its place",
         [](const QString &ini) {
             QFile::remove(ini);
             QDir().mkpath(ini);
         }},
        {"a pipe in its place",
         [](const QString &ini) {
             QFile::remove(ini);
             QVERIFY(::mkfifo(QFile::encodeName(ini).constData(), 0600) == 0);
         }},
        {"no permission to read it",
         [](const QString &ini) { QFile::setPermissions(ini, QFile::WriteOwner); }},
    };
    for (const auto &c : cases) {
        SettingsScope s(markedUser());
        c.make(s.ini());
        if (QString::fromLatin1(c.what).startsWith("no permission") && QFile(s.ini()).open(QIODevice::ReadOnly))
            continue;   // a superuser reads it anyway
        const QByteArray dat = readBytes(UserDataPath(s.folder()));
        bool shown = false;
        // Were it shown, every slot would look free and OK would empty every history.
        whenModal<IniSetFrm>([&shown](IniSetFrm *w) {
            shown = true;
            click(w, "Command4");
            if (w->isVisible())
                w->reject();
        });
        ShowIniSetFrm(nullptr);
        QVERIFY2(!shown, c.what);
        QCOMPARE(s.lastMessage().title, u"練習問題の構成"_qs);
        QVERIFY2(s.lastMessage().text.contains(QDir::toNativeSeparators(s.ini())), qPrintable(s.lastMessage().text));
        QCOMPARE(readBytes(UserDataPath(s.folder())), dat);
        QVERIFY(ZRSub().CurUser == markedUser());
        QCOMPARE(QDir(s.folder()).entryList({"*.dat"}), QStringList{"user.dat"});

        // Made all the same, the dialog stores nothing.
        IniSetFrm w;
        QVERIFY(!w.openError().isEmpty());
        QVERIFY(!child<QPushButton>(&w, "Command4")->isEnabled());
        QCOMPARE(readBytes(UserDataPath(s.folder())), dat);
        QFile::setPermissions(s.ini(), QFile::ReadOwner | QFile::WriteOwner);
    }
}

void IniSetFrmTest::okStoresNoHistoryBeforeTheSlotKeys()
{
    {
        // The settings file can no longer be read when OK is pressed.
        SettingsScope s(markedUser());
        const QByteArray dat = readBytes(UserDataPath(s.folder()));
        IniSetFrm w;
        release(s, w, 0);
        QByteArray big = readBytes(s.ini());
        big.append(QByteArray(1024 * 1024, ';'));
        writeBytes(s.ini(), big);
        click(&w, "Command4");
        QVERIFY(w.result() != QDialog::Accepted);
        QVERIFY2(s.lastMessage().text.contains("user.ini"), qPrintable(s.lastMessage().text));
        QCOMPARE(readBytes(UserDataPath(s.folder())), dat);
        QVERIFY(ZRSub().CurUser == markedUser());
        QCOMPARE(readBytes(s.ini()), big);
    }
    {
        // The slot keys are written, the record is not: the keys go back as they were.
        SettingsScope s(markedUser());
        const QByteArray dat = readBytes(UserDataPath(s.folder()));
        IniSetFrm w;
        const QByteArray ini = readBytes(s.ini());
        release(s, w, 0);
        {
            FullDiskScope full(16 * 1024);   // room for the settings, not for the record
            click(&w, "Command4");
        }
        QVERIFY(w.result() != QDialog::Accepted);
        QVERIFY2(s.lastMessage().text.contains("user.dat"), qPrintable(s.lastMessage().text));
        QCOMPARE(readBytes(UserDataPath(s.folder())), dat);
        QCOMPARE(readBytes(s.ini()), ini);
        QVERIFY(ZRSub().CurUser == markedUser());
    }
}

void IniSetFrmTest::ownFilesOfOneFolderAreToldApart()
{
    SettingsScope s(markedUser());
    const QString folder = QStringLiteral("a-folder-whose-name-is-longer-than-the-box-of-a-slot-can-show-"
                                          "so-that-only-the-end-of-the-path-tells-the-files-apart");
    QDir().mkpath(LearnerProblemFolder() + u'/' + folder);
    const QString first = ownDictionary(folder + "/first.zrd", u"一つ目"_qs);
    const QString second = ownDictionary(folder + "/second.zrd", u"二つ目"_qs);
    IniSetFrm w;
    registerInto(s, w, 4, first);
    registerInto(s, w, 5, second);
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto *box4 = child<QLineEdit>(&w, "Text1_4");
    auto *box5 = child<QLineEdit>(&w, "Text1_5");
    QCOMPARE(box4->text(), first);
    QCOMPARE(box4->toolTip(), first);
    QCOMPARE(box5->toolTip(), second);
    QVERIFY(box4->fontMetrics().horizontalAdvance(first) > box4->width());
    // What the boxes show differs, though both paths start alike far beyond their width.
    child<QPushButton>(&w, "Command1_0")->setFocus();
    QCoreApplication::processEvents();
    QVERIFY(box4->grab().toImage() != box5->grab().toImage());

    // The box takes the focus in its place in the tab order, and keeps the dialog's
    // keys: Esc still closes it.
    child<QPushButton>(&w, "Command2_3")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box4);
    QTest::keyClick(box4, Qt::Key_End);
    QCOMPARE(box4->cursorPosition(), int(first.size()));
    QTest::keyClick(box4, Qt::Key_Escape);
    QCOMPARE(w.result(), int(QDialog::Rejected));
}

QTEST_MAIN(IniSetFrmTest)
#include "IniSetFrmTest.moc"
