// When to take a modified document's text for crash recovery: a short pause after
// typing stops, and never later than a longest delay while typing goes on, so that
// ten minutes of typing without a pause are not all at risk. Never on every key.
//
// Wiring: call textChanged() whenever a modified document's text changes, cancel()
// when it is saved, reverted or closed; the callback takes the snapshot and hands
// it to a RecoveryWriter.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

class RecoveryTimer : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultPauseMs = 2000;
    static constexpr int DefaultLongestDelayMs = 20000;

    explicit RecoveryTimer(std::function<void()> due, QObject *parent = nullptr);

    void setDelays(int pauseMs, int longestDelayMs);
    // The text changed: the callback runs pauseMs after the last change, at the latest
    // longestDelayMs after the first change it has not yet covered.
    void textChanged();
    // Nothing to do any more (saved, reverted, closed).
    void cancel();
    bool isPending() const { return m_timer.isActive(); }

private:
    std::function<void()> m_due;
    QTimer m_timer;
    QElapsedTimer m_since; // first change not yet covered
    int m_pauseMs = DefaultPauseMs;
    int m_longestMs = DefaultLongestDelayMs;
};
