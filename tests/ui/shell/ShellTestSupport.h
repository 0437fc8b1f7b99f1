#pragma once

#include "TestSupport.h"
#include "platform/WindowPositions.h"
#include "ui/shell/Launchers.h"
#include "ui/shell/MainFrm.h"
#include "userdata/Users.h"
#include "userdata/ZRSub.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace zr::test {

// Runs action on the modal window of type T as soon as it is open, from inside its own
// event loop. Gives up after five seconds (the test then fails on what did not happen).
template <typename T, typename Action>
void whenModal(Action action)
{
    auto *timer = new QTimer(qApp);
    timer->setObjectName(QStringLiteral("modalWatcher"));
    timer->setInterval(10);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action, clock] {
        T *window = qobject_cast<T *>(QApplication::activeModalWidget());
        if (window && window->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(window);
        } else if (clock->elapsed() > 5000) {
            timer->stop();
            timer->deleteLater();
            qWarning("the expected modal window did not open");
        }
    });
    timer->start();
}

template <typename T = QWidget>
T *child(QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qWarning("no child named %s", name);
    return found;
}

inline void click(QObject *parent, const char *name)
{
    if (auto *button = child<QAbstractButton>(parent, name))
        button->click();
}

// A fresh program for every test: the build's installation folder, an empty data
// folder, window positions kept there, every message answered and recorded, and the
// practice and settings windows replaced by recorders.
struct ShellScope {
    SharedStateScope state;
    AnsweringGateway gateway;
    QStringList opened;   // what the main window asked to open

    ShellScope()
    {
        WindowPositions::setStoreFile(state.data().file("ZR.ini"));
        MainFrm::clearEnding();
        ShellLaunchers &l = Launchers();
        l.chapter = [this](QWidget *, int lesson, const Chapter &c) {
            opened.append(QStringLiteral("chapter %1 kind %2 %3").arg(lesson).arg(c.kind).arg(c.TargetKey));
        };
        l.word = [this](QWidget *, int slot) { opened.append(QStringLiteral("word %1").arg(slot)); };
        l.sentence = [this](QWidget *, int slot) { opened.append(QStringLiteral("sentence %1").arg(slot)); };
        l.scoreView = [this](QWidget *, int mode, int lsn) {
            opened.append(QStringLiteral("scores %1 %2").arg(mode).arg(lsn));
        };
        l.iniSet = [this](QWidget *) { opened.append(QStringLiteral("IniSetFrm")); };
        l.userSet = [this](QWidget *) { opened.append(QStringLiteral("UserSetFrm")); };
        l.rmjCust = [this](QWidget *) { opened.append(QStringLiteral("RmjCustFrm")); };
        l.textProblem = [this](QWidget *) { opened.append(QStringLiteral("TextProblemFrm")); };
        l.progress = [this](QWidget *) { opened.append(QStringLiteral("ProgressFrm")); };
        l.weakKeys = [this](QWidget *) { opened.append(QStringLiteral("weak keys")); };
    }
    ~ShellScope()
    {
        // A watcher whose window never came must not act on the next test's windows.
        qDeleteAll(qApp->findChildren<QTimer *>(QStringLiteral("modalWatcher"), Qt::FindDirectChildrenOnly));
        ResetLaunchers();
        MainFrm::clearEnding();
        WindowPositions::setStoreFile(QString());
    }

    QString dataDir() const { return ZRSub().DataDir; }

    // Saves a learner's record into a slot folder.
    void putUser(int slot, const UserRecord &record) const
    {
        QDir().mkpath(UserFolder(slot));
        SaveUserRecord(UserDataPath(UserFolder(slot)), record, nullptr);
    }

    QStringList titles() const
    {
        QStringList list;
        for (const MessageRequest &r : gateway.shown)
            list.append(r.title);
        return list;
    }
};

inline UserRecord sampleUser(const QString &name, int course = 0, int progress = 1)
{
    UserRecord u;
    u.UserName = name;
    u.Course = qint16(course);
    u.LessonProgress = qint16(progress);
    u.RomajiTable = shippedTable(course);
    return u;
}

}  // namespace zr::test
