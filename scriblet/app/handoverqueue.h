// The hand-overs of later starts, carried out one after the other in the order
// they arrived, and only while the running instance can take them: its main window
// is ready (start-up with its first-start dialogs is over) and no waited tool runs
// (input is blocked then, so a message box could never be answered). One that
// arrives while another is carried out (its message box is open, say) waits its turn.
#pragma once

#include <QByteArray>
#include <QList>
#include <functional>

class HandOverQueue
{
public:
    using CanRun = std::function<bool()>;
    using Execute = std::function<void(const QByteArray &)>;

    HandOverQueue(CanRun canRun, Execute execute);

    // Queues the message and carries out what can run now.
    void push(const QByteArray &message);
    // Carries out the queued messages while canRun() holds; call it when that changes.
    void drain();
    qsizetype pending() const { return m_pending.size(); }

private:
    CanRun m_canRun;
    Execute m_execute;
    QList<QByteArray> m_pending;
    bool m_draining = false;
};
