#include "ui/shell/LogExport.h"

#include "platform/MessageBox.h"
#include "practicelog/LearnerLog.h"
#include "practicelog/LogCsv.h"
#include "ui/common/CommonDialogs.h"
#include "userdata/ZRSub.h"

#include <QDir>
#include <QFileInfo>

namespace zr {
namespace {

const QString kTitle = QStringLiteral(u"練習記録のエクスポート");

}  // namespace

void ExportPracticeLog(QWidget *parent)
{
    if (ZRSub().CurUserDir.isEmpty())
        return;
    const std::optional<QString> folder = ChooseDirectory(parent, kTitle, QDir::homePath());
    if (!folder)
        return;
    const QDir dir(*folder);
    const QString runs = QString::fromLatin1(kRunsCsvName);
    const QString keys = QString::fromLatin1(kKeysCsvName);
    if (QFileInfo::exists(dir.filePath(runs)) || QFileInfo::exists(dir.filePath(keys))) {
        const MessageAnswer answer = ShowMessage(
            {QStringLiteral(u"「%1」にある %2 と %3 を置き換えます。よろしいですか？")
                 .arg(QDir::toNativeSeparators(*folder), runs, keys),
             kTitle, MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::No});
        if (answer != MessageAnswer::Yes)
            return;
    }
    QString error;
    if (!ExportLearnerLog(*folder, &error)) {
        ShowMessage({error, kTitle, MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
        return;
    }
    ShowMessage({QStringLiteral(u"練習記録を「%1」に書き出しました（%2、%3）。").arg(QDir::toNativeSeparators(*folder), runs, keys),
                 kTitle, MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
}

}  // namespace zr
