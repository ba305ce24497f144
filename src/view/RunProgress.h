#pragma once

#include <QWidget>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

class QProgressBar;
class QPushButton;
class QTimer;

// The progress of work running off the interface thread, with a button to cancel it. It shows
// only once the work has taken longer than a glance, so that quick answers do not flicker.
class RunProgress : public QWidget {
    Q_OBJECT

public:
    // name: what the bar counts, for screen readers ("Paths done").
    RunProgress(const QString& name, QWidget* parent = nullptr);

    // A new run of `total` steps. The returned callback takes the steps done so far and may be
    // called from any thread, as often as the work likes: the bar reads it a few times a second.
    std::function<void(std::int32_t)> Begin(std::int32_t total);
    // The run is over, whether finished, cancelled or replaced.
    void End();

signals:
    void cancelClicked();

private:
    QProgressBar* m_bar = nullptr;
    QPushButton* m_cancel = nullptr;
    QTimer* m_appear = nullptr;
    QTimer* m_poll = nullptr;
    std::shared_ptr<std::atomic<std::int32_t>> m_done;
};
