#pragma once
// CExplorerBar: the docking bar at the frame's left (or right, or floating)
// with a row of tabs, one page each: Desktop (the folder tree), Personal,
// Favorites and Bookmarks. The tabs show or hide by settings 19..21 and sit at
// the top or, with setting 30, at the bottom.

// Core
#include "core/frame/BarState.h"
#include "core/frame/ExplorerTabs.h"

// Framework
#include "ui/framework/ControlBar.h"
#include "ui/framework/GdiObject.h"

// Explorer
#include "ui/explorer/BookmarksPage.h"
#include "ui/explorer/DesktopPage.h"
#include "ui/explorer/FavoritesPage.h"
#include "ui/explorer/PersonalPage.h"

// Standard library
#include <set>
#include <string>

// Windows
#include <windows.h>

class CExplorerBar : public ui::ControlBar {
public:
    CExplorerBar();
    ~CExplorerBar() override;

    // Makes the bar docked at the left with its pages and tabs.
    bool Create(ui::MdiFrame& frame);

    // Whether the page of the tab is among the tabs; showing flips nothing in the settings.
    bool IsTabShown(ExplorerTab tab) const;
    void ShowTab(ExplorerTab tab, bool show);
    // Flips the tab's setting and shows or hides its page.
    void ToggleTab(ExplorerTab tab);
    // Makes the tab's page the current one (showing its tab first).
    void SelectTab(ExplorerTab tab);
    ExplorerTab CurrentTab() const { return m_current; }
    CExplorerPage& Page(ExplorerTab tab);
    HWND Tabs() const { return m_tabs; }

    ExplorerDockState DockState() const;
    void DockLeft() { Dock(ui::DockSide::Left); }
    void DockRight() { Dock(ui::DockSide::Right); }
    // Shows the bar and floats it when docked.
    void FloatBar();
    // Tabs at the top, or at the bottom with setting 30.
    void PlaceTabs();
    // The options sheet changed these settings: pages show or hide by 19..21,
    // the tabs move by 30.
    void ApplyOptions(const std::set<int>& changed);
    // The trees' font and text colour (settings 206 and 49).
    void ApplyTreeLook();

    CDesktopPage& DesktopPage() { return m_desktopPage; }
    CDesktopTree& FolderTree() { return m_desktopPage.DesktopTree(); }
    CBookmarksPage& BookmarksPage() { return m_bookmarksPage; }
    CPersonalPage& PersonalPage() { return m_personalPage; }
    CFavoritesPage& FavoritesPage() { return m_favoritesPage; }
    // The page whose tree has the focus, or null.
    CExplorerPage* FocusedPage();

    // Writes the widths to settings 28 and 29 and the place to the "Toolbars"
    // section; the frame calls it as it closes.
    void SaveState();
    // Puts the bar where the "Toolbars" section says it was.
    void LoadState();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void LayoutContent(const RECT& area) override;

private:
    int TabIndexOf(ExplorerTab tab) const;
    ExplorerTab TabAt(int index) const;
    ShownTabs Shown() const;
    void ShowCurrentPage();
    // Small icons in the trees, or large ones with setting 35.
    void ApplyIconSize();

    HWND m_tabs = nullptr;
    CDesktopPage m_desktopPage;
    CPersonalPage m_personalPage;
    CFavoritesPage m_favoritesPage;
    CBookmarksPage m_bookmarksPage;
    ExplorerTab m_current = ExplorerTab::Desktop;
    ui::GdiObject<HFONT> m_treeFont;
    ui::ImageList m_tabImages;
};

// The functions other parts call on the bar, its tree and the bookmarks.
#include "ui/explorer/FolderTreeAccess.h"
