// The longest gap between two turns of the event loop while it runs, as the clock
// on the wall sees it and as processor time of the window's thread ("work": what
// other programs on a busy machine cannot stretch). BENCH_GAPS=1 lists every gap
// over 30 ms on standard error.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace benchsupport {

// Processor time of the calling thread, in ms.
inline double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

class StepProbe
{
public:
    StepProbe()
    {
        // A precise tick every millisecond, not a busy loop: the loop may sleep
        // between events as it would for a user (and the probe takes no processor
        // a worker thread needs), while a stall still shows to the millisecond.
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const double now = elapsed();
            const double cpu = threadCpuMs();
            if ((now - m_last > 30 || cpu - m_lastCpu > 30) && qEnvironmentVariableIsSet("BENCH_GAPS"))
                std::fprintf(stderr, "stall %.1f ms (%.1f ms work), ending %.1f ms after the start\n", now - m_last,
                             cpu - m_lastCpu, now);
            m_longest = std::max(m_longest, now - m_last);
            m_longestCpu = std::max(m_longestCpu, cpu - m_lastCpu);
            m_last = now;
            m_lastCpu = cpu;
        });
    }
    void start()
    {
        m_longest = m_longestCpu = 0;
        m_clock.start();
        m_last = 0;
        m_lastCpu = threadCpuMs();
        m_timer.start(1);
    }
    // Longest step so far in ms, the gap up to now included.
    double longest() const { return std::max(m_longest, elapsed() - m_last); }
    double longestWork() const { return std::max(m_longestCpu, threadCpuMs() - m_lastCpu); }
    void stop() { m_timer.stop(); }

private:
    double elapsed() const { return double(m_clock.nsecsElapsed()) / 1e6; }

    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_last = 0;
    double m_lastCpu = 0;
    double m_longest = 0;
    double m_longestCpu = 0;
};

} // namespace benchsupport
