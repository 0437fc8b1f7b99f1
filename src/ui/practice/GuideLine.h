#pragma once

#include "practice/PracticeGuide.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QStringList>
#include <QTextLayout>
#include <QWidget>

namespace zr {

// A piece of a group's text on one line of the row: the guide places each group from
// under the first character of its word, or after the group before it where that one
// is longer, and goes on under the next line of the row where a line is full.
struct GuideRun {
    int line = 0;     // line of the row
    int x = 0;
    int group = 0;
    int from = 0;     // the piece of the group's text
    int length = 0;
};

struct GuideFlow {
    QList<GuideRun> runs;
    int lines = 1;    // lines of the row the guide needs, at least the row's own
};

// Flows the texts under a laid-out row: anchors[i] is the index in the row's text of
// the character texts[i] stands under. Lines are width wide.
GuideFlow FlowGuide(const QTextLayout &row, const QList<int> &anchors, const QStringList &texts, const QFont &font,
                    int width);

// What a guide line is to show of a row: the row's guide, its laid-out text, where in
// that text its words begin (the row label's leading blank counted), and whether the
// row is being typed (then typed keys take the typed colour and the next key its mark).
struct GuideLineContent {
    RowGuide guide;
    const QTextLayout *row = nullptr;
    int anchorShift = 1;
    bool current = false;
};

// The readings, or the keys, under a row of word or sentence practice, in a smaller
// size of the practice font. Its area is the row's: under each line of the row, at top
// pixels below that line's top, one line of the guide.
class GuideLine : public QWidget {
    Q_OBJECT
public:
    enum Kind { Readings, Keys };

    struct Look {
        QFont font;
        QColor text;       // the problem text's colour
        QColor typed;      // the typed part of the problem text
        QColor mark;       // the key in progress
        QColor greyed;     // a row not being typed
        bool fontUpper = false;
        int top = 0;       // below the top of each line of the row
        int block = 0;     // from one line of the row to the next
        int lines = 1;     // the lines of the row there is room for
    };

    GuideLine(Kind kind, QWidget *parent = nullptr);

    void setLook(const Look &look);
    void setContent(const GuideLineContent &content);

    // What it shows, as text (the accessible name too).
    QString text() const { return accessibleName(); }
    // The font its texts are drawn in: the look's, or smaller for a row whose guide would
    // not fit the room otherwise.
    const QFont &shownFont() const { return shown_; }
    const GuideFlow &flow() const { return flow_; }
    // Where group's character index is drawn, in this widget: x, and the top of its line;
    // for the index after a group's last character, the place after it.
    QPoint placeOf(int group, int index) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void relayout();
    int typedOf(int group) const;

    Kind kind_;
    Look look_;
    GuideLineContent content_;
    QStringList texts_;
    QList<int> anchors_;
    QFont shown_;
    GuideFlow flow_;
};

// Lets screen readers take the practice rows and guide lines for the static text they
// are. Installed once; does nothing on later calls.
void InstallPracticeTextAccessibility();

}  // namespace zr
