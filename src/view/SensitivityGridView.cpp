#include "view/SensitivityGridView.h"

#include "report/ControlWords.h"
#include "report/WhatIfText.h"
#include "view/GridColors.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace {

constexpr int kMarkedRole = Qt::UserRole;
constexpr int kSwatchSize = 10;
// Room beside a cell's text, so that it never touches the grid lines.
constexpr int kCellPadding = 1;

// Writes a cell's year whole across the cell, without the style's margins that would cut it
// short in a narrow pane; frames the cell of the current variant, and the cell the keyboard is
// on while the grid has the focus: the grid selects nothing, so the style would otherwise show
// no current cell.
class GridCellDelegate : public QStyledItemDelegate {
public:
    explicit GridCellDelegate(QTableWidget* table) : QStyledItemDelegate(table), m_table(table) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem cell(option);
        initStyleOption(&cell, index);
        const QString text = cell.text;
        cell.text.clear();
        const QWidget* widget = option.widget;
        (widget != nullptr ? widget->style() : QApplication::style())
            ->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
        painter->save();
        const QVariant foreground = index.data(Qt::ForegroundRole);
        painter->setPen(foreground.canConvert<QBrush>() ? foreground.value<QBrush>().color()
                                                        : cell.palette.color(QPalette::Text));
        painter->setFont(cell.font);
        painter->drawText(option.rect, Qt::AlignCenter, text);
        painter->restore();
        const bool marked = index.data(kMarkedRole).toBool();
        const bool focused = m_table->hasFocus() && m_table->currentIndex() == index;
        if (!marked && !focused)
            return;
        painter->save();
        if (marked) {
            painter->setPen(QPen(QColor(Qt::black), 2));
            painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
        }
        if (focused) {
            painter->setPen(QPen(option.palette.color(QPalette::Highlight), 2, Qt::DashLine));
            painter->drawRect(option.rect.adjusted(3, 3, -3, -3));
        }
        painter->restore();
    }

private:
    QTableWidget* m_table;
};

template <typename Array> std::optional<int> IndexOf(const Array& values, std::int32_t value) {
    const auto found = std::find(values.begin(), values.end(), value);
    if (found == values.end())
        return std::nullopt;
    return static_cast<int>(std::distance(values.begin(), found));
}

// A legend line: a swatch of the band's colour and its words, as rich text so that it wraps.
QString LegendLine(const GridLegendEntry& entry) {
    return QStringLiteral("<span style=\"background-color:%1\">%2</span> %3")
        .arg(BandColor(entry.band).name(), QString(kSwatchSize / 2, QChar::Nbsp),
             QString::fromUtf8(entry.text).toHtmlEscaped());
}

} // namespace

SensitivityGridView::SensitivityGridView(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    AddTable(*layout);
    AddLegend(*layout);
}

void SensitivityGridView::AddTable(QVBoxLayout& layout) {
    m_table = new QTableWidget(static_cast<int>(kGridReturnPoints.size()),
                               static_cast<int>(kGridExpensePercents.size()), this);
    m_table->setObjectName(QStringLiteral("sensitivityGrid"));
    m_table->setAccessibleName(QString::fromUtf8(kGridName));
    m_table->setAccessibleDescription(
        QStringLiteral("The year the money lasts until, by returns moved in points (rows) and "
                       "expenses in percent (columns). Enter or a click moves the sliders there."));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    // Tab leaves the grid; the arrow keys move inside it.
    m_table->setTabKeyNavigation(false);
    m_table->setItemDelegate(new GridCellDelegate(m_table));
    QStringList columns;
    for (const std::int32_t percent : kGridExpensePercents)
        columns.append(QString::fromUtf8(GridExpensesHeading(percent)));
    QStringList rows;
    for (const std::int32_t points : kGridReturnPoints)
        rows.append(QString::fromUtf8(GridReturnsHeading(points)));
    m_table->setHorizontalHeaderLabels(columns);
    m_table->setVerticalHeaderLabels(rows);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // All seven rows show, and no more room than they need.
    m_table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_table->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Never narrower than its widest cell, "2039+", and the headings: the pane keeps room for
    // the grid rather than cut its years short.
    const QFontMetrics metrics(m_table->font());
    const int columnWidth = metrics.horizontalAdvance(QStringLiteral("2039+")) + 2 * kCellPadding;
    m_table->horizontalHeader()->setMinimumSectionSize(columnWidth);
    m_table->setMinimumWidth(m_table->verticalHeader()->sizeHint().width() +
                             columnWidth * m_table->columnCount() + 2 * m_table->frameWidth());
    for (int row = 0; row < m_table->rowCount(); ++row) {
        for (int column = 0; column < m_table->columnCount(); ++column) {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignCenter);
            m_table->setItem(row, column, cell);
        }
    }
    const auto choose = [this](int row, int column) {
        emit variantChosen(kGridExpensePercents[static_cast<std::size_t>(column)],
                           kGridReturnPoints[static_cast<std::size_t>(row)]);
    };
    connect(m_table, &QTableWidget::cellClicked, this, choose);
    connect(m_table, &QTableWidget::cellActivated, this, choose);
    layout.addWidget(m_table);
}

void SensitivityGridView::AddLegend(QVBoxLayout& layout) {
    m_legend = new QLabel(this);
    m_legend->setObjectName(QStringLiteral("sensitivityLegend"));
    m_legend->setAccessibleName(QString::fromUtf8(kGridLegendName));
    m_legend->setTextFormat(Qt::RichText);
    m_legend->setWordWrap(true);
    layout.addWidget(m_legend);
}

void SensitivityGridView::ShowGrid(std::nullopt_t, const QString& emptyText) {
    m_grid.reset();
    for (int row = 0; row < m_table->rowCount(); ++row) {
        for (int column = 0; column < m_table->columnCount(); ++column) {
            QTableWidgetItem* cell = m_table->item(row, column);
            cell->setText(QString());
            cell->setBackground(QBrush());
            cell->setForeground(QBrush());
        }
    }
    m_table->setToolTip(emptyText);
    m_legend->clear();
}

void SensitivityGridView::ShowGrid(const HorizonGrid& grid, const Plan& plan, std::int32_t age) {
    m_grid = grid;
    m_plan = plan;
    m_age = age;
    m_table->setToolTip(QString());
    ShowCells();
}

void SensitivityGridView::SetAge(std::int32_t age) {
    m_age = age;
    if (m_grid)
        ShowCells();
}

void SensitivityGridView::ShowCells() {
    for (std::size_t row = 0; row < m_grid->size(); ++row) {
        for (std::size_t column = 0; column < (*m_grid)[row].size(); ++column) {
            const Reach& reach = (*m_grid)[row][column];
            QTableWidgetItem* cell = m_table->item(static_cast<int>(row), static_cast<int>(column));
            cell->setText(QString::fromUtf8(GridCellText(reach)));
            cell->setToolTip(QString::fromUtf8(GridCellTip(reach)));
            const QColor colour = BandColor(BandOf(reach, m_plan, m_age));
            cell->setBackground(colour.isValid() ? QBrush(colour) : QBrush());
            cell->setForeground(colour.isValid() ? QBrush(Qt::black) : QBrush());
        }
    }
    QStringList lines;
    for (const GridLegendEntry& entry : GridLegend(*m_grid, m_plan, m_age))
        lines.append(LegendLine(entry));
    if (const std::string note = GridNote(*m_grid, m_plan, m_age); !note.empty())
        lines.append(QString::fromUtf8(note).toHtmlEscaped());
    m_legend->setText(lines.join(QStringLiteral("<br>")));
}

void SensitivityGridView::MarkVariant(std::int32_t expensesPercent, std::int32_t returnPoints) {
    const std::optional<int> markedRow = IndexOf(kGridReturnPoints, returnPoints);
    const std::optional<int> markedColumn = IndexOf(kGridExpensePercents, expensesPercent);
    for (int row = 0; row < m_table->rowCount(); ++row) {
        for (int column = 0; column < m_table->columnCount(); ++column)
            m_table->item(row, column)
                ->setData(kMarkedRole, row == markedRow && column == markedColumn);
    }
    // The keyboard starts from the variant shown.
    if (markedRow && markedColumn && !m_table->hasFocus())
        m_table->setCurrentCell(*markedRow, *markedColumn);
}
