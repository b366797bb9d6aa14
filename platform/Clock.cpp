#include "platform/Clock.h"

#include <QDeadlineTimer>
#include <QThread>

namespace {
Clock* currentClock = nullptr;

qint64 monotonicNs() {
    return QDeadlineTimer::current().deadlineNSecs();
}
} // namespace

Clock& Clock::current() {
    if (currentClock == nullptr) {
        static SystemClock fallback;
        currentClock = &fallback;
    }
    return *currentClock;
}

void Clock::setCurrent(Clock* clock) {
    currentClock = clock;
}

SystemClock::SystemClock() : startNs(monotonicNs()) {}

qint64 SystemClock::elapsedMs() {
    return (monotonicNs() - startNs) / 1000000;
}

void SystemClock::pause(int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
}

void ManualClock::pause(int ms) {
    now += ms;
    ++pauses;
    if (onPause) {
        onPause(now);
    }
}
