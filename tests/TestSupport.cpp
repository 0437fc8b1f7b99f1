#include "TestSupport.h"

#include "platform/BinaryIO.h"
#include "platform/Cp932.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

#include <csignal>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <unistd.h>

namespace zr::test {

TempDir::TempDir()
{
    if (!dir_.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

void FullDiskScope::applyInChild(qint64 bytes)
{
    // A write past the limit would otherwise end the process with SIGXFSZ.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit;
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(bytes);
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FullDiskScope::FullDiskScope(qint64 bytes)
{
    rlimit limit;
    ::getrlimit(RLIMIT_FSIZE, &limit);
    before_ = qint64(limit.rlim_cur);
    applyInChild(bytes);
}

FullDiskScope::~FullDiskScope()
{
    rlimit limit;
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(before_);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, SIG_DFL);
}

RewriteCounter::RewriteCounter(const QString &file) : name_(QFileInfo(file).fileName())
{
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0 || ::inotify_add_watch(fd_, QFile::encodeName(QFileInfo(file).absolutePath()).constData(),
                                       IN_MOVED_TO | IN_CLOSE_WRITE) < 0)
        throw std::runtime_error("cannot watch a test folder");
}

RewriteCounter::~RewriteCounter()
{
    if (fd_ >= 0)
        ::close(fd_);
}

int RewriteCounter::count()
{
    alignas(inotify_event) char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n <= 0)
            break;
        for (ssize_t at = 0; at < n;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            if (event->len > 0 && QFile::decodeName(event->name) == name_)
                ++count_;
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    return count_;
}

QStringList folderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
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

ScoreRecord markedScore(int n)
{
    ScoreRecord s;
    s.PracticeCount = n;
    s.TotalTime = n / 86400.0;
    s.DayKeys[0] = 1000 + n;
    s.DayDate[0] = 46000 + n;
    return s;
}

QByteArray oldUserRecord(qint16 version, const QString &name, int course, const QString &shi)
{
    QByteArray b = storedInt16(version) + storedString(name) + storedInt16(qint16(course)) + storedInt16(12)
                   + storedDouble(0.5);
    int chapters = 0, slotCount = 10;
    if (version == 3) {
        b += QByteArray(101 * 56, '\x11');
        slotCount = 20;
    } else {
        chapters = version == 4 ? 35 : 50;
    }
    for (int i = 1; i <= chapters; ++i)
        b += storedScore(markedScore(i));
    for (int block = 1; block <= 3; ++block) {
        for (int i = 1; i <= slotCount; ++i)
            b += storedScore(markedScore(100 * block + i));
    }
    RomajiTable table = shippedTable(course == 1 ? 1 : 0);
    if (course != 1)
        table.setSpelling(u"し", shi);
    for (int i = 0; i < RomajiTable::kRows; ++i)
        b += storedString(table.row(i).kana) + storedString(table.row(i).keys);
    return b;
}

void putFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    writeBytes(path, bytes);
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
