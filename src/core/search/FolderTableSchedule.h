#pragma once
// When the folder table is walked again. A timer ticks every N minutes (the
// "Refresh folders list every" setting; never for N of 0 or less); at a tick
// the walk starts only when the folder tree has reported folders come or go
// since the last walk and nothing else is searching: with no report there is
// nothing new to find. After more than ten reports the walk starts at once,
// and the next tick comes a quarter of an hour later.

class FolderTableSchedule {
public:
    // Reports after which the walk starts at once, and the wait after such a walk.
    static constexpr int kChangesBeforeWalk = 10;
    static constexpr int kMinutesAfterChanges = 15;

    // One more minute has passed; true when a new walk should start now.
    // `busy`: a walk or a search runs.
    bool MinutePassed(int refreshMinutes, bool busy)
    {
        ++m_minutes;
        const int period = m_afterChanges ? kMinutesAfterChanges : refreshMinutes;
        if (period <= 0 || m_minutes < period) return false;
        // The tick: the next one is a period away whether or not a walk starts.
        m_minutes = 0;
        m_afterChanges = false;
        return !busy && m_changes > 0;
    }
    // The folder tree saw folders come or go; true when the walk should start now.
    bool FoldersChanged(bool walkRunning)
    {
        ++m_changes;
        return !walkRunning && m_changes > kChangesBeforeWalk;
    }
    // A walk started: the counts begin again. `byChanges`: the reports started it.
    void WalkStarted(bool byChanges = false)
    {
        m_minutes = 0;
        m_changes = 0;
        m_afterChanges = byChanges;
    }
    int Minutes() const { return m_minutes; }
    int Changes() const { return m_changes; }

private:
    int m_minutes = 0;
    int m_changes = 0;
    bool m_afterChanges = false;  // the last walk was started by the reports
};
