#include "practice/ProblemPractice.h"

#include "platform/Clock.h"
#include "platform/Cp932.h"
#include "platform/Format.h"
#include "platform/Random.h"

#include <QCoreApplication>

namespace zr {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kWideBlank = QStringLiteral(u"　");

// The width a word takes on its row: its reading, or its keys when the row shows keys.
int wordWidth(const PracticeItem &item, int mode)
{
    return AnsiByteLength(mode == ShowKeys ? item.keys.Rmj : item.reading);
}

PracticeItem convert(const ProblemItem &item, int course, const RomajiTable &table)
{
    return {item.display, item.reading, ConvertWord(item.reading, {}, {}, KeyFilterOff, course, table)};
}

}  // namespace

QList<PracticeEntry> BuildWordEntries(const QList<ProblemItem> &words, int mode, int course,
                                      const RomajiTable &table)
{
    QList<PracticeEntry> entries;
    entries.reserve(words.size());
    for (const ProblemItem &word : words) {
        PracticeItem item = convert(word, course, table);
        // A row starts 1 wide, so a word wider than 61 never fits on one.
        if (item.keys.result == 0 || 1 + wordWidth(item, mode) > ProblemPractice::kRowWidth)
            continue;
        entries.append(PracticeEntry{std::move(item)});
    }
    return entries;
}

QList<PracticeEntry> BuildPassageEntries(const SentenceSet &set, int course, const RomajiTable &table)
{
    QList<PracticeEntry> entries;
    for (int p = 1; p <= 2 * ProblemPractice::kSentenceSteps; ++p) {
        PracticeEntry passage;
        for (const ProblemItem &line : set.lines(p)) {
            PracticeItem item = convert(line, course, table);
            if (item.keys.result != 0)
                passage.append(std::move(item));
        }
        if (!passage.isEmpty())
            entries.append(std::move(passage));
    }
    return entries;
}

QString WordDialogText(const WordDictionary &dictionary)
{
    // The count is of the entries that carry a written form, as the examples show them.
    int count = 0;
    while (count < dictionary.entries.size() && !dictionary.entries.at(count).display.isEmpty())
        ++count;
    //: %1 is the number of words after a blank (" 120").
    QString text = kCrLf + dictionary.description + kCrLf + kCrLf
                   + QCoreApplication::translate("ProblemPractice", "　収録単語数：%1語").arg(NumberText(count)) + kCrLf
                   + QCoreApplication::translate("ProblemPractice", "　収録単語の例：");
    for (int i = 10; i <= 12; ++i) {
        const QString written = i < dictionary.entries.size() ? dictionary.entries.at(i).display : QString();
        text += QStringLiteral(u"【") + written + QStringLiteral(u"】");
    }
    return text;
}

QString SentenceDialogText(const SentenceSet &set)
{
    return kCrLf + set.description + kCrLf + kCrLf;
}

TypedText TypedTextAt(const QList<PositionRecord> &positions, int c, PracticeKind kind)
{
    TypedText shown{QStringLiteral(" "), QString()};
    c = std::min(c, int(positions.size()) - 1);
    int inProgress = 0;   // the first position of the word or line being typed
    for (int i = 0; i <= c; ++i) {
        const QString &written = positions.at(i).written;
        if (written.isEmpty())
            continue;
        shown.text += written;
        if (kind == PracticeKind::Word)
            shown.text += kWideBlank;
        inProgress = i + 1;
    }
    for (int i = inProgress; i <= c; ++i) {
        const PositionRecord &p = positions.at(i);
        const bool unitComplete = i + 1 >= positions.size() || positions.at(i + 1).offset == 0;
        if (unitComplete) {
            shown.text += p.kana;
            shown.pending.clear();
        } else {
            shown.pending += p.key;
        }
    }
    return shown;
}

ProblemPractice::ProblemPractice(KeyStats &stats, Options options, KeystrokeProtocol::Options protocol,
                                 QObject *parent)
    : QObject(parent), options_(std::move(options)), stats_(stats),
      protocol_(stats, [&] {
          // Sentence practice sounds only the keys it accepts.
          protocol.soundOnEveryKey = options_.kind == PracticeKind::Word;
          protocol.marksKeyboard = false;
          protocol.tracksMissedWords = false;
          return protocol;
      }())
{
    connect(&protocol_, &KeystrokeProtocol::screenCompleted, this, &ProblemPractice::onScreenCompleted);
    // The row holds its positions as they are to be typed, another spelling included.
    connect(&protocol_, &KeystrokeProtocol::spellingSwitched, this,
            [this] { rows_[size_t(rowFlag_)].positions = protocol_.positions(); });
    connect(&protocol_, &KeystrokeProtocol::timingStarted, this, [this] {
        const QString running = options_.kind == PracticeKind::Word ? QCoreApplication::translate("ProblemPractice", "●次の単語を入力して下さい｡")
                                                                    : QCoreApplication::translate("ProblemPractice", "●次の文章を入力して下さい｡");
        if (prompt_ != running) {
            prompt_ = running;
            emit promptChanged();
        }
    });
}

int ProblemPractice::stepLimit() const
{
    return options_.kind == PracticeKind::Word ? options_.LessonStep : kSentenceSteps;
}

bool ProblemPractice::start()
{
    stats_.reset();
    protocol_.startRun();
    rowFlag_ = 0;
    stepCounter_ = 0;
    lastEntry_ = -1;
    finished_ = false;
    prompt_ = options_.kind == PracticeKind::Word
                  ? QCoreApplication::translate("ProblemPractice", "●次の単語を入力して下さい｡　(入力を始めた時点で時間計測が開始されます)")
                  : QCoreApplication::translate("ProblemPractice", "●次の文章を入力して下さい｡　(入力を始めた時点で時間計測が開始されます)");
    if (entries_.isEmpty()) {
        finished_ = true;
        return false;
    }
    buildStep();
    return true;
}

void ProblemPractice::keyPress(QChar typed)
{
    if (finished_)
        return;
    protocol_.keyPress(typed);
}

QString ProblemPractice::caption() const
{
    QString caption = options_.title + QStringLiteral(" (Step") + NumberText(stepCounter_ + 1);
    return caption + (options_.kind == PracticeKind::Word ? QStringLiteral(")") : QStringLiteral("/6)"));
}

TypedText ProblemPractice::typedText() const
{
    return TypedTextAt(protocol_.positions(), protocol_.cursor() - 1, options_.kind);
}

TypedText ProblemPractice::completedText(int row) const
{
    const PracticeRow &r = rows_.at(size_t(row));
    return TypedTextAt(r.positions, int(r.positions.size()) - 1, options_.kind);
}

RowGuide ProblemPractice::guide(int row) const
{
    const PracticeRow &r = rows_.at(size_t(row));
    if (row == rowFlag_)
        return GuideOf(r.items, protocol_.positions(), protocol_.cursor(), !finished_);
    return GuideOf(r.items, r.positions, row < rowFlag_ ? int(r.positions.size()) : 0, false);
}

double ProblemPractice::TTime(double now) const
{
    return protocol_.running() ? now - protocol_.startTime() : 0.0;
}

void ProblemPractice::appendEntry(PracticeRow &row, int index)
{
    const PracticeEntry &entry = entries_.at(index);
    const bool word = options_.kind == PracticeKind::Word;
    for (const PracticeItem &item : entry) {
        AppendUnitPositions(row.positions, item.keys.units, index);
        // The last key of a word or line brings its written form onto the typed line.
        row.positions.last().written = word && options_.mode == ShowKeys ? item.keys.Rmj : item.display;
        row.positions.append({QString(), QString(), QChar(u' '), 0, index, QString()});
        const QString &shown = word && options_.mode == ShowKeys ? item.keys.Rmj : item.display;
        row.items.append({int(row.text.size()), int(shown.size()), item.reading});
        row.text += shown;
        if (word)
            row.text += options_.mode == ShowKeys ? QStringLiteral(" ") : kWideBlank;
    }
}

PracticeRow ProblemPractice::wordRow()
{
    PracticeRow row;
    int w = 1;
    const int separator = options_.mode == ShowKeys ? 1 : 2;
    for (;;) {
        const int index = pickEntry_ ? pickEntry_(lastEntry_) : Random::below(entryCount());
        const int b = wordWidth(entries_.at(index).front(), options_.mode);
        if (w + b > kRowWidth)
            break;
        appendEntry(row, index);
        lastEntry_ = index;
        w += b + separator;
    }
    return row;
}

PracticeRow ProblemPractice::passageRow(int index)
{
    // Problems left out for want of keys shift the later ones forward; a set with fewer
    // than twelve passages starts over, so that every step has two rows to type.
    PracticeRow row;
    appendEntry(row, index % entryCount());
    return row;
}

PracticeRow ProblemPractice::buildRow(int row)
{
    return options_.kind == PracticeKind::Word ? wordRow() : passageRow(2 * stepCounter_ + row);
}

void ProblemPractice::buildStep()
{
    // Row 1 is drawn first and held back while row 0 is typed.
    if (pickEntry_) {
        rows_[0] = buildRow(0);
        rows_[1] = buildRow(1);
    } else {
        rows_[1] = buildRow(1);
        rows_[0] = buildRow(0);
    }
    rowFlag_ = 0;
    protocol_.setScreen(rows_[0].positions, stepCounter_ == 0 && !protocol_.running());
    emit stepBuilt();
}

void ProblemPractice::onScreenCompleted()
{
    if (rowFlag_ == 0) {
        rowFlag_ = 1;
        protocol_.setScreen(rows_[1].positions, false);
        emit secondRowStarted();
        return;
    }
    const bool timeUp = options_.kind == PracticeKind::Word
                        && Clock::current().now() > protocol_.startTime() + options_.LessonTime;
    if (timeUp || stepCounter_ + 1 >= stepLimit()) {
        finished_ = true;
        emit practiceFinished();
        return;
    }
    stepCounter_ += 1;
    buildStep();
}

}  // namespace zr
