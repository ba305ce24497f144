#pragma once

#include "model/Goal.h"
#include "model/ProjectionTable.h"
#include "model/Risk.h"
#include "platform/ViewBase.h"
#include "session/GoalAnswers.h"
#include "session/RiskAnswers.h"
#include "view/LatestRun.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <vector>

class CTessalyDoc;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QVBoxLayout;
class RunProgress;

// One path of the risk run, drawn on the chart and explained by Year Details.
struct ShownRiskPath {
    // "worst path, no. 37"
    QString name;
    ReturnOffsets offsets{};
    ProjectionTable table;
};

// The answers of one run of the pane: the risk run and, over the same paths, the goal.
struct RiskPaneRun {
    RiskRunAnswer risk;
    GoalRunAnswer goal;
};

// The Risk pane: the plan the list shows, projected along many seeded paths whose returns
// vary year by year; the chance its money lasts to an age, the band of Total Assets between
// the 10th and 90th percentile, the worst and median path to open, and what can be spent at a
// chosen confidence with how long the money lasts. The run goes off the
// interface thread and starts again whenever an input or the plan changes; the plan and its
// file never change.
class RiskPane : public QWidget, public ViewBase {
    Q_OBJECT

public:
    explicit RiskPane(QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void OnUpdate(ViewBase* sender, long hint) override;

    // The percentiles of the finished run; none while it runs or without a projection.
    const std::vector<RiskYear>& Band() const;
    const std::optional<ShownRiskPath>& Path() const { return m_path; }
    // The finished run's summary, while its inputs and plan are those shown.
    const std::optional<RiskSummary>& Summary() const { return m_summary; }
    // The finished goal at the confidence shown, while its inputs and plan are those shown.
    const std::optional<GoalAnswer>& Goal() const { return m_goal; }
    // The plan the list shows at the spending found; empty without one.
    std::optional<Plan> GoalPlan() const;
    // Sets the confidence, as the user does; a change starts a new run.
    void SetConfidence(std::int32_t confidence);
    // Sets the inputs, as the user does; a change starts a new run. Values out of the controls'
    // ranges are brought to the nearest end; a number of paths not offered is left as it is.
    void SetInputs(const RiskSettings& inputs);
    // The inputs as set; none while the seed is not a number.
    std::optional<RiskSettings> Inputs() const;

signals:
    // The band or the path shown changed.
    void riskChanged();
    // The user changed an input.
    void inputsChanged();
    // A finished run has been shown.
    void backgroundResultShown();
    // The user asked to keep the plan at the spending found as a scenario.
    void keepGoalAsScenarioClicked();

protected:
    // A hidden pane leaves its work until it shows.
    void showEvent(QShowEvent* event) override;

private:
    void AddInputs(QVBoxLayout& layout);
    void AddAnswer(QVBoxLayout& layout);
    void Start();
    void Cancel();
    void AddGoal(QVBoxLayout& layout);
    void ShowRun(const RiskPaneRun& run);
    void ApplyGoal();
    void ShowPath(bool worst);
    void ClearResults();

    CTessalyDoc* m_pPlanDoc = nullptr;
    QSlider* m_spread = nullptr;
    QSpinBox* m_spreadBox = nullptr;
    QComboBox* m_paths = nullptr;
    QLineEdit* m_seed = nullptr;
    QSpinBox* m_age = nullptr;
    RunProgress* m_progress = nullptr;
    QLabel* m_answer = nullptr;
    QPushButton* m_worst = nullptr;
    QPushButton* m_median = nullptr;
    QPushButton* m_runAgain = nullptr;
    QSpinBox* m_confidence = nullptr;
    QLabel* m_goalSpending = nullptr;
    QLabel* m_goalLasts = nullptr;
    QPushButton* m_applyGoal = nullptr;
    QPushButton* m_keepGoal = nullptr;
    // The finished run's summary, while its inputs and plan are those shown.
    std::optional<RiskSummary> m_summary;
    std::optional<GoalAnswer> m_goal;
    std::optional<ShownRiskPath> m_path;
    bool m_stale = true;
    LatestRun<RiskPaneRun> m_run;
};
