#include "platform/IniFile.h"

#include "platform/BinaryIO.h"
#include "platform/Cp932.h"

#include <QCoreApplication>
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

// The bytes of a settings file; a missing file has none. Nothing when the file exists
// but could not be read whole (no permission, a folder, a device, over the size limit):
// such a file must not be taken for an empty one, or a write would replace it.
std::optional<QByteArray> readBytes(const QString &path, QString *error = nullptr)
{
    if (!QFileInfo::exists(path))
        return QByteArray();
    QString why;
    std::optional<QByteArray> read = readFileBounded(path, kMaxIniFileBytes, &why);
    if (!read && error)
        *error = QCoreApplication::translate("IniFile", "設定ファイル%1").arg(why);
    return read;
}

// Calls visit with each line of the bytes, without its line break, until it returns
// false.
template <typename Visit>
void forEachLine(QByteArrayView data, Visit &&visit)
{
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        QByteArrayView raw = data.sliced(start, end - start);
        if (raw.endsWith('\r'))
            raw.chop(1);
        if (!visit(raw))
            return;
        start = end + 1;
    }
}

QList<Line> splitLines(QByteArrayView data)
{
    QList<Line> lines;
    forEachLine(data, [&](QByteArrayView raw) {
        lines.append({raw.toByteArray(), fromAnsi(raw)});
        return true;
    });
    return lines;
}

// A line's parts as views into its text, so that reading a key copies nothing but the
// value found.
struct LineParts {
    enum Kind { Other, Section, Key } kind = Other;
    QStringView name;    // section or key name
    QStringView value;   // key value
};

LineParts split(QStringView text)
{
    const QStringView t = text.trimmed();
    if (t.startsWith(u'[')) {
        const qsizetype close = t.indexOf(u']');
        if (close > 0)
            return {LineParts::Section, t.mid(1, close - 1).trimmed(), {}};
    }
    const qsizetype eq = t.indexOf(u'=');
    if (eq > 0) {
        QStringView value = t.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
            value = value.mid(1, value.size() - 2);
        return {LineParts::Key, t.left(eq).trimmed(), value};
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
        return QCoreApplication::translate("IniFile", "セクション名「%1」は設定ファイルに書けません。").arg(section.simplified());
    if (key.trimmed().isEmpty() || hasControl(key) || key.contains(u'=') || key.trimmed().startsWith(u'['))
        return QCoreApplication::translate("IniFile", "キー名「%1」は設定ファイルに書けません。").arg(key.simplified());
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

bool sameName(QStringView a, QStringView b)
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
    return GetIniStringInData(section, key, defaultValue, value, bufferSize,
                              readBytes(file).value_or(QByteArray()));
}

int GetIniStringInData(const QString &section, const QString &key, const QString &defaultValue,
                       QString &value, int bufferSize, QByteArrayView data)
{
    std::optional<QString> found;
    bool inSection = false;
    // Lines are decoded one at a time, up to the one that answers. Only a line holding a
    // '[' can start a section and only one holding a '=' can set a key; no other byte
    // of the code page decodes to either, so the other lines need no decoding.
    forEachLine(data, [&](QByteArrayView raw) {
        if (!raw.contains('[') && (!inSection || !raw.contains('=')))
            return true;
        const QString text = fromAnsi(raw);
        const LineParts p = split(text);
        if (p.kind == LineParts::Section) {
            if (inSection)
                return false;
            inSection = sameName(p.name, section);
        } else if (inSection && p.kind == LineParts::Key && sameName(p.name, key)) {
            found = p.value.toString();
            return false;
        }
        return true;
    });
    value = cutToBytes(found.value_or(defaultValue), bufferSize - 1);
    return AnsiByteLength(value);
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
        const LineParts p = split(lines[i].text);
        if (p.kind == LineParts::Section) {
            if (sectionAt >= 0)
                break;
            if (sameName(p.name, entry.section)) {
                sectionAt = i;
                insertAt = i + 1;
            }
        } else if (sectionAt >= 0) {
            if (p.kind == LineParts::Key && sameName(p.name, entry.key)) {
                keyAt = i;
                keySpelling = p.name.toString();
                break;
            }
            if (!QStringView(lines[i].text).trimmed().isEmpty())
                insertAt = i + 1;
        }
    }

    if (keyAt >= 0 && split(lines[keyAt].text).value == value)
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

std::optional<QByteArray> SetIniStringsInData(const QList<IniEntry> &entries, QByteArrayView data,
                                              QString *error)
{
    for (const IniEntry &entry : entries) {
        if (const QString why = badName(entry.section, entry.key); !why.isEmpty()) {
            if (error)
                *error = why;
            return std::nullopt;
        }
    }
    QList<Line> lines = splitLines(data);
    bool changed = false;
    for (const IniEntry &entry : entries)
        changed = applyEntry(lines, entry) || changed;
    if (!changed)
        return data.toByteArray();
    QByteArray out;
    for (const Line &line : lines) {
        out.append(line.raw);
        out.append("\r\n");
    }
    return out;
}

std::optional<QByteArray> SetIniStringInData(const QString &section, const QString &key,
                                             const QString &value, QByteArrayView data, QString *error)
{
    return SetIniStringsInData({{section, key, value}}, data, error);
}

bool SetIniStrings(const QList<IniEntry> &entries, const QString &file, QString *error)
{
    if (file.isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("IniFile", "書き込む設定ファイルがありません。");
        return false;
    }
    for (const IniEntry &entry : entries) {
        if (const QString why = badName(entry.section, entry.key); !why.isEmpty()) {
            if (error)
                *error = why;
            return false;
        }
    }
    const std::optional<QByteArray> read = readBytes(file, error);
    if (!read)
        return false;
    const std::optional<QByteArray> written = SetIniStringsInData(entries, *read, error);
    if (!written)
        return false;
    // Writing what the file already says changes nothing; the file is left alone.
    if (*written == *read)
        return true;
    return writeFileAtomically(file, *written, error);
}

bool SetIniString(const QString &section, const QString &key, const QString &value,
                  const QString &file, QString *error)
{
    return SetIniStrings({{section, key, value}}, file, error);
}

}  // namespace zr
