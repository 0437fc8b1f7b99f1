#include "practice/ProblemSource.h"

#include "platform/Cp932.h"

namespace zr {
namespace {

// Problem files hold code page 932 text; a character it lacks would be lost.
bool encodable(const QString &text)
{
    return fromAnsi(toAnsi(text)) == text;
}

const QString kNotEncodable = QStringLiteral("a character has no code page 932 form");

}  // namespace

std::variant<ProblemSource, SourceError> ParseProblemSource(QStringView text, ProblemKind kind)
{
    ProblemSource source;
    source.problems.append(QList<ProblemSource::Item>());
    int number = 0;
    bool seenItem = false;
    bool hasDescription = false;
    for (QStringView raw : text.split(u'\n')) {
        ++number;
        if (raw.endsWith(u'\r'))
            raw.chop(1);
        if (raw.startsWith(u'#'))
            continue;
        if (raw.startsWith(u'@')) {
            if (seenItem)
                return SourceError{number, QStringLiteral("header line after the items")};
            const qsizetype space = raw.indexOf(u' ');
            const QStringView name = space < 0 ? raw.mid(1) : raw.mid(1, space - 1);
            const QString value = space < 0 ? QString() : raw.mid(space + 1).trimmed().toString();
            if (!encodable(value))
                return SourceError{number, kNotEncodable};
            if (name == u"title") {
                source.title = value;
            } else if (name == u"description") {
                if (hasDescription)
                    source.description += QStringLiteral("\r\n");
                source.description += value;
                hasDescription = true;
            } else {
                return SourceError{number, QStringLiteral("unknown header @") + name.toString()};
            }
            continue;
        }
        if (raw.trimmed().isEmpty()) {
            if (kind == ProblemKind::Sentence && !source.problems.last().isEmpty())
                source.problems.append(QList<ProblemSource::Item>());
            continue;
        }
        const qsizetype tab = raw.indexOf(u'\t');
        if (tab >= 0 && raw.indexOf(u'\t', tab + 1) >= 0)
            return SourceError{number, QStringLiteral("expected the shown text, a TAB and the reading")};
        ProblemSource::Item item{(tab < 0 ? raw : raw.left(tab)).trimmed().toString(),
                                 tab < 0 ? QString() : raw.mid(tab + 1).trimmed().toString(), number};
        // A TAB promises a reading: an empty one is a mistake, not a request to read.
        if (item.display.isEmpty() || (tab >= 0 && item.reading.isEmpty()))
            return SourceError{number, QStringLiteral("the shown text or the reading is empty")};
        seenItem = true;
        source.problems.last().append(item);
    }
    if (source.problems.last().isEmpty())
        source.problems.removeLast();
    return source;
}

std::optional<SourceError> FillReadings(ProblemSource &source, const ReadingFill &fill, FillReport *report)
{
    FillReport local;
    FillReport &r = report ? *report : local;
    QList<int> unknownLines;
    for (QList<ProblemSource::Item> &problem : source.problems) {
        for (ProblemSource::Item &item : problem) {
            if (!item.reading.isEmpty())
                continue;
            if (!fill.analyser)
                return SourceError{item.line, QStringLiteral("no reading (the text, a TAB and its reading)")};
            if (!fill.analyser->ready())
                return SourceError{item.line, QStringLiteral("no reading, and none can be made: ")
                                                  + fill.analyser->problemInEnglish()};
            const LineReading reading = fill.analyser->readLine(item.display, item.line);
            if (reading.complete()) {
                item.reading = reading.reading();
                continue;
            }
            r.unknown += reading.unknown;
            unknownLines.append(item.line);
        }
    }
    if (unknownLines.isEmpty())
        return std::nullopt;
    if (!fill.skipUnknown)
        return SourceError{0, QStringLiteral("%1 line(s) hold words without a known reading").arg(unknownLines.size())};
    // Left out: the items still without a reading, and problems they leave empty.
    for (QList<ProblemSource::Item> &problem : source.problems)
        problem.removeIf([](const ProblemSource::Item &item) { return item.reading.isEmpty(); });
    source.problems.removeIf([](const QList<ProblemSource::Item> &problem) { return problem.isEmpty(); });
    r.skippedLines = unknownLines;
    return std::nullopt;
}

namespace {

std::optional<SourceError> checkItem(const ProblemSource::Item &item)
{
    if (item.display.isEmpty() || item.reading.isEmpty())
        return SourceError{item.line, QStringLiteral("the shown text or the reading is empty")};
    if (!encodable(item.display) || !encodable(item.reading))
        return SourceError{item.line, kNotEncodable};
    return std::nullopt;
}

ProblemItem itemOf(const ProblemSource::Item &item)
{
    return {item.display, item.reading};
}

}  // namespace

std::variant<WordDictionary, SourceError> MakeWordDictionary(const ProblemSource &source)
{
    if (!encodable(source.title) || !encodable(source.description))
        return SourceError{0, kNotEncodable + QStringLiteral(" in the title or the description")};
    WordDictionary d;
    d.title = source.title;
    d.description = source.description;
    d.entries.resize(WordDictionary::kEntries);
    int count = 0;
    for (const QList<ProblemSource::Item> &problem : source.problems) {
        for (const ProblemSource::Item &item : problem) {
            if (auto e = checkItem(item))
                return *e;
            if (count == WordDictionary::kMaxWords)
                return SourceError{item.line, QStringLiteral("more than 2000 words")};
            d.entries[count++] = itemOf(item);
        }
    }
    if (count == 0)
        return SourceError{0, QStringLiteral("no words")};
    return d;
}

std::variant<SentenceSet, SourceError> MakeSentenceSet(const ProblemSource &source)
{
    if (!encodable(source.title) || !encodable(source.description))
        return SourceError{0, kNotEncodable + QStringLiteral(" in the title or the description")};
    SentenceSet s;
    s.title = source.title;
    s.description = source.description;
    int p = 0;
    for (const QList<ProblemSource::Item> &problem : source.problems) {
        if (problem.isEmpty())
            continue;
        for (int line = 0; line < problem.size(); ++line) {
            const ProblemSource::Item &item = problem[line];
            if (auto e = checkItem(item))
                return *e;
            if (p == SentenceSet::kProblems)
                return SourceError{item.line, QStringLiteral("more than 20 problems")};
            if (line == SentenceSet::kLines)
                return SourceError{item.line, QStringLiteral("a problem has more than 21 lines")};
            s.problems[size_t(p)][size_t(line)] = itemOf(item);
        }
        ++p;
    }
    if (p == 0)
        return SourceError{0, QStringLiteral("no problems")};
    return s;
}

namespace {

template <typename Record>
std::variant<Record, SourceError> parseFilled(QStringView text, ProblemKind kind,
                                              std::variant<Record, SourceError> (*make)(const ProblemSource &))
{
    auto parsed = ParseProblemSource(text, kind);
    if (const SourceError *e = std::get_if<SourceError>(&parsed))
        return *e;
    ProblemSource &source = std::get<ProblemSource>(parsed);
    if (auto e = FillReadings(source, {}, nullptr))
        return *e;
    return make(source);
}

}  // namespace

std::variant<WordDictionary, SourceError> ParseWordSource(QStringView text)
{
    return parseFilled<WordDictionary>(text, ProblemKind::Word, MakeWordDictionary);
}

std::variant<SentenceSet, SourceError> ParseSentenceSource(QStringView text)
{
    return parseFilled<SentenceSet>(text, ProblemKind::Sentence, MakeSentenceSet);
}

BuildResult BuildProblemFile(ProblemSource source, ProblemKind kind, const ReadingFill &fill, const QString &path)
{
    BuildResult result;
    if ((result.error = FillReadings(source, fill, &result.report)))
        return result;
    if (kind == ProblemKind::Word) {
        auto made = MakeWordDictionary(source);
        if (const SourceError *e = std::get_if<SourceError>(&made))
            result.error = *e;
        else if (!WriteWordDictionary(path, std::get<WordDictionary>(made), &result.writeError) && result.writeError.isEmpty())
            result.writeError = QStringLiteral("cannot write the file");
    } else {
        auto made = MakeSentenceSet(source);
        if (const SourceError *e = std::get_if<SourceError>(&made))
            result.error = *e;
        else if (!WriteSentenceSet(path, std::get<SentenceSet>(made), &result.writeError) && result.writeError.isEmpty())
            result.writeError = QStringLiteral("cannot write the file");
    }
    return result;
}

}  // namespace zr
