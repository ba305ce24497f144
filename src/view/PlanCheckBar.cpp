#include "view/PlanCheckBar.h"

#include "persist/CTessalyDoc.h"
#include "report/ControlWords.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

PlanCheckBar::PlanCheckBar(QWidget* parent)
    : QFrame(parent), m_text(new QLabel(this)), m_position(new QLabel(this)),
      m_fix(new QPushButton(QStringLiteral("Change..."), this)),
      m_next(new QPushButton(QStringLiteral("Next"), this)) {
    setObjectName(QStringLiteral("planCheckBar"));
    setAccessibleName(QString::fromUtf8(kPlanCheckName));
    setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);

    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size, size));
    m_text->setObjectName(QStringLiteral("planCheckText"));
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_position->setObjectName(QStringLiteral("planCheckPosition"));
    m_fix->setObjectName(QStringLiteral("planCheckFix"));
    m_fix->setToolTip(QString::fromUtf8(kFixProblemTip));
    m_next->setObjectName(QStringLiteral("planCheckNext"));
    m_next->setToolTip(QString::fromUtf8(kNextProblemTip));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 4, 6, 4);
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(m_text, 1);
    row->addWidget(m_position);
    row->addWidget(m_next);
    row->addWidget(m_fix);

    connect(m_fix, &QPushButton::clicked, this, [this] {
        if (m_shown < m_problems.size())
            emit fixRequested(m_problems[m_shown]);
    });
    connect(m_next, &QPushButton::clicked, this, [this] {
        m_shown = (m_shown + 1) % m_problems.size();
        ShowProblem();
    });
    hide();
}

void PlanCheckBar::OnInitialUpdate() {
    m_pPlanDoc = dynamic_cast<CTessalyDoc*>(GetDocument());
    ViewBase::OnInitialUpdate();
}

void PlanCheckBar::OnUpdate(ViewBase* /*sender*/, long /*hint*/) {
    Recheck();
}

void PlanCheckBar::Recheck() {
    m_problems = m_pPlanDoc != nullptr ? CheckPlan(m_pPlanDoc->m_plan) : std::vector<PlanProblem>{};
    m_shown = 0;
    ShowProblem();
}

void PlanCheckBar::ShowProblem() {
    setVisible(!m_problems.empty());
    if (m_problems.empty())
        return;
    m_text->setText(QString::fromUtf8(m_problems[m_shown].sentence));
    const bool several = m_problems.size() > 1;
    m_position->setVisible(several);
    m_next->setVisible(several);
    m_position->setText(QStringLiteral("%1 of %2").arg(m_shown + 1).arg(m_problems.size()));
}
