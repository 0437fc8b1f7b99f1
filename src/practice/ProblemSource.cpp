#include "practice/ProblemSource.h"

#include "platform/Cp932.h"

#include <optional>

namespace zr {
namespace {

// Problem files hold code page 932 text; a character it lacks would be lost.
bool encodable(const QString &text)
{
    return fromAnsi(toAnsi(text)) == text;
}

const QString kNotEncodable = QStringLiteral("a character has no code page 932 form");

struct SourceLine {
    int number;
    QStringView text;
};

// Walks the source: header lines fill title and description, item lines and blank
// lines go to the callbacks. Returns an error or nothing.
template <typename OnItem, typename OnBlank>
std::optional<SourceError> walk(QStringView text, QString &title, QString &description,
                                OnItem &&onItem, OnBlank &&onBlank)
{
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
                title = value;
            } else if (name == u"description") {
                if (hasDescription)
                    description += QStringLiteral("\r\n");
                description += value;
                hasDescription = true;
            } else {
                return SourceError{number, QStringLiteral("unknown header @") + name.toString()};
            }
            continue;
        }
        if (raw.trimmed().isEmpty()) {
            onBlank();
            continue;
        }
        const qsizetype tab = raw.indexOf(u'\t');
        if (tab < 0 || raw.indexOf(u'\t', tab + 1) >= 0)
            return SourceError{number, QStringLiteral("expected the shown text, a TAB and the reading")};
        const ProblemItem item{raw.left(tab).trimmed().toString(), raw.mid(tab + 1).trimmed().toString()};
        if (item.display.isEmpty() || item.reading.isEmpty())
            return SourceError{number, QStringLiteral("the shown text or the reading is empty")};
        if (!encodable(item.display) || !encodable(item.reading))
            return SourceError{number, kNotEncodable};
        seenItem = true;
        if (std::optional<SourceError> e = onItem(item, number))
            return e;
    }
    return std::nullopt;
}

}  // namespace

std::variant<WordDictionary, SourceError> ParseWordSource(QStringView text)
{
    WordDictionary d;
    d.entries.resize(WordDictionary::kEntries);
    int count = 0;
    auto onItem = [&](const ProblemItem &item, int line) -> std::optional<SourceError> {
        if (count == WordDictionary::kMaxWords)
            return SourceError{line, QStringLiteral("more than 2000 words")};
        d.entries[count++] = item;
        return std::nullopt;
    };
    if (auto e = walk(text, d.title, d.description, onItem, [] {}))
        return *e;
    if (count == 0)
        return SourceError{0, QStringLiteral("no words")};
    return d;
}

std::variant<SentenceSet, SourceError> ParseSentenceSource(QStringView text)
{
    SentenceSet s;
    int problem = 0;   // index of the problem being filled
    int line = 0;      // lines in it so far
    auto onItem = [&](const ProblemItem &item, int number) -> std::optional<SourceError> {
        if (problem == SentenceSet::kProblems)
            return SourceError{number, QStringLiteral("more than 20 problems")};
        if (line == SentenceSet::kLines)
            return SourceError{number, QStringLiteral("a problem has more than 21 lines")};
        s.problems[size_t(problem)][size_t(line++)] = item;
        return std::nullopt;
    };
    auto onBlank = [&] {
        if (line > 0) {
            ++problem;
            line = 0;
        }
    };
    if (auto e = walk(text, s.title, s.description, onItem, onBlank))
        return *e;
    if (problem == 0 && line == 0)
        return SourceError{0, QStringLiteral("no problems")};
    return s;
}

}  // namespace zr
