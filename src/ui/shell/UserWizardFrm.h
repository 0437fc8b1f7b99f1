#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace zr {

// The new-user wizard: name, course, romaji spellings (romaji course only), typing
// level, confirmation. "完了" writes the learner's folder and makes the learner
// current; closing it before then creates nothing.
class UserWizardFrm : public QDialog {
    Q_OBJECT
public:
    explicit UserWizardFrm(QWidget *parent = nullptr);

    QString MkPath;   // folder of the new learner, set before the wizard is shown

    // The name accepted on the name page, the course, the target speed of the level page.
    QString name;
    qint16 Course = 0;
    int targetSpeed = 40;

    int currentPage() const { return page_; }
    void ShowPage(int n);

    // "OK", or "NG" when a learner of that name exists in that course already.
    static QString UserColChk(const QString &name, int course);

private:
    void next();
    void back();
    void finish();
    void nameEdited();
    void showStep();
    void keyClicked(int i);
    QString keyCaption(int i) const;

    int page_ = 0;
    QList<int> spellings_;   // chosen spelling per alternative

    QStackedWidget *pages_ = nullptr;
    QLabel *title_ = nullptr;
    QLabel *step_ = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLabel *nameHint_ = nullptr;
    QRadioButton *OptionRmj = nullptr;
    QRadioButton *OptionKana = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QList<QPushButton *> KeyBtn;
    QPushButton *cmdbef = nullptr;
    QPushButton *cmdnex = nullptr;
    QPushButton *cmdCancel = nullptr;
};

// Opens the wizard on the first free learner slot, or says that ten learners is the
// limit. True when a learner was created (and is current).
bool CreateUser(QWidget *parent);

}  // namespace zr
