#include "view/WhatIfPane.h"

#include "model/Plan.h"
#include "model/Projection.h"
#include "model/TodaysMoney.h"
#include "model/WhatIf.h"
#include "persist/CTessalyDoc.h"
#include "report/ControlWords.h"
#include "report/WhatIfText.h"
#include "report/WorkingText.h"
#include "view/MoneyDisplay.h"
#include "view/PointsSpinBox.h"
#include "view/RunProgress.h"
#include "view/SensitivityGridView.h"
#include "view/SliderWithBox.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr std::int32_t kPlanExpenses = 100;
constexpr std::int32_t kPlanReturns = 0;

} // namespace

WhatIfPane::WhatIfPane(QWidget* parent)
    : QWidget(parent), m_sustainableRun(*this,
                                        [this](const SustainAnswer& answer) {
                                            ShowSustainableSpending(answer);
                                            emit backgroundResultShown();
                                        }),
      m_gridRun(*this, [this](const std::optional<HorizonGrid>& grid) {
          ShowGrid(grid);
          emit backgroundResultShown();
      }) {
    setObjectName(QStringLiteral("whatIfPane"));
    setAccessibleName(QStringLiteral("What If"));
    auto* layout = new QVBoxLayout(this);
    AddSliders(*layout);
    AddHorizon(*layout);
    AddKeepAsScenario(*layout);
    AddSustainableSpending(*layout);
    AddGrid(*layout);
    AddMoneyDisplay(*layout);
    layout->addStretch();
    ConnectControls();
}

void WhatIfPane::AddSliders(QVBoxLayout& layout) {
    auto* sliders = new QFormLayout;
    // In a narrow pane a label goes above its control rather than squeeze it.
    sliders->setRowWrapPolicy(QFormLayout::WrapLongRows);
    m_expensesBox = new QSpinBox(this);
    m_expensesBox->setSuffix(QStringLiteral(" %"));
    m_expenses = AddSlider(*m_expensesBox, QStringLiteral("Expenses"), kMinWhatIfExpenses,
                           kMaxWhatIfExpenses);
    m_returnsBox = new PointsSpinBox(this);
    m_returns =
        AddSlider(*m_returnsBox, QStringLiteral("Returns"), -kMaxWhatIfReturns, kMaxWhatIfReturns);
    m_expenses->setValue(kPlanExpenses);
    m_returns->setValue(kPlanReturns);
    for (QWidget* expenses :
         {static_cast<QWidget*>(m_expenses), static_cast<QWidget*>(m_expensesBox)})
        expenses->setToolTip(QStringLiteral("Every expense item at this percent of its planned "
                                            "amounts"));
    for (QWidget* returns : {static_cast<QWidget*>(m_returns), static_cast<QWidget*>(m_returnsBox)})
        returns->setToolTip(QStringLiteral("Every income item's interest rates moved by these "
                                           "points"));
    const auto addRow = [this, sliders](const QString& label, QSlider* slider, QSpinBox* box) {
        auto* line = new QHBoxLayout;
        line->addWidget(slider, 1);
        line->addWidget(box);
        auto* name = new QLabel(label, this);
        name->setBuddy(slider);
        sliders->addRow(name, line);
    };
    addRow(QStringLiteral("E&xpenses:"), m_expenses, m_expensesBox);
    addRow(QStringLiteral("&Returns:"), m_returns, m_returnsBox);
    layout.addLayout(sliders);
}

void WhatIfPane::AddHorizon(QVBoxLayout& layout) {
    m_horizon = new QLabel(this);
    m_horizon->setObjectName(QStringLiteral("whatIfHorizon"));
    m_horizon->setAccessibleName(QStringLiteral("How long the money lasts"));
    m_horizon->setWordWrap(true);
    // A text to read and copy, not to Tab through.
    m_horizon->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout.addWidget(m_horizon);
}

void WhatIfPane::AddKeepAsScenario(QVBoxLayout& layout) {
    m_keep = new QPushButton(QStringLiteral("&Keep as Scenario..."), this);
    m_keep->setObjectName(QStringLiteral("whatIfKeepAsScenario"));
    m_keep->setToolTip(QStringLiteral("Save this variant as a plan file of its own and compare it "
                                      "with the plan in the Scenarios pane"));
    m_keep->setEnabled(false);
    connect(m_keep, &QPushButton::clicked, this, &WhatIfPane::keepAsScenarioClicked);
    auto* line = new QHBoxLayout;
    line->addWidget(m_keep);
    line->addStretch();
    layout.addLayout(line);
}

std::optional<Plan> WhatIfPane::VariantPlan() const {
    if (!HasProjection())
        return std::nullopt;
    return PlanVariant(m_pPlanDoc->ShownPlan(), ExpensesPercent(), ReturnPoints());
}

std::int32_t WhatIfPane::ExpensesPercent() const {
    return m_expenses->value();
}

std::int32_t WhatIfPane::ReturnPoints() const {
    return m_returns->value();
}

void WhatIfPane::AddSustainableSpending(QVBoxLayout& layout) {
    auto* sustainable = new QHBoxLayout;
    auto* ageLabel = new QLabel(QStringLiteral("Sustainable spending to &age"), this);
    m_age = new QSpinBox(this);
    m_age->setObjectName(QStringLiteral("whatIfAge"));
    m_age->setAccessibleName(QString::fromUtf8(kSustainAgeName));
    m_age->setToolTip(QStringLiteral("The largest spending, in percent of the planned expenses, "
                                     "whose money lasts to this age; the grid's colours use it "
                                     "too"));
    m_age->setRange(0, kMaxUntilAge);
    m_age->setValue(kDefaultUntilAge);
    ageLabel->setBuddy(m_age);
    m_sustainable = new QLabel(this);
    m_sustainable->setObjectName(QStringLiteral("whatIfSustainable"));
    m_sustainable->setAccessibleName(QStringLiteral("Sustainable spending"));
    m_sustainable->setWordWrap(true);
    sustainable->addWidget(ageLabel);
    sustainable->addWidget(m_age);
    sustainable->addWidget(m_sustainable, 1);
    layout.addLayout(sustainable);
    // A plan of many items takes long to search: the user sees how far it is and may stop it.
    m_sustainableProgress = new RunProgress(QStringLiteral("Spendings tried"), this);
    m_sustainableProgress->setObjectName(QStringLiteral("whatIfSustainableProgress"));
    layout.addWidget(m_sustainableProgress);
    connect(m_sustainableProgress, &RunProgress::cancelClicked, this, [this] {
        m_sustainableRun.Cancel();
        m_sustainableProgress->End();
        m_sustainable->setText(QString::fromUtf8(SustainCancelledText()));
    });
}

void WhatIfPane::AddGrid(QVBoxLayout& layout) {
    auto* gridTitle = new QLabel(QString::fromUtf8(GridTitle()), this);
    gridTitle->setWordWrap(true);
    layout.addWidget(gridTitle);
    m_grid = new SensitivityGridView(this);
    m_grid->setToolTip(QStringLiteral("Click a cell, or move to it with the arrow keys and press "
                                      "Enter, to set the sliders to it"));
    layout.addWidget(m_grid);
}

void WhatIfPane::AddMoneyDisplay(QVBoxLayout& layout) {
    // The rate under the choice, not beside it: the pane stays narrow enough for a small screen.
    auto* money = new QVBoxLayout;
    m_todaysMoney = new QCheckBox(QStringLiteral("Show amounts in &today's money at"), this);
    m_todaysMoney->setObjectName(QStringLiteral("todaysMoney"));
    m_todaysMoney->setAccessibleName(QStringLiteral("Show amounts in today's money"));
    // The list keeps the projected amounts of the plan, as its file and the CSV do.
    m_todaysMoney->setToolTip(QString::fromUtf8(kTodaysMoneyTip));
    m_inflation = new QDoubleSpinBox(this);
    m_inflation->setObjectName(QStringLiteral("inflation"));
    m_inflation->setAccessibleName(QString::fromUtf8(kInflationName));
    m_inflation->setToolTip(QString::fromUtf8(kInflationTip));
    m_inflation->setRange(0.0, kMaxShownInflation);
    m_inflation->setDecimals(1);
    m_inflation->setSingleStep(0.1);
    m_inflation->setSuffix(QStringLiteral(" % inflation"));
    money->addWidget(m_todaysMoney);
    money->addWidget(m_inflation, 0, Qt::AlignLeft);
    layout.addLayout(money);
}

void WhatIfPane::ConnectControls() {
    connect(m_expenses, &QSlider::valueChanged, this, &WhatIfPane::ProjectVariant);
    connect(m_returns, &QSlider::valueChanged, this, [this] {
        ProjectVariant();
        StartSustainableSpending();
    });
    connect(m_age, &QSpinBox::valueChanged, this, [this](int age) {
        m_grid->SetAge(age);
        StartSustainableSpending();
    });
    connect(m_age, &QSpinBox::valueChanged, this, &WhatIfPane::ageChanged);
    connect(m_grid, &SensitivityGridView::variantChosen, this, &WhatIfPane::MoveSliders);
    connect(m_todaysMoney, &QCheckBox::toggled, this, &WhatIfPane::ChangeMoneyDisplay);
    connect(m_inflation, &QDoubleSpinBox::valueChanged, this, &WhatIfPane::ChangeMoneyDisplay);
}

QSlider* WhatIfPane::AddSlider(QSpinBox& box, const QString& name, int minimum, int maximum) {
    QSlider* slider = SliderWithBox(box, name, minimum, maximum, maximum > 10 ? 10 : 1, this);
    slider->setObjectName(QStringLiteral("whatIf%1Slider").arg(name));
    box.setObjectName(QStringLiteral("whatIf%1Box").arg(name));
    return slider;
}

void WhatIfPane::OnInitialUpdate() {
    m_pPlanDoc = dynamic_cast<CTessalyDoc*>(GetDocument());
    ViewBase::OnInitialUpdate();
}

void WhatIfPane::OnUpdate(ViewBase* /*sender*/, long /*hint*/) {
    m_stale = true;
    if (isVisible())
        Refresh();
}

void WhatIfPane::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_stale)
        Refresh();
}

void WhatIfPane::Refresh() {
    m_stale = false;
    ProjectVariant();
    StartSustainableSpending();
    StartGrid();
}

bool WhatIfPane::HasProjection() const {
    return m_pPlanDoc != nullptr && m_pPlanDoc->ShownResults().rowCount > 0;
}

std::optional<QString> WhatIfPane::Unanswered() const {
    const std::optional<Verdict> verdict = PlanVerdict(m_pPlanDoc->ShownPlan(), std::nullopt);
    return verdict ? std::optional(QString::fromUtf8(verdict->sentence)) : std::nullopt;
}

void WhatIfPane::MoveSliders(std::int32_t expensesPercent, std::int32_t returnPoints) {
    m_expenses->setValue(expensesPercent);
    m_returns->setValue(returnPoints);
}

void WhatIfPane::ProjectVariant() {
    const std::int32_t expenses = m_expenses->value();
    const std::int32_t returns = m_returns->value();
    m_grid->MarkVariant(expenses, returns);
    m_variant.reset();
    m_keep->setEnabled(HasProjection());
    if (!HasProjection()) {
        m_horizon->setText(QString::fromUtf8(WhatIfNeedsCalculationText()));
        emit variantChanged();
        return;
    }
    if (const std::optional<QString> unanswered = Unanswered()) {
        m_horizon->setText(*unanswered);
        emit variantChanged();
        return;
    }
    const Plan& plan = m_pPlanDoc->ShownPlan();
    const std::int32_t firstYear = m_pPlanDoc->ShownResults().firstYear;
    const std::optional<Plan> variant = PlanVariant(plan, expenses, returns);
    ProjectionTable table;
    const std::optional<Reach> reach = ProjectReach(variant, firstYear, table);
    if (!reach) {
        m_horizon->setText(QString::fromUtf8(VariantNoMemoryText()));
        emit variantChanged();
        return;
    }
    m_horizon->setText(QString::fromUtf8(HorizonSentence(*reach, plan, firstYear)));
    if (variant && (expenses != kPlanExpenses || returns != kPlanReturns))
        m_variant = table;
    emit variantChanged();
}

void WhatIfPane::StartSustainableSpending() {
    // A plan with no first year is said of once, by the horizon above.
    const bool answered = HasProjection() && !Unanswered();
    const std::optional<Verdict> verdict =
        answered ? PlanVerdict(m_pPlanDoc->ShownPlan(), m_age->value()) : std::nullopt;
    if (!answered || verdict) {
        m_sustainableRun.Cancel();
        m_sustainableProgress->End();
        m_sustainable->setText(verdict ? QString::fromUtf8(verdict->sentence) : QString());
        return;
    }
    m_sustainable->setText(QString::fromUtf8(WorkingText()));
    m_sustainableRun.Start(
        [plan = ReturnsMovedBy(m_pPlanDoc->ShownPlan(), m_returns->value()), age = m_age->value(),
         progress = m_sustainableProgress->Begin(kSpendingsToTry)](StopToken stop) {
            return AskSustainableSpending(plan, age, stop, progress, 0);
        });
}

void WhatIfPane::ShowSustainableSpending(const SustainAnswer& answer) {
    m_sustainableProgress->End();
    m_sustainable->setText(
        QString::fromUtf8(SustainableSentence(answer.spending, m_returns->value())));
}

void WhatIfPane::StartGrid() {
    if (!HasProjection()) {
        m_gridRun.Cancel();
        m_grid->ShowGrid(std::nullopt, QString::fromUtf8(GridNeedsCalculationText()));
        return;
    }
    if (const std::optional<QString> unanswered = Unanswered()) {
        m_gridRun.Cancel();
        m_grid->ShowGrid(std::nullopt, *unanswered);
        return;
    }
    m_grid->ShowGrid(std::nullopt, QStringLiteral("Working out the grid..."));
    m_gridPlan = m_pPlanDoc->ShownPlan();
    m_gridRun.Start(
        [plan = m_pPlanDoc->ShownPlan()](StopToken stop) { return SensitivityGrid(plan, stop); });
}

void WhatIfPane::ShowGrid(const std::optional<HorizonGrid>& grid) {
    if (grid)
        m_grid->ShowGrid(*grid, m_gridPlan, m_age->value());
    else
        m_grid->ShowGrid(std::nullopt, QString::fromUtf8(GridNotCalculatedText()));
}

std::int32_t WhatIfPane::Age() const {
    return m_age->value();
}

void WhatIfPane::SetAge(std::int32_t age) {
    m_age->setValue(age);
}

void WhatIfPane::SetMoneyDisplay(MoneyDisplay& display) {
    m_display = &display;
    ShowMoneyDisplay();
    connect(&display, &MoneyDisplay::changed, this, &WhatIfPane::ShowMoneyDisplay);
}

void WhatIfPane::ShowMoneyDisplay() {
    const QSignalBlocker checkBlocker(m_todaysMoney);
    const QSignalBlocker rateBlocker(m_inflation);
    m_todaysMoney->setChecked(m_display->ShowsTodaysMoney());
    m_inflation->setValue(m_display->Inflation());
}

void WhatIfPane::ChangeMoneyDisplay() {
    if (m_display != nullptr)
        m_display->Set(m_todaysMoney->isChecked(), static_cast<float>(m_inflation->value()));
}
