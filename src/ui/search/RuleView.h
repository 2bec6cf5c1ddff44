#pragma once
// CRuleView: the files view of a rule window. It holds its own copy of the
// rule, searches over its criteria (a "*.*" criteria without tests lists only
// its top folder) and carries out the rule's actions on what it found: when
// the user chooses Execute, or at once when the rule runs without its window.

// Core
#include "core/search/Rule.h"

// Search
#include "ui/search/ReportView.h"

class CRuleView : public CReportView {
public:
    explicit CRuleView(CQueryWindow* window) : CReportView(window), m_window(window) {}

    // Copies the rule and starts its search; false while a search runs. A
    // hidden rule's run reports to `progress`, which is told when it ends.
    bool OpenRule(const CRule& rule, bool hidden, HWND progress = nullptr);
    // The progress dialog is gone: the actions follow once the search has
    // ended (at once, unless Stop left it winding down).
    void ProgressClosed();
    // The running search's state word, which a progress dialog's Stop sets.
    StateWord SearchState() const { return m_job ? m_job->state : StateWord(); }
    const CRule& Rule() const { return m_rule; }
    bool Executed() const { return m_executed; }
    // Asks for each action and hands the items to the file operations, then
    // closes the window.
    void Execute();

    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(UINT id, ui::CommandState& state) override;

protected:
    void FillRequest(SearchRequest& request) const override;
    void OnWorkDone() override;
    CReport& EditedCopy() override { return m_rule; }

private:
    // False when the user declined to give the rule an action.
    bool EnsureAction();
    void ExecuteOnce();

    CQueryWindow* m_window;
    CRule m_rule;
    bool m_hidden = false;
    HWND m_progress = nullptr;  // the dialog a hidden run reports to while it is up
    bool m_executed = false;  // the automatic run happens once
};

// Opens a rule window titled with the rule's name and " Rule", hidden when
// the rule does not show its window, and starts its search; null when no
// window could be opened.
CQueryWindow* OpenRuleWindow(const CRule& rule);
// The Rules commands: opens the rule at `index` of the rules list.
bool OpenRuleAt(int index);
