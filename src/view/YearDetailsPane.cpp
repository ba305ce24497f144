#include "view/YearDetailsPane.h"

#include "model/YearBreakdown.h"
#include "persist/CTessalyDoc.h"
#include "print/AmountText.h"
#include "report/ControlWords.h"
#include "report/YearDetailsText.h"
#include "report/YearExplanation.h"
#include "view/MoneyDisplay.h"

#include <QApplication>
#include <QFont>
#include <QHeaderView>
#include <QLocale>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTreeWidgetItem>

#include <algorithm>
#include <array>
#include <string>

namespace {

// Gives each row the height of its text wrapped to the width it is drawn in: the column's, or
// the whole row's for a sentence that spans both, less the indentation of its depth. The tree
// itself would measure every line as one, and the style would then cut it short with "...".
// An amount is measured on one line: the Amount column is sized to its contents, and measured
// at the column's own width it would only ever fit by breaking at its digit grouping.
class WrappingDelegate : public QStyledItemDelegate {
public:
    explicit WrappingDelegate(QTreeWidget& tree) : QStyledItemDelegate(&tree), m_tree(tree) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem measured(option);
        initStyleOption(&measured, index);
        const bool spanned = m_tree.isFirstColumnSpanned(index.row(), index.parent());
        if (index.column() == 0 || spanned) {
            int width = spanned ? m_tree.viewport()->width() : m_tree.columnWidth(0);
            if (index.column() == 0) {
                int depth = 1;
                for (QModelIndex parent = index.parent(); parent.isValid();
                     parent = parent.parent())
                    ++depth;
                width -= depth * m_tree.indentation();
            }
            measured.rect = QRect(0, 0, std::max(width, 1), 1);
            measured.features |= QStyleOptionViewItem::WrapText;
        } else {
            measured.features &= ~QStyleOptionViewItem::WrapText;
        }
        const QWidget* widget = option.widget;
        return (widget != nullptr ? widget->style() : QApplication::style())
            ->sizeFromContents(QStyle::CT_ItemViewItem, &measured, QSize(), widget);
    }

private:
    QTreeWidget& m_tree;
};

} // namespace

YearDetailsPane::YearDetailsPane(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("yearDetailsPane"));
    setAccessibleName(QString::fromUtf8(kYearDetailsName));
    setHeaderLabels(
        {QString::fromUtf8(ItemHeading()), QString::fromUtf8(AmountHeading(std::nullopt))});
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    // A line too long for the pane goes on over more lines, never cut short by "...".
    setWordWrap(true);
    setTextElideMode(Qt::ElideNone);
    setUniformRowHeights(false);
    setItemDelegate(new WrappingDelegate(*this));
    // The rows grow with their wrapped lines when the pane's width changes.
    connect(header(), &QHeaderView::sectionResized, this, [this] { scheduleDelayedItemsLayout(); });
}

void YearDetailsPane::paintEvent(QPaintEvent* event) {
    QTreeWidget::paintEvent(event);
    if (topLevelItemCount() > 0)
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    const bool calculated = m_pPlanDoc != nullptr && m_pPlanDoc->ShownResults().rowCount > 0;
    painter.drawText(
        viewport()->rect().adjusted(8, 8, -8, -8),
        Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
        QString::fromUtf8(calculated ? ChooseYearText() : YearDetailsNeedsCalculationText()));
}

void YearDetailsPane::OnInitialUpdate() {
    m_pPlanDoc = dynamic_cast<CTessalyDoc*>(GetDocument());
    ViewBase::OnInitialUpdate();
}

void YearDetailsPane::OnUpdate(ViewBase* /*sender*/, long /*hint*/) {
    ShowYear(std::nullopt);
}

void YearDetailsPane::SetMoneyDisplay(const MoneyDisplay& display) {
    m_display = &display;
    connect(&display, &MoneyDisplay::changed, this, [this] { ShowYear(m_year); });
}

void YearDetailsPane::ShowYear(std::optional<std::int32_t> year) {
    clear();
    m_year = year;
    const bool today = m_display != nullptr && m_display->ShowsTodaysMoney();
    headerItem()->setText(1, QString::fromUtf8(AmountHeading(
                                 today ? std::optional(m_display->CurrentYear()) : std::nullopt)));
    if (m_pPlanDoc == nullptr || !year)
        return;
    const std::optional<YearBreakdown> breakdown = Breakdown(*year);
    if (breakdown)
        Fill(*breakdown);
}

std::optional<YearBreakdown> YearDetailsPane::Breakdown(std::int32_t year) const {
    if (!m_pathOffsets)
        return m_pPlanDoc->BreakdownOfYear(year);
    // A path's years run from the plan's first, like the list's, and end where it ends.
    const std::int64_t row = std::int64_t{year} - m_pPlanDoc->ShownResults().firstYear;
    if (row < 0 || row >= ProjectionTable::kMaxRows)
        return std::nullopt;
    return ExplainYear(m_pPlanDoc->ShownPlan(), year, *m_pathOffsets);
}

void YearDetailsPane::ExplainPath(const std::optional<ReturnOffsets>& offsets,
                                  const QString& name) {
    m_pathOffsets = offsets;
    m_pathName = name;
    ShowYear(m_year);
}

void YearDetailsPane::Fill(const YearBreakdown& year) {
    ExplanationSettings settings;
    if (m_display != nullptr && m_display->ShowsTodaysMoney())
        settings.todaysMoney = TodaysMoneyBasis{m_display->Inflation(), m_display->CurrentYear()};
    if (m_pathOffsets) {
        const auto row = static_cast<std::size_t>(year.year - m_pPlanDoc->ShownResults().firstYear);
        settings.path = ExplainedPath{m_pathName.toStdString(), (*m_pathOffsets)[row]};
    }
    const ExplanationText text{
        [](float rate) {
            return QLocale().toString(static_cast<double>(rate), 'g', 6).toStdString();
        },
        [](std::int64_t value) { return AmountText(value).toStdString(); }};
    // The tree's parent of each depth: a line hangs under the last line one level up.
    std::array<QTreeWidgetItem*, 3> parents{};
    for (const ExplanationLine& line :
         ExplainYearLines(year, m_pPlanDoc->ShownPlan(), text, settings)) {
        QTreeWidgetItem* parent = line.depth == 0 ? nullptr : parents[line.depth - 1];
        auto* item = parent == nullptr ? new QTreeWidgetItem(this) : new QTreeWidgetItem(parent);
        item->setText(0, QString::fromStdString(line.label));
        item->setText(1, line.amount ? AmountText(*line.amount) : QString());
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        if (line.emphasised)
            Emphasise(*item);
        parents[line.depth] = item;
    }
    expandAll();
}

void YearDetailsPane::Emphasise(QTreeWidgetItem& item) {
    QFont bold = font();
    bold.setBold(true);
    item.setFont(0, bold);
    item.setToolTip(0, item.text(0));
    // A sentence is read whole: it spans both columns instead of being cut at the first.
    item.setFirstColumnSpanned(true);
}
