#include "ui/practice/PracticeInput.h"

#include "keyboard/KanaInput.h"
#include "platform/KanaMode.h"
#include "platform/IniFile.h"
#include "platform/Twips.h"
#include "ui/common/Application.h"
#include "ui/keyboard/Shapes.h"
#include "userdata/UserSettings.h"
#include "userdata/ZRSub.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <cmath>

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

QList<Setting> AppearanceSettings()
{
    return {Setting::Font,       Setting::FontSize,   Setting::FontItalic, Setting::FontBold, Setting::FontColor1,
            Setting::FontColor2, Setting::FontColor3, Setting::FontColor4, Setting::BackColor};
}

QSize RoomOnScreen(const QWidget *window)
{
    // Frames are not known before a window is first shown; these cover the usual title
    // bars and borders.
    constexpr int kFrameWidth = 16;
    constexpr int kFrameHeight = 40;
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QSize area = screen ? screen->availableGeometry().size() : QSize(1280, 800);
    return {std::max(1, area.width() - kFrameWidth), std::max(1, area.height() - kFrameHeight)};
}

QFont FontThatFits(const QFont &font, QSize room, const std::function<QSize(const QFont &)> &windowSize)
{
    const double smallest = Declaration(Setting::FontSize).minimum;
    QFont fitted = font;
    QSize size = windowSize(fitted);
    while ((size.width() > room.width() || size.height() > room.height()) && fitted.pointSizeF() > smallest) {
        const double scale = std::min(double(room.width()) / size.width(), double(room.height()) / size.height());
        const double points = fitted.pointSizeF();
        QFont smaller = fitted;
        smaller.setPointSizeF(std::max(smallest, std::min(points - 1, std::floor(points * scale))));
        const QSize smallerSize = windowSize(smaller);
        if (smallerSize.width() >= size.width() && smallerSize.height() >= size.height())
            break;
        fitted = smaller;
        size = smallerSize;
    }
    return fitted;
}

void SetLabelColour(QWidget *w, const QColor &colour)
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
    SetLabelColour(error, QColor(210, 0, 0));
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
    auto *ok = new QPushButton(QCoreApplication::translate("PracticeInput", "次へ"), dialog);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    ok->setMinimumWidth(96);
    return ok;
}

ProblemPracticeSettings ReadProblemPracticeSettings(PracticeKind kind, int slot, const QString &ini,
                                                    DefaultsWrite when)
{
    const QString section = kind == PracticeKind::Word ? QStringLiteral("WordLsn") : QStringLiteral("SSentLsn");
    QList<Setting> used = AppearanceSettings() + QList<Setting>{Setting::KanaLock, Setting::MoveMouse};
    if (kind == PracticeKind::Word)
        used += {Setting::WordLessonTime, Setting::WordLessonStep};
    if (when == DefaultsWrite::Now)
        WriteMissingDefaults(used, ini);
    else
        WriteMissingDefaultsSoon(used, ini);
    const UserSettings user = ini == CurUserIni() ? CurrentUserSettings() : LoadUserSettings(ini);
    ProblemPracticeSettings s;
    s.kind = kind;
    s.slot = slot;
    // The slot keys have no default; an empty one is a free slot.
    GetIniString(section, SlotPathKey(slot), QString(), s.path, 255, ini);
    GetIniString(section, SlotTitleKey(slot), QString(), s.title, 255, ini);
    s.look = PracticeAppearanceOf(user);
    s.FontUpper = user.FontUpper;
    s.KanaLock = user.KanaLock;
    s.MoveMouse = user.MoveMouse;
    s.AnySpelling = user.AnySpelling;
    s.ShowReading = user.ShowReading;
    s.ShowKeys = user.ShowKeys;
    s.typeSound = {user.TypeSound, user.TypeSoundType, user.TypeSoundFile};
    s.errorSound = {user.ErrorSound, user.ErrorSoundType, user.ErrorSoundFile};
    if (kind == PracticeKind::Word)
        s.limit = user.word;
    return s;
}

PracticeDialog::PracticeDialog(QWidget *parent) : QDialog(parent)
{
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setFocusPolicy(Qt::StrongFocus);
}

bool PracticeDialog::event(QEvent *e)
{
    if (e->type() == QEvent::Paint && !painted_) {
        // Once the whole window is painted and on the screen.
        painted_ = true;
        QTimer::singleShot(0, this, [] { WritePendingDefaults(); });
    }
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
