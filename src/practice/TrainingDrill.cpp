#include "practice/TrainingDrill.h"

#include "platform/Clock.h"
#include "platform/Cp932.h"
#include "platform/Format.h"
#include "platform/OleDate.h"
#include "platform/Random.h"

#include <QCoreApplication>

namespace zr {
namespace {

// Translated where they are shown: these are set up before any translation is loaded.
const char *const kFirstPrompt =
    QT_TRANSLATE_NOOP("TrainingDrill", "●次の単語を入力して下さい｡　(入力を始めた時点で時間計測が開始されます)");
const char *const kRunningPrompt = QT_TRANSLATE_NOOP("TrainingDrill", "●次の単語を入力して下さい｡");
const char *const kRemedialPrompt = QT_TRANSLATE_NOOP("TrainingDrill", "次の単語を、正確さを優先して慎重に入力してください。");

QString translated(const char *text)
{
    return QCoreApplication::translate("TrainingDrill", text);
}
const QString kWideBlank = QStringLiteral(u"　");

}  // namespace

void UseDrillSettings(DrillSettings &settings, const UserSettings &user)
{
    settings.LessonTime = user.training.LessonTime;
    settings.LessonStep = user.training.LessonStep;
    settings.RmjGuide = user.RmjGuide;
    settings.Addition = user.Addition;
}

// Miss stacks ------------------------------------------------------------------------

void MissStacks::MDStackInit()
{
    shortStack_.fill(-1);
    longStack_.fill(-1);
}

void MissStacks::MDStackAdd(int word)
{
    // Word 0 is kept like any other: a miss on the first word of the list comes back
    // as well.
    std::move_backward(shortStack_.begin(), shortStack_.end() - 1, shortStack_.end());
    std::move_backward(longStack_.begin(), longStack_.end() - 1, longStack_.end());
    shortStack_[0] = word;
    longStack_[0] = word;
}

template <size_t N>
int MissStacks::oldest(const std::array<int, N> &stack)
{
    for (size_t i = N; i-- > 0;) {
        if (stack[i] != -1)
            return stack[i];
    }
    return -1;
}

template <size_t N>
int MissStacks::take(std::array<int, N> &stack)
{
    for (size_t i = N; i-- > 0;) {
        if (stack[i] != -1) {
            const int word = stack[i];
            stack[i] = -1;
            return word;
        }
    }
    return -1;
}

int MissStacks::peekShort() const
{
    return oldest(shortStack_);
}

int MissStacks::peekLong() const
{
    return oldest(longStack_);
}

int MissStacks::MDStackGet()
{
    return take(shortStack_);
}

int MissStacks::AllMDStackGet()
{
    return take(longStack_);
}

// Screens ----------------------------------------------------------------------------

QString ProblemLabelText(const PositionRecord &position, int mode)
{
    if (mode == ShowKeys)
        return QString(position.key);
    return position.offset == 0 ? position.kana : QString();
}

TrainingDrill::TrainingDrill(KeyStats &stats, DrillSettings settings, KeystrokeProtocol::Options options,
                             QObject *parent)
    : QObject(parent), stats_(stats), settings_(std::move(settings)),
      protocol_(stats, [&] {
          options.marksKeyboard = true;
          options.tracksMissedWords = true;
          return options;
      }()),
      mode_(settings_.mode)
{
    connect(&protocol_, &KeystrokeProtocol::wordMissed, this, [this](int word) { stacks_.MDStackAdd(word); });
    connect(&protocol_, &KeystrokeProtocol::screenCompleted, this, &TrainingDrill::onScreenCompleted);
    // The screen holds its positions as they are to be typed, another spelling included.
    connect(&protocol_, &KeystrokeProtocol::spellingSwitched, this, [this] { screen_.positions = protocol_.positions(); });
    connect(&protocol_, &KeystrokeProtocol::timingStarted, this, [this] {
        if (!screen_.remedial)
            setPrompt(translated(kRunningPrompt));
    });
}

bool TrainingDrill::start()
{
    stats_.reset();
    stacks_.MDStackInit();
    protocol_.startRun();
    screenCounter_ = 0;
    remedialNext_ = false;
    finished_ = false;
    if (settings_.RmjGuide == RmjGuideMode::Never)
        mode_ = KanaWithoutGuide;
    prompt_ = translated(kFirstPrompt);
    // A word with more keys than a screen holds could never be placed.
    words_.removeIf([](const DrillWord &w) {
        qsizetype keys = 0;
        for (const KanaUnit &unit : w.keys.units)
            keys += unit.keys.size();
        return keys + 1 > DrillScreen::kMaxPositions;
    });
    if (words_.isEmpty()) {
        finished_ = true;
        return false;
    }
    buildScreen();
    return true;
}

void TrainingDrill::keyPress(QChar typed)
{
    if (finished_)
        return;
    protocol_.keyPress(typed);
}

QString TrainingDrill::guideKeys() const
{
    if (protocol_.screenComplete())
        return {};
    const PositionRecord &p = protocol_.positions().at(protocol_.cursor());
    return p.unitKeys.mid(p.offset);
}

double TrainingDrill::TTime(double now) const
{
    return protocol_.running() ? now - protocol_.startTime() : 0.0;
}

void TrainingDrill::setPrompt(const QString &prompt)
{
    if (prompt_ == prompt)
        return;
    prompt_ = prompt;
    emit promptChanged();
}

int TrainingDrill::widthOf(int word) const
{
    const DrillWord &w = words_.at(word);
    return AnsiByteLength(mode_ == ShowKeys ? w.keys.SpRmj : w.reading);
}

bool TrainingDrill::place(int word)
{
    const DrillWord &w = words_.at(word);
    qsizetype keys = 0;
    for (const KanaUnit &unit : w.keys.units)
        keys += unit.keys.size();
    if (screen_.positions.size() + keys + 1 > DrillScreen::kMaxPositions)
        return false;
    AppendUnitPositions(screen_.positions, w.keys.units, word);
    screen_.positions.append({kWideBlank, QString(), QChar(u' '), 0, word, QString()});
    screen_.words.append(word);
    // The separator shows as a full-width blank with kana, a half-width one with keys.
    screen_.width += widthOf(word) + (mode_ == ShowKeys ? 1 : 2);
    return true;
}

void TrainingDrill::buildScreen()
{
    screen_ = DrillScreen{};
    // A word wider than the whole line would otherwise leave an empty screen that can
    // never be typed; it gets a line of its own.
    auto fits = [this](int word) {
        return screen_.words.isEmpty() || screen_.width + widthOf(word) <= DrillScreen::kMaxWidth;
    };
    // Places the stacked words, oldest first. A word that does not fit ends the screen
    // but stays on its stack, so that it is not lost. Returns whether there is room left.
    auto placeStacked = [&](int (MissStacks::*peek)() const, int (MissStacks::*take)()) {
        for (int w = (stacks_.*peek)(); w >= 0; w = (stacks_.*peek)()) {
            if (w < wordCount()) {
                if (!fits(w) || !place(w))
                    return false;
            }
            (stacks_.*take)();
        }
        return true;
    };

    const QString chapter = PlainNumberText(settings_.lesson);
    if (remedialNext_) {
        screen_.remedial = true;
        placeStacked(&MissStacks::peekLong, &MissStacks::AllMDStackGet);
        title_ = QCoreApplication::translate("TrainingDrill", "Chapter%1 - 補習").arg(chapter);
        setPrompt(translated(kRemedialPrompt));
        remedialNext_ = false;
    } else {
        if (placeStacked(&MissStacks::peekShort, &MissStacks::MDStackGet)) {
            for (;;) {
                const int w = Random::below(wordCount());
                if (!fits(w) || !place(w))
                    break;
            }
        }
        //: %2 is the screen's number after a blank (" 3").
        title_ = (settings_.MType == ExerciseTitle ? QCoreApplication::translate("TrainingDrill", "Chapter%1 - 練習問題 (Step%2)")
                                                   : QCoreApplication::translate("TrainingDrill", "Chapter%1 - 単語練習 (Step%2)"))
                     .arg(chapter, NumberText(screenCounter_ + 1));
    }
    protocol_.setScreen(screen_.positions, screenCounter_ == 0 && !protocol_.running());
    emit screenBuilt();
}

void TrainingDrill::onScreenCompleted()
{
    screenCounter_ += 1;
    const double now = Clock::current().now();
    const double start = protocol_.startTime();
    if (now > start + settings_.LessonTime || screenCounter_ >= settings_.LessonStep) {
        if (!settings_.Addition || stacks_.longSlot(1) == -1) {
            finished_ = true;
            emit drillFinished();
            return;
        }
        remedialNext_ = true;
    }
    if (settings_.RmjGuide == RmjGuideMode::FirstHalf && mode_ != KanaWithoutGuide
        && (now > start + settings_.LessonTime / 2 || screenCounter_ >= settings_.LessonStep / 2.0)) {
        mode_ = KanaWithoutGuide;
        emit modeChanged();
    }
    buildScreen();
}

}  // namespace zr
