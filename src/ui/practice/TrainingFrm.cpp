#include "ui/practice/TrainingFrm.h"

#include "keyboard/KeyboardModel.h"
#include "platform/Clock.h"
#include "platform/Format.h"
#include "platform/KanaMode.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "userdata/LearnerSpellings.h"
#include "userdata/ProblemFile.h"
#include "ui/common/Application.h"
#include "ui/common/WindowPlacement.h"
#include "ui/keyboard/KeyboardPicture.h"
#include "ui/keyboard/Shapes.h"
#include "ui/results/TrScoreFrm.h"
#include "userdata/UserSettings.h"
#include "userdata/ZRSub.h"

#include <QLabel>
#include <QStatusBar>

#include <cmath>

namespace zr {
namespace {

const QString kSection = QStringLiteral("Training");
const QString &kDictionary = DrillDictionaryFile;
constexpr int kMargin = 16;

}  // namespace

TrainingFrm::TrainingFrm(QWidget *parent) : PracticeDialog(parent)
{
    setObjectName(QStringLiteral("TrainingFrm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setAutoFillBackground(true);

    prompt_ = new QLabel(this);
    prompt_->setObjectName(QStringLiteral("Label2"));
    prompt_->setFont(QFont(QString::fromUtf16(kProportionalGothic), 11));

    typedLine_ = new QLabel(this);
    typedLine_->setObjectName(QStringLiteral("LWord"));
    wrongKey_ = new QLabel(this);
    wrongKey_->setObjectName(QStringLiteral("LMiss"));
    wrongKey_->hide();

    cursor_ = new ShapeWidget(ShapeWidget::Rectangle, this);
    cursor_->setObjectName(QStringLiteral("Cursor"));

    guide_ = new QLabel(this);
    guide_->setObjectName(QStringLiteral("LGuide"));
    error_ = CreateErrorLabel(this);

    KeyboardLayout layout;
    layout.geometry = DrillGeometry;
    layout.drawing = KeyCap::Shape;
    layout.keyName = QStringLiteral("Key");
    layout.spaceBar = QRectF(1350, 1530, 2100, 360);
    layout.spaceBarName = QStringLiteral("SpKey");
    course_ = ZRSub().CurUser.Course;
    keyboard_ = new KeyboardPicture(layout, course_, ZRSub().FontUpper == 1, this);

    time_ = CreateClockBar(this, QStringLiteral("StatusLabel"), &statusBar_);

    display_.setParent(this);
    display_.setObjectName(QStringLiteral("Timer1"));
    display_.setInterval(500);
    connect(&display_, &QTimer::timeout, this, &TrainingFrm::tick);
}

TrainingFrm::~TrainingFrm() = default;

bool TrainingFrm::prepare()
{
    if (prepared_)
        return ready_;
    prepared_ = true;
    setWindowTitle(tr("問題文を作成中です..."));

    const QString ini = CurUserIni();
    WriteMissingDefaultsSoon(AppearanceSettings()
                                 + QList<Setting>{Setting::KanaLock, Setting::TrainingLessonTime,
                                                  Setting::TrainingLessonStep, Setting::RmjGuide, Setting::Addition},
                             ini);
    settings_ = CurrentUserSettings();
    look_ = PracticeAppearanceOf(settings_);
    kanaLock_ = settings_.KanaLock ? QStringLiteral("ON") : QString();
    DrillSettings settings;
    settings.UseKey = UseKey;
    settings.TargetKey = TargetKey;
    settings.lesson = lesson;
    settings.mode = mode;
    settings.MType = MType;
    settings.course = course_;
    UseDrillSettings(settings, settings_);

    KeystrokeProtocol::Options options;
    options.typeSound = ZRSub().typeSound();
    options.errorSound = ZRSub().errorSound();
    options.spellings = LearnerSpellings(settings_.AnySpelling, course_, ZRSub().CurUser.RomajiTable);
    drill_ = std::make_unique<TrainingDrill>(ZRSub().keyStats, settings, options);
    KeystrokeProtocol &protocol = drill_->protocol();
    connect(&protocol, &KeystrokeProtocol::keyMarked, this, [this](QChar key, int code, bool finger, bool restore) {
        keyboard_->MarkKeys(QStringView(&key, 1), code, finger, restore);
    });
    connect(&protocol, &KeystrokeProtocol::keyAccepted, this, &TrainingFrm::keyAccepted);
    // The units after a unit typed in another spelling move along the line.
    connect(&protocol, &KeystrokeProtocol::spellingSwitched, this, [this](int first) { layoutLine(first); });
    connect(&protocol, &KeystrokeProtocol::missShown, this, &TrainingFrm::showMiss);
    connect(&protocol, &KeystrokeProtocol::errorCleared, this, &TrainingFrm::clearError);
    connect(&protocol, &KeystrokeProtocol::timingStarted, this, [this] {
        display_.start();
        tick();
    });
    connect(drill_.get(), &TrainingDrill::promptChanged, this, [this] { prompt_->setText(drill_->prompt()); });
    connect(drill_.get(), &TrainingDrill::screenBuilt, this, &TrainingFrm::layoutScreen);
    connect(drill_.get(), &TrainingDrill::modeChanged, this, [this] { guide_->hide(); });
    connect(drill_.get(), &TrainingDrill::drillFinished, this, [this] {
        display_.stop();
        QTimer::singleShot(0, this, &TrainingFrm::handOver);
    });

    layoutWindow();
    keyboard_->hide();
    keyboard_->DrawKeyboard();
    keyboard_->MarkKeys(HomeKeys(course_), HomeKey, false, false);
    keyboard_->show();

    ProblemFileStatus status;
    const WordDictionary dictionary = ReadWordDictionary(AppPath(kDictionary), &status);
    if (!status.exists) {
        ShowMessage({tr("問題ファイル「%1」が見つからないため、練習を始められません。").arg(kDictionary),
                     tr("基本練習"), MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
        return false;
    }
    drill_->setWords(BuildDrillWordList(dictionary.words(), UseKey, TargetKey, course_, ZRSub().CurUser.RomajiTable));
    if (!drill_->start()) {
        ShowMessage({tr("この Chapter のキーだけで入力できる単語が問題ファイル「%1」にないため、練習を始められません。")
                         .arg(kDictionary),
                     tr("基本練習"), MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
        return false;
    }
    if (course_ == KanaCourse)
        SetKanaMode(true);
    prompt_->setText(drill_->prompt());
    time_->setText(ElapsedTimeText(0));
    layoutScreen();
    ready_ = true;
    return true;
}

void TrainingFrm::layoutWindow()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, look_.background);
    setPalette(pal);
    SetLabelColour(prompt_, look_.background.lightness() < 110 ? Qt::white : Qt::black);

    const QSize keys = keyboard_->designSize();
    const QSize room = RoomOnScreen(this);
    const int statusHeight = statusBar_->sizeHint().height();
    auto guideFontOf = [](const QFont &font) {
        QFont guide = font;
        guide.setPointSizeF(std::max(9.0, font.pointSizeF() * 0.7));
        guide.setBold(true);
        return guide;
    };
    auto windowSize = [&](const QFont &font) {
        const QFontMetrics fm(font);
        // The problem line holds up to 60 bytes: 30 full-width characters.
        const int lineWidth = fm.horizontalAdvance(QString(31, QChar(u'あ')));
        const int width = std::max({std::min(int(twipsToPixels(13200)), room.width()), lineWidth + 2 * kMargin,
                                    keys.width() + 2 * kMargin});
        const int guideHeight = QFontMetrics(guideFontOf(font)).height();
        return QSize(width, 46 + 2 * fm.height() + 16 + guideHeight + 2 + 30 + keys.height() + 16 + statusHeight);
    };
    // A large font is shown smaller where the window would not fit the screen; the line
    // keeps its width in bytes.
    look_.font = FontThatFits(look_.font, room, windowSize);
    const QFontMetrics fm(look_.font);
    const int lineHeight = fm.height();
    const int width = windowSize(look_.font).width();

    const QFont guideFont = guideFontOf(look_.font);
    guide_->setFont(guideFont);
    SetLabelColour(guide_, look_.guideText);
    const int guideHeight = QFontMetrics(guideFont).height();

    prompt_->setGeometry(kMargin, 10, width - 2 * kMargin, 24);
    lineTop_ = 46;
    typedTop_ = lineTop_ + lineHeight + 8;
    cursorTop_ = typedTop_ + lineHeight + 1;
    guideTop_ = cursorTop_ + 7;
    errorTop_ = guideTop_ + guideHeight + 2;
    const int keyboardTop = errorTop_ + 30;

    typedLine_->setFont(look_.font);
    SetLabelColour(typedLine_, look_.inputText);
    wrongKey_->setFont(look_.font);
    SetLabelColour(wrongKey_, QColor(220, 0, 0));
    cursor_->setFillColour(look_.inputText);
    cursor_->resize(int(std::lround(twipsToPixels(course_ == KanaCourse ? 340 : 170))), 3);

    keyboard_->setGeometry((width - keys.width()) / 2, keyboardTop, keys.width(), keys.height());
    const int height = keyboardTop + keys.height() + 16 + statusHeight;
    statusBar_->setGeometry(0, height - statusHeight, width, statusHeight);
    setFixedSize(width, height);
}

void TrainingFrm::layoutScreen()
{
    wordStart_ = 0;
    colouredUpTo_ = 0;
    typedKeys_.clear();
    layoutLine();
    setWindowTitle(drill_->title());
    clearError();
    guide_->setVisible(drill_->guideShown());
    placeCursor();
}

void TrainingFrm::layoutLine(int from)
{
    const QList<PositionRecord> &positions = drill_->protocol().positions();
    const int modeNow = drill_->mode();
    const QFontMetrics fm(look_.font);
    while (labels_.size() < positions.size()) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("Label1_%1").arg(labels_.size()));
        label->setFont(look_.font);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        labels_.append(label);
    }
    // Labels before from keep their places.
    from = std::clamp(from, 0, int(std::min(positions.size(), labelX_.size())));
    int x = from > 0 ? labelX_[from] : kMargin;
    labelX_.resize(positions.size() + 1);
    for (int i = from; i < labels_.size(); ++i) {
        QLabel *label = labels_[i];
        if (i >= positions.size()) {
            if (i < usedLabels_)
                label->hide();
            continue;
        }
        labelX_[i] = x;
        const QString text = ProblemLabelText(positions[i], modeNow);
        if (text.isEmpty()) {
            label->hide();
            continue;
        }
        const int w = fm.horizontalAdvance(text);
        label->setText(text);
        SetLabelColour(label, i < colouredUpTo_ && positions[i].offset == 0 ? look_.typedText : look_.problemText);
        label->setGeometry(x, lineTop_, w, fm.height());
        label->show();
        x += w;
    }
    labelX_[positions.size()] = x;
    usedLabels_ = int(positions.size());
}

QString TrainingFrm::keyDisplay(QChar c) const
{
    if (course_ == KanaCourse)
        return ToWideHiragana(QStringView(&c, 1));
    return ZRSub().FontUpper == 1 ? QString(c.toUpper()) : QString(c);
}

QString TrainingFrm::typedLineText() const
{
    if (course_ == KanaCourse)
        return ToWideHiragana(typedKeys_);
    return ZRSub().FontUpper == 1 ? typedKeys_.toUpper() : typedKeys_;
}

void TrainingFrm::keyAccepted(int position)
{
    const PositionRecord &p = drill_->protocol().positions().at(position);
    if (p.key == u' ') {
        typedKeys_.clear();
        wordStart_ = position + 1;
    } else {
        typedKeys_ += p.key;
    }
    colourTypedUnits();
    placeCursor();
}

void TrainingFrm::colourTypedUnits()
{
    const QList<PositionRecord> &positions = drill_->protocol().positions();
    const int cursor = drill_->protocol().cursor();
    while (colouredUpTo_ < cursor && colouredUpTo_ < positions.size()) {
        const PositionRecord &p = positions[colouredUpTo_];
        const int length = std::max<int>(1, int(p.unitKeys.size()) - p.offset);
        if (colouredUpTo_ + length > cursor)
            break;
        if (p.offset == 0)
            SetLabelColour(labels_[colouredUpTo_], look_.typedText);
        colouredUpTo_ += length;
    }
}

void TrainingFrm::placeCursor()
{
    const QFontMetrics fm(look_.font);
    const int x0 = wordStart_ < labelX_.size() ? labelX_[wordStart_] : kMargin;
    const QString text = typedLineText();
    typedLine_->setText(text);
    typedLine_->setGeometry(x0, typedTop_, fm.horizontalAdvance(text) + 2, fm.height());
    const int x = x0 + fm.horizontalAdvance(text);
    cursor_->move(x, cursorTop_);
    cursor_->show();

    if (drill_ && drill_->guideShown()) {
        const KeystrokeProtocol &protocol = drill_->protocol();
        QString guide;
        if (!protocol.screenComplete()) {
            const PositionRecord &p = protocol.positions().at(protocol.cursor());
            if (p.key == u' ') {
                guide = tr("スペース");
            } else {
                for (QChar c : drill_->guideKeys())
                    guide += KeyDisplayForm(QStringView(&c, 1), ZRSub().FontUpper == 1);
            }
        }
        guide_->setText(guide);
        guide_->adjustSize();
        guide_->move(std::min(x, width() - guide_->width() - 4), guideTop_);
    }
}

void TrainingFrm::showMiss(QChar expected, QChar typed)
{
    const QFontMetrics fm(look_.font);
    error_->setText(tr("エラー '%1'キー").arg(KeyDisplayForm(QStringView(&expected, 1), ZRSub().FontUpper == 1)));
    error_->adjustSize();
    const int x = cursor_->x();
    error_->move(std::clamp(x, kMargin, std::max(kMargin, width() - error_->width() - kMargin)), errorTop_);
    error_->show();
    const QString wrong = keyDisplay(typed);
    wrongKey_->setText(wrong);
    wrongKey_->setGeometry(x, typedTop_, fm.horizontalAdvance(wrong) + 2, fm.height());
    wrongKey_->show();
}

void TrainingFrm::clearError()
{
    error_->hide();
    wrongKey_->hide();
}

void TrainingFrm::tick()
{
    if (!drill_ || !drill_->protocol().running())
        return;
    cursor_->setVisible(!cursor_->isVisible());
    time_->setText(ElapsedTimeText(drill_->TTime(Clock::current().now())));
}

void TrainingFrm::showEvent(QShowEvent *event)
{
    if (!prepared_) {
        RestoreWindowPosition(this, kSection);
        if (!prepare())
            QTimer::singleShot(0, this, &QDialog::reject);
        RestoreWindowPosition(this, kSection);
    }
    PracticeDialog::showEvent(event);
    syncKana();
}

void TrainingFrm::syncKana()
{
    const QChar next = drill_ ? drill_->protocol().expectedKey() : QChar();
    SyncKanaLock(course_, kanaLock_, next.isNull() ? QStringView() : QStringView(&next, 1));
}

void TrainingFrm::typed(QChar c)
{
    if (!ready_ || drill_->finished()) {
        PlayTypeSound();
        return;
    }
    drill_->keyPress(c);
    // The cursor shows while keys come; the timer blinks it between them.
    if (!drill_->finished())
        cursor_->show();
    syncKana();
}

void TrainingFrm::handOver()
{
    const double elapsed = drill_->TTime(Clock::current().now());
    hide();
    TrScoreFrm score(parentWidget());
    score.CCh = drill_->CCh();
    score.TTime = elapsed;
    score.UseKey = UseKey;
    score.TargetKey = TargetKey;
    score.lesson = lesson;
    score.exec();
    accept();
}

void TrainingFrm::done(int result)
{
    if (!positionSaved_ && prepared_) {
        SaveWindowPosition(this, kSection);
        positionSaved_ = true;
    }
    display_.stop();
    PracticeDialog::done(result);
}

}  // namespace zr
