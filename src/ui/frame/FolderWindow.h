#pragma once
// CFolderWindow: a document window with a files view above (or left of) the
// preview pane, and a status bar of its own that shows only while work runs.
// It hands file commands to its view and keeps the two status texts that the
// main frame shows.

// Core
#include "core/app/WindowState.h"
#include "core/folders/StatusTexts.h"

// Framework
#include "ui/framework/Splitter.h"
#include "ui/framework/StatusBar.h"

// Folders
#include "ui/folders/FilesView.h"

// Application
#include "ui/frame/BasicWindow.h"
#include "ui/frame/PreView.h"
#include "ui/frame/TabDropTarget.h"

// Standard library
#include <memory>
#include <string>

enum class PreviewMode { None = 0, Horizontal = 1, Vertical = 2 };

class CFolderWindow : public CBasicWindow {
public:
    explicit CFolderWindow(WindowState state) : CBasicWindow(std::move(state)) {}

    bool CanCloseNow() const override;
    virtual bool HasSelection() const;
    ui::CommandTarget* FirstCommandTarget() override;
    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(UINT id, ui::CommandState& state) override;

    CFilesView* View() const { return m_view.get(); }
    PreviewMode Preview() const { return m_previewMode; }
    void SetPreviewMode(PreviewMode mode);
    const ui::Splitter& Split() const { return m_splitter; }
    bool StatusBarVisible() const { return m_statusBar.Handle() && ::IsWindowVisible(m_statusBar); }
    // Recomputes and gives the texts of the main frame's panes 0 and 1.
    const FolderStatus& UpdateStatusTexts();
    const std::string& FreeSpaceText() const { return m_freeSpace; }

protected:
    bool OnCreate() override;
    void OnSize(UINT type, int width, int height) override;
    void OnSetFocus() override;
    void CancelWork() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The view of the window's kind.
    virtual std::unique_ptr<CFilesView> MakeView();
    // A drag passed on from the window's taskbar button: the effect the view's
    // drop rules give it, and the drop carried out by them. A view that takes
    // no drops answers none.
    virtual DWORD ViewDropEffect(const DragRequest&) { return DROPEFFECT_NONE; }
    virtual DWORD ViewDrop(const DragRequest&) { return DROPEFFECT_NONE; }
    void ShowStatusBar(bool show);
    void LayoutPanes();

    std::string m_freeSpace;
    ui::Splitter m_splitter;
    std::unique_ptr<CFilesView> m_view;
    ui::StatusBar m_statusBar;
    FolderStatus m_statusTexts;
    PreviewMode m_previewMode = PreviewMode::None;
    PreviewMode m_lastPreviewMode = PreviewMode::Horizontal;
    bool m_firstSize = true;

private:
    CPreView m_preView;
};
