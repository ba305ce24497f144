#include "view/CTessalyView.h"

#include "dialogs/PlanEditors.h"
#include "persist/CTessalyDoc.h"
#include "platform/UiServices.h"
#include "report/ControlWords.h"
#include "report/PlanChecks.h"
#include "report/ProjectionColumns.h"
#include "view/CalculatorSearch.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStringList>
#include <QTreeWidgetItem>

#include <algorithm>
#include <array>
#include <climits>
#include <cstddef>

namespace {

constexpr int kColumnWidth = 100;
// What the list leaves of the screen's width to the panes beside it, the widest of them (What
// If, with its grid) and the window's frame; the rest it may keep for its columns.
constexpr int kRoomForPanes = 800;

// A plan that holds items needs only the projection; an empty one needs entering first.
QString EmptyListHint(const CTessalyDoc* document) {
    if (document != nullptr &&
        (!document->m_plan.incomes.empty() || !document->m_plan.expenses.empty()))
        return QStringLiteral("No projection yet.\nPress Calculate to project this plan.");
    return QStringLiteral("No projection yet.\nEnter the plan from the Edit menu, then choose "
                          "Edit > Calculate\nor the Calculate button to project it year by year.");
}

QStringList Headings() {
    QStringList headings;
    for (const std::string_view heading : kProjectionColumns)
        headings.append(QString::fromLatin1(heading));
    return headings;
}

// A report list keeps its leftmost column left-aligned; the amounts line up on the right.
Qt::Alignment ColumnAlignment(int column) {
    return (column == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
}

} // namespace

CTessalyView::CTessalyView(UiServices& ui, QWidget* parent) : QTreeWidget(parent), m_ui(ui) {
    setHeaderLabels(Headings());
    setAccessibleName(QString::fromUtf8(kProjectionName));
    for (int column = 0; column < columnCount(); ++column)
        headerItem()->setTextAlignment(column, ColumnAlignment(column));
    FitColumnsToHeadings();
    header()->setStretchLastSection(false);
    header()->setSectionsClickable(false);
    header()->setSectionsMovable(false);
    setSortingEnabled(false);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setObjectName(QStringLiteral("projectionList"));
    // The selection changes before the current row follows it: each tells, once per change.
    connect(this, &QTreeWidget::itemSelectionChanged, this, &CTessalyView::TellSelectedYear);
    connect(this, &QTreeWidget::currentItemChanged, this, &CTessalyView::TellSelectedYear);
}

void CTessalyView::OnInitialUpdate() {
    m_pPlanDoc = dynamic_cast<CTessalyDoc*>(GetDocument());
    m_nExpenseIndex = 0;
    m_nIncomeIndex = 0;
    ViewBase::OnInitialUpdate();
}

void CTessalyView::OnUpdate(ViewBase* /*sender*/, long /*hint*/) {
    clear();
    if (m_pPlanDoc == nullptr)
        return;
    const ProjectionTable& results = m_pPlanDoc->m_results;
    for (std::int32_t index = 0; index < results.rowCount; ++index) {
        const ProjectionRow& row = results.rows[static_cast<std::size_t>(index)];
        AddProjectionRow(results.firstYear + index, row.income, row.totalAssets,
                         row.availableAssets, row.withdrawals);
    }
    emit rowsReplaced();
}

QSize CTessalyView::minimumSizeHint() const {
    QSize hint = QTreeWidget::minimumSizeHint();
    int columns = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < columnCount(); ++column)
        columns += columnWidth(column);
    const QScreen* shown = screen();
    const int room =
        shown == nullptr ? columns : shown->availableGeometry().width() - kRoomForPanes;
    hint.setWidth(std::max(hint.width(), std::min(columns, room)));
    return hint;
}

void CTessalyView::AddProjectionRow(std::int32_t year, std::int32_t income,
                                    std::int32_t totalAssets, std::int32_t availableAssets,
                                    std::int32_t withdrawals) {
    auto* item = new QTreeWidgetItem(this);
    const std::array<std::int32_t, 5> cells = {year, income, totalAssets, availableAssets,
                                               withdrawals};
    for (int column = 0; column < columnCount(); ++column) {
        item->setText(column, QString::number(cells.at(static_cast<std::size_t>(column))));
        item->setTextAlignment(column, ColumnAlignment(column));
    }
    item->setData(0, Qt::UserRole, year);
}

std::optional<std::int32_t> CTessalyView::SelectedYear() const {
    const QTreeWidgetItem* row = currentItem();
    if (row == nullptr || !row->isSelected()) {
        const QList<QTreeWidgetItem*> selected = selectedItems();
        if (selected.isEmpty())
            return std::nullopt;
        row = selected.constFirst();
    }
    return row->data(0, Qt::UserRole).toInt();
}

void CTessalyView::TellSelectedYear() {
    const std::optional<std::int32_t> year = SelectedYear();
    if (year == m_toldYear)
        return;
    m_toldYear = year;
    emit selectedYearChanged(year);
}

void CTessalyView::SelectYear(std::int32_t year) {
    if (topLevelItemCount() == 0)
        return;
    const std::int64_t index = std::int64_t{year} - topLevelItem(0)->data(0, Qt::UserRole).toInt();
    if (index < 0 || index >= topLevelItemCount())
        return;
    QTreeWidgetItem* row = topLevelItem(static_cast<int>(index));
    setCurrentItem(row);
    scrollToItem(row);
}

void CTessalyView::OnCalculate() {
    if (m_pPlanDoc != nullptr)
        m_pPlanDoc->Calculate();
}

void CTessalyView::OnEditGeneralData() {
    if (m_pPlanDoc != nullptr && EditGeneralData(this, m_pPlanDoc->m_plan, m_ui))
        MarkModified();
}

void CTessalyView::OnEditIncome() {
    if (m_pPlanDoc != nullptr &&
        EditIncome(this, m_pPlanDoc->m_plan, m_pPlanDoc->m_bPlanReplaced, m_nIncomeIndex, m_ui))
        MarkModified();
}

void CTessalyView::OnEditExpenses() {
    if (m_pPlanDoc != nullptr &&
        EditExpenses(this, m_pPlanDoc->m_plan, m_pPlanDoc->m_bPlanReplaced, m_nExpenseIndex, m_ui))
        MarkModified();
}

void CTessalyView::OnFixProblem(const PlanProblem& problem) {
    if (m_pPlanDoc == nullptr)
        return;
    const QString field = QString::fromStdString(problem.field);
    Plan& plan = m_pPlanDoc->m_plan;
    if (problem.part == PlanPart::GeneralData) {
        if (EditGeneralData(this, plan, m_ui, RunModal, field))
            MarkModified();
        return;
    }
    const bool income = problem.part == PlanPart::Income;
    std::int32_t& index = income ? m_nIncomeIndex : m_nExpenseIndex;
    index = static_cast<std::int32_t>(
        std::min<std::size_t>(problem.item.value_or(0), static_cast<std::size_t>(INT32_MAX)));
    // The item was chosen here: New or Open must not send the dialog back to the first one.
    m_pPlanDoc->m_bPlanReplaced = false;
    const bool changed =
        income
            ? EditIncome(this, plan, m_pPlanDoc->m_bPlanReplaced, index, m_ui, RunModal, field)
            : EditExpenses(this, plan, m_pPlanDoc->m_bPlanReplaced, index, m_ui, RunModal, field);
    if (changed)
        MarkModified();
}

void CTessalyView::MarkModified() {
    m_pPlanDoc->SetModifiedFlag(true);
    emit planEdited();
}

void CTessalyView::OnRunCalculator() {
    const QString calculator = FindCalculator(qEnvironmentVariable("PATH"));
    if (!calculator.isEmpty())
        m_ui.StartDetached(calculator.toStdString(), {});
}

void CTessalyView::paintEvent(QPaintEvent* event) {
    QTreeWidget::paintEvent(event);
    if (topLevelItemCount() > 0)
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    painter.drawText(viewport()->rect().adjusted(8, 8, -8, -8),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, EmptyListHint(m_pPlanDoc));
}

void CTessalyView::FitColumnsToHeadings() {
    for (int column = 0; column < columnCount(); ++column)
        setColumnWidth(column, std::max(kColumnWidth, header()->sectionSizeHint(column)));
    updateGeometry();
}

void CTessalyView::changeEvent(QEvent* event) {
    QTreeWidget::changeEvent(event);
    // A larger font or another style must not cut a heading short.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        FitColumnsToHeadings();
}

void CTessalyView::keyPressEvent(QKeyEvent* event) {
    // Copy is a disabled command: the list must not copy a cell on its own.
    if (event->matches(QKeySequence::Copy)) {
        event->ignore();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}
