#pragma once

#include <QList>
#include <QString>

#include <functional>

class QGridLayout;
class QPushButton;
class QWidget;

namespace zr {

// The toggle buttons of the 25 kana units with two spellings, laid out as the romaji
// settings dialog and the new-user wizard show them: the single kana on rows 0 and 1,
// the しゃ, ちゃ and じゃ rows on rows 3 to 5 (ゅ-column 2, ぇ-column 3, ょ-column 4) and
// the small kana on rows 7 and 8, each block under its heading.
struct SpellingButtonGrid {
    QGridLayout *grid = nullptr;
    QList<QPushButton *> buttons;   // objectName KeyBtn_n, n the unit's number
};

// Builds the grid; headings name the three blocks. Each button calls clicked with its
// unit's number. Columns 0 to 4 hold the buttons; a caller may add to column 5.
SpellingButtonGrid MakeSpellingButtons(const QString (&headings)[3], QWidget *owner,
                                       const std::function<void(int)> &clicked);

// Puts the buttons into the keyboard order of the layout, row by row. Called once they
// are in their window.
void SetSpellingTabOrder(const QList<QPushButton *> &buttons);

// The grid row of a layout row 0 to 8 (the headings take rows of their own).
int SpellingGridRow(int layoutRow);

// A button's caption: the kana, two blanks and the spelling, in capitals when the
// learner shows Latin letters in upper case.
QString SpellingCaption(int unit, int choice, bool upper);

}  // namespace zr
