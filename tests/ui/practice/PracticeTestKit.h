#pragma once

// What the basic-practice window tests share: a learner in the shared state, key
// presses as a keyboard sends them, and a script that acts on each modal window of a
// chain as it opens.

#include "TestSupport.h"
#include "keyboard/KanaInput.h"
#include "keyboard/KeyboardModel.h"
#include "keyboard/LessonTable.h"
#include "platform/IniFile.h"
#include "platform/KanaMode.h"
#include "platform/Random.h"
#include "platform/WindowPositions.h"
#include "practice/ProblemPractice.h"
#include "userdata/ProblemFile.h"
#include "ui/practice/TrainingFrm.h"
#include "userdata/UserRecord.h"
#include "userdata/ZRSub.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>

namespace zr::test {

// A learner of a course in user01 of a fresh data folder, with the window positions
// kept there too.
class Learner {
public:
    Learner(int course, int progress) : clock_(46364.5)
    {
        SharedState &s = state_.state();
        s.CurUser.UserName = QStringLiteral(u"テスト");
        s.CurUser.Course = qint16(course);
        s.CurUser.LessonProgress = qint16(progress);
        s.CurUser.RomajiTable = shippedTable(course);
        s.CurUserDir = UserFolder(1);
        QDir().mkpath(s.CurUserDir);
        WindowPositions::setStoreFile(s.DataDir + QStringLiteral("ZR.ini"));
        QString error;
        const auto lines = ReadLessonTable(resourceFile(course == KanaCourse ? QStringLiteral("lessonKana.tbl")
                                                                             : QStringLiteral("lessonRmj.tbl")),
                                           &error);
        chapters = ChapterTable(lines.value_or(QStringList{}));
        s.ChapterCount = qint16(chapters.ChapterCount());
        SetKanaMode(false);
        Random::seed(20261208);
    }
    ~Learner() { SetKanaMode(false); }

    SharedState &state() { return state_.state(); }
    ManualClock &clock() { return clock_.clock(); }
    void set(const QString &section, const QString &key, const QString &value)
    {
        SetIniString(section, key, value, CurUserIni());
    }
    // A dictionary of the drill's own instead of the shipped one.
    void useWords(const QList<ProblemItem> &words)
    {
        const QString dir = state_.data().path() + QStringLiteral("/app");
        QDir().mkpath(dir + QStringLiteral("/resource"));
        WordDictionary d;
        d.title = QStringLiteral(u"テスト");
        d.entries.resize(WordDictionary::kEntries);
        for (int i = 0; i < words.size(); ++i)
            d.entries[i] = words[i];
        QString error;
        WriteWordDictionary(dir + QStringLiteral("/resource/zr.zrd"), d, &error);
        state().AppDir = dir + u'/';
    }
    UserRecord savedRecord()
    {
        QString error;
        return LoadUserRecord(state().CurUserDir + QStringLiteral("/user.dat"), &error).value_or(UserRecord{});
    }

    ChapterTable chapters;
    AnsweringGateway messages;
    RecordingSoundPlayer sounds;

private:
    SharedStateScope state_;
    ClockScope clock_;
};

// A problem file of the test's own in slot 1, in a resource folder beside the shipped
// ones.
inline void useProblemFile(Learner &learner, PracticeKind kind, const std::function<void(const QString &)> &write)
{
    const QString dir = learner.state().DataDir + QStringLiteral("app/resource");
    QDir().mkpath(dir);
    const bool word = kind == PracticeKind::Word;
    const QString name = word ? QStringLiteral("test.zrd") : QStringLiteral("test.zrw");
    write(dir + u'/' + name);
    learner.state().AppDir = learner.state().DataDir + QStringLiteral("app/");
    const QString section = word ? QStringLiteral("WordLsn") : QStringLiteral("SSentLsn");
    learner.set(section, QStringLiteral("L1"), QStringLiteral("resource\\") + name);
    learner.set(section, QStringLiteral("LT1"), QStringLiteral(u"テスト問題"));
}

inline void useWords(Learner &learner, const QList<ProblemItem> &words)
{
    useProblemFile(learner, PracticeKind::Word, [&](const QString &path) {
        WordDictionary d;
        d.title = QStringLiteral(u"テスト問題");
        d.entries.resize(WordDictionary::kEntries);
        for (int i = 0; i < words.size(); ++i)
            d.entries[i] = words[i];
        QString error;
        WriteWordDictionary(path, d, &error);
    });
}

inline void usePassages(Learner &learner, const QList<QList<ProblemItem>> &problems)
{
    useProblemFile(learner, PracticeKind::Sentence, [&](const QString &path) {
        SentenceSet s;
        s.title = QStringLiteral(u"テスト問題");
        for (int p = 0; p < problems.size(); ++p) {
            for (int j = 0; j < problems[p].size(); ++j)
                s.problems[size_t(p)][size_t(j)] = problems[p][j];
        }
        QString error;
        WriteSentenceSet(path, s, &error);
    });
}

// One key press and release as the keyboard sends it.
inline void sendChar(QWidget *w, QChar c, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, modifiers, QString(c));
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, modifiers, QString(c));
    QApplication::sendEvent(w, &release);
}

// Types a key as the learner's fingers would: in kana mode the Latin character of the
// key that carries the kana, with Shift where the kana needs it.
inline void typeKey(QWidget *w, QChar key)
{
    if (KanaModeOn() && key.unicode() >= 0xFF61) {
        for (int shift = 0; shift < 2; ++shift) {
            for (int k = 1; k <= kKeyCount; ++k) {
                if (KanaOfKey(k, shift) != key)
                    continue;
                const QChar latin = (shift ? ShiftedKeyRow : LatinKeyRow).at(k - 1);
                if (latin == u' ')
                    break;
                sendChar(w, latin, shift ? Qt::ShiftModifier : Qt::NoModifier);
                return;
            }
        }
    }
    sendChar(w, key);
}

// Acts on the modal windows of a chain as each one opens: every step names the class of
// the window it waits for. A chain that stops early is closed after a while, so that a
// broken chain fails instead of hanging.
class ModalScript : public QObject {
public:
    using Step = std::function<void(QWidget *)>;

    void then(const char *className, Step step) { steps_.append({className, std::move(step)}); }
    void start() { QTimer::singleShot(0, this, [this] { poll(); }); }
    bool finished() const { return steps_.isEmpty(); }
    QStringList seen;

private:
    void poll()
    {
        if (steps_.isEmpty())
            return;
        QWidget *w = QApplication::activeModalWidget();
        if (w && w->isVisible() && w->inherits(steps_.front().first)) {
            const auto step = steps_.takeFirst();
            seen.append(QString::fromLatin1(step.first));
            waited_ = 0;
            QTimer::singleShot(5, this, [this] { poll(); });
            step.second(w);
            // A failed check leaves its window open; close the chain so the test ends.
            if (QTest::currentTestFailed()) {
                steps_.clear();
                while (QWidget *m = QApplication::activeModalWidget())
                    m->close();
            }
            return;
        }
        if (++waited_ > 2000) {
            steps_.clear();
            while (QWidget *m = QApplication::activeModalWidget())
                m->close();
            return;
        }
        QTimer::singleShot(5, this, [this] { poll(); });
    }

    QList<QPair<const char *, Step>> steps_;
    int waited_ = 0;
};

// Types a practice run through to its end: the expected key every msPerKey
// milliseconds, with a wrong key first wherever wrongAt says so (by the count of keys
// typed). Run is the window's logic: a drill, or a word or sentence practice.
template <typename Run>
int typeRun(QWidget *w, Run *run, ManualClock &clock, qint64 msPerKey, const std::function<bool(int)> &wrongAt = {})
{
    int typed = 0;
    while (!run->finished() && typed < 20000) {
        const QChar key = run->protocol().expectedKey();
        if (wrongAt && wrongAt(typed))
            typeKey(w, key == u'q' ? QChar(u'p') : QChar(u'q'));
        clock.advanceMs(msPerKey);
        typeKey(w, key);
        ++typed;
    }
    return typed;
}

inline int typeDrill(TrainingFrm *frm, ManualClock &clock, qint64 msPerKey,
                     const std::function<bool(int)> &wrongAt = {})
{
    return typeRun(frm, frm->drill(), clock, msPerKey, wrongAt);
}

// Saves a picture of a window when ZR_SCREENSHOTS names a folder.
inline void screenshot(QWidget *w, const QString &name)
{
    const QString dir = qEnvironmentVariable("ZR_SCREENSHOTS");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    QApplication::processEvents();
    w->grab().save(dir + u'/' + name + QStringLiteral(".png"));
}

}  // namespace zr::test
