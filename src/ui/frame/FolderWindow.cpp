#include "ui/frame/FolderWindow.h"

// Core
#include "core/app/Settings.h"
#include "core/frame/WindowRules.h"

// Folders
#include "ui/folders/FolderMessages.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

namespace {

constexpr UINT kSplitterId = 1;
constexpr UINT kViewId = 2;
constexpr UINT kWindowStatusId = 3;

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }

PreviewMode ModeOf(int value)
{
    if (value == static_cast<int>(PreviewMode::Horizontal)) return PreviewMode::Horizontal;
    if (value == static_cast<int>(PreviewMode::Vertical)) return PreviewMode::Vertical;
    return PreviewMode::None;
}

}  // namespace

std::unique_ptr<CFilesView> CFolderWindow::MakeView() { return std::make_unique<CFilesView>(); }

bool CFolderWindow::OnCreate()
{
    if (!CBasicWindow::OnCreate()) return false;
    if (!m_statusBar.Create(Handle(), kWindowStatusId)) return false;
    ::ShowWindow(m_statusBar, SW_HIDE);
    if (!m_splitter.Create(Handle(), kSplitterId)) return false;
    m_view = MakeView();
    m_view->SetNextCommandTarget(this);
    if (!m_view->Create(m_splitter.Handle(), kViewId) || !m_preView.Create(m_splitter.Handle())) return false;
    m_splitter.SetPanes(m_view->Handle(), m_preView.Handle());
    SetPreviewMode(ModeOf(Settings().GetSetting(Setting::PreviewMode)));
    return true;
}

void CFolderWindow::SetPreviewMode(PreviewMode mode)
{
    m_previewMode = mode;
    if (mode != PreviewMode::None) m_lastPreviewMode = mode;
    m_splitter.SetVertical(mode == PreviewMode::Vertical);
    LayoutPanes();
}

void CFolderWindow::LayoutPanes()
{
    RECT client;
    ::GetClientRect(m_splitter.Handle(), &client);
    if (m_previewMode == PreviewMode::None) m_splitter.SetFirstSize(-1);
    else m_splitter.SetFirstSize((m_previewMode == PreviewMode::Vertical ? client.right : client.bottom) / 2);
}

void CFolderWindow::OnSize(UINT type, int width, int height)
{
    if (type == SIZE_MINIMIZED || !m_splitter.Handle()) return;
    int bottom = height;
    if (StatusBarVisible()) {
        ::SendMessageA(m_statusBar, WM_SIZE, 0, 0);
        RECT bar;
        ::GetWindowRect(m_statusBar, &bar);
        bottom -= bar.bottom - bar.top;
    }
    ::MoveWindow(m_splitter.Handle(), 0, 0, width, bottom > 0 ? bottom : 0, TRUE);
    if (m_firstSize) {
        m_firstSize = false;
        LayoutPanes();
    }
}

void CFolderWindow::ShowStatusBar(bool show)
{
    ::ShowWindow(m_statusBar, show ? SW_SHOW : SW_HIDE);
    RECT client;
    ::GetClientRect(Handle(), &client);
    OnSize(SIZE_RESTORED, client.right, client.bottom);
}

void CFolderWindow::OnSetFocus()
{
    CBasicWindow::OnSetFocus();
    if (m_view) ::SetFocus(m_view->List().Handle());
    if (Settings().GetSetting(Setting::ArrangeMode) == static_cast<int>(ArrangeMode::Maximize) && !::IsZoomed(Handle()))
        ::SendMessageA(::GetParent(Handle()), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(Handle()), 0);
}

bool CFolderWindow::CanCloseNow() const { return !m_view || (!m_view->HasWorker() && !m_view->HasIconThread()); }

bool CFolderWindow::HasSelection() const { return m_view && m_view->List().SelectedCount() > 0; }

void CFolderWindow::CancelWork()
{
    if (m_view) m_view->CancelWork();
}

ui::CommandTarget* CFolderWindow::FirstCommandTarget()
{
    return m_view ? static_cast<ui::CommandTarget*>(m_view.get()) : this;
}

const FolderStatus& CFolderWindow::UpdateStatusTexts()
{
    if (m_view) m_statusTexts = m_view->Status(m_freeSpace);
    return m_statusTexts;
}

bool CFolderWindow::OnCommand(UINT id)
{
    if (id >= ID_VIEW_PREVIEW_FIRST && id <= ID_VIEW_PREVIEW_LAST) {
        SetPreviewMode(ModeOf(static_cast<int>(id - ID_VIEW_PREVIEW_FIRST)));
        return true;
    }
    if ((id == ID_EDIT_SELECT_ALL || id == ID_EDIT_INVERT_SELECTION) && m_view) return m_view->OnCommand(id);
    return CBasicWindow::OnCommand(id);
}

bool CFolderWindow::OnUpdateCommand(UINT id, ui::CommandState& state)
{
    if (id >= ID_VIEW_PREVIEW_FIRST && id <= ID_VIEW_PREVIEW_LAST) {
        state.radio = true;
        state.checked = static_cast<int>(m_previewMode) == static_cast<int>(id - ID_VIEW_PREVIEW_FIRST);
        return true;
    }
    return CBasicWindow::OnUpdateCommand(id, state);
}

LRESULT CFolderWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case UWM_PREVIEWCHANGED: {
        const PreviewMode global = ModeOf(Settings().GetSetting(Setting::PreviewMode));
        if (global != m_previewMode) SetPreviewMode(global);
        return 0;
    }
    case UWM_COLORSCHANGED:
        if (m_view) {
            const bool own = Settings().GetSetting(Setting::DifferentiateFolders) != 0;
            const COLORREF color = own ? static_cast<COLORREF>(Settings().GetSetting(Setting::PersonalFolderColor))
                                       : ::GetSysColor(COLOR_WINDOW);
            ListView_SetBkColor(m_view->List().Handle(), color);
            ListView_SetTextBkColor(m_view->List().Handle(), color);
            ::InvalidateRect(m_view->List().Handle(), nullptr, TRUE);
        }
        return 0;
    case UWM_VIEWFORWARD1:
    case UWM_VIEWFORWARD2:
    // The files view's font and look follow the settings; the view applies them.
    case UWM_TEXTCOLORCHANGED:
    case UWM_APPEARANCECHANGED:
        return m_view ? ::SendMessageA(m_view->Handle(), message, wParam, lParam) : 0;
    case UWM_FOCUSFILES:
        if (m_view) ::SetFocus(m_view->List().Handle());
        return 0;
    case UWM_VIEWCOMMAND:
        if (m_view) ui::RouteCommand(m_view.get(), static_cast<UINT>(wParam));
        return 0;
    case UWM_DRAGOVER: {
        // The user is dropping on this window: the program comes forward.
        HWND frame = CTrailmarkApp::Instance()->MainWindow();
        ::SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ::SetForegroundWindow(frame);
        const auto* request = reinterpret_cast<const DragRequest*>(lParam);
        return request && m_view ? ViewDropEffect(*request) : DROPEFFECT_NONE;
    }
    case UWM_DROP: {
        const auto* request = reinterpret_cast<const DragRequest*>(wParam);
        return request && m_view ? ViewDrop(*request) & kDropAnswerMask : DROPEFFECT_NONE;
    }
    default:
        return CBasicWindow::WindowProc(message, wParam, lParam);
    }
}
