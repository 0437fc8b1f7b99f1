#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QPushButton;
class QTreeWidget;

namespace zr {

// Lists every learner and makes the chosen one current. At start-up (mode 0) it also
// registers and deletes learners; from the main window (mode 1) it only switches.
class UserSelFrm : public QDialog {
    Q_OBJECT
public:
    explicit UserSelFrm(QWidget *parent = nullptr);

    // Where the dialog is opened from.
    enum Mode : qint16 { AtStartUp = 0, FromMainWindow = 1 };
    qint16 mode = AtStartUp;

    // Rebuilds the list from the learner folders.
    void ListItemInit();

    // The row (1-based) of the current learner found by the last ListItemInit; 0 when none.
    int currentRow() const { return currentRow_; }

protected:
    void showEvent(QShowEvent *e) override;

private:
    struct Entry {
        QString folder;
        QString name;
    };
    void refresh();
    void choose();
    void registerUser();
    void deleteUser();
    int selectedRow() const;

    QList<Entry> entries_;
    int currentRow_ = 0;
    bool shown_ = false;

    QTreeWidget *ListView1 = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command3 = nullptr;
};

}  // namespace zr
