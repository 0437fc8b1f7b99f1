#include "ui/practice/GuideLine.h"

#include "userdata/UserSettings.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace zr {
namespace {

// The room between two groups on a line.
int groupGap(const QFontMetrics &fm)
{
    return fm.horizontalAdvance(QChar(0x3000)) / 2;
}

}  // namespace

GuideFlow FlowGuide(const QTextLayout &row, const QList<int> &anchors, const QStringList &texts, const QFont &font,
                    int width)
{
    GuideFlow flow;
    flow.lines = std::max(1, row.lineCount());
    const QFontMetrics fm(font);
    const int gap = groupGap(fm);
    int line = 0;
    int x = 0;
    for (int g = 0; g < texts.size(); ++g) {
        const QString &text = texts.at(g);
        // Under its word, unless the group before it reaches further.
        const int anchor = anchors.value(g);
        const QTextLine under = row.lineForTextPosition(anchor);
        if (under.isValid()) {
            const int ax = int(std::lround(under.cursorToX(anchor)));
            if (under.lineNumber() > line || (under.lineNumber() == line && ax > x)) {
                line = under.lineNumber();
                x = ax;
            }
        }
        qsizetype from = 0;
        while (from < text.size()) {
            int used = 0;
            qsizetype to = from;
            while (to < text.size()) {
                const int advance = fm.horizontalAdvance(text.at(to));
                if (x + used + advance > width)
                    break;
                used += advance;
                ++to;
            }
            // A line too narrow for even one character takes one all the same.
            if (to == from && x == 0) {
                used = fm.horizontalAdvance(text.at(from));
                to = from + 1;
            }
            if (to > from) {
                flow.runs.append({line, x, g, int(from), int(to - from)});
                x += used;
                from = to;
            }
            if (from < text.size()) {
                ++line;
                x = 0;
            }
        }
        x += gap;
    }
    if (!flow.runs.isEmpty())
        flow.lines = std::max(flow.lines, flow.runs.last().line + 1);
    return flow;
}

GuideLine::GuideLine(Kind kind, QWidget *parent) : QWidget(parent), kind_(kind)
{
    setObjectName(kind == Readings ? QStringLiteral("GuideReadings") : QStringLiteral("GuideKeys"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleDescription(kind == Readings ? tr("読み") : tr("入力キー"));
}

void GuideLine::setLook(const Look &look)
{
    look_ = look;
    relayout();
    update();
}

void GuideLine::setContent(const GuideLineContent &content)
{
    content_ = content;
    texts_.clear();
    anchors_.clear();
    for (const GuideGroup &g : content_.guide.groups) {
        texts_.append(kind_ == Readings ? g.reading : GuideKeysText(g.keys, look_.fontUpper));
        anchors_.append(g.textStart + content_.anchorShift);
    }
    setAccessibleName(kind_ == Readings ? content_.guide.readingText() : content_.guide.keysText(look_.fontUpper));
    relayout();
    update();
}

void GuideLine::relayout()
{
    shown_ = look_.font;
    if (!content_.row) {
        flow_ = GuideFlow{};
        return;
    }
    const int width = this->width();
    flow_ = FlowGuide(*content_.row, anchors_, texts_, shown_, width);
    // A row whose guide is longer than the room under it (keys of a long spelling, a
    // dense passage) is shown in a smaller size rather than cut off.
    const double smallest = Declaration(Setting::FontSize).minimum;
    while (flow_.lines > look_.lines && shown_.pointSizeF() > smallest) {
        shown_.setPointSizeF(std::max(smallest, std::floor(shown_.pointSizeF()) - 1));
        flow_ = FlowGuide(*content_.row, anchors_, texts_, shown_, width);
    }
}

int GuideLine::typedOf(int group) const
{
    const GuideGroup &g = content_.guide.groups.at(group);
    return kind_ == Readings ? g.readingTyped : g.keysTyped;
}

QPoint GuideLine::placeOf(int group, int index) const
{
    const QFontMetrics fm(shown_);
    QPoint after;
    bool found = false;
    for (const GuideRun &run : flow_.runs) {
        if (run.group != group)
            continue;
        const QString &text = texts_.at(group);
        const int top = run.line * look_.block + look_.top;
        if (index >= run.from && index < run.from + run.length)
            return {run.x + fm.horizontalAdvance(text.mid(run.from, index - run.from)), top};
        after = {run.x + fm.horizontalAdvance(text.mid(run.from, run.length)), top};
        found = true;
    }
    return found ? after : QPoint();
}

void GuideLine::paintEvent(QPaintEvent *)
{
    if (flow_.runs.isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(shown_);
    const QFontMetrics fm(shown_);
    const bool current = content_.current;
    const int markGroup = current && kind_ == Keys ? content_.guide.current : -1;
    const int markKey = content_.guide.currentKey;
    auto colourAt = [&](int group, int i) {
        if (!current)
            return look_.greyed;
        if (group == markGroup && i == markKey)
            return look_.mark;
        return i < typedOf(group) ? look_.typed : look_.text;
    };
    for (const GuideRun &run : flow_.runs) {
        const QString &text = texts_.at(run.group);
        const int baseline = run.line * look_.block + look_.top + fm.ascent();
        int x = run.x;
        // The run in pieces of one colour each.
        int i = run.from;
        const int end = run.from + run.length;
        while (i < end) {
            const QColor colour = colourAt(run.group, i);
            int j = i + 1;
            while (j < end && colourAt(run.group, j) == colour)
                ++j;
            const QString piece = text.mid(i, j - i);
            painter.setPen(colour);
            painter.drawText(QPoint(x, baseline), piece);
            x += fm.horizontalAdvance(piece);
            i = j;
        }
    }
    if (markGroup < 0 || markGroup >= texts_.size())
        return;
    // A bar under the key in progress, or after the group's keys for the blank that ends it.
    const QString &text = texts_.at(markGroup);
    const QPoint at = placeOf(markGroup, markKey);
    const int width = markKey < text.size() ? fm.horizontalAdvance(text.at(markKey)) : groupGap(fm);
    const int gap = markKey < text.size() ? 0 : groupGap(fm) / 4;
    painter.fillRect(at.x() + gap, at.y() + fm.ascent() + std::max(1, fm.descent() / 2), width, 2, look_.mark);
}

namespace {

QAccessibleInterface *practiceTextInterface(const QString &className, QObject *object)
{
    if ((className == u"zr::TextFlow" || className == u"zr::GuideLine") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::StaticText);
    return nullptr;
}

}  // namespace

void InstallPracticeTextAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(practiceTextInterface);
}

}  // namespace zr
