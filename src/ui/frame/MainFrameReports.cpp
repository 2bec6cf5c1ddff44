// The Tools menu's rule and report popups, rebuilt from their lists each time
// the menu opens.
#include "ui/frame/MainFrame.h"

// Core
#include "core/frame/ReportMenus.h"
#include "core/search/Report.h"
#include "core/search/Rule.h"

// Framework
#include "ui/framework/Command.h"
#include "ui/framework/MessageBox.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/BasicWindow.h"
#include "ui/frame/WindowList.h"

// Resources
#include "res/resource.h"

namespace {

// The position of the item, plain or popup, that carries `command`.
int PositionOfCommand(HMENU menu, UINT command)
{
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID;
        if (::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info) && info.wID == command) return i;
    }
    return -1;
}

// Puts in place of the item of `command` a popup of `entries` with the same
// text and command, or, with no entries, a plain item that nobody enables.
void ReplaceWithPopup(HMENU menu, UINT command, const std::vector<MenuEntry>& entries)
{
    const int position = PositionOfCommand(menu, command);
    if (position < 0) return;
    char text[MAX_PATH] = "";
    ::GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof(text), MF_BYPOSITION);
    ::DeleteMenu(menu, static_cast<UINT>(position), MF_BYPOSITION);

    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_TYPE;
    info.fType = MFT_STRING;
    info.wID = command;
    info.dwTypeData = text;
    if (!entries.empty()) {
        HMENU popup = ::CreatePopupMenu();
        for (const MenuEntry& entry : entries) {
            if (entry.kind == MenuEntry::Kind::Separator)
                ::AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
            else
                ::AppendMenuA(popup, MF_STRING, entry.command, entry.text.c_str());
        }
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = popup;
    }
    ::InsertMenuItemA(menu, static_cast<UINT>(position), TRUE, &info);
}

}  // namespace

void CMainFrame::FillReportsPopup(HMENU menu)
{
    FillSearchPopup(menu);
    CRuleList* rules = CTrailmarkApp::Instance()->Rules();
    if (rules && PositionOfCommand(menu, ID_TOOLS_EXECUTE_RULE) >= 0)
        ReplaceWithPopup(menu, ID_TOOLS_EXECUTE_RULE,
                         RulePopupItems(*rules, ID_RULE_FIRST, ui::LoadString(IDS_ADD_RULE_ITEM), ID_TOOLS_ADD_RULE));
    CReportList* reports = CTrailmarkApp::Instance()->Reports();
    if (!reports || PositionOfCommand(menu, ID_TOOLS_CREATE_REPORT) < 0) return;
    ReplaceWithPopup(menu, ID_TOOLS_CREATE_REPORT,
                     ReportPopupItems(*reports, ID_REPORT_FIRST, ui::LoadString(IDS_ADD_REPORT_ITEM), ID_TOOLS_ADD_REPORT));
}

void CMainFrame::FillSearchPopup(HMENU menu)
{
    int position = -1;
    for (int i = 0; i < ::GetMenuItemCount(menu) && position < 0; ++i) {
        HMENU popup = ::GetSubMenu(menu, i);
        if (popup && (popup == m_searchMenu || (!m_searchMenu && PositionOfCommand(popup, ID_SEARCH_PROPERTIES) >= 0)))
            position = i;
    }
    if (position < 0) return;
    HMENU popup = ::GetSubMenu(menu, position);
    if (!m_searchMenu) {
        // The first sight of the popup is the resource's: keep its items.
        m_searchMenu = popup;
        for (int i = 0; i < ::GetMenuItemCount(popup); ++i) {
            char text[MAX_PATH] = "";
            ::GetMenuStringA(popup, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
            MenuEntry entry = ::GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR
                                  ? MenuEntry::Separator()
                                  : MenuEntry();
            entry.text = text;
            entry.command = ::GetMenuItemID(popup, i);
            m_searchEntries.push_back(entry);
        }
    }
    // A command that no part of the program answers yet is left out, not greyed.
    std::vector<MenuEntry> carried;
    for (const MenuEntry& entry : m_searchEntries)
        if (entry.kind == MenuEntry::Kind::Separator || ui::QueryCommand(FirstCommandTarget(), entry.command).handled)
            carried.push_back(entry);
    CBasicWindow* active = CWindowList::Instance().Active();
    const std::vector<MenuEntry> entries = SearchPopupItems(carried, active ? active->Kind() : WindowKind::Folder);
    while (::GetMenuItemCount(popup) > 0) ::DeleteMenu(popup, 0, MF_BYPOSITION);
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntry::Kind::Separator)
            ::AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
        else
            ::AppendMenuA(popup, MF_STRING, entry.command, entry.text.c_str());
    }
    // Outside a query window there is nothing to search again.
    ::EnableMenuItem(menu, static_cast<UINT>(position), MF_BYPOSITION | (entries.empty() ? MF_GRAYED : MF_ENABLED));
}
