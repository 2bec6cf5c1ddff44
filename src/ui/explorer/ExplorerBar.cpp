#include "ui/explorer/ExplorerBar.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"
#include "core/frame/BarState.h"
#include "core/frame/BookMarks.h"

// Framework
#include "ui/framework/Command.h"
#include "ui/framework/MdiFrame.h"
#include "ui/framework/MessageBox.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/MainFrame.h"

// Resources
#include "res/resource.h"

// Standard library
#include <cstring>
#include <memory>

// Windows
#include <commctrl.h>

namespace {

CExplorerBar* s_bar = nullptr;
// The program's bookmarks, from the bar's making to its end: the bar lives as long as the frame.
std::unique_ptr<CBookMarkList> s_bookmarks;

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }

struct TabFacts {
    ExplorerTab tab;
    UINT caption;
    int setting;  // -1: always shown
};

constexpr TabFacts kTabs[kExplorerTabCount] = {
    {ExplorerTab::Desktop, IDS_TAB_DESKTOP, -1},
    {ExplorerTab::Personal, IDS_TAB_PERSONAL, Setting::ShowPersonalTab},
    {ExplorerTab::Favorites, IDS_TAB_FAVORITES, Setting::ShowFavoritesPage},
    {ExplorerTab::Bookmarks, IDS_TAB_BOOKMARKS, Setting::ShowBookmarksTab},
};

const TabFacts& FactsOf(ExplorerTab tab) { return kTabs[static_cast<int>(tab)]; }

}  // namespace

CExplorerBar* ExplorerBar() { return s_bar; }

CDesktopTree* FolderTree() { return s_bar && s_bar->FolderTree().Handle() ? &s_bar->FolderTree() : nullptr; }

CBookMarkList* BookmarkList() { return s_bookmarks.get(); }

ShellTreeItem* FolderTreeFocusedNode()
{
    CDesktopTree* tree = FolderTree();
    if (!tree || ::GetFocus() != tree->Handle()) return nullptr;
    return tree->SelectedNode();
}

bool FolderTreeKnows(const std::string& path)
{
    CDesktopTree* tree = FolderTree();
    return tree && tree->FindPath(path) != nullptr;
}

void FavoritesChanged()
{
    if (s_bar && s_bar->FavoritesPage().Handle()) s_bar->FavoritesPage().Refill();
}

void FolderTreeOperationDone(const std::string& folder)
{
    CDesktopTree* tree = FolderTree();
    if (!tree) return;
    HTREEITEM item = tree->FindPath(folder);
    const ShellTreeItem* node = tree->NodeOf(item);
    if (node && node->listed) tree->RefreshItem(item);
}

void ShowExplorerBarMenu(HWND owner, POINT point)
{
    HWND frame = CTrailmarkApp::Instance()->MainWindow();
    HMENU resource = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_EXPLORER_BAR_MENU));
    if (!resource) return;
    HMENU menu = ::GetSubMenu(resource, 0);
    ui::UpdateMenuItems(menu, CTrailmarkApp::Instance()->MainFrame()->FirstCommandTarget());
    const UINT chosen = ::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, point.x, point.y, 0, owner, nullptr);
    ::DestroyMenu(resource);
    if (chosen) ::SendMessageA(frame, WM_COMMAND, chosen, 0);
}

CExplorerBar::CExplorerBar() = default;

CExplorerBar::~CExplorerBar()
{
    if (s_bar == this) {
        s_bar = nullptr;
        s_bookmarks.reset();
    }
    // The pages go before the bar's window, while their trees can still tell them of deleted items.
    if (m_desktopPage.Handle()) ::DestroyWindow(m_desktopPage);
    if (m_personalPage.Handle()) ::DestroyWindow(m_personalPage);
    if (m_favoritesPage.Handle()) ::DestroyWindow(m_favoritesPage);
    if (m_bookmarksPage.Handle()) ::DestroyWindow(m_bookmarksPage);
}

bool CExplorerBar::Create(ui::MdiFrame& frame)
{
    s_bar = this;
    s_bookmarks = std::make_unique<CBookMarkList>(Settings());
    const int width = ExplorerBarWidth(Settings().GetSetting(Setting::ExplorerBarWidth), ::GetSystemMetrics(SM_CXSCREEN));
    const int height = ExplorerBarHeight(Settings().GetSetting(Setting::ExplorerBarHeight));
    SetHideText(ui::LoadString(IDS_HIDE));
    if (!CreateBar(frame, IDW_EXPLORER_BAR, ui::LoadString(IDS_EXPLORER_BAR_TITLE).c_str(), ui::DockSide::Left, width,
                   height))
        return false;
    m_tabs = ::CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, 0, 0, 0, 0,
                               Handle(), nullptr, ::GetModuleHandleA(nullptr), nullptr);
    if (!m_tabs) return false;
    ::SendMessageA(m_tabs, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    const RECT none = {0, 0, 0, 0};
    for (const TabFacts& facts : kTabs)
        if (!Page(facts.tab).Create(Handle(), none)) return false;
    for (const TabFacts& facts : kTabs) ShowTab(facts.tab, true);
    for (const TabFacts& facts : kTabs)
        if (facts.setting >= 0 && !Settings().GetSetting(facts.setting)) ShowTab(facts.tab, false);
    ApplyTreeLook();
    PlaceTabs();
    SelectTab(ExplorerTab::Desktop);
    return true;
}

HFONT CreateTreeFont()
{
    FontRecord record{};
    Settings().GetFontSetting(Setting::TreeFont, record);
    LOGFONTA font = {};
    std::memcpy(&font, record.data(), sizeof(font));
    font.lfFaceName[LF_FACESIZE - 1] = '\0';
    return font.lfFaceName[0] ? ::CreateFontIndirectA(&font) : nullptr;
}

COLORREF TreeTextColor() { return static_cast<COLORREF>(Settings().GetSetting(Setting::TreeFontColor)); }

void CExplorerBar::ApplyTreeLook()
{
    // The trees keep drawing with the old font until they have the new one.
    ui::GdiObject<HFONT> old(m_treeFont.Release());
    m_treeFont.Reset(CreateTreeFont());
    const COLORREF color = TreeTextColor();
    for (CExplorerPage* page : {static_cast<CExplorerPage*>(&m_desktopPage), static_cast<CExplorerPage*>(&m_personalPage),
                                static_cast<CExplorerPage*>(&m_favoritesPage), static_cast<CExplorerPage*>(&m_bookmarksPage)}) {
        if (m_treeFont.Get()) ::SendMessageA(page->Tree(), WM_SETFONT, reinterpret_cast<WPARAM>(m_treeFont.Get()), TRUE);
        TreeView_SetTextColor(page->Tree(), color);
    }
    if (!m_treeFont.Get()) m_treeFont.Reset(old.Release());
}

void CExplorerBar::ApplyIconSize()
{
    FolderTree().ApplyIconSize();
    m_bookmarksPage.Refill();
    m_favoritesPage.Refill();
}

CExplorerPage& CExplorerBar::Page(ExplorerTab tab)
{
    switch (tab) {
    case ExplorerTab::Personal: return m_personalPage;
    case ExplorerTab::Favorites: return m_favoritesPage;
    case ExplorerTab::Bookmarks: return m_bookmarksPage;
    case ExplorerTab::Desktop: default: return m_desktopPage;
    }
}

int CExplorerBar::TabIndexOf(ExplorerTab tab) const
{
    const int count = TabCtrl_GetItemCount(m_tabs);
    for (int i = 0; i < count; ++i)
        if (TabAt(i) == tab) return i;
    return -1;
}

ExplorerTab CExplorerBar::TabAt(int index) const
{
    TCITEMA item = {};
    item.mask = TCIF_PARAM;
    if (!TabCtrl_GetItem(m_tabs, index, &item)) return ExplorerTab::Desktop;
    return static_cast<ExplorerTab>(item.lParam);
}

bool CExplorerBar::IsTabShown(ExplorerTab tab) const { return TabIndexOf(tab) >= 0; }

ShownTabs CExplorerBar::Shown() const
{
    return {IsTabShown(ExplorerTab::Personal), IsTabShown(ExplorerTab::Favorites), IsTabShown(ExplorerTab::Bookmarks)};
}

void CExplorerBar::ShowTab(ExplorerTab tab, bool show)
{
    const int index = TabIndexOf(tab);
    if (show == (index >= 0)) return;
    if (show) {
        std::string caption = ui::LoadString(FactsOf(tab).caption);
        TCITEMA item = {};
        item.mask = TCIF_TEXT | TCIF_PARAM;
        item.pszText = const_cast<char*>(caption.c_str());
        item.lParam = static_cast<LPARAM>(tab);
        TabCtrl_InsertItem(m_tabs, TabPosition(tab, Shown()), &item);
    } else {
        if (tab == ExplorerTab::Desktop) return;
        TabCtrl_DeleteItem(m_tabs, index);
        if (m_current == tab) m_current = ExplorerTab::Desktop;
    }
    const int current = TabIndexOf(m_current);
    TabCtrl_SetCurSel(m_tabs, current < 0 ? 0 : current);
    ShowCurrentPage();
}

void CExplorerBar::ToggleTab(ExplorerTab tab)
{
    const int setting = FactsOf(tab).setting;
    if (setting < 0) return;
    const bool show = Settings().GetSetting(setting) == 0;
    Settings().SetSetting(setting, show ? 1 : 0);
    ShowTab(tab, show);
}

void CExplorerBar::SelectTab(ExplorerTab tab)
{
    if (!IsTabShown(tab)) ShowTab(tab, true);
    m_current = tab;
    TabCtrl_SetCurSel(m_tabs, TabIndexOf(tab));
    ShowCurrentPage();
}

void CExplorerBar::ShowCurrentPage()
{
    const int selected = TabCtrl_GetCurSel(m_tabs);
    if (selected >= 0) m_current = TabAt(selected);
    LayoutContent(ContentArea());
    for (const TabFacts& facts : kTabs) {
        HWND page = Page(facts.tab).Handle();
        if (!page) continue;
        if (facts.tab == m_current) {
            ::SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        } else {
            ::ShowWindow(page, SW_HIDE);
        }
    }
    if (m_current == ExplorerTab::Desktop && IsVisible()) m_desktopPage.OnShown();
    // The favorites may have changed while the page was hidden.
    if (m_current == ExplorerTab::Favorites && m_favoritesPage.Handle()) m_favoritesPage.Refill();
}

void CExplorerBar::LayoutContent(const RECT& area)
{
    if (!m_tabs) return;
    ::MoveWindow(m_tabs, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
    RECT display = area;
    TabCtrl_AdjustRect(m_tabs, FALSE, &display);
    if (display.right < display.left) display.right = display.left;
    if (display.bottom < display.top) display.bottom = display.top;
    if (HWND page = Page(m_current).Handle())
        ::MoveWindow(page, display.left, display.top, display.right - display.left, display.bottom - display.top, TRUE);
}

ExplorerDockState CExplorerBar::DockState() const
{
    if (!IsVisible()) return ExplorerDockState::Hidden;
    if (IsFloating()) return ExplorerDockState::Floating;
    return Side() == ui::DockSide::Right ? ExplorerDockState::Right : ExplorerDockState::Left;
}

void CExplorerBar::FloatBar()
{
    if (!IsVisible()) Show(true);
    if (!IsFloating()) Float();
}

void CExplorerBar::PlaceTabs()
{
    const bool bottom = Settings().GetSetting(Setting::TabsAtBottom) != 0;
    LONG_PTR style = ::GetWindowLongPtrA(m_tabs, GWL_STYLE);
    style = bottom ? (style | TCS_BOTTOM) : (style & ~static_cast<LONG_PTR>(TCS_BOTTOM));
    ::SetWindowLongPtrA(m_tabs, GWL_STYLE, style);
    LayoutContent(ContentArea());
    ::InvalidateRect(Handle(), nullptr, TRUE);
    ::InvalidateRect(m_tabs, nullptr, TRUE);
}

void CExplorerBar::ApplyOptions(const std::set<int>& changed)
{
    for (const TabFacts& facts : kTabs)
        if (facts.setting >= 0 && changed.count(facts.setting))
            ShowTab(facts.tab, Settings().GetSetting(facts.setting) != 0);
    if (changed.count(Setting::TabsAtBottom)) PlaceTabs();
    if (changed.count(Setting::LargeBarIcons)) ApplyIconSize();
}

CExplorerPage* CExplorerBar::FocusedPage()
{
    HWND focus = ::GetFocus();
    for (const TabFacts& facts : kTabs)
        if (Page(facts.tab).Tree().Handle() == focus) return &Page(facts.tab);
    return nullptr;
}

void CExplorerBar::SaveState()
{
    if (!CTrailmarkApp::Instance() || !CTrailmarkApp::Instance()->HasSettings()) return;
    Settings().SetSetting(Setting::ExplorerBarWidth, DockedSize());
    const RECT floatRect = FloatRect();
    if (IsFloating()) Settings().SetSetting(Setting::ExplorerBarHeight, floatRect.bottom - floatRect.top);
    BarState state;
    state.side = static_cast<std::int32_t>(Side());
    state.floating = IsFloating();
    state.visible = IsVisible();
    state.size = DockedSize();
    state.floatRect = {floatRect.left, floatRect.top, floatRect.right, floatRect.bottom};
    SaveBarState(Settings(), IDW_EXPLORER_BAR, state);
}

void CExplorerBar::LoadState()
{
    const std::optional<BarState> state = LoadBarState(Settings(), IDW_EXPLORER_BAR);
    if (!state) return;
    const RECT floatRect = {state->floatRect.left, state->floatRect.top, state->floatRect.right, state->floatRect.bottom};
    SetFloatRect(floatRect);
    // The explorer bar docks only at the sides.
    Dock(state->side == static_cast<std::int32_t>(ui::DockSide::Right) ? ui::DockSide::Right : ui::DockSide::Left);
    if (state->floating) Float();
    Show(state->visible);
}

LRESULT CExplorerBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == m_tabs && header->code == TCN_SELCHANGE) {
            ShowCurrentPage();
            ::SetFocus(Page(m_current).Tree());
            return 0;
        }
    }
    return ControlBar::WindowProc(message, wParam, lParam);
}
