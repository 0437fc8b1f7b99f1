// Benchmarks of the engine's hot paths: converting a whole word list with RmjChk (what
// a practice screen does before its first screen) and folding practice runs into
// score records.

#include "engine/RmjChk.h"
#include "keyboard/KeyboardModel.h"
#include "keyboard/LessonTable.h"
#include "practice/ProblemFile.h"
#include "results/ScoreUpdate.h"

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

void BM_RmjChk2000Words(benchmark::State &state)
{
    const RomajiTable table = loadTable(QStringLiteral("DefRmj.tbl"));
    for (auto _ : state) {
        int units = 0;
        for (const ProblemItem &w : words())
            units += ConvertWord(w.reading, u"", u"", 1, RomajiCourse, table).result;
        benchmark::DoNotOptimize(units);
    }
    state.SetItemsProcessed(state.iterations() * 2000);
}
BENCHMARK(BM_RmjChk2000Words)->Unit(benchmark::kMillisecond);

void BM_RmjChk2000WordsFiltered(benchmark::State &state)
{
    const RomajiTable table = loadTable(QStringLiteral("DefRmj.tbl"));
    QString error;
    const ChapterTable chapters(*ReadLessonTable(kResources + QStringLiteral("/lessonRmj.tbl"), &error));
    const Chapter &c = chapters.chapter(std::min(6, chapters.ChapterCount()));
    for (auto _ : state) {
        int accepted = 0;
        for (const ProblemItem &w : words())
            accepted += ConvertWord(w.reading, c.UseKey, c.TargetKey, 0, RomajiCourse, table).result > 0;
        benchmark::DoNotOptimize(accepted);
    }
    state.SetItemsProcessed(state.iterations() * 2000);
}
BENCHMARK(BM_RmjChk2000WordsFiltered)->Unit(benchmark::kMillisecond);

void BM_RmjChk2000WordsKana(benchmark::State &state)
{
    const RomajiTable table = loadTable(QStringLiteral("DefKana.tbl"));
    for (auto _ : state) {
        int units = 0;
        for (const ProblemItem &w : words())
            units += ConvertWord(w.reading, u"", u"", 1, KanaCourse, table).result;
        benchmark::DoNotOptimize(units);
    }
    state.SetItemsProcessed(state.iterations() * 2000);
}
BENCHMARK(BM_RmjChk2000WordsKana)->Unit(benchmark::kMillisecond);

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
