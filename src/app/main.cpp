#include "platform/Paths.h"
#include "ui/shell/StartUp.h"

#include <QApplication>

#include <cstdio>

using namespace zr;

namespace {

const char kUsage[] =
    "Usage: zorvel-lesson [--data-dir DIR]\n"
    "  --data-dir DIR  keep the learners' data in DIR (default: $XDG_DATA_HOME/zorvel-lesson)\n"
    "  --version       print the version and exit\n"
    "  --help          print this help and exit\n";

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zorvel-lesson"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZR_VERSION));

    const CommandLine cl = ParseCommandLine(QCoreApplication::arguments());
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
