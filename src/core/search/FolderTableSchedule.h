#pragma once
// When the folder table is walked again: every N minutes (the "Refresh
// folders list every" setting), never while a walk still runs, never for N of
// 0 or less.

class FolderTableSchedule {
public:
    // One more minute has passed; true when a new walk should start now.
    bool MinutePassed(int refreshMinutes, bool walkRunning)
    {
        ++m_minutes;
        return refreshMinutes > 0 && !walkRunning && m_minutes >= refreshMinutes;
    }
    // A walk started: the count begins again.
    void WalkStarted() { m_minutes = 0; }
    int Minutes() const { return m_minutes; }

private:
    int m_minutes = 0;
};
