#include "report/ShownYear.h"

#include "model/TodaysMoney.h"
#include "report/TodaysMoneyTable.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <numeric>

namespace {

constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
constexpr double kHighest = std::numeric_limits<std::int32_t>::max();

// How amounts of the year become shown ones: exactly, for the parts to be apportioned, and
// rounded as the table rounds, for a figure converted once.
class Conversion {
public:
    Conversion(std::int32_t year, const std::optional<TodaysMoneyBasis>& basis)
        : m_year(year), m_basis(basis),
          m_factor(basis ? TodaysMoneyFactor(basis->inflation, year, basis->currentYear) : 1.0) {}

    // Bounded as the table bounds what it shows, so that sums of parts stay far inside 64 bits.
    double Exact(std::int64_t amount) const {
        if (amount == 0)
            return 0;
        const double value = static_cast<double>(amount) * m_factor;
        if (std::isnan(value))
            return 0;
        return std::clamp(value, kLowest, kHighest);
    }

    std::int64_t Rounded(std::int64_t amount) const {
        if (!m_basis)
            return amount;
        return ShownInTodaysMoney(amount, m_basis->inflation, m_year, m_basis->currentYear);
    }

private:
    std::int32_t m_year;
    std::optional<TodaysMoneyBasis> m_basis;
    double m_factor;
};

std::int64_t Sum(const std::vector<std::int64_t>& parts) {
    return std::accumulate(parts.begin(), parts.end(), std::int64_t{0});
}

void ShowCredits(const YearBreakdown& year, const Conversion& money, ShownYear& shown) {
    std::vector<double> credits;
    credits.reserve(year.incomes.size());
    for (const IncomeBreakdown& income : year.incomes)
        credits.push_back(money.Exact(income.credited));
    const std::vector<std::int64_t> credited = Apportion(shown.income, credits);
    for (std::size_t i = 0; i < year.incomes.size(); ++i) {
        const IncomeBreakdown& income = year.incomes[i];
        const std::vector<std::int64_t> parts =
            Apportion(credited[i], {money.Exact(income.initial), money.Exact(income.annual),
                                    money.Exact(income.interest), money.Exact(-income.tax)});
        ShownIncome& item = shown.incomes[i];
        item.credited = credited[i];
        item.initial = parts[0];
        item.annual = parts[1];
        item.interest = parts[2];
        item.tax = -parts[3];
    }
}

// Total Assets splits into Available Assets and the rest, each shared among its items.
void ShowBalances(const YearBreakdown& year, const Plan& plan, const Conversion& money,
                  ShownYear& shown) {
    std::vector<std::size_t> groups[2];
    std::vector<double> exact[2];
    for (std::size_t i = 0; i < year.incomes.size(); ++i) {
        const IncomeBreakdown& income = year.incomes[i];
        const bool open =
            OpenForWithdrawal(plan.incomes[static_cast<std::size_t>(income.item)], year.year);
        groups[open ? 0 : 1].push_back(i);
        exact[open ? 0 : 1].push_back(money.Exact(std::int64_t{income.opening} + income.credited));
    }
    const std::int64_t totals[2] = {shown.availableAssets,
                                    shown.totalAssets - shown.availableAssets};
    for (int g = 0; g < 2; ++g) {
        const std::vector<std::int64_t> balances = Apportion(totals[g], exact[g]);
        for (std::size_t k = 0; k < balances.size(); ++k) {
            ShownIncome& item = shown.incomes[groups[g][k]];
            item.balance = balances[k];
            item.opening = item.balance - item.credited;
        }
    }
}

// Withdrawals is minus the expenses and the tax withheld; what was taken is what arrived and
// was withheld, and what arrived paid the expenses, but for what stayed unpaid or, the last
// draw rounded up, arrived beyond them.
void ShowPayments(const YearBreakdown& year, const Conversion& money, ShownYear& shown) {
    std::int64_t spent = 0;
    std::vector<double> expenseParts;
    expenseParts.reserve(2 * year.expenses.size());
    for (const ExpenseBreakdown& expense : year.expenses) {
        spent += std::int64_t{expense.initial} + expense.annual;
        expenseParts.push_back(money.Exact(expense.initial));
        expenseParts.push_back(money.Exact(expense.annual));
    }
    std::int64_t withheld = 0;
    std::int64_t received = 0;
    std::vector<double> withheldParts;
    std::vector<double> takenParts;
    for (const DrawBreakdown& draw : year.draws) {
        withheld += draw.Withheld();
        received += draw.received;
        withheldParts.push_back(money.Exact(draw.Withheld()));
        takenParts.push_back(money.Exact(draw.taken));
    }
    const std::vector<std::int64_t> split =
        Apportion(-shown.withdrawals, {money.Exact(spent), money.Exact(withheld)});
    shown.spent = split[0];
    shown.withheld = split[1];
    const std::vector<std::int64_t> expenses = Apportion(shown.spent, expenseParts);
    for (std::size_t e = 0; e < year.expenses.size(); ++e)
        shown.expenses[e] = {expenses[2 * e], expenses[2 * e + 1]};

    const std::vector<std::int64_t> withheldShown = Apportion(shown.withheld, withheldParts);
    const std::int64_t takenTotal = shown.spent + shown.withheld + money.Rounded(received - spent);
    const std::vector<std::int64_t> taken = Apportion(takenTotal, takenParts);
    std::int64_t receivedShown = 0;
    for (std::size_t d = 0; d < year.draws.size(); ++d) {
        const DrawBreakdown& draw = year.draws[d];
        ShownDraw& item = shown.draws[d];
        item.taken = taken[d];
        item.withheld = withheldShown[d];
        item.received = item.taken - item.withheld;
        item.gross = draw.gross == draw.taken ? item.taken : money.Rounded(draw.gross);
        receivedShown += item.received;
        shown.incomes[static_cast<std::size_t>(draw.item)].withdrawn += item.taken;
    }
    shown.unpaid = year.covered ? 0 : shown.spent - receivedShown;
}

} // namespace

bool OpenForWithdrawal(const IncomeItem& item, std::int32_t year) {
    return year >= item.withdrawalStart.GetYear();
}

std::vector<std::int64_t> Apportion(std::int64_t total, const std::vector<double>& exact) {
    std::vector<std::int64_t> parts(exact.size());
    if (parts.empty())
        return parts;
    std::vector<double> fractions(exact.size());
    for (std::size_t i = 0; i < exact.size(); ++i) {
        const double whole = std::floor(exact[i]);
        parts[i] = static_cast<std::int64_t>(whole);
        fractions[i] = exact[i] - whole;
    }
    const std::int64_t missing = total - Sum(parts);
    if (missing >= 0 && static_cast<std::size_t>(missing) <= parts.size()) {
        std::vector<std::size_t> order(parts.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::stable_sort(order.begin(), order.end(), [&fractions](std::size_t a, std::size_t b) {
            return fractions[a] > fractions[b];
        });
        for (std::int64_t k = 0; k < missing; ++k)
            ++parts[order[static_cast<std::size_t>(k)]];
        return parts;
    }
    const auto largest = std::max_element(
        exact.begin(), exact.end(), [](double a, double b) { return std::fabs(a) < std::fabs(b); });
    parts[static_cast<std::size_t>(largest - exact.begin())] += missing;
    return parts;
}

ShownYear ShowYear(const YearBreakdown& year, const Plan& plan,
                   const std::optional<TodaysMoneyBasis>& todaysMoney) {
    const Conversion money(year.year, todaysMoney);
    ShownYear shown;
    shown.income = money.Rounded(year.row.income);
    shown.totalAssets = money.Rounded(year.row.totalAssets);
    shown.availableAssets = money.Rounded(year.row.availableAssets);
    shown.withdrawals = money.Rounded(year.row.withdrawals);
    shown.incomes.resize(year.incomes.size());
    shown.expenses.resize(year.expenses.size());
    shown.draws.resize(year.draws.size());
    ShowCredits(year, money, shown);
    ShowBalances(year, plan, money, shown);
    ShowPayments(year, money, shown);
    for (ShownIncome& item : shown.incomes)
        item.closing = item.balance - item.withdrawn;
    return shown;
}
