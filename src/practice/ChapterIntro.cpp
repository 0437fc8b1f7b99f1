#include "practice/ChapterIntro.h"

#include "keyboard/KanaInput.h"
#include "keyboard/KeyboardModel.h"
#include "platform/Format.h"

#include <QCoreApplication>

namespace zr {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

}  // namespace

std::optional<QString> FingerSentence(QChar key, int course, bool fontUpper)
{
    const QString wide = KeyDisplayForm(QStringView(&key, 1), fontUpper);
    if (course == KanaCourse) {
        const int k = int(KanaKeyRow.indexOf(key)) + 1;
        if (k > 0)
            return KeyStrokeText(wide, FingerOf(k), false);
        for (int i = 1; i <= kKeyCount; ++i) {
            if (KanaOfKey(i, true) == key && KanaOfKey(i, false) != key)
                return KeyStrokeText(wide, FingerOf(i), true);
        }
        return std::nullopt;
    }
    const int k = int(LatinKeyRow.indexOf(key)) + 1;
    if (k == 0)
        return std::nullopt;
    return KeyStrokeText(wide, FingerOf(k), false);
}

QString ChapterIntroText(int lesson, const QString &TargetKey, int course, bool fontUpper, const QString &undrilled)
{
    auto shown = [&](QStringView keys) { return KeyDisplayForm(keys, fontUpper); };
    auto bracketed = [&](const QString &keys) {
        QString list;
        for (QChar c : keys)
            list += QStringLiteral(u"【 ") + shown(QStringView(&c, 1)) + QStringLiteral(u" 】");
        return list;
    };
    const char *const welcome = QT_TRANSLATE_NOOP("ChapterIntro", "　Chapter%1へようこそ。");
    QString text = QCoreApplication::translate("ChapterIntro", welcome).arg(PlainNumberText(lesson)) + kCrLf + kCrLf;
    if (lesson == 1) {
        //: %1 and %2 are the home keys of the left and the right index finger.
        text += QCoreApplication::translate("ChapterIntro", "　【 %1 】のキーの上に左手の人差し指を、【 %2 】のキーの上に右手の人差し指を置き、他の指もその位置に対し一列に並ぶように置いてみてください。")
                    .arg(course == KanaCourse ? QStringLiteral(u"は") : shown(u"f"),
                         course == KanaCourse ? QStringLiteral(u"ま") : shown(u"j"));
        text += kCrLf;
        text += QCoreApplication::translate("ChapterIntro", "　この位置を「ホームポジション」と呼びます。ホームポジションを意識したタイプを心がけることで、キーボードを全く見ずにタイプができるようになります。");
        text += kCrLf + kCrLf;
    }
    text += QCoreApplication::translate("ChapterIntro", "　今回練習するキーは、%1キーです。").arg(bracketed(TargetKey)) + kCrLf;

    for (QChar c : TargetKey) {
        const std::optional<QString> sentence = FingerSentence(c, course, fontUpper);
        if (!sentence)
            continue;
        text += u'　' + *sentence;
        const QString home = HomeKeysOf(QStringView(&c, 1), course);
        if (!home.isEmpty() && ToWideHiragana(home) != ToWideHiragana(QStringView(&c, 1)))
            text += QCoreApplication::translate("ChapterIntro", "（入力後は【 %1 】の位置に指を戻してください。）").arg(shown(home)) + kCrLf + kCrLf;
        else
            text += kCrLf;
    }
    if (!undrilled.isEmpty()) {
        text += kCrLf + u'　';
        text += (course == KanaCourse
                     ? QCoreApplication::translate("ChapterIntro", "%1キーを使う単語は、この Chapter の単語練習には出てきません。キー位置の確認で位置をしっかり覚えましょう。")
                     : QCoreApplication::translate("ChapterIntro", "%1キーは、今のローマ字のつづりで打つ単語がないため、この Chapter の単語練習には出てきません。キー位置の確認で位置をしっかり覚えましょう。"))
                    .arg(bracketed(undrilled));
        text += kCrLf;
    }
    // Japanese has no letter case: its text is put in upper case whole, which changes
    // only the keys and the word Chapter. A translation keeps its own letters as they
    // are; its keys are already shown in upper case.
    const bool translated = QCoreApplication::translate("ChapterIntro", welcome) != QString::fromUtf8(welcome);
    return fontUpper && !translated ? text.toUpper() : text;
}

}  // namespace zr
