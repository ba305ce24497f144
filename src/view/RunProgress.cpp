#include "view/RunProgress.h"

#include "report/ControlWords.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int kAppearAfterMs = 300;
constexpr int kPollEveryMs = 100;

} // namespace

RunProgress::RunProgress(const QString& name, QWidget* parent)
    : QWidget(parent), m_done(std::make_shared<std::atomic<std::int32_t>>(0)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_bar = new QProgressBar(this);
    m_bar->setAccessibleName(name);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setAccessibleDescription(QString::fromUtf8(kCancelRunTip));
    layout->addWidget(m_bar, 1);
    layout->addWidget(m_cancel);
    m_appear = new QTimer(this);
    m_appear->setSingleShot(true);
    m_appear->setInterval(kAppearAfterMs);
    m_poll = new QTimer(this);
    m_poll->setInterval(kPollEveryMs);
    connect(m_appear, &QTimer::timeout, this, &QWidget::show);
    connect(m_poll, &QTimer::timeout, this,
            [this] { m_bar->setValue(m_done->load(std::memory_order_relaxed)); });
    connect(m_cancel, &QPushButton::clicked, this, &RunProgress::cancelClicked);
    hide();
}

std::function<void(std::int32_t)> RunProgress::Begin(std::int32_t total) {
    // A counter per run: a replaced run still counting cannot move the new run's bar.
    m_done = std::make_shared<std::atomic<std::int32_t>>(0);
    m_bar->setRange(0, total);
    m_bar->setValue(0);
    m_appear->start();
    m_poll->start();
    return [done = m_done](std::int32_t steps) { done->store(steps, std::memory_order_relaxed); };
}

void RunProgress::End() {
    m_appear->stop();
    m_poll->stop();
    hide();
}
