#pragma once

#include "results/ScoreRecord.h"
#include "ui/shell/Launchers.h"

#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace zr {

class DayHistoryPicture;

// "成績一覧": the history of every Chapter reached and every titled word and sentence
// slot, read from the current learner's record. A tree of the items, a summary and
// the 15-day graph of the chosen one. It writes nothing but its own position.
class ScoreViewFrm : public QDialog {
    Q_OBJECT
public:
    // The tree items carry their node keys ("Training", "#t 3", "#w 1", "SSentLsn"…).
    static constexpr int kNodeKeyRole = Qt::UserRole;

    explicit ScoreViewFrm(QWidget *parent = nullptr);

    ScoreViewMode mode = ScoreViewUser;
    // The item to show first: the Chapter for ScoreViewChapter, the slot number for
    // ScoreViewWord and ScoreViewSentence.
    int Lsn = 0;

    // Draws the history of item n of the kind's block.
    void PutScore(int n, ScoreViewMode kind);

    QTreeWidget *tree() const { return TreeView1; }
    QTabWidget *tabs() const { return SSTab1; }
    DayHistoryPicture *history() const { return Picture4; }

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void buildTree();
    void preselect();
    void nodeClick(QTreeWidgetItem *item);
    void clearItem();
    void setHeadingsVisible(bool visible);

    bool activated_ = false;
    bool unloaded_ = false;

    QTreeWidget *TreeView1 = nullptr;
    QTabWidget *SSTab1 = nullptr;
    DayHistoryPicture *Picture4 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QFrame *Line1 = nullptr;
    QLineEdit *Text[5] = {};
    QPushButton *cmdOK = nullptr;
};

}  // namespace zr
