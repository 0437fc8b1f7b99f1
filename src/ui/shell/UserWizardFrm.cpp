#include "ui/shell/UserWizardFrm.h"

#include "engine/RomajiTable.h"
#include "platform/Cp932.h"
#include "platform/MessageBox.h"
#include "practicelog/LearnerLog.h"
#include "ui/common/SpellingButtons.h"
#include "ui/common/WindowPlacement.h"
#include "ui/shell/MainFrm.h"
#include "ui/shell/ShellIcons.h"
#include "userdata/Users.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace zr {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
constexpr int kPages = 6;

const char *const kTitles[kPages] = {
    QT_TRANSLATE_NOOP("zr::UserWizardFrm", "はじめに"),     QT_TRANSLATE_NOOP("zr::UserWizardFrm", "氏名入力"),
    QT_TRANSLATE_NOOP("zr::UserWizardFrm", "コース選択"),   QT_TRANSLATE_NOOP("zr::UserWizardFrm", "ローマ字設定"),
    QT_TRANSLATE_NOOP("zr::UserWizardFrm", "入力速度の調査"), QT_TRANSLATE_NOOP("zr::UserWizardFrm", "設定の確認"),
};

QLabel *paragraph(const QString &text)
{
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget *pageWith(QLayout *layout)
{
    auto *page = new QWidget;
    layout->setContentsMargins(24, 18, 24, 12);
    page->setLayout(layout);
    return page;
}

}  // namespace

UserWizardFrm::UserWizardFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("UserWizardFrm"));
    setWindowTitle(tr("使用者登録"));
    setWindowIcon(AppIcon());
    setModal(true);
    for (qsizetype i = 0; i < SpellingAlternatives().size(); ++i)
        spellings_.append(0);

    // Heading band with the page's title.
    auto *header = new QFrame;
    header->setObjectName(QStringLiteral("Header"));
    header->setAutoFillBackground(true);
    header->setBackgroundRole(QPalette::Base);
    auto *headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(24, 14, 24, 14);
    title_ = new QLabel;
    title_->setObjectName(QStringLiteral("PageTitle"));
    QFont titleFont = title_->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.45);
    titleFont.setBold(true);
    title_->setFont(titleFont);
    step_ = new QLabel;
    step_->setObjectName(QStringLiteral("PageStep"));
    step_->setStyleSheet(QStringLiteral("color: palette(mid);"));
    headerLayout->addWidget(title_);
    headerLayout->addStretch(1);
    headerLayout->addWidget(step_);

    pages_ = new QStackedWidget;

    // 0: introduction.
    {
        auto *layout = new QVBoxLayout;
        layout->addWidget(paragraph(
            tr("　ZORVEL LESSON は、「キーの位置を覚える」という初歩的なレベルではなく、"
                           "「単語を指が覚える」というレベルでのタッチタイプをマスターできるように設計されています。")
            + u'\n'
            + tr("　このレベルでのタッチタイプをマスターすると、キーの位置はうろ覚えでも指が自然と文章を入力できるようになってきます。")
            + u'\n' + u'\n'
            + tr("　ZORVEL LESSON では日常よく使う単語を問題として出題します。"
                             "カリキュラムの中で繰り返し練習することで「単語を指が覚える」ようになり、"
                             "最終的には自然と文章を入力できるようになるはずです。")));
        layout->addStretch(1);
        pages_->addWidget(pageWith(layout));
    }
    // 1: name.
    {
        auto *layout = new QVBoxLayout;
        auto *prompt = paragraph(tr("お名前を全角２～10文字以内で入力して下さい。"));
        Text2 = new QLineEdit;
        Text2->setObjectName(QStringLiteral("Text2"));
        Text2->setMaxLength(40);
        prompt->setBuddy(Text2);
        nameHint_ = new QLabel;
        nameHint_->setObjectName(QStringLiteral("NameHint"));
        nameHint_->setStyleSheet(QStringLiteral("color: palette(mid);"));
        layout->addWidget(prompt);
        layout->addSpacing(6);
        layout->addWidget(Text2);
        layout->addWidget(nameHint_);
        layout->addStretch(1);
        pages_->addWidget(pageWith(layout));
        connect(Text2, &QLineEdit::textChanged, this, &UserWizardFrm::nameEdited);
    }
    // 2: course.
    {
        auto *layout = new QVBoxLayout;
        layout->addWidget(paragraph(tr("入力コースを選択して下さい。（途中でのコース変更はできません）")));
        layout->addSpacing(8);
        OptionRmj = new QRadioButton(tr("ローマ字入力コース"));
        OptionRmj->setObjectName(QStringLiteral("OptionRmj"));
        OptionKana = new QRadioButton(tr("JIS 仮名入力コース"));
        OptionKana->setObjectName(QStringLiteral("OptionKana"));
        auto *group = new QButtonGroup(this);
        group->addButton(OptionRmj);
        group->addButton(OptionKana);
        layout->addWidget(OptionRmj);
        layout->addWidget(OptionKana);
        layout->addStretch(1);
        pages_->addWidget(pageWith(layout));
        // The course cannot be changed later, so it is never chosen for the learner.
        for (QRadioButton *option : {OptionRmj, OptionKana})
            connect(option, &QRadioButton::clicked, this, [this] {
                cmdnex->setEnabled(true);
                showStep();
            });
    }
    // 3: romaji spellings.
    {
        auto *layout = new QVBoxLayout;
        layout->addWidget(paragraph(tr("　ローマ字の読みを設定してください。なお、この操作は後から変更もできます。")));
        layout->addSpacing(6);
        const QString headings[3] = {tr("清音・促音"), tr("拗音"),
                                     tr("小さい文字")};
        const SpellingButtonGrid keys =
            MakeSpellingButtons(headings, this, [this](int i) { keyClicked(i); });
        QGridLayout *grid = keys.grid;
        KeyBtn = keys.buttons;
        layout->addLayout(grid);
        layout->addStretch(1);
        pages_->addWidget(pageWith(layout));
        for (int i = 0; i < KeyBtn.size(); ++i)
            KeyBtn[i]->setText(keyCaption(i));
        SetSpellingTabOrder(KeyBtn);
    }
    // 4: typing level.
    {
        auto *layout = new QVBoxLayout;
        layout->addWidget(paragraph(
            tr("　あなたのレベルに合わせた練習にするために、どの程度の速度でタイプできているか調査します。"
                           "タッチタイピングができる、できないにかかわらず、どのぐらいの速さでタイプできるかを下から選んでください。")));
        layout->addSpacing(8);
        Option1 = new QRadioButton(tr("全くのパソコン初心者です。"));
        Option2 = new QRadioButton(tr("多少慣れていますが、まだまだ速度は遅いです。"));
        Option3 = new QRadioButton(tr("人並みの速さでタイプできると思います。"));
        Option4 = new QRadioButton(tr("タイプ速度は自信があります。"));
        auto *group = new QButtonGroup(this);
        const int speeds[] = {40, 80, 120, 160};
        int k = 0;
        for (QRadioButton *option : {Option1, Option2, Option3, Option4}) {
            option->setObjectName(QStringLiteral("Option%1").arg(k + 1));
            group->addButton(option);
            layout->addWidget(option);
            const int speed = speeds[k++];
            connect(option, &QRadioButton::clicked, this, [this, speed] { targetSpeed = speed; });
        }
        Option1->setChecked(true);
        layout->addStretch(1);
        pages_->addWidget(pageWith(layout));
    }
    // 5: confirmation.
    {
        auto *layout = new QVBoxLayout;
        layout->addWidget(paragraph(tr("　以下の情報で登録します。間違いが無ければ【完了】ボタンを押して下さい。"
                                                   "【戻る】ボタンで設定をやり直せます。")));
        layout->addSpacing(10);
        auto *form = new QFormLayout;
        form->setHorizontalSpacing(14);
        Text1 = new QLineEdit;
        Text1->setObjectName(QStringLiteral("Text1"));
        Text3 = new QLineEdit;
        Text3->setObjectName(QStringLiteral("Text3"));
        for (QLineEdit *box : {Text1, Text3}) {
            box->setReadOnly(true);
            box->setFocusPolicy(Qt::NoFocus);
        }
        form->addRow(tr("氏名"), Text1);
        form->addRow(tr("コース"), Text3);
        layout->addLayout(form);
        layout->addStretch(1);
        pages_->addWidget(pageWith(layout));
    }

    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto *topLine = new QFrame;
    topLine->setFrameShape(QFrame::HLine);
    topLine->setFrameShadow(QFrame::Sunken);

    cmdbef = new QPushButton(tr("戻る"));
    cmdbef->setObjectName(QStringLiteral("cmdbef"));
    cmdnex = new QPushButton(tr("次へ"));
    cmdnex->setObjectName(QStringLiteral("cmdnex"));
    cmdCancel = new QPushButton(tr("ｷｬﾝｾﾙ"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton *b : {cmdbef, cmdnex, cmdCancel})
        b->setMinimumWidth(96);
    cmdnex->setDefault(true);
    cmdbef->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);
    connect(cmdnex, &QPushButton::clicked, this, &UserWizardFrm::next);
    connect(cmdbef, &QPushButton::clicked, this, &UserWizardFrm::back);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(24, 10, 24, 14);
    buttons->addStretch(1);
    buttons->addWidget(cmdbef);
    buttons->addWidget(cmdnex);
    buttons->addSpacing(12);
    buttons->addWidget(cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header);
    layout->addWidget(topLine);
    layout->addWidget(pages_, 1);
    layout->addWidget(line);
    layout->addLayout(buttons);

    resize(600, 470);
    ShowPage(0);
    CentreWindow(this);
}

QString UserWizardFrm::UserColChk(const QString &name, int course)
{
    return zr::UserColChk(name, course);
}

QString UserWizardFrm::keyCaption(int i) const
{
    return SpellingCaption(i, spellings_[i], false);
}

void UserWizardFrm::keyClicked(int i)
{
    spellings_[i] = spellings_[i] == 0 ? 1 : 0;
    KeyBtn[i]->setText(keyCaption(i));
}

void UserWizardFrm::ShowPage(int n)
{
    page_ = n;
    pages_->setCurrentIndex(n);
    title_->setText(tr(kTitles[n]));
    showStep();
    cmdnex->setText(n == kPages - 1 ? tr("完了") : tr("次へ"));
    cmdbef->setEnabled(n != 0);
    if (n == 1) {
        nameEdited();
        Text2->setFocus();
    } else if (n == 2) {
        cmdnex->setEnabled(OptionRmj->isChecked() || OptionKana->isChecked());
        // Shown as keyboard focus (the style draws the frame only after a keyboard
        // focus change), so the learner sees at once that the arrow keys choose.
        setAttribute(Qt::WA_KeyboardFocusChange);
        (OptionKana->isChecked() ? OptionKana : OptionRmj)->setFocus(Qt::TabFocusReason);
    } else {
        cmdnex->setEnabled(true);
        cmdnex->setFocus();
    }
}

void UserWizardFrm::showStep()
{
    // The counter counts the pages this learner sees: the kana course has no spellings
    // page, so it has one page less from the moment that course is picked.
    const bool kana = OptionKana->isChecked();
    const int shown = page_ + 1 - (kana && page_ > 3 ? 1 : 0);
    step_->setText(QStringLiteral("%1 / %2").arg(shown).arg(kana ? kPages - 1 : kPages));
}

void UserWizardFrm::nameEdited()
{
    const QString text = Text2->text().trimmed();
    const int bytes = AnsiByteLength(text);
    if (page_ == 1)
        cmdnex->setEnabled(NameLengthOk(text));
    nameHint_->setText(tr("全角に換算して %1 文字（半角文字は 0.5 文字）").arg(QString::number(bytes / 2.0, 'g', 3)));
}

void UserWizardFrm::next()
{
    switch (page_) {
    case 1: {
        const QString text = Text2->text().trimmed();
        if (!NameLengthOk(text)) {
            ShowMessage({tr("入力した名前が不正です"), tr("入力ｴﾗｰ"), MessageIcon::None,
                         MessageButtons::Ok, MessageAnswer::Ok});
            return;
        }
        const QString bad = UnstorableCharacters(text);
        if (!bad.isEmpty()) {
            ShowMessage({tr("お名前に使えない文字が含まれています：%1").arg(bad), tr("入力ｴﾗｰ"),
                         MessageIcon::None, MessageButtons::Ok, MessageAnswer::Ok});
            return;
        }
        name = text;
        Text1->setText(text);
        ShowPage(2);
        return;
    }
    case 2: {
        if (!OptionRmj->isChecked() && !OptionKana->isChecked())
            return;
        const bool romaji = OptionRmj->isChecked();
        Course = romaji ? 0 : 1;
        Text3->setText(romaji ? tr("ローマ字入力コース") : tr("JIS 仮名入力コース"));
        if (UserColChk(name, Course) == u"OK") {
            ShowPage(romaji ? 3 : 4);
            return;
        }
        ShowMessage({tr("氏名：「%1」").arg(name) + kCrLf
                         + (romaji ? tr("コース：ローマ字入力コース")
                                   : tr("コース：JIS仮名入力コース"))
                         + kCrLf + kCrLf + tr("既にこの名前は使われています。") + kCrLf
                         + tr("氏名の入力画面まで戻り、名前を変更して下さい。"),
                     tr("氏名が重複しています"), MessageIcon::Warning, MessageButtons::Ok,
                     MessageAnswer::Ok});
        return;
    }
    case kPages - 1:
        finish();
        return;
    default:
        ShowPage(page_ + 1);
    }
}

void UserWizardFrm::back()
{
    if (page_ == 4 && !OptionRmj->isChecked())
        ShowPage(2);
    else if (page_ > 0)
        ShowPage(page_ - 1);
}

void UserWizardFrm::finish()
{
    NewUserChoices choices;
    choices.name = name;
    choices.course = Course;
    choices.targetSpeed = targetSpeed;
    choices.spellings = spellings_;
    QString error;
    if (!WriteNewUser(MkPath, choices, &error)) {
        ShowMessage({error + kCrLf + tr("使用者を登録できませんでした。"), tr("使用者登録"),
                     MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
        return;
    }
    OpenLearnerLogSoon();
    if (MainFrm *main = MainFrm::instance())
        main->ShowNewUser(name);
    accept();
}

bool CreateUser(QWidget *parent)
{
    const QString folder = FreeUserFolder();
    if (folder.isEmpty()) {
        ShowMessage({UserWizardFrm::tr("これ以上ユーザデータを登録することができません。"), UserWizardFrm::tr("エラー"),
                     MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
        return false;
    }
    UserWizardFrm wizard(parent);
    wizard.MkPath = folder;
    return wizard.exec() == QDialog::Accepted;
}

}  // namespace zr
