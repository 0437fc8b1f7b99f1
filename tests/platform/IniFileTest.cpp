#include "platform/IniFile.h"

#include "TestSupport.h"
#include "platform/Cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace zr;
using namespace zr::test;

namespace {

QString get(const QString &section, const QString &key, const QString &file, int *count = nullptr)
{
    QString value;
    const int n = GetIniString(section, key, QString(), value, 255, file);
    if (count)
        *count = n;
    return value;
}

}  // namespace

TEST(IniFile, WritingCreatesFileAndSection)
{
    TempDir dir;
    const QString ini = dir.file("user.ini");
    ASSERT_TRUE(SetIniString("Training", "LessonTime", "00:02:30", ini));
    EXPECT_EQ(readBytes(ini), QByteArray("[Training]\r\nLessonTime=00:02:30\r\n"));
    ASSERT_TRUE(SetIniString("General", "Font", "ＭＳ Ｐゴシック", ini));
    EXPECT_EQ(get("General", "Font", ini), QStringLiteral(u"ＭＳ Ｐゴシック"));
    // The text is stored in code page 932.
    EXPECT_TRUE(readBytes(ini).contains(toAnsi(u"ＭＳ Ｐゴシック")));
}

TEST(IniFile, NamesCompareWithoutRegardToCase)
{
    TempDir dir;
    const QString ini = dir.file("user.ini");
    SetIniString("General", "FontBold", "False", ini);
    SetIniString("general", "Fontbold", "True", ini);
    EXPECT_EQ(get("GENERAL", "FONTBOLD", ini), QString("True"));
    // The key keeps the spelling it had in the file, and there is still one line.
    EXPECT_EQ(readBytes(ini), QByteArray("[General]\r\nFontBold=True\r\n"));
}

TEST(IniFile, OtherLinesStayByteForByte)
{
    TempDir dir;
    const QString ini = dir.file("user.ini");
    // A comment, odd spacing, a line that is not valid code page 932 and LF endings.
    const QByteArray original = "; note\n[General]\nFont = x\n\xff\xfe junk\n[Training]\nLevel=2\n";
    writeBytes(ini, original);
    SetIniString("Training", "Level", "3", ini);
    SetIniString("General", "KanaLock", "1", ini);
    EXPECT_EQ(readBytes(ini),
              QByteArray("; note\r\n[General]\r\nFont = x\r\n\xff\xfe junk\r\nKanaLock=1\r\n"
                         "[Training]\r\nLevel=3\r\n"));
    EXPECT_EQ(get("General", "Font", ini), QString("x"));
}

TEST(IniFile, MissingKeysSectionsAndFilesReadAsNothing)
{
    TempDir dir;
    const QString ini = dir.file("user.ini");
    int count = -1;
    EXPECT_EQ(get("General", "Font", ini, &count), QString());
    EXPECT_EQ(count, 0);
    EXPECT_FALSE(QFile::exists(ini));   // reading creates nothing

    writeBytes(ini, "[A]\r\nkey=1\r\n[B]\r\nother=2\r\nempty=\r\n");
    EXPECT_EQ(get("B", "key", ini, &count), QString());
    EXPECT_EQ(count, 0);
    EXPECT_EQ(get("B", "empty", ini, &count), QString());
    EXPECT_EQ(count, 0);
    EXPECT_EQ(get("A", "key", ini, &count), QString("1"));
    EXPECT_EQ(count, 1);

    QString value;
    EXPECT_EQ(GetIniString("C", "x", "fallback", value, 255, ini), 8);
    EXPECT_EQ(value, QString("fallback"));
}

TEST(IniFile, ValuesAreCutTo254Bytes)
{
    TempDir dir;
    const QString ini = dir.file("user.ini");
    SetIniString("S", "ascii", QString(300, u'x'), ini);
    int count = 0;
    EXPECT_EQ(get("S", "ascii", ini, &count), QString(254, u'x'));
    EXPECT_EQ(count, 254);
    // 127 full-width characters are 254 bytes; the 128th does not fit, and half of it
    // is never kept.
    SetIniString("S", "wide", QString(130, u'あ'), ini);
    EXPECT_EQ(get("S", "wide", ini, &count), QString(127, u'あ'));
    SetIniString("S", "odd", u'x' + QString(130, u'あ'), ini);
    EXPECT_EQ(get("S", "odd", ini, &count), u'x' + QString(126, u'あ'));
    EXPECT_EQ(count, 253);
}

TEST(IniFile, ValuesKeepEqualsSignsAndLoseSurroundingQuotes)
{
    TempDir dir;
    const QString ini = dir.file("user.ini");
    writeBytes(ini, "[S]\r\n  path = a=b \r\nquoted=\" spaced \"\r\n");
    EXPECT_EQ(get("S", "path", ini), QString("a=b"));
    EXPECT_EQ(get("S", "quoted", ini), QString(" spaced "));
}

TEST(IniFile, NewKeysJoinTheirSectionBeforeBlankLines)
{
    TempDir dir;
    const QString ini = dir.file("user.ini");
    writeBytes(ini, "[A]\r\none=1\r\n\r\n[B]\r\ntwo=2\r\n");
    SetIniString("A", "three", "3", ini);
    EXPECT_EQ(readBytes(ini), QByteArray("[A]\r\none=1\r\nthree=3\r\n\r\n[B]\r\ntwo=2\r\n"));
}

TEST(IniFile, WritingTheSameValueLeavesTheFileAlone)
{
    TempDir dir;
    const QString ini = dir.file("user.ini");
    writeBytes(ini, "[A]\nkey = same\n");
    EXPECT_TRUE(SetIniString("a", "KEY", "same", ini));
    EXPECT_EQ(readBytes(ini), QByteArray("[A]\nkey = same\n"));
    EXPECT_TRUE(SetIniString("A", "key", "other", ini));
    EXPECT_EQ(readBytes(ini), QByteArray("[A]\r\nkey=other\r\n"));
}

// The same settings held in memory: a write gives the new bytes, or the very same bytes
// when the setting is already there.
TEST(IniFile, BytesInMemoryReadAndWriteAsTheFileDoes)
{
    const QByteArray data = "[A]\nkey = same\n[B]\nx=1";
    QString value;
    EXPECT_EQ(GetIniStringInData("a", "KEY", "none", value, 255, data), 4);
    EXPECT_EQ(value, "same");
    GetIniStringInData("B", "key", "none", value, 255, data);
    EXPECT_EQ(value, "none");

    EXPECT_EQ(SetIniStringInData("A", "key", "same", data), data);
    EXPECT_EQ(SetIniStringInData("b", "y", "2", data), QByteArray("[A]\r\nkey = same\r\n[B]\r\nx=1\r\ny=2\r\n"));
    QString error;
    EXPECT_FALSE(SetIniStringInData("A", "k=ey", "v", data, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(IniFile, WritingIntoAMissingFolderOrNoFileFails)
{
    TempDir dir;
    EXPECT_FALSE(SetIniString("A", "b", "c", dir.file("no/such/folder/user.ini")));
    QString error;
    EXPECT_FALSE(SetIniString("A", "b", "c", QString(), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(IniFile, NamesAndValuesNeverAddLines)
{
    TempDir dir;
    const QString ini = dir.file("user.ini");
    writeBytes(ini, "[WordLsn]\r\nL2=resource\\zr.zrd\r\n");
    const QByteArray before = readBytes(ini);
    // Names that would start a line, a section or a key of their own are refused.
    const struct {
        const char *section;
        const char *key;
    } refused[] = {
        {"WordLsn\r\n[Other", "x"}, {"Word]Lsn", "x"}, {"", "x"}, {"WordLsn", "L2\r\nL3"},
        {"WordLsn", "L2=y"},        {"WordLsn", "[x]"}, {"WordLsn", ""}, {"Word\tLsn", "x"},
    };
    for (const auto &r : refused) {
        QString error;
        EXPECT_FALSE(SetIniString(r.section, r.key, "v", ini, &error)) << r.section << '/' << r.key;
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(readBytes(ini), before);
    }
    // A value keeps to its one line: control characters become blanks.
    for (const QString &value : {QStringLiteral("x\r\nL2=evil"), QStringLiteral("x\nL2=evil"),
                                QStringLiteral("x\rL2=evil"), QString(u"x\u0000L2=evil"_qs)}) {
        ASSERT_TRUE(SetIniString("WordLsn", "LT1", value, ini));
        EXPECT_EQ(get("WordLsn", "L2", ini), QString("resource\\zr.zrd"));
        EXPECT_TRUE(get("WordLsn", "LT1", ini).startsWith("x ")) << get("WordLsn", "LT1", ini).toStdString();
        EXPECT_EQ(readBytes(ini).count('\n'), 3);
    }
}

TEST(IniFile, AFileThatWasNotReadIsNeverReplaced)
{
    TempDir dir;
    // Larger than any settings file: it is not read, so it is not written either.
    const QString big = dir.file("big.ini");
    QByteArray bytes = "[General]\r\nFont=x\r\n";
    bytes.append(QByteArray(17 * 1024 * 1024, ';'));
    writeBytes(big, bytes);
    QString error;
    EXPECT_FALSE(SetIniString("General", "KanaLock", "1", big, &error));
    EXPECT_TRUE(error.contains("big.ini")) << error.toStdString();
    EXPECT_EQ(QFileInfo(big).size(), bytes.size());

    // A folder where the file should be cannot be read either.
    const QString folder = dir.file("user.ini");
    QDir().mkpath(folder);
    EXPECT_FALSE(SetIniString("General", "KanaLock", "1", folder, &error));
    EXPECT_TRUE(QFileInfo(folder).isDir());

    // A file without read permission (a superuser reads it anyway).
    const QString locked = dir.file("locked.ini");
    writeBytes(locked, "[General]\r\nFont=x\r\n");
    QFile::setPermissions(locked, QFile::WriteOwner);
    if (!QFile(locked).open(QIODevice::ReadOnly)) {
        EXPECT_FALSE(SetIniString("General", "KanaLock", "1", locked, &error));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner);
        EXPECT_EQ(readBytes(locked), QByteArray("[General]\r\nFont=x\r\n"));
    }
}

TEST(IniFile, SeveralWritesAreOneRewriteThatEndsAsTheWritesOneByOne)
{
    TempDir dir;
    const QList<IniEntry> writes = {
        {"General", "Font", "x"},   {"Training", "Level", "3"}, {"general", "FONT", "y"},
        {"General", "KanaLock", "0"}, {"WordLsn", "L1", "resource\\zr.zrd"}, {"Training", "Level", "3"},
    };
    const QByteArray start = "; kept\r\n[Training]\r\nLevel=1\r\n\r\n[Other]\r\nA=b\r\n";
    const QString one = dir.file("one.ini"), batch = dir.file("batch.ini");
    writeBytes(one, start);
    writeBytes(batch, start);
    for (const IniEntry &e : writes)
        ASSERT_TRUE(SetIniString(e.section, e.key, e.value, one));
    ASSERT_TRUE(SetIniStrings(writes, batch));
    EXPECT_EQ(readBytes(batch), readBytes(one));
    EXPECT_TRUE(SetIniStrings(writes, dir.file("new.ini")));
    EXPECT_EQ(get("General", "Font", dir.file("new.ini")), QString("y"));

    // Nothing to change: the file is not replaced at all.
    const auto inode = [](const QString &path) {
        struct stat st {};
        ::stat(QFile::encodeName(path).constData(), &st);
        return st.st_ino;
    };
    const auto before = inode(batch);
    EXPECT_TRUE(SetIniStrings(writes, batch));
    EXPECT_EQ(inode(batch), before);

    // One name that cannot be written stops them all.
    QString error;
    EXPECT_FALSE(SetIniStrings({{"General", "Font", "z"}, {"General", "a=b", "1"}}, batch, &error));
    EXPECT_TRUE(error.contains("a=b")) << error.toStdString();
    EXPECT_EQ(readBytes(batch), readBytes(one));
}
