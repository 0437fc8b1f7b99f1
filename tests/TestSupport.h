#pragma once

#include "engine/RomajiTable.h"
#include "results/ScoreRecord.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Sound.h"
#include "userdata/ZRSub.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace zr::test {

// A temporary folder that disappears with the test.
class TempDir {
public:
    TempDir();
    QString path() const { return dir_.path(); }
    QString file(const QString &name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);
void writeAnsiText(const QString &path, const QString &text);

// A string as the record files store it: 16-bit little-endian byte count, then the
// code page 932 bytes.
QByteArray storedString(const QString &text);
QByteArray storedInt16(qint16 value);
QByteArray storedDouble(double value);
QByteArray storedScore(const ScoreRecord &record);

// Score record n of an old block, recognisable by its count (n), its total time (n
// seconds) and its first day (1000 + n hits on day 46000 + n).
ScoreRecord markedScore(int n);

// A "user.dat" of format 3, 4 or 5: the header (progress 12, half a day of practice),
// the blocks of its format (Chapter n is markedScore(n), slot n of the b-th slot block
// markedScore(100 * b + n); format 3 starts with 101 unused records), then the shipped
// table of the course with し spelled shi.
QByteArray oldUserRecord(qint16 version, const QString &name, int course = 0,
                         const QString &shi = QStringLiteral("si"));

// A disk that fills up after bytes more bytes of any one file: while the scope lives,
// a write past that size fails (EFBIG) in this process and in processes it starts,
// exactly where a full disk would fail it.
class FullDiskScope {
public:
    explicit FullDiskScope(qint64 bytes = 0);
    ~FullDiskScope();
    // For a QProcess's child modifier: the same limit in the child alone.
    static void applyInChild(qint64 bytes);

private:
    qint64 before_;
};

// Counts the times a file is replaced (a new file renamed over it, as every save does)
// while the scope lives; a file written in place counts as well.
class RewriteCounter {
public:
    explicit RewriteCounter(const QString &file);
    ~RewriteCounter();
    int count();

private:
    QString name_;
    int fd_ = -1;
    int count_ = 0;
};

// The names in a folder, hidden ones included.
QStringList folderEntries(const QString &folder);

// Writes a file, creating its folders.
void putFile(const QString &path, const QByteArray &bytes);

// The installation folder of the build (holds resource/ with the shipped files).
QString appDir();
QString resourceFile(const QString &name);
RomajiTable shippedTable(int course);

// Runs a test on a clock that moves only when told to.
class ClockScope {
public:
    explicit ClockScope(double now = 46364.5) : clock_(now) { Clock::install(&clock_); }
    ~ClockScope() { Clock::install(nullptr); }
    ManualClock &clock() { return clock_; }

private:
    ManualClock clock_;
};

// Records what would have sounded.
class RecordingSoundPlayer : public SoundPlayer {
public:
    RecordingSoundPlayer() { InstallSoundPlayer(this); }
    ~RecordingSoundPlayer() override { InstallSoundPlayer(nullptr); }
    void beep() override { events.append(QStringLiteral("beep")); }
    void play(const QString &file) override { events.append(file); }
    QStringList events;
};

// Answers message boxes and remembers them: with the queued answers first, then with
// the standing answer.
class AnsweringGateway : public MessageBoxGateway {
public:
    explicit AnsweringGateway(MessageAnswer answer = MessageAnswer::Ok) : answer_(answer)
    {
        InstallMessageBoxGateway(this);
    }
    ~AnsweringGateway() override { InstallMessageBoxGateway(nullptr); }
    MessageAnswer show(const MessageRequest &request) override
    {
        shown.append(request);
        return queued.isEmpty() ? answer_ : queued.takeFirst();
    }
    QList<MessageRequest> shown;
    QList<MessageAnswer> queued;

private:
    MessageAnswer answer_;
};

// Gives a test the shared state of a fresh program: the build's installation folder
// and an empty data folder; the state is reset afterwards.
class SharedStateScope {
public:
    SharedStateScope();
    ~SharedStateScope();
    SharedState &state() { return ZRSub(); }
    const TempDir &data() const { return data_; }

private:
    TempDir data_;
};

}  // namespace zr::test
