#pragma once
// CBasicWindow: the base of every document window. It keeps the WindowState
// it was made from (its path follows every navigation), joins the window list
// while it exists, closes only when its background work allows it, and
// answers the system commands as the window modes require.

// Core
#include "core/app/WindowState.h"

// Framework
#include "ui/framework/MdiChild.h"

// Standard library
#include <string>

class CBasicWindow : public ui::MdiChild {
public:
    static constexpr UINT_PTR kCloseTimerId = 200;
    static constexpr UINT kCloseRetryMs = 500;

    explicit CBasicWindow(WindowState state) : m_state(std::move(state)) {}

    // Creates the window in the MDI client; false when it was not created.
    // The caller deletes the object then; afterwards it deletes itself.
    bool CreateDocument(HWND mdiClient);

    const WindowState& State() const { return m_state; }
    WindowKind Kind() const { return m_state.kind; }
    const std::string& Path() const { return m_state.path; }

    // True when no background work of the window runs.
    virtual bool CanCloseNow() const { return true; }
    virtual int GetIconIndex() const { return m_iconIndex; }
    // Whether the window is saved with the open windows at shutdown.
    virtual bool RememberAtExit() const { return false; }
    // A window that works out of sight (a rule run without its window): made
    // hidden, never activated, without a taskbar button.
    virtual bool StartsHidden() const { return false; }
    // The first target of commands while this window is active.
    virtual ui::CommandTarget* FirstCommandTarget() { return this; }
    ui::CommandTarget* NextCommandTarget() override;
    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(UINT id, ui::CommandState& state) override;

protected:
    bool OnCreate() override;
    void OnDestroy() override;
    void OnClose() override;
    void OnTimer(UINT_PTR id) override;
    bool OnSysCommand(UINT command) override;
    // Selects the window's button on the taskbar.
    void OnSetFocus() override;
    void OnFinalMessage() override;
    // Asks the background work to stop, before a delayed close.
    virtual void CancelWork() {}
    void SetPath(const std::string& path) { m_state.path = path; }

    WindowState m_state;
    int m_iconIndex = -1;

private:
    void HideMinimizedWindows();
    bool m_creating = false;
    // The icon of the window's kind, from the taskbar's images.
    HICON m_smallIcon = nullptr;
};
