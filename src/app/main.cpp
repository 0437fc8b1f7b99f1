#include "platform/Paths.h"
#include "ui/shell/ShellIcons.h"
#include "ui/shell/StartUp.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>

using namespace zr;

namespace {

const char kUsage[] =
    "Usage: zorvel-lesson [--data-dir DIR] [--lang ja|en] [--quit-after-show]\n"
    "  --data-dir DIR     keep the learners' data in DIR (default: $XDG_DATA_HOME/zorvel-lesson)\n"
    "  --lang ja|en       show the interface in Japanese or English (default: the choice\n"
    "                     made in the Help menu, otherwise the desktop's language)\n"
    "  --quit-after-show  close the main window as soon as it waits for the learner, after\n"
    "                     printing its title (checks an installation; needs a learner)\n"
    "  --version          print the version and exit\n"
    "  --help             print this help and exit\n";

const char kQuitAfterShow[] = "--quit-after-show";

// For checking an installed copy without a person at the keyboard: once the main window
// is up and no dialog is waiting for an answer, print its title (which names the current
// learner) and close it the way the learner would, so everything ends as in normal use.
void QuitAfterShow()
{
    QTimer::singleShot(50, [] {
        if (!QApplication::activeModalWidget()) {
            for (QWidget *window : QApplication::topLevelWidgets()) {
                auto *main = qobject_cast<QMainWindow *>(window);
                if (main && main->isVisible()) {
                    std::printf("%s\n", qUtf8Printable(main->windowTitle()));
                    std::fflush(stdout);
                    main->close();
                    return;
                }
            }
        }
        QuitAfterShow();
    });
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zorvel-lesson"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZR_VERSION));
    // Desktops match the windows to the menu entry and its icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("zorvel-lesson"));
    QApplication::setWindowIcon(AppIcon());

    QStringList arguments = QCoreApplication::arguments();
    if (arguments.removeAll(QString::fromLatin1(kQuitAfterShow)) > 0)
        QuitAfterShow();

    const CommandLine cl = ParseCommandLine(arguments);
    if (!cl.error.isEmpty()) {
        std::fprintf(stderr, "zorvel-lesson: %s\n%s", qUtf8Printable(cl.error), kUsage);
        return 2;
    }
    if (cl.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (cl.version) {
        std::printf("ZORVEL LESSON %s\n", ZR_VERSION);
        return 0;
    }
    return RunZorvelLesson(app, cl);
}
