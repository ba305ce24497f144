#include "view/CTessalyView.h"

#include "dialogs/PlanEditors.h"
#include "persist/CTessalyDoc.h"
#include "platform/UiServices.h"
#include "report/ProjectionColumns.h"
#include "view/CalculatorSearch.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStringList>
#include <QTreeWidgetItem>

#include <array>
#include <cstddef>

namespace {

constexpr int kColumnWidth = 100;

QString EmptyListHint() {
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
    setAccessibleName(QStringLiteral("Projection"));
    for (int column = 0; column < columnCount(); ++column) {
        headerItem()->setTextAlignment(column, ColumnAlignment(column));
        setColumnWidth(column, kColumnWidth);
    }
    header()->setStretchLastSection(false);
    header()->setSectionsClickable(false);
    header()->setSectionsMovable(false);
    setSortingEnabled(false);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setObjectName(QStringLiteral("projectionList"));
    setAccessibleName(QStringLiteral("Projection"));
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

void CTessalyView::MarkModified() {
    m_pPlanDoc->SetModifiedFlag(true);
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
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, EmptyListHint());
}

void CTessalyView::keyPressEvent(QKeyEvent* event) {
    // Copy is a disabled command: the list must not copy a cell on its own.
    if (event->matches(QKeySequence::Copy)) {
        event->ignore();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}
