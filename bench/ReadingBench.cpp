// Readings of Japanese text: loading the dictionary, reading 10,000 characters of the
// shipped sentence sets' texts, turning them into problem items, and how the dialog that
// does it answers a key press while it holds such a text. Runs offscreen too.

#include "practice/TextProblems.h"
#include "reading/ReadingAnalyser.h"
#include "ui/problems/TextProblemFrm.h"
#include "userdata/ProblemFile.h"
#include "userdata/ZRSub.h"

#include "BenchSupport.h"

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace zr;
using namespace zr::bench;

namespace {

constexpr int kCharacters = 10'000;
constexpr int kRuns = 20;

// The shown lines of every shipped sentence set, over and over, cut at kCharacters.
QStringList sampleLines()
{
    QStringList texts;
    QDirIterator it(QStringLiteral(ZR_BENCH_APP_DIR "resource"), {QStringLiteral("*.zrw")});
    while (it.hasNext()) {
        const SentenceSet set = ReadSentenceSet(it.next());
        for (int p = 1; p <= SentenceSet::kProblems; ++p) {
            for (const ProblemItem &line : set.lines(p))
                texts.append(line.display);
        }
    }
    QStringList lines;
    int total = 0;
    for (int i = 0; total < kCharacters && !texts.isEmpty(); ++i) {
        QString line = texts[i % texts.size()];
        line.truncate(kCharacters - total);
        total += int(line.size());
        lines.append(line);
    }
    return lines;
}

template <typename Work>
std::vector<double> timed(Work &&work, int runs = kRuns)
{
    std::vector<double> ms;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer t;
        t.start();
        work();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return ms;
}

void report(const char *what, const std::vector<double> &ms)
{
    std::printf("%-52s median %7.2f ms  p90 %7.2f ms  max %7.2f ms\n", what, percentile(ms, 0.5),
                percentile(ms, 0.9), percentile(ms, 1.0));
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir data;
    ZRSub().DataDir = data.path() + u'/';

    QElapsedTimer load;
    load.start();
    const ReadingAnalyser &analyser = DefaultReadingAnalyser();
    const double loadMs = double(load.nsecsElapsed()) / 1e6;
    if (!analyser.ready()) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(analyser.problemInEnglish()));
        return 1;
    }
    std::printf("%-52s %8.2f ms\n", "loading the dictionary", loadMs);

    const QStringList lines = sampleLines();
    const QString text = lines.join(u'\n');
    std::printf("text: %d characters in %d lines\n", int(text.size() - (lines.size() - 1)), int(lines.size()));
    int parts = 0;
    report("reading 10,000 characters, line by line", timed([&] {
               for (qsizetype i = 0; i < lines.size(); ++i)
                   parts += int(analyser.readLine(lines[i], int(i + 1)).parts.size());
           }));
    report("reading 10,000 characters as one line", timed([&] {
               parts += int(analyser.readLine(lines.join(QString())).parts.size());
           }));
    report("10,000 characters to sentence-set items", timed([&] {
               parts += int(DraftItems(text, ProblemKind::Sentence, analyser).size());
           }));

    // The dialog with the text in it: each key press into the text, to the end of its
    // handling (the reading runs on another thread), and the time until the table shows
    // the new readings after the last key.
    TextProblemFrm dialog;
    dialog.show();
    auto *source = dialog.findChild<QPlainTextEdit *>(QStringLiteral("SourceText"));
    {
        QSignalSpy shown(&dialog, &TextProblemFrm::itemsShown);
        source->setPlainText(text);
        shown.wait(30000);
    }
    source->setFocus();
    source->moveCursor(QTextCursor::End);
    std::vector<double> keys;
    QSignalSpy shown(&dialog, &TextProblemFrm::itemsShown);
    QElapsedTimer sinceLast;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer t;
        t.start();
        press(source, i % 20 == 19 ? QChar(u'。') : QChar(u'あ'));
        QCoreApplication::processEvents();
        keys.push_back(double(t.nsecsElapsed()) / 1e6);
        sinceLast.start();
    }
    report("a key press in the dialog holding 10,000 characters", keys);
    // Until the table shows the new readings: the longest the event loop was held at once
    // (filling the table is the only part on the window's thread).
    shown.clear();
    double longest = 0;
    while (shown.isEmpty() && sinceLast.elapsed() < 30000) {
        QElapsedTimer t;
        t.start();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        longest = std::max(longest, double(t.nsecsElapsed()) / 1e6);
        QThread::usleep(200);
    }
    std::printf("%-52s %8.2f ms\n", "last key to the table read again (250 ms pause incl.)",
                double(sinceLast.nsecsElapsed()) / 1e6);
    std::printf("%-52s %8.2f ms\n", "  longest the window's thread was busy meanwhile", longest);
    return parts > 0 ? 0 : 1;
}
