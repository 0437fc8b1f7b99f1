#include "results/TrainingResult.h"

#include "keyboard/KeyboardModel.h"
#include "platform/Cp932.h"
#include "platform/Format.h"

#include <cmath>
#include <limits>

#include <QCoreApplication>

namespace zr {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kIndent = QStringLiteral(u"　");
const QString kHomePositionKeys = QStringLiteral(u"asdfjkl;ﾁﾄｼﾊﾏﾉﾘﾚ");
const QString kDifference = QStringLiteral(u"+##0.0;-##0.0;+-0");

QString paragraph(const QString &text)
{
    return kIndent + text + kCrLf;
}

}  // namespace

GradeThresholds ThresholdsForLevel(PassLevel level)
{
    switch (level) {
    case PassLevel::Easy: return {85, 75};
    case PassLevel::Standard: return {90, 85};
    default: return {95, 90};
    }
}

GradeThresholds ThresholdsForLevel(const QString &Level)
{
    if (Level == u"1")
        return ThresholdsForLevel(PassLevel::Easy);
    if (Level == u"2")
        return ThresholdsForLevel(PassLevel::Standard);
    return ThresholdsForLevel(PassLevel::Strict);
}

int PictureCodeOfClass(int keyClass)
{
    switch (keyClass) {
    case NoMissKey: return BlueKey;
    case GoodKey: return NextKey;
    case PracticeKey: return YellowPicture;
    case FailedKey: return PressedKey;
    default: return 0;
    }
}

TrainingGrade GradeKeys(const KeyStats &stats, GradeThresholds t, int lesson)
{
    TrainingGrade grade;
    for (int code = KeyStats::kFirstCode; code <= KeyStats::kLastCode; ++code) {
        const KeyStat *s = stats.at(code);
        if (!s || s->hits <= 0)
            continue;
        const double x = s->hits;
        const double y = s->misses;
        grade.hits += x;
        grade.misses += y;
        KeyResult row;
        row.key = charFromAnsiKeyCode(code);
        row.name = QString(row.key.toUpper());
        row.hits = x;
        row.misses = y;
        // Round half to even, as the Long conversion does.
        row.accuracy = qint32(std::nearbyint(100.0 - y / x * 100.0));
        const double a = row.accuracy;
        if (a == 100) {
            row.keyClass = NoMissKey;
        } else if (a >= t.ScGreen) {
            row.keyClass = GoodKey;
        } else if (a >= t.ScYellow || x < 10) {
            row.keyClass = PracticeKey;
        } else {
            row.keyClass = FailedKey;
            grade.Passed = false;
        }
        if ((row.keyClass == PracticeKey || row.keyClass == FailedKey) && lesson > 3
            && kHomePositionKeys.contains(row.key))
            grade.weakHomeKeys += 1;
        grade.rows.append(row);
    }
    return grade;
}

QString AdviceKeyName(QChar key)
{
    if (key == u' ')
        return QCoreApplication::translate("TrainingResult", "【 スペース 】");
    const QString upper(key.toUpper());
    return QStringLiteral(u"【 ") + ToWideHiragana(upper) + QStringLiteral(u" 】");
}

Advice TrainingAdvice(const TrainingGrade &grade, const QString &TargetKey, int lesson, int LessonProgress)
{
    Advice advice;
    QString &text = advice.text;

    QString lists[3];
    for (const KeyResult &row : grade.rows) {
        if (row.keyClass <= PracticeKey && TargetKey.contains(row.key))
            lists[row.keyClass - 1] += AdviceKeyName(row.key);
    }
    if (!lists[0].isEmpty())
        text += paragraph(QCoreApplication::translate("TrainingResult", "%1キーにミスタイプはありません！素晴らしい成績です。").arg(lists[0]));
    if (!lists[1].isEmpty())
        text += paragraph(QCoreApplication::translate("TrainingResult", "%1キーの正解率は、十分満足できる成績です。").arg(lists[1]));
    if (!lists[2].isEmpty())
        text += paragraph(QCoreApplication::translate("TrainingResult", "%1キーの正解率は合格圏内ですが、もう少しミスタイプを減らすように練習することをお勧めします。")
                               .arg(lists[2]));

    if (lesson == LessonProgress) {
        if (grade.Passed) {
            text += kCrLf;
            //: %1 is the Chapter's number after a blank (" 5").
            text += paragraph(QCoreApplication::translate("TrainingResult", "おめでとうございます！Chapter %1は合格しました。").arg(NumberText(lesson)));
            text += paragraph(QCoreApplication::translate("TrainingResult", "メインメニューから次の Chapter に進むことができます｡ "));
            advice.caption = ResultCaption::Passed;
        } else {
            // The keys graded as failed, by the Level's own threshold: a key the
            // paragraphs above call good enough is never named here.
            QString failed;
            for (const KeyResult &row : grade.rows) {
                if (row.keyClass == FailedKey)
                    failed += AdviceKeyName(row.key);
            }
            text += paragraph(QCoreApplication::translate("TrainingResult", "%1キーの正解率が良くないため、不合格となります。").arg(failed));
            advice.caption = ResultCaption::Failed;
        }
    }

    if (grade.weakHomeKeys > 1) {
        text += kCrLf;
        text += paragraph(QCoreApplication::translate("TrainingResult", "ホームポジション上のキーの正解率が良くありません。次の練習からはホームポジションに指をきちんと乗せるように心がけましょう。"));
        text += paragraph(QCoreApplication::translate("TrainingResult", "改善されないようならば、１文字入力するたびにきちんとホームポジションまで指を戻してみて下さい。入力速度は落ちますが、誤打は減るはずです。"));
    }
    return advice;
}

double RunAccuracy(double hits, double misses)
{
    return Accuracy(hits, misses).value_or(0.0);
}

double RunSpeed(double chars, double duration)
{
    return Speed(chars, duration).value_or(0.0);
}

QString TargetSpeedJudgement(double TargetTime, double speed)
{
    const double d = speed > 0 ? TargetTime / speed : std::numeric_limits<double>::infinity();
    if (d > 1.2)
        return QCoreApplication::translate("TrainingResult", "入力速度が目標値に届いていません。もう少し今の Chapter を繰り返し練習することをお勧めします。");
    if (d > 1)
        return QCoreApplication::translate("TrainingResult", "入力速度が目標値におおむね届いています。この調子でがんばりましょう。");
    if (d >= 0.8)
        return QCoreApplication::translate("TrainingResult", "入力速度が目標値をクリアしました。");
    if (d >= 0.5)
        return QCoreApplication::translate("TrainingResult", "入力速度が目標値を大きくクリアすることができました。すばらしい成績です！");
    return QCoreApplication::translate("TrainingResult", "目標値を余裕でクリアしていますね。もうすこし目標を上げてみませんか？");
}

namespace {

QString lastPracticeDay(const ScoreRecord &before)
{
    if (!before.practised())
        return paragraph(QCoreApplication::translate("TrainingResult", "このレッスンは今回が初めての練習となります。"));
    //: A date pattern: yyyy the year, m and mm the month, d and dd the day, aaaa the
    //: weekday in Japanese; every other character is written as it is.
    const QString pattern = QCoreApplication::translate("TrainingResult", "yyyy年m月d日(aaaa)");
    return paragraph(QCoreApplication::translate("TrainingResult", "前回の練習日は、%1です。").arg(FormatDate(before.DayDate[0], pattern)));
}

}  // namespace

QString PracticeScoreAddText(const ScoreRecord &before, double CCh, double TTime, double hits, double misses)
{
    return kCrLf + lastPracticeDay(before)
           + paragraph(QCoreApplication::translate("TrainingResult", "今回の正解率は %1%、入力速度は %2字/分でした。")
                           .arg(FormatNumber(RunAccuracy(hits, misses), u"###;###;0"),
                                FormatNumber(RunSpeed(CCh, TTime), u"##0.0")));
}

TrainingGrade GradePracticeKeys(const KeyStats &stats)
{
    // Chapter 0 counts no weak home keys, and nothing reads Passed.
    return GradeKeys(stats, GradeThresholds{95, 90}, 0);
}

QString ScoreAddText(const ScoreRecord &before, double CCh, double TTime, double hits, double misses,
                     int TargetTime)
{
    const double acc = RunAccuracy(hits, misses);
    const double spd = RunSpeed(CCh, TTime);
    QString text;
    if (before.practised()) {
        // Against the last practice day.
        const double previousAcc = EntryAccuracy(before, 1).value_or(0.0);
        const double previousSpd = EntrySpeed(before, 1).value_or(0.0);
        text = kCrLf + lastPracticeDay(before);
        //: %2 and %4 are the changes since the last practice day ("+1.5", "-2").
        text += paragraph(QCoreApplication::translate("TrainingResult", "今回の正解率は %1%(%2)、入力速度は %3字/分(%4)でした。")
                              .arg(FormatNumber(acc, u"###;###;0"), FormatNumber(acc - previousAcc, kDifference),
                                   FormatNumber(spd, u"##0.0"), FormatNumber(spd - previousSpd, kDifference)));
    } else {
        text = PracticeScoreAddText(before, CCh, TTime, hits, misses);
    }
    text += kCrLf;
    text += paragraph(QCoreApplication::translate("TrainingResult", "貴方の目標値は%1 字/分です。").arg(PlainNumberText(TargetTime)));
    text += kIndent + TargetSpeedJudgement(TargetTime, spd) + kCrLf;
    return text;
}

int ProgressAfterResult(int lesson, int LessonProgress, bool Passed, int ChapterCount)
{
    if (lesson == LessonProgress && Passed && lesson < ChapterCount)
        return LessonProgress + 1;
    return LessonProgress;
}

}  // namespace zr
