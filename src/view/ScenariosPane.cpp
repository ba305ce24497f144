#include "view/ScenariosPane.h"

#include "persist/CTessalyDoc.h"
#include "report/ControlWords.h"
#include "report/ScenarioText.h"
#include "report/WorkingText.h"
#include "session/ComparisonAnswer.h"
#include "session/ProjectionAnswer.h"
#include "view/LocaleNumbers.h"
#include "view/RunProgress.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString Text(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace

ScenariosPane::ScenariosPane(QWidget* parent)
    : QWidget(parent), m_run(*this, [this](const ComparisonAnswer& answer) {
          ShowComparison(answer);
          emit backgroundResultShown();
      }) {
    setObjectName(QStringLiteral("scenariosPane"));
    setAccessibleName(QStringLiteral("Scenarios"));
    auto* layout = new QVBoxLayout(this);
    m_intro = new QLabel(this);
    m_intro->setObjectName(QStringLiteral("scenariosIntro"));
    m_intro->setWordWrap(true);
    layout->addWidget(m_intro);
    m_list = new QVBoxLayout;
    layout->addLayout(m_list);

    m_progress = new RunProgress(QString::fromUtf8(kComparisonDoneName), this);
    m_progress->setObjectName(QStringLiteral("scenariosProgress"));
    connect(m_progress, &RunProgress::cancelClicked, this, [this] {
        ClearResults();
        m_status->setText(Text(ScenarioCancelledSentence()));
    });
    layout->addWidget(m_progress);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("scenariosStatus"));
    m_status->setWordWrap(true);
    layout->addWidget(m_status);

    // Every figure whole: the table scrolls sideways rather than cut a number.
    m_figures = new QTableWidget(this);
    m_figures->setObjectName(QStringLiteral("scenariosFigures"));
    m_figures->setAccessibleName(QString::fromUtf8(kScenarioFiguresName));
    m_figures->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_figures->setTextElideMode(Qt::ElideNone);
    m_figures->setWordWrap(true);
    m_figures->verticalHeader()->hide();
    m_figures->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_figures->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_figures->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_figures->hide();
    layout->addWidget(m_figures);

    m_pairs = new QLabel(this);
    m_pairs->setObjectName(QStringLiteral("scenariosPairs"));
    m_pairs->setAccessibleName(QStringLiteral("Paths where the plans differ"));
    m_pairs->setWordWrap(true);
    m_pairs->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_pairs);
    layout->addStretch();
    ShowScenarioList();
}

void ScenariosPane::OnInitialUpdate() {
    m_pPlanDoc = dynamic_cast<CTessalyDoc*>(GetDocument());
    ViewBase::OnInitialUpdate();
}

void ScenariosPane::OnUpdate(ViewBase* /*sender*/, long /*hint*/) {
    m_stale = true;
    // The open plan's name may have changed with its file.
    ShowScenarioList();
    if (isVisible())
        Start();
    else
        ClearResults();
}

void ScenariosPane::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_stale)
        Start();
}

bool ScenariosPane::AddScenario(const std::string& path, const Plan& plan) {
    if (m_scenarios.size() + 1 >= kMaxScenarios)
        return false;
    Scenario scenario{path, plan, AskProjection(plan).table};
    m_scenarios.push_back(std::move(scenario));
    ShowScenarioList();
    emit scenariosChanged();
    m_stale = true;
    if (isVisible())
        Start();
    return true;
}

void ScenariosPane::RemoveScenario(std::size_t index) {
    if (index >= m_scenarios.size())
        return;
    m_scenarios.erase(m_scenarios.begin() + static_cast<std::ptrdiff_t>(index));
    ShowScenarioList();
    emit scenariosChanged();
    m_stale = true;
    if (isVisible())
        Start();
}

std::vector<std::string> ScenariosPane::Names() const {
    std::vector<std::string> files;
    if (m_pPlanDoc != nullptr)
        files.push_back(m_pPlanDoc->GetPathName().empty() ? m_pPlanDoc->GetTitle()
                                                          : m_pPlanDoc->GetPathName());
    else
        files.emplace_back();
    for (const Scenario& scenario : m_scenarios)
        files.push_back(scenario.path);
    return ScenarioNames(files);
}

void ScenariosPane::SetRiskSettings(const RiskSettings& settings) {
    if (settings == m_settings)
        return;
    m_settings = settings;
    m_stale = true;
    if (isVisible())
        Start();
}

void ScenariosPane::ShowScenarioList() {
    while (QLayoutItem* item = m_list->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    m_intro->setText(Text(ScenarioIntroSentence(m_scenarios.size())));
    const std::vector<std::string> names = Names();
    for (std::size_t i = 0; i < m_scenarios.size(); ++i) {
        auto* row = new QWidget(this);
        auto* line = new QHBoxLayout(row);
        line->setContentsMargins(0, 0, 0, 0);
        auto* name = new QLabel(Text(names[i + 1]), row);
        name->setToolTip(Text(m_scenarios[i].path));
        name->setWordWrap(true);
        auto* remove = new QPushButton(QStringLiteral("Remove"), row);
        remove->setObjectName(QStringLiteral("scenarioRemove%1").arg(i + 1));
        remove->setAccessibleName(QStringLiteral("Remove %1").arg(name->text()));
        connect(remove, &QPushButton::clicked, this, [this, i] { RemoveScenario(i); });
        line->addWidget(name, 1);
        line->addWidget(remove);
        m_list->addWidget(row);
    }
}

void ScenariosPane::FitFigures() {
    // The labels take what the figures leave, but never less than a word or two a line.
    const QFontMetrics metrics(m_figures->font());
    int figuresWidth = 0;
    for (int column = 1; column < m_figures->columnCount(); ++column)
        figuresWidth += m_figures->horizontalHeader()->sectionSize(column);
    const int labelWidth = std::max(metrics.horizontalAdvance(QStringLiteral("Money lasts until")),
                                    m_figures->viewport()->width() - figuresWidth);
    m_figures->setColumnWidth(0, labelWidth);
    m_figures->resizeRowsToContents();
    // As tall as its rows: the pane scrolls, not the table.
    int height = m_figures->horizontalHeader()->height() + 2 * m_figures->frameWidth();
    for (int row = 0; row < m_figures->rowCount(); ++row)
        height += m_figures->rowHeight(row);
    if (m_figures->horizontalScrollBar()->isVisible() ||
        labelWidth + figuresWidth > m_figures->viewport()->width())
        height += m_figures->horizontalScrollBar()->sizeHint().height();
    m_figures->setFixedHeight(height);
}

void ScenariosPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_comparison)
        FitFigures();
}

void ScenariosPane::ClearResults() {
    m_run.Cancel();
    m_progress->End();
    m_comparison.reset();
    m_figures->hide();
    m_pairs->clear();
}

void ScenariosPane::Start() {
    ClearResults();
    if (!isVisible())
        return;
    m_stale = false;
    if (m_scenarios.empty()) {
        m_status->clear();
        return;
    }
    if (m_pPlanDoc == nullptr || m_pPlanDoc->ShownResults().rowCount == 0) {
        m_status->setText(Text(ScenarioNeedsCalculationSentence()));
        return;
    }
    std::vector<Plan> plans{m_pPlanDoc->ShownPlan()};
    for (const Scenario& scenario : m_scenarios)
        plans.push_back(scenario.plan);
    const std::int64_t total = ComparisonWorkUnits(plans, m_settings);
    m_status->setText(Text(WorkingText()));
    m_run.Start([plans = std::move(plans), settings = m_settings,
                 progress = m_progress->Begin(static_cast<std::int32_t>(total))](StopToken stop) {
        return AskComparison(plans, settings, stop, [&progress](std::int64_t done, std::int64_t) {
            progress(static_cast<std::int32_t>(done));
        });
    });
}

void ScenariosPane::ShowComparison(const ComparisonAnswer& answer) {
    m_progress->End();
    const std::vector<std::string> names = Names();
    if (!answer.verdict.Answered()) {
        m_status->setText(Text(answer.verdict.status == AnswerStatus::Stopped
                                   ? ScenarioCancelledSentence()
                                   : answer.verdict.sentence));
        return;
    }
    const ScenarioComparison& comparison = answer.comparison;
    m_comparison = comparison;
    m_status->setText(Text(ScenarioSettingsSentence(comparison.settings, LocaleNumbers())));
    const std::vector<ScenarioFigure> figures = ScenarioFigures(comparison, LocaleNumbers());
    // The labels in the first column, wrapped; a column of figures for each plan, never cut.
    m_figures->clear();
    m_figures->setRowCount(static_cast<int>(figures.size()));
    m_figures->setColumnCount(static_cast<int>(names.size()) + 1);
    QStringList headers{QString()};
    for (const std::string& name : names)
        headers << Text(name);
    m_figures->setHorizontalHeaderLabels(headers);
    m_figures->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
    for (std::size_t f = 0; f < figures.size(); ++f) {
        const auto row = static_cast<int>(f);
        m_figures->setItem(row, 0, new QTableWidgetItem(Text(figures[f].label)));
        for (std::size_t p = 0; p < figures[f].values.size(); ++p) {
            auto* cell = new QTableWidgetItem(Text(figures[f].values[p]));
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_figures->setItem(row, static_cast<int>(p) + 1, cell);
        }
    }
    FitFigures();
    m_figures->show();
    QStringList sentences;
    for (const PathAgreement& pair : comparison.pairs)
        sentences << Text(
            PairSentence(pair, names[pair.first], names[pair.second], LocaleNumbers()));
    m_pairs->setText(sentences.join(QStringLiteral("\n\n")));
}
