// Benchmarks of the engine's hot paths: converting a whole word list with RmjChk (what
// a practice screen does before its first screen) and folding practice runs into
// score records.

#include "engine/RmjChk.h"
#include "keyboard/KeyboardModel.h"
#include "keyboard/LessonTable.h"
#include "userdata/ProblemFile.h"
#include "userdata/ScoreUpdate.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

using namespace zr;

namespace {

const QString kResources = QStringLiteral(ZR_BENCH_RESOURCE_DIR);

RomajiTable loadTable(const QString &file)
{
    QString error;
    const auto entries = ReadDefaultTable(kResources + u'/' + file, &error);
    if (!entries)
        throw std::runtime_error(error.toStdString());
    RomajiTable t;
    t.load(*entries);
    return t;
}

// The 2000 words of the drill dictionary, padded by repetition should it hold fewer.
const QList<ProblemItem> &words()
{
    static const QList<ProblemItem> list = [] {
        const QList<ProblemItem> dictionary = ReadWordDictionary(kResources + QStringLiteral("/zr.zrd")).words();
        if (dictionary.isEmpty())
            throw std::runtime_error("zr.zrd holds no words");
        QList<ProblemItem> out;
        while (out.size() < 2000)
            out.append(dictionary.mid(0, 2000 - out.size()));
        return out;
    }();
    return list;
}

// Converts the whole list: with the filter of a mid-course Chapter (as the drill does)
// or without it (as word practice does), in either course.
void BM_RmjChk2000Words(benchmark::State &state, int course, bool filtered)
{
    const RomajiTable table = loadTable(course == KanaCourse ? QStringLiteral("DefKana.tbl")
                                                             : QStringLiteral("DefRmj.tbl"));
    QString error;
    const QString lessons = course == KanaCourse ? QStringLiteral("/lessonKana.tbl") : QStringLiteral("/lessonRmj.tbl");
    const ChapterTable chapters(ReadLessonTable(kResources + lessons, &error).value_or(QStringList{"a"}));
    const Chapter &c = chapters.chapter(std::min(6, chapters.ChapterCount()));
    for (auto _ : state) {
        int accepted = 0;
        for (const ProblemItem &w : words())
            accepted += ConvertWord(w.reading, c.UseKey, c.TargetKey, filtered ? 0 : 1, course, table).result > 0;
        benchmark::DoNotOptimize(accepted);
    }
    state.SetItemsProcessed(state.iterations() * 2000);
}
BENCHMARK_CAPTURE(BM_RmjChk2000Words, romaji, RomajiCourse, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RmjChk2000Words, romaji_filtered, RomajiCourse, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RmjChk2000Words, kana, KanaCourse, false)->Unit(benchmark::kMillisecond);

void BM_ScoreUpdate1000(benchmark::State &state)
{
    UserRecord user;
    for (auto _ : state) {
        // Spread over Chapters, slots and days so that updates also shift histories.
        for (int i = 0; i < 1000; ++i) {
            if (i % 2)
                ScoreUpdate(user, ScoreBlock::Training, 1 + i % 70, 120, 130, 4, 0.0017, 46364 + i / 70);
            else
                ScoreUpdate(user, ScoreBlock::Word, 1 + i % 10, 120, 130, 4, 0.0017, 46364 + i / 10);
        }
        benchmark::DoNotOptimize(user.TotalPracticeTime);
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_ScoreUpdate1000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
