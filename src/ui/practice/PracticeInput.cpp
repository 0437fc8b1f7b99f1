#include "ui/practice/PracticeInput.h"

#include "keyboard/KanaInput.h"
#include "platform/KanaMode.h"
#include "practice/TrainingDrill.h"
#include "platform/Twips.h"
#include "ui/common/Application.h"
#include "ui/keyboard/Shapes.h"
#include "userdata/UserSettings.h"
#include "userdata/ZRSub.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

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

void setTextColour(QWidget *w, const QColor &colour)
{
    QPalette pal = w->palette();
    if (pal.color(QPalette::WindowText) == colour)
        return;
    pal.setColor(QPalette::WindowText, colour);
    w->setPalette(pal);
}

QLabel *CreateErrorLabel(QWidget *window)
{
    auto *error = new QLabel(window);
    error->setObjectName(QStringLiteral("LError"));
    QFont errorFont(QString::fromUtf16(kProportionalGothic), 11);
    errorFont.setBold(true);
    error->setFont(errorFont);
    setTextColour(error, QColor(210, 0, 0));
    error->hide();
    return error;
}

QLabel *CreateClockBar(QWidget *window, const QString &labelName, QStatusBar **bar)
{
    auto *statusBar = new QStatusBar(window);
    statusBar->setObjectName(QStringLiteral("StatusBar1"));
    statusBar->setSizeGripEnabled(false);
    auto *clock = new QLabel(statusBar);
    clock->setObjectName(labelName);
    statusBar->addWidget(clock, 1);
    *bar = statusBar;
    return clock;
}

QPlainTextEdit *CreateDialogText(QWidget *dialog, int minWidthTwips, int minHeightTwips)
{
    auto *text = new QPlainTextEdit(dialog);
    text->setObjectName(QStringLiteral("Text1"));
    text->setReadOnly(true);
    text->setFont(QFont(QString::fromUtf16(kFixedGothic), 10));
    text->setFocusPolicy(Qt::NoFocus);
    text->setMinimumSize(int(twipsToPixels(minWidthTwips)), int(twipsToPixels(minHeightTwips)));
    return text;
}

QPushButton *CreateNextButton(QWidget *dialog)
{
    auto *ok = new QPushButton(QStringLiteral(u"次へ"), dialog);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    ok->setMinimumWidth(96);
    return ok;
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
    if (kind == PracticeKind::Word)
        ReadLessonLimits(section, ini, s.LessonTime, s.LessonStep);
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
