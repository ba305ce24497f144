#include "view/RiskPane.h"

#include "model/Plan.h"
#include "persist/CTessalyDoc.h"
#include "report/ControlWords.h"
#include "report/RiskText.h"
#include "report/WorkingText.h"
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
    : QWidget(parent), m_run(*this, [this](const RiskRunAnswer& answer) {
          ShowAnswer(answer);
          emit backgroundResultShown();
      }) {
    setObjectName(QStringLiteral("riskPane"));
    setAccessibleName(QStringLiteral("Risk"));
    auto* layout = new QVBoxLayout(this);
    AddInputs(*layout);
    AddAnswer(*layout);
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
    m_path.reset();
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
    m_run.Start([plan = m_pPlanDoc->ShownPlan(), settings = *settings,
                 progress = m_progress->Begin(settings->paths)](StopToken stop) {
        return AskRisk(plan, settings, stop, progress);
    });
}

void RiskPane::Cancel() {
    ClearResults();
    m_answer->setText(QString::fromUtf8(RiskCancelledText()));
    m_runAgain->show();
}

void RiskPane::ShowAnswer(const RiskRunAnswer& answer) {
    m_progress->End();
    if (!answer.verdict.Answered()) {
        m_answer->setText(answer.verdict.status == AnswerStatus::Stopped
                              ? QString::fromUtf8(RiskCancelledText())
                              : QString::fromUtf8(answer.verdict.sentence));
        return;
    }
    m_answer->setText(Answer(answer.summary));
    m_summary = answer.summary;
    m_worst->setEnabled(true);
    m_median->setEnabled(true);
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
