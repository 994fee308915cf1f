#include "app/handoverqueue.h"

HandOverQueue::HandOverQueue(CanRun canRun, Execute execute, BatchDone batchDone)
    : m_canRun(std::move(canRun))
    , m_execute(std::move(execute))
    , m_batchDone(std::move(batchDone))
{
}

void HandOverQueue::push(const QByteArray &message)
{
    m_pending.append(message);
    drain();
}

void HandOverQueue::drain()
{
    // A message box inside execute() runs an event loop in which more hand-overs
    // may arrive: they queue behind, and this loop takes them in order.
    if (m_draining)
        return;
    m_draining = true;
    while (!m_pending.isEmpty() && m_canRun()) {
        while (!m_pending.isEmpty() && m_canRun())
            m_execute(m_pending.takeFirst());
        // Its message box may let more arrive: they form the next batch.
        if (m_batchDone)
            m_batchDone();
    }
    m_draining = false;
}
