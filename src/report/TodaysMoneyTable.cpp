#include "report/TodaysMoneyTable.h"

#include "model/TodaysMoney.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace {

constexpr std::int64_t kLowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kHighest = std::numeric_limits<std::int32_t>::max();

} // namespace

std::int32_t ShownInTodaysMoney(std::int64_t amount, float inflation, std::int32_t year,
                                std::int32_t currentYear) {
    const auto bounded = static_cast<std::int32_t>(std::clamp(amount, kLowest, kHighest));
    if (const Money today = InTodaysMoney(bounded, inflation, year, currentYear))
        return *today;
    return static_cast<std::int32_t>(amount < 0 ? kLowest : kHighest);
}

ProjectionTable InTodaysMoney(const ProjectionTable& table, float inflation,
                              std::int32_t currentYear) {
    ProjectionTable shown = table;
    for (std::int32_t r = 0; r < shown.rowCount; ++r) {
        ProjectionRow& row = shown.rows[static_cast<std::size_t>(r)];
        for (std::int32_t* amount :
             {&row.income, &row.withdrawals, &row.totalAssets, &row.availableAssets})
            *amount = ShownInTodaysMoney(*amount, inflation, shown.firstYear + r, currentYear);
    }
    return shown;
}

std::vector<RiskYear> InTodaysMoney(std::vector<RiskYear> band, float inflation,
                                    std::int32_t currentYear) {
    for (RiskYear& year : band)
        for (std::optional<std::int32_t>* amount : {&year.p10, &year.p50, &year.p90})
            if (*amount)
                *amount = ShownInTodaysMoney(**amount, inflation, year.year, currentYear);
    return band;
}
