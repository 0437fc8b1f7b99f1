#include "ui/settings/IniSetFrm.h"

#include "platform/MessageBox.h"
#include "ui/common/CommonDialogs.h"
#include "ui/common/WindowPlacement.h"
#include "ui/problems/TextProblemFrm.h"
#include "userdata/ZRSub.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zr {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

// A slot's file name. A path too long for the box loses its middle, so the file name
// at its end stays in view, and the tool tip holds all of it; the box takes the focus,
// and while it has it shows the text from its end, to be read with the cursor keys.
// text() is always the whole name.
class SlotNameBox : public QLineEdit {
public:
    SlotNameBox()
    {
        setReadOnly(true);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QLineEdit::focusInEvent(event);
        if (!hasSelectedText())
            setCursorPosition(int(text().size()));
    }

    void paintEvent(QPaintEvent *event) override
    {
        if (hasFocus()) {
            QLineEdit::paintEvent(event);
            return;
        }
        QPainter painter(this);
        QStyleOptionFrame panel;
        initStyleOption(&panel);
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
        QRect area = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
        area = area.marginsRemoved(textMargins());
        // The margin QLineEdit keeps on each side of its text.
        area.adjust(2, 0, -2, 0);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width()));
    }
};

QLabel *heading(const QString &text)
{
    auto *label = new QLabel(text);
    label->setStyleSheet(QStringLiteral("color: palette(mid);"));
    return label;
}

}  // namespace

IniSetFrm::IniSetFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("IniSetFrm"));
    setWindowTitle(tr("練習問題の構成"));
    setModal(true);
    const SharedState &s = ZRSub();
    if (!slots_.open(s.CurUserDir, s.CurUser, &openError_) && openError_.isEmpty())
        openError_ = tr("設定ファイルを読み込めません。");

    SSTab1 = new QTabWidget;
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    for (int tab = 0; tab < 2; ++tab) {
        auto *page = new QWidget;
        auto *grid = new QGridLayout(page);
        grid->setContentsMargins(12, 10, 12, 10);
        grid->setHorizontalSpacing(8);
        grid->setVerticalSpacing(5);
        grid->addWidget(heading(tr("ファイル名")), 0, 1);
        grid->addWidget(heading(tr("タイトル")), 0, 2);
        for (int k = 0; k < kProblemSlots / 2; ++k) {
            const int n = tab * (kProblemSlots / 2) + k;
            auto *number = new QLabel(QString::number(k + 1));
            number->setObjectName(QStringLiteral("Label3_%1").arg(n));
            number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            auto *name = new SlotNameBox;
            name->setObjectName(QStringLiteral("Text1_%1").arg(n));
            auto *title = new QLineEdit;
            title->setObjectName(QStringLiteral("Text2_%1").arg(n));
            title->setReadOnly(true);
            title->setFocusPolicy(Qt::NoFocus);
            auto *add = new QPushButton(tr("登録"));
            add->setObjectName(QStringLiteral("Command1_%1").arg(n));
            auto *remove = new QPushButton(tr("解除"));
            remove->setObjectName(QStringLiteral("Command2_%1").arg(n));
            for (QPushButton *b : {add, remove})
                b->setAutoDefault(false);
            connect(add, &QPushButton::clicked, this, [this, n] { registerFile(n); });
            connect(remove, &QPushButton::clicked, this, [this, n] { releaseFile(n); });
            grid->addWidget(number, k + 1, 0);
            grid->addWidget(name, k + 1, 1);
            grid->addWidget(title, k + 1, 2);
            grid->addWidget(add, k + 1, 3);
            grid->addWidget(remove, k + 1, 4);
            Label3.append(number);
            Text1.append(name);
            Text2.append(title);
            Command1.append(add);
            Command2.append(remove);
        }
        grid->setColumnStretch(1, 3);
        grid->setColumnStretch(2, 2);
        grid->setRowStretch(kProblemSlots / 2 + 1, 1);
        SSTab1->addTab(page, tab == 0 ? tr("単語練習問題") : tr("短文練習問題"));
    }
    SSTab1->setCurrentIndex(0);

    auto *own = new QLabel(tr("自分で作った問題ファイルは「%1」に置いて登録できます。")
                               .arg(QDir::toNativeSeparators(LearnerProblemFolder())));
    own->setObjectName(QStringLiteral("OwnFolderNote"));
    own->setWordWrap(true);
    own->setTextInteractionFlags(Qt::TextSelectableByMouse);
    own->setStyleSheet(QStringLiteral("color: palette(mid);"));

    Command4 = new QPushButton(QStringLiteral("OK"));
    Command4->setObjectName(QStringLiteral("Command4"));
    Command3 = new QPushButton(tr("ｷｬﾝｾﾙ"));
    Command3->setObjectName(QStringLiteral("Command3"));
    for (QPushButton *b : {Command4, Command3}) {
        b->setMinimumWidth(96);
        b->setAutoDefault(false);
    }
    Command4->setDefault(true);
    Command4->setEnabled(slots_.isOpen());
    connect(Command4, &QPushButton::clicked, this, &IniSetFrm::store);
    connect(Command3, &QPushButton::clicked, this, &QDialog::reject);

    TextProblemButton = new QPushButton(tr("文章から作る(&T)..."));
    TextProblemButton->setObjectName(QStringLiteral("TextProblemButton"));
    TextProblemButton->setAutoDefault(false);
    connect(TextProblemButton, &QPushButton::clicked, this, &IniSetFrm::makeFromText);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(TextProblemButton);
    buttons->addStretch(1);
    buttons->addWidget(Command4);
    buttons->addWidget(Command3);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(SSTab1, 1);
    layout->addWidget(own);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    for (int n = 0; n < kProblemSlots; ++n)
        showSlot(n);
    resize(760, sizeHint().height());
    CentreWindow(this);
}

void IniSetFrm::showSlot(int n)
{
    const ProblemSlots::Slot &slot = slots_.slot(n);
    Text1[n]->setText(slot.name);
    Text1[n]->setToolTip(slot.name);
    Text1[n]->setCursorPosition(0);
    Text2[n]->setText(slot.title);
    Text2[n]->setToolTip(slot.title);
    Text2[n]->setCursorPosition(0);
    // A slot takes a new file only once it is free.
    Command1[n]->setEnabled(slot.name.isEmpty());
    Command2[n]->setEnabled(!slot.name.isEmpty());
}

void IniSetFrm::registerFile(int n)
{
    const bool word = IsWordSlot(n);
    OpenFileRequest request;
    request.title = tr("問題ファイルの登録");
    request.directory = AppPath(QStringLiteral("resource"));
    request.filter = word ? tr("単語辞書 (*.zrd)") : tr("短文問題 (*.zrw)");
    request.defaultSuffix = word ? QStringLiteral("zrd") : QStringLiteral("zrw");
    request.places = {QUrl::fromLocalFile(request.directory), QUrl::fromLocalFile(LearnerProblemFolder())};
    const std::optional<QString> chosen = ChooseOpenFile(this, request);
    if (!chosen)
        return;
    const QString name = RegisteredProblemName(*chosen, ZRSub().AppDir);
    if (slots_.duplicateOf(n, name) >= 0) {
        ShowMessage({name + kCrLf + tr("この問題ファイルは既に登録されています。"),
                     tr("登録の中止"), MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
        return;
    }
    QString title, problem = UnstorableProblemName(name);
    if (!problem.isEmpty() || !CheckProblemFile(*chosen, word, &title, &problem)) {
        ShowMessage({problem, tr("登録の中止"), MessageIcon::Warning, MessageButtons::Ok,
                     MessageAnswer::Ok});
        return;
    }
    if (slots_.place(n, name, title)) {
        showSlot(n);
        Command2[n]->setFocus();
    }
}

void IniSetFrm::releaseFile(int n)
{
    const QString name = slots_.slot(n).name;
    if (name.isEmpty())
        return;
    const MessageAnswer answer =
        ShowMessage({name + kCrLf + tr("このファイルを登録から外します。よろしいですか？"),
                     tr("問題ファイルの解除"), MessageIcon::Warning, MessageButtons::YesNo,
                     MessageAnswer::No});
    if (answer != MessageAnswer::Yes)
        return;
    slots_.release(n);
    showSlot(n);
    Command1[n]->setFocus();
}

void IniSetFrm::store()
{
    if (!slots_.isOpen())
        return;
    QString error;
    if (!slots_.commit(ZRSub().CurUser, &error)) {
        ShowMessage({error, tr("練習問題の構成"), MessageIcon::Warning, MessageButtons::Ok,
                     MessageAnswer::Ok});
        return;
    }
    accept();
}

// A file made from a text goes into this dialog's slots, stored with OK like any other.
void IniSetFrm::makeFromText()
{
    ShowTextProblemFrm(this, &slots_);
    for (int n = 0; n < kProblemSlots; ++n)
        showSlot(n);
}

void ShowIniSetFrm(QWidget *parent)
{
    IniSetFrm dialog(parent);
    if (!dialog.openError().isEmpty()) {
        ShowMessage({dialog.openError() + kCrLf
                         + IniSetFrm::tr("問題ファイルの登録が分からないため、「練習問題の構成」を開けません。"
                                          "設定ファイルを読めるようにしてから、もう一度開いて下さい。"),
                     IniSetFrm::tr("練習問題の構成"), MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
        return;
    }
    dialog.exec();
}

}  // namespace zr
