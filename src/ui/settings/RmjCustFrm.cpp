#include "ui/settings/RmjCustFrm.h"

#include "platform/MessageBox.h"
#include "ui/common/SpellingButtons.h"
#include "ui/common/WindowPlacement.h"
#include "userdata/Startup.h"
#include "userdata/ZRSub.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zr {
namespace {

// The layout rows of the linked groups, in the order of the "連動" boxes.
constexpr int kGroupRows[kSpellingGroups] = {3, 4, 5, 7, 8};

}  // namespace

RmjCustFrm::RmjCustFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("RmjCustFrm"));
    setWindowTitle(tr("ローマ字設定"));
    setModal(true);
    choices_ = ChoicesOfTable(ZRSub().CurUser.RomajiTable);

    const QString headings[3] = {tr("清音"), tr("濁音と拗音"), tr("小さい文字")};
    const SpellingButtonGrid keys = MakeSpellingButtons(headings, this, [this](int n) { keyClicked(n); });
    KeyBtn = keys.buttons;
    // っ stands alone on its row; its kind is named beside it.
    auto *sokuon = new QLabel(tr("促音"));
    sokuon->setObjectName(QStringLiteral("Label3"));
    sokuon->setStyleSheet(QStringLiteral("color: palette(mid); font-weight: bold;"));
    keys.grid->addWidget(sokuon, SpellingGridRow(1), 1);
    for (int g = 0; g < kSpellingGroups; ++g) {
        auto *box = new QCheckBox(tr("連動"));
        box->setObjectName(QStringLiteral("Check1_%1").arg(g));
        box->setChecked(true);
        box->setToolTip(tr("この行のボタンをまとめて切り替えます"));
        keys.grid->addWidget(box, SpellingGridRow(kGroupRows[g]), 5);
        Check1.append(box);
    }
    keys.grid->setColumnMinimumWidth(5, 60);

    auto *note = new QLabel(tr("ボタンを押すと、もう一方の綴りに切り替わります。"));
    note->setStyleSheet(QStringLiteral("color: palette(mid);"));

    cmdOK = new QPushButton(QStringLiteral("OK"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(tr("ｷｬﾝｾﾙ"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    Command1 = new QPushButton(tr("設定のクリア"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(tr("すべての綴りを、インストール時のローマ字表の綴りに戻します"));
    for (QPushButton *b : {cmdOK, cmdCancel, Command1}) {
        b->setMinimumWidth(96);
        b->setAutoDefault(false);
    }
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &RmjCustFrm::save);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Command1, &QPushButton::clicked, this, &RmjCustFrm::clearChoices);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addWidget(note);
    layout->addSpacing(6);
    layout->addLayout(keys.grid);
    layout->addSpacing(12);
    layout->addLayout(buttons);

    SetSpellingTabOrder(KeyBtn);
    QWidget::setTabOrder(KeyBtn[23], Check1.first());
    refreshCaptions();
    adjustSize();
    CentreWindow(this);
}

void RmjCustFrm::refreshCaptions()
{
    const bool upper = ZRSub().FontUpper == 1;
    for (int i = 0; i < KeyBtn.size(); ++i)
        KeyBtn[i]->setText(SpellingCaption(i, choices_.value(i), upper));
}

void RmjCustFrm::keyClicked(int n)
{
    bool linked[kSpellingGroups];
    for (int g = 0; g < kSpellingGroups; ++g)
        linked[g] = Check1[g]->isChecked();
    ToggleSpelling(choices_, n, linked);
    refreshCaptions();
}

// The spellings of the romaji table the program installs.
void RmjCustFrm::clearChoices()
{
    QString error;
    const std::optional<QList<RomajiEntry>> defaults = ReadCourseDefaultTable(0, &error);
    if (!defaults) {
        ShowMessage({error, tr("ローマ字設定"), MessageIcon::Warning, MessageButtons::Ok,
                     MessageAnswer::Ok});
        return;
    }
    RomajiTable table;
    table.load(*defaults);
    choices_ = ChoicesOfTable(table);
    refreshCaptions();
}

void RmjCustFrm::save()
{
    SharedState &s = ZRSub();
    UserRecord record = s.CurUser;
    ApplySpellingChoices(record.RomajiTable, choices_);
    QString error;
    const QString file = UserDataPath(s.CurUserDir);
    if (!SaveUserFile(s.CurUserDir, record, &error)) {
        ShowMessage({tr("成績データ「%1」を書き込めません。%2").arg(QDir::toNativeSeparators(file), error),
                     tr("ローマ字設定"), MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
        return;
    }
    s.CurUser = record;
    accept();
}

void ShowRmjCustFrm(QWidget *parent)
{
    RmjCustFrm dialog(parent);
    dialog.exec();
}

}  // namespace zr
