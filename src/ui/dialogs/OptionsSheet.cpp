#include "ui/dialogs/OptionsSheet.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"
#include "core/app/UserList.h"
#include "core/dialogs/OptionsRules.h"
#include "core/frame/WindowRules.h"
#include "core/search/EntryIndex.h"

// Framework
#include "ui/framework/FolderPicker.h"
#include "ui/framework/MessageBox.h"

// Dialogs
#include "ui/dialogs/RunProgram.h"

// Folders
#include "ui/folders/FolderMessages.h"
#include "ui/folders/Shell.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/BasicWindow.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/WindowList.h"

// Resources
#include "res/resource.h"

// Windows
#include <commdlg.h>

namespace {

constexpr int kMaxRecentFiles = 9;
constexpr int kMaxWindows = 15;
constexpr int kMinRefreshMinutes = 5;
constexpr int kMaxRefreshMinutes = 99;
constexpr int kTextLimit = MAX_PATH;

std::function<void(const std::set<int>&)>& ExplorerBarListener()
{
    static std::function<void(const std::set<int>&)> listener;
    return listener;
}

CMainFrame* Frame()
{
    return CTrailmarkApp::Instance() ? CTrailmarkApp::Instance()->MainFrame() : nullptr;
}

// Lets the user pick a colour for an owner-drawn colour button; false when cancelled.
bool PickColor(HWND owner, COLORREF& color)
{
    static COLORREF custom[16] = {};
    CHOOSECOLORA choose = {};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = owner;
    choose.rgbResult = color;
    choose.lpCustColors = custom;
    choose.Flags = CC_RGBINIT;
    if (!::ChooseColorA(&choose)) return false;
    color = choose.rgbResult;
    return true;
}

void DrawColorButton(const DRAWITEMSTRUCT& item, COLORREF color)
{
    RECT area = item.rcItem;
    ::DrawFrameControl(item.hDC, &area, DFC_BUTTON,
                       DFCS_BUTTONPUSH | ((item.itemState & ODS_SELECTED) ? DFCS_PUSHED : 0));
    ::InflateRect(&area, -4, -4);
    if (item.itemState & ODS_DISABLED) color = ::GetSysColor(COLOR_BTNFACE);
    HBRUSH brush = ::CreateSolidBrush(color);
    ::FillRect(item.hDC, &area, brush);
    ::DeleteObject(brush);
    ::FrameRect(item.hDC, &area, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        ::InflateRect(&focus, -2, -2);
        ::DrawFocusRect(item.hDC, &focus);
    }
}

// --- General -----------------------------------------------------------------

class CGeneralPage : public COptionsPage {
public:
    explicit CGeneralPage(CSettingsStore& settings)
        : COptionsPage(IDD_OPTIONS_GENERAL, settings,
                       {{IDC_OPT_OPEN_FOLDER, Setting::OpenStartupFolder},
                        {IDC_OPT_CONFIRM, Setting::ConfirmOperations},
                        {IDC_OPT_SPLASH, Setting::ShowSplash},
                        {IDC_OPT_TIPS, Setting::ShowTips},
                        {IDC_OPT_MENU_BITMAPS, Setting::MenuBitmaps},
                        {IDC_OPT_TRAY, Setting::MinimizeToTray}},
                       {{IDC_OPT_RECENT_COUNT, IDC_OPT_RECENT_SPIN, Setting::RecentFileCount, 0, kMaxRecentFiles,
                         ClampRecentFileCount}})
    {
    }

protected:
    void LoadExtra() override
    {
        std::string folder;
        Settings().GetTextSetting(Setting::StartupFolder, folder);
        ::SendMessageA(Item(IDC_OPT_STARTUP_FOLDER), EM_LIMITTEXT, kTextLimit, 0);
        SetItemText(IDC_OPT_STARTUP_FOLDER, folder);
        const bool prompt = Settings().GetSetting(Setting::PromptForUser) != 0;
        SetChecked(IDC_OPT_PROMPT_USER, prompt);
        SetChecked(IDC_OPT_USE_USER, !prompt);
        HWND users = Item(IDC_OPT_USER_LIST);
        if (CUserList* list = CTrailmarkApp::Instance()->Users()) {
            for (int i = 0; i < list->Count(); ++i)
                ::SendMessageA(users, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(list->At(i)->Name().c_str()));
        }
        ::SendMessageA(users, CB_SETCURSEL, static_cast<WPARAM>(Settings().GetSetting(Setting::DefaultUser)), 0);
        EnableParts();
    }

    bool OnCommand(int id, int code) override
    {
        if (code == BN_CLICKED && id == IDC_OPT_BROWSE_FOLDER) {
            const std::optional<std::string> folder = ui::PickFolder(
                Handle(), ui::LoadString(IDS_CHOOSE_FOLDER), ItemText(IDC_OPT_STARTUP_FOLDER));
            if (folder) SetItemText(IDC_OPT_STARTUP_FOLDER, *folder);
            return true;
        }
        if (code == BN_CLICKED) EnableParts();
        return COptionsPage::OnCommand(id, code);
    }

    bool OnKillActive() override
    {
        if (!Checked(IDC_OPT_OPEN_FOLDER) || shell::IsFolderPath(ItemText(IDC_OPT_STARTUP_FOLDER))) return true;
        ui::ShowMessage(Handle(), IDS_FOLDER_INVALID, MB_OK | MB_ICONSTOP);
        ::SetFocus(Item(IDC_OPT_STARTUP_FOLDER));
        return false;
    }

    void StoreExtra() override
    {
        Settings().SetTextSetting(Setting::StartupFolder, ItemText(IDC_OPT_STARTUP_FOLDER));
        Store(Setting::PromptForUser, Checked(IDC_OPT_PROMPT_USER) ? 1 : 0);
        const LRESULT user = ::SendMessageA(Item(IDC_OPT_USER_LIST), CB_GETCURSEL, 0, 0);
        if (user >= 0) Store(Setting::DefaultUser, static_cast<int>(user));
    }

private:
    void EnableParts()
    {
        const bool folder = Checked(IDC_OPT_OPEN_FOLDER);
        ::EnableWindow(Item(IDC_OPT_STARTUP_FOLDER), folder);
        ::EnableWindow(Item(IDC_OPT_BROWSE_FOLDER), folder);
        ::EnableWindow(Item(IDC_OPT_USER_LIST), Checked(IDC_OPT_USE_USER));
    }
};

// --- View --------------------------------------------------------------------

class CViewPage : public COptionsPage {
public:
    explicit CViewPage(CSettingsStore& settings)
        : COptionsPage(IDD_OPTIONS_VIEW, settings,
                       {{IDC_OPT_SAVE_DESKTOP, Setting::SaveDesktop},
                        {IDC_OPT_USE_WALLPAPER, Setting::UseWallpaper}},
                       {{IDC_OPT_MAX_WINDOWS, IDC_OPT_MAX_WINDOWS_SPIN, Setting::MaxWindows, 1, kMaxWindows,
                         WindowLimit}})
    {
    }

protected:
    void LoadExtra() override
    {
        // Explorer Mode is stored through the frame, which can refuse it.
        SetChecked(IDC_OPT_EXPLORER_MODE, Settings().GetSetting(Setting::ExplorerMode) != 0);
        const bool own = Settings().GetSetting(Setting::OwnBackground) != 0;
        SetChecked(IDC_OPT_BACK_STANDARD, !own);
        SetChecked(IDC_OPT_BACK_COLOR, own);
        const bool gradient = Settings().GetSetting(Setting::GradientFill) != 0;
        SetChecked(IDC_OPT_SOLID_FILL, !gradient);
        SetChecked(IDC_OPT_GRADIENT_FILL, gradient);
        m_color = static_cast<COLORREF>(Settings().GetSetting(Setting::BackgroundColor));
        HWND styles = Item(IDC_OPT_GRADIENT_STYLE);
        for (int i = 0; i < IDS_GRADIENT_STYLE_COUNT; ++i)
            ::SendMessageA(styles, CB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(ui::LoadString(IDS_GRADIENT_STYLE_FIRST + i).c_str()));
        ::SendMessageA(styles, CB_SETCURSEL, static_cast<WPARAM>(Settings().GetSetting(Setting::GradientStyle)), 0);
        HWND display = Item(IDC_OPT_WALLPAPER_DISPLAY);
        for (UINT id : {IDS_WALLPAPER_TILE, IDS_WALLPAPER_CENTER, IDS_WALLPAPER_STRETCH})
            ::SendMessageA(display, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ui::LoadString(id).c_str()));
        ::SendMessageA(display, CB_SETCURSEL, static_cast<WPARAM>(Settings().GetSetting(Setting::WallpaperDisplay)), 0);
        std::string wallpaper;
        Settings().GetTextSetting(Setting::Wallpaper, wallpaper);
        ::SendMessageA(Item(IDC_OPT_WALLPAPER_FILE), EM_LIMITTEXT, kTextLimit, 0);
        SetItemText(IDC_OPT_WALLPAPER_FILE, wallpaper);
        EnableParts();
    }

    bool OnCommand(int id, int code) override
    {
        if (code == BN_CLICKED && id == IDC_OPT_BACK_COLOR_BUTTON) {
            if (PickColor(Handle(), m_color)) ::InvalidateRect(Item(id), nullptr, TRUE);
            return true;
        }
        if (code == BN_CLICKED && id == IDC_OPT_BROWSE_WALLPAPER) {
            BrowseWallpaper();
            return true;
        }
        if (code == BN_CLICKED) EnableParts();
        return COptionsPage::OnCommand(id, code);
    }

    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_DRAWITEM && wParam == IDC_OPT_BACK_COLOR_BUTTON) {
            DrawColorButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), m_color);
            return TRUE;
        }
        return COptionsPage::DialogProc(message, wParam, lParam);
    }

    bool OnKillActive() override
    {
        if (!Checked(IDC_OPT_USE_WALLPAPER) || Checked(IDC_OPT_EXPLORER_MODE)) return true;
        const std::string file = ItemText(IDC_OPT_WALLPAPER_FILE);
        WallpaperFacts facts;
        facts.fileExists = !file.empty() && ::GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES;
        if (facts.fileExists) {
            if (HANDLE bitmap = ::LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)) {
                BITMAP info = {};
                if (::GetObjectA(bitmap, sizeof(info), &info)) {
                    facts.bitmapWidth = info.bmWidth;
                    facts.bitmapHeight = info.bmHeight;
                }
                ::DeleteObject(bitmap);
            }
            RECT work = {};
            ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
            facts.workWidth = work.right - work.left;
            facts.workHeight = work.bottom - work.top;
        }
        const int display = static_cast<int>(::SendMessageA(Item(IDC_OPT_WALLPAPER_DISPLAY), CB_GETCURSEL, 0, 0));
        switch (CheckWallpaper(facts, display)) {
        case WallpaperCheck::Ok: return true;
        case WallpaperCheck::Missing:
            if (ui::ShowMessage(Handle(), IDS_WALLPAPER_MISSING, MB_YESNO | MB_ICONEXCLAMATION) == IDYES) {
                SetChecked(IDC_OPT_USE_WALLPAPER, false);
                EnableParts();
                return true;
            }
            ::SetFocus(Item(IDC_OPT_WALLPAPER_FILE));
            return false;
        case WallpaperCheck::TooSmallToStretch:
            ui::ShowMessage(Handle(), IDS_IMAGE_TOO_SMALL, MB_OK | MB_ICONSTOP);
            return false;
        }
        return true;
    }

    void StoreExtra() override
    {
        Store(Setting::OwnBackground, Checked(IDC_OPT_BACK_COLOR) ? 1 : 0);
        Store(Setting::BackgroundColor, static_cast<int>(m_color));
        Store(Setting::GradientFill, Checked(IDC_OPT_GRADIENT_FILL) ? 1 : 0);
        const LRESULT style = ::SendMessageA(Item(IDC_OPT_GRADIENT_STYLE), CB_GETCURSEL, 0, 0);
        if (style >= 0) Store(Setting::GradientStyle, static_cast<int>(style));
        const LRESULT display = ::SendMessageA(Item(IDC_OPT_WALLPAPER_DISPLAY), CB_GETCURSEL, 0, 0);
        if (display >= 0) Store(Setting::WallpaperDisplay, static_cast<int>(display));
        std::string old;
        Settings().GetTextSetting(Setting::Wallpaper, old);
        const std::string wallpaper = ItemText(IDC_OPT_WALLPAPER_FILE);
        if (wallpaper != old) {
            Settings().SetTextSetting(Setting::Wallpaper, wallpaper);
            m_wallpaperChanged = true;
        }
    }

    void AfterStore() override
    {
        const int explorerMode = Checked(IDC_OPT_EXPLORER_MODE) ? 1 : 0;
        CMainFrame* frame = Frame();
        if (frame && explorerMode != Settings().GetSetting(Setting::ExplorerMode))
            frame->ApplyWindowMode(explorerMode);
        if (frame && (m_wallpaperChanged || !Changed().empty()))
            ::InvalidateRect(frame->MdiClient(), nullptr, TRUE);
    }

private:
    void EnableParts()
    {
        ::EnableWindow(Item(IDC_OPT_BACK_COLOR_BUTTON), Checked(IDC_OPT_BACK_COLOR));
        ::EnableWindow(Item(IDC_OPT_GRADIENT_STYLE), Checked(IDC_OPT_GRADIENT_FILL));
        const bool wallpaper = Checked(IDC_OPT_USE_WALLPAPER);
        for (int id : {IDC_OPT_WALLPAPER_FILE, IDC_OPT_BROWSE_WALLPAPER, IDC_OPT_WALLPAPER_DISPLAY})
            ::EnableWindow(Item(id), wallpaper);
    }

    void BrowseWallpaper()
    {
        const std::optional<std::string> file =
            BrowseForFile(Handle(), "Bitmaps\0*.bmp\0All Files\0*.*\0", ui::LoadString(IDS_CHOOSE_WALLPAPER));
        if (file) SetItemText(IDC_OPT_WALLPAPER_FILE, *file);
    }

    COLORREF m_color = 0;
    bool m_wallpaperChanged = false;
};

// --- Folder ------------------------------------------------------------------

class CFolderPage : public COptionsPage {
public:
    explicit CFolderPage(CSettingsStore& settings)
        : COptionsPage(IDD_OPTIONS_FOLDER, settings,
                       {{IDC_OPT_FULL_PATH, Setting::FullPathInTitle},
                        {IDC_OPT_HIDDEN_FILES, Setting::ShowHiddenFiles},
                        {IDC_OPT_DIFFERENTIATE, Setting::DifferentiateFolders},
                        {IDC_OPT_SAME_WINDOW, Setting::BrowseInSameWindow},
                        {IDC_OPT_SINGLE_CLICK, Setting::SingleClickFiles},
                        {IDC_OPT_GRID, Setting::DetailsGrid},
                        {IDC_OPT_FULL_ROW, Setting::FullRowSelect},
                        {IDC_OPT_UNDERLINE, Setting::UnderlineTitles},
                        {IDC_OPT_SELECT_NODE, Setting::AutoSelectTreeNode},
                        {IDC_OPT_FLAT_SCROLL, Setting::FlatScrollBars},
                        {IDC_OPT_ONLY_FILES, Setting::ShowOnlyFiles}},
                       {})
    {
    }

protected:
    void LoadExtra() override
    {
        m_regular = static_cast<COLORREF>(Settings().GetSetting(Setting::RegularFolderColor));
        m_personal = static_cast<COLORREF>(Settings().GetSetting(Setting::PersonalFolderColor));
        EnableParts();
    }

    bool OnCommand(int id, int code) override
    {
        if (code == BN_CLICKED && (id == IDC_OPT_REGULAR_COLOR || id == IDC_OPT_PERSONAL_COLOR)) {
            if (PickColor(Handle(), id == IDC_OPT_REGULAR_COLOR ? m_regular : m_personal))
                ::InvalidateRect(Item(id), nullptr, TRUE);
            return true;
        }
        if (code == BN_CLICKED && id == IDC_OPT_DIFFERENTIATE) EnableParts();
        return COptionsPage::OnCommand(id, code);
    }

    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_DRAWITEM && (wParam == IDC_OPT_REGULAR_COLOR || wParam == IDC_OPT_PERSONAL_COLOR)) {
            DrawColorButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam),
                            wParam == IDC_OPT_REGULAR_COLOR ? m_regular : m_personal);
            return TRUE;
        }
        return COptionsPage::DialogProc(message, wParam, lParam);
    }

    void StoreExtra() override
    {
        Store(Setting::RegularFolderColor, static_cast<int>(m_regular));
        Store(Setting::PersonalFolderColor, static_cast<int>(m_personal));
    }

    // Every window shows its colours, title and list again.
    void AfterStore() override
    {
        if (Changed().empty()) return;
        for (CBasicWindow* window : CWindowList::Instance().Windows()) {
            HWND handle = window->Handle();
            ::SendMessageA(handle, UWM_COLORSCHANGED, 0, 0);
            ::SendMessageA(handle, UWM_REFRESHTITLE, 0, 0);
            ::SendMessageA(handle, UWM_VIEWCOMMAND, ID_VIEW_REFRESH, 0);
        }
    }

private:
    void EnableParts()
    {
        const bool own = Checked(IDC_OPT_DIFFERENTIATE);
        ::EnableWindow(Item(IDC_OPT_REGULAR_COLOR), own);
        ::EnableWindow(Item(IDC_OPT_PERSONAL_COLOR), own);
    }

    COLORREF m_regular = 0;
    COLORREF m_personal = 0;
};

// --- System ------------------------------------------------------------------

class CSystemPage : public COptionsPage {
public:
    explicit CSystemPage(CSettingsStore& settings)
        : COptionsPage(IDD_OPTIONS_SYSTEM, settings,
                       {{IDC_OPT_PERSONAL_TAB, Setting::ShowPersonalTab},
                        {IDC_OPT_BOOKMARKS_TAB, Setting::ShowBookmarksTab},
                        {IDC_OPT_TABS_BOTTOM, Setting::TabsAtBottom},
                        {IDC_OPT_TAB_TEXT, Setting::TextInTabs},
                        {IDC_OPT_LARGE_ICONS, Setting::LargeBarIcons},
                        {IDC_OPT_BAR_SINGLE_CLICK, Setting::SingleClickBar},
                        {IDC_OPT_WINDOWS_FIND, Setting::WindowsFindDialog},
                        {IDC_OPT_EXPLORE_SHELL, Setting::ExploreWithShell},
                        {IDC_OPT_OPEN_SHELL, Setting::OpenWithShell},
                        {IDC_OPT_OPEN_WITH, Setting::OpenWithInMenus}},
                       {})
    {
    }

protected:
    void AfterStore() override
    {
        if (!Changed().empty() && ExplorerBarListener()) ExplorerBarListener()(Changed());
    }
};

// --- Performance -------------------------------------------------------------

class CPerformancePage : public COptionsPage {
public:
    explicit CPerformancePage(CSettingsStore& settings)
        : COptionsPage(IDD_OPTIONS_PERFORMANCE, settings,
                       {{IDC_OPT_REFRESH_ATTRIBUTE, Setting::RefreshOnAttributeChange},
                        {IDC_OPT_REFRESH_TIME, Setting::RefreshOnTimeChange},
                        {IDC_OPT_IDLE_MINIMIZED, Setting::IdleWhenMinimized},
                        {IDC_OPT_IDLE_INACTIVE, Setting::IdleWhenInactive},
                        {IDC_OPT_RELEASE_MEMORY, Setting::ReleaseMemoryWhenMinimized},
                        {IDC_OPT_FAST_FIND, Setting::FastFind}},
                       {{IDC_OPT_REFRESH_MINUTES, IDC_OPT_REFRESH_SPIN, Setting::FolderListRefreshMinutes,
                         kMinRefreshMinutes, kMaxRefreshMinutes, ClampRefreshMinutes}})
    {
    }

protected:
    void LoadExtra() override
    {
        // Only Windows NT can hand a minimized program's memory back.
        if (!CTrailmarkApp::Instance()->IsWindowsNT()) ::ShowWindow(Item(IDC_OPT_RELEASE_MEMORY), SW_HIDE);
        const std::string entries =
            ui::LoadString(IDS_INDEX_ENTRIES) + " " + std::to_string(CEntryIndex::Instance().Count());
        ::SetWindowTextA(Item(IDC_OPT_INDEX_ENTRIES), entries.c_str());
    }
};

}  // namespace

COptionsPage::COptionsPage(UINT templateId, CSettingsStore& settings, std::vector<Check> checks,
                           std::vector<Number> numbers)
    : ui::PropertyPage(templateId), m_settings(settings), m_checks(std::move(checks)), m_numbers(std::move(numbers))
{
}

BOOL COptionsPage::OnInitDialog()
{
    for (const Check& check : m_checks) SetChecked(check.control, m_settings.GetSetting(check.setting) != 0);
    for (const Number& number : m_numbers) {
        ::SendMessageA(Item(number.spin), UDM_SETRANGE, 0, MAKELPARAM(number.high, number.low));
        ::SendMessageA(Item(number.spin), UDM_SETPOS, 0,
                       MAKELPARAM(number.clamp(m_settings.GetSetting(number.setting)), 0));
    }
    LoadExtra();
    return TRUE;
}

bool COptionsPage::OnApply()
{
    m_changed.clear();
    for (const Check& check : m_checks) Store(check.setting, Checked(check.control) ? 1 : 0);
    for (const Number& number : m_numbers) {
        BOOL read = FALSE;
        const int typed = static_cast<int>(::GetDlgItemInt(Handle(), number.edit, &read, FALSE));
        if (read) Store(number.setting, number.clamp(typed));
    }
    StoreExtra();
    AfterStore();
    return true;
}

void COptionsPage::Store(int setting, int value)
{
    if (m_settings.GetSetting(setting) == value) return;
    m_settings.SetSetting(setting, value);
    m_changed.insert(setting);
}

bool COptionsPage::Checked(int control) const
{
    return ::IsDlgButtonChecked(Handle(), control) == BST_CHECKED;
}

void COptionsPage::SetChecked(int control, bool on)
{
    ::CheckDlgButton(Handle(), control, on ? BST_CHECKED : BST_UNCHECKED);
}

COptionsSheet::COptionsSheet(CSettingsStore& settings) : ui::PropertySheet(ui::LoadString(IDS_OPTIONS_TITLE))
{
    m_pages.push_back(std::make_unique<CGeneralPage>(settings));
    m_pages.push_back(std::make_unique<CViewPage>(settings));
    m_pages.push_back(std::make_unique<CFolderPage>(settings));
    m_pages.push_back(std::make_unique<CSystemPage>(settings));
    m_pages.push_back(std::make_unique<CPerformancePage>(settings));
    for (const auto& page : m_pages) AddPage(*page);
}

COptionsSheet::~COptionsSheet() = default;

void ShowOptions(OptionsPage start)
{
    CTrailmarkApp& app = *CTrailmarkApp::Instance();
    COptionsSheet sheet(app.Settings());
    sheet.SetStartPage(static_cast<int>(start));
    sheet.DoModal(app.MainWindow());
}

void SetExplorerBarOptionsListener(std::function<void(const std::set<int>& changed)> listener)
{
    ExplorerBarListener() = std::move(listener);
}
