#include "platform/IniFile.h"

#include "platform/BinaryIO.h"
#include "platform/Cp932.h"

#include <QFileInfo>
#include <QList>

#include <algorithm>
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

// The lines of a settings file; a missing file has none. Nothing when the file exists
// but could not be read whole (no permission, a folder, a device, over the size limit):
// such a file must not be taken for an empty one, or a write would replace it.
std::optional<QList<Line>> readLines(const QString &path, QString *error = nullptr)
{
    QList<Line> lines;
    if (!QFileInfo::exists(path))
        return lines;
    QString why;
    const std::optional<QByteArray> read = readFileBounded(path, kMaxIniFileBytes, &why);
    if (!read) {
        if (error)
            *error = QStringLiteral("設定ファイル") + why;
        return std::nullopt;
    }
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

bool hasControl(QStringView text)
{
    for (QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return true;
    }
    return false;
}

// Why a section or key name cannot be written, or nothing when it can. A name must keep
// to its own line and read back as itself: no control characters, no "]" in a section
// name, no "=" in a key name and no key that would read as a section header.
QString badName(const QString &section, const QString &key)
{
    if (section.trimmed().isEmpty() || hasControl(section) || section.contains(u']'))
        return QStringLiteral("セクション名「%1」は設定ファイルに書けません。").arg(section.simplified());
    if (key.trimmed().isEmpty() || hasControl(key) || key.contains(u'=') || key.trimmed().startsWith(u'['))
        return QStringLiteral("キー名「%1」は設定ファイルに書けません。").arg(key.simplified());
    return {};
}

// A value stays on its line: every control character (line breaks above all) becomes
// a blank.
QString oneLine(const QString &value)
{
    QString clean = value;
    for (QChar &c : clean) {
        if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    return clean;
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
    for (const Line &line : readLines(file).value_or(QList<Line>())) {
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
                  const QString &file, QString *error)
{
    return SetIniStrings({{section, key, value}}, file, error);
}

namespace {

// One write into the lines; false when the key already holds the value.
bool applyEntry(QList<Line> &lines, const IniEntry &entry)
{
    const QString value = oneLine(entry.value);
    qsizetype sectionAt = -1;   // index of the section header
    qsizetype insertAt = -1;    // where a new key of the section goes
    qsizetype keyAt = -1;
    QString keySpelling = entry.key;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const ParsedLine p = parse(lines[i].text);
        if (p.kind == ParsedLine::Section) {
            if (sectionAt >= 0)
                break;
            if (sameName(p.name, entry.section)) {
                sectionAt = i;
                insertAt = i + 1;
            }
        } else if (sectionAt >= 0) {
            if (p.kind == ParsedLine::Key && sameName(p.name, entry.key)) {
                keyAt = i;
                keySpelling = p.name;
                break;
            }
            if (!lines[i].text.trimmed().isEmpty())
                insertAt = i + 1;
        }
    }

    if (keyAt >= 0 && parse(lines[keyAt].text).value == value)
        return false;

    const QString text = keySpelling + u'=' + value;
    const Line newLine{toAnsi(text), text};
    if (keyAt >= 0) {
        lines[keyAt] = newLine;
    } else if (sectionAt >= 0) {
        lines.insert(insertAt, newLine);
    } else {
        const QString header = u'[' + entry.section + u']';
        lines.append({toAnsi(header), header});
        lines.append(newLine);
    }
    return true;
}

}  // namespace

bool SetIniStrings(const QList<IniEntry> &entries, const QString &file, QString *error)
{
    for (const IniEntry &entry : entries) {
        if (const QString why = badName(entry.section, entry.key); !why.isEmpty()) {
            if (error)
                *error = why;
            return false;
        }
    }
    std::optional<QList<Line>> read = readLines(file, error);
    if (!read)
        return false;
    QList<Line> &lines = *read;
    const QList<Line> before = lines;
    bool changed = false;
    for (const IniEntry &entry : entries)
        changed = applyEntry(lines, entry) || changed;
    // Writing what the file already says changes nothing; the file is left alone.
    const auto sameLines = [&] {
        return std::equal(lines.begin(), lines.end(), before.begin(), before.end(),
                          [](const Line &a, const Line &b) { return a.raw == b.raw; });
    };
    if (!changed || sameLines())
        return true;

    QByteArray data;
    for (const Line &line : lines) {
        data.append(line.raw);
        data.append("\r\n");
    }
    return writeFileAtomically(file, data, error);
}

}  // namespace zr
