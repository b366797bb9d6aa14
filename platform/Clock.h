#pragma once

#include <QtGlobal>
#include <functional>

// Time for polls and timeouts. The program uses the system clock; tests use ManualClock so that
// a 10-second wait passes in no time.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start.
    virtual qint64 elapsedMs() = 0;
    // Waits a moment between two polls, without burning the processor.
    virtual void pause(int ms) = 0;

    static Clock& current();
    static void setCurrent(Clock* clock);
};

class SystemClock : public Clock {
public:
    SystemClock();
    qint64 elapsedMs() override;
    void pause(int ms) override;

private:
    qint64 startNs;
};

class ManualClock : public Clock {
public:
    qint64 elapsedMs() override { return now; }
    void pause(int ms) override;
    void advance(qint64 ms) { now += ms; }

    // Called after every pause with the new time; lets a test make a file appear later.
    std::function<void(qint64)> onPause;
    qint64 pauses = 0;

private:
    qint64 now = 0;
};
