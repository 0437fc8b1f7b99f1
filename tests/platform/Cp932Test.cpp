#include "platform/Cp932.h"

#include <gtest/gtest.h>

using namespace zr;

namespace {

QByteArray hex(const char *h)
{
    return QByteArray::fromHex(h);
}

}  // namespace

TEST(Cp932, EncodesTheMicrosoftVariant)
{
    // The wave dash of the Microsoft code page is the full-width tilde.
    EXPECT_EQ(toAnsi(u"～"), hex("8160"));
    EXPECT_EQ(toAnsi(u"ｶﾞ"), hex("b6de"));
    EXPECT_EQ(toAnsi(u"し"), hex("82b5"));
    EXPECT_EQ(toAnsi(u"a\\~"), QByteArray("a\\~"));
    EXPECT_EQ(toAnsi(u"①"), hex("8740"));   // NEC extension
}

TEST(Cp932, CharactersTheCodePageLacksBecomeQuestionMarks)
{
    EXPECT_EQ(toAnsi(u"aéb"), QByteArray("a?b"));
    EXPECT_EQ(toAnsi(u"ゔ"), QByteArray("?"));
    // One mark for a whole surrogate pair, not two.
    EXPECT_EQ(toAnsi(QString::fromUtf8("x\xF0\x9F\x98\x80y")), QByteArray("x?y"));
}

TEST(Cp932, DecodingNeverFails)
{
    EXPECT_EQ(fromAnsi(hex("82b5b6de8160")), QStringLiteral(u"しｶﾞ～"));
    // A broken double-byte character and a lone lead byte at the end.
    const QString s = fromAnsi(hex("41ff8242"));
    EXPECT_TRUE(s.startsWith(u'A'));
    EXPECT_TRUE(s.contains(QChar(QChar::ReplacementCharacter)));
    EXPECT_FALSE(fromAnsi(hex("4182")).isEmpty());
    EXPECT_TRUE(fromAnsi(QByteArray()).isEmpty());
}

TEST(Cp932, UnitsWithoutACharacterEncodeTheSameWhereverTheyStand)
{
    // A lone surrogate is one mark, a high one takes the unit after it along, and the
    // language tags (U+E0000..U+E007F) are dropped, as iconv has them.
    const struct {
        std::u16string text;
        QByteArray bytes;
    } rows[] = {
        {u"\xD800", "?"},           {u"\xDC00" u"a", "?a"}, {u"\xD800" u"a", "?"},
        {u"\xD800\xD800" u"a", "?a"}, {u"\xDB40\xDC41" u"a", "a"}, {u"\xD83D\xDE00" u"\x3057", "?\x82\xb5"},
    };
    for (const auto &row : rows) {
        for (int at : {0, 198, 398}) {
            const QString text = QString(at, u'x') + QString::fromStdU16String(row.text);
            EXPECT_EQ(toAnsi(text), QByteArray(at, 'x') + row.bytes) << at;
            EXPECT_EQ(AnsiByteLength(text), at + row.bytes.size()) << at;
        }
    }
}

TEST(Cp932, LongTextSurvivesChunking)
{
    QString text;
    for (int i = 0; i < 1000; ++i)
        text += QStringLiteral(u"漢字かなｶﾅabc");
    EXPECT_EQ(fromAnsi(toAnsi(text)), text);
    EXPECT_EQ(AnsiByteLength(text), 1000 * (4 * 2 + 2 + 3));
}

TEST(Cp932, AnsiByteLengthCountsBytes)
{
    EXPECT_EQ(AnsiByteLength(u""), 0);
    EXPECT_EQ(AnsiByteLength(u"abc"), 3);
    EXPECT_EQ(AnsiByteLength(u"ｶﾞ"), 2);
    EXPECT_EQ(AnsiByteLength(u"しゃしん"), 8);
    EXPECT_EQ(AnsiByteLength(u"山田太郎ab"), 10);
    EXPECT_EQ(AnsiByteLength(u"　"), 2);
}

TEST(Cp932, KeyCodesOfAsciiAndHalfWidthKatakana)
{
    EXPECT_EQ(ansiKeyCode(u'a'), 97);
    EXPECT_EQ(ansiKeyCode(u' '), 32);
    EXPECT_EQ(ansiKeyCode(u'｡'), 0xA1);
    EXPECT_EQ(ansiKeyCode(u'ﾟ'), 0xDF);
    EXPECT_EQ(ansiKeyCode(u'あ'), -1);
    EXPECT_EQ(charFromAnsiKeyCode(0xB1), QChar(u'ｱ'));
    EXPECT_EQ(charFromAnsiKeyCode(0x41), QChar(u'A'));
    EXPECT_TRUE(charFromAnsiKeyCode(0x90).isNull());
}
