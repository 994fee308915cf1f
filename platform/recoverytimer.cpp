#include "platform/recoverytimer.h"

#include <utility>

RecoveryTimer::RecoveryTimer(std::function<void()> due, QObject *parent) : QObject(parent), m_due(std::move(due))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_since.invalidate();
        if (m_due)
            m_due();
    });
}

void RecoveryTimer::setDelays(int pauseMs, int longestDelayMs)
{
    m_pauseMs = pauseMs;
    m_longestMs = qMax(pauseMs, longestDelayMs);
}

void RecoveryTimer::textChanged()
{
    if (!m_since.isValid())
        m_since.start();
    const qint64 left = m_longestMs - m_since.elapsed();
    m_timer.start(int(qBound(qint64(0), qMin(qint64(m_pauseMs), left), qint64(m_pauseMs))));
}

void RecoveryTimer::cancel()
{
    m_timer.stop();
    m_since.invalidate();
}
