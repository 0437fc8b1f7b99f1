#include "userdata/ProblemFile.h"
#include "practice/ProblemRegistration.h"

#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <gtest/gtest.h>

using namespace zr;
using namespace zr::test;

TEST(ProblemRegistration, ParkingFileStaysAPlainNameInTheLearnersFolder)
{
    const struct {
        QString registered;
        QString expected;   // empty: any safe name
    } cases[] = {
        {u"resource\\zr.zrd"_qs, u"zr.dat"_qs},
        {u"Resource\\Katakana1.ZRW"_qs, u"katakana1.dat"_qs},
        {u"mine.zrd"_qs, u"mine.dat"_qs},
        {u"resource\\user.zrd"_qs, {}},   // would overwrite the learner's record
        {u"resource\\sub\\x.zrd"_qs, {}},
        {u"../../x.zrd"_qs, {}},
        {u"..\\..\\x.zrd"_qs, {}},
        {u"/home/hanako/.local/share/zorvel-lesson/problems/my words.zrd"_qs, {}},
        {u"/tmp/a\nb.zrd"_qs, {}},
        {u"/"_qs, {}},
        {u"..."_qs, {}},
    };
    TempDir folder;
    QSet<QString> seen;
    for (const auto &c : cases) {
        const QString name = ParkingFileName(c.registered);
        SCOPED_TRACE(c.registered.toStdString() + " -> " + name.toStdString());
        if (!c.expected.isEmpty()) {
            EXPECT_EQ(name, c.expected);
        }
        EXPECT_TRUE(name.endsWith(u".dat"));
        EXPECT_FALSE(name.startsWith(u'.'));
        EXPECT_NE(name.toLower(), u"user.dat");
        for (const QChar ch : name)
            EXPECT_TRUE(ch != u'/' && ch != u'\\' && ch.category() != QChar::Other_Control);
        EXPECT_EQ(QFileInfo(folder.file(name)).absolutePath(), QFileInfo(folder.path()).absoluteFilePath());
        EXPECT_FALSE(seen.contains(name));
        seen.insert(name);
    }
    EXPECT_TRUE(ParkingFileName(u"/tmp/a\nb.zrd"_qs).startsWith(u"a_b-"));
    // Same file name in two folders: two parking files.
    EXPECT_NE(ParkingFileName(u"/a/x.zrd"_qs), ParkingFileName(u"/b/x.zrd"_qs));
}

TEST(ProblemRegistration, NamesBelowTheInstallationAreRelativeOthersFull)
{
    TempDir app;
    putFile(app.file("resource/Mine.zrd"), "x");
    TempDir elsewhere;
    putFile(elsewhere.file("Own.zrd"), "x");
    EXPECT_EQ(RegisteredProblemName(app.file("resource/Mine.zrd"), app.path() + u'/'), u"resource\\mine.zrd"_qs);
    const QString own = QFileInfo(elsewhere.file("Own.zrd")).canonicalFilePath();
    EXPECT_EQ(RegisteredProblemName(elsewhere.file("Own.zrd"), app.path()), own);

    EXPECT_TRUE(SameProblemName(u"resource\\ZR.zrd"_qs, u"resource\\zr.zrd"_qs));
    EXPECT_FALSE(SameProblemName(u"/p/A.zrd"_qs, u"/p/a.zrd"_qs));
    EXPECT_TRUE(SameProblemName(own, own));
}

TEST(ProblemRegistration, TitlesAreCleanedForTheSettingsFile)
{
    const struct {
        QString title;
        QString cleaned;
    } cases[] = {
        {u"日常の単語"_qs, u"日常の単語"_qs},
        {u"一行目\r\n[General]\r\nFont=x"_qs, u"一行目 [General] Font=x"_qs},
        {u"\ttab\x01\x7f"_qs, u"tab"_qs},
        {u"a\u2028b"_qs, u"a b"_qs},
        {QString(300, u'あ'), QString(127, u'あ')},   // 254 bytes
        {u'a' + QString(200, u'あ'), u'a' + QString(126, u'あ')},   // 253: one more is 255
        {QString(60000, u'漢'), QString(127, u'漢')},
        {QString(254, u'a') + u"\U0001F600"_qs, QString(254, u'a')},   // no half of a pair
    };
    for (const auto &c : cases)
        EXPECT_EQ(CleanProblemTitle(c.title), c.cleaned) << c.title.toStdString();
}
