#include "ui/results/ScoreViewFrm.h"

#include "platform/Format.h"
#include "platform/Twips.h"
#include "ui/common/WindowPlacement.h"
#include "ui/results/ResultGraphs.h"
#include "userdata/UserRecord.h"
#include "userdata/UserSettings.h"
#include "userdata/UserSummary.h"
#include "userdata/ZRSub.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace zr {
namespace {

constexpr int kPageMargin = 8;

int px(double twips)
{
    return int(std::lround(twipsToPixels(twips)));
}

QTreeWidgetItem *node(QTreeWidget *tree, QTreeWidgetItem *parent, const QString &key, const QString &text)
{
    auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
    item->setText(0, text);
    item->setToolTip(0, text);
    item->setData(0, ScoreViewFrm::kNodeKeyRole, key);
    return item;
}

// The node key's kind ("#t", "#w", "#s") as the block it stands for.
std::optional<ScoreViewMode> kindOfKey(QStringView key)
{
    const QStringView kind = key.left(2);
    if (kind == u"#t")
        return ScoreViewChapter;
    if (kind == u"#w")
        return ScoreViewWord;
    if (kind == u"#s")
        return ScoreViewSentence;
    return std::nullopt;
}

QString keyPrefix(ScoreViewMode kind)
{
    switch (kind) {
    case ScoreViewChapter: return QStringLiteral("#t");
    case ScoreViewWord: return QStringLiteral("#w");
    case ScoreViewSentence: return QStringLiteral("#s");
    case ScoreViewUser: break;
    }
    return {};
}

const ScoreRecord *recordOf(ScoreViewMode kind, int n)
{
    const UserRecord &user = ZRSub().CurUser;
    switch (kind) {
    case ScoreViewChapter: return user.score(ScoreBlock::Training, n);
    case ScoreViewWord: return user.score(ScoreBlock::Word, n);
    case ScoreViewSentence: return user.score(ScoreBlock::Sentence, n);
    case ScoreViewUser: break;
    }
    return nullptr;
}

}  // namespace

ScoreViewFrm::ScoreViewFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ScoreViewFrm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(tr("成績一覧"));

    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderLabel(tr("レッスン"));
    TreeView1->setMinimumWidth(210);
    // A long title is cut off with an ellipsis; its tooltip shows it whole.
    TreeView1->setTextElideMode(Qt::ElideRight);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));

    // The history page: the graph with its headings inside the picture's top margin.
    auto *historyPage = new QWidget;
    Picture4 = new DayHistoryPicture(historyPage, DayHistoryLayout::historyViewer());
    Picture4->move(kPageMargin, kPageMargin);
    const auto heading = [this](const char *name, const QString &text, double x) {
        auto *label = new QLabel(text, Picture4);
        label->setObjectName(QString::fromLatin1(name));
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
        label->adjustSize();
        label->move(px(x), px(80));
        return label;
    };
    Label1 = heading("Label1", tr("練習日"), 50);
    Label2 = heading("Label2", tr("正解率グラフ"), 1200);
    Label3 = heading("Label3", tr("入力速度グラフ"), 3750);
    Line1 = new QFrame(Picture4);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Line1->setGeometry(px(50), Label1->geometry().bottom() + 2, Picture4->width() - 2 * px(50), 2);
    Picture4->clearHistory();

    // The summary page.
    auto *summaryPage = new QWidget;
    auto *grid = new QGridLayout(summaryPage);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(12);
    const char *const labels[5] = {QT_TR_NOOP("累計練習時間"), QT_TR_NOOP("練習回数"), QT_TR_NOOP("最後の練習日"),
                                   QT_TR_NOOP("平均正解率"), QT_TR_NOOP("平均入力速度")};
    for (int i = 0; i < 5; ++i) {
        Text[i] = new QLineEdit(summaryPage);
        Text[i]->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        Text[i]->setReadOnly(true);
        Text[i]->setAlignment(Qt::AlignRight);
        Text[i]->setMinimumWidth(150);
        auto *label = new QLabel(tr(labels[i]), summaryPage);
        label->setBuddy(Text[i]);
        grid->addWidget(label, i, 0);
        grid->addWidget(Text[i], i, 1);
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(5, 1);

    SSTab1->addTab(historyPage, tr("成績履歴"));
    SSTab1->addTab(summaryPage, tr("概要"));
    historyPage->setMinimumSize(Picture4->width() + 2 * kPageMargin, Picture4->height() + 2 * kPageMargin);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setMinimumWidth(100);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto *body = new QHBoxLayout;
    body->addWidget(TreeView1);
    body->addWidget(SSTab1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(10, 10, 10, 10);
    main->addLayout(body);
    main->addLayout(buttons);

    buildTree();
    setHeadingsVisible(false);
    connect(TreeView1, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { nodeClick(current); });

    adjustSize();
    setFixedSize(sizeHint());
    RestoreWindowPosition(this, QStringLiteral("Score3"));
}

void ScoreViewFrm::buildTree()
{
    const SharedState &s = ZRSub();
    QTreeWidgetItem *training = node(TreeView1, nullptr, QStringLiteral("Training"), tr("基本練習"));
    // A record from elsewhere may claim more Chapters than a record holds.
    const int progress = std::clamp<int>(s.CurUser.LessonProgress, 0, UserRecord::kChapters);
    for (int n = 1; n <= progress; ++n)
        node(TreeView1, training, QStringLiteral("#t") + NumberText(n), QStringLiteral("Chapter ") + NumberText(n));

    const struct {
        const char *section;
        const char *text;
        ScoreViewMode kind;
    } slotRoots[] = {{"WordLsn", QT_TR_NOOP("単語練習問題"), ScoreViewWord},
                     {"SSentLsn", QT_TR_NOOP("短文練習問題"), ScoreViewSentence}};
    for (const auto &r : slotRoots) {
        const QString section = QString::fromLatin1(r.section);
        QTreeWidgetItem *root = node(TreeView1, nullptr, section, tr(r.text));
        // Without a learner folder there is no settings file to read titles from.
        if (s.CurUserDir.isEmpty())
            continue;
        const QStringList titles = ReadSlotTitles(section, CurUserIni());
        for (int k = 1; k <= UserRecord::kSlots && k <= titles.size(); ++k) {
            const QString &title = titles[k - 1];
            if (!title.isEmpty())
                node(TreeView1, root, keyPrefix(r.kind) + NumberText(k), title);
        }
    }
    TreeView1->expandAll();
}

void ScoreViewFrm::preselect()
{
    if (mode == ScoreViewUser)
        return;
    const QString key = keyPrefix(mode) + NumberText(Lsn);
    for (QTreeWidgetItemIterator it(TreeView1); *it; ++it) {
        if ((*it)->data(0, kNodeKeyRole).toString() == key) {
            TreeView1->setCurrentItem(*it);
            TreeView1->scrollToItem(*it);
            return;
        }
    }
}

void ScoreViewFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (activated_)
        return;
    // The item chosen in the main window is shown as the window opens, without a click.
    preselect();
    activated_ = true;
    nodeClick(TreeView1->currentItem());
    TreeView1->setFocus();
}

void ScoreViewFrm::nodeClick(QTreeWidgetItem *item)
{
    setHeadingsVisible(false);
    if (!activated_)
        return;
    const QString key = item ? item->data(0, kNodeKeyRole).toString() : QString();
    const std::optional<ScoreViewMode> kind = kindOfKey(key);
    bool ok = false;
    const int n = key.mid(2).trimmed().toInt(&ok);
    const ScoreRecord *record = kind && ok ? recordOf(*kind, n) : nullptr;
    if (!record) {
        clearItem();
        return;
    }
    const ScoreOverview overview = OverviewOf(SummarizeScore(*record));
    const QString texts[5] = {overview.totalTime, overview.practiceCount, overview.lastDate, overview.accuracy,
                              overview.speed};
    for (int i = 0; i < 5; ++i)
        Text[i]->setText(texts[i]);
    PutScore(n, *kind);
}

void ScoreViewFrm::PutScore(int n, ScoreViewMode kind)
{
    const ScoreRecord *record = recordOf(kind, n);
    if (!record) {
        Picture4->clearHistory();
        setHeadingsVisible(false);
        return;
    }
    setHeadingsVisible(Picture4->drawHistory(*record));
}

void ScoreViewFrm::clearItem()
{
    Picture4->clearHistory();
    for (QLineEdit *t : Text)
        t->clear();
}

void ScoreViewFrm::setHeadingsVisible(bool visible)
{
    for (QWidget *w : std::initializer_list<QWidget *>{Label1, Label2, Label3, Line1})
        w->setVisible(visible);
}

void ScoreViewFrm::done(int result)
{
    if (!unloaded_) {
        unloaded_ = true;
        SaveWindowPosition(this, QStringLiteral("Score3"));
    }
    QDialog::done(result);
}

}  // namespace zr
