#include "platform/IniFile.h"

#include "platform/BinaryIO.h"
#include "platform/Cp932.h"

#include <QFileInfo>
#include <QList>

#include <optional>

namespace zr {
namespace {

struct Line {
    QByteArray raw;      // the line as stored, without its line break
    QString text;        // decoded, for matching names
};

struct ParsedLine {
    enum Kind { Other, Section, Key } kind = Other;
    QString name;   // section or key name
    QString value;  // key value
};

// unreadable tells whether something stands at path that could not be read whole.
QList<Line> readLines(const QString &path, bool *unreadable = nullptr)
{
    QList<Line> lines;
    const std::optional<QByteArray> read = readFileBounded(path, kMaxIniFileBytes, nullptr);
    if (unreadable)
        *unreadable = !read && (QFileInfo::exists(path) || QFileInfo(path).isSymLink());
    if (!read)
        return lines;
    const QByteArray &data = *read;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        QByteArray raw = data.mid(start, end - start);
        if (raw.endsWith('\r'))
            raw.chop(1);
        lines.append({raw, fromAnsi(raw)});
        start = end + 1;
    }
    return lines;
}

ParsedLine parse(const QString &text)
{
    const QString t = text.trimmed();
    if (t.startsWith(u'[')) {
        const qsizetype close = t.indexOf(u']');
        if (close > 0)
            return {ParsedLine::Section, t.mid(1, close - 1).trimmed(), {}};
    }
    const qsizetype eq = t.indexOf(u'=');
    if (eq > 0) {
        QString value = t.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
            value = value.mid(1, value.size() - 2);
        return {ParsedLine::Key, t.left(eq).trimmed(), value};
    }
    return {};
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Cuts text to at most maxBytes bytes of code page 932 without splitting a character.
QString cutToBytes(const QString &text, int maxBytes)
{
    if (maxBytes <= 0)
        return {};
    if (AnsiByteLength(text) <= maxBytes)
        return text;
    int bytes = 0;
    qsizetype i = 0;
    for (; i < text.size(); ++i) {
        const int len = AnsiByteLength(QStringView(text).mid(i, 1));
        if (bytes + len > maxBytes)
            break;
        bytes += len;
    }
    return text.left(i);
}

}  // namespace

int GetIniString(const QString &section, const QString &key, const QString &defaultValue,
                 QString &value, int bufferSize, const QString &file)
{
    std::optional<QString> found;
    bool inSection = false;
    for (const Line &line : readLines(file)) {
        const ParsedLine p = parse(line.text);
        if (p.kind == ParsedLine::Section) {
            if (inSection)
                break;
            inSection = sameName(p.name, section);
        } else if (inSection && p.kind == ParsedLine::Key && sameName(p.name, key)) {
            found = p.value;
            break;
        }
    }
    value = cutToBytes(found.value_or(defaultValue), bufferSize - 1);
    return AnsiByteLength(value);
}

bool SetIniString(const QString &section, const QString &key, const QString &value,
                  const QString &file)
{
    bool unreadable = false;
    QList<Line> lines = readLines(file, &unreadable);
    // What cannot be read (too large, a folder, a device) is not replaced by a file
    // holding only this one key.
    if (unreadable)
        return false;

    qsizetype sectionAt = -1;   // index of the section header
    qsizetype insertAt = -1;    // where a new key of the section goes
    qsizetype keyAt = -1;
    QString keySpelling = key;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const ParsedLine p = parse(lines[i].text);
        if (p.kind == ParsedLine::Section) {
            if (sectionAt >= 0)
                break;
            if (sameName(p.name, section)) {
                sectionAt = i;
                insertAt = i + 1;
            }
        } else if (sectionAt >= 0) {
            if (p.kind == ParsedLine::Key && sameName(p.name, key)) {
                keyAt = i;
                keySpelling = p.name;
                break;
            }
            if (!lines[i].text.trimmed().isEmpty())
                insertAt = i + 1;
        }
    }

    // Writing what the file already says changes nothing; the file is left alone.
    if (keyAt >= 0 && parse(lines[keyAt].text).value == value)
        return true;

    const QString entry = keySpelling + u'=' + value;
    const Line newLine{toAnsi(entry), entry};
    if (keyAt >= 0) {
        lines[keyAt] = newLine;
    } else if (sectionAt >= 0) {
        lines.insert(insertAt, newLine);
    } else {
        const QString header = u'[' + section + u']';
        lines.append({toAnsi(header), header});
        lines.append(newLine);
    }

    QByteArray data;
    for (const Line &line : lines) {
        data.append(line.raw);
        data.append("\r\n");
    }
    return writeFileAtomically(file, data, nullptr);
}

}  // namespace zr
