#include "ui/shell/StartUp.h"

#include "platform/KanaMode.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/WindowPositions.h"
#include "practicelog/LearnerLog.h"
#include "practice/ProblemRegistration.h"
#include "ui/common/Application.h"
#include "ui/shell/MainFrm.h"
#include "ui/shell/UserConvFrm.h"
#include "userdata/ZRSub.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>

#include <cstdio>

namespace zr {

void ConversionWindowsOnScreen::showConversion(int version, const QString &folder)
{
    if (version == 3) {
        UserConvFrm window;
        window.ConvPath = folder;
        window.exec();
    } else if (version == 4) {
        UserConv2Frm window;
        window.ConvPath = folder;
        window.exec();
    } else if (version == 5) {
        UserConv3Frm window;
        window.ConvPath = folder;
        window.exec();
    }
}

bool PrepareUserData()
{
    QString error;
    if (MoveLegacyLayout(&error) == LegacyMove::Failed) {
        ShowMessage({QCoreApplication::translate("StartUp", "以前のバージョンの使用者データを移せませんでした。") + QStringLiteral("\r\n") + error
                         + QStringLiteral("\r\n") + QCoreApplication::translate("StartUp", "元のファイルはそのまま残してあります。"),
                     QCoreApplication::translate("StartUp", "ユーザデータ変換"), MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
    }
    ConversionWindowsOnScreen windows;
    if (CheckUserFolders(windows) == CheckResult::EndProgram)
        return false;
    // The check loaded records; none of them is the current learner.
    ZRSub().CurUser.UserName.clear();
    return true;
}

int RunZorvelLesson(QApplication &app, const CommandLine &commandLine)
{
    SharedState &s = ZRSub();
    s.FontUpper = 0;
    SetUpApplication(app);
    s.DataDir = commandLine.dataDir.isEmpty() ? DefaultDataDir() : commandLine.dataDir;
    s.AppDir = FindAppDir(QCoreApplication::applicationDirPath());
    // The language comes before the first message; the choice for the next start lives
    // in the data folder's ZR.ini.
    WindowPositions::setStoreFile(s.DataDir + QStringLiteral("ZR.ini"));
    const UiLanguage language =
        ChooseLanguage(LanguageOfCode(commandLine.language), StoredLanguage(), QLocale::system().uiLanguages());
    if (!InstallTranslations(app, language, s.AppDir)) {
        std::fprintf(stderr, "zorvel-lesson: cannot load %s; the interface stays in Japanese\n",
                     qUtf8Printable(TranslationFile(s.AppDir, language)));
    }
    if (!QDir().mkpath(s.DataDir)) {
        std::fprintf(stderr, "zorvel-lesson: cannot create the data folder %s\n", qUtf8Printable(s.DataDir));
        ShowMessage({QCoreApplication::translate("StartUp", "データフォルダ「%1」を作れません。").arg(QDir::toNativeSeparators(s.DataDir)),
                     QStringLiteral("ZORVEL LESSON"), MessageIcon::Critical, MessageButtons::Ok, MessageAnswer::Ok});
        return 1;
    }

    // One running program per data folder; a second one leaves without a word.
    QLockFile lock(s.DataDir + QStringLiteral("ZR.lock"));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0))
        return 0;

    // Where the learners put problem files of their own (see README).
    LearnerProblemFolder();
    Random::seedFromClock();
    s.CurUserDir.clear();

    if (!QFileInfo(s.AppDir + QStringLiteral("resource")).isDir()) {
        ShowMessage({QCoreApplication::translate("StartUp", "ZORVEL LESSON のデータフォルダ「%1」が見つかりません。インストールをやり直して下さい。")
                         .arg(QDir::toNativeSeparators(s.AppDir + QStringLiteral("resource"))),
                     QStringLiteral("ZORVEL LESSON"), MessageIcon::Critical, MessageButtons::Ok, MessageAnswer::Ok});
        return 1;
    }

    if (!PrepareUserData()) {
        ReleaseKanaLock();
        return 0;
    }

    MainFrm main;
    main.Load();
    if (MainFrm::ending())
        return 0;
    const int status = app.exec();
    CloseLearnerLog();
    ReleaseKanaLock();
    return status;
}

}  // namespace zr
