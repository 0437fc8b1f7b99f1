#pragma once

#include "engine/KeyStats.h"
#include "results/ScoreRecord.h"

#include <QDialog>
#include <QList>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QTabWidget;

namespace zr {

class DayHistoryPicture;
class KeyGraphPicture;
class KeyboardPicture;

// The window every result screen shares: three pages (advice with the keyboard figure,
// the per-key graph, the day history), the buttons that lead through them and back to
// the menu, and the window's remembered position.
class ResultWindow : public QDialog {
    Q_OBJECT
public:
    enum Page { AdvicePage, KeyGraphPage, HistoryPage };

    struct Design {
        QString section;                 // "Score1", "Score2", "Score3"
        QString graphName;               // "Picture1" or "PictureG"
        QList<Page> pages = {AdvicePage, KeyGraphPage, HistoryPage};
        // The training screen shows the graph's scroll bar only when the graph is
        // taller than its window; the other screens always show it.
        bool scrollBarWhenNeeded = false;
    };

    ResultWindow(Design design, QWidget *parent = nullptr);

    QTabWidget *tabs() const { return tabs_; }
    QPlainTextEdit *adviceText() const { return text_; }
    KeyboardPicture *resultKeyboard() const { return keyboard_; }
    KeyGraphPicture *graph() const { return graph_; }
    DayHistoryPicture *history() const { return history_; }
    QScrollBar *graphScrollBar() const { return scroll_; }

protected:
    // The advice shown in Text1 (paragraphs end with CR LF).
    void setAdvice(const QString &text);
    // The per-key graph from the run's key figures.
    void keygraph(const KeyStats &stats);
    void drawDayHistory(const ScoreRecord &record);
    void PaintResultKeys(QStringView keys, int pictureCode, bool captions);

    // Command1: back to the menu.
    virtual void returnToMenu();
    // Runs whenever the window goes: the position is saved, then the screen's own
    // unloading.
    virtual void unload() {}

    void done(int result) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    QPushButton *menuButton() const { return command1_; }

private:
    void tabChanged(int index);
    void scrollGraph(int value);
    // Enter: the focused button, else on to the next page, else back to the menu.
    void enterPressed();
    // The keys that scroll the per-key graph while its page is shown.
    bool scrollGraphByKey(int key);

    Design design_;
    QTabWidget *tabs_ = nullptr;
    QPlainTextEdit *text_ = nullptr;
    KeyboardPicture *keyboard_ = nullptr;
    QWidget *graphPage_ = nullptr;
    QWidget *viewport_ = nullptr;
    KeyGraphPicture *graph_ = nullptr;
    QScrollBar *scroll_ = nullptr;
    QWidget *graphFocus_ = nullptr;
    DayHistoryPicture *history_ = nullptr;
    QPushButton *prev_ = nullptr;
    QPushButton *next_ = nullptr;
    QPushButton *command1_ = nullptr;
    double designHeight_ = 0;
    bool unloaded_ = false;
};

}  // namespace zr
