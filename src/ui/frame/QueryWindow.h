#pragma once
// CQueryWindow: a window showing the results of a search, report or rule. It
// shows a run while it goes: a progress indicator or the folder being
// searched in bold, and a Stop button, in the window's status bar.

// Application
#include "ui/frame/FolderWindow.h"

// Standard library
#include <cstdint>
#include <string>

// The flag of a rule window that stays hidden while its rule runs.
inline constexpr std::uint8_t kHiddenRuleFlag = 1;

class CQueryWindow : public CFolderWindow {
public:
    static constexpr int kStopWidth = 100;

    explicit CQueryWindow(WindowState state);
    ~CQueryWindow() override;

    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(UINT id, ui::CommandState& state) override;

    bool StartsHidden() const override;
    bool Running() const { return m_running; }
    HWND StopButton() const { return m_stopButton; }
    HWND Progress() const { return m_progress; }
    std::string RunText() const;
    // The window's title and path (a search window is named by its start
    // time); the taskbar follows.
    void SetTitle(const std::string& title);

protected:
    bool OnCreate() override;
    void OnDestroy() override;
    void OnSize(UINT type, int width, int height) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    std::unique_ptr<CFilesView> MakeView() override;
    // Tells the view to stop its run.
    virtual void StopRun();

private:
    void RunStarted(int steps);
    // One status message, or `steps` folders told at once with the last one's text.
    void RunStep(const char* text, bool asIs, long steps = 1);
    void RunEnded();
    void PlaceRunControls();

    HFONT m_boldFont = nullptr;
    HWND m_stopButton = nullptr;
    HWND m_progress = nullptr;
    HICON m_stopIcon = nullptr;
    bool m_running = false;
};
