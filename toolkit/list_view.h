#pragma once

// A report list with column headers: rows of a text and its sub-items,
// numbered from 1. Every cell shows on one line, whatever its text holds.

#include <QStringList>
#include <QTreeWidget>

namespace tycora::ui {

class ListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit ListView(QWidget *parent = nullptr);

    void addColumn(const QString &header, int widthTwips);
    // Appends a row; returns its number (from 1).
    int addRow(const QString &text);
    void setSubItem(int row, int subItem, const QString &text);   // sub-item 1 is column 2

    int rowCount() const { return topLevelItemCount(); }
    QString rowText(int row) const;
    QString subItem(int row, int subItem) const;
};

} // namespace tycora::ui
