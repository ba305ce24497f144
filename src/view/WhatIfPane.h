#pragma once

#include "model/ProjectionTable.h"
#include "model/WhatIf.h"
#include "platform/ViewBase.h"
#include "session/WhatIfAnswers.h"
#include "view/LatestRun.h"

#include <QWidget>

#include <cstdint>
#include <optional>

class CTessalyDoc;
class MoneyDisplay;
class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;
class QVBoxLayout;
class RunProgress;
class SensitivityGridView;

// The What If pane: the plan the list shows, with its expenses and returns moved by two
// sliders, projected again by the engine at every move; how long its money lasts; the largest
// spending that lasts to an age; the sensitivity grid; and the choice of showing amounts in
// today's money. It projects copies: the plan, its file and the list never change.
class WhatIfPane : public QWidget, public ViewBase {
    Q_OBJECT

public:
    explicit WhatIfPane(QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void OnUpdate(ViewBase* sender, long hint) override;

    // The pane's option edits the display; the pane shows its choice.
    void SetMoneyDisplay(MoneyDisplay& display);
    // The age the sustainable spending is worked out to, as the user sets it.
    void SetAge(std::int32_t age);
    std::int32_t Age() const;
    // Moves the sliders, as the user does.
    void MoveSliders(std::int32_t expensesPercent, std::int32_t returnPoints);
    // The variant's projection, when the sliders differ from the plan and the list shows it.
    const std::optional<ProjectionTable>& Variant() const { return m_variant; }
    // The plan the sliders make of the one the list shows; empty while its expenses cannot be
    // scaled or nothing is shown.
    std::optional<Plan> VariantPlan() const;
    // What the sliders say, for the name a kept variant is offered under.
    std::int32_t ExpensesPercent() const;
    std::int32_t ReturnPoints() const;

signals:
    void variantChanged();
    // The user asked to keep the variant as a scenario.
    void keepAsScenarioClicked();
    void ageChanged(int age);
    // A result worked out off the interface thread has been shown.
    void backgroundResultShown();

protected:
    // A hidden pane leaves its work until it shows.
    void showEvent(QShowEvent* event) override;

private:
    void AddSliders(QVBoxLayout& layout);
    void AddHorizon(QVBoxLayout& layout);
    void AddKeepAsScenario(QVBoxLayout& layout);
    void AddSustainableSpending(QVBoxLayout& layout);
    void AddGrid(QVBoxLayout& layout);
    void AddMoneyDisplay(QVBoxLayout& layout);
    void ConnectControls();
    void Refresh();
    QSlider* AddSlider(QSpinBox& box, const QString& name, int minimum, int maximum);
    void ProjectVariant();
    void StartSustainableSpending();
    void StartGrid();
    void ShowSustainableSpending(const SustainAnswer& answer);
    void ShowGrid(const std::optional<HorizonGrid>& grid);
    void ShowMoneyDisplay();
    void ChangeMoneyDisplay();
    bool HasProjection() const;
    // What the plan's check says instead of answers, for a plan with no first year.
    std::optional<QString> Unanswered() const;

    CTessalyDoc* m_pPlanDoc = nullptr;
    MoneyDisplay* m_display = nullptr;
    QSlider* m_expenses = nullptr;
    QSpinBox* m_expensesBox = nullptr;
    QSlider* m_returns = nullptr;
    QSpinBox* m_returnsBox = nullptr;
    QLabel* m_horizon = nullptr;
    QPushButton* m_keep = nullptr;
    QSpinBox* m_age = nullptr;
    QLabel* m_sustainable = nullptr;
    RunProgress* m_sustainableProgress = nullptr;
    SensitivityGridView* m_grid = nullptr;
    QCheckBox* m_todaysMoney = nullptr;
    QDoubleSpinBox* m_inflation = nullptr;
    std::optional<ProjectionTable> m_variant;
    // The plan the grid being worked out belongs to: its milestones colour the grid.
    Plan m_gridPlan;
    bool m_stale = true;
    LatestRun<SustainAnswer> m_sustainableRun;
    LatestRun<std::optional<HorizonGrid>> m_gridRun;
};
