#include "ui/framework/Dialog.h"

// Framework
#include "ui/framework/Application.h"

// Standard library
#include <vector>

// Windows
#include <commctrl.h>

namespace ui {

INT_PTR Dialog::DoModal(HWND parent)
{
    m_modal = true;
    return ::DialogBoxParamA(Application::Instance()->InstanceHandle(),
                             MAKEINTRESOURCEA(m_templateId), parent, StaticDialogProc,
                             reinterpret_cast<LPARAM>(this));
}

bool Dialog::CreateModeless(HWND parent)
{
    m_modal = false;
    return ::CreateDialogParamA(Application::Instance()->InstanceHandle(),
                                MAKEINTRESOURCEA(m_templateId), parent, StaticDialogProc,
                                reinterpret_cast<LPARAM>(this)) != nullptr;
}

std::string Dialog::ItemText(int id) const
{
    HWND item = Item(id);
    std::vector<char> text(static_cast<std::size_t>(::GetWindowTextLengthA(item)) + 1);
    ::GetWindowTextA(item, text.data(), static_cast<int>(text.size()));
    return text.data();
}

void Dialog::ResetProgress(int id, long range)
{
    HWND bar = Item(id);
    ::SendMessageA(bar, PBM_SETRANGE32, 0, range);
    ::SendMessageA(bar, PBM_SETSTEP, 1, 0);
    ::SendMessageA(bar, PBM_SETPOS, 0, 0);
}

void Dialog::SetItemText(int id, const std::string& text)
{
    ::SetDlgItemTextA(Handle(), id, text.c_str());
}

bool Dialog::OnCommand(int id, int code)
{
    (void)code;
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

INT_PTR Dialog::DialogProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)message;
    (void)wParam;
    (void)lParam;
    return FALSE;
}

void Dialog::End(INT_PTR result)
{
    if (m_modal)
        ::EndDialog(Handle(), result);
    else
        ::DestroyWindow(Handle());
}

INT_PTR CALLBACK Dialog::StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* dialog = static_cast<Dialog*>(Window::FromHandle(hwnd));
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<Dialog*>(lParam);
        dialog->Attach(hwnd);
        return dialog->OnInitDialog();
    }
    if (!dialog) return FALSE;
    INT_PTR result = FALSE;
    if (message == WM_COMMAND)
        result = dialog->OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    else
        result = dialog->DialogProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) dialog->Detach();
    return result;
}

}  // namespace ui
