#pragma once

#include "ui/shell/ShellTestSupport.h"

#include "platform/IniFile.h"
#include "ui/common/CommonDialogs.h"
#include "userdata/UserSettings.h"

namespace zr::test {

// Answers the file, colour and font dialogs from queues (nothing chosen once a queue is
// empty) and remembers what was asked.
class ScriptedDialogs : public CommonDialogGateway {
public:
    ScriptedDialogs() { InstallCommonDialogGateway(this); }
    ~ScriptedDialogs() override { InstallCommonDialogGateway(nullptr); }
    std::optional<QString> openFile(QWidget *, const OpenFileRequest &request) override
    {
        fileRequests.append(request);
        return files.isEmpty() ? std::nullopt : std::optional<QString>(files.takeFirst());
    }
    std::optional<QColor> color(QWidget *, const QColor &initial, const QString &) override
    {
        colorsAsked.append(initial);
        return colors.isEmpty() ? std::nullopt : std::optional<QColor>(colors.takeFirst());
    }
    std::optional<QFont> font(QWidget *, const QFont &initial) override
    {
        fontsAsked.append(initial);
        return fonts.isEmpty() ? std::nullopt : std::optional<QFont>(fonts.takeFirst());
    }
    QStringList files;
    QList<QColor> colors;
    QList<QFont> fonts;
    QList<OpenFileRequest> fileRequests;
    QList<QColor> colorsAsked;
    QList<QFont> fontsAsked;
};

// A current learner in slot 1 with the default problem files and a fresh "user.ini".
struct SettingsScope {
    ShellScope shell;
    ScriptedDialogs dialogs;
    explicit SettingsScope(UserRecord record = sampleUser(u"山田花子"_qs))
    {
        shell.putUser(1, record);
        ZRSub().CurUserDir = UserFolder(1);
        ZRSub().CurUser = record;
        RegisterDefaultProblemFiles(UserFolder(1));
    }
    QString folder() const { return UserFolder(1); }
    QString ini() const { return UserIniPath(folder()); }
    QString value(const QString &section, const QString &key) const
    {
        QString v;
        GetIniString(section, key, QStringLiteral("<missing>"), v, 255, ini());
        return v;
    }
    MessageRequest lastMessage() const
    {
        return shell.gateway.shown.isEmpty() ? MessageRequest{} : shell.gateway.shown.last();
    }
};

}  // namespace zr::test
