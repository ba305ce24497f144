#include "tests/support/qt/ReportRows.h"

#include <QTreeWidget>

std::vector<ReportRow> ReportRows(const QTreeWidget& list) {
    std::vector<ReportRow> rows;
    for (int index = 0; index < list.topLevelItemCount(); ++index) {
        const QTreeWidgetItem* item = list.topLevelItem(index);
        ReportRow row;
        for (int column = 0; column < list.columnCount(); ++column)
            row.push_back(item->text(column).toStdString());
        rows.push_back(row);
    }
    return rows;
}
