#include "platform/KanaMode.h"
#include "platform/Paths.h"
#include "platform/WindowPositions.h"
#include "userdata/ZRSub.h"

#include "ui/common/Application.h"

#include <QApplication>
#include <QDir>

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

    SharedState &state = ZRSub();
    state.AppDir = FindAppDir(QCoreApplication::applicationDirPath());
    state.DataDir = cl.dataDir.isEmpty() ? DefaultDataDir() : cl.dataDir;
    if (!QDir().mkpath(state.DataDir)) {
        std::fprintf(stderr, "zorvel-lesson: cannot create the data folder %s\n",
                     qUtf8Printable(state.DataDir));
        return 1;
    }
    WindowPositions::setStoreFile(state.DataDir + QStringLiteral("ZR.ini"));

    SetUpApplication(app);
    ReleaseKanaLock();
    return 0;
}
