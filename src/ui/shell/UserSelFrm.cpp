#include "ui/shell/UserSelFrm.h"

#include "platform/Format.h"
#include "practicelog/LearnerLog.h"
#include "ui/shell/MainFrm.h"
#include "ui/shell/ReportList.h"
#include "ui/shell/ShellIcons.h"
#include "ui/shell/UserWizardFrm.h"
#include "userdata/Users.h"
#include "userdata/ZRSub.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zr {

UserSelFrm::UserSelFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("UserSelFrm"));
    setWindowTitle(tr("使用者選択"));
    setWindowIcon(AppIcon());

    ListView1 = new QTreeWidget;
    ListView1->setObjectName(QStringLiteral("ListView1"));
    SetUpReportList(ListView1);
    ListView1->setHeaderLabels({tr("使用者名"), tr("コース")});
    connect(ListView1, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        ListView1->setCurrentItem(item);
        choose();
    });

    cmdOK = new QPushButton(tr("開始"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(tr("ｷｬﾝｾﾙ"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    Command1 = new QPushButton(tr("登録"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command3 = new QPushButton(tr("削除"));
    Command3->setObjectName(QStringLiteral("Command3"));
    for (QPushButton *b : {cmdOK, cmdCancel, Command1, Command3}) {
        b->setMinimumWidth(96);
        if (b != cmdOK)
            b->setAutoDefault(false);
    }
    connect(cmdOK, &QPushButton::clicked, this, &UserSelFrm::choose);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Command1, &QPushButton::clicked, this, &UserSelFrm::registerUser);
    connect(Command3, &QPushButton::clicked, this, &UserSelFrm::deleteUser);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    buttons->addSpacing(18);
    buttons->addWidget(Command1);
    buttons->addWidget(Command3);
    buttons->addStretch(1);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(12);
    layout->addWidget(ListView1, 1);
    layout->addLayout(buttons);
    resize(520, 300);
}

void UserSelFrm::showEvent(QShowEvent *e)
{
    if (!shown_) {
        shown_ = true;
        // The columns share the list's width as it is when the dialog opens.
        const double width = ListView1->width();
        ListView1->setColumnWidth(0, int(width / 2.05));
        ListView1->setColumnWidth(1, int(width / 2.05));
        refresh();
    }
    QDialog::showEvent(e);
}

void UserSelFrm::ListItemInit()
{
    const bool startUp = mode == AtStartUp;
    Command1->setVisible(startUp);
    Command3->setVisible(startUp);
    if (!startUp) {
        cmdOK->setText(QStringLiteral("OK"));
        setWindowTitle(tr("使用者切り替え"));
    }

    ListView1->clear();
    entries_.clear();
    currentRow_ = 0;
    const UserRecord &current = ZRSub().CurUser;
    for (int slot = 1; slot <= kMaxUsers; ++slot) {
        const QString folder = UserFolder(slot);
        if (!QFileInfo(folder).isDir())
            continue;
        const UserFile file = ReadUserFile(folder);
        const QString name = file.record.UserName;
        entries_.append({folder, name});
        QString shownName = name;
        QString course = CourseName(file.record.Course);
        if (!file.usable()) {
            // Still listed, so that it can be deleted; choosing it explains the damage.
            if (shownName.isEmpty())
                shownName = tr("（%1）").arg(QFileInfo(folder).fileName());
            course = tr("データに問題があります");
        }
        auto *item = new QTreeWidgetItem(ListView1, {shownName, course});
        if (!file.usable())
            item->setToolTip(0, RecordProblemText(file.problem));
        if (!current.UserName.isEmpty() && name == current.UserName && file.record.Course == current.Course)
            currentRow_ = int(entries_.size());
    }
    const bool any = !entries_.isEmpty();
    cmdOK->setEnabled(any);
    Command3->setEnabled(any);
}

void UserSelFrm::refresh()
{
    ListItemInit();
    const int row = currentRow_ > 0 ? currentRow_ : 1;
    if (QTreeWidgetItem *item = ListView1->topLevelItem(row - 1)) {
        ListView1->setCurrentItem(item);
        item->setSelected(true);
        ListView1->scrollToItem(item);
    }
    ListView1->setFocus();
}

int UserSelFrm::selectedRow() const
{
    const QList<QTreeWidgetItem *> selected = ListView1->selectedItems();
    QTreeWidgetItem *item = selected.isEmpty() ? ListView1->currentItem() : selected.first();
    return item ? ListView1->indexOfTopLevelItem(item) + 1 : 0;
}

void UserSelFrm::choose()
{
    const int row = selectedRow();
    if (row < 1 || row > entries_.size())
        return;
    OpenUserFolder(entries_[row - 1].folder);
    if (!MainFrm::ending())
        accept();
}

void UserSelFrm::registerUser()
{
    CreateUser(this);
    refresh();
}

void UserSelFrm::deleteUser()
{
    const int row = selectedRow();
    if (row < 1 || row > entries_.size())
        return;
    const Entry entry = entries_[row - 1];
    const QString name = entry.name.isEmpty() ? QFileInfo(entry.folder).fileName() : entry.name;
    if (DeleteUserFolder(entry.folder, name)) {
        SharedState &s = ZRSub();
        if (s.CurUserDir == entry.folder) {
            CloseLearnerLog();
            s.CurUserDir.clear();
            s.CurUser.UserName.clear();
        }
    }
    refresh();
}

}  // namespace zr
