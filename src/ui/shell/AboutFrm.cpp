#include "ui/shell/AboutFrm.h"

#include "ui/shell/ShellIcons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zr {

AboutFrm::AboutFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutFrm"));
    setWindowTitle(tr("バージョン情報"));
    setWindowIcon(AppIcon());

    auto *icon = new QLabel;
    icon->setPixmap(AppIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto *name = new QLabel(QStringLiteral("ZORVEL LESSON"));
    name->setObjectName(QStringLiteral("lblTitle"));
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.7);
    nameFont.setBold(true);
    name->setFont(nameFont);
    auto *version = new QLabel(tr("バージョン %1").arg(QStringLiteral(ZR_VERSION)));
    version->setObjectName(QStringLiteral("lblVersion"));
    auto *description = new QLabel(
        tr("日本語の文章をタッチタイプで入力できるようになるための練習ソフトです。"
                       "ローマ字入力と JIS 仮名入力の二つのコースがあり、基本練習の Chapter を一つずつ合格しながら、"
                       "キーの位置ではなく単語そのものを指に覚えさせます。単語練習問題と短文練習問題で、"
                       "速さと正確さを仕上げます。"));
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setWordWrap(true);
    // A definite width lets the label know its height before the dialog sizes itself.
    description->setFixedWidth(340);
    description->setMinimumHeight(description->heightForWidth(340));

    auto *text = new QVBoxLayout;
    text->setSpacing(6);
    text->addWidget(name);
    text->addWidget(version);
    text->addSpacing(8);
    text->addWidget(description);
    text->addStretch(1);

    auto *top = new QHBoxLayout;
    top->setSpacing(18);
    top->addWidget(icon);
    top->addLayout(text, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 20, 22, 14);
    layout->setSpacing(16);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace zr
