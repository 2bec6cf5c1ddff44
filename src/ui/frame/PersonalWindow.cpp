#include "ui/frame/PersonalWindow.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"

// Folders
#include "ui/folders/FolderMessages.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/TabDropTarget.h"

// Search
#include "ui/search/PersonalCommands.h"
#include "ui/search/PersonalView.h"

// Resources
#include "res/resource.h"

namespace {
// Taskbar images of a personal folder window: the plain one, and the one of
// a folder that keeps no criteria (it only holds what was put in it).
constexpr int kPersonalIcon = 0;
constexpr int kPersonalNoCriteriaIcon = 3;
}  // namespace

CPersonalWindow::CPersonalWindow(WindowState state, const void* personal)
    : CQueryWindow(std::move(state)),
      m_personal(static_cast<CPersonalFolder*>(const_cast<void*>(personal)))
{
    m_iconIndex = GetIconIndex();
}

int CPersonalWindow::GetIconIndex() const
{
    return m_personal && !m_personal->HasCriteria() ? kPersonalNoCriteriaIcon : kPersonalIcon;
}

CPersonalView* CPersonalWindow::PersonalView() const { return static_cast<CPersonalView*>(View()); }

std::unique_ptr<CFilesView> CPersonalWindow::MakeView() { return std::make_unique<CPersonalView>(this); }

bool CPersonalWindow::CanCloseNow() const
{
    return CQueryWindow::CanCloseNow() && !(m_personal && m_personal->RefreshPending() && View()->HasWorker());
}

bool CPersonalWindow::OnCreate()
{
    if (!CQueryWindow::OnCreate()) return false;
    ShowPersonalPageFor(m_personal);
    if (m_personal) {
        m_personal->window = this;
        PersonalView()->OpenFolder(m_personal);
    }
    return true;
}

void CPersonalWindow::OnDestroy()
{
    if (m_personal && m_personal->window == this) m_personal->window = nullptr;
    CQueryWindow::OnDestroy();
}

void CPersonalWindow::SwitchTo(CPersonalFolder* folder)
{
    if (!folder || folder == m_personal) return;
    if (m_personal && m_personal->window == this) m_personal->window = nullptr;
    m_personal = folder;
    folder->window = this;
    SetTitle(folder->Name());
    PersonalView()->OpenFolder(folder);
    ShowPersonalPageFor(folder);
}

DWORD CPersonalWindow::ViewDropEffect(const DragRequest& request)
{
    return PersonalView()->DropEffect(request.data, request.allowedEffects);
}

// Files dropped on the window's taskbar button join the personal folder.
DWORD CPersonalWindow::ViewDrop(const DragRequest& request)
{
    return PersonalView()->DropFiles(request.data, request.allowedEffects);
}

LRESULT CPersonalWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case UWM_NAVIGATE:
        SwitchTo(FindPersonalFolder(reinterpret_cast<const char*>(wParam)));
        return 0;
    default: break;
    }
    return CQueryWindow::WindowProc(message, wParam, lParam);
}

bool CPersonalWindow::OnCommand(UINT id)
{
    if (id == ID_GO_SYNCHRONIZE) {
        ShowPersonalPageFor(m_personal);
        return true;
    }
    return CQueryWindow::OnCommand(id);
}

bool CPersonalWindow::OnUpdateCommand(UINT id, ui::CommandState& state)
{
    if (id == ID_GO_SYNCHRONIZE) {
        state.enabled = m_personal != nullptr;
        return true;
    }
    return CQueryWindow::OnUpdateCommand(id, state);
}
