#include "print/ProjectionReport.h"

#include "model/WhatIf.h"
#include "print/AmountText.h"
#include "print/ChartPainter.h"
#include "report/ChartWords.h"
#include "report/DisplayName.h"
#include "report/OutlastText.h"
#include "report/PageLayout.h"
#include "report/ProjectionColumns.h"
#include "report/ReportAssumptions.h"
#include "report/ScenarioText.h"
#include "report/TodaysMoneyTable.h"

#include <QBuffer>
#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
#include <new>
#include <span>
#include <string>
#include <vector>

namespace {

constexpr int kResolution = 300;
constexpr qreal kMarginMillimetres = 15;
constexpr qreal kChartMillimetres = 100;
// A plan with more items than this lists them at the end, after the chart and the table.
constexpr std::size_t kItemsBeforeChart = 30;
// Fontconfig, under Qt's fonts, does not survive running out of memory: the report's fonts are
// set up only while this much more can be had, and all at once, before the pages are drawn.
constexpr std::size_t kFontHeadroom = std::size_t{16} << 20;

enum class BlockKind { Title, Text, Heading, Chart, ItemRow, ProjectionRow, ScenarioRow };
enum Table : std::int32_t { kItemsTable = 0, kProjectionTable = 1, kScenarioTable = 2 };
constexpr const char* kScenariosHeading = "Scenarios";

struct Block {
    BlockKind kind;
    QString text;
    // The row of the items or the projection table.
    std::int32_t row = 0;
    // Whether it shows amounts in the report's money, which in today's money its page names.
    bool amounts = false;
};

// A heading keeps this many blocks of its section with it, so that none ends a page alone.
constexpr std::int32_t kKeptUnderHeading = 3;

struct Column {
    QString heading;
    qreal share;
    Qt::Alignment alignment;
};

const std::array kItemColumns{
    Column{QStringLiteral("Item"), 0.26, Qt::AlignLeft},
    Column{QStringLiteral("Kind"), 0.10, Qt::AlignLeft},
    Column{QStringLiteral("Initial amount"), 0.22, Qt::AlignRight},
    Column{QStringLiteral("Annual amount"), 0.18, Qt::AlignRight},
    Column{QStringLiteral("Years"), 0.24, Qt::AlignRight},
};

// The projection's columns under the headings every table of it shows, with the age after the
// year.
const std::array kTableColumns{
    Column{QLatin1StringView(kProjectionColumns[0]), 0.10, Qt::AlignLeft},
    Column{QStringLiteral("Age"), 0.08, Qt::AlignRight},
    Column{QLatin1StringView(kProjectionColumns[1]), 0.205, Qt::AlignRight},
    Column{QLatin1StringView(kProjectionColumns[2]), 0.205, Qt::AlignRight},
    Column{QLatin1StringView(kProjectionColumns[3]), 0.205, Qt::AlignRight},
    Column{QLatin1StringView(kProjectionColumns[4]), 0.205, Qt::AlignRight},
};

// The report's sentences come from the report layer, with numbers as the reader's locale writes
// them.
ExplanationText ReportText() {
    return {[](float rate) {
                return QLocale().toString(static_cast<double>(rate), 'g', 6).toStdString();
            },
            [](std::int64_t amount) { return AmountText(amount).toStdString(); }};
}

QString Text(const std::string& sentence) {
    return QString::fromUtf8(sentence.data(), static_cast<qsizetype>(sentence.size()));
}

void AddTexts(std::vector<Block>& blocks, const std::vector<std::string>& sentences,
              bool amounts = false) {
    for (const std::string& sentence : sentences)
        blocks.push_back({BlockKind::Text, Text(sentence), 0, amounts});
}

void AddItems(std::vector<Block>& blocks, const ReportContent& content, std::size_t items) {
    if (const std::optional<std::string> note = ItemMoneyNote(
            content.todaysMoney ? std::optional(content.todaysMoney->year) : std::nullopt))
        blocks.push_back({BlockKind::Text, Text(*note)});
    if (const std::optional<std::string> note =
            ItemsLeftOutNote(items, kMostReportItems, ReportText()))
        blocks.push_back({BlockKind::Text, Text(*note)});
    items = std::min(items, kMostReportItems);
    for (std::size_t i = 0; i < items; ++i)
        blocks.push_back({BlockKind::ItemRow, QString(), static_cast<std::int32_t>(i)});
}

// The plans compared: a row for each figure under the plans' names, then a sentence a pair.
void AddScenarios(std::vector<Block>& blocks, const ReportScenarios& scenarios) {
    const ScenarioComparison& comparison = scenarios.comparison;
    blocks.push_back({BlockKind::Heading, QLatin1StringView(kScenariosHeading)});
    if (comparison.plans.empty())
        return;
    blocks.push_back({BlockKind::Text, Text(ScenarioSettingsSentence(comparison.settings))});
    const auto figures = static_cast<std::int32_t>(ScenarioFigures(comparison).size());
    for (std::int32_t f = 0; f < figures; ++f)
        blocks.push_back({BlockKind::ScenarioRow, QString(), f});
    for (const PathAgreement& pair : comparison.pairs) {
        blocks.push_back({BlockKind::Text, Text(PairSentence(pair, scenarios.names[pair.first],
                                                             scenarios.names[pair.second]))});
    }
}

// The plans compared, drawn on the chart beside the report's own in the money it shows.
std::vector<ChartScenario> ChartScenarios(const ReportContent& content) {
    std::vector<ChartScenario> lines;
    if (!content.scenarios)
        return lines;
    const std::vector<ScenarioResult>& plans = content.scenarios->comparison.plans;
    const std::vector<std::string>& names = content.scenarios->names;
    for (std::size_t p = 1; p < plans.size() && p < names.size(); ++p) {
        lines.push_back({Text(names[p]), plans[p].table});
        if (content.todaysMoney)
            lines.back().table = InTodaysMoney(plans[p].table, content.todaysMoney->inflation,
                                               content.todaysMoney->year);
    }
    return lines;
}

// The label's column and one for each plan, under the plans' names.
std::vector<Column> ScenarioColumns(const ReportScenarios& scenarios) {
    std::vector<Column> columns{{QString(), 0.32, Qt::AlignLeft}};
    const qreal share = 0.68 / static_cast<qreal>(std::max<std::size_t>(scenarios.names.size(), 1));
    for (const std::string& name : scenarios.names)
        columns.push_back({Text(name), share, Qt::AlignRight});
    return columns;
}

QStringList ScenarioCells(const ReportScenarios& scenarios, std::int32_t row) {
    const ScenarioFigure figure =
        ScenarioFigures(scenarios.comparison)[static_cast<std::size_t>(row)];
    QStringList cells{Text(figure.label)};
    for (const std::string& value : figure.values)
        cells.append(Text(value));
    return cells;
}

std::vector<Block> ReportBlocks(const ReportContent& content,
                                const std::vector<ItemAssumption>& items) {
    const ExplanationText text = ReportText();
    std::vector<Block> blocks{
        {BlockKind::Title, content.title},
        {BlockKind::Text, content.madeOn},
        {BlockKind::Heading, QStringLiteral("Summary")},
    };
    AddTexts(blocks, SummarySentences(content.summary, content.plan, text), true);
    const std::optional<std::int32_t> todaysYear =
        content.todaysMoney ? std::optional(content.todaysMoney->year) : std::nullopt;
    const float inflation = content.todaysMoney ? content.todaysMoney->inflation : 0.0f;
    AddTexts(blocks, {MoneySentence(todaysYear, inflation, text), NotAdviceStatement()});

    blocks.push_back({BlockKind::Heading, QStringLiteral("Assumptions")});
    AddTexts(blocks, GeneralAssumptions(content.plan, text));
    AddTexts(blocks, RuleSentences());
    const bool itemsLast = items.size() > kItemsBeforeChart;
    if (itemsLast)
        blocks.push_back({BlockKind::Text, Text(ItemsAtTheEndNote(items.size(), text))});
    else
        AddItems(blocks, content, items.size());
    if (content.table.rowCount > 0) {
        blocks.push_back({BlockKind::Heading, QStringLiteral("Chart")});
        blocks.push_back({BlockKind::Chart, QString(), 0, true});
    }
    blocks.push_back({BlockKind::Heading, QStringLiteral("Projection")});
    for (std::int32_t r = 0; r < content.table.rowCount; ++r)
        blocks.push_back({BlockKind::ProjectionRow, QString(), r, true});
    if (content.scenarios)
        AddScenarios(blocks, *content.scenarios);
    if (itemsLast) {
        blocks.push_back({BlockKind::Heading, QStringLiteral("Items")});
        AddItems(blocks, content, items.size());
    }
    return blocks;
}

QStringList ItemCells(const ItemAssumption& item) {
    return {Text(item.name), Text(item.kind), Text(item.initial), Text(item.annual),
            Text(item.years)};
}

QStringList ProjectionCells(const ReportContent& content, std::int32_t r) {
    const ProjectionTable& table = content.table;
    const ProjectionRow& row = table.rows[static_cast<std::size_t>(r)];
    const std::optional<std::int32_t> age = NamedAge(content.plan, table.firstYear + r);
    return {QString::number(table.firstYear + r),
            age ? QString::number(*age) : QString(),
            AmountText(row.income),
            AmountText(row.totalAssets),
            AmountText(row.availableAssets),
            AmountText(row.withdrawals)};
}

QPageSize PaperForLocale() {
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize(QPageSize::Letter)
                                                                      : QPageSize(QPageSize::A4);
}

// Whether kFontHeadroom more memory can be had now; it is given back at once. The write keeps
// the allocation from being left out.
bool HasHeadroom() {
    const std::unique_ptr<char[]> room(new (std::nothrow) char[kFontHeadroom]);
    if (room == nullptr)
        return false;
    static_cast<volatile char*>(room.get())[kFontHeadroom - 1] = 0;
    return true;
}

// Draws and measures the report on one writer.
class ReportPrinter {
public:
    ReportPrinter(QPdfWriter& writer, const ReportContent& content)
        : m_writer(writer), m_content(content),
          m_items(ItemAssumptions(content.plan, ReportText())), m_painter(&writer),
          m_page(QPointF(0, 0), writer.pageLayout().paintRectPixels(writer.resolution()).size()) {
        m_body.setPointSizeF(9);
        m_title = m_body;
        m_title.setPointSizeF(16);
        m_title.setBold(true);
        m_heading = m_body;
        m_heading.setPointSizeF(12);
        m_heading.setBold(true);
        m_bold = m_body;
        m_bold.setBold(true);
        m_small = m_body;
        m_small.setPointSizeF(8);
        for (const QFont* font : {&m_title, &m_heading, &m_bold, &m_small})
            static_cast<void>(Metrics(*font).height());
        m_footerHeight = Metrics(m_body).height() * 2;
        m_rowHeight = Metrics(m_body).height() * 1.4;
    }

    void Print() {
        const std::vector<Block> blocks = ReportBlocks(m_content, m_items);
        std::vector<LayoutBlock> layout;
        for (std::size_t i = 0; i < blocks.size(); ++i)
            layout.push_back({Height(blocks[i]), TableOf(blocks[i]), KeptWith(blocks, i)});
        const std::vector<double> headingHeights{HeadingHeight(kItemsTable),
                                                 HeadingHeight(kProjectionTable),
                                                 HeadingHeight(kScenarioTable)};
        const std::vector<PlacedBlock> placed =
            LayOutPages(layout, m_page.height() - m_footerHeight, headingHeights);
        const std::int32_t pages = placed.empty() ? 1 : placed.back().page + 1;
        std::int32_t page = 0;
        bool amounts = false;
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            while (page < placed[i].page) {
                Footer(page, pages, amounts);
                m_writer.newPage();
                ++page;
                amounts = false;
            }
            amounts = amounts || blocks[i].amounts;
            qreal top = m_page.top() + placed[i].top;
            if (placed[i].headingsAbove) {
                const auto table = static_cast<std::size_t>(TableOf(blocks[i]));
                Headings(blocks[i], top, headingHeights[table]);
                top += headingHeights[table];
            }
            Draw(blocks[i], top, layout[i].height);
        }
        Footer(page, pages, amounts);
    }

    // Writes the end of the document, which may need memory too: a painter that the destructor
    // ends could throw where nothing may.
    void Finish() { m_painter.end(); }

private:
    QFontMetricsF Metrics(const QFont& font) const { return QFontMetricsF(font, &m_writer); }

    // A heading keeps the first blocks of its section; the scenarios, a few lines, stay whole.
    static std::int32_t KeptWith(const std::vector<Block>& blocks, std::size_t heading) {
        if (blocks[heading].kind != BlockKind::Heading)
            return 0;
        std::int32_t section = 0;
        for (std::size_t i = heading + 1; i < blocks.size() && blocks[i].kind != BlockKind::Heading;
             ++i)
            ++section;
        const bool scenarios = blocks[heading].text == QLatin1StringView(kScenariosHeading);
        return scenarios ? section : std::min(section, kKeptUnderHeading);
    }

    // A table's headings: one line, or the plans' names wrapped in their columns.
    qreal HeadingHeight(std::int32_t table) const {
        if (table != kScenarioTable || !m_content.scenarios)
            return m_rowHeight;
        qreal height = m_rowHeight;
        for (const Column& column : ScenarioColumns(*m_content.scenarios))
            height = std::max(height, CellHeight(column.heading, column.share, m_bold) * 1.2);
        return height;
    }

    static std::int32_t TableOf(const Block& block) {
        if (block.kind == BlockKind::ItemRow)
            return kItemsTable;
        if (block.kind == BlockKind::ProjectionRow)
            return kProjectionTable;
        if (block.kind == BlockKind::ScenarioRow)
            return kScenarioTable;
        return -1;
    }

    qreal TextHeight(const QFont& font, const QString& text) const {
        return Metrics(font)
            .boundingRect(QRectF(0, 0, m_page.width(), 1e9), Qt::TextWordWrap, text)
            .height();
    }

    qreal Height(const Block& block) const {
        switch (block.kind) {
        case BlockKind::Title:
            return TextHeight(m_title, block.text) * 1.4;
        case BlockKind::Text:
            return TextHeight(m_body, block.text) * 1.3;
        case BlockKind::Heading:
            return TextHeight(m_heading, block.text) * 1.6;
        case BlockKind::Chart:
            return kChartMillimetres / 25.4 * m_writer.resolution();
        case BlockKind::ItemRow:
            return ItemCellsHeight(block.row) + DetailsHeight(block.row);
        case BlockKind::ProjectionRow:
            return m_rowHeight;
        case BlockKind::ScenarioRow: {
            // The label and the figures wrap in their columns: the row is as tall as the
            // tallest.
            return CellsHeight(ScenarioCells(*m_content.scenarios, block.row),
                               ScenarioColumns(*m_content.scenarios));
        }
        }
        return 0;
    }

    const ItemAssumption& Item(std::int32_t row) const {
        return m_items[static_cast<std::size_t>(row)];
    }

    qreal ItemCellsHeight(std::int32_t row) const {
        return CellsHeight(ItemCells(Item(row)), kItemColumns);
    }

    // A row whose cells wrap in their columns is as tall as its tallest cell.
    qreal CellsHeight(const QStringList& cells, std::span<const Column> columns) const {
        qreal height = m_rowHeight;
        for (std::size_t c = 0; c < columns.size(); ++c)
            height = std::max(
                height,
                CellHeight(cells.value(static_cast<qsizetype>(c)), columns[c].share, m_body) * 1.2);
        return height;
    }

    // The item's growth, rates and taxes, on a line of its own under its cells.
    qreal DetailsHeight(std::int32_t row) const {
        const QString details = Text(Item(row).details);
        if (details.isEmpty())
            return 0;
        return Metrics(m_small)
                   .boundingRect(QRectF(0, 0, m_page.width() - DetailsIndent(), 1e9),
                                 Qt::TextWordWrap, details)
                   .height() *
               1.2;
    }

    qreal DetailsIndent() const { return Metrics(m_body).height(); }

    qreal CellHeight(const QString& text, qreal share, const QFont& font) const {
        const qreal pad = Metrics(font).height() / 3;
        return Metrics(font)
            .boundingRect(QRectF(0, 0, m_page.width() * share - 2 * pad, 1e9), Qt::TextWordWrap,
                          text)
            .height();
    }

    void Cells(const QStringList& cells, const auto& columns, qreal top, qreal height,
               const QFont& font) {
        m_painter.setFont(font);
        qreal left = m_page.left();
        const qreal pad = Metrics(font).height() / 3;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const qreal width = m_page.width() * columns[c].share;
            m_painter.drawText(QRectF(left + pad, top, width - 2 * pad, height),
                               static_cast<int>(columns[c].alignment | Qt::AlignVCenter) |
                                   Qt::TextWordWrap,
                               cells.value(static_cast<qsizetype>(c)));
            left += width;
        }
    }

    void Headings(const Block& block, qreal top, qreal height) {
        QStringList headings;
        const auto columns = [&](const auto& table) {
            for (const Column& column : table)
                headings.append(column.heading);
            Cells(headings, table, top, height, m_bold);
        };
        if (block.kind == BlockKind::ItemRow)
            columns(kItemColumns);
        else if (block.kind == BlockKind::ScenarioRow)
            columns(ScenarioColumns(*m_content.scenarios));
        else
            columns(kTableColumns);
        m_painter.drawLine(QPointF(m_page.left(), top + height),
                           QPointF(m_page.right(), top + height));
    }

    void Draw(const Block& block, qreal top, qreal height) {
        const QRectF area(m_page.left(), top, m_page.width(), height);
        switch (block.kind) {
        case BlockKind::Title:
            m_painter.setFont(m_title);
            m_painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, block.text);
            return;
        case BlockKind::Heading:
            m_painter.setFont(m_heading);
            m_painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                               block.text);
            return;
        case BlockKind::Text:
            m_painter.setFont(m_body);
            m_painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, block.text);
            return;
        case BlockKind::Chart:
            m_painter.setFont(m_body);
            PaintChart(m_painter, area,
                       {m_content.table, m_content.plan.retirementDate.GetYear(), m_content.ending,
                        ChartScenarios(m_content), m_content.band, AmountTitle()});
            return;
        case BlockKind::ItemRow: {
            const qreal cells = ItemCellsHeight(block.row);
            Cells(ItemCells(Item(block.row)), kItemColumns, top, cells, m_body);
            m_painter.setFont(m_small);
            m_painter.drawText(QRectF(m_page.left() + DetailsIndent(), top + cells,
                                      m_page.width() - DetailsIndent(), height - cells),
                               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                               Text(Item(block.row).details));
            return;
        }
        case BlockKind::ProjectionRow:
            Cells(ProjectionCells(m_content, block.row), kTableColumns, top, height, m_body);
            return;
        case BlockKind::ScenarioRow:
            Cells(ScenarioCells(*m_content.scenarios, block.row),
                  ScenarioColumns(*m_content.scenarios), top, height, m_body);
            return;
        }
    }

    // The page number, and on a page of amounts in today's money, which money they are in.
    void Footer(std::int32_t page, std::int32_t pages, bool amounts) {
        m_painter.setFont(m_body);
        const QRectF line(m_page.left(), m_page.bottom() - m_footerHeight / 2, m_page.width(),
                          m_footerHeight / 2);
        m_painter.drawText(line, Qt::AlignHCenter | Qt::AlignBottom,
                           QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages));
        if (amounts && m_content.todaysMoney)
            m_painter.drawText(line, Qt::AlignLeft | Qt::AlignBottom,
                               Text(TodaysMoneyTitle(m_content.todaysMoney->year)));
    }

    QString AmountTitle() const {
        return m_content.todaysMoney ? Text(TodaysMoneyTitle(m_content.todaysMoney->year))
                                     : QString();
    }

    QPdfWriter& m_writer;
    const ReportContent& m_content;
    const std::vector<ItemAssumption> m_items;
    QPainter m_painter;
    QRectF m_page;
    QFont m_body;
    QFont m_title;
    QFont m_heading;
    QFont m_bold;
    QFont m_small;
    qreal m_footerHeight = 0;
    qreal m_rowHeight = 0;
};

} // namespace

QString ReportTitle(const QString& planName) {
    return QStringLiteral("Orbelan projection: %1").arg(planName);
}

ReportContent MakeReportContent(const QString& title, const Plan& plan,
                                const ProjectionTable& table, const ChartEnding& ending,
                                const std::optional<TodaysMoneyNote>& todaysMoney,
                                const ReportRequest& request) {
    ReportContent content{title, plan, table, ending, todaysMoney, {}, {}, request.scenarios, {}};
    content.summary =
        GatherSummaryFacts(plan, table, ending.lastRowCovered, ending.limitYear, request.untilAge);
    content.summary.risk = request.risk;
    content.summary.goal = request.goal;
    if (request.risk)
        content.band = todaysMoney ? InTodaysMoney(request.risk->years, todaysMoney->inflation,
                                                   todaysMoney->year)
                                   : request.risk->years;
    if (todaysMoney) {
        content.table = InTodaysMoney(table, todaysMoney->inflation, todaysMoney->year);
        if (content.summary.reach.firstUncoveredYear)
            content.summary.unpaid =
                ShownInTodaysMoney(content.summary.unpaid, todaysMoney->inflation,
                                   *content.summary.reach.firstUncoveredYear, todaysMoney->year);
    }
    const QDate today = QDate::currentDate();
    content.madeOn = Text(MadeOnLine(today.year(), today.month(), today.day(), ORBELAN_VERSION));
    return content;
}

std::optional<QByteArray> ProjectionReportPdf(const ReportContent& content) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    auto writer = std::make_unique<QPdfWriter>(&buffer);
    writer->setTitle(content.title);
    writer->setCreator(QStringLiteral("Orbelan"));
    writer->setPageSize(PaperForLocale());
    writer->setPageMargins(
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter);
    writer->setResolution(kResolution);
    if (!HasHeadroom())
        return std::nullopt;
    auto printer = std::make_unique<ReportPrinter>(*writer, content);
    try {
        printer->Print();
        printer->Finish();
    } catch (const std::bad_alloc&) {
        // Qt's PDF writer cannot be taken down once it has run out of memory: its painter would
        // write the document's end from a destructor and throw again, which ends the program.
        // Painter and writer are left as they are, their memory lost, so that the user hears
        // what happened and keeps the plan.
        static_cast<void>(printer.release());
        static_cast<void>(writer.release());
        return std::nullopt;
    }
    printer.reset();
    writer.reset();
    return bytes;
}
