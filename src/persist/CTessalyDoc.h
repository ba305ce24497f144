#pragma once

#include "model/Plan.h"
#include "model/ProjectionTable.h"
#include "model/YearBreakdown.h"
#include "platform/DocumentBase.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class UiServices;

// The plan document: the plan being edited and the results of its last
// projection. It tells the user of its own failures through the UI services.
class CTessalyDoc : public DocumentBase {
public:
    explicit CTessalyDoc(UiServices& ui);

    bool OnNewDocument() override;
    // Undoes a save of this file that a crash cut short when the file shows it safely can,
    // and tells the user about any backup left alone; then reads it.
    bool OnOpenDocument(const std::string& path) override;
    // Repairs a ".Orb" extension, then writes the file as WriteFileSafely does: never
    // where the user may not write, never losing the previous file.
    bool OnSaveDocument(const std::string& path) override;
    std::string PathWrittenFor(const std::string& chosen) const override;

    // Asked once a plan has been read from its file (path): it may put unsaved changes kept
    // from an earlier session in place of the plan, which then counts as modified, and says
    // whether it did.
    using RecoveryOffer = std::function<bool(const std::string& path, Plan& plan)>;
    void SetRecoveryOffer(RecoveryOffer offer);

    // Projects the plan into m_results and refreshes the views; tells the user
    // when memory ran out or the amounts left the 32-bit range.
    void Calculate();

    // The plan and the results of the last Calculate, as the list shows them: the chart,
    // the Year Details pane and the exports follow these. New and Open drop them, as the
    // list empties; a save keeps them, as the list keeps its rows on screen: a save empties
    // m_results but leaves its rows in place, and the rows shown are read from there.
    const Plan& ShownPlan() const { return m_shown.plan; }
    ProjectionTable ShownResults() const;
    // False when the last shown year's expenses could not all be paid.
    bool ShownLastRowCovered() const { return m_shown.lastRowCovered; }
    // The year that could not be calculated when the projection stopped at the 32-bit limit.
    std::optional<std::int32_t> ShownLimitYear() const { return m_shown.limitYear; }
    // How a shown year came about: the engine run again on the plan as it was when
    // calculated, so later edits do not show. Empty for a year that is not shown.
    std::optional<YearBreakdown> BreakdownOfYear(std::int32_t year) const;

    ProjectionTable m_results;
    Plan m_plan;
    bool m_bPlanReplaced = false;

private:
    // What the shown projection was made of beyond its rows, which stay in m_results.
    struct ShownProjection {
        Plan plan;
        std::int32_t rowCount = 0;
        bool lastRowCovered = true;
        std::optional<std::int32_t> limitYear;
    };

    UiServices& m_ui;
    ShownProjection m_shown;
    RecoveryOffer m_recoveryOffer;
};
