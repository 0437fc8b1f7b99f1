#include "ui/shell/UserConvFrm.h"

#include "platform/MessageBox.h"
#include "ui/common/WindowPlacement.h"
#include "ui/shell/ShellIcons.h"
#include "userdata/Startup.h"
#include "userdata/ZRSub.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace zr {
namespace {

// The converted record is the current one until start-up clears it.
bool convertFolder(const QString &folder)
{
    QString error;
    const std::optional<UserRecord> record = ConvertUserFolder(folder, &error);
    if (!record) {
        ShowMessage({error, UserConvFrm::tr("ユーザデータ変換"), MessageIcon::Warning, MessageButtons::Ok,
                     MessageAnswer::Ok});
        return false;
    }
    ZRSub().CurUser = *record;
    return true;
}

}  // namespace

UserConvFrm::UserConvFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("UserConvFrm"));
    setWindowTitle(tr("ユーザデータ書き換え"));
    setWindowIcon(AppIcon());
    Label1 = new QLabel(tr("　ユーザデータが古いバージョンの為、新しく変換します。") + u'\n'
                        + tr("　（その際、基本練習のデーターの一部が失われますが、レッスン１からやり直す必要はありません）"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setFixedWidth(440);
    Label1->setMinimumHeight(Label1->heightForWidth(440));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 14);
    layout->setSpacing(16);
    layout->addWidget(Label1);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int UserConvFrm::exec()
{
    converted_ = convertFolder(ConvPath);
    if (!converted_)
        return Rejected;
    CentreWindow(this);
    return QDialog::exec();
}

ConversionProgressFrm::ConversionProgressFrm(QWidget *parent, const QString &name) : QDialog(parent)
{
    setObjectName(name);
    setWindowTitle(tr("ユーザデータ変換中"));
    setWindowIcon(AppIcon());
    Label1 = new QLabel;
    Label1->setObjectName(QStringLiteral("Label1"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 26, 32, 26);
    layout->addWidget(Label1);
    setMinimumWidth(360);
}

int ConversionProgressFrm::exec()
{
    Label1->setText(tr("変換中：%1").arg(StoredUserName(ConvPath)));
    adjustSize();
    CentreWindow(this);
    // Convert once the window is up, so the person sees whose data it is.
    QTimer::singleShot(300, this, &ConversionProgressFrm::convert);
    return QDialog::exec();
}

void ConversionProgressFrm::convert()
{
    converted_ = convertFolder(ConvPath);
    done(converted_ ? Accepted : Rejected);
}

UserConv2Frm::UserConv2Frm(QWidget *parent) : ConversionProgressFrm(parent, QStringLiteral("UserConv2Frm")) {}

UserConv3Frm::UserConv3Frm(QWidget *parent) : ConversionProgressFrm(parent, QStringLiteral("UserConv3Frm")) {}

}  // namespace zr
