#include "practice/TextProblems.h"

#include "platform/Cp932.h"

#include <algorithm>

namespace zr {
namespace {

bool isTerminator(QChar c)
{
    return QStringView(u"。！？!?").contains(c);
}

bool isOpening(QChar c)
{
    return QStringView(u"「『（(【〔［[").contains(c);
}

bool isClosing(QChar c)
{
    return QStringView(u"」』）)】〕］]").contains(c);
}

bool isComma(QChar c)
{
    return QStringView(u"、，,").contains(c);
}

bool isBlank(QChar c)
{
    return c.isSpace();
}

// The span without the blanks at its ends; empty when nothing else is in it.
std::optional<TextSpan> trimmed(QStringView text, int start, int end)
{
    while (start < end && isBlank(text[start]))
        ++start;
    while (end > start && isBlank(text[end - 1]))
        --end;
    if (start == end)
        return std::nullopt;
    return TextSpan{start, end - start};
}

// What a piece of a line reads as, from the parts that begin in it, and its unknown words.
void fillFromParts(DraftItem &item, const LineReading &reading, int start, int end)
{
    qsizetype unknownIndex = 0;
    for (const ReadingPart &part : reading.parts) {
        const bool inside = part.start >= start && part.start < end;
        if (!part.known) {
            if (inside && unknownIndex < reading.unknown.size())
                item.unknown.append(reading.unknown[unknownIndex]);
            ++unknownIndex;
        }
        if (inside)
            item.reading += part.known ? part.reading : u'[' + part.reading + u']';
    }
}

}  // namespace

QList<TextSpan> SplitSentences(QStringView line)
{
    QList<TextSpan> spans;
    const int n = int(line.size());
    int start = 0, depth = 0;
    auto end = [&](int after) {
        if (auto s = trimmed(line, start, after))
            spans.append(*s);
        start = after;
    };
    for (int i = 0; i < n; ++i) {
        const QChar c = line[i];
        if (isOpening(c)) {
            ++depth;
        } else if (isClosing(c)) {
            depth = std::max(0, depth - 1);
            // 「行こう。」 ends a sentence unless a quotation goes on: 「行こう。」と言った.
            const bool quoting = i + 1 < n && (line[i + 1] == u'と' || line[i + 1] == u'っ');
            if (depth == 0 && i > 0 && isTerminator(line[i - 1]) && !quoting)
                end(i + 1);
        } else if (depth == 0 && isTerminator(c)) {
            int j = i + 1;
            while (j < n && (isTerminator(line[j]) || isClosing(line[j])))
                ++j;
            end(j);
            i = j - 1;
        }
    }
    end(n);
    return spans;
}

QList<TextSpan> SplitWideSentence(QStringView sentence, const QList<int> &wordStarts, int maxBytes)
{
    const int n = int(sentence.size());
    // Bytes before each position.
    QList<int> bytes(n + 1, 0);
    for (int i = 0; i < n; ++i) {
        const bool pair = sentence[i].isHighSurrogate() && i + 1 < n;
        const int w = AnsiByteLength(sentence.mid(i, pair ? 2 : 1).toString());
        bytes[i + 1] = bytes[i] + w;
        if (pair) {
            bytes[i + 2] = bytes[i + 1];
            ++i;
        }
    }
    QList<int> cuts;
    for (int w : wordStarts) {
        if (w > 0 && w < n)
            cuts.append(w);
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());

    QList<TextSpan> pieces;
    int start = 0;
    while (bytes[n] - bytes[start] > maxBytes) {
        int atComma = -1, atWord = -1, first = -1;
        for (int c : cuts) {
            if (c <= start)
                continue;
            if (first < 0)
                first = c;
            if (bytes[c] - bytes[start] > maxBytes)
                break;
            atWord = c;
            if (isComma(sentence[c - 1]))
                atComma = c;
        }
        const int cut = atComma > 0 ? atComma : atWord > 0 ? atWord : first;
        if (cut < 0)
            break;
        if (auto s = trimmed(sentence, start, cut))
            pieces.append(*s);
        start = cut;
    }
    if (auto s = trimmed(sentence, start, n))
        pieces.append(*s);
    return pieces;
}

QList<DraftItem> DraftItems(QStringView text, ProblemKind kind, const ReadingAnalyser &analyser)
{
    QList<DraftItem> items;
    const QList<QStringView> lines = text.split(u'\n');
    if (kind == ProblemKind::Word) {
        for (qsizetype l = 0; l < lines.size(); ++l) {
            QStringView line = lines[l];
            if (line.endsWith(u'\r'))
                line.chop(1);
            const auto span = trimmed(line, 0, int(line.size()));
            if (!span)
                continue;
            DraftItem item;
            item.display = line.mid(span->start, span->length).toString();
            const LineReading reading = analyser.readLine(line, int(l + 1));
            fillFromParts(item, reading, 0, int(line.size()));
            items.append(item);
        }
        return items;
    }

    // Paragraphs end at blank lines; a text without any has a paragraph a line.
    bool blankLines = false;
    bool seenText = false;
    for (QStringView line : lines) {
        const bool blank = line.trimmed().isEmpty();
        blankLines |= blank && seenText;
        seenText |= !blank;
    }
    int problem = 0, linesInProblem = 0;
    auto nextProblem = [&] {
        if (linesInProblem > 0) {
            ++problem;
            linesInProblem = 0;
        }
    };
    for (qsizetype l = 0; l < lines.size(); ++l) {
        QStringView line = lines[l];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty()) {
            if (blankLines)
                nextProblem();
            continue;
        }
        // The whole line is read at once, so that every word is read in its context.
        const LineReading reading = analyser.readLine(line, int(l + 1));
        for (const TextSpan &sentence : SplitSentences(line)) {
            QList<int> starts;
            for (const ReadingPart &part : reading.parts) {
                if (part.start >= sentence.start && part.start < sentence.start + sentence.length)
                    starts.append(part.start - sentence.start);
            }
            const QStringView text = line.mid(sentence.start, sentence.length);
            for (const TextSpan &piece : SplitWideSentence(text, starts, kSentenceLineBytes)) {
                if (linesInProblem == SentenceSet::kLines)
                    nextProblem();
                DraftItem item;
                item.display = text.mid(piece.start, piece.length).toString();
                item.problem = problem;
                const int start = sentence.start + piece.start;
                fillFromParts(item, reading, start, start + piece.length);
                items.append(item);
                ++linesInProblem;
            }
        }
        if (!blankLines)
            nextProblem();
    }
    return items;
}

ProblemSource SourceOfDraft(const QString &title, const QString &description, const QList<DraftItem> &items)
{
    ProblemSource source;
    source.title = title.trimmed();
    QString text = description;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    source.description = text.trimmed().replace(u'\n', QStringLiteral("\r\n"));
    int problem = -1;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const DraftItem &item = items[i];
        if (source.problems.isEmpty() || item.problem != problem) {
            source.problems.append(QList<ProblemSource::Item>());
            problem = item.problem;
        }
        source.problems.last().append({item.display, item.reading, int(i + 1)});
    }
    return source;
}

QString ProblemFileNameFor(const QString &name, ProblemKind kind)
{
    const QString extension = kind == ProblemKind::Word ? QStringLiteral(".zrd") : QStringLiteral(".zrw");
    QString base = name.trimmed();
    if (base.endsWith(QStringLiteral(".zrd"), Qt::CaseInsensitive) || base.endsWith(QStringLiteral(".zrw"), Qt::CaseInsensitive))
        base.chop(4);
    QString out;
    for (const QChar c : base) {
        const bool bad = c.category() == QChar::Other_Control || c.isSpace() || QStringView(u"/\\:*?\"<>|").contains(c)
                         || c.isSurrogate() || fromAnsi(toAnsi(QString(c))) != QString(c);
        out.append(bad ? QChar(u'_') : c);
    }
    // No hidden file, no "." or "..".
    while (out.startsWith(u'.'))
        out.remove(0, 1);
    out.truncate(60);
    if (out.isEmpty() || std::all_of(out.begin(), out.end(), [](QChar c) { return c == u'_'; }))
        return {};
    return out + extension;
}

}  // namespace zr
