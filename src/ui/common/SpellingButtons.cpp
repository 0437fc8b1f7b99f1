#include "ui/common/SpellingButtons.h"

#include "engine/RomajiTable.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace zr {
namespace {

// Where each unit's button sits (layout column, layout row).
const struct {
    int column, row;
} kKeyGrid[25] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {0, 3}, {2, 3}, {3, 3}, {4, 3},
                  {0, 4}, {2, 4}, {4, 4}, {0, 5}, {2, 5}, {3, 5}, {4, 5}, {0, 7}, {1, 7},
                  {2, 7}, {3, 7}, {4, 7}, {0, 8}, {2, 8}, {4, 8}, {0, 1}};

QLabel *sectionLabel(const QString &text)
{
    auto *label = new QLabel(text);
    label->setStyleSheet(QStringLiteral("color: palette(mid); font-weight: bold;"));
    return label;
}

}  // namespace

void SetSpellingTabOrder(const QList<QPushButton *> &buttons)
{
    // Keyboard order follows the layout, row by row.
    QList<int> order;
    for (int row = 0; row <= 8; ++row) {
        for (int column = 0; column <= 4; ++column) {
            for (int i = 0; i < int(std::size(kKeyGrid)); ++i) {
                if (kKeyGrid[i].row == row && kKeyGrid[i].column == column)
                    order.append(i);
            }
        }
    }
    for (qsizetype k = 1; k < order.size() && order[k] < buttons.size(); ++k)
        QWidget::setTabOrder(buttons[order[k - 1]], buttons[order[k]]);
}

int SpellingGridRow(int layoutRow)
{
    return layoutRow <= 1 ? layoutRow + 1 : layoutRow <= 5 ? layoutRow + 2 : layoutRow + 3;
}

QString SpellingCaption(int unit, int choice, bool upper)
{
    const SpellingAlternative &alt = SpellingAlternatives()[unit];
    const QString spelling = alt.spelling[choice == 1 ? 1 : 0];
    return alt.kana + QStringLiteral("  ") + (upper ? spelling.toUpper() : spelling);
}

SpellingButtonGrid MakeSpellingButtons(const QString (&headings)[3], QWidget *owner,
                                       const std::function<void(int)> &clicked)
{
    SpellingButtonGrid out;
    auto *grid = new QGridLayout;
    out.grid = grid;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->addWidget(sectionLabel(headings[0]), 0, 0, 1, 6);
    grid->addWidget(sectionLabel(headings[1]), 4, 0, 1, 6);
    grid->addWidget(sectionLabel(headings[2]), 9, 0, 1, 6);
    const qsizetype units = SpellingAlternatives().size();
    for (qsizetype i = 0; i < units; ++i) {
        auto *button = new QPushButton;
        button->setObjectName(QStringLiteral("KeyBtn_%1").arg(i));
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::StrongFocus);
        out.buttons.append(button);
        grid->addWidget(button, SpellingGridRow(kKeyGrid[i].row), kKeyGrid[i].column);
        QObject::connect(button, &QPushButton::clicked, owner, [clicked, i] { clicked(int(i)); });
    }
    grid->setRowMinimumHeight(3, 6);
    grid->setRowMinimumHeight(8, 6);
    for (int c = 0; c < 5; ++c)
        grid->setColumnStretch(c, 1);
    return out;
}

}  // namespace zr
