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

PracticeAppearance PracticeAppearanceOf(const UserSettings &settings)
{
    PracticeAppearance a;
    a.font = QFont(settings.Font);
    a.font.setPointSizeF(settings.FontSize);
    a.font.setItalic(settings.FontItalic);
    a.font.setBold(settings.FontBold);
    a.typedText = ColourFromSetting(settings.FontColor1);
    a.inputText = ColourFromSetting(settings.FontColor2);
    a.problemText = ColourFromSetting(settings.FontColor3);
    a.guideText = ColourFromSetting(settings.FontColor4);
    a.background = ColourFromSetting(settings.BackColor);
    return a;
}

void WriteMissingAppearanceDefaults(const QString &iniFile)
{
    WriteMissingDefaults({Setting::Font, Setting::FontSize, Setting::FontItalic, Setting::FontBold,
                          Setting::FontColor1, Setting::FontColor2, Setting::FontColor3, Setting::FontColor4,
                          Setting::BackColor},
                         iniFile);
}

PracticeAppearance ReadPracticeAppearance(const QString &iniFile)
{
    WriteMissingAppearanceDefaults(iniFile);
    return PracticeAppearanceOf(LoadUserSettings(iniFile));
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
