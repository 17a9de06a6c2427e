#include "ui/toolkit/list_view.h"

#include "ui/toolkit/twips.h"

#include <QHeaderView>

namespace tycora::ui {

ListView::ListView(QWidget *parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setColumnCount(0);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
}

void ListView::addColumn(const QString &header, int widthTwips)
{
    const int column = columnCount();
    setColumnCount(column + 1);
    QTreeWidgetItem *h = headerItem();
    h->setText(column, header);
    setColumnWidth(column, px(widthTwips));
}

int ListView::addRow(const QString &text)
{
    auto *item = new QTreeWidgetItem(this);
    item->setText(0, text);
    return rowCount();
}

void ListView::setSubItem(int row, int subItem, const QString &text)
{
    if (QTreeWidgetItem *item = topLevelItem(row - 1))
        item->setText(subItem, text);
}

QString ListView::rowText(int row) const { return subItem(row, 0); }

QString ListView::subItem(int row, int subItem) const
{
    const QTreeWidgetItem *item = topLevelItem(row - 1);
    return item ? item->text(subItem) : QString();
}

} // namespace tycora::ui
