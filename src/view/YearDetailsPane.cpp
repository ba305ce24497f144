#include "view/YearDetailsPane.h"

#include "model/YearBreakdown.h"
#include "persist/CTessalyDoc.h"
#include "print/AmountText.h"
#include "report/YearExplanation.h"
#include "view/MoneyDisplay.h"
#include "view/PointsSpinBox.h"

#include <QFont>
#include <QHeaderView>
#include <QLocale>
#include <QTreeWidgetItem>

#include <array>
#include <string>

YearDetailsPane::YearDetailsPane(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("yearDetailsPane"));
    setAccessibleName(QStringLiteral("Year details"));
    setHeaderLabels({QStringLiteral("Item"), QStringLiteral("Amount")});
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    setUniformRowHeights(true);
}

void YearDetailsPane::OnInitialUpdate() {
    m_pPlanDoc = dynamic_cast<CTessalyDoc*>(GetDocument());
    ViewBase::OnInitialUpdate();
}

void YearDetailsPane::OnUpdate(ViewBase* /*sender*/, long /*hint*/) {
    ShowYear(std::nullopt);
}

void YearDetailsPane::SetMoneyDisplay(const MoneyDisplay& display) {
    m_display = &display;
    connect(&display, &MoneyDisplay::changed, this, [this] { ShowYear(m_year); });
}

void YearDetailsPane::ShowYear(std::optional<std::int32_t> year) {
    clear();
    m_year = year;
    const bool today = m_display != nullptr && m_display->ShowsTodaysMoney();
    headerItem()->setText(1,
                          today ? QStringLiteral("Amount in %1 money").arg(m_display->CurrentYear())
                                : QStringLiteral("Amount"));
    if (m_pPlanDoc == nullptr || !year)
        return;
    const std::optional<YearBreakdown> breakdown = Breakdown(*year);
    if (!breakdown)
        return;
    if (m_pathOffsets) {
        const auto row = static_cast<std::size_t>(*year - m_pPlanDoc->ShownResults().firstYear);
        auto* path = new QTreeWidgetItem(this);
        // Short, to fit a narrow pane: "Worst path, no. 37: returns moved by -3 points".
        QString name = m_pathName;
        name[0] = name[0].toUpper();
        path->setText(
            0,
            QStringLiteral("%1: returns moved by %2").arg(name, PointsText((*m_pathOffsets)[row])));
        Emphasise(*path);
    }
    Fill(*breakdown);
}

std::optional<YearBreakdown> YearDetailsPane::Breakdown(std::int32_t year) const {
    if (!m_pathOffsets)
        return m_pPlanDoc->BreakdownOfYear(year);
    // A path's years run from the plan's first, like the list's, and end where it ends.
    const std::int64_t row = std::int64_t{year} - m_pPlanDoc->ShownResults().firstYear;
    if (row < 0 || row >= ProjectionTable::kMaxRows)
        return std::nullopt;
    return ExplainYear(m_pPlanDoc->ShownPlan(), year, *m_pathOffsets);
}

void YearDetailsPane::ExplainPath(const std::optional<ReturnOffsets>& offsets,
                                  const QString& name) {
    m_pathOffsets = offsets;
    m_pathName = name;
    ShowYear(m_year);
}

void YearDetailsPane::Fill(const YearBreakdown& year) {
    const auto amount = [this, &year](std::int64_t value) {
        return AmountText(m_display == nullptr ? value : m_display->Shown(value, year.year));
    };
    // Names stay the stored bytes, read as UTF-8 with the whole label below.
    const ExplanationText text{
        [](const std::string& name) { return name; },
        [](float rate) {
            return QLocale().toString(static_cast<double>(rate), 'g', 6).toStdString();
        },
        [&amount](std::int64_t value) { return amount(value).toStdString(); }};
    // The tree's parent of each depth: a line hangs under the last line one level up.
    std::array<QTreeWidgetItem*, 3> parents{};
    for (const ExplanationLine& line : ExplainYearLines(year, m_pPlanDoc->ShownPlan(), text)) {
        QTreeWidgetItem* parent = line.depth == 0 ? nullptr : parents[line.depth - 1];
        auto* item = parent == nullptr ? new QTreeWidgetItem(this) : new QTreeWidgetItem(parent);
        item->setText(0, QString::fromStdString(line.label));
        item->setText(1, line.amount ? amount(*line.amount) : QString());
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        if (line.emphasised)
            Emphasise(*item);
        parents[line.depth] = item;
    }
    expandAll();
}

void YearDetailsPane::Emphasise(QTreeWidgetItem& item) {
    QFont bold = font();
    bold.setBold(true);
    item.setFont(0, bold);
    item.setToolTip(0, item.text(0));
    // A sentence is read whole: it spans both columns instead of being cut at the first.
    item.setFirstColumnSpanned(true);
}
