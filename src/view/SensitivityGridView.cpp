#include "view/SensitivityGridView.h"

#include "report/SignedPoints.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace {

constexpr int kMarkedRole = Qt::UserRole;
constexpr QSize kScaleSize(90, 10);

// Red for the earliest horizon, through yellow, to green for the latest; light enough to read
// the year on.
QColor HorizonColor(double position) {
    return QColor::fromHsvF(static_cast<float>(position / 3.0), 0.45F, 0.97F);
}

// Draws a frame round the cell that holds the current variant.
class MarkedCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        if (!index.data(kMarkedRole).toBool())
            return;
        painter->save();
        painter->setPen(QPen(option.palette.color(QPalette::Text), 2));
        painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
        painter->restore();
    }
};

template <typename Array> std::optional<int> IndexOf(const Array& values, std::int32_t value) {
    const auto found = std::find(values.begin(), values.end(), value);
    if (found == values.end())
        return std::nullopt;
    return static_cast<int>(std::distance(values.begin(), found));
}

} // namespace

SensitivityGridView::SensitivityGridView(QWidget* parent) : QWidget(parent) {
    m_table = new QTableWidget(static_cast<int>(kGridReturnPoints.size()),
                               static_cast<int>(kGridExpensePercents.size()), this);
    m_table->setObjectName(QStringLiteral("sensitivityGrid"));
    m_table->setAccessibleName(QStringLiteral("Sensitivity grid"));
    m_table->setAccessibleDescription(
        QStringLiteral("The year the money lasts until, by returns moved in points (rows) and "
                       "expenses in percent (columns). Enter or a click moves the sliders there."));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setItemDelegate(new MarkedCellDelegate(m_table));
    QStringList columns;
    for (const std::int32_t percent : kGridExpensePercents)
        columns.append(QStringLiteral("%1%").arg(percent));
    QStringList rows;
    for (const std::int32_t points : kGridReturnPoints)
        rows.append(QString::fromStdString(SignedPoints(points)));
    m_table->setHorizontalHeaderLabels(columns);
    m_table->setVerticalHeaderLabels(rows);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // All seven rows show, and no more room than they need.
    m_table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_table->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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

    m_earliest = new QLabel(this);
    m_scale = new QLabel(this);
    m_scale->setAccessibleName(QStringLiteral("Colour scale from the earliest to the latest year"));
    m_latest = new QLabel(this);
    auto* legend = new QHBoxLayout;
    legend->addWidget(new QLabel(QStringLiteral("Money lasts until"), this));
    legend->addStretch();
    legend->addWidget(m_earliest);
    legend->addWidget(m_scale);
    legend->addWidget(m_latest);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    layout->addLayout(legend);
}

void SensitivityGridView::ShowGrid(const std::optional<HorizonGrid>& grid,
                                   const QString& emptyText) {
    if (!grid) {
        for (int row = 0; row < m_table->rowCount(); ++row) {
            for (int column = 0; column < m_table->columnCount(); ++column) {
                QTableWidgetItem* cell = m_table->item(row, column);
                cell->setText(QString());
                cell->setBackground(QBrush());
            }
        }
        m_table->setToolTip(emptyText);
        m_earliest->clear();
        m_latest->clear();
        m_scale->clear();
        return;
    }
    m_table->setToolTip(QString());
    std::int32_t earliest = (*grid)[0][0];
    std::int32_t latest = earliest;
    for (const auto& row : *grid) {
        earliest = std::min(earliest, *std::min_element(row.begin(), row.end()));
        latest = std::max(latest, *std::max_element(row.begin(), row.end()));
    }
    for (std::size_t row = 0; row < grid->size(); ++row) {
        for (std::size_t column = 0; column < (*grid)[row].size(); ++column) {
            const std::int32_t horizon = (*grid)[row][column];
            QTableWidgetItem* cell = m_table->item(static_cast<int>(row), static_cast<int>(column));
            cell->setText(QString::number(horizon));
            const double position =
                latest == earliest ? 1.0 : double(horizon - earliest) / (latest - earliest);
            cell->setBackground(HorizonColor(position));
            cell->setForeground(QColor(Qt::black));
        }
    }
    ShowLegend(earliest, latest);
}

void SensitivityGridView::ShowLegend(std::int32_t earliest, std::int32_t latest) {
    QPixmap scale(kScaleSize);
    QLinearGradient gradient(0, 0, kScaleSize.width(), 0);
    for (const double stop : {0.0, 0.5, 1.0})
        gradient.setColorAt(stop, HorizonColor(stop));
    QPainter painter(&scale);
    painter.fillRect(scale.rect(), gradient);
    painter.end();
    m_scale->setPixmap(scale);
    m_earliest->setText(QString::number(earliest));
    m_latest->setText(QString::number(latest));
}

void SensitivityGridView::MarkVariant(std::int32_t expensesPercent, std::int32_t returnPoints) {
    const std::optional<int> markedRow = IndexOf(kGridReturnPoints, returnPoints);
    const std::optional<int> markedColumn = IndexOf(kGridExpensePercents, expensesPercent);
    for (int row = 0; row < m_table->rowCount(); ++row) {
        for (int column = 0; column < m_table->columnCount(); ++column)
            m_table->item(row, column)
                ->setData(kMarkedRole, row == markedRow && column == markedColumn);
    }
}
