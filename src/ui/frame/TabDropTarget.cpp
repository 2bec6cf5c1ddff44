#include "ui/frame/TabDropTarget.h"

// Folders
#include "ui/folders/FolderMessages.h"

// Application
#include "ui/frame/BasicWindow.h"
#include "ui/frame/WindowTabs.h"

DWORD TabDropTarget::OnDragOver(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed, bool enter)
{
    (void)enter;
    return PassOn(UWM_DRAGOVER, data, keyState, point, allowed);
}

DWORD TabDropTarget::OnDrop(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed)
{
    return PassOn(UWM_DROP, data, keyState, point, allowed);
}

DWORD TabDropTarget::PassOn(UINT message, IDataObject* data, DWORD keyState, POINTL point, DWORD allowed)
{
    POINT client = {point.x, point.y};
    ::ScreenToClient(m_tabs.Handle(), &client);
    const int index = m_tabs.HitTest(client);
    const TaskbarButton* button = index >= 0 ? m_tabs.ButtonAt(index) : nullptr;
    if (!button || !button->window) return DROPEFFECT_NONE;
    HWND window = button->window->Handle();
    HWND documentArea = ::GetParent(window);
    if (!::IsZoomed(window) || !::IsWindowVisible(window)) {
        ::SendMessageA(documentArea, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(window), 0);
        ::SendMessageA(documentArea, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window), 0);
    }
    DragRequest request{data, keyState, point, allowed};
    const LPARAM address = reinterpret_cast<LPARAM>(&request);
    const LRESULT answer = message == UWM_DROP ? ::SendMessageA(window, message, static_cast<WPARAM>(address), 0)
                                               : ::SendMessageA(window, message, 0, address);
    // A window that takes no drags answers 0, which is no effect.
    return static_cast<DWORD>(answer & kDropAnswerMask) & allowed;
}
