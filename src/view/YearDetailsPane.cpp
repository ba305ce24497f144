#include "view/YearDetailsPane.h"

#include "persist/CTessalyDoc.h"
#include "view/MoneyDisplay.h"

#include <QHeaderView>
#include <QLocale>
#include <QTreeWidgetItem>

#include <cstddef>
#include <string>

namespace {

QString Name(const std::string& bytes, const QString& fallback) {
    return bytes.empty() ? fallback : QString::fromStdString(bytes);
}

} // namespace

YearDetailsPane::YearDetailsPane(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("yearDetailsPane"));
    setAccessibleName(QStringLiteral("Year details"));
    setHeaderLabels({QStringLiteral("Item"), QStringLiteral("Amount")});
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    setUniformRowHeights(true);
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
    headerItem()->setText(1,
                          today ? QStringLiteral("Amount in %1 money").arg(m_display->CurrentYear())
                                : QStringLiteral("Amount"));
    if (m_pPlanDoc == nullptr || !year)
        return;
    if (const std::optional<YearBreakdown> breakdown = m_pPlanDoc->BreakdownOfYear(*year))
        Fill(*breakdown);
}

void YearDetailsPane::Fill(const YearBreakdown& year) {
    const QLocale locale;
    const auto shown = [&](std::int64_t amount) {
        return static_cast<qlonglong>(m_display == nullptr ? amount
                                                           : m_display->Shown(amount, year.year));
    };
    const auto add = [&](QTreeWidgetItem* parent, const QString& label,
                         std::optional<std::int64_t> amount = std::nullopt) {
        auto* item = parent == nullptr ? new QTreeWidgetItem(this) : new QTreeWidgetItem(parent);
        item->setText(0, label);
        if (amount)
            item->setText(1, locale.toString(shown(*amount)));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        return item;
    };
    const Plan& plan = m_pPlanDoc->ShownPlan();

    add(nullptr, QStringLiteral("Year %1").arg(year.year));
    QTreeWidgetItem* incomes = add(nullptr, QStringLiteral("Income items"), year.row.income);
    for (const IncomeBreakdown& income : year.incomes) {
        const IncomeItem& source = plan.incomes[static_cast<std::size_t>(income.item)];
        QTreeWidgetItem* item =
            add(incomes, Name(source.name, QStringLiteral("Income item %1").arg(income.item + 1)));
        add(item, QStringLiteral("Opening balance"), income.opening);
        if (income.initial != 0)
            add(item, QStringLiteral("Initial amount"), income.initial);
        if (income.annual != 0)
            add(item, QStringLiteral("Annual amount"), income.annual);
        add(item, QStringLiteral("Interest at %1 %").arg(income.interestRate), income.interest);
        if (source.taxable)
            add(item, QStringLiteral("Income tax"), -income.tax);
        add(item, QStringLiteral("Credited"), income.credited);
        add(item, QStringLiteral("Withdrawn"), -std::int64_t{income.withdrawn});
        add(item, QStringLiteral("Closing balance"), income.closing);
    }

    std::int64_t spent = 0;
    for (const ExpenseBreakdown& expense : year.expenses)
        spent += std::int64_t{expense.initial} + expense.annual;
    QTreeWidgetItem* expenses = add(nullptr, QStringLiteral("Expenses"), spent);
    for (const ExpenseBreakdown& expense : year.expenses) {
        if (expense.initial == 0 && expense.annual == 0)
            continue;
        const ExpenseItem& source = plan.expenses[static_cast<std::size_t>(expense.item)];
        QTreeWidgetItem* item = add(
            expenses, Name(source.name, QStringLiteral("Expense item %1").arg(expense.item + 1)));
        if (expense.initial != 0)
            add(item, QStringLiteral("Initial amount"), expense.initial);
        if (expense.annual != 0)
            add(item, QStringLiteral("Annual amount"), expense.annual);
    }

    QTreeWidgetItem* draws = add(nullptr, QStringLiteral("Withdrawals"), year.row.withdrawals);
    int order = 0;
    for (const DrawBreakdown& draw : year.draws) {
        const IncomeItem& source = plan.incomes[static_cast<std::size_t>(draw.item)];
        QTreeWidgetItem* item =
            add(draws, QStringLiteral("%1. %2").arg(++order).arg(
                           Name(source.name, QStringLiteral("Income item %1").arg(draw.item + 1))));
        add(item,
            draw.taxRate == 0 ? QStringLiteral("Gross")
                              : QStringLiteral("Gross at %1 % tax").arg(draw.taxRate),
            draw.gross);
        add(item, QStringLiteral("Taken"), draw.taken);
        add(item, QStringLiteral("Received"), draw.received);
    }

    add(nullptr,
        year.covered
            ? QStringLiteral("All expenses paid")
            : QStringLiteral("%1 could not be paid").arg(locale.toString(shown(year.unpaid))));
    expandAll();
}
