#include "print/ProjectionReport.h"

#include "print/AmountText.h"
#include "print/ChartPainter.h"
#include "report/PageLayout.h"
#include "report/ProjectionColumns.h"
#include "report/TodaysMoneyTable.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>

#include <array>
#include <cstddef>
#include <memory>
#include <new>
#include <vector>

namespace {

constexpr int kResolution = 300;
constexpr qreal kMarginMillimetres = 15;
constexpr qreal kChartMillimetres = 100;
// The summary names this many items of a kind; the items table below lists them all.
constexpr std::size_t kNamesInSummary = 12;

enum class BlockKind { Title, Text, Heading, Chart, ItemRow, ProjectionRow };
enum Table : std::int32_t { kItemsTable = 0, kProjectionTable = 1 };

struct Block {
    BlockKind kind;
    QString text;
    // The row of the items or the projection table.
    std::int32_t row = 0;
};

struct Column {
    QString heading;
    qreal share;
    Qt::Alignment alignment;
};

const std::array kItemColumns{
    Column{QStringLiteral("Item"), 0.34, Qt::AlignLeft},
    Column{QStringLiteral("Kind"), 0.12, Qt::AlignLeft},
    Column{QStringLiteral("Initial amount"), 0.18, Qt::AlignRight},
    Column{QStringLiteral("Annual amount"), 0.18, Qt::AlignRight},
    Column{QStringLiteral("Years"), 0.18, Qt::AlignRight},
};

// The projection's columns under the headings every table of it shows.
const std::array kTableColumns{
    Column{QLatin1StringView(kProjectionColumns[0]), 0.12, Qt::AlignLeft},
    Column{QLatin1StringView(kProjectionColumns[1]), 0.22, Qt::AlignRight},
    Column{QLatin1StringView(kProjectionColumns[2]), 0.22, Qt::AlignRight},
    Column{QLatin1StringView(kProjectionColumns[3]), 0.22, Qt::AlignRight},
    Column{QLatin1StringView(kProjectionColumns[4]), 0.22, Qt::AlignRight},
};

QString Rate(float rate) {
    return QLocale().toString(rate, 'g', 6) + QStringLiteral(" %");
}

QString Years(const PlanDate& start, const PlanDate& end) {
    if (!start.IsValid() || !end.IsValid())
        return QString();
    return QStringLiteral("%1 to %2").arg(start.GetYear()).arg(end.GetYear());
}

template <typename Item> QString Names(const std::vector<Item>& items) {
    QStringList names;
    for (std::size_t i = 0; i < items.size() && i < kNamesInSummary; ++i)
        names.append(QString::fromStdString(items[i].name));
    QString text = names.join(QStringLiteral(", "));
    if (items.size() > kNamesInSummary)
        text += QStringLiteral(" and %1 more").arg(items.size() - kNamesInSummary);
    return text;
}

QString MoneyText(const ReportContent& content) {
    if (!content.todaysMoney)
        return QStringLiteral("Amounts as projected, in the money of each year.");
    return QStringLiteral("Amounts in today's money: in %1 money, at %2 inflation a year.")
        .arg(content.todaysMoney->year)
        .arg(Rate(content.todaysMoney->inflation));
}

QString EndingText(const ReportContent& content) {
    const ProjectionTable& table = content.table;
    if (table.rowCount == 0)
        return QStringLiteral("No year was projected: no income item starts with a positive "
                              "amount.");
    const std::int32_t lastYear = table.firstYear + table.rowCount - 1;
    if (content.ending.limitYear)
        return QStringLiteral("The projection stops at the calculation limit in %1.")
            .arg(*content.ending.limitYear);
    if (!content.ending.lastRowCovered)
        return QStringLiteral("%1: expenses not fully paid.").arg(lastYear);
    return QStringLiteral("Every year from %1 to %2 is paid in full.")
        .arg(table.firstYear)
        .arg(lastYear);
}

QString PlanText(const Plan& plan) {
    const QString born = plan.birthDate.IsValid()
                             ? QStringLiteral("Born %1").arg(plan.birthDate.GetYear())
                             : QStringLiteral("No birth date entered");
    return QStringLiteral("%1, retiring at %2 in %3. Income tax %4 before retirement, %5 after.")
        .arg(born)
        .arg(plan.retirementAge)
        .arg(plan.retirementDate.GetYear())
        .arg(Rate(plan.taxRateBefore), Rate(plan.taxRateAfter));
}

std::vector<Block> ReportBlocks(const ReportContent& content) {
    const Plan& plan = content.plan;
    std::vector<Block> blocks{
        {BlockKind::Title, content.title},
        {BlockKind::Text, MoneyText(content)},
        {BlockKind::Text, EndingText(content)},
        {BlockKind::Heading, QStringLiteral("Plan")},
        {BlockKind::Text, PlanText(plan)},
        {BlockKind::Text, QStringLiteral("Income items: %1.").arg(Names(plan.incomes))},
        {BlockKind::Text, QStringLiteral("Expense items: %1.").arg(Names(plan.expenses))},
    };
    const auto items = static_cast<std::int32_t>(plan.incomes.size() + plan.expenses.size());
    for (std::int32_t i = 0; i < items; ++i)
        blocks.push_back({BlockKind::ItemRow, QString(), i});
    if (content.table.rowCount > 0) {
        blocks.push_back({BlockKind::Heading, QStringLiteral("Chart")});
        blocks.push_back({BlockKind::Chart, QString()});
    }
    blocks.push_back({BlockKind::Heading, QStringLiteral("Projection")});
    for (std::int32_t r = 0; r < content.table.rowCount; ++r)
        blocks.push_back({BlockKind::ProjectionRow, QString(), r});
    return blocks;
}

QStringList ItemCells(const Plan& plan, std::int32_t index) {
    const auto incomes = static_cast<std::int32_t>(plan.incomes.size());
    if (index < incomes) {
        const IncomeItem& item = plan.incomes[static_cast<std::size_t>(index)];
        return {QString::fromStdString(item.name), QStringLiteral("Income"),
                AmountText(item.initialAmount), AmountText(item.annualAmount),
                Years(item.annualStart, item.annualEnd)};
    }
    const ExpenseItem& item = plan.expenses[static_cast<std::size_t>(index - incomes)];
    return {QString::fromStdString(item.name), QStringLiteral("Expense"),
            AmountText(item.initialAmount), AmountText(item.annualAmount),
            Years(item.annualStart, item.annualEnd)};
}

QStringList ProjectionCells(const ProjectionTable& table, std::int32_t r) {
    const ProjectionRow& row = table.rows[static_cast<std::size_t>(r)];
    return {QString::number(table.firstYear + r), AmountText(row.income),
            AmountText(row.totalAssets), AmountText(row.availableAssets),
            AmountText(row.withdrawals)};
}

QPageSize PaperForLocale() {
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize(QPageSize::Letter)
                                                                      : QPageSize(QPageSize::A4);
}

// Draws and measures the report on one writer.
class ReportPrinter {
public:
    ReportPrinter(QPdfWriter& writer, const ReportContent& content)
        : m_writer(writer), m_content(content), m_painter(&writer),
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
        m_footerHeight = Metrics(m_body).height() * 2;
        m_rowHeight = Metrics(m_body).height() * 1.4;
    }

    void Print() {
        const std::vector<Block> blocks = ReportBlocks(m_content);
        std::vector<LayoutBlock> layout;
        for (const Block& block : blocks)
            layout.push_back({Height(block), TableOf(block), block.kind == BlockKind::Heading});
        const std::vector<PlacedBlock> placed =
            LayOutPages(layout, m_page.height() - m_footerHeight, m_rowHeight);
        const std::int32_t pages = placed.empty() ? 1 : placed.back().page + 1;
        std::int32_t page = 0;
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            while (page < placed[i].page) {
                Footer(page, pages);
                m_writer.newPage();
                ++page;
            }
            qreal top = m_page.top() + placed[i].top;
            if (placed[i].headingsAbove) {
                Headings(blocks[i], top);
                top += m_rowHeight;
            }
            Draw(blocks[i], top, layout[i].height);
        }
        Footer(page, pages);
    }

    // Writes the end of the document, which may need memory too: a painter that the destructor
    // ends could throw where nothing may.
    void Finish() { m_painter.end(); }

private:
    QFontMetricsF Metrics(const QFont& font) const { return QFontMetricsF(font, &m_writer); }

    static std::int32_t TableOf(const Block& block) {
        if (block.kind == BlockKind::ItemRow)
            return kItemsTable;
        if (block.kind == BlockKind::ProjectionRow)
            return kProjectionTable;
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
            return std::max(m_rowHeight,
                            TextHeight(m_body, ItemCells(m_content.plan, block.row).front()) * 1.2);
        case BlockKind::ProjectionRow:
            return m_rowHeight;
        }
        return 0;
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

    void Headings(const Block& block, qreal top) {
        QStringList headings;
        const auto columns = [&](const auto& table) {
            for (const Column& column : table)
                headings.append(column.heading);
            Cells(headings, table, top, m_rowHeight, m_bold);
        };
        if (block.kind == BlockKind::ItemRow)
            columns(kItemColumns);
        else
            columns(kTableColumns);
        m_painter.drawLine(QPointF(m_page.left(), top + m_rowHeight),
                           QPointF(m_page.right(), top + m_rowHeight));
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
            PaintChart(
                m_painter, area,
                {m_content.table, m_content.plan.retirementDate.GetYear(), m_content.ending});
            return;
        case BlockKind::ItemRow:
            Cells(ItemCells(m_content.plan, block.row), kItemColumns, top, height, m_body);
            return;
        case BlockKind::ProjectionRow:
            Cells(ProjectionCells(m_content.table, block.row), kTableColumns, top, height, m_body);
            return;
        }
    }

    void Footer(std::int32_t page, std::int32_t pages) {
        m_painter.setFont(m_body);
        m_painter.drawText(QRectF(m_page.left(), m_page.bottom() - m_footerHeight / 2,
                                  m_page.width(), m_footerHeight / 2),
                           Qt::AlignHCenter | Qt::AlignBottom,
                           QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages));
    }

    QPdfWriter& m_writer;
    const ReportContent& m_content;
    QPainter m_painter;
    QRectF m_page;
    QFont m_body;
    QFont m_title;
    QFont m_heading;
    QFont m_bold;
    qreal m_footerHeight = 0;
    qreal m_rowHeight = 0;
};

} // namespace

QString ReportTitle(const QString& planName) {
    return QStringLiteral("Orbelan projection: %1").arg(planName);
}

ReportContent MakeReportContent(const QString& title, const Plan& plan,
                                const ProjectionTable& table, const ChartEnding& ending,
                                const std::optional<TodaysMoneyNote>& todaysMoney) {
    ReportContent content{title, plan, table, ending, todaysMoney};
    if (todaysMoney)
        content.table = InTodaysMoney(table, todaysMoney->inflation, todaysMoney->year);
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
