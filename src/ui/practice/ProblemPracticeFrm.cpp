#include "ui/practice/ProblemPracticeFrm.h"

#include "keyboard/KeyboardModel.h"
#include "platform/Clock.h"
#include "platform/KanaMode.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "ui/common/Application.h"
#include "ui/common/WindowPlacement.h"
#include "ui/keyboard/Shapes.h"
#include "ui/practice/GuideLine.h"
#include "ui/results/ProblemScoreFrm.h"
#include "userdata/LearnerSpellings.h"
#include "userdata/ZRSub.h"

#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QStatusBar>

#include <cmath>
#include <tuple>

namespace zr {
namespace {

constexpr int kMargin = 16;
constexpr int kPadding = 6;
const QColor kGreyed(150, 150, 150);
// The guide under the words is shown at this share of the practice font's size, and
// leaves this many pixels under its last line before the next line of the row.
constexpr double kGuideScale = 0.6;
constexpr int kGuideBottom = 2;
constexpr int kTitleBarRoom = 24;

QString practiceName(PracticeKind kind)
{
    return kind == PracticeKind::Word ? ProblemPracticeFrm::tr("単語練習問題") : ProblemPracticeFrm::tr("短文練習問題");
}

// Rows wrap between words, and inside a word too long for a line.
QTextOption wrapOption()
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

QFont guideFontOf(const QFont &font)
{
    QFont guide = font;
    guide.setPointSizeF(std::max(double(Declaration(Setting::FontSize).minimum),
                                 std::round(font.pointSizeF() * kGuideScale)));
    return guide;
}

// The lines of a row its guide needs at a font and width, the row's own lines
// included: a passage's readings and keys (in the learner's spellings) under its lines.
int guidedLines(const QString &rowText, const PracticeEntry &passage, const QFont &font, const QFont &guideFont,
                int width, bool readings, bool keys, bool fontUpper)
{
    QTextLayout layout(rowText, font);
    layout.setTextOption(wrapOption());
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(width);
    layout.endLayout();
    QList<int> anchors;
    QStringList readingTexts;
    QStringList keyTexts;
    int start = 1;   // after the label's leading blank
    for (const PracticeItem &line : passage) {
        anchors.append(start);
        readingTexts.append(line.reading);
        keyTexts.append(GuideKeysText(line.keys.Rmj, fontUpper));
        start += int(line.display.size());
    }
    int lines = std::max(1, layout.lineCount());
    if (readings)
        lines = std::max(lines, FlowGuide(layout, anchors, readingTexts, guideFont, width).lines);
    if (keys)
        lines = std::max(lines, FlowGuide(layout, anchors, keyTexts, guideFont, width).lines);
    return lines;
}

}  // namespace

int WrappedLineCount(const QString &text, const QFont &font, int width)
{
    QTextLayout layout(text, font);
    layout.setTextOption(wrapOption());
    layout.beginLayout();
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        ++lines;
    }
    layout.endLayout();
    return std::max(1, lines);
}

// TextFlow ---------------------------------------------------------------------------

TextFlow::TextFlow(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    layout_.setTextOption(wrapOption());
    layout_.setCacheEnabled(true);
}

void TextFlow::setText(const QString &text)
{
    if (text == text_)
        return;
    text_ = text;
    // A screen reader reads what is shown, without the leading blank.
    setAccessibleName(text.trimmed());
    relayout();
    update();
}

void TextFlow::setTextColour(const QColor &colour)
{
    if (colour_ == colour)
        return;
    colour_ = colour;
    update();
}

void TextFlow::setTextFont(const QFont &font)
{
    font_ = font;
    relayout();
    update();
}

void TextFlow::setWrapWidth(int width)
{
    wrapWidth_ = width;
    relayout();
}

void TextFlow::setLineSpacing(int extra)
{
    if (spacing_ == extra)
        return;
    spacing_ = extra;
    relayout();
    update();
}

int TextFlow::lineHeight() const
{
    return QFontMetrics(font_).height();
}

int TextFlow::lineCount(const QString &text) const
{
    return WrappedLineCount(text, font_, wrapWidth_);
}

void TextFlow::relayout()
{
    layout_.setFont(font_);
    layout_.setText(text_);
    layout_.beginLayout();
    qreal y = 0;
    const int height = lineHeight();
    for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
        line.setLineWidth(wrapWidth_);
        line.setPosition(QPointF(0, y));
        y += height + spacing_;
    }
    layout_.endLayout();
}

QPoint TextFlow::endPoint() const
{
    const int lines = layout_.lineCount();
    if (lines == 0)
        return {0, 0};
    const QTextLine last = layout_.lineAt(lines - 1);
    return {int(std::ceil(last.naturalTextWidth())), int(last.y())};
}

void TextFlow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(colour_);
    layout_.draw(&painter, QPointF(0, 0));
}

// The practice window ----------------------------------------------------------------

ProblemPracticeFrm::ProblemPracticeFrm(PracticeKind kind, QWidget *parent) : PracticeDialog(parent), kind_(kind)
{
    setObjectName(kind == PracticeKind::Word ? QStringLiteral("WordFrm") : QStringLiteral("SentFrm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setAutoFillBackground(true);
    settings.kind = kind;

    prompt_ = new QLabel(this);
    prompt_->setObjectName(QStringLiteral("Label3"));
    prompt_->setFont(QFont(QString::fromUtf16(kProportionalGothic), 11));

    InstallPracticeTextAccessibility();
    for (int i = 0; i < 2; ++i) {
        Row &row = rows_[size_t(i)];
        row.questionFrame = new QFrame(this);
        row.questionFrame->setObjectName(QStringLiteral("LblQFrame_%1").arg(i));
        row.questionFrame->setFrameShape(QFrame::Box);
        row.problem = new TextFlow(row.questionFrame);
        row.problem->setObjectName(QStringLiteral("Label1_%1").arg(i));
        row.problem->setAccessibleDescription(tr("問題文"));
        row.inputFrame = new QFrame(this);
        row.inputFrame->setObjectName(QStringLiteral("LblInputFrame_%1").arg(i));
        row.inputFrame->setFrameShape(QFrame::Box);
        QPalette framePal = row.inputFrame->palette();
        framePal.setColor(QPalette::WindowText, QColor(170, 170, 170));
        row.inputFrame->setPalette(framePal);
        row.typed = new TextFlow(row.inputFrame);
        row.typed->setObjectName(QStringLiteral("Label2_%1").arg(i));
        row.typed->setAccessibleDescription(tr("入力した文字"));
        row.miss = new QLabel(row.inputFrame);
        row.miss->setObjectName(QStringLiteral("LblMissLine_%1").arg(i));
        SetLabelColour(row.miss, QColor(220, 0, 0));
    }

    input_ = new QLabel(this);
    input_->setObjectName(QStringLiteral("LInput"));
    cursor_ = new ShapeWidget(ShapeWidget::Rectangle, this);
    cursor_->setObjectName(QStringLiteral("Cursor"));
    error_ = CreateErrorLabel(this);
    time_ = CreateClockBar(this, QStringLiteral("LblTime"), &statusBar_);

    display_.setParent(this);
    display_.setObjectName(QStringLiteral("Timer1"));
    display_.setInterval(500);
    connect(&display_, &QTimer::timeout, this, &ProblemPracticeFrm::tick);
}

ProblemPracticeFrm::~ProblemPracticeFrm() = default;

QString ProblemPracticeFrm::section() const
{
    return kind_ == PracticeKind::Word ? QStringLiteral("WordLsn") : QStringLiteral("SSentLsn");
}

bool ProblemPracticeFrm::prepare()
{
    if (prepared_)
        return ready_;
    prepared_ = true;
    setWindowTitle(tr("問題文を作成中です..."));
    course_ = ZRSub().CurUser.Course;

    auto refuse = [&](const QString &text) {
        ShowMessage({text, practiceName(kind_), MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
        return false;
    };
    const QString file = AppPath(settings.path);
    ProblemFileStatus status;
    QList<PracticeEntry> entries;
    if (weakKeys) {
        // Weak-key practice brings its words and no file.
        entries = weakKeys->entries;
        status.exists = true;
    } else if (kind_ == PracticeKind::Word) {
        const WordDictionary dictionary = ReadWordDictionary(file, &status);
        entries = BuildWordEntries(dictionary.words(), mode, course_, ZRSub().CurUser.RomajiTable);
    } else {
        const SentenceSet set = ReadSentenceSet(file, &status);
        entries = BuildPassageEntries(set, course_, ZRSub().CurUser.RomajiTable);
    }
    if ((settings.path.isEmpty() && !weakKeys) || !status.exists)
        return refuse(tr("問題ファイル「%1」が見つからないため、練習を始められません。").arg(settings.path));
    if (entries.isEmpty()) {
        return refuse(kind_ == PracticeKind::Word
                          ? tr("問題ファイル「%1」には入力できる単語がないため、練習を始められません。").arg(settings.path)
                          : tr("問題ファイル「%1」の問題 1～12 には入力できる文章がないため、練習を始められません。")
                                .arg(settings.path));
    }

    ProblemPractice::Options options;
    options.kind = kind_;
    options.title = settings.title;
    options.mode = mode;
    options.LessonTime = settings.limit.LessonTime;
    options.LessonStep = settings.limit.LessonStep;
    KeystrokeProtocol::Options protocol;
    protocol.typeSound = settings.typeSound;
    protocol.errorSound = settings.errorSound;
    protocol.spellings = LearnerSpellings(settings.AnySpelling, course_, ZRSub().CurUser.RomajiTable);
    practice_ = std::make_unique<ProblemPractice>(ZRSub().keyStats, options, protocol);
    practice_->setEntries(entries);
    if (weakKeys)
        practice_->setEntryPicker([words = weakKeys](int previous) { return words->pickEntry(previous); });
    KeystrokeProtocol &keys = practice_->protocol();
    connect(&keys, &KeystrokeProtocol::keyAccepted, this, [this] { showTyped(); });
    connect(&keys, &KeystrokeProtocol::missShown, this, &ProblemPracticeFrm::showMiss);
    connect(&keys, &KeystrokeProtocol::errorCleared, this, &ProblemPracticeFrm::clearError);
    connect(&keys, &KeystrokeProtocol::timingStarted, this, [this] {
        display_.start();
        tick();
    });
    connect(practice_.get(), &ProblemPractice::promptChanged, this, [this] { prompt_->setText(practice_->prompt()); });
    connect(practice_.get(), &ProblemPractice::stepBuilt, this, &ProblemPracticeFrm::showStep);
    connect(practice_.get(), &ProblemPractice::secondRowStarted, this, [this] {
        rows_[0].typed->setText(upper(practice_->completedText(0).text));
        startRow(1);
    });
    connect(practice_.get(), &ProblemPractice::practiceFinished, this, [this] {
        display_.stop();
        QTimer::singleShot(0, this, &ProblemPracticeFrm::handOver);
    });

    layoutWindow(entries);
    if (!practice_->start())
        return false;
    if (course_ == KanaCourse)
        SetKanaMode(true);
    prompt_->setText(practice_->prompt());
    time_->setText(ElapsedTimeText(0));
    ready_ = true;
    return true;
}

void ProblemPracticeFrm::layoutWindow(const QList<PracticeEntry> &entries)
{
    const PracticeAppearance &look = settings.look;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, look.background);
    setPalette(pal);
    SetLabelColour(prompt_, look.background.lightness() < 110 ? Qt::white : Qt::black);

    QSize room = RoomOnScreen(this);
    // The guide makes passage windows as tall as the screen allows. Such a window is
    // centred before its title bar is known, and would leave half of it above the
    // screen: keep room for a whole one.
    if (guided())
        room.setHeight(std::max(1, room.height() - kTitleBarRoom));
    const int statusHeight = statusBar_->sizeHint().height();
    // The rows and the window in a font.
    struct Rows {
        int lineHeight = 0;
        int guideSpacing = 0;   // room under each line of a row for its guide
        int textWidth = 0;
        int problemLines = 1;
        int typedLines = 1;
        int width = 0;
        int height = 0;
    };
    // The keys of a unit in progress: three in the learner's spellings, up to all but the
    // last key of the longest spelling when any spelling counts.
    qsizetype pendingKeys = 3;
    if (const auto spellings = LearnerSpellings(settings.AnySpelling, course_, ZRSub().CurUser.RomajiTable))
        pendingKeys = std::max<qsizetype>(pendingKeys, spellings->longestSpelling() - 1);
    const QString pending(pendingKeys, QChar(u'Ｗ'));
    auto measure = [&](const QFont &font, bool onlyIfItFits) {
        Rows r;
        const QFontMetrics fm(font);
        r.lineHeight = fm.height();
        const QFont guideFont = guideFontOf(font);
        if (guided()) {
            const int guideLine = QFontMetrics(guideFont).height();
            r.guideSpacing = (settings.ShowReading ? guideLine : 0) + (settings.ShowKeys ? guideLine : 0) + kGuideBottom;
        }
        // A word row holds 62 bytes, that is 31 full-width characters and the leading
        // blank; passages wrap at the same width.
        // In a proportional font some full-width characters are wider than others: the
        // widest of a few common ones keeps a full row on one line.
        int wide = 0;
        for (QChar c : QStringLiteral(u"あ漢ＷＭ"))
            wide = std::max(wide, fm.horizontalAdvance(c));
        r.textWidth = 31 * wide + fm.horizontalAdvance(QChar(u' ')) + 4;
        r.width = std::max(std::min(int(twipsToPixels(9000)), room.width()), r.textWidth + 2 * kPadding + 2 * kMargin);
        // Passages are as many lines high as the longest of the run needs, so that the
        // window keeps its size from step to step. The typed line may hold the kana of
        // a line, which is longer than its written form, and the keys of a unit after
        // them. While a font is tried, one too wide to fit is not kept whatever its
        // height, so its lines need not be counted.
        if (kind_ == PracticeKind::Sentence && (!onlyIfItFits || r.width <= room.width())) {
            for (const PracticeEntry &passage : entries) {
                QString shown = QStringLiteral(" ");
                for (const PracticeItem &line : passage) {
                    r.typedLines = std::max(r.typedLines, WrappedLineCount(upper(shown + line.reading) + pending,
                                                                           font, r.textWidth));
                    shown += line.display;
                }
                const int lines = WrappedLineCount(upper(shown), font, r.textWidth);
                r.problemLines = std::max(r.problemLines, lines);
                r.typedLines = std::max(r.typedLines, lines);
                // A passage's guide may run on under a line of its own after the text.
                if (guided())
                    r.problemLines = std::max(r.problemLines,
                                              guidedLines(upper(shown), passage, font, guideFont, r.textWidth,
                                                          settings.ShowReading, settings.ShowKeys, settings.FontUpper));
            }
        }
        const int rowHeight = (r.problemLines * (r.lineHeight + r.guideSpacing) + 2 * kPadding + 4)
                              + (r.typedLines * r.lineHeight + 2 * kPadding + 4 + 14);
        r.height = 42 + 2 * rowHeight + 34 + statusHeight;
        return r;
    };
    // A large font is shown smaller where the window would not fit the screen; the rows
    // keep their width in bytes, so a word row stays one line.
    Rows r;
    QFont measured;
    font_ = FontThatFits(look.font, room, [&](const QFont &font) {
        r = measure(font, true);
        measured = font;
        return QSize(r.width, r.height);
    });
    // The last font tried is not always the one kept.
    if (measured != font_ || r.width > room.width())
        r = measure(font_, false);
    const int frameWidth = r.textWidth + 2 * kPadding;

    for (Row &row : rows_) {
        row.problem->setTextFont(font_);
        row.problem->setWrapWidth(r.textWidth);
        row.typed->setTextFont(font_);
        row.typed->setWrapWidth(r.textWidth);
        row.miss->setFont(font_);
    }

    prompt_->setGeometry(kMargin, 10, r.width - 2 * kMargin, 24);
    int y = 42;
    const int block = r.lineHeight + r.guideSpacing;
    for (Row &row : rows_) {
        const int problemHeight = r.problemLines * block + 2 * kPadding;
        row.questionFrame->setGeometry(kMargin, y, frameWidth, problemHeight);
        row.problem->setGeometry(kPadding, kPadding, r.textWidth, r.problemLines * block);
        if (guided()) {
            row.problem->setLineSpacing(r.guideSpacing);
            GuideLine::Look look;
            look.font = guideFontOf(font_);
            look.text = settings.look.problemText;
            look.typed = settings.look.typedText;
            look.mark = settings.look.guideText;
            look.greyed = kGreyed;
            look.fontUpper = settings.FontUpper;
            look.top = r.lineHeight;
            look.block = block;
            look.lines = r.problemLines;
            const int guideLine = QFontMetrics(look.font).height();
            for (auto [line, kind, on] : {std::tuple{&row.readings, GuideLine::Readings, settings.ShowReading},
                                          std::tuple{&row.keys, GuideLine::Keys, settings.ShowKeys}}) {
                if (!on)
                    continue;
                if (!*line)
                    *line = new GuideLine(kind, row.questionFrame);
                (*line)->setGeometry(row.problem->geometry());
                (*line)->setLook(look);
                look.top += guideLine;
            }
        }
        y += problemHeight + 4;
        // Room below the last typed line for the cursor.
        const int typedHeight = r.typedLines * r.lineHeight + 2 * kPadding + 4;
        row.inputFrame->setGeometry(kMargin, y, frameWidth, typedHeight);
        row.typed->setGeometry(kPadding, kPadding, r.textWidth, r.typedLines * r.lineHeight);
        y += typedHeight + 14;
    }
    const int errorTop = y;

    input_->setFont(font_);
    SetLabelColour(input_, look.inputText);
    cursor_->setFillColour(look.inputText);
    const int cursorTwips = kind_ == PracticeKind::Word ? (course_ == KanaCourse ? 300 : 180)
                                                        : (course_ == KanaCourse ? 230 : 170);
    cursor_->resize(int(std::lround(twipsToPixels(cursorTwips))), 3);
    error_->move(kMargin, errorTop);

    const int height = errorTop + 34 + statusHeight;
    statusBar_->setGeometry(0, height - statusHeight, r.width, statusHeight);
    setFixedSize(r.width, height);
}

QString ProblemPracticeFrm::upper(const QString &text) const
{
    return settings.FontUpper ? text.toUpper() : text;
}

QPoint ProblemPracticeFrm::typedOrigin(int row) const
{
    const Row &r = rows_.at(size_t(row));
    return r.inputFrame->pos() + r.typed->pos();
}

void ProblemPracticeFrm::showStep()
{
    for (int i = 0; i < 2; ++i) {
        rows_[size_t(i)].problem->setText(u' ' + upper(practice_->row(i).text));
        rows_[size_t(i)].typed->setText(QStringLiteral(" "));
    }
    startRow(0);
}

void ProblemPracticeFrm::showGuide(int row)
{
    const Row &r = rows_.at(size_t(row));
    const GuideLineContent content{practice_->guide(row), &r.problem->textLayout(), 1,
                                   row == practice_->rowFlag() && !practice_->finished()};
    for (GuideLine *line : {r.readings, r.keys}) {
        if (line)
            line->setContent(content);
    }
}

void ProblemPracticeFrm::startRow(int row)
{
    const PracticeAppearance &look = settings.look;
    for (int i = 0; i < 2; ++i) {
        Row &r = rows_[size_t(i)];
        const bool current = i == row;
        r.problem->setEnabled(current);
        r.typed->setEnabled(current);
        r.problem->setTextColour(current ? look.problemText : kGreyed);
        r.typed->setTextColour(current ? look.inputText : kGreyed);
        r.miss->hide();
    }
    rows_[size_t(row)].typed->setText(QStringLiteral(" "));
    prompt_->show();
    setWindowTitle(practice_->caption());
    clearError();
    // The row left behind shows its guide greyed, and the new one is marked from its
    // first key.
    if (guided())
        showGuide(1 - row);
    showTyped();
}

void ProblemPracticeFrm::showTyped()
{
    const int row = practice_->rowFlag();
    Row &r = rows_[size_t(row)];
    const TypedText shown = practice_->typedText();
    r.typed->setText(upper(shown.text));
    const QFontMetrics fm(font_);
    const QString pending = KeyDisplayForm(shown.pending, settings.FontUpper);
    const int wrap = r.typed->width();
    QPoint end = r.typed->endPoint();
    const int pendingWidth = fm.horizontalAdvance(pending);
    if (end.x() + pendingWidth + cursor_->width() > wrap && end.x() > 0)
        end = QPoint(0, end.y() + fm.height());
    const QPoint origin = typedOrigin(row) + end;
    if (pending.isEmpty()) {
        input_->hide();
    } else {
        input_->setText(pending);
        input_->setGeometry(origin.x(), origin.y(), pendingWidth + 2, fm.height());
        input_->show();
    }
    cursor_->move(origin.x() + pendingWidth, origin.y() + fm.height() + 1);
    cursor_->show();
    if (guided())
        showGuide(row);
}

void ProblemPracticeFrm::showMiss(QChar expected, QChar typed)
{
    error_->setText(tr("エラー '%1'キー").arg(KeyDisplayForm(QStringView(&expected, 1), settings.FontUpper)));
    error_->adjustSize();
    error_->show();
    Row &r = rows_[size_t(practice_->rowFlag())];
    const QString wrong = course_ == KanaCourse ? ToWideHiragana(QStringView(&typed, 1)) : upper(QString(typed));
    const QFontMetrics fm(font_);
    r.miss->setText(wrong);
    const QPoint at = cursor_->pos() - QPoint(0, fm.height() + 1) - r.inputFrame->pos();
    r.miss->setGeometry(at.x(), at.y(), fm.horizontalAdvance(wrong) + 2, fm.height());
    r.miss->show();
    r.miss->raise();
}

void ProblemPracticeFrm::clearError()
{
    error_->hide();
    for (Row &r : rows_)
        r.miss->hide();
}

void ProblemPracticeFrm::tick()
{
    if (!practice_ || !practice_->protocol().running())
        return;
    cursor_->setVisible(!cursor_->isVisible());
    time_->setText(ElapsedTimeText(practice_->TTime(Clock::current().now())));
}

void ProblemPracticeFrm::showEvent(QShowEvent *event)
{
    if (!prepared_) {
        if (!prepare())
            QTimer::singleShot(0, this, &QDialog::reject);
        RestoreWindowPosition(this, section());
        if (settings.MoveMouse)
            QCursor::setPos(frameGeometry().center());
    }
    PracticeDialog::showEvent(event);
    syncKana();
}

void ProblemPracticeFrm::syncKana()
{
    const QChar next = practice_ ? practice_->protocol().expectedKey() : QChar();
    SyncKanaLock(course_, settings.KanaLock ? QStringLiteral("ON") : QString(),
                 next.isNull() ? QStringView() : QStringView(&next, 1));
}

void ProblemPracticeFrm::typed(QChar c)
{
    if (!ready_ || practice_->finished()) {
        if (kind_ == PracticeKind::Word)
            PlayFeedbackSound(settings.typeSound);
        return;
    }
    practice_->keyPress(c);
    // The cursor shows while keys come; the timer blinks it between them.
    if (!practice_->finished())
        cursor_->show();
    syncKana();
}

void ProblemPracticeFrm::handOver()
{
    const double elapsed = practice_->TTime(Clock::current().now());
    hide();
    std::unique_ptr<ProblemScoreFrm> score;
    if (kind_ == PracticeKind::Word)
        score = std::make_unique<WdScoreFrm>(parentWidget());
    else
        score = std::make_unique<SentScoreFrm>(parentWidget());
    score->CCh = practice_->CCh();
    score->TTime = elapsed;
    score->UseKey = UseKey;
    score->TargetKey = TargetKey;
    score->lesson = lesson;
    score->weakKeys = weakKeys;
    score->exec();
    accept();
}

void ProblemPracticeFrm::done(int result)
{
    if (!positionSaved_ && prepared_) {
        SaveWindowPosition(this, section());
        positionSaved_ = true;
    }
    display_.stop();
    PracticeDialog::done(result);
}

}  // namespace zr
