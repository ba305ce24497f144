#pragma once

#include "model/StopToken.h"

#include <QFutureWatcher>
#include <QObject>
#include <QtConcurrent/QtConcurrentRun>

#include <cstdint>
#include <functional>
#include <utility>

// Work that can take longer than a frame, run off the interface thread. A new run replaces the
// one before instead of queueing behind it: the old one is asked to stop and its result, should
// it still come, is dropped. The result reaches deliver on the interface thread. The work must
// own what it reads (a copy of the plan), since the interface goes on changing meanwhile.
template <typename Result> class LatestRun {
public:
    using Deliver = std::function<void(const Result&)>;

    // Results are delivered through watchers owned by the context: none reaches it once gone.
    LatestRun(QObject& context, Deliver deliver)
        : m_context(context), m_deliver(std::move(deliver)) {}
    LatestRun(const LatestRun&) = delete;
    LatestRun& operator=(const LatestRun&) = delete;
    ~LatestRun() { Cancel(); }

    template <typename Work> void Start(Work work) {
        Cancel();
        m_stop = StopSource();
        const std::uint64_t run = m_run;
        auto* watcher = new QFutureWatcher<Result>(&m_context);
        QObject::connect(
            watcher, &QFutureWatcherBase::finished, watcher,
            [this, watcher, run] {
                if (run == m_run)
                    m_deliver(watcher->result());
                watcher->deleteLater();
            });
        watcher->setFuture(QtConcurrent::run(
            [work = std::move(work), stop = m_stop.get_token()] { return work(stop); }));
    }

    // Asks the running work to stop and drops its result.
    void Cancel() {
        m_stop.request_stop();
        ++m_run;
    }

private:
    QObject& m_context;
    Deliver m_deliver;
    StopSource m_stop;
    std::uint64_t m_run = 0;
};
