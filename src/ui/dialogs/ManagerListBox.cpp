#include "ui/dialogs/ManagerListBox.h"

// Dialogs
#include "ui/dialogs/ManagerMessages.h"

namespace {

// Ctrl+A arrives as this character after its key.
constexpr WPARAM kControlA = 1;

bool ControlDown() { return (::GetKeyState(VK_CONTROL) & 0x8000) != 0; }

}  // namespace

void CManagerListBox::Subclass(HWND listBox)
{
    SubclassControl(listBox);
}

LRESULT CManagerListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN:
        if (OnKeyDown(static_cast<UINT>(wParam))) return 0;
        break;
    case WM_CHAR:
        // The list would take it for a search by the first letter.
        if (wParam == kControlA) return 0;
        break;
    case WM_LBUTTONDBLCLK: {
        const LRESULT result = DefaultProc(message, wParam, lParam);
        if (::SendMessageA(Handle(), LB_GETSELCOUNT, 0, 0) == 1) Notify(UWM_MGR_EDIT);
        return result;
    }
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

bool CManagerListBox::OnKeyDown(UINT key)
{
    switch (key) {
    case VK_INSERT: Notify(UWM_MGR_ADD); return true;
    case VK_DELETE: Notify(UWM_MGR_DELETE); return true;
    case VK_SPACE: Notify(UWM_MGR_TOGGLE); return true;
    case 'A':
        if (!ControlDown()) return false;
        // Posted: the selection changes after the key has been handled.
        ::PostMessageA(::GetParent(Handle()), UWM_MGR_SELECTALL, 0, 0);
        return true;
    case VK_UP:
        if (!ControlDown()) return false;
        Notify(UWM_MGR_MOVEUP);
        return true;
    case VK_DOWN:
        if (!ControlDown()) return false;
        Notify(UWM_MGR_MOVEDOWN);
        return true;
    default:
        return false;
    }
}

LRESULT CManagerListBox::Notify(UINT message) const
{
    return ::SendMessageA(::GetParent(Handle()), message, 0, 0);
}
