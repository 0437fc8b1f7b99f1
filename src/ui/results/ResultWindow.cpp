#include "ui/results/ResultWindow.h"

#include "keyboard/KeyboardModel.h"
#include "platform/Twips.h"
#include "ui/common/Application.h"
#include "ui/common/WindowPlacement.h"
#include "ui/keyboard/KeyboardPicture.h"
#include "ui/results/ResultGraphs.h"
#include "userdata/ZRSub.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace zr {
namespace {

constexpr int kPageMargin = 8;
constexpr int kHeadingsHeight = 22;
constexpr double kGraphViewHeightTwips = 5100;

int px(double twips)
{
    return int(std::lround(twipsToPixels(twips)));
}

QLabel *heading(QWidget *page, const QString &name, const QString &text, int x)
{
    auto *label = new QLabel(text, page);
    label->setObjectName(name);
    QFont f = label->font();
    f.setPointSizeF(9);
    f.setBold(true);
    label->setFont(f);
    label->adjustSize();
    label->move(x, kPageMargin);
    return label;
}

QWidget *whitePanel(QWidget *parent, const QString &name)
{
    auto *w = new QWidget(parent);
    w->setObjectName(name);
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, Qt::white);
    w->setPalette(pal);
    return w;
}

}  // namespace

ResultWindow::ResultWindow(Design design, QWidget *parent) : QDialog(parent), design_(std::move(design))
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(tr("今回の成績"));
    const int course = ZRSub().CurUser.Course;

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));

    // Advice: the text and the keyboard figure with its legend.
    auto *advice = new QWidget;
    text_ = new QPlainTextEdit(advice);
    text_->setObjectName(QStringLiteral("Text1"));
    text_->setReadOnly(true);
    text_->setFont(QFont(QString::fromUtf16(kProportionalGothic), 10));
    const int contentWidth = px(KeyGraphPicture::kWidthTwips) + 18;
    text_->setGeometry(kPageMargin, kPageMargin, contentWidth, 262);

    QWidget *figure = whitePanel(advice, QStringLiteral("Picture3"));
    keyboard_ = new KeyboardPicture(PictureKeyboardLayout(QStringLiteral("ImgKey"), KeyCaptions::PerKey,
                                                          QStringLiteral("Label7"), QPointF(55, 45)),
                                    course, ZRSub().FontUpper == 1, figure);
    keyboard_->setObjectName(QStringLiteral("ResultKeyboard"));
    keyboard_->move(0, 0);
    keyboard_->DrawKeyboard();
    const int legendCodes[4] = {BlueKey, NextKey, HomeKey, PressedKey};
    const char *const legendTexts[4] = {QT_TR_NOOP("誤打無し"), QT_TR_NOOP("良好"), QT_TR_NOOP("要練習"),
                                        QT_TR_NOOP("不合格")};
    int legendRight = px(7400);
    for (int i = 0; i < 4; ++i) {
        auto *key = new KeyCap(KeyCap::Picture, figure);
        key->setObjectName(QStringLiteral("ImgKey_%1").arg(49 + i));
        key->setColour(KeyColourOf(legendCodes[i], KeyCap::Picture));
        key->setGeometry(px(6000), px(360.0 * i) + 4, px(330), px(330));
        auto *label = new QLabel(tr(legendTexts[i]), figure);
        label->setObjectName(QStringLiteral("Legend_%1").arg(i));
        label->move(px(6450), px(360.0 * i + 60) + 2);
        label->adjustSize();
        legendRight = std::max(legendRight, label->geometry().right() + 6);
    }
    // Wide enough for the legend in any language, within the width of the text above.
    const int figureWidth = std::min(legendRight, contentWidth);
    figure->setGeometry(kPageMargin + (contentWidth - figureWidth) / 2, kPageMargin + 262 + 8, figureWidth,
                        px(1440) + 8);
    const int pageHeight = kPageMargin + 262 + 8 + px(1440) + 8 + kPageMargin;

    // The per-key graph in its viewport, scrolled by VScroll1.
    auto *graphPage = new QWidget;
    graphPage_ = graphPage;
    const int graphWidth = px(KeyGraphPicture::kWidthTwips);
    viewport_ = whitePanel(graphPage, QStringLiteral("Picture2"));
    viewport_->setGeometry(kPageMargin, kPageMargin + kHeadingsHeight, graphWidth, px(kGraphViewHeightTwips));
    graph_ = new KeyGraphPicture(design_.graphName, viewport_);
    graph_->move(0, 0);
    designHeight_ = kGraphViewHeightTwips;
    scroll_ = new QScrollBar(Qt::Vertical, graphPage);
    scroll_->setObjectName(QStringLiteral("VScroll1"));
    scroll_->setGeometry(kPageMargin + graphWidth + 2, kPageMargin + kHeadingsHeight, 16, viewport_->height());
    scroll_->setFocusPolicy(Qt::StrongFocus);
    scroll_->installEventFilter(this);
    connect(scroll_, &QScrollBar::valueChanged, this, &ResultWindow::scrollGraph);
    // The scroll bar draws no focus of its own: a ring round the graph and its bar
    // shows the keyboard is on it.
    graphFocus_ = new QWidget(graphPage);
    graphFocus_->setObjectName(QStringLiteral("GraphFocus"));
    graphFocus_->setAutoFillBackground(true);
    graphFocus_->setBackgroundRole(QPalette::Highlight);
    graphFocus_->setGeometry(viewport_->geometry().united(scroll_->geometry()).adjusted(-2, -2, 2, 2));
    graphFocus_->lower();
    graphFocus_->hide();
    // The wheel over the graph (its bars let mouse events through) or over the rest of
    // its window scrolls it.
    viewport_->installEventFilter(this);
    graph_->installEventFilter(this);
    heading(graphPage, QStringLiteral("Label4"), tr("キー"), kPageMargin);
    heading(graphPage, QStringLiteral("Label5"), tr("正解率グラフ"), kPageMargin + px(525));
    heading(graphPage, QStringLiteral("Label6"), tr("入力速度グラフ"), kPageMargin + px(4380));

    // The day history.
    auto *historyPage = new QWidget;
    history_ = new DayHistoryPicture(historyPage);
    history_->move(kPageMargin, kPageMargin + kHeadingsHeight);
    heading(historyPage, QStringLiteral("Label1"), tr("練習日"), kPageMargin + px(25));
    heading(historyPage, QStringLiteral("Label2"), tr("正解率グラフ"), kPageMargin + px(1080));
    heading(historyPage, QStringLiteral("Label3"), tr("入力速度グラフ"), kPageMargin + px(4830));

    for (Page page : design_.pages) {
        switch (page) {
        case AdvicePage: tabs_->addTab(advice, tr("アドバイス")); break;
        case KeyGraphPage: tabs_->addTab(graphPage, tr("各キーの成績")); break;
        case HistoryPage: tabs_->addTab(historyPage, tr("成績の推移")); break;
        }
    }
    for (QWidget *page : {advice, graphPage, historyPage})
        page->setMinimumSize(kPageMargin * 2 + contentWidth, pageHeight);

    prev_ = new QPushButton(tr("＜前の画面"), this);
    prev_->setObjectName(QStringLiteral("CmdPrev"));
    next_ = new QPushButton(tr("次の画面＞"), this);
    next_->setObjectName(QStringLiteral("CmdNext"));
    command1_ = new QPushButton(tr("メニューに戻る"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    for (QPushButton *b : {prev_, next_, command1_}) {
        b->setMinimumWidth(110);
        b->setAutoDefault(false);
        // Up and Down would move the focus between the buttons; on the graph's page
        // they scroll it.
        b->installEventFilter(this);
    }
    connect(next_, &QPushButton::clicked, this, [this] {
        if (tabs_->currentIndex() < 2)
            tabs_->setCurrentIndex(tabs_->currentIndex() + 1);
    });
    connect(prev_, &QPushButton::clicked, this, [this] {
        if (tabs_->currentIndex() > 0)
            tabs_->setCurrentIndex(tabs_->currentIndex() - 1);
    });
    connect(command1_, &QPushButton::clicked, this, &ResultWindow::returnToMenu);
    connect(tabs_, &QTabWidget::currentChanged, this, &ResultWindow::tabChanged);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(prev_);
    buttons->addWidget(next_);
    buttons->addSpacing(16);
    buttons->addWidget(command1_);
    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(10, 10, 10, 10);
    main->addWidget(tabs_);
    main->addLayout(buttons);

    // The scroll bar's range before the first graph.
    const int max = std::max(0, int(designHeight_ - kGraphViewHeightTwips + 100));
    scroll_->setRange(0, max);
    scroll_->setPageStep(std::max(1, max / 5));
    scroll_->setSingleStep(std::max(1, max / 25));
    tabs_->setCurrentIndex(0);
    tabChanged(0);
    adjustSize();
    setFixedSize(sizeHint());
    RestoreWindowPosition(this, design_.section);
}

void ResultWindow::setAdvice(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (shown.endsWith(u'\n'))
        shown.chop(1);
    text_->setPlainText(KeepBracketedKeysTogether(shown));
}

void ResultWindow::keygraph(const KeyStats &stats)
{
    const double height = graph_->keygraph(stats);
    const bool show = !design_.scrollBarWhenNeeded || height > designHeight_;
    scroll_->setVisible(show);
    if (show) {
        const int max = std::max(0, int(height - kGraphViewHeightTwips + 1500));
        scroll_->setRange(0, max);
        scroll_->setPageStep(std::max(1, max / 5));
        scroll_->setSingleStep(std::max(1, max / 25));
    }
    scroll_->setValue(0);
    graph_->show();
}

void ResultWindow::scrollGraph(int value)
{
    graph_->move(0, -px(value));
}

void ResultWindow::drawDayHistory(const ScoreRecord &record)
{
    history_->drawHistory(record);
}

void ResultWindow::PaintResultKeys(QStringView keys, int pictureCode, bool captions)
{
    keyboard_->PaintResultKeys(keys, pictureCode, captions);
}

void ResultWindow::tabChanged(int index)
{
    // Taken before a button that is about to be disabled passes the focus on.
    const QWidget *focused = focusWidget();
    switch (index) {
    case 0:
        next_->setEnabled(true);
        prev_->setEnabled(false);
        break;
    case 1:
        next_->setEnabled(true);
        prev_->setEnabled(true);
        break;
    case 2:
        next_->setEnabled(false);
        prev_->setEnabled(true);
        command1_->setEnabled(true);
        break;
    default:
        break;
    }
    // The focus stays where it is while it can be used there (a button that is still
    // enabled, the tab bar); otherwise it goes to the button that leads on.
    if (!focused || !focused->isEnabled() || (!focused->isVisible() && isVisible()))
        (index == 2 ? command1_ : next_)->setFocus();
}

void ResultWindow::showEvent(QShowEvent *event)
{
    // The screen opens at the end of a run typed at the keyboard: show where the
    // focus is from the start, not only after the first Tab.
    setAttribute(Qt::WA_KeyboardFocusChange);
    QDialog::showEvent(event);
}

void ResultWindow::keyPressEvent(QKeyEvent *event)
{
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        enterPressed();
        return;
    }
    if (plain && scrollGraphByKey(event->key()))
        return;
    QDialog::keyPressEvent(event);
}

void ResultWindow::enterPressed()
{
    setAttribute(Qt::WA_KeyboardFocusChange);
    if (auto *button = qobject_cast<QPushButton *>(focusWidget()); button && button->isEnabled()) {
        button->click();
        return;
    }
    if (tabs_->currentIndex() < tabs_->count() - 1)
        next_->click();
    else
        command1_->click();
}

bool ResultWindow::scrollGraphByKey(int key)
{
    if (tabs_->currentWidget() != graphPage_ || !scroll_->isVisible())
        return false;
    QAbstractSlider::SliderAction action = QAbstractSlider::SliderNoAction;
    switch (key) {
    case Qt::Key_Up: action = QAbstractSlider::SliderSingleStepSub; break;
    case Qt::Key_Down: action = QAbstractSlider::SliderSingleStepAdd; break;
    case Qt::Key_PageUp: action = QAbstractSlider::SliderPageStepSub; break;
    case Qt::Key_PageDown: action = QAbstractSlider::SliderPageStepAdd; break;
    case Qt::Key_Home: action = QAbstractSlider::SliderToMinimum; break;
    case Qt::Key_End: action = QAbstractSlider::SliderToMaximum; break;
    default: return false;
    }
    scroll_->triggerAction(action);
    return true;
}

bool ResultWindow::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == viewport_ || watched == graph_) && event->type() == QEvent::Wheel && scroll_->isVisible()) {
        QCoreApplication::sendEvent(scroll_, event);
        return true;
    }
    if (watched == scroll_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        graphFocus_->setVisible(event->type() == QEvent::FocusIn);
    if (event->type() == QEvent::KeyPress && qobject_cast<QPushButton *>(watched)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)
            && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return scrollGraphByKey(key->key());
    }
    return QDialog::eventFilter(watched, event);
}

void ResultWindow::returnToMenu()
{
    accept();
}

void ResultWindow::done(int result)
{
    if (!unloaded_) {
        unloaded_ = true;
        SaveWindowPosition(this, design_.section);
        unload();
    }
    QDialog::done(result);
}

}  // namespace zr
