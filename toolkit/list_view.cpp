#include "toolkit/list_view.h"

#include "toolkit/text_box.h"
#include "toolkit/twips.h"

#include <QHeaderView>
#include <QStyledItemDelegate>

namespace tycora::ui {

namespace {

// Shows every cell on one line: a line break or any other control
// character in a cell's text is shown as a blank.
class OneLineDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant &value, const QLocale &) const override
    {
        QString text = value.toString();
        for (QChar &c : text) {
            if (isControlCharacter(c.unicode()) || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
                c = QLatin1Char(' ');
        }
        return text;
    }
};

} // namespace

ListView::ListView(QWidget *parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setColumnCount(0);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    setItemDelegate(new OneLineDelegate(this));
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
