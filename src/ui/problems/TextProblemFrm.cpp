#include "ui/problems/TextProblemFrm.h"

#include "platform/BinaryIO.h"
#include "platform/Cp932.h"
#include "platform/MessageBox.h"
#include "ui/common/CommonDialogs.h"
#include "ui/common/WindowPlacement.h"
#include "userdata/ZRSub.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

namespace zr {
namespace {

QString windowTitle()
{
    return TextProblemFrm::tr("文章から練習問題を作る");
}
const QString kCrLf = QStringLiteral("\r\n");

// The columns of the item table.
enum Column : int { MarkColumn = 0, ProblemColumn = 1, TextColumn = 2, ReadingColumn = 3 };

// A text file is read whole; far more than any text worth practising.
constexpr qint64 kMaxTextBytes = 4 * 1024 * 1024;

MessageAnswer tell(const QString &text, MessageIcon icon = MessageIcon::Warning,
                   MessageButtons buttons = MessageButtons::Ok, MessageAnswer byDefault = MessageAnswer::Ok)
{
    return ShowMessage({text, windowTitle(), icon, buttons, byDefault});
}

bool encodable(const QString &text)
{
    return fromAnsi(toAnsi(text)) == text;
}

// Why an item cannot be saved as it stands; empty when it can.
QString itemProblem(const DraftItem &item)
{
    if (!encodable(item.display))
        return TextProblemFrm::tr("Shift-JIS で表せない文字があります。文を直してから作り直して下さい。");
    if (!IsTypableReading(item.reading)) {
        if (!item.unknown.isEmpty() && item.reading.contains(u'['))
            return TextProblemFrm::tr("読みの分からない語があります。読みをひらがなで入力して下さい。");
        return TextProblemFrm::tr("読みはひらがな、長音記号と句読点で入力して下さい。");
    }
    return {};
}

}  // namespace

TextProblemFrm::TextProblemFrm(QWidget *parent, ProblemSlots *hostSlots) : QDialog(parent), hostSlots_(hostSlots)
{
    setObjectName(QStringLiteral("TextProblemFrm"));
    setWindowTitle(windowTitle());
    setModal(true);

    WordKind = new QRadioButton(tr("単語辞書(&W)"));
    WordKind->setObjectName(QStringLiteral("WordKind"));
    SentenceKind = new QRadioButton(tr("短文問題(&S)"));
    SentenceKind->setObjectName(QStringLiteral("SentenceKind"));
    SentenceKind->setChecked(true);
    auto *kinds = new QButtonGroup(this);
    kinds->addButton(WordKind);
    kinds->addButton(SentenceKind);
    OpenButton = new QPushButton(tr("ファイルを開く(&O)..."));
    OpenButton->setObjectName(QStringLiteral("OpenButton"));

    SourceText = new QPlainTextEdit;
    SourceText->setObjectName(QStringLiteral("SourceText"));
    SourceText->setPlaceholderText(tr("ここに文章を貼り付けるか、UTF-8 のテキストファイルを開いて下さい。"));
    SourceText->setTabChangesFocus(true);

    ItemTable = new QTableWidget(0, 4);
    ItemTable->setObjectName(QStringLiteral("ItemTable"));
    ItemTable->setHorizontalHeaderLabels(
        {QString(), tr("問題"), tr("表示する文"), tr("読み")});
    ItemTable->verticalHeader()->setVisible(false);
    ItemTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    ItemTable->setSelectionMode(QAbstractItemView::SingleSelection);
    ItemTable->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                               | QAbstractItemView::AnyKeyPressed);
    ItemTable->setTabKeyNavigation(false);
    ItemTable->horizontalHeader()->setSectionResizeMode(MarkColumn, QHeaderView::ResizeToContents);
    ItemTable->horizontalHeader()->setSectionResizeMode(ProblemColumn, QHeaderView::ResizeToContents);
    ItemTable->horizontalHeader()->setSectionResizeMode(TextColumn, QHeaderView::Stretch);
    ItemTable->horizontalHeader()->setSectionResizeMode(ReadingColumn, QHeaderView::Stretch);

    Summary = new QLabel;
    Summary->setObjectName(QStringLiteral("Summary"));
    Summary->setWordWrap(true);

    TitleText = new QLineEdit;
    TitleText->setObjectName(QStringLiteral("TitleText"));
    DescriptionText = new QPlainTextEdit;
    DescriptionText->setObjectName(QStringLiteral("DescriptionText"));
    DescriptionText->setTabChangesFocus(true);
    DescriptionText->setFixedHeight(DescriptionText->fontMetrics().lineSpacing() * 3 + 12);
    FileNameText = new QLineEdit;
    FileNameText->setObjectName(QStringLiteral("FileNameText"));
    FileNameText->setPlaceholderText(tr("空欄ならタイトルから付けます"));
    auto *folder = new QLabel(tr("保存先: %1").arg(QDir::toNativeSeparators(LearnerProblemFolder())));
    folder->setObjectName(QStringLiteral("FolderNote"));
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    folder->setStyleSheet(QStringLiteral("color: palette(mid);"));

    SaveButton = new QPushButton(tr("保存"));
    SaveButton->setObjectName(QStringLiteral("SaveButton"));
    CloseButton = new QPushButton(tr("閉じる"));
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    for (QPushButton *b : {SaveButton, CloseButton}) {
        b->setMinimumWidth(96);
        b->setAutoDefault(false);
    }
    OpenButton->setAutoDefault(false);
    SaveButton->setDefault(true);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("作るもの:")));
    top->addWidget(SentenceKind);
    top->addWidget(WordKind);
    top->addStretch(1);
    top->addWidget(OpenButton);

    auto *textLabel = new QLabel(tr("文章(&T):"));
    textLabel->setBuddy(SourceText);
    auto *tableLabel = new QLabel(tr("問題と読み(&R):（読みのセルを選んで入力すると直せます）"));
    tableLabel->setBuddy(ItemTable);
    auto *upper = new QWidget;
    auto *upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->addWidget(textLabel);
    upperLayout->addWidget(SourceText);
    auto *lower = new QWidget;
    auto *lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addWidget(tableLabel);
    lowerLayout->addWidget(ItemTable, 1);
    lowerLayout->addWidget(Summary);
    auto *splitter = new QSplitter(Qt::Vertical);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(upper);
    splitter->addWidget(lower);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);

    auto *form = new QFormLayout;
    form->addRow(tr("タイトル(&N):"), TitleText);
    form->addRow(tr("説明(&D):"), DescriptionText);
    form->addRow(tr("ファイル名(&F):"), FileNameText);
    form->addRow(QString(), folder);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(SaveButton);
    buttons->addWidget(CloseButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addLayout(top);
    layout->addWidget(splitter, 1);
    layout->addLayout(form);
    layout->addLayout(buttons);

    setTabOrder(SentenceKind, WordKind);
    setTabOrder(WordKind, OpenButton);
    setTabOrder(OpenButton, SourceText);
    setTabOrder(SourceText, ItemTable);
    setTabOrder(ItemTable, TitleText);
    setTabOrder(TitleText, DescriptionText);
    setTabOrder(DescriptionText, FileNameText);
    setTabOrder(FileNameText, SaveButton);
    setTabOrder(SaveButton, CloseButton);

    // The text is read a moment after the last change, off this thread.
    delay_ = new QTimer(this);
    delay_->setSingleShot(true);
    delay_->setInterval(250);
    connect(delay_, &QTimer::timeout, this, &TextProblemFrm::startAnalysis);
    connect(SourceText, &QPlainTextEdit::textChanged, this, &TextProblemFrm::textChanged);
    connect(SentenceKind, &QRadioButton::toggled, this, &TextProblemFrm::textChanged);
    connect(ItemTable, &QTableWidget::cellChanged, this, &TextProblemFrm::readingEdited);
    connect(OpenButton, &QPushButton::clicked, this, &TextProblemFrm::openFile);
    connect(SaveButton, &QPushButton::clicked, this, &TextProblemFrm::save);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);

    updateSummary();
    resize(920, 720);
    CentreWindow(this);
    SourceText->setFocus();
}

TextProblemFrm::~TextProblemFrm()
{
    // The children outlive this part of the window and may still signal while they go.
    for (QObject *sender : std::initializer_list<QObject *>{SourceText, SentenceKind, ItemTable, delay_})
        disconnect(sender, nullptr, this, nullptr);
    // A reading under way finishes first: it uses nothing of the window.
    if (worker_) {
        worker_->wait();
        delete worker_.data();
    }
}

ProblemKind TextProblemFrm::kind() const
{
    return WordKind->isChecked() ? ProblemKind::Word : ProblemKind::Sentence;
}

void TextProblemFrm::textChanged()
{
    ++generation_;
    delay_->start();
}

void TextProblemFrm::startAnalysis()
{
    // One reading at a time; the latest text is read when this one ends.
    if (worker_)
        return;
    const int generation = generation_;
    const QString text = SourceText->toPlainText();
    const ProblemKind k = kind();
    auto result = std::make_shared<QList<DraftItem>>();
    auto problem = std::make_shared<QString>();
    worker_ = QThread::create([text, k, result, problem] {
        const ReadingAnalyser &analyser = DefaultReadingAnalyser();
        *problem = analyser.problem();
        *result = DraftItems(text, k, analyser);
    });
    connect(worker_, &QThread::finished, this, [this, generation, result, problem] {
        worker_->deleteLater();
        worker_ = nullptr;
        if (generation == generation_ && shownGeneration_ != generation)
            showItems(generation, *result, *problem);
        else if (shownGeneration_ != generation_ && !delay_->isActive())
            startAnalysis();
        updateSummary();
    });
    worker_->start();
    updateSummary();
}

void TextProblemFrm::showItems(int generation, const QList<DraftItem> &items, const QString &problem)
{
    shownGeneration_ = generation;
    items_ = items;
    for (DraftItem &item : items_) {
        const auto it = edited_.constFind(item.display);
        if (it != edited_.constEnd())
            item.reading = *it;
    }
    filling_ = true;
    ItemTable->setUpdatesEnabled(false);
    ItemTable->clearContents();
    ItemTable->setRowCount(int(items_.size()));
    ItemTable->setColumnHidden(ProblemColumn, kind() == ProblemKind::Word);
    for (int row = 0; row < items_.size(); ++row) {
        const DraftItem &item = items_[row];
        auto *mark = new QTableWidgetItem;
        auto *problemNumber = new QTableWidgetItem(QString::number(item.problem + 1));
        auto *text = new QTableWidgetItem(item.display);
        for (QTableWidgetItem *cell : {mark, problemNumber, text})
            cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
        problemNumber->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ItemTable->setItem(row, MarkColumn, mark);
        ItemTable->setItem(row, ProblemColumn, problemNumber);
        ItemTable->setItem(row, TextColumn, text);
        ItemTable->setItem(row, ReadingColumn, new QTableWidgetItem(item.reading));
        markRow(row);
    }
    ItemTable->setUpdatesEnabled(true);
    filling_ = false;
    if (!problem.isEmpty())
        Summary->setProperty("analyserProblem", problem);
    else
        Summary->setProperty("analyserProblem", QVariant());
    updateSummary();
    emit itemsShown();
}

void TextProblemFrm::markRow(int row)
{
    const QString why = itemProblem(items_[row]);
    const bool bad = !why.isEmpty();
    const QColor background = bad ? QColor(255, 224, 224) : QColor();
    for (int column = 0; column < ItemTable->columnCount(); ++column) {
        QTableWidgetItem *cell = ItemTable->item(row, column);
        if (!cell)
            continue;
        cell->setBackground(bad ? QBrush(background) : QBrush());
        if (bad)
            cell->setForeground(QBrush(QColor(0, 0, 0)));
        else
            cell->setData(Qt::ForegroundRole, QVariant());
        cell->setToolTip(why);
    }
    ItemTable->item(row, MarkColumn)->setText(bad ? tr("要入力") : QString());
}

void TextProblemFrm::readingEdited(int row, int column)
{
    if (filling_ || column != ReadingColumn || row < 0 || row >= items_.size())
        return;
    DraftItem &item = items_[row];
    item.reading = ItemTable->item(row, ReadingColumn)->text().trimmed();
    edited_.insert(item.display, item.reading);
    filling_ = true;
    markRow(row);
    filling_ = false;
    updateSummary();
}

void TextProblemFrm::updateSummary()
{
    QStringList parts;
    const QVariant problem = Summary->property("analyserProblem");
    if (problem.isValid())
        parts.append(problem.toString());
    const int marked = int(std::count_if(items_.begin(), items_.end(),
                                         [](const DraftItem &i) { return !itemProblem(i).isEmpty(); }));
    if (kind() == ProblemKind::Word) {
        parts.append(tr("%1 語").arg(items_.size()));
        if (items_.size() > WordDictionary::kMaxWords)
            parts.append(tr("単語辞書は %1 語までです。").arg(WordDictionary::kMaxWords));
    } else {
        const int problems = items_.isEmpty() ? 0 : items_.last().problem + 1;
        parts.append(tr("%1 問、%2 行").arg(problems).arg(items_.size()));
        if (problems > SentenceSet::kProblems)
            parts.append(tr("短文問題は %1 問までです。").arg(SentenceSet::kProblems));
    }
    if (marked > 0)
        parts.append(tr("読みを入力する行: %1").arg(marked));
    if (analysing())
        parts.append(tr("読みを調べています…"));
    Summary->setText(parts.join(tr("　")));
}

void TextProblemFrm::openFile()
{
    OpenFileRequest request;
    request.title = tr("文章のファイルを開く");
    request.directory = QDir::homePath();
    request.filter = tr("テキスト (*.txt);;すべてのファイル (*)");
    const std::optional<QString> chosen = ChooseOpenFile(this, request);
    if (!chosen)
        return;
    QString error;
    const std::optional<QByteArray> bytes = readFileBounded(*chosen, kMaxTextBytes, &error);
    const QString shown = QDir::toNativeSeparators(*chosen);
    if (!bytes) {
        tell(tr("「%1」を読み込めません。").arg(shown) + kCrLf + error);
        return;
    }
    QString text = QString::fromUtf8(*bytes);
    if (text.contains(QChar(QChar::ReplacementCharacter))) {
        tell(tr("「%1」は UTF-8 のテキストではありません。").arg(shown));
        return;
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    SourceText->setPlainText(text);
    if (TitleText->text().trimmed().isEmpty())
        TitleText->setText(QFileInfo(*chosen).completeBaseName());
}

void TextProblemFrm::save()
{
    // What is shown is what is saved: a text not read yet is read now, on this thread
    // (saving waits for it anyway).
    if (shownGeneration_ != generation_) {
        delay_->stop();
        if (worker_)
            worker_->wait();
        showItems(generation_, DraftItems(SourceText->toPlainText(), kind(), DefaultReadingAnalyser()),
                  DefaultReadingAnalyser().problem());
    }
    if (items_.isEmpty()) {
        tell(tr("練習問題にする文章がありません。"));
        SourceText->setFocus();
        return;
    }
    if (TitleText->text().trimmed().isEmpty()) {
        tell(tr("タイトルを入力して下さい。タイトルは練習問題の一覧に出ます。"));
        TitleText->setFocus();
        return;
    }
    for (QWidget *box : std::initializer_list<QWidget *>{TitleText, DescriptionText}) {
        const QString text = box == TitleText ? TitleText->text() : DescriptionText->toPlainText();
        if (!encodable(text)) {
            tell(tr("タイトルか説明に Shift-JIS で表せない文字があります。"));
            box->setFocus();
            return;
        }
    }
    for (int row = 0; row < items_.size(); ++row) {
        const QString why = itemProblem(items_[row]);
        if (why.isEmpty())
            continue;
        const int marked = int(std::count_if(items_.begin(), items_.end(),
                                             [](const DraftItem &i) { return !itemProblem(i).isEmpty(); }));
        tell(tr("「要入力」の行が %1 行あります。").arg(marked) + kCrLf
             + tr("%1 行目: %2").arg(QString::number(row + 1), why));
        ItemTable->setCurrentCell(row, ReadingColumn);
        ItemTable->setFocus();
        return;
    }
    const ProblemKind k = kind();
    const int problems = items_.last().problem + 1;
    if (k == ProblemKind::Word && items_.size() > WordDictionary::kMaxWords) {
        tell(tr("単語辞書に入る単語は %1 語までです（今は %2 語）。").arg(WordDictionary::kMaxWords).arg(items_.size()));
        return;
    }
    if (k == ProblemKind::Sentence && problems > SentenceSet::kProblems) {
        tell(tr("短文問題に入る問題は %1 問までです（今は %2 問）。文章を短くして下さい。")
                 .arg(SentenceSet::kProblems)
                 .arg(problems));
        return;
    }
    const QString typedName = FileNameText->text().trimmed();
    const QString fileName = ProblemFileNameFor(typedName.isEmpty() ? TitleText->text() : typedName, k);
    if (fileName.isEmpty()) {
        tell(tr("ファイル名に使える文字がありません。ファイル名を入力して下さい。"));
        FileNameText->setFocus();
        return;
    }
    const QString path = LearnerProblemFolder() + u'/' + fileName;
    if (QFileInfo::exists(path)
        && tell(tr("「%1」は既にあります。置き換えますか？").arg(QDir::toNativeSeparators(path)),
                MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::No)
               != MessageAnswer::Yes)
        return;

    const BuildResult built = BuildProblemFile(SourceOfDraft(TitleText->text(), DescriptionText->toPlainText(), items_),
                                               k, ReadingFill{}, path);
    if (built.error) {
        tell(tr("保存できません。") + kCrLf
             + (built.error->line > 0
                    ? tr("%1 行目: %2").arg(QString::number(built.error->line), built.error->message)
                    : built.error->message));
        return;
    }
    if (!built.writeError.isEmpty()) {
        tell(tr("「%1」に書き込めません。").arg(QDir::toNativeSeparators(path)) + kCrLf + built.writeError);
        return;
    }
    savedPath_ = path;
    FileNameText->setText(fileName);
    offerRegistration(path);
}

void TextProblemFrm::offerRegistration(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    SharedState &s = ZRSub();
    if (s.CurUserDir.isEmpty()) {
        tell(tr("「%1」に保存しました。").arg(shown), MessageIcon::Information);
        return;
    }
    if (tell(tr("「%1」に保存しました。").arg(shown) + kCrLf + tr("空いている枠に登録しますか？"),
             MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::Yes)
        != MessageAnswer::Yes)
        return;
    const bool word = kind() == ProblemKind::Word;
    QString why;
    ProblemSlots own;
    ProblemSlots &target = hostSlots_ ? *hostSlots_ : own;
    if (!hostSlots_)
        own.open(s.CurUserDir, s.CurUser);
    const int index = RegisterInFreeSlot(target, path, word, s.AppDir, &why);
    if (index < 0) {
        tell(why);
        return;
    }
    if (!hostSlots_ && !own.commit(s.CurUser, &why)) {
        tell(why);
        return;
    }
    registeredSlot_ = index;
    const QString placed = hostSlots_ ? (word ? tr("単語練習問題の %1 番に入れました。「練習問題の構成」の OK で登録されます。")
                                              : tr("短文練習問題の %1 番に入れました。「練習問題の構成」の OK で登録されます。"))
                                      : (word ? tr("単語練習問題の %1 番に登録しました。")
                                              : tr("短文練習問題の %1 番に登録しました。"));
    tell(placed.arg(SlotNumber(index)), MessageIcon::Information);
}

void ShowTextProblemFrm(QWidget *parent, ProblemSlots *hostSlots)
{
    TextProblemFrm dialog(parent, hostSlots);
    dialog.exec();
}

}  // namespace zr
