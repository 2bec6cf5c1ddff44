#include "ui/framework/PropertySheet.h"

// Framework
#include "ui/framework/Application.h"

// Standard library
#include <algorithm>

namespace ui {
namespace {

// PropertySheetA's callback has no parameter of its own: the sheet being built
// is remembered for the thread while PropertySheetA runs.
thread_local PropertySheet* t_building = nullptr;

// The first words of an extended dialog template: version 1, then 0xFFFF.
constexpr WORD kExtendedTemplateSignature = 0xFFFF;

struct ExtendedTemplateHead {
    WORD version;
    WORD signature;
    DWORD helpId;
    DWORD exStyle;
    DWORD style;
};

}  // namespace

void PropertyPage::EnableSheetOK(bool enable)
{
    ::EnableWindow(::GetDlgItem(Sheet(), IDOK), enable ? TRUE : FALSE);
}

bool PropertyPage::OnSheetNotify(const NMHDR& header)
{
    if (header.hwndFrom != Sheet()) return false;
    LONG_PTR result = 0;
    switch (header.code) {
    case PSN_SETACTIVE:
        OnSetActive();
        break;
    case PSN_KILLACTIVE:
        result = OnKillActive() ? FALSE : TRUE;
        break;
    case PSN_APPLY: {
        const bool accepted = OnApply();
        if (m_owner) m_owner->m_accepted = accepted;
        result = accepted ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        break;
    }
    case PSN_RESET:
        if (m_owner) m_owner->m_accepted = false;
        OnReset();
        break;
    case PSN_QUERYCANCEL:
        result = OnQueryCancel() ? FALSE : TRUE;
        break;
    default:
        return false;
    }
    ::SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, result);
    return true;
}

INT_PTR CALLBACK PropertyPage::StaticPageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* page = static_cast<PropertyPage*>(Window::FromHandle(hwnd));
    if (message == WM_INITDIALOG) {
        const auto* sheetPage = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
        page = reinterpret_cast<PropertyPage*>(sheetPage->lParam);
        page->Attach(hwnd);
        return page->OnInitDialog();
    }
    if (!page) return FALSE;
    INT_PTR result = FALSE;
    if (message == WM_COMMAND)
        result = page->OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    else if (message == WM_NOTIFY && page->OnSheetNotify(*reinterpret_cast<const NMHDR*>(lParam)))
        result = TRUE;
    else
        result = page->DialogProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) page->Detach();
    return result;
}

void PropertySheet::AddPage(PropertyPage& page)
{
    page.m_owner = this;
    m_pages.push_back(&page);
}

INT_PTR PropertySheet::DoModal(HWND parent)
{
    const HINSTANCE instance = Application::Instance()->InstanceHandle();
    std::vector<PROPSHEETPAGEA> pages(m_pages.size());
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        PROPSHEETPAGEA& page = pages[i];
        page = {};
        page.dwSize = sizeof(page);
        page.dwFlags = PSP_DEFAULT;
        page.hInstance = instance;
        page.pszTemplate = MAKEINTRESOURCEA(m_pages[i]->m_templateId);
        page.pfnDlgProc = PropertyPage::StaticPageProc;
        page.lParam = reinterpret_cast<LPARAM>(m_pages[i]);
    }

    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK | (m_applyButton ? 0 : PSH_NOAPPLYNOW);
    header.hwndParent = parent;
    header.hInstance = instance;
    header.pszCaption = m_title.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.ppsp = pages.data();
    header.nStartPage = m_startPage >= 0 && static_cast<std::size_t>(m_startPage) < pages.size()
                            ? static_cast<UINT>(m_startPage) : 0;
    header.pfnCallback = SheetCallback;

    m_accepted = false;
    PropertySheet* outer = t_building;
    t_building = this;
    const INT_PTR result = ::PropertySheetA(&header);
    t_building = outer;
    // The return value of PropertySheetA differs between versions when nothing
    // was changed; what the pages answered to OK is what counts.
    return result >= 0 && m_accepted ? IDOK : IDCANCEL;
}

void PropertySheet::EnableOK(bool enable)
{
    ::EnableWindow(::GetDlgItem(Handle(), IDOK), enable ? TRUE : FALSE);
}

int CALLBACK PropertySheet::SheetCallback(HWND hwnd, UINT message, LPARAM lParam)
{
    PropertySheet* sheet = t_building;
    if (!sheet) return 0;
    if (message == PSCB_PRECREATE && lParam)
        sheet->AddContextHelpStyle(reinterpret_cast<void*>(lParam));
    else if (message == PSCB_INITIALIZED)
        sheet->Subclass(hwnd);
    return 0;
}

void PropertySheet::AddContextHelpStyle(void* dialogTemplate) const
{
    if (!m_contextHelp) return;
    auto* extended = static_cast<ExtendedTemplateHead*>(dialogTemplate);
    if (extended->signature == kExtendedTemplateSignature)
        extended->exStyle |= WS_EX_CONTEXTHELP;
    else
        static_cast<DLGTEMPLATE*>(dialogTemplate)->dwExtendedStyle |= WS_EX_CONTEXTHELP;
}

LRESULT PropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The sheet would open at its owner's corner, over a maximized frame's menu.
    if (message == WM_SHOWWINDOW && wParam && !m_placed) {
        m_placed = true;
        CenterOverOwner();
    }
    return Window::WindowProc(message, wParam, lParam);
}

void PropertySheet::CenterOverOwner()
{
    RECT area = {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT around = area;
    if (HWND owner = ::GetWindow(Handle(), GW_OWNER))
        if (::IsWindowVisible(owner) && !::IsIconic(owner)) ::GetWindowRect(owner, &around);
    RECT sheet = {};
    ::GetWindowRect(Handle(), &sheet);
    const int width = sheet.right - sheet.left;
    const int height = sheet.bottom - sheet.top;
    int left = around.left + (around.right - around.left - width) / 2;
    int top = around.top + (around.bottom - around.top - height) / 2;
    left = std::max<int>(area.left, std::min<int>(left, area.right - width));
    top = std::max<int>(area.top, std::min<int>(top, area.bottom - height));
    ::SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PropertySheet::Subclass(HWND hwnd)
{
    SubclassControl(hwnd);
}

}  // namespace ui
