#pragma once
// When the folder table is walked again: every N minutes (the "Refresh
// folders list every" setting), never while a walk still runs, never for N of
// 0 or less. Besides, the folder tree reports folders it saw come or go: after
// more than ten reports the walk starts at once, and the next timed walk
// comes a quarter of an hour later.

class FolderTableSchedule {
public:
    // Reports after which the walk starts at once, and the wait after such a walk.
    static constexpr int kChangesBeforeWalk = 10;
    static constexpr int kMinutesAfterChanges = 15;

    // One more minute has passed; true when a new walk should start now.
    bool MinutePassed(int refreshMinutes, bool walkRunning)
    {
        ++m_minutes;
        const int period = m_afterChanges ? kMinutesAfterChanges : refreshMinutes;
        return period > 0 && !walkRunning && m_minutes >= period;
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
