#pragma once

#include "practice/ProblemPractice.h"
#include "practice/WeakKeyPractice.h"
#include "ui/practice/PracticeInput.h"

#include <QTextLayout>
#include <QTimer>

#include <array>
#include <memory>

class QFrame;
class QLabel;
class QStatusBar;

namespace zr {

class GuideLine;
class ShapeWidget;

// How many lines a text takes when it wraps at a width, as TextFlow wraps it.
int WrappedLineCount(const QString &text, const QFont &font, int width);

// A line of text that wraps at a fixed width, and tells where its last character ends,
// so that what follows the text (the keys in progress, the cursor) can be placed there.
class TextFlow : public QWidget {
    Q_OBJECT
public:
    explicit TextFlow(QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const { return text_; }
    void setTextColour(const QColor &colour);
    void setTextFont(const QFont &font);
    // The width the text wraps at; the widget is as wide.
    void setWrapWidth(int width);
    // How many lines a text takes at the wrap width.
    int lineCount(const QString &text) const;
    int lineHeight() const;
    // Room left under each line (for the guide under a row); 0 sets the lines one under
    // the other.
    void setLineSpacing(int extra);
    int lineSpacing() const { return spacing_; }
    // The end of the last character: x after it, y the top of its line.
    QPoint endPoint() const;
    // The text as laid out at the wrap width.
    const QTextLayout &textLayout() const { return layout_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void relayout();

    QString text_;
    QFont font_;
    QColor colour_ = Qt::black;
    int wrapWidth_ = 100;
    int spacing_ = 0;
    QTextLayout layout_;
};

// The practice window of word and sentence practice: two rows to type, each with its
// typed text, miss line and frames, the keys of the unit in progress, the blinking
// cursor, the error label, the prompt and the clock. WordFrm and SentFrm differ only in
// what their ProblemPractice is told.
class ProblemPracticeFrm : public PracticeDialog {
    Q_OBJECT
public:
    ProblemPracticeFrm(PracticeKind kind, QWidget *parent = nullptr);
    ~ProblemPracticeFrm() override;

    qint16 lesson = 0;
    qint16 mode = KanaWithoutGuideToo;   // DrillMode
    qint16 MType = WordDrillTitle;       // not used by word and sentence practice
    QString UseKey;
    QString TargetKey;
    // Set by the launcher before the window is shown.
    ProblemPracticeSettings settings;
    // Weak-key practice: its words, in the place of the slot's file (word practice only).
    std::shared_ptr<const WeakKeyPractice> weakKeys;

    // Loads the problem file and builds the first step. False, after a message to the
    // learner, when there is nothing to practise. Runs when the window is first shown;
    // callers may run it earlier.
    bool prepare();

    ProblemPractice *practice() const { return practice_.get(); }
    TextFlow *rowLabel(int i) const { return rows_.at(size_t(i)).problem; }
    TextFlow *typedLabel(int i) const { return rows_.at(size_t(i)).typed; }
    QLabel *missLine(int i) const { return rows_.at(size_t(i)).miss; }
    QLabel *inputLabel() const { return input_; }
    ShapeWidget *cursorShape() const { return cursor_; }
    QLabel *errorLabel() const { return error_; }
    QLabel *promptLabel() const { return prompt_; }
    QLabel *clockLabel() const { return time_; }
    // The practice font as shown: the learner's, made smaller where the window would
    // not fit the screen in it.
    const QFont &textFont() const { return font_; }
    // The readings and the keys under row i; null when the learner has them off.
    GuideLine *readingLine(int i) const { return rows_.at(size_t(i)).readings; }
    GuideLine *keysLine(int i) const { return rows_.at(size_t(i)).keys; }

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    void typed(QChar c) override;
    // A stray press of the kana key between two keys must not turn the next key into kana.
    void matchKanaMode() override { syncKana(); }

private:
    struct Row {
        QFrame *questionFrame = nullptr;
        QFrame *inputFrame = nullptr;
        TextFlow *problem = nullptr;
        TextFlow *typed = nullptr;
        QLabel *miss = nullptr;
        GuideLine *readings = nullptr;
        GuideLine *keys = nullptr;
    };

    QString section() const;
    void layoutWindow(const QList<PracticeEntry> &entries);
    void showStep();
    void startRow(int row);
    bool guided() const { return settings.ShowReading || settings.ShowKeys; }
    void showGuide(int row);
    void showTyped();
    void showMiss(QChar expected, QChar typed);
    void clearError();
    void tick();
    void handOver();
    void syncKana();
    QString upper(const QString &text) const;
    QPoint typedOrigin(int row) const;

    PracticeKind kind_;
    std::unique_ptr<ProblemPractice> practice_;
    QFont font_;
    int course_ = 0;
    bool prepared_ = false;
    bool ready_ = false;
    bool positionSaved_ = false;

    QLabel *prompt_ = nullptr;
    std::array<Row, 2> rows_;
    QLabel *input_ = nullptr;
    ShapeWidget *cursor_ = nullptr;
    QLabel *error_ = nullptr;
    QStatusBar *statusBar_ = nullptr;
    QLabel *time_ = nullptr;
    QTimer display_;
};

class WordFrm : public ProblemPracticeFrm {
    Q_OBJECT
public:
    explicit WordFrm(QWidget *parent = nullptr) : ProblemPracticeFrm(PracticeKind::Word, parent) {}
};

class SentFrm : public ProblemPracticeFrm {
    Q_OBJECT
public:
    explicit SentFrm(QWidget *parent = nullptr) : ProblemPracticeFrm(PracticeKind::Sentence, parent) {}
};

// The practice window of a kind: WordFrm for words, SentFrm for sentences.
inline std::unique_ptr<ProblemPracticeFrm> CreatePracticeFrm(PracticeKind kind, QWidget *parent = nullptr)
{
    if (kind == PracticeKind::Word)
        return std::make_unique<WordFrm>(parent);
    return std::make_unique<SentFrm>(parent);
}

}  // namespace zr
