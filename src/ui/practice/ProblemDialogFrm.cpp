#include "ui/practice/ProblemDialogFrm.h"

#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "ui/common/Application.h"
#include "ui/common/WindowPlacement.h"
#include "ui/practice/ProblemPracticeFrm.h"
#include "userdata/ZRSub.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace zr {

ProblemDialogFrm::ProblemDialogFrm(PracticeKind kind, QWidget *parent) : QDialog(parent), kind_(kind)
{
    setObjectName(kind == PracticeKind::Word ? QStringLiteral("WdDialogFrm") : QStringLiteral("SentDialogFrm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    settings.kind = kind;

    text_ = CreateDialogText(this, 7200, 3000);
    ok_ = CreateNextButton(this);
    connect(ok_, &QPushButton::clicked, this, &ProblemDialogFrm::next);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(12, 12, 12, 12);
    main->setSpacing(10);
    main->addWidget(text_, 1);
    main->addLayout(buttons);
}

void ProblemDialogFrm::showEvent(QShowEvent *event)
{
    if (!loaded_) {
        loaded_ = true;
        if (!load())
            QTimer::singleShot(0, this, &QDialog::reject);
        adjustSize();
        CentreWindow(this);
    }
    QDialog::showEvent(event);
}

bool ProblemDialogFrm::load()
{
    setWindowTitle(settings.title);
    const QString file = AppPath(settings.path);
    ProblemFileStatus status;
    QString text;
    if (kind_ == PracticeKind::Word)
        text = WordDialogText(ReadWordDictionary(file, &status));
    else
        text = SentenceDialogText(ReadSentenceSet(file, &status));
    if (settings.path.isEmpty() || !status.exists) {
        ShowMessage({tr("問題ファイル「%1」が見つからないため、練習を始められません。").arg(settings.path),
                     kind_ == PracticeKind::Word ? tr("単語練習問題") : tr("短文練習問題"),
                     MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
        return false;
    }
    text_->setPlainText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    ok_->setFocus();
    return true;
}

void ProblemDialogFrm::next()
{
    hide();
    const std::unique_ptr<ProblemPracticeFrm> practice = CreatePracticeFrm(kind_, parentWidget());
    practice->mode = KanaWithoutGuideToo;
    practice->MType = WordDrillTitle;
    practice->lesson = lesson;
    practice->settings = settings;
    practice->exec();
    accept();
}

void StartProblemPractice(QWidget *parent, PracticeKind kind, int slot)
{
    std::unique_ptr<ProblemDialogFrm> dialog;
    if (kind == PracticeKind::Word)
        dialog = std::make_unique<WdDialogFrm>(parent);
    else
        dialog = std::make_unique<SentDialogFrm>(parent);
    dialog->lesson = qint16(slot);
    dialog->settings = ReadProblemPracticeSettings(kind, slot, CurUserIni(), DefaultsWrite::AfterFirstPaint);
    dialog->exec();
}

}  // namespace zr
