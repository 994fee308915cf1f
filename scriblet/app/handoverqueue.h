// The hand-overs of later starts, carried out one after the other in the order
// they arrived, and only while the running instance can take them: its main window
// is ready (start-up with its first-start dialogs is over) and no waited tool runs
// (input is blocked then, so a message box could never be answered). One that
// arrives while another is carried out (its message box is open, say) waits its turn.
// After each run of hand-overs a batch-done call lets the caller say in one message
// what the whole run had to say (thousands of starts naming a missing file give one box).
#pragma once

#include <QByteArray>
#include <QList>
#include <functional>

class HandOverQueue
{
public:
    using CanRun = std::function<bool()>;
    using Execute = std::function<void(const QByteArray &)>;

    using BatchDone = std::function<void()>;

    HandOverQueue(CanRun canRun, Execute execute, BatchDone batchDone = {});

    // Queues the message and carries out what can run now.
    void push(const QByteArray &message);
    // Carries out the queued messages while canRun() holds; call it when that changes.
    void drain();
    qsizetype pending() const { return m_pending.size(); }

private:
    CanRun m_canRun;
    Execute m_execute;
    BatchDone m_batchDone;
    QList<QByteArray> m_pending;
    bool m_draining = false;
};
