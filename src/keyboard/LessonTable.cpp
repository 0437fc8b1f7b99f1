#include "keyboard/LessonTable.h"

#include "keyboard/KeyboardModel.h"
#include "platform/Cp932.h"

#include <QFile>

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
    auto fail = [&](const QString &message) -> std::optional<QStringList> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("レッスンテーブル「%1」を読み込めません。").arg(path));

    QStringList lines;
    // Read line by line so that an oversized file is refused without loading it.
    while (!file.atEnd()) {
        QByteArray raw = file.readLine(64 * 1024);
        if (raw.endsWith('\n'))
            raw.chop(1);
        if (raw.endsWith('\r'))
            raw.chop(1);
        lines.append(fromAnsi(raw));
        if (lines.size() > ChapterTable::kMaxLines) {
            return fail(QStringLiteral("レッスンテーブル「%1」は%2行を超えています。")
                            .arg(path)
                            .arg(ChapterTable::kMaxLines));
        }
    }
    return lines;
}

}  // namespace zr
