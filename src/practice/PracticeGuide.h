#pragma once

#include "engine/KeystrokeProtocol.h"

#include <QList>
#include <QString>

namespace zr {

// A word of a word row, or a line of a passage, as it stands in the row's text.
struct RowItem {
    int textStart = 0;    // index in the row text (without the label's leading blank)
    int textLength = 0;   // its written form, the blank after a word not included
    QString reading;      // in hiragana, as the problem file gives it
};

// The guide under one word or line: its reading and its keys, how much of each is typed.
struct GuideGroup {
    int textStart = 0;      // where its word begins in the row text
    int textLength = 0;
    QString reading;
    int readingTyped = 0;   // leading characters of the reading whose kana are typed
    QString keys;           // the keys as they are to be typed now, one per position
    int keysTyped = 0;      // leading keys typed
};

// The reading line and the keys line of a row: a group per word or line, in the order
// of the row, and where the next key is.
struct RowGuide {
    QList<GuideGroup> groups;
    int current = -1;      // the group of the key expected next; -1 when the row is not being typed
    int currentKey = -1;   // its index in that group's keys; the keys' length for the blank after them

    // The texts as a screen reader says them: the readings, or the keys in their key
    // display form, a full-width blank between groups.
    QString readingText() const;
    QString keysText(bool fontUpper) const;
};

// The guide of a row from its items and the positions it is typed by now (another
// spelling begun included), cursor positions of which are typed. current tells that
// the row is being typed, so that the key at the cursor is the next one.
RowGuide GuideOf(const QList<RowItem> &items, const QList<PositionRecord> &positions, int cursor, bool current);

// Keys in their key display form key by key, so that each key is one character: the
// kana course's が shows as か゛, its two keys.
QString GuideKeysText(QStringView keys, bool fontUpper);

}  // namespace zr
