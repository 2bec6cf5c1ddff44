#include "ui/dialogs/TipDlg.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"

// Framework
#include "ui/framework/Application.h"
#include "ui/framework/MessageBox.h"

// Resources
#include "res/resource.h"

// Standard library
#include <vector>

// Windows
#include <shellapi.h>

namespace {

constexpr COLORREF kTipBackground = RGB(255, 255, 0);
constexpr char kHeadingFace[] = "Times New Roman";
constexpr int kHeadingPoints = 16;
constexpr char kAboutPage[] = "Trailmark.htm";
// Where the panel lies, in dialog units.
constexpr RECT kPanelUnits = {7, 7, 189, 107};

bool IsPanelPart(int id)
{
    return id >= IDC_TIP_HEADING && id <= IDC_TIP_PICTURE;
}

HWND MainWindow()
{
    return ui::Application::Instance() ? ui::Application::Instance()->MainWindow() : nullptr;
}

}  // namespace

CTipDlg::CTipDlg(CSettingsStore& settings, const std::string& programDirectory)
    : ui::Dialog(IDD_TIP_OF_THE_DAY),
      m_settings(settings),
      m_tipFile(programDirectory + "\\" + kTipFileName),
      m_programDirectory(programDirectory),
      m_showAtStartup(settings.GetSetting(Setting::ShowTips) != 0),
      m_heading(ui::LoadString(IDS_DID_YOU_KNOW)),
      m_tips(settings.GetSetting(Setting::LastTip), [this](const std::string& key) {
          std::vector<char> text(kTipTextLimit + 1, '\0');
          ::GetPrivateProfileStringA(kTipSection, key.c_str(), "", text.data(), kTipTextLimit + 1,
                                     m_tipFile.c_str());
          return std::string(text.data());
      })
{
}

BOOL CTipDlg::OnInitDialog()
{
    m_background.Reset(::CreateSolidBrush(kTipBackground));
    HDC dc = ::GetDC(Handle());
    const int height = -::MulDiv(kHeadingPoints, ::GetDeviceCaps(dc, LOGPIXELSY), 72);
    ::ReleaseDC(Handle(), dc);
    m_headingFont.Reset(::CreateFontA(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_ROMAN, kHeadingFace));
    ::SendMessageA(Item(IDC_TIP_HEADING), WM_SETFONT, reinterpret_cast<WPARAM>(m_headingFont.Get()), FALSE);
    SetItemText(IDC_TIP_HEADING, m_heading);
    ::SendMessageA(Item(IDC_TIP_TEXT), WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(SYSTEM_FONT)), FALSE);
    ::CheckDlgButton(Handle(), IDC_TIP_AT_STARTUP, m_showAtStartup ? BST_CHECKED : BST_UNCHECKED);
    // Help has nothing to open when the program came without its help file.
    HMENU menu = MainWindow() ? ::GetMenu(MainWindow()) : nullptr;
    if (!menu || ::GetMenuState(menu, ID_HELP_FINDER, MF_BYCOMMAND) == static_cast<UINT>(-1))
        ::ShowWindow(Item(IDC_TIP_HELP), SW_HIDE);
    ShowNext();
    return FALSE;
}

bool CTipDlg::TipFileExists() const
{
    const DWORD attributes = ::GetFileAttributesA(m_tipFile.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void CTipDlg::ShowNext()
{
    if (!TipFileExists()) {
        ShowMissingFile();
        return;
    }
    m_tips.Next();
    ShowCurrent();
}

void CTipDlg::ShowPrevious()
{
    if (!TipFileExists()) {
        ShowMissingFile();
        return;
    }
    m_tips.Previous();
    ShowCurrent();
}

void CTipDlg::ShowCurrent()
{
    SetItemText(IDC_TIP_TEXT, m_tips.Text());
    ::EnableWindow(Item(IDC_TIP_NEXT), TRUE);
    const bool back = m_tips.CanGoBack();
    if (!back && ::GetFocus() == Item(IDC_TIP_PREVIOUS)) FocusClose();
    ::EnableWindow(Item(IDC_TIP_PREVIOUS), back);
    if (!back) FocusClose();
}

void CTipDlg::ShowMissingFile()
{
    SetItemText(IDC_TIP_TEXT, ui::LoadString(IDS_TIP_FILE_MISSING));
    FocusClose();
    ::EnableWindow(Item(IDC_TIP_NEXT), FALSE);
    ::EnableWindow(Item(IDC_TIP_PREVIOUS), FALSE);
}

void CTipDlg::FocusClose()
{
    ::SendMessageA(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDOK)), TRUE);
}

bool CTipDlg::OnCommand(int id, int code)
{
    if (code != BN_CLICKED) return ui::Dialog::OnCommand(id, code);
    switch (id) {
    case IDC_TIP_NEXT: ShowNext(); return true;
    case IDC_TIP_PREVIOUS: ShowPrevious(); return true;
    case IDC_TIP_HELP:
        ::PostMessageA(MainWindow(), WM_COMMAND, ID_HELP_FINDER, 0);
        return true;
    case IDC_TIP_WEB_LINK:
        ::PostMessageA(MainWindow(), WM_COMMAND, ID_HELP_WEB_SITE, 0);
        return true;
    case IDC_TIP_WHAT_IS: {
        const std::string page = m_programDirectory + "\\" + kAboutPage;
        ::ShellExecuteA(Handle(), "open", page.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
        return true;
    }
    default: return ui::Dialog::OnCommand(id, code);
    }
}

void CTipDlg::OnOK()
{
    m_settings.SetSetting(Setting::ShowTips, ::IsDlgButtonChecked(Handle(), IDC_TIP_AT_STARTUP) == BST_CHECKED);
    m_settings.SetSetting(Setting::LastTip, m_tips.NumberToStoreOnClose());
    End(IDOK);
}

void CTipDlg::OnCancel()
{
    m_settings.SetSetting(Setting::LastTip, m_tips.NumberToStoreOnCancel());
    End(IDCANCEL);
}

INT_PTR CTipDlg::DialogProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND) {
        // The yellow panel behind the heading and the text.
        HDC dc = reinterpret_cast<HDC>(wParam);
        RECT client = {};
        ::GetClientRect(Handle(), &client);
        ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
        RECT panel = kPanelUnits;
        ::MapDialogRect(Handle(), &panel);
        ::FillRect(dc, &panel, m_background.Get());
        ::SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, TRUE);
        return TRUE;
    }
    if (message == WM_CTLCOLORSTATIC) {
        const int id = ::GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
        if (IsPanelPart(id)) {
            ::SetBkColor(reinterpret_cast<HDC>(wParam), kTipBackground);
            ::SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
            return reinterpret_cast<INT_PTR>(m_background.Get());
        }
    }
    return ui::Dialog::DialogProc(message, wParam, lParam);
}
