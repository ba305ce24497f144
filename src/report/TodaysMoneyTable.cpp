#include "report/TodaysMoneyTable.h"

#include "model/TodaysMoney.h"

#include <cstddef>
#include <limits>

ProjectionTable InTodaysMoney(const ProjectionTable& table, float inflation,
                              std::int32_t currentYear) {
    ProjectionTable shown = table;
    for (std::int32_t r = 0; r < shown.rowCount; ++r) {
        ProjectionRow& row = shown.rows[static_cast<std::size_t>(r)];
        for (std::int32_t* amount :
             {&row.income, &row.withdrawals, &row.totalAssets, &row.availableAssets}) {
            const Money today = InTodaysMoney(*amount, inflation, shown.firstYear + r, currentYear);
            if (today)
                *amount = *today;
            else
                *amount = *amount < 0 ? std::numeric_limits<std::int32_t>::min()
                                      : std::numeric_limits<std::int32_t>::max();
        }
    }
    return shown;
}
