#pragma once

#include "model/Plan.h"
#include "model/ProjectionTable.h"
#include "model/Risk.h"
#include "model/Scenarios.h"
#include "platform/ViewBase.h"
#include "session/ComparisonAnswer.h"
#include "view/LatestRun.h"

#include <QWidget>

#include <cstddef>
#include <string>
#include <vector>

class CTessalyDoc;
class QLabel;
class QTableWidget;
class QVBoxLayout;
class RunProgress;

// Another plan file shown beside the open plan.
struct Scenario {
    // The file as opened, in UTF-8.
    std::string path;
    Plan plan;
    // Its own projection, drawn on the chart.
    ProjectionTable table;
};

// The Scenarios pane: the plan the list shows beside up to three other plan files, every one
// run on the same seeded paths as the Risk pane draws them: how long each plan's money lasts,
// its sustainable spending, the paths that last, and for each pair the paths where one lasts and
// the other runs out. The run goes off the interface thread and starts again whenever the plan,
// the scenarios or the risk inputs change; no plan and no file changes.
class ScenariosPane : public QWidget, public ViewBase {
    Q_OBJECT

public:
    explicit ScenariosPane(QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void OnUpdate(ViewBase* sender, long hint) override;

    // Adds the plan as a scenario; false, with nothing added, when three are shown already.
    bool AddScenario(const std::string& path, const Plan& plan);
    void RemoveScenario(std::size_t index);
    const std::vector<Scenario>& Scenarios() const { return m_scenarios; }
    // The names the open plan and the scenarios go by, in that order.
    std::vector<std::string> Names() const;
    // The paths are drawn as the Risk pane draws them.
    void SetRiskSettings(const RiskSettings& settings);
    // The finished comparison, while its plans and settings are those shown.
    const std::optional<ScenarioComparison>& Comparison() const { return m_comparison; }

signals:
    // A scenario was added or removed: the chart draws the ones there are.
    void scenariosChanged();
    // A finished comparison has been shown.
    void backgroundResultShown();

protected:
    // A hidden pane leaves its work until it shows.
    void showEvent(QShowEvent* event) override;
    // The figures' labels wrap to the width there is.
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowScenarioList();
    void Start();
    void ShowComparison(const ComparisonAnswer& answer);
    void FitFigures();
    void ClearResults();

    CTessalyDoc* m_pPlanDoc = nullptr;
    QLabel* m_intro = nullptr;
    QVBoxLayout* m_list = nullptr;
    RunProgress* m_progress = nullptr;
    QLabel* m_status = nullptr;
    QTableWidget* m_figures = nullptr;
    QLabel* m_pairs = nullptr;
    std::vector<Scenario> m_scenarios;
    RiskSettings m_settings;
    std::optional<ScenarioComparison> m_comparison;
    bool m_stale = true;
    LatestRun<ComparisonAnswer> m_run;
};
