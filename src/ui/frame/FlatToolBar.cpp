#include "ui/frame/FlatToolBar.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"
#include "core/frame/Toolbars.h"
#include "core/search/FindTypeList.h"

// Framework
#include "ui/framework/Application.h"
#include "ui/framework/MessageBox.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/QueryWindow.h"

// Search
#include "ui/search/SearchCommands.h"

// Resources
#include "res/resource.h"

// Standard library
#include <utility>

namespace {

// Buttons without labels, with their 16-pixel images.
constexpr int kPlainButtonWidth = 24;
constexpr int kPlainButtonHeight = 26;
constexpr int kImageSize = 16;
// The quick-find box: the width of its place, its list's height, how far it
// moves down to sit beside labelled buttons.
constexpr int kQuickFindWidth = 120;
constexpr int kQuickFindDropHeight = 200;
constexpr int kQuickFindLabelOffset = 7;
constexpr UINT UWM_QUICKFIND_CHOSEN = WM_APP + 1;
constexpr UINT UWM_QUICKFIND_CLOSED = WM_APP + 2;
// The characters a handled Ctrl key press goes on to produce in the edit field.
constexpr WPARAM kCharSelectAll = 0x01;
constexpr WPARAM kCharCopy = 0x03;
constexpr WPARAM kCharPaste = 0x16;
constexpr WPARAM kCharCut = 0x18;

bool KeyHeld(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }

// The frame being made for a new profile: the narrow-screen label rule applies.
bool FirstCreation()
{
    auto* frame = dynamic_cast<CMainFrame*>(ui::Window::FromHandle(CTrailmarkApp::Instance()->MainWindow()));
    return frame && frame->FreshProfile() && frame->IsStarting();
}

int UsableScreenWidth()
{
    RECT work = {};
    if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) return ::GetSystemMetrics(SM_CXSCREEN);
    return work.right - work.left;
}

// The align and float commands, for the one toolbar whose menu is open.
class BarMenuTarget : public ui::CommandTarget {
public:
    explicit BarMenuTarget(const CFlatToolBar& bar) : m_bar(bar) {}
    bool OnUpdateCommand(UINT id, ui::CommandState& state) override
    {
        state = m_bar.BarCommandState(id);
        return true;
    }

private:
    const CFlatToolBar& m_bar;
};

}  // namespace

// --- CFlatToolBar -----------------------------------------------------------

CFlatToolBar::CFlatToolBar() = default;

CFlatToolBar::~CFlatToolBar() = default;

bool CFlatToolBar::CreateToolBar(ui::MdiFrame& frame, UINT barId, const std::string& title, unsigned dockSides,
                                 ui::DockSide side, DWORD extraStyle)
{
    SetFlat(dockSides);
    if (!CreateBar(frame, barId, title.c_str(), side, 0, 0)) return false;
    m_toolbar = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                                  WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                                      CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | extraStyle,
                                  0, 0, 0, 0, Handle(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(barId)),
                                  ui::Application::Instance()->InstanceHandle(), nullptr);
    if (!m_toolbar) return false;
    ::SendMessageA(m_toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    ::SendMessageA(m_toolbar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    ::SendMessageA(m_toolbar, TB_SETBITMAPSIZE, 0, MAKELONG(kImageSize, kImageSize));
    return true;
}

std::string CFlatToolBar::LabelFor(UINT command) const { return ButtonLabel(ui::LoadString(command)); }

void CFlatToolBar::UpdateTextLabels(bool force)
{
    const TextLabelChoice choice =
        ChooseTextLabels(Settings().GetSetting(Setting::ToolbarTextLabels), force, FirstCreation(), UsableScreenWidth());
    if (choice.clearSetting) Settings().SetSetting(Setting::ToolbarTextLabels, 0);
    m_labels = choice.labels;
    RebuildButtons();
}

void CFlatToolBar::RebuildButtons()
{
    if (!m_toolbar) return;
    while (::SendMessageA(m_toolbar, TB_BUTTONCOUNT, 0, 0) > 0) ::SendMessageA(m_toolbar, TB_DELETEBUTTON, 0, 0);
    DWORD style = static_cast<DWORD>(::SendMessageA(m_toolbar, TB_GETSTYLE, 0, 0));
    style = LabelsBeside() ? style | TBSTYLE_LIST : style & ~static_cast<DWORD>(TBSTYLE_LIST);
    ::SendMessageA(m_toolbar, TB_SETSTYLE, 0, style);
    ::SendMessageA(m_toolbar, TB_SETMAXTEXTROWS, m_labels ? 1 : 0, 0);
    std::vector<TBBUTTON> buttons = m_buttons;
    // Labels go from the last button to the first, each into the control's strings.
    for (auto it = buttons.rbegin(); it != buttons.rend(); ++it) {
        it->iString = -1;
        if (!m_labels || (it->fsStyle & TBSTYLE_SEP) || it->idCommand == 0) continue;
        std::string label = LabelFor(static_cast<UINT>(it->idCommand));
        label.push_back('\0');  // the strings are a list that ends with an empty one
        it->iString = ::SendMessageA(m_toolbar, TB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
    }
    // A bar docked at a side stands its buttons in a column.
    const bool column = !IsFloating() && Vertical();
    for (TBBUTTON& button : buttons)
        button.fsState = column ? button.fsState | TBSTATE_WRAP : button.fsState & ~TBSTATE_WRAP;
    if (!buttons.empty())
        ::SendMessageA(m_toolbar, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    if (!m_labels) ::SendMessageA(m_toolbar, TB_SETBUTTONSIZE, 0, MAKELONG(kPlainButtonWidth, kPlainButtonHeight));
    ::SendMessageA(m_toolbar, TB_AUTOSIZE, 0, 0);
    const DWORD size = static_cast<DWORD>(::SendMessageA(m_toolbar, TB_GETBUTTONSIZE, 0, 0));
    m_buttonWidth = LOWORD(size);
    m_buttonHeight = HIWORD(size);
    RequestLayout();
}

void CFlatToolBar::SetDropDown(UINT command)
{
    for (TBBUTTON& button : m_buttons)
        if (static_cast<UINT>(button.idCommand) == command && !(button.fsStyle & TBSTYLE_SEP))
            button.fsStyle |= TBSTYLE_DROPDOWN;
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_STYLE;
    if (::SendMessageA(m_toolbar, TB_GETBUTTONINFOA, command, reinterpret_cast<LPARAM>(&info)) < 0) return;
    info.fsStyle |= TBSTYLE_DROPDOWN;
    ::SendMessageA(m_toolbar, TB_SETBUTTONINFOA, command, reinterpret_cast<LPARAM>(&info));
}

void CFlatToolBar::EnableToolTips(bool enable)
{
    m_toolTips = enable;
    if (HWND tips = reinterpret_cast<HWND>(::SendMessageA(m_toolbar, TB_GETTOOLTIPS, 0, 0)))
        ::SendMessageA(tips, TTM_ACTIVATE, enable, 0);
}

void CFlatToolBar::UpdateButtons(ui::CommandTarget* first)
{
    for (const TBBUTTON& button : m_buttons) {
        if ((button.fsStyle & TBSTYLE_SEP) || button.idCommand == 0) continue;
        const ui::CommandState state = ui::QueryCommand(first, static_cast<UINT>(button.idCommand));
        const LRESULT old = ::SendMessageA(m_toolbar, TB_GETSTATE, button.idCommand, 0);
        if (old < 0) continue;
        BYTE wanted = static_cast<BYTE>(old) & ~(TBSTATE_ENABLED | TBSTATE_CHECKED);
        if (state.handled && state.enabled) wanted |= TBSTATE_ENABLED;
        if (state.checked) wanted |= TBSTATE_CHECKED;
        // Only a change is set: the buttons would flicker on every tick.
        if (wanted != static_cast<BYTE>(old))
            ::SendMessageA(m_toolbar, TB_SETSTATE, button.idCommand, MAKELONG(wanted, 0));
    }
}

int CFlatToolBar::ButtonCount() const
{
    return static_cast<int>(::SendMessageA(m_toolbar, TB_BUTTONCOUNT, 0, 0));
}

TBBUTTON CFlatToolBar::ButtonAt(int index) const
{
    TBBUTTON button = {};
    ::SendMessageA(m_toolbar, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button));
    return button;
}

std::string CFlatToolBar::ButtonText(int index) const
{
    const TBBUTTON button = ButtonAt(index);
    if (!m_labels || (button.fsStyle & TBSTYLE_SEP)) return {};
    const LRESULT length = ::SendMessageA(m_toolbar, TB_GETBUTTONTEXTA, button.idCommand, 0);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    ::SendMessageA(m_toolbar, TB_GETBUTTONTEXTA, button.idCommand, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

RECT CFlatToolBar::ButtonScreenRect(UINT command) const
{
    RECT rect = {};
    if (::SendMessageA(m_toolbar, TB_GETRECT, command, reinterpret_cast<LPARAM>(&rect)))
        ::MapWindowPoints(m_toolbar, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE CFlatToolBar::ContentSize() const
{
    RECT bounds = {};
    const int count = ButtonCount();
    for (int i = 0; i < count; ++i) {
        RECT item;
        if (::SendMessageA(m_toolbar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item))) {
            bounds.right = std::max(bounds.right, item.right);
            bounds.bottom = std::max(bounds.bottom, item.bottom);
        }
    }
    return {bounds.right, bounds.bottom};
}

void CFlatToolBar::OnPlaceChanged() { RebuildButtons(); }

void CFlatToolBar::LayoutContent(const RECT& area)
{
    if (m_toolbar)
        ::MoveWindow(m_toolbar, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
}

ui::CommandState CFlatToolBar::BarCommandState(UINT id) const
{
    ui::CommandState state;
    state.handled = true;
    const auto sideOf = [](UINT command) {
        switch (command) {
        case ID_TOOLBAR_ALIGN_TOP: return ui::DockSide::Top;
        case ID_TOOLBAR_ALIGN_RIGHT: return ui::DockSide::Right;
        case ID_TOOLBAR_ALIGN_BOTTOM: return ui::DockSide::Bottom;
        default: return ui::DockSide::Left;
        }
    };
    switch (id) {
    case ID_TOOLBAR_ALIGN_TOP:
    case ID_TOOLBAR_ALIGN_RIGHT:
    case ID_TOOLBAR_ALIGN_BOTTOM:
    case ID_TOOLBAR_ALIGN_LEFT:
        state.radio = true;
        state.checked = !IsFloating() && Side() == sideOf(id);
        state.enabled = CanDock(sideOf(id));
        break;
    case ID_TOOLBAR_FLOAT:
        state.enabled = !IsFloating();
        break;
    case ID_TOOLBAR_HIDE:
        break;
    default:
        state.handled = false;
        break;
    }
    return state;
}

bool CFlatToolBar::OnBarCommand(UINT id)
{
    switch (id) {
    case ID_TOOLBAR_FLOAT:
        if (IsFloating()) Dock(Side());
        else Float();
        return true;
    case ID_TOOLBAR_ALIGN_TOP: Dock(ui::DockSide::Top); return true;
    case ID_TOOLBAR_ALIGN_RIGHT: Dock(ui::DockSide::Right); return true;
    case ID_TOOLBAR_ALIGN_BOTTOM: Dock(ui::DockSide::Bottom); return true;
    case ID_TOOLBAR_ALIGN_LEFT: Dock(ui::DockSide::Left); return true;
    case ID_TOOLBAR_HIDE: Show(false); return true;
    default: return false;
    }
}

HMENU CFlatToolBar::NewContextMenu() const
{
    HMENU menu = ::LoadMenuA(ui::Application::Instance()->InstanceHandle(), MAKEINTRESOURCEA(IDR_TOOLBAR_CONTEXT_MENU));
    HMENU popup = menu ? ::GetSubMenu(menu, 0) : nullptr;
    if (!popup) return menu;
    BarMenuTarget target(*this);
    ui::UpdateMenuItems(popup, &target);
    for (int i = 0; i < ::GetMenuItemCount(popup); ++i)
        if (HMENU sub = ::GetSubMenu(popup, i)) ui::UpdateMenuItems(sub, &target);
    return menu;
}

void CFlatToolBar::ShowContextMenu(POINT screen)
{
    HMENU menu = NewContextMenu();
    if (!menu) return;
    const UINT chosen = static_cast<UINT>(::TrackPopupMenu(::GetSubMenu(menu, 0), TPM_RETURNCMD | TPM_RIGHTBUTTON,
                                                           screen.x, screen.y, 0, Handle(), nullptr));
    ::DestroyMenu(menu);
    if (chosen) OnBarCommand(chosen);
}

void CFlatToolBar::OnDropDown(const NMTOOLBARA& notify)
{
    if (!m_dropDown) return;
    m_dropDown(*this, static_cast<UINT>(notify.iItem), ButtonScreenRect(static_cast<UINT>(notify.iItem)));
}

void CFlatToolBar::OnToolTipText(NMHDR* header)
{
    // The tip is the prompt's last line; a prompt of one line has none.
    const std::string prompt = m_toolTips ? ui::LoadString(static_cast<UINT>(header->idFrom)) : std::string();
    m_toolTipText = prompt.find('\n') == std::string::npos ? std::string() : ButtonLabel(prompt);
    if (header->code == TTN_NEEDTEXTA) {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
        info->hinst = nullptr;
        info->lpszText = &m_toolTipText[0];
        return;
    }
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
    info->hinst = nullptr;
    info->szText[0] = L'\0';
    ::MultiByteToWideChar(CP_ACP, 0, m_toolTipText.c_str(), -1, info->szText,
                          static_cast<int>(sizeof(info->szText) / sizeof(info->szText[0])));
    info->szText[sizeof(info->szText) / sizeof(info->szText[0]) - 1] = L'\0';
}

LRESULT CFlatToolBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code == TTN_NEEDTEXTA || header->code == TTN_NEEDTEXTW) {
            OnToolTipText(header);
            return 0;
        }
        if (header->hwndFrom != m_toolbar) break;
        if (header->code == TBN_DROPDOWN) {
            OnDropDown(*reinterpret_cast<const NMTOOLBARA*>(lParam));
            return TBDDRET_DEFAULT;
        }
        if (header->code == TBN_HOTITEMCHANGE && m_flyBy) {
            const auto* hot = reinterpret_cast<const NMTBHOTITEM*>(lParam);
            m_flyBy((hot->dwFlags & HICF_LEAVING) ? 0 : static_cast<UINT>(hot->idNew));
            return 0;
        }
        break;
    }
    case WM_CONTEXTMENU: {
        POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (lParam == -1) {
            // From the keyboard: under the bar's corner.
            RECT rect;
            ::GetWindowRect(Handle(), &rect);
            point = {rect.left, rect.bottom};
        }
        ShowContextMenu(point);
        return 0;
    }
    default:
        break;
    }
    return ControlBar::WindowProc(message, wParam, lParam);
}

// --- CAppToolBar ------------------------------------------------------------

bool CAppToolBar::Load(UINT resourceId)
{
    m_resourceId = resourceId;
    HINSTANCE instance = ui::Application::Instance()->InstanceHandle();
    HRSRC found = ::FindResourceA(instance, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(RT_TOOLBAR_LAYOUT));
    HGLOBAL loaded = found ? ::LoadResource(instance, found) : nullptr;
    const auto* data = loaded ? static_cast<const unsigned char*>(::LockResource(loaded)) : nullptr;
    const std::optional<ToolbarLayout> layout = ParseToolbarLayout(data, found ? ::SizeofResource(instance, found) : 0);
    if (!layout) return false;
    ::SendMessageA(ToolBarControl(), TB_SETBITMAPSIZE, 0, MAKELONG(layout->imageWidth, layout->imageHeight));
    int images = 0;
    for (unsigned command : layout->commands)
        if (command) ++images;
    TBADDBITMAP bitmap = {instance, resourceId};
    const LRESULT first = ::SendMessageA(ToolBarControl(), TB_ADDBITMAP, images, reinterpret_cast<LPARAM>(&bitmap));
    if (first < 0) return false;
    m_buttons.clear();
    int image = static_cast<int>(first);
    for (unsigned command : layout->commands) {
        TBBUTTON button = {};
        button.idCommand = static_cast<int>(command);
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = command ? TBSTYLE_BUTTON : TBSTYLE_SEP;
        button.iBitmap = command ? image++ : 0;
        button.iString = -1;
        m_buttons.push_back(button);
    }
    UpdateTextLabels(false);
    return true;
}

// --- CMainToolBar -----------------------------------------------------------

// The quick-find box's edit field: Enter starts the search, and the editing
// keys are done here once each.
class CMainToolBar::QuickFindEdit : public ui::Window {
public:
    explicit QuickFindEdit(CMainToolBar& bar) : m_bar(bar) {}
    ~QuickFindEdit() override { Detach(); }
    void Subclass(HWND edit)
    {
        SubclassControl(edit);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_SETFOCUS:
            ui::Application::SetDirectKeyWindow(Handle(), CMainToolBar::TakesKey);
            break;
        case WM_KILLFOCUS:
            ui::Application::SetDirectKeyWindow(nullptr, nullptr);
            break;
        case WM_KEYDOWN:
            m_swallowChar = 0;
            if (OnKeyDown(static_cast<UINT>(wParam))) return 0;
            break;
        case WM_CHAR: {
            // The key's work is done: the character it produces would do it again.
            const WPARAM swallow = std::exchange(m_swallowChar, 0);
            if (swallow && wParam == swallow) return 0;
            break;
        }
        default:
            break;
        }
        return DefaultProc(message, wParam, lParam);
    }

private:
    bool OnKeyDown(UINT key)
    {
        const bool control = KeyHeld(VK_CONTROL);
        const bool shift = KeyHeld(VK_SHIFT);
        HWND combo = m_bar.QuickFindBox();
        switch (key) {
        case VK_RETURN:
            // With the list open, Enter chooses its entry, which starts the search.
            if (::SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0)) return false;
            m_swallowChar = '\r';
            m_bar.StartQuickSearch();
            return true;
        case VK_INSERT:
            if (control) ::SendMessageA(Handle(), WM_COPY, 0, 0);
            else if (shift) ::SendMessageA(Handle(), WM_PASTE, 0, 0);
            return control || shift;
        case VK_DELETE:
            if (!shift) return false;
            ::SendMessageA(Handle(), WM_CUT, 0, 0);
            return true;
        default:
            break;
        }
        if (!control || shift) return false;
        switch (key) {
        case 'A': ::SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, -1)); m_swallowChar = kCharSelectAll; return true;
        case 'C': ::SendMessageA(Handle(), WM_COPY, 0, 0); m_swallowChar = kCharCopy; return true;
        case 'V': ::SendMessageA(Handle(), WM_PASTE, 0, 0); m_swallowChar = kCharPaste; return true;
        case 'X': ::SendMessageA(Handle(), WM_CUT, 0, 0); m_swallowChar = kCharCut; return true;
        default: return false;
        }
    }

    CMainToolBar& m_bar;
    WPARAM m_swallowChar = 0;
};

bool CMainToolBar::TakesKey(const MSG& msg)
{
    if (msg.message == WM_SYSKEYDOWN || msg.message == WM_SYSKEYUP || msg.message == WM_SYSCHAR) return false;
    if (!KeyHeld(VK_CONTROL)) return msg.message == WM_CHAR || msg.wParam < VK_F1 || msg.wParam > VK_F24;
    switch (msg.wParam) {
    case 'A': case 'C': case 'V': case 'X': case VK_INSERT:
    case kCharSelectAll: case kCharCopy: case kCharPaste: case kCharCut:
        return true;
    default:
        return false;
    }
}

CMainToolBar::CMainToolBar() = default;

CMainToolBar::~CMainToolBar()
{
    delete m_edit;
}

bool CMainToolBar::CreateMain(ui::MdiFrame& frame, UINT barId, const std::string& title, unsigned dockSides)
{
    if (!CreateToolBar(frame, barId, title, dockSides, ui::DockSide::Top)) return false;
    m_child = ::CreateWindowExA(0, "COMBOBOX", nullptr, WS_CHILD | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                                0, 0, kQuickFindWidth, kQuickFindDropHeight, Handle(),
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_QUICK_FIND_BOX)),
                                ui::Application::Instance()->InstanceHandle(), nullptr);
    if (!m_child) return false;
    LOGFONTA font = {};
    if (::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font)) {
        font.lfWeight = FW_BOLD;
        m_boldFont = ui::GdiObject<HFONT>(::CreateFontIndirectA(&font));
        ::SendMessageA(m_child, WM_SETFONT, reinterpret_cast<WPARAM>(m_boldFont.Get()), FALSE);
    }
    if (HWND edit = ::GetWindow(m_child, GW_CHILD)) {
        m_edit = new QuickFindEdit(*this);
        m_edit->Subclass(edit);
    }
    if (!Load(IDR_MAINFRAME)) return false;
    RefillQuickFind();
    ::ShowWindow(m_child, SW_SHOWNA);
    return true;
}

void CMainToolBar::UpdateTextLabels(bool force)
{
    // The box's button is a separator as wide as the box.
    for (TBBUTTON& button : m_buttons) {
        if (button.idCommand != IDC_QUICK_FIND_BOX) continue;
        button.fsStyle = TBSTYLE_SEP;
        button.iBitmap = kQuickFindWidth;
    }
    CAppToolBar::UpdateTextLabels(force);
    PlaceQuickFindBox();
}

void CMainToolBar::PlaceQuickFindBox()
{
    RECT place = {};
    if (!m_child || !::SendMessageA(ToolBarControl(), TB_GETRECT, IDC_QUICK_FIND_BOX, reinterpret_cast<LPARAM>(&place)))
        return;
    ::MapWindowPoints(ToolBarControl(), Handle(), reinterpret_cast<POINT*>(&place), 2);
    const int top = place.top + (LabelsShown() ? kQuickFindLabelOffset : 0);
    ::SetWindowPos(m_child, HWND_TOP, place.left, top, kQuickFindWidth, kQuickFindDropHeight, SWP_NOACTIVATE);
}

void CMainToolBar::LayoutContent(const RECT& area)
{
    CAppToolBar::LayoutContent(area);
    PlaceQuickFindBox();
}

void CMainToolBar::RefillQuickFind()
{
    if (!m_child) return;
    // Emptying the list empties the text too: it is put back.
    const std::string typed = ui::WindowText(m_child);
    ::SendMessageA(m_child, CB_RESETCONTENT, 0, 0);
    if (CFindTypeList* history = CTrailmarkApp::Instance()->FindTypes())
        for (const std::string& text : history->Texts())
            ::SendMessageA(m_child, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    ::SetWindowTextA(m_child, typed.c_str());
}

bool CMainToolBar::StartQuickSearch()
{
    CQueryWindow* window = QuickFind(ui::WindowText(m_child));
    if (!window) return false;
    RefillQuickFind();
    ::SetFocus(window->Handle());
    return true;
}

LRESULT CMainToolBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) != IDC_QUICK_FIND_BOX) break;
        switch (HIWORD(wParam)) {
        case CBN_DROPDOWN:
            RefillQuickFind();
            m_listOpen = true;
            return 0;
        case CBN_CLOSEUP:
            ::PostMessageA(Handle(), UWM_QUICKFIND_CLOSED, 0, 0);
            return 0;
        case CBN_SELENDOK:
            // A list entry chosen: the search starts once the box has taken its text.
            if (m_listOpen) ::PostMessageA(Handle(), UWM_QUICKFIND_CHOSEN, 0, 0);
            m_listOpen = false;
            return 0;
        default:
            return 0;
        }
    case UWM_QUICKFIND_CHOSEN:
        StartQuickSearch();
        return 0;
    case UWM_QUICKFIND_CLOSED:
        m_listOpen = false;
        return 0;
    default:
        break;
    }
    return CAppToolBar::WindowProc(message, wParam, lParam);
}
