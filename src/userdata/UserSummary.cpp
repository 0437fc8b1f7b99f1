#include "userdata/UserSummary.h"

#include "keyboard/KeyboardModel.h"
#include "platform/Format.h"
#include "platform/OleDate.h"
#include "userdata/ZRSub.h"

#include <QCoreApplication>

namespace zr {

std::optional<double> ScoreSummary::accuracy() const
{
    return Accuracy(hits, misses);
}

std::optional<double> ScoreSummary::speed() const
{
    if (hits == 0)
        return std::nullopt;
    return Speed(chars, time);
}

ScoreSummary &ScoreSummary::operator+=(const ScoreSummary &other)
{
    PracticeCount += other.PracticeCount;
    TotalTime += other.TotalTime;
    LastDate = std::max(LastDate, other.LastDate);
    chars += other.chars;
    hits += other.hits;
    misses += other.misses;
    time += other.time;
    return *this;
}

ScoreSummary SummarizeScore(const ScoreRecord &record)
{
    ScoreSummary s;
    s.PracticeCount = record.PracticeCount;
    s.TotalTime = record.TotalTime;
    s.LastDate = record.DayDate[0];
    for (size_t d = 0; d < size_t(ScoreRecord::kDays); ++d) {
        s.chars += record.DayChars[d];
        s.hits += record.DayKeys[d];
        s.misses += record.DayMisses[d];
        s.time += record.DayTime[d];
    }
    return s;
}

namespace {

// A count as the number that picks a translation's plural form; a damaged record's
// count may be any double.
int pluralCount(double count)
{
    return count >= 0 && count < 1e9 ? int(count) : 2;
}

}  // namespace

QString MinutesWithUnit(double duration)
{
    const QString minutes = MinutesText(duration);
    // Under half a minute rounds to no number at all; say 0 rather than a bare unit.
    return QCoreApplication::translate("UserSummary", "%1分").arg(minutes.isEmpty() ? QStringLiteral("0") : minutes);
}

ScoreOverview OverviewOf(const ScoreSummary &summary)
{
    ScoreOverview o;
    o.totalTime = MinutesWithUnit(summary.TotalTime);
    o.practiceCount = QCoreApplication::translate("UserSummary", "%1回", nullptr, pluralCount(summary.PracticeCount))
                          .arg(PlainNumberText(summary.PracticeCount));
    o.lastDate = summary.LastDate != 0 ? ShortDateText(summary.LastDate) : QString();
    if (const auto accuracy = summary.accuracy())
        o.accuracy = FormatNumber(*accuracy, u"###;###;0") + QStringLiteral("%");
    if (const auto speed = summary.speed())
        o.speed = QCoreApplication::translate("UserSummary", "%1字/分").arg(FormatNumber(*speed, u"##0.0"));
    return o;
}

QList<ItemRow> ChapterRows(const UserRecord &user, const ChapterTable &table, bool fontUpper)
{
    QList<ItemRow> rows;
    for (int c = user.LessonProgress; c >= 1; --c) {
        // A record may have come from an installation with a longer lesson table.
        if (!table.contains(c) || c > UserRecord::kChapters)
            continue;
        const Chapter &chapter = table.chapter(c);
        const ScoreRecord &score = user.TrainingScores[size_t(c - 1)];
        const bool newKeys = chapter.kind == Chapter::NewKeys;
        rows.append({c,
                     {QStringLiteral("Chapter") + NumberText(c),
                      newKeys ? QCoreApplication::translate("UserSummary", "新しいキーの学習") : QCoreApplication::translate("UserSummary", "単語練習"),
                      newKeys ? KeyDisplayForm(chapter.TargetKey, fontUpper) : QCoreApplication::translate("UserSummary", "学習したキー全て"),
                      NumberText(score.PracticeCount),
                      score.TotalTime != 0 ? MinutesWithUnit(score.TotalTime) : QStringLiteral("-")}});
    }
    return rows;
}

QList<ItemRow> SlotRows(const std::array<ScoreRecord, UserRecord::kSlots> &scores, const QStringList &titles)
{
    QList<ItemRow> rows;
    for (int k = 1; k <= UserRecord::kSlots && k <= titles.size(); ++k) {
        const QString &title = titles[k - 1];
        if (title.isEmpty())
            continue;
        const ScoreRecord &score = scores[size_t(k - 1)];
        QStringList texts = {NumberText(k), title, QStringLiteral("-")};
        if (score.PracticeCount > 0) {
            texts << NumberText(score.PracticeCount) << MinutesWithUnit(score.TotalTime)
                  << ShortDateText(score.DayDate[0]);
        } else {
            texts << QStringLiteral("-") << QStringLiteral("-") << QStringLiteral("-");
        }
        rows.append({k, texts});
    }
    return rows;
}

UserInfo UserInfoOf(const UserRecord &u)
{
    UserInfo info;
    info.name = u.UserName;
    info.progress = QStringLiteral("Chapter") + NumberText(u.LessonProgress);
    info.course = CourseName(u.Course);
    info.totalTime = u' ' + MinutesWithUnit(u.TotalPracticeTime);

    // Every Chapter the record can hold counts, not only the first 35; word and
    // sentence practice add their stored days to the figures.
    ScoreSummary all;
    for (const ScoreRecord &r : u.TrainingScores)
        all.PracticeCount += r.PracticeCount;
    ScoreSummary practice;
    for (const auto *block : {&u.WordScores, &u.SentenceScores}) {
        for (const ScoreRecord &r : *block) {
            all.PracticeCount += r.PracticeCount;
            if (r.PracticeCount > 0)
                practice += SummarizeScore(r);
        }
    }
    //: The count follows a blank, as the other figures of the form do.
    info.runs = QCoreApplication::translate("UserSummary", "%1回", nullptr, pluralCount(all.PracticeCount))
                    .arg(NumberText(all.PracticeCount));

    if (!isValidOleDate(practice.time)) {
        info.damaged = true;
        return info;
    }
    if (!(practice.hits > 0) || !(practice.time > 0)) {
        info.accuracy = info.speed = QStringLiteral("-");
        return info;
    }
    info.accuracy = FormatNumber(100 - practice.misses / practice.hits * 100, u"###");
    const double minutes = PracticeMinutes(practice.time);
    info.speed = minutes > 0 ? FormatNumber(practice.chars / minutes, u"###.#") : QStringLiteral("-");
    // "###.#" leaves a bare point behind a whole number ("104."); it reads as a typo.
    if (info.speed.endsWith(u'.'))
        info.speed.chop(1);
    return info;
}

}  // namespace zr
