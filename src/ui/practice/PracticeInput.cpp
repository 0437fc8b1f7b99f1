#include "ui/practice/PracticeInput.h"

#include "keyboard/KanaInput.h"
#include "platform/KanaMode.h"
#include "ui/keyboard/Shapes.h"
#include "userdata/UserSettings.h"

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
        matchKanaMode();
        const QChar c = TypedCharacter(*static_cast<QKeyEvent *>(e));
        if (!c.isNull())
            typed(c);
        e->accept();
        return true;
    }
    return QDialog::event(e);
}

}  // namespace zr
