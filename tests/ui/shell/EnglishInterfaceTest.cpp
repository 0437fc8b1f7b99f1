// The interface in English: every window shows its texts in English, with nothing of
// Japanese left but what the learner or a file owns, and no text cut off. Run with
// ZR_SCREENSHOTS=DIR (and QT_SCALE_FACTOR=2) to look at every page.

#include "../practice/PracticeTestKit.h"
#include "../settings/SettingsTestKit.h"

#include "ui/common/Application.h"
#include "ui/practice/ChapterLauncher.h"
#include "ui/practice/KeyLsnFrm.h"
#include "ui/practice/ProblemDialogFrm.h"
#include "ui/practice/ProblemPracticeFrm.h"
#include "ui/results/ProblemScoreFrm.h"
#include "ui/results/ProgressFrm.h"
#include "ui/results/ScoreViewFrm.h"
#include "ui/practice/WeakKeyLauncher.h"
#include "practicelog/LearnerLog.h"
#include "ui/results/TrScoreFrm.h"
#include "ui/settings/IniSetFrm.h"
#include "ui/settings/RmjCustFrm.h"
#include "ui/settings/UserSetFrm.h"
#include "ui/problems/TextProblemFrm.h"
#include "ui/shell/AboutFrm.h"
#include "ui/shell/HelpFrm.h"
#include "ui/shell/UserConvFrm.h"
#include "ui/shell/UserSelFrm.h"
#include "ui/shell/UserWizardFrm.h"
#include "userdata/UserSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtTest>

using namespace zr;
using namespace zr::test;

namespace {

// Kana and kanji; the full-width brackets, blanks and the middle dot that the English
// texts share are not.
bool hasJapanese(const QString &text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3041 && u <= 0x30FF && u != 0x30FB) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xFF66 && u <= 0xFF9F))
            return true;
    }
    return false;
}

QString plain(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("<[^>]*>"))).remove(u'&');
}

void collectActions(const QList<QAction *> &actions, QStringList &texts)
{
    for (QAction *a : actions) {
        texts.append(a->text());
        if (a->menu())
            collectActions(a->menu()->actions(), texts);
    }
}

// What a window shows as text of its own, page by page as it stands.
QStringList shownTexts(QWidget *window)
{
    QStringList texts{window->windowTitle()};
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window))
            continue;
        texts.append(w->toolTip());
        if (auto *l = qobject_cast<QLabel *>(w))
            texts.append(plain(l->text()));
        else if (auto *b = qobject_cast<QAbstractButton *>(w))
            texts.append(b->text());
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            texts.append(g->title());
        else if (auto *t = qobject_cast<QTabBar *>(w))
            for (int i = 0; i < t->count(); ++i)
                texts.append(t->tabText(i));
        else if (auto *e = qobject_cast<QLineEdit *>(w))
            texts += {e->placeholderText(), e->isReadOnly() ? e->text() : QString()};
        else if (auto *c = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < c->count(); ++i)
                texts.append(c->itemText(i));
        else if (auto *p = qobject_cast<QPlainTextEdit *>(w))
            texts.append(p->toPlainText());
        else if (auto *h = qobject_cast<QHeaderView *>(w))
            for (int i = 0; h->model() && i < h->count(); ++i)
                texts.append(h->model()->headerData(i, h->orientation()).toString());
        else if (auto *tree = qobject_cast<QTreeWidget *>(w))
            for (QTreeWidgetItemIterator it(tree); *it; ++it)
                for (int c = 0; c < tree->columnCount(); ++c)
                    texts.append((*it)->text(c));
        else if (auto *m = qobject_cast<QMenuBar *>(w))
            collectActions(m->actions(), texts);
        else if (auto *bar = qobject_cast<QToolBar *>(w))
            collectActions(bar->actions(), texts);
    }
    texts.removeAll(QString());
    return texts;
}

// Texts still in Japanese once what the learner and the files own is taken out: whole
// texts (names, titles), and the characters of practice texts shown a few at a time.
QStringList japaneseLeft(QWidget *window, QStringList owned, const QString &ownedChars)
{
    std::sort(owned.begin(), owned.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
    QStringList left;
    for (QString text : shownTexts(window)) {
        for (const QString &o : owned)
            text.replace(o, QString());
        for (QChar c : ownedChars)
            text.remove(c);
        if (hasJapanese(text))
            left.append(text);
    }
    return left;
}

int advance(const QWidget *w, const QString &text)
{
    int width = 0;
    for (const QString &line : plain(text).split(u'\n'))
        width = qMax(width, w->fontMetrics().horizontalAdvance(line));
    return width;
}

// The width of a widget that its parents leave in view, from its text's start.
int roomInParents(const QWidget *w)
{
    QRect r(QPoint(0, 0), w->size());
    for (const QWidget *p = w; p->parentWidget() && !p->isWindow(); p = p->parentWidget()) {
        r.translate(p->pos());
        r &= QRect(QPoint(0, 0), p->parentWidget()->size());
    }
    return r.width() - (w->width() - w->contentsRect().width());
}

// Texts wider or taller than the room their widget has.
QStringList clipped(QWidget *window)
{
    QStringList found;
    auto report = [&](QWidget *w, const QString &text, int need, int have) {
        found.append(QStringLiteral("%1 \"%2\": %3 px needed, %4 px there")
                         .arg(w->metaObject()->className(), text).arg(need).arg(have));
    };
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || w->width() <= 0)
            continue;
        if (auto *l = qobject_cast<QLabel *>(w)) {
            if (l->text().isEmpty() || l->pixmap().isNull() == false)
                continue;
            if (l->wordWrap()) {
                const int need = l->heightForWidth(l->width());
                if (need > l->height() + 1)
                    report(l, l->text(), need, l->height());
            } else if (advance(l, l->text()) > l->contentsRect().width() + 1) {
                report(l, l->text(), advance(l, l->text()), l->contentsRect().width());
            } else if (const int room = roomInParents(l); advance(l, l->text()) > room + 1) {
                report(l, l->text(), advance(l, l->text()), room);
            }
        } else if (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)) {
            auto *b = static_cast<QAbstractButton *>(w);
            const int need = w->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w)
                             + w->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w)
                             + advance(w, b->text());
            if (!b->text().isEmpty() && need > w->width() + 1)
                report(w, b->text(), need, w->width());
        } else if (auto *b = qobject_cast<QPushButton *>(w)) {
            const int icon = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
            const int need = advance(b, b->text()) + icon + 6;
            if (!b->text().isEmpty() && need > b->width())
                report(b, b->text(), need, b->width());
        } else if (auto *g = qobject_cast<QGroupBox *>(w)) {
            const int need = advance(g, g->title()) + 12;
            if (!g->title().isEmpty() && need > g->width())
                report(g, g->title(), need, g->width());
        } else if (auto *t = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < t->count(); ++i) {
                const QRect r = t->tabRect(i);
                const int need = advance(t, t->tabText(i)) + 8;
                if (need > r.width() || r.right() > t->width())
                    report(t, t->tabText(i), need, qMin(r.width(), t->width() - r.left()));
            }
        } else if (auto *h = qobject_cast<QHeaderView *>(w)) {
            for (int i = 0; h->model() && i < h->count(); ++i) {
                const QString text = h->model()->headerData(i, h->orientation()).toString();
                const int need = advance(h, text) + 6;
                // Sections sized to their contents are Qt's to fit.
                if (!h->isSectionHidden(i) && h->orientation() == Qt::Horizontal && !text.isEmpty()
                    && h->sectionResizeMode(i) != QHeaderView::ResizeToContents
                    && need > h->sectionSize(i))
                    report(h, text, need, h->sectionSize(i));
            }
        }
    }
    return found;
}

// Looks at a window on each page of its tabs and pages: Japanese left, texts cut off,
// and a picture of it when asked for.
QStringList inspect(QWidget *window, const QString &name, const QStringList &owned = {},
                    const QString &ownedChars = {})
{
    QStringList problems;
    auto look = [&](const QString &page) {
        QApplication::processEvents();
        for (const QString &t : japaneseLeft(window, owned, ownedChars))
            problems.append(page + QStringLiteral(": Japanese left: ") + t);
        for (const QString &c : clipped(window))
            problems.append(page + QStringLiteral(": cut off: ") + c);
        screenshot(window, QStringLiteral("en-") + page);
    };
    const QList<QStackedWidget *> stacks = window->findChildren<QStackedWidget *>();
    bool paged = false;
    for (QStackedWidget *stack : stacks) {
        if (!stack->isVisibleTo(window) || stack->count() < 2)
            continue;
        paged = true;
        const int was = stack->currentIndex();
        auto *tabs = qobject_cast<QTabWidget *>(stack->parentWidget());
        for (int i = 0; i < stack->count(); ++i) {
            if (tabs)
                tabs->setCurrentIndex(i);
            else
                stack->setCurrentIndex(i);
            look(QStringLiteral("%1-%2%3").arg(name, stack->objectName().startsWith(u"qt_") ? QStringLiteral("page") : stack->objectName()).arg(i));
        }
        tabs ? tabs->setCurrentIndex(was) : stack->setCurrentIndex(was);
    }
    if (!paged)
        look(name);
    return problems;
}

QStringList ownedByLearner()
{
    QStringList owned{QStringLiteral(u"日本語"), QStringLiteral(u"言語"), ZRSub().CurUser.UserName};
    if (!ZRSub().CurUserDir.isEmpty()) {
        owned += ReadSlotTitles(QStringLiteral("WordLsn"), CurUserIni());
        owned += ReadSlotTitles(QStringLiteral("SSentLsn"), CurUserIni());
    }
    owned.removeAll(QString());
    return owned;
}

// The kana of the spelling buttons: the kana the learner types.
const QString kSpelledKana = QStringLiteral(u"しちつふじゃゅぇょぁぃぅぉっ");

QString menuTitles(QMenuBar *bar)
{
    QStringList titles;
    for (QAction *a : bar->actions())
        titles.append(a->text());
    return titles.join(u'|');
}

}  // namespace

class EnglishInterfaceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(InstallTranslations(*qApp, UiLanguage::English, appDir()));
        QCOMPARE(InterfaceLanguage(), UiLanguage::English);
    }
    void cleanupTestCase()
    {
        InstallTranslations(*qApp, UiLanguage::Japanese, appDir());
        QCOMPARE(QCoreApplication::translate("zr::MainFrm", "ファイル(&F)"), QStringLiteral(u"ファイル(&F)"));
    }
    void mainWindowHelpAndAbout();
    void wizardAndSelection();
    void settingsWindows();
    void basicPracticeToTheResult();
    void wordPracticeToTheResult();
    void scoreList();
    void progressAndWeakKeys();
};

void EnglishInterfaceTest::mainWindowHelpAndAbout()
{
    ShellScope scope;
    scope.putUser(1, sampleUser(u"山田花子"_qs, RomajiCourse, 3));
    MainFrm w;
    w.Load();
    QTest::qWait(20);
    QCOMPARE(menuTitles(w.menuBar()), QStringLiteral("&File|&Lesson|&Settings|&Help"));
    auto *tabs = child<QTabWidget>(&w, "SSTab1");
    QCOMPARE(tabs->tabText(0), QStringLiteral("Basic practice"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Word practice"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("Sentence practice"));
    QCOMPARE(tabs->tabText(3), QStringLiteral("Learner information"));
    QCOMPARE(w.windowTitle(), u"ZORVEL LESSON - 山田花子"_qs);
    QStringList problems = inspect(&w, QStringLiteral("main"), ownedByLearner());
    tabs->setCurrentIndex(3);
    QVERIFY2(shownTexts(&w).contains(QStringLiteral("Romaji input course")), qPrintable(shownTexts(&w).join(u'|')));

    // The English help document, in a window of English texts.
    w.ShowHelp();
    auto *help = w.findChild<HelpFrm *>();
    QVERIFY(help);
    QVERIFY(help->findChild<QTextBrowser *>()->source().toLocalFile().endsWith(QStringLiteral("zr_en.hlp")));
    QCOMPARE(help->windowTitle(), QStringLiteral("ZORVEL LESSON Help"));
    problems += inspect(help, QStringLiteral("help"));
    help->close();

    AboutFrm about(&w);
    about.show();
    problems += inspect(&about, QStringLiteral("about"));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void EnglishInterfaceTest::wizardAndSelection()
{
    ShellScope scope;
    QStringList problems;
    {
        UserWizardFrm wizard;
        wizard.show();
        problems += inspect(&wizard, QStringLiteral("wizard"), {}, kSpelledKana);
    }
    {
        UserConvFrm conversion;
        conversion.show();
        problems += inspect(&conversion, QStringLiteral("conversion"));
        UserConv2Frm progress;
        progress.show();
        problems += inspect(&progress, QStringLiteral("conversionprogress"));
    }
    scope.putUser(1, sampleUser(u"山田花子"_qs));
    scope.putUser(2, sampleUser(u"佐藤"_qs, KanaCourse));
    UserSelFrm selection;
    selection.show();
    QTest::qWait(20);
    problems += inspect(&selection, QStringLiteral("selection"), {u"山田花子"_qs, u"佐藤"_qs});
    QVERIFY2(shownTexts(&selection).contains(QStringLiteral("JIS kana input course")),
             qPrintable(shownTexts(&selection).join(u'|')));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void EnglishInterfaceTest::settingsWindows()
{
    SettingsScope scope;
    QStringList problems;
    {
        IniSetFrm w;
        w.show();
        problems += inspect(&w, QStringLiteral("problemfiles"), ownedByLearner());
    }
    {
        UserSetFrm w;
        w.show();
        // The samples of the design page are practice texts; しゃ is the example of the
        // spellings accepted.
        problems += inspect(&w, QStringLiteral("usersettings"), ownedByLearner() + QStringList{u"しゃ"_qs},
                            QStringLiteral(u"きょうはいいてんきです"));
    }
    {
        RmjCustFrm w;
        w.show();
        problems += inspect(&w, QStringLiteral("romaji"), {}, kSpelledKana);
    }
    {
        TextProblemFrm w;
        w.show();
        problems += inspect(&w, QStringLiteral("textproblem"));
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

// Chapter 1 through its introduction, key position check and drill to the result.
void EnglishInterfaceTest::basicPracticeToTheResult()
{
    Learner learner(RomajiCourse, 1);
    learner.set(QStringLiteral("KeyLsn"), QStringLiteral("LessonSize"), QStringLiteral("Short"));
    QStringList problems;
    QString advice;
    ModalScript script;
    script.then("zr::TrDialogFrm", [&](QWidget *w) {
        QCOMPARE(w->windowTitle(), QStringLiteral("Welcome to Chapter 1!"));
        problems += inspect(w, QStringLiteral("intro"));
        w->findChild<QPushButton *>(QStringLiteral("OKButton"))->click();
    });
    script.then("zr::KeyLsnFrm", [&](QWidget *w) {
        QCOMPARE(w->windowTitle(), QStringLiteral("Chapter 1 - Key position check"));
        problems += inspect(w, QStringLiteral("keycheck"));
        for (QChar c : static_cast<KeyLsnFrm *>(w)->KeyText())
            sendChar(w, c);
    });
    script.then("zr::TrainingFrm", [&](QWidget *w) {
        auto *frm = static_cast<TrainingFrm *>(w);
        QCOMPARE(frm->windowTitle(), QStringLiteral("Chapter 1 - Word drill (Step 1)"));
        QString words;
        for (const DrillWord &word : frm->drill()->words())
            words += word.display + word.reading;
        problems += inspect(w, QStringLiteral("drill"), {}, words);
        typeDrill(frm, learner.clock(), 300);
    });
    script.then("zr::TrScoreFrm", [&](QWidget *w) {
        auto *score = static_cast<TrScoreFrm *>(w);
        QCOMPARE(score->windowTitle(), QStringLiteral("Your Results (Passed)"));
        advice = score->adviceText()->toPlainText();
        QCOMPARE(score->tabs()->tabText(0), QStringLiteral("Advice"));
        problems += inspect(w, QStringLiteral("trresult"));
        auto *next = w->findChild<QPushButton *>(QStringLiteral("CmdNext"));
        next->click();
        next->click();
        w->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    });
    script.start();
    StartChapter(nullptr, 1, learner.chapters.chapter(1));
    QVERIFY2(script.finished(), qPrintable(script.seen.join(u',')));
    QVERIFY2(advice.contains(QStringLiteral("Congratulations! You have passed Chapter 1.")), qPrintable(advice));
    QVERIFY2(advice.contains(QStringLiteral("This is your first practice of this lesson.")), qPrintable(advice));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

// Word practice from the set-up dialog through the typing to the result screen.
void EnglishInterfaceTest::wordPracticeToTheResult()
{
    Learner learner(RomajiCourse, 20);
    RegisterDefaultProblemFiles(learner.state().CurUserDir);
    const QStringList owned = ownedByLearner();
    QStringList problems;
    QString prompt;
    QString advice;
    ModalScript script;
    script.then("zr::WdDialogFrm", [&](QWidget *w) {
        auto *dialog = static_cast<ProblemDialogFrm *>(w);
        QVERIFY(dialog->text()->toPlainText().contains(QStringLiteral("Words:")));
        // The dialog shows example words of the file: the file's own texts.
        problems += inspect(w, QStringLiteral("worddialog"), owned + dialog->text()->toPlainText().split(u'【'));
        dialog->findChild<QPushButton *>(QStringLiteral("OKButton"))->click();
    });
    script.then("zr::WordFrm", [&](QWidget *w) {
        auto *frm = static_cast<ProblemPracticeFrm *>(w);
        for (QLabel *l : w->findChildren<QLabel *>())
            if (l->text().startsWith(u'●'))
                prompt = l->text();
        problems += inspect(w, QStringLiteral("word"), owned);
        typeRun(frm, frm->practice(), learner.clock(), 200);
    });
    script.then("zr::WdScoreFrm", [&](QWidget *w) {
        auto *score = static_cast<ProblemScoreFrm *>(w);
        QCOMPARE(score->windowTitle(), QStringLiteral("Your Results"));
        advice = score->adviceText()->toPlainText();
        problems += inspect(w, QStringLiteral("wordresult"), owned);
        w->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    });
    script.start();
    StartProblemPractice(nullptr, PracticeKind::Word, 1);
    QVERIFY2(script.finished(), qPrintable(script.seen.join(u',')));
    QVERIFY2(prompt.startsWith(QStringLiteral("● Type the next words.")), qPrintable(prompt));
    QVERIFY2(advice.contains(QStringLiteral("This time your accuracy was")), qPrintable(advice));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void EnglishInterfaceTest::scoreList()
{
    Learner learner(RomajiCourse, 5);
    RegisterDefaultProblemFiles(learner.state().CurUserDir);
    ScoreViewFrm frm;
    frm.show();
    QTest::qWait(20);
    QCOMPARE(frm.windowTitle(), QStringLiteral("Scores"));
    const QStringList problems = inspect(&frm, QStringLiteral("scores"), ownedByLearner());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

// The progress window's two pages over a logged run, then weak-key practice: its window
// and result, or the message that says what to practise first.
void EnglishInterfaceTest::progressAndWeakKeys()
{
    Learner learner(RomajiCourse, 20);
    RegisterDefaultProblemFiles(learner.state().CurUserDir);
    OpenLearnerLog();
    ModalScript run;
    run.then("zr::WdDialogFrm", [](QWidget *w) { w->findChild<QPushButton *>(QStringLiteral("OKButton"))->click(); });
    run.then("zr::WordFrm", [&](QWidget *w) {
        auto *frm = static_cast<ProblemPracticeFrm *>(w);
        typeRun(frm, frm->practice(), learner.clock(), 200, [](int i) { return i % 7 == 3; });
    });
    run.then("zr::WdScoreFrm", [](QWidget *w) { w->findChild<QPushButton *>(QStringLiteral("Command1"))->click(); });
    run.start();
    StartProblemPractice(nullptr, PracticeKind::Word, 1);
    QVERIFY(run.finished());

    QStringList problems;
    {
        ProgressFrm frm;
        frm.show();
        QTest::qWait(20);
        QCOMPARE(frm.windowTitle(), QStringLiteral("Progress"));
        problems += inspect(&frm, QStringLiteral("progress"), ownedByLearner());
    }
    ModalScript weak;
    weak.then("zr::WordFrm", [&](QWidget *w) {
        auto *frm = static_cast<ProblemPracticeFrm *>(w);
        QVERIFY2(frm->windowTitle().startsWith(QStringLiteral("Weak-Key Practice")), qPrintable(frm->windowTitle()));
        problems += inspect(w, QStringLiteral("weakkeys"));
        typeRun(frm, frm->practice(), learner.clock(), 200);
    });
    weak.then("zr::WdScoreFrm", [&](QWidget *w) {
        problems += inspect(w, QStringLiteral("weakkeysresult"), ownedByLearner());
        w->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    });
    weak.start();
    StartWeakKeyPractice(nullptr);
    for (const MessageRequest &m : learner.messages.shown) {
        QCOMPARE(m.title, QStringLiteral("Weak-Key Practice"));
        QVERIFY2(!hasJapanese(m.text), qPrintable(m.text));
    }
    QVERIFY2(weak.finished() || !learner.messages.shown.isEmpty(), qPrintable(weak.seen.join(u',')));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

// The fonts and gateways of the program, so that texts are measured as the learner sees them.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    SetUpApplication(app);
    EnglishInterfaceTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "EnglishInterfaceTest.moc"
