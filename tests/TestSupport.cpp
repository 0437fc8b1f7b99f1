#include "TestSupport.h"

#include "platform/BinaryIO.h"
#include "platform/Cp932.h"
#include "platform/Paths.h"

#include <QFile>

#include <stdexcept>

namespace zr::test {

TempDir::TempDir()
{
    if (!dir_.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write a test file");
}

void writeAnsiText(const QString &path, const QString &text)
{
    writeBytes(path, toAnsi(text));
}

QByteArray storedString(const QString &text)
{
    BinaryWriter w;
    w.writeString(text);
    return w.data();
}

QByteArray storedInt16(qint16 value)
{
    BinaryWriter w;
    w.writeInt16(value);
    return w.data();
}

QByteArray storedDouble(double value)
{
    BinaryWriter w;
    w.writeDouble(value);
    return w.data();
}

QByteArray storedScore(const ScoreRecord &s)
{
    QByteArray b = storedDouble(s.TotalTime) + storedDouble(s.PracticeCount);
    for (const auto *day : {&s.DayChars, &s.DayKeys, &s.DayMisses, &s.DayTime, &s.DayDate}) {
        for (double v : *day)
            b += storedDouble(v);
    }
    return b;
}

QString appDir()
{
    return QStringLiteral(ZR_TEST_APP_DIR);
}

QString resourceFile(const QString &name)
{
    return QStringLiteral(ZR_TEST_RESOURCE_DIR) + u'/' + name;
}

RomajiTable shippedTable(int course)
{
    QString error;
    const auto entries = ReadDefaultTable(ResolvePath(appDir(), DefaultTableFile(course)), &error);
    if (!entries)
        throw std::runtime_error(error.toStdString());
    RomajiTable table;
    table.load(*entries);
    return table;
}

SharedStateScope::SharedStateScope()
{
    ZRSub() = SharedState{};
    ZRSub().AppDir = appDir();
    ZRSub().DataDir = data_.path() + u'/';
}

SharedStateScope::~SharedStateScope()
{
    ZRSub() = SharedState{};
}

}  // namespace zr::test
