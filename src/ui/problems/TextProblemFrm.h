#pragma once

#include "practice/ProblemRegistration.h"
#include "practice/TextProblems.h"

#include <QDialog>
#include <QHash>
#include <QPointer>
#include <QThread>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTimer;

namespace zr {

// "文章から練習問題を作る": a pasted or opened text becomes a word dictionary or a
// short-sentence set in the learner's problem folder. The text is read off the window's
// thread, so typing never waits for it; every item shows its proposed reading, which the
// learner may change, and an item whose reading is missing or untypable is marked and
// must be filled before "保存". Saving offers to register the file in a free slot:
// straight into the learner's settings, or, when the dialog was opened from "練習問題の
// 構成", into that dialog's slots, kept or dropped with its OK and ｷｬﾝｾﾙ.
class TextProblemFrm : public QDialog {
    Q_OBJECT
public:
    explicit TextProblemFrm(QWidget *parent = nullptr, ProblemSlots *hostSlots = nullptr);
    ~TextProblemFrm() override;

    // The file last saved, and the slot index it went into (-1 when it did not).
    QString savedPath() const { return savedPath_; }
    int registeredSlot() const { return registeredSlot_; }
    // True while a reading of the text is under way (tests wait for it).
    bool analysing() const { return worker_ != nullptr || shownGeneration_ != generation_; }

signals:
    void itemsShown();

private:
    ProblemKind kind() const;
    void textChanged();
    void startAnalysis();
    void showItems(int generation, const QList<DraftItem> &items, const QString &problem);
    void readingEdited(int row, int column);
    void markRow(int row);
    void openFile();
    void save();
    void offerRegistration(const QString &path);
    void updateSummary();

    ProblemSlots *hostSlots_ = nullptr;
    QList<DraftItem> items_;
    // Readings the learner typed, by the text they were typed for: a new reading of the
    // text keeps them.
    QHash<QString, QString> edited_;
    QString savedPath_;
    int registeredSlot_ = -1;
    int generation_ = 0;          // of the text and kind, one more at each change
    int shownGeneration_ = 0;     // of the items in the table
    bool filling_ = false;
    QPointer<QThread> worker_;
    QTimer *delay_ = nullptr;

    QRadioButton *WordKind = nullptr;
    QRadioButton *SentenceKind = nullptr;
    QPushButton *OpenButton = nullptr;
    QPlainTextEdit *SourceText = nullptr;
    QTableWidget *ItemTable = nullptr;
    QLabel *Summary = nullptr;
    QLineEdit *TitleText = nullptr;
    QPlainTextEdit *DescriptionText = nullptr;
    QLineEdit *FileNameText = nullptr;
    QPushButton *SaveButton = nullptr;
    QPushButton *CloseButton = nullptr;
};

// Opens the dialog modally; hostSlots as above.
void ShowTextProblemFrm(QWidget *parent, ProblemSlots *hostSlots = nullptr);

}  // namespace zr
