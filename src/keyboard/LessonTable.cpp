#include "keyboard/LessonTable.h"

#include "keyboard/KeyboardModel.h"
#include "platform/BinaryIO.h"
#include "platform/Cp932.h"

#include <QCoreApplication>

namespace zr {

ChapterTable::ChapterTable(const QStringList &lines) : lines_(int(lines.size()))
{
    // Every line after the first gives a new-key Chapter followed by a review of all
    // keys learned so far.
    for (const QString &line : lines) {
        if (chapters_.isEmpty()) {
            chapters_.append({line, line, Chapter::NewKeys});
            continue;
        }
        const QString inUse = chapters_.last().UseKey + line;
        chapters_.append({inUse, line, Chapter::NewKeys});
        chapters_.append({inUse, inUse, Chapter::Review});
    }
}

QString LessonTableFile(int course)
{
    return course == KanaCourse ? QStringLiteral("resource\\lessonKana.tbl")
                                : QStringLiteral("resource\\lessonRmj.tbl");
}

std::optional<QStringList> ReadLessonTable(const QString &path, QString *error)
{
    // Room for one line more than a table may have, each as long as a line may be, so
    // the messages of ParseLessonTable can tell what is wrong.
    constexpr qint64 kMaxSize = qint64(ChapterTable::kMaxLines + 1) * (ChapterTable::kMaxLineBytes + 2);
    QString why;
    const std::optional<QByteArray> data = readFileBounded(path, kMaxSize, &why);
    if (!data) {
        if (error)
            *error = QCoreApplication::translate("LessonTable", "レッスンテーブル%1").arg(why);
        return std::nullopt;
    }
    return ParseLessonTable(*data, error, path);
}

std::optional<QStringList> ParseLessonTable(QByteArrayView data, QString *error, const QString &fileName)
{
    auto fail = [&](const QString &message) -> std::optional<QStringList> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    QStringList lines;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        const qsizetype next = end < 0 ? data.size() : end + 1;
        if (end < 0)
            end = data.size();
        QByteArrayView raw = data.sliced(start, end - start);
        start = next;
        if (raw.endsWith('\r'))
            raw.chop(1);
        // Cutting a longer line could split a double-byte character; it is refused.
        if (raw.size() > ChapterTable::kMaxLineBytes) {
            return fail(QCoreApplication::translate("LessonTable", "レッスンテーブル「%1」の%2行目が%3バイトを超えています。")
                            .arg(fileName)
                            .arg(lines.size() + 1)
                            .arg(ChapterTable::kMaxLineBytes));
        }
        lines.append(fromAnsi(raw));
        if (lines.size() > ChapterTable::kMaxLines) {
            return fail(QCoreApplication::translate("LessonTable", "レッスンテーブル「%1」は%2行を超えています。")
                            .arg(fileName)
                            .arg(ChapterTable::kMaxLines));
        }
    }
    return lines;
}

}  // namespace zr
