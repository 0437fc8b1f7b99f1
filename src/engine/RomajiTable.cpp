#include "engine/RomajiTable.h"

#include "keyboard/KeyboardModel.h"
#include "platform/BinaryIO.h"
#include "platform/Cp932.h"

#include <QCoreApplication>


namespace zr {

void RomajiTable::setRow(int i, RomajiEntry entry)
{
    rows_.at(size_t(i)) = std::move(entry);
    indexed_ = false;
}

void RomajiTable::clear()
{
    rows_.fill({});
    indexed_ = false;
}

namespace {

// One or two UTF-16 code units packed into one key; 0 when the text is longer.
quint32 shortKey(QStringView kana)
{
    if (kana.size() == 1)
        return kana[0].unicode();
    if (kana.size() == 2)
        return (quint32(kana[0].unicode()) << 16) | kana[1].unicode();
    return 0;
}

}  // namespace

void RomajiTable::buildIndex() const
{
    shortIndex_.clear();
    longIndex_.clear();
    // From the last row up, so that the first row with a kana is what stays.
    for (int i = kRows - 1; i >= 0; --i) {
        const QString &kana = rows_[size_t(i)].kana;
        if (kana.isEmpty())
            continue;
        if (const quint32 key = shortKey(kana))
            shortIndex_.insert(key, i);
        else
            longIndex_.insert(kana, i);
    }
    indexed_ = true;
}

std::optional<QString> RomajiTable::find(QStringView kana) const
{
    if (kana.isEmpty())
        return std::nullopt;
    if (!indexed_)
        buildIndex();
    int row = -1;
    if (const quint32 key = shortKey(kana)) {
        const auto it = shortIndex_.constFind(key);
        if (it != shortIndex_.constEnd())
            row = *it;
    } else {
        const auto it = longIndex_.constFind(kana.toString());
        if (it != longIndex_.constEnd())
            row = *it;
    }
    if (row < 0)
        return std::nullopt;
    return rows_[size_t(row)].keys;
}

void RomajiTable::setSpelling(QStringView kana, const QString &keys)
{
    for (int i = 0; i < kSpellingRows; ++i) {
        if (rows_[size_t(i)].kana == kana)
            rows_[size_t(i)].keys = keys;
    }
}

void RomajiTable::load(const QList<RomajiEntry> &entries)
{
    const qsizetype n = std::min<qsizetype>(entries.size(), kRows);
    for (qsizetype i = 0; i < n; ++i)
        rows_[size_t(i)] = entries[i];
    indexed_ = false;
}

const QList<SpellingAlternative> &SpellingAlternatives()
{
    static const QList<SpellingAlternative> list = {
        {u"し"_qs, {u"si"_qs, u"shi"_qs}},    {u"ち"_qs, {u"ti"_qs, u"chi"_qs}},
        {u"つ"_qs, {u"tu"_qs, u"tsu"_qs}},    {u"ふ"_qs, {u"hu"_qs, u"fu"_qs}},
        {u"じ"_qs, {u"zi"_qs, u"ji"_qs}},     {u"しゃ"_qs, {u"sya"_qs, u"sha"_qs}},
        {u"しゅ"_qs, {u"syu"_qs, u"shu"_qs}}, {u"しぇ"_qs, {u"sye"_qs, u"she"_qs}},
        {u"しょ"_qs, {u"syo"_qs, u"sho"_qs}}, {u"ちゃ"_qs, {u"tya"_qs, u"cha"_qs}},
        {u"ちゅ"_qs, {u"tyu"_qs, u"chu"_qs}}, {u"ちょ"_qs, {u"tyo"_qs, u"cho"_qs}},
        {u"じゃ"_qs, {u"zya"_qs, u"ja"_qs}},  {u"じゅ"_qs, {u"zyu"_qs, u"ju"_qs}},
        {u"じぇ"_qs, {u"zye"_qs, u"je"_qs}},  {u"じょ"_qs, {u"zyo"_qs, u"jo"_qs}},
        {u"ぁ"_qs, {u"xa"_qs, u"la"_qs}},     {u"ぃ"_qs, {u"xi"_qs, u"li"_qs}},
        {u"ぅ"_qs, {u"xu"_qs, u"lu"_qs}},     {u"ぇ"_qs, {u"xe"_qs, u"le"_qs}},
        {u"ぉ"_qs, {u"xo"_qs, u"lo"_qs}},     {u"ゃ"_qs, {u"xya"_qs, u"lya"_qs}},
        {u"ゅ"_qs, {u"xyu"_qs, u"lyu"_qs}},   {u"ょ"_qs, {u"xyo"_qs, u"lyo"_qs}},
        {u"っ"_qs, {u"xtu"_qs, u"ltu"_qs}},
    };
    return list;
}

QString DefaultTableFile(int course)
{
    return course == KanaCourse ? QStringLiteral("Resource\\DefKana.tbl")
                                : QStringLiteral("Resource\\DefRmj.tbl");
}

std::optional<QList<RomajiEntry>> ParseDefaultTable(QStringView text, QString *error,
                                                    const QString &fileName)
{
    QList<RomajiEntry> entries;
    QStringList fields;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto isBreak = [&](qsizetype at) { return text[at] == u'\r' || text[at] == u'\n'; };
    auto skipBreak = [&] {
        if (i < n && text[i] == u'\r')
            ++i;
        if (i < n && text[i] == u'\n')
            ++i;
    };
    auto isBlank = [](QChar c) { return c == u' ' || c == u'\t'; };
    auto addEntry = [&] {
        if (entries.size() == RomajiTable::kRows) {
            if (error)
                *error = QCoreApplication::translate("RomajiTable", "ローマ字テーブル「%1」の項目が%2を超えています。")
                             .arg(fileName)
                             .arg(RomajiTable::kRows);
            return false;
        }
        entries.append({fields.value(0), fields.value(1)});
        fields.clear();
        return true;
    };

    // After a comma another field follows, even when the line or the file ends first:
    // "ゐ," is an entry with empty keys, not half of one.
    bool fieldDue = false;
    auto addField = [&](QString field) {
        fields.append(std::move(field));
        return fields.size() < 2 || addEntry();
    };
    while (i < n) {
        if (isBreak(i)) {
            skipBreak();
            // A line with nothing on it holds no field.
            if (fieldDue && !addField(QString()))
                return std::nullopt;
            fieldDue = false;
            continue;
        }
        while (i < n && isBlank(text[i]))
            ++i;
        QString field;
        if (i < n && text[i] == u'"') {
            const qsizetype close = text.indexOf(u'"', i + 1);
            const qsizetype end = close < 0 ? n : close;
            field = text.mid(i + 1, end - i - 1).toString();
            i = close < 0 ? n : close + 1;
            // Anything between the closing quote and the separator is dropped.
            while (i < n && text[i] != u',' && !isBreak(i))
                ++i;
        } else {
            const qsizetype start = i;
            while (i < n && text[i] != u',' && !isBreak(i))
                ++i;
            field = text.mid(start, i - start).trimmed().toString();
        }
        fieldDue = i < n && text[i] == u',';
        if (fieldDue)
            ++i;
        else
            skipBreak();
        if (!addField(field))
            return std::nullopt;
    }
    if (fieldDue && !addField(QString()))
        return std::nullopt;
    // A last entry without its keys field reads with empty keys.
    if (fields.size() == 1 && !addEntry())
        return std::nullopt;
    return entries;
}

std::optional<QList<RomajiEntry>> ReadDefaultTable(const QString &path, QString *error)
{
    // 301 entries of short fields never come near this size.
    constexpr qint64 kMaxSize = 1024 * 1024;
    QString why;
    const std::optional<QByteArray> data = readFileBounded(path, kMaxSize, &why);
    if (!data) {
        if (error)
            *error = QCoreApplication::translate("RomajiTable", "ローマ字テーブル%1").arg(why);
        return std::nullopt;
    }
    return ParseDefaultTable(fromAnsi(*data), error, path);
}

}  // namespace zr
