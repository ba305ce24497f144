#include "view/RiskPane.h"

#include "model/Plan.h"
#include "model/WhatIf.h"
#include "persist/CTessalyDoc.h"
#include "report/ControlWords.h"
#include "report/GoalText.h"
#include "report/RiskText.h"
#include "report/WorkingText.h"
#include "session/GoalAnswers.h"
#include "session/RiskAnswers.h"
#include "view/LocaleNumbers.h"
#include "view/RunProgress.h"
#include "view/SliderWithBox.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The digits of the largest 64-bit seed, 18446744073709551615.
constexpr int kSeedDigits = 20;

QString Answer(const RiskSummary& summary) {
    return QString::fromUtf8(RiskAnswer(summary, LocaleNumbers()));
}

} // namespace

RiskPane::RiskPane(QWidget* parent)
    : QWidget(parent), m_run(*this, [this](const RiskPaneRun& run) {
          ShowRun(run);
          emit backgroundResultShown();
      }) {
    setObjectName(QStringLiteral("riskPane"));
    setAccessibleName(QStringLiteral("Risk"));
    auto* layout = new QVBoxLayout(this);
    AddInputs(*layout);
    AddAnswer(*layout);
    AddGoal(*layout);
    layout->addStretch();
}

void RiskPane::AddInputs(QVBoxLayout& layout) {
    auto* form = new QFormLayout;
    // In a narrow pane a label goes above its control rather than squeeze it.
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    m_spreadBox = new QSpinBox(this);
    m_spreadBox->setObjectName(QStringLiteral("riskSpreadBox"));
    m_spreadBox->setSuffix(QStringLiteral(" points"));
    m_spread = SliderWithBox(*m_spreadBox, QStringLiteral("Spread"), 0, kMaxRiskSpread, 10, this);
    m_spread->setObjectName(QStringLiteral("riskSpreadSlider"));
    m_spread->setValue(kDefaultRiskSpread);
    for (QWidget* spread : {static_cast<QWidget*>(m_spread), static_cast<QWidget*>(m_spreadBox)})
        spread->setToolTip(QString::fromUtf8(RiskSpreadTip()));
    auto* spread = new QHBoxLayout;
    spread->addWidget(m_spread, 1);
    spread->addWidget(m_spreadBox);
    auto* spreadLabel = new QLabel(QStringLiteral("&Spread:"), this);
    spreadLabel->setBuddy(m_spread);
    form->addRow(spreadLabel, spread);

    m_paths = new QComboBox(this);
    m_paths->setObjectName(QStringLiteral("riskPaths"));
    m_paths->setAccessibleName(QStringLiteral("Number of paths"));
    for (const std::int32_t paths : kRiskPathChoices)
        m_paths->addItem(QLocale().toString(paths), paths);
    auto* pathsLabel = new QLabel(QStringLiteral("&Paths:"), this);
    pathsLabel->setBuddy(m_paths);
    form->addRow(pathsLabel, m_paths);

    m_seed = new QLineEdit(QStringLiteral("1"), this);
    m_seed->setObjectName(QStringLiteral("riskSeed"));
    m_seed->setAccessibleName(QStringLiteral("Seed"));
    m_seed->setToolTip(QString::fromUtf8(RiskSeedTip()));
    m_seed->setMaxLength(kSeedDigits);
    m_seed->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{1,%1}").arg(kSeedDigits)), m_seed));
    auto* newSeed = new QPushButton(QStringLiteral("&New seed"), this);
    newSeed->setObjectName(QStringLiteral("riskNewSeed"));
    connect(newSeed, &QPushButton::clicked, this,
            [this] { m_seed->setText(QString::number(QRandomGenerator::global()->generate64())); });
    auto* seed = new QHBoxLayout;
    seed->addWidget(m_seed, 1);
    seed->addWidget(newSeed);
    auto* seedLabel = new QLabel(QStringLiteral("See&d:"), this);
    seedLabel->setBuddy(m_seed);
    form->addRow(seedLabel, seed);

    m_age = new QSpinBox(this);
    m_age->setObjectName(QStringLiteral("riskAge"));
    m_age->setAccessibleName(QStringLiteral("Money lasts to age"));
    m_age->setRange(0, kMaxUntilAge);
    m_age->setValue(kDefaultUntilAge);
    auto* ageLabel = new QLabel(QStringLiteral("Money lasts to &age:"), this);
    ageLabel->setBuddy(m_age);
    form->addRow(ageLabel, m_age);

    layout.addLayout(form);
    connect(m_spread, &QSlider::valueChanged, this, &RiskPane::inputsChanged);
    connect(m_paths, &QComboBox::currentIndexChanged, this, &RiskPane::inputsChanged);
    connect(m_seed, &QLineEdit::textChanged, this, &RiskPane::inputsChanged);
    connect(m_age, &QSpinBox::valueChanged, this, &RiskPane::inputsChanged);
    connect(this, &RiskPane::inputsChanged, this, &RiskPane::Start);
}

void RiskPane::AddAnswer(QVBoxLayout& layout) {
    m_progress = new RunProgress(QString::fromUtf8(kPathsDoneName), this);
    m_progress->setObjectName(QStringLiteral("riskProgress"));
    connect(m_progress, &RunProgress::cancelClicked, this, &RiskPane::Cancel);
    layout.addWidget(m_progress);
    m_answer = new QLabel(this);
    m_answer->setObjectName(QStringLiteral("riskAnswer"));
    m_answer->setAccessibleName(QStringLiteral("How sure the plan is"));
    m_answer->setWordWrap(true);
    // A text to read and copy, not to Tab through.
    m_answer->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout.addWidget(m_answer);
    // A cancelled run starts again on its own inputs, without changing one.
    m_runAgain = new QPushButton(QStringLiteral("R&un again"), this);
    m_runAgain->setObjectName(QStringLiteral("riskRunAgain"));
    m_runAgain->hide();
    connect(m_runAgain, &QPushButton::clicked, this, &RiskPane::Start);
    layout.addWidget(m_runAgain);

    // One above the other: each keeps its words in a narrow pane.
    auto* paths = new QVBoxLayout;
    m_worst = new QPushButton(QStringLiteral("Show the &worst path"), this);
    m_worst->setObjectName(QStringLiteral("riskShowWorst"));
    m_worst->setToolTip(QString::fromUtf8(RiskPathTip(true)));
    m_median = new QPushButton(QStringLiteral("Show the &median path"), this);
    m_median->setObjectName(QStringLiteral("riskShowMedian"));
    m_median->setToolTip(QString::fromUtf8(RiskPathTip(false)));
    for (QPushButton* button : {m_worst, m_median}) {
        button->setCheckable(true);
        button->setEnabled(false);
        paths->addWidget(button);
    }
    connect(
        m_worst, &QPushButton::clicked, this, [this] { ShowPath(true); });
    connect(m_median, &QPushButton::clicked, this, [this] { ShowPath(false); });
    layout.addLayout(paths);
}

void RiskPane::AddGoal(QVBoxLayout& layout) {
    auto* form = new QFormLayout;
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    m_confidence = new QSpinBox(this);
    m_confidence->setObjectName(QStringLiteral("riskConfidence"));
    m_confidence->setAccessibleName(QStringLiteral("Confidence"));
    m_confidence->setRange(kMinGoalConfidence, kMaxGoalConfidence);
    m_confidence->setValue(kDefaultGoalConfidence);
    m_confidence->setSuffix(QStringLiteral(" %"));
    auto* confidenceLabel = new QLabel(QStringLiteral("C&onfidence:"), this);
    confidenceLabel->setBuddy(m_confidence);
    form->addRow(confidenceLabel, m_confidence);
    layout.addLayout(form);
    connect(m_confidence, &QSpinBox::valueChanged, this, &RiskPane::Start);

    m_goalSpending = new QLabel(this);
    m_goalSpending->setObjectName(QStringLiteral("riskGoalSpending"));
    m_goalSpending->setAccessibleName(QStringLiteral("What can be spent"));
    m_goalLasts = new QLabel(this);
    m_goalLasts->setObjectName(QStringLiteral("riskGoalLasts"));
    m_goalLasts->setAccessibleName(QStringLiteral("How long the money lasts"));
    for (QLabel* label : {m_goalSpending, m_goalLasts}) {
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout.addWidget(label);
    }
    auto* buttons = new QHBoxLayout;
    m_applyGoal = new QPushButton(QStringLiteral("App&ly"), this);
    m_applyGoal->setObjectName(QStringLiteral("riskApplyGoal"));
    m_applyGoal->setToolTip(
        QStringLiteral("Set the plan's expenses to the spending found, as an edit of the plan"));
    m_keepGoal = new QPushButton(QStringLiteral("&Keep as Scenario..."), this);
    m_keepGoal->setObjectName(QStringLiteral("riskKeepGoal"));
    m_keepGoal->setToolTip(QStringLiteral("Save the plan at the spending found as a plan file of "
                                          "its own and compare it in the Scenarios pane"));
    for (QPushButton* button : {m_applyGoal, m_keepGoal}) {
        button->setEnabled(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    connect(m_applyGoal, &QPushButton::clicked, this, &RiskPane::ApplyGoal);
    connect(m_keepGoal, &QPushButton::clicked, this, &RiskPane::keepGoalAsScenarioClicked);
    layout.addLayout(buttons);
}

void RiskPane::OnInitialUpdate() {
    m_pPlanDoc = dynamic_cast<CTessalyDoc*>(GetDocument());
    ViewBase::OnInitialUpdate();
}

void RiskPane::OnUpdate(ViewBase* /*sender*/, long /*hint*/) {
    m_stale = true;
    if (isVisible())
        Start();
    else
        ClearResults();
}

void RiskPane::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_stale)
        Start();
}

void RiskPane::SetConfidence(std::int32_t confidence) {
    m_confidence->setValue(confidence);
}

std::optional<Plan> RiskPane::GoalPlan() const {
    if (!m_goal || !m_goal->spending || m_pPlanDoc == nullptr)
        return std::nullopt;
    return ExpensesAt(m_pPlanDoc->ShownPlan(), *m_goal->spending);
}

void RiskPane::ApplyGoal() {
    if (!m_goal || !m_goal->spending || m_pPlanDoc == nullptr)
        return;
    // The expenses the plan holds now, should they differ from those calculated, are scaled as
    // the answer says; the list shows the plan calculated again.
    const std::optional<Plan> scaled = ExpensesAt(m_pPlanDoc->m_plan, *m_goal->spending);
    if (!scaled)
        return;
    m_pPlanDoc->m_plan.expenses = scaled->expenses;
    m_pPlanDoc->SetModifiedFlag(true);
    m_pPlanDoc->Calculate();
}

void RiskPane::SetInputs(const RiskSettings& inputs) {
    m_spread->setValue(inputs.spread);
    if (const int paths = m_paths->findData(inputs.paths); paths >= 0)
        m_paths->setCurrentIndex(paths);
    m_seed->setText(QString::number(inputs.seed));
    m_age->setValue(inputs.untilAge);
}

std::optional<RiskSettings> RiskPane::Inputs() const {
    bool ok = false;
    const qulonglong seed = m_seed->text().toULongLong(&ok);
    if (!ok)
        return std::nullopt;
    return RiskSettings{m_paths->currentData().toInt(), m_spread->value(), seed, m_age->value()};
}

void RiskPane::ClearResults() {
    m_run.Cancel();
    m_progress->End();
    const bool shown = m_summary.has_value() || m_path.has_value();
    m_summary.reset();
    m_goal.reset();
    m_path.reset();
    m_goalSpending->clear();
    m_goalLasts->clear();
    m_applyGoal->setEnabled(false);
    m_keepGoal->setEnabled(false);
    m_worst->setEnabled(false);
    m_median->setEnabled(false);
    m_worst->setChecked(false);
    m_median->setChecked(false);
    if (shown)
        emit riskChanged();
}

const std::vector<RiskYear>& RiskPane::Band() const {
    static const std::vector<RiskYear> kNone;
    return m_summary ? m_summary->years : kNone;
}

void RiskPane::Start() {
    ClearResults();
    m_runAgain->hide();
    if (!isVisible())
        return;
    m_stale = false;
    if (m_pPlanDoc == nullptr || m_pPlanDoc->ShownResults().rowCount == 0) {
        m_answer->setText(QString::fromUtf8(RiskNeedsCalculationText()));
        return;
    }
    const std::optional<RiskSettings> settings = Inputs();
    if (!settings) {
        m_answer->setText(QString::fromUtf8(EnterSeedText()));
        return;
    }
    // Said at once, without a run to wait for.
    if (const std::optional<Verdict> verdict =
            PlanVerdict(m_pPlanDoc->ShownPlan(), settings->untilAge)) {
        m_answer->setText(QString::fromUtf8(verdict->sentence));
        return;
    }
    m_answer->setText(QString::fromUtf8(WorkingText()));
    const GoalSettings goal{*settings, m_confidence->value()};
    // The goal follows the risk run on the same paths; the bar counts both.
    m_run.Start(
        [plan = m_pPlanDoc->ShownPlan(), settings = *settings, goal,
         progress = m_progress->Begin(settings->paths + GoalProgressTotal(goal))](StopToken stop) {
            RiskPaneRun run{AskRisk(plan, settings, stop, progress), {}};
            if (run.risk.verdict.Answered())
                run.goal = AskGoal(plan, goal, stop,
                                   [&](std::int32_t done) { progress(settings.paths + done); });
            return run;
        });
}

void RiskPane::Cancel() {
    ClearResults();
    m_answer->setText(QString::fromUtf8(RiskCancelledText()));
    m_runAgain->show();
}

void RiskPane::ShowRun(const RiskPaneRun& run) {
    m_progress->End();
    if (!run.risk.verdict.Answered()) {
        m_answer->setText(run.risk.verdict.status == AnswerStatus::Stopped
                              ? QString::fromUtf8(RiskCancelledText())
                              : QString::fromUtf8(run.risk.verdict.sentence));
        return;
    }
    m_answer->setText(Answer(run.risk.summary));
    m_summary = run.risk.summary;
    m_worst->setEnabled(true);
    m_median->setEnabled(true);
    if (!run.goal.verdict.Answered()) {
        m_goalSpending->setText(run.goal.verdict.status == AnswerStatus::Stopped
                                    ? QString::fromUtf8(RiskCancelledText())
                                    : QString::fromUtf8(run.goal.verdict.sentence));
    } else {
        m_goalSpending->setText(
            QString::fromUtf8(GoalSpendingText(run.goal.goal, LocaleNumbers())));
        m_goalLasts->setText(QString::fromUtf8(GoalLastsText(run.goal.goal)));
        m_goal = run.goal.goal;
        m_applyGoal->setEnabled(m_goal->spending.has_value());
        m_keepGoal->setEnabled(m_goal->spending.has_value());
    }
    emit riskChanged();
}

void RiskPane::ShowPath(bool worst) {
    QPushButton* chosen = worst ? m_worst : m_median;
    (worst ? m_median : m_worst)->setChecked(false);
    m_path.reset();
    if (chosen->isChecked() && m_summary && m_pPlanDoc != nullptr) {
        const std::int32_t number = worst ? m_summary->worstPath : m_summary->medianPath;
        RiskPathAnswer answer = AskRiskPath(m_pPlanDoc->ShownPlan(), m_summary->settings, number);
        if (answer.verdict.Answered())
            m_path = ShownRiskPath{QString::fromUtf8(RiskPathName(worst, number)), answer.offsets,
                                   std::move(answer.path.table)};
    }
    chosen->setChecked(m_path.has_value());
    emit riskChanged();
}
