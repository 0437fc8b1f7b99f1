#include "keyboard/KanaInput.h"
#include "keyboard/KeyboardModel.h"

#include <gtest/gtest.h>

using namespace zr;

TEST(KeyboardModel, RowsHoldFortyEightKeys)
{
    EXPECT_EQ(LatinKeyRow.size(), 48);
    EXPECT_EQ(ShiftedKeyRow.size(), 48);
    EXPECT_EQ(KanaKeyRow.size(), 48);
    EXPECT_EQ(KeyRow(13), 1);
    EXPECT_EQ(KeyRow(14), 2);
    EXPECT_EQ(KeyColumn(26), 1);
    EXPECT_EQ(KeyColumn(48), 11);
    EXPECT_EQ(KeyRow(49), 0);
    EXPECT_EQ(KeyRow(0), 0);
}

TEST(KeyboardModel, KeyIndexOfFindsTheFirstOccurrence)
{
    EXPECT_EQ(KeyIndexOf(u'0', RomajiCourse).index, 10);
    EXPECT_FALSE(KeyIndexOf(u'0', RomajiCourse).shift);
    // The blank sits on the shifted 0 in the romaji course and nowhere in the kana one.
    EXPECT_EQ(KeyIndexOf(u' ', RomajiCourse).index, 10);
    EXPECT_TRUE(KeyIndexOf(u' ', RomajiCourse).shift);
    EXPECT_EQ(KeyIndexOf(u' ', KanaCourse).index, 0);
    EXPECT_EQ(KeyIndexOf(u'_', RomajiCourse).index, 48);
    EXPECT_FALSE(KeyIndexOf(u'_', RomajiCourse).shift);
    EXPECT_EQ(KeyIndexOf(u'F', RomajiCourse).index, 29);
    EXPECT_TRUE(KeyIndexOf(u'F', RomajiCourse).shift);
    EXPECT_EQ(KeyIndexOf(u'ﾊ', KanaCourse).index, 29);
    EXPECT_EQ(KeyIndexOf(u'ﾊ', RomajiCourse).index, 0);
    EXPECT_EQ(KeyIndexOf(u'f', KanaCourse).index, 0);
    // The small kana sit on their keys with Shift.
    EXPECT_EQ(KeyIndexOf(u'ｯ', KanaCourse).index, 38);
    EXPECT_TRUE(KeyIndexOf(u'ｯ', KanaCourse).shift);
    EXPECT_FALSE(KeyIndexOf(u'ﾂ', KanaCourse).shift);
}

TEST(KeyboardModel, IndexFingersSplitBetweenColumnsFiveAndSix)
{
    for (QChar c : QStringLiteral("6yhn"))
        EXPECT_EQ(FingerOf(KeyIndexOf(c, RomajiCourse).index), 5) << QString(c).toStdString();
    for (QChar c : QStringLiteral("5tgb"))
        EXPECT_EQ(FingerOf(KeyIndexOf(c, RomajiCourse).index), 4) << QString(c).toStdString();
    EXPECT_EQ(FingerOf(1), 1);
    EXPECT_EQ(FingerOf(13), 8);
    EXPECT_EQ(FingerOf(0), 0);
    EXPECT_EQ(FingerOf(49), 0);
    EXPECT_EQ(FingerName(4), QStringLiteral(u"左手の人差し指"));
    EXPECT_EQ(FingerShortLabel(5), QStringLiteral(u"人差し指"));
    EXPECT_EQ(FingerName(9), QString());
}

TEST(KeyboardModel, HomeKeysOfFollowFingers)
{
    EXPECT_EQ(HomeKeysOf(u"g", RomajiCourse), QString("f"));
    EXPECT_EQ(HomeKeysOf(u"rtyu", RomajiCourse), QString("ffjj"));
    EXPECT_EQ(HomeKeysOf(u"ﾝ", KanaCourse), QStringLiteral(u"ﾏ"));
    EXPECT_EQ(HomeKeysOf(u"fﾝ", KanaCourse), QString());   // stops at the first unknown
    EXPECT_EQ(HomeKeysOf(u"qあp", RomajiCourse), QString("a"));
    EXPECT_EQ(HomeKeys(RomajiCourse), QString("asdfjkl;"));
    EXPECT_EQ(HomeKeys(KanaCourse), QStringLiteral(u"ﾁﾄｼﾊﾏﾉﾘﾚ"));
}

TEST(KeyboardModel, GuideSentences)
{
    EXPECT_EQ(KeyGuideText(u'f', RomajiCourse).value_or(""), QStringLiteral(u"【 ｆ 】キーは左手の人差し指で打ちます。"));
    EXPECT_EQ(KeyGuideText(u'F', RomajiCourse).value_or(""),
              QStringLiteral(u"【 Ｆ 】キーは SHIFTキーを押しながら、左手の人差し指で打ちます。"));
    EXPECT_EQ(KeyGuideText(u'ﾝ', KanaCourse).value_or(""), QStringLiteral(u"【 ん 】キーは右手の人差し指で打ちます。"));
    EXPECT_FALSE(KeyGuideText(u'あ', RomajiCourse));
}

TEST(KeyboardModel, KeyDisplayForm)
{
    EXPECT_EQ(KeyDisplayForm(u"q", true), QStringLiteral(u"Ｑ"));
    EXPECT_EQ(KeyDisplayForm(u"q", false), QStringLiteral(u"ｑ"));
    EXPECT_EQ(KeyDisplayForm(u"f;", false), QStringLiteral(u"ｆ；"));
    EXPECT_EQ(KeyDisplayForm(u"ﾊ", false), QStringLiteral(u"は"));
    EXPECT_EQ(KeyDisplayForm(u"ｶﾞﾊﾟｳﾞ", false), QStringLiteral(u"がぱゔ"));
    EXPECT_EQ(KeyDisplayForm(u"ﾞﾟｰｯｬ､｡｢｣･", false), QStringLiteral(u"゛゜ーっゃ、。「」・"));
    EXPECT_EQ(KeyDisplayForm(u"ﾏﾞ", false), QStringLiteral(u"ま゛"));   // no voiced form: the mark stays
    EXPECT_EQ(KeyDisplayForm(u"\\ ", false), QStringLiteral(u"￥　"));
}

TEST(KeyboardModel, ColourCodes)
{
    EXPECT_EQ(KeyFillColour(NormalKey), (Rgb{255, 255, 255}));
    EXPECT_EQ(KeyFillColour(HomeKey), (Rgb{255, 255, 128}));
    EXPECT_EQ(KeyFillColour(NextKey), (Rgb{128, 255, 128}));
    EXPECT_EQ(KeyFillColour(PressedKey), (Rgb{255, 0, 0}));
    EXPECT_FALSE(KeyFillColour(BlueKey));
    EXPECT_FALSE(KeyFillColour(3));
    EXPECT_TRUE(KeyPictureColour(BlueKey));
}

TEST(KeyboardModel, GeometrySplitsTheHands)
{
    // Key 1: row 1, column 1.
    EXPECT_EQ(KeyRect(1, KeyCheckGeometry), QRectF(500 + 600 - 245, 60, 618, 618));
    // Key 32 (j): row 3, column 7, right of the split.
    EXPECT_EQ(KeyRect(32, KeyCheckGeometry), QRectF(500 + 600 * 7 + 500 + 400, 60 + 1200, 618, 618));
    EXPECT_EQ(KeyRect(26, ChapterIntroGeometry), QRectF(100 + 300 + 250 - 15, 30 + 600, 330, 330));
    EXPECT_EQ(KeyRect(48, DrillGeometry), QRectF(345 * 11 + 490 + 140, 145 + 345 * 3, 360, 360));
    EXPECT_TRUE(KeyRect(0, DrillGeometry).isNull());
}

TEST(KanaInput, PhysicalKeysGiveTheirKana)
{
    struct Case {
        quint32 keycode;
        QChar typed;
        bool shift;
        QChar kana;
    };
    // X11 key codes of a JIS keyboard; the typed character does not matter then.
    const Case cases[] = {
        {38, u'a', false, u'ﾁ'}, {24, u'q', false, u'ﾀ'},  {10, u'1', false, u'ﾇ'},
        {12, u'3', false, u'ｱ'}, {12, u'#', true, u'ｧ'},   {26, u'e', false, u'ｲ'},
        {26, u'E', true, u'ｨ'},  {52, u'z', false, u'ﾂ'},  {52, u'Z', true, u'ｯ'},
        {19, u'0', true, u'ｦ'},  {59, u',', true, u'､'},   {60, u'.', true, u'｡'},
        {61, u'/', true, u'･'},  {34, u'@', false, u'ﾞ'},  {35, u'[', false, u'ﾟ'},
        {35, u'{', true, u'｢'},  {51, u']', true, u'｣'},   {132, u'\\', false, u'ｰ'},
        {97, u'_', false, u'ﾛ'}, {38, u'A', true, u'ﾁ'},   {16, u'7', true, u'ｬ'},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TranslateToKana(c.keycode, c.typed, c.shift), c.kana) << c.keycode;
}

TEST(KanaInput, CharactersStandInWithoutAPhysicalKey)
{
    EXPECT_EQ(TranslateToKana(0, u'a', false), QChar(u'ﾁ'));
    EXPECT_EQ(TranslateToKana(0, u'#', false), QChar(u'ｧ'));   // the shifted 3
    EXPECT_EQ(TranslateToKana(0, u'Z', false), QChar(u'ｯ'));
    EXPECT_EQ(TranslateToKana(0, u'A', false), QChar(u'ﾁ'));
    EXPECT_EQ(TranslateToKana(0, u';', false), QChar(u'ﾚ'));
    EXPECT_EQ(TranslateToKana(0, u'ｶ', false), QChar(u'ｶ'));   // already kana
    EXPECT_TRUE(TranslateToKana(0, u' ', false).isNull());
    EXPECT_TRUE(TranslateToKana(0, u'あ', false).isNull());
    EXPECT_TRUE(TranslateToKana(36, QChar(u'\r'), false).isNull());   // Enter
    EXPECT_EQ(KeyIndexFromX11Keycode(36), 0);
}
