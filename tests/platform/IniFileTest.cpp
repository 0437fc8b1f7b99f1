#include "platform/IniFile.h"

#include "TestSupport.h"
#include "platform/Cp932.h"

#include <QFile>

#include <gtest/gtest.h>

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

TEST(IniFile, WritingIntoAMissingFolderFails)
{
    TempDir dir;
    EXPECT_FALSE(SetIniString("A", "b", "c", dir.file("no/such/folder/user.ini")));
}
