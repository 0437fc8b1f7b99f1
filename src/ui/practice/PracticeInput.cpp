#include "ui/practice/PracticeInput.h"

#include "keyboard/KanaInput.h"
#include "platform/KanaMode.h"
#include "platform/OleDate.h"
#include "ui/keyboard/Shapes.h"
#include "userdata/UserSettings.h"
#include "userdata/ZRSub.h"

#include <QKeyEvent>

namespace zr {

QChar TypedCharacter(const QKeyEvent &event)
{
    if (event.key() == Qt::Key_Hiragana_Katakana || event.key() == Qt::Key_Kana_Lock) {
        ToggleKanaMode();
        return {};
    }
    const QString text = event.text();
    const QChar c = text.isEmpty() ? QChar() : text.front();
    if (!KanaModeOn() || (!c.isNull() && c.unicode() < 32))
        return c;
    const QChar kana = TranslateToKana(event.nativeScanCode(), c, event.modifiers() & Qt::ShiftModifier);
    return kana.isNull() ? c : kana;
}

PracticeAppearance ReadPracticeAppearance(const QString &ini)
{
    const QString general = QStringLiteral("General");
    auto setting = [&](const char *key) { return ReadUserSetting(general, QString::fromLatin1(key), ini); };
    auto colour = [&](const char *key) {
        bool ok = false;
        const qint64 value = setting(key).trimmed().toLongLong(&ok);
        if (!ok)
            return ColourFromSetting(DefaultSettingValue(general, QString::fromLatin1(key)).toLongLong());
        return ColourFromSetting(value);
    };
    PracticeAppearance a;
    a.font = QFont(setting("Font"));
    bool ok = false;
    const double size = setting("FontSize").trimmed().toDouble(&ok);
    a.font.setPointSizeF(ok && size >= 6 && size <= 72 ? size : 20);
    a.font.setItalic(setting("FontItalic").compare(u"True", Qt::CaseInsensitive) == 0);
    a.font.setBold(setting("FontBold").compare(u"True", Qt::CaseInsensitive) == 0);
    a.typedText = colour("FontColor1");
    a.inputText = colour("FontColor2");
    a.problemText = colour("FontColor3");
    a.guideText = colour("FontColor4");
    a.background = colour("BackColor");
    return a;
}

ProblemPracticeSettings ReadProblemPracticeSettings(PracticeKind kind, int slot, const QString &ini)
{
    const QString section = kind == PracticeKind::Word ? QStringLiteral("WordLsn") : QStringLiteral("SSentLsn");
    const QString general = QStringLiteral("General");
    ProblemPracticeSettings s;
    s.kind = kind;
    s.slot = slot;
    s.path = ReadUserSetting(section, SlotPathKey(slot), ini);
    s.title = ReadUserSetting(section, SlotTitleKey(slot), ini);
    s.look = ReadPracticeAppearance(ini);
    s.FontUpper = ReadUserSetting(general, QStringLiteral("FontUpper"), ini) == u"1";
    s.KanaLock = ReadUserSetting(general, QStringLiteral("KanaLock"), ini) == u"1";
    s.MoveMouse = ReadUserSetting(general, QStringLiteral("MoveMouse"), ini) == u"1";
    s.typeSound = ZRSub().typeSound();
    s.errorSound = ZRSub().errorSound();
    if (kind == PracticeKind::Word) {
        // A limit that cannot be read keeps its default.
        if (const auto time = parseTimeValue(ReadUserSetting(section, QStringLiteral("LessonTime"), ini)))
            s.LessonTime = *time;
        bool ok = false;
        const int steps = ReadUserSetting(section, QStringLiteral("LessonStep"), ini).trimmed().toInt(&ok);
        if (ok && steps > 0)
            s.LessonStep = steps;
    }
    return s;
}

PracticeDialog::PracticeDialog(QWidget *parent) : QDialog(parent)
{
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setFocusPolicy(Qt::StrongFocus);
}

bool PracticeDialog::event(QEvent *e)
{
    if (e->type() == QEvent::ShortcutOverride) {
        e->accept();
        return true;
    }
    if (e->type() == QEvent::KeyPress) {
        const QChar c = TypedCharacter(*static_cast<QKeyEvent *>(e));
        if (!c.isNull())
            typed(c);
        e->accept();
        return true;
    }
    return QDialog::event(e);
}

}  // namespace zr
