#include "ui/shell/LogExport.h"

#include "platform/MessageBox.h"
#include "practicelog/LearnerLog.h"
#include "practicelog/LogCsv.h"
#include "ui/common/CommonDialogs.h"
#include "userdata/ZRSub.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zr {
namespace {

QString exportTitle()
{
    return QCoreApplication::translate("LogExport", "練習記録のエクスポート");
}

}  // namespace

void ExportPracticeLog(QWidget *parent)
{
    if (ZRSub().CurUserDir.isEmpty())
        return;
    const std::optional<QString> folder = ChooseDirectory(parent, exportTitle(), QDir::homePath());
    if (!folder)
        return;
    const QDir dir(*folder);
    const QString runs = QString::fromLatin1(kRunsCsvName);
    const QString keys = QString::fromLatin1(kKeysCsvName);
    if (QFileInfo::exists(dir.filePath(runs)) || QFileInfo::exists(dir.filePath(keys))) {
        const MessageAnswer answer = ShowMessage(
            {QCoreApplication::translate("LogExport", "「%1」にある %2 と %3 を置き換えます。よろしいですか？")
                 .arg(QDir::toNativeSeparators(*folder), runs, keys),
             exportTitle(), MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::No});
        if (answer != MessageAnswer::Yes)
            return;
    }
    QString error;
    if (!ExportLearnerLog(*folder, &error)) {
        ShowMessage({error, exportTitle(), MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
        return;
    }
    ShowMessage({QCoreApplication::translate("LogExport", "練習記録を「%1」に書き出しました（%2、%3）。").arg(QDir::toNativeSeparators(*folder), runs, keys),
                 exportTitle(), MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
}

}  // namespace zr
