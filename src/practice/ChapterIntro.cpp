#include "practice/ChapterIntro.h"

#include "keyboard/KanaInput.h"
#include "keyboard/KeyboardModel.h"
#include "platform/Format.h"

namespace zr {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

}  // namespace

std::optional<QString> FingerSentence(QChar key, int course)
{
    const QString wide = ToWideHiragana(QStringView(&key, 1));
    if (course == KanaCourse) {
        const int k = int(KanaKeyRow.indexOf(key)) + 1;
        if (k > 0)
            return QStringLiteral(u"【 ") + wide + QStringLiteral(u" 】キーは") + FingerName(FingerOf(k))
                   + QStringLiteral(u"で打ちます。");
        for (int i = 1; i <= kKeyCount; ++i) {
            if (KanaOfKey(i, true) == key && KanaOfKey(i, false) != key)
                return QStringLiteral(u"【 ") + wide + QStringLiteral(u" 】キーは SHIFTキーを押しながら、")
                       + FingerName(FingerOf(i)) + QStringLiteral(u"で打ちます。");
        }
        return std::nullopt;
    }
    const int k = int(LatinKeyRow.indexOf(key)) + 1;
    if (k == 0)
        return std::nullopt;
    return QStringLiteral(u"【 ") + wide + QStringLiteral(u" 】キーは") + FingerName(FingerOf(k))
           + QStringLiteral(u"で打ちます。");
}

QString ChapterIntroText(int lesson, const QString &TargetKey, int course, bool fontUpper, const QString &undrilled)
{
    const QString n = PlainNumberText(lesson);
    QString text = QStringLiteral(u"　Chapter") + n + QStringLiteral(u"へようこそ。") + kCrLf + kCrLf;
    if (lesson == 1) {
        text += course == KanaCourse
                    ? QStringLiteral(u"　【 は 】のキーの上に左手の人差し指を、【 ま 】のキーの上に右手の人差し指を置き、他の指もその位置に対し一列に並ぶように置いてみてください。")
                    : QStringLiteral(u"　【 ｆ 】のキーの上に左手の人差し指を、【 ｊ 】のキーの上に右手の人差し指を置き、他の指もその位置に対し一列に並ぶように置いてみてください。");
        text += kCrLf;
        text += QStringLiteral(u"　この位置を「ホームポジション」と呼びます。ホームポジションを意識したタイプを心がけることで、キーボードを全く見ずにタイプができるようになります。");
        text += kCrLf + kCrLf;
    }
    text += QStringLiteral(u"　今回練習するキーは、");
    for (QChar c : TargetKey)
        text += QStringLiteral(u"【 ") + ToWideHiragana(QStringView(&c, 1)) + QStringLiteral(u" 】");
    text += QStringLiteral(u"キーです。") + kCrLf;

    for (QChar c : TargetKey) {
        const std::optional<QString> sentence = FingerSentence(c, course);
        if (!sentence)
            continue;
        text += u'　' + *sentence;
        const QString home = ToWideHiragana(HomeKeysOf(QStringView(&c, 1), course));
        if (!home.isEmpty() && home != ToWideHiragana(QStringView(&c, 1)))
            text += QStringLiteral(u"（入力後は【 ") + home + QStringLiteral(u" 】の位置に指を戻してください。）") + kCrLf + kCrLf;
        else
            text += kCrLf;
    }
    if (!undrilled.isEmpty()) {
        text += kCrLf + u'　';
        for (QChar c : undrilled)
            text += QStringLiteral(u"【 ") + ToWideHiragana(QStringView(&c, 1)) + QStringLiteral(u" 】");
        text += course == KanaCourse
                    ? QStringLiteral(u"キーを使う単語は、この Chapter の単語練習には出てきません。キー位置の確認で位置をしっかり覚えましょう。")
                    : QStringLiteral(u"キーは、今のローマ字のつづりで打つ単語がないため、この Chapter の単語練習には出てきません。キー位置の確認で位置をしっかり覚えましょう。");
        text += kCrLf;
    }
    return fontUpper ? text.toUpper() : text;
}

}  // namespace zr
