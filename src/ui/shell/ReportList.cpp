#include "ui/shell/ReportList.h"

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTreeWidget>

namespace zr {
namespace {

class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(size.height() + option.fontMetrics.height() / 3);
        return size;
    }
};

}  // namespace

void SetUpReportList(QTreeWidget *list)
{
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAlternatingRowColors(true);
    list->setSortingEnabled(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setAllColumnsShowFocus(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setItemDelegate(new RowDelegate(list));
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsMovable(false);
    list->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

}  // namespace zr
