#include "platform/recoverywriter.h"

#include <QMetaObject>
#include <chrono>

RecoveryWriter::RecoveryWriter(const QString &directory, QObject *parent)
    : QObject(parent), m_store(directory), m_thread([this] { run(); })
{
}

RecoveryWriter::~RecoveryWriter()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void RecoveryWriter::write(const RecoveryStore::Snapshot &snapshot)
{
    const QString id = snapshot.id();
    {
        std::lock_guard lock(m_mutex);
        if (!m_waiting.count(id))
            m_order.push_back(id);
        Request &r = m_waiting[id];
        r.remove = false;
        r.snapshot = snapshot;
        if (!r.snapshot.time.isValid())
            r.snapshot.time = QDateTime::currentDateTimeUtc(); // when the text was taken, not written
    }
    m_wake.notify_one();
}

void RecoveryWriter::remove(const QString &id)
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_waiting.count(id))
            m_order.push_back(id);
        Request &r = m_waiting[id];
        r.remove = true;
        r.snapshot = RecoveryStore::Snapshot(); // drops the text at once
    }
    m_wake.notify_one();
}

bool RecoveryWriter::flush(int timeoutMs)
{
    std::unique_lock lock(m_mutex);
    return m_idle.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return m_order.empty() && !m_busy; });
}

void RecoveryWriter::run()
{
    std::unique_lock lock(m_mutex);
    while (true) {
        m_wake.wait(lock, [this] { return m_stop || !m_order.empty(); });
        if (m_order.empty())
            return; // stop, and nothing left to do
        const QString id = m_order.front();
        m_order.pop_front();
        const Request request = std::move(m_waiting[id]);
        m_waiting.erase(id);
        m_busy = true;
        lock.unlock();

        FileError error;
        const bool ok = request.remove ? m_store.remove(id, &error) : m_store.write(request.snapshot, &error);
        // Signals go out on the writer's own thread, by way of its event queue.
        QMetaObject::invokeMethod(this, [this, id, ok, error, removal = request.remove] {
            if (!ok)
                emit failed(id, error);
            else if (removal)
                emit removed(id);
            else
                emit written(id);
        }, Qt::QueuedConnection);

        lock.lock();
        m_busy = false;
        m_idle.notify_all();
    }
}
