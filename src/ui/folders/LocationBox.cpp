#include "ui/folders/LocationBox.h"

// Platform
#include "platform/DirectoryLister.h"

// Framework
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/FolderMessages.h"
#include "ui/folders/Shell.h"

// Explorer
#include "ui/explorer/DesktopTree.h"
#include "ui/explorer/FolderTreeAccess.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/MainFrame.h"

// Resources
#include "res/resource.h"

// Standard library
#include <algorithm>
#include <utility>

// Windows
#include <commctrl.h>
#include <shellapi.h>

namespace {

constexpr char kIconOfLocalDrives[] = "C:\\";
constexpr int kItemPadding = 2;  // above and below the taller of icon and text
// The characters a Ctrl key press goes on to produce in the edit field.
constexpr WPARAM kCharSelectAll = 0x01;
constexpr WPARAM kCharCopy = 0x03;
constexpr WPARAM kCharPaste = 0x16;
constexpr WPARAM kCharCut = 0x18;

bool KeyHeld(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

CLocationBox::CLocationBox() : m_edit(*this) {}

bool CLocationBox::Create(HWND parent, UINT id, Mode mode, int dropHeight)
{
    m_id = id;
    Prepare(mode);
    // The parent measures the items while the box is made: m_id answers it.
    m_combo = ::CreateWindowExA(0, "COMBOBOX", nullptr,
                                WS_CHILD | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL |
                                    CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                                0, 0, 0, dropHeight, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                ::GetModuleHandleA(nullptr), nullptr);
    if (!m_combo) return false;
    return Attach(m_combo, mode);
}

bool CLocationBox::Attach(HWND combo, Mode mode)
{
    if (!combo) return false;
    m_combo = combo;
    m_id = static_cast<UINT>(::GetDlgCtrlID(combo));
    if (!m_font) Prepare(mode);
    ::SendMessageA(m_combo, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
    // The measuring at creation may have missed the font: both heights again.
    ::SendMessageA(m_combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), ItemHeight());
    ::SendMessageA(m_combo, CB_SETITEMHEIGHT, 0, ItemHeight());
    if (HWND edit = ::FindWindowExA(m_combo, nullptr, "Edit", nullptr)) m_edit.Subclass(edit);
    Fill();
    return true;
}

void CLocationBox::Prepare(Mode mode)
{
    m_mode = mode;
    LOGFONTA face = {};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(face), &face);
    face.lfWeight = FW_BOLD;
    m_font.Reset(::CreateFontIndirectA(&face));
    SHFILEINFOA info = {};
    m_images = reinterpret_cast<HIMAGELIST>(
        ::SHGetFileInfoA(kIconOfLocalDrives, 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

int CLocationBox::ItemHeight() const
{
    TEXTMETRICA metrics = {};
    HDC screen = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(screen, m_font ? m_font.Get() : ::GetStockObject(DEFAULT_GUI_FONT));
    ::GetTextMetricsA(screen, &metrics);
    ::SelectObject(screen, old);
    ::ReleaseDC(nullptr, screen);
    return std::max<int>(metrics.tmHeight, location::kIconSize) + 2 * kItemPadding;
}

void CLocationBox::Fill()
{
    if (!m_combo) return;
    // Emptying the list empties the edit field too: what was typed stays.
    const std::string text = Text();
    ::SendMessageA(m_combo, CB_RESETCONTENT, 0, 0);
    m_ownNodes.clear();
    m_entries.clear();
    if (m_mode == Mode::Address) FillAddress();
    else FillSearchScope();
    SetText(text);
}

void CLocationBox::Forget(const NameSpaceNode* node)
{
    if (!node || !m_combo) return;
    for (int index = ItemCount(); index-- > 0;) {
        const Entry* entry = EntryAt(index);
        if (entry && entry->node == node) ::SendMessageA(m_combo, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
    }
    for (Entry& entry : m_entries)
        if (entry.node == node) entry.node = nullptr;
}

namespace {

// The desktop, its folders and the drives below the drives folder, numbered
// as the core's tree numbers them; `drives` is the drives folder's number.
struct PlaceTree {
    location::NodeTree tree;
    std::vector<const NameSpaceNode*> nodes;
    std::size_t drives = location::kNoNode;
};

std::size_t AddNode(PlaceTree& places, std::size_t parent, const NameSpaceNode* node)
{
    const std::size_t number = places.nodes.size();
    places.tree.nodes.push_back({node->name, {}});
    if (parent != location::kNoNode) places.tree.nodes[parent].children.push_back(number);
    places.nodes.push_back(node);
    return number;
}

// A shell that does not say which folder holds the drives keeps them in the
// desktop's second folder.
std::size_t DrivesOrSecond(const PlaceTree& places, std::size_t root, std::size_t drives)
{
    const std::vector<std::size_t>& top = places.tree.nodes[root].children;
    return drives == location::kNoNode && top.size() >= 2 ? top[1] : drives;
}

NameSpaceNode* Keep(std::vector<std::unique_ptr<NameSpaceNode>>& kept, NameSpaceNode node)
{
    kept.push_back(std::make_unique<NameSpaceNode>(std::move(node)));
    return kept.back().get();
}

// The places as the shell lists them, kept in `kept`.
PlaceTree ReadShellTree(HWND owner, std::vector<std::unique_ptr<NameSpaceNode>>& kept)
{
    PlaceTree places;
    const std::size_t root = AddNode(places, location::kNoNode, Keep(kept, DesktopNode()));
    for (NameSpaceNode& child : ChildNodes(*places.nodes[root], owner)) {
        const bool drives = IsDrivesNode(child);
        const std::size_t number = AddNode(places, root, Keep(kept, std::move(child)));
        if (drives && places.drives == location::kNoNode) places.drives = number;
    }
    places.drives = DrivesOrSecond(places, root, places.drives);
    if (places.drives != location::kNoNode)
        for (NameSpaceNode& drive : ChildNodes(*places.nodes[places.drives], owner))
            AddNode(places, places.drives, Keep(kept, std::move(drive)));
    return places;
}

// The places as the folder tree holds them, without asking the shell again;
// empty while the tree has no desktop.
PlaceTree ShareTree(const CDesktopTree& folderTree)
{
    PlaceTree places;
    HTREEITEM rootItem = folderTree.Root();
    if (!rootItem || !folderTree.NodeOf(rootItem)) return places;
    const std::size_t root = AddNode(places, location::kNoNode, folderTree.NodeOf(rootItem));
    std::vector<HTREEITEM> topItems;
    for (HTREEITEM child = folderTree.FirstChild(rootItem); child; child = folderTree.NextSibling(child)) {
        const std::size_t number = AddNode(places, root, folderTree.NodeOf(child));
        topItems.push_back(child);
        if (child == folderTree.DrivesItem()) places.drives = number;
    }
    places.drives = DrivesOrSecond(places, root, places.drives);
    if (places.drives != location::kNoNode) {
        HTREEITEM drives = topItems[places.drives - root - 1];
        for (HTREEITEM drive = folderTree.FirstChild(drives); drive; drive = folderTree.NextSibling(drive))
            AddNode(places, places.drives, folderTree.NodeOf(drive));
    }
    return places;
}

// The folder tree's places when it has them, else the shell's kept in `kept`.
PlaceTree ReadPlaces(HWND owner, std::vector<std::unique_ptr<NameSpaceNode>>& kept, bool& shared)
{
    if (const CDesktopTree* folderTree = FolderTree()) {
        PlaceTree places = ShareTree(*folderTree);
        shared = !places.nodes.empty();
        if (shared) return places;
    }
    shared = false;
    return ReadShellTree(owner, kept);
}

}  // namespace

void CLocationBox::FillAddress()
{
    const PlaceTree places = ReadPlaces(m_combo, m_ownNodes, m_shared);
    AddNodes(places.nodes, location::AddressModeNodes(places.tree, places.drives));
}

void CLocationBox::AddNodes(const std::vector<const NameSpaceNode*>& read,
                            const std::vector<location::ListedNode>& listed)
{
    for (const location::ListedNode& entry : listed) {
        const NameSpaceNode* node = read[entry.node];
        AddEntry({node->name, node, entry.depth, node->iconIndex});
    }
}

void CLocationBox::FillSearchScope()
{
    const std::vector<std::string> roots =
        location::FixedDriveRoots(static_cast<std::uint32_t>(::GetLogicalDrives()), platform::SystemDirectoryLister());
    AddEntry({location::LocalDrivesText(ui::LoadString(IDS_LOCAL_HARD_DRIVES), roots), nullptr, 0,
              shell::IconOfPath(kIconOfLocalDrives)});
    const PlaceTree places = ReadPlaces(m_combo, m_ownNodes, m_shared);
    AddNodes(places.nodes, location::SearchScopeNodes(places.tree, places.drives));
}

void CLocationBox::AddEntry(Entry entry)
{
    const LRESULT index = ::SendMessageA(m_combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.text.c_str()));
    if (index == CB_ERR || index == CB_ERRSPACE) return;
    ::SendMessageA(m_combo, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(m_entries.size()));
    m_entries.push_back(std::move(entry));
}

const CLocationBox::Entry* CLocationBox::EntryAt(int index) const
{
    if (!m_combo || index < 0) return nullptr;
    const LRESULT data = ::SendMessageA(m_combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    if (data == CB_ERR || data < 0 || static_cast<std::size_t>(data) >= m_entries.size()) return nullptr;
    return &m_entries[static_cast<std::size_t>(data)];
}

int CLocationBox::ItemCount() const
{
    return m_combo ? static_cast<int>(::SendMessageA(m_combo, CB_GETCOUNT, 0, 0)) : 0;
}

std::string CLocationBox::ItemText(int index) const
{
    const Entry* entry = EntryAt(index);
    return entry ? entry->text : std::string();
}

const NameSpaceNode* CLocationBox::ItemNode(int index) const
{
    const Entry* entry = EntryAt(index);
    return entry ? entry->node : nullptr;
}

int CLocationBox::ItemDepth(int index) const
{
    const Entry* entry = EntryAt(index);
    return entry ? entry->depth : 0;
}

int CLocationBox::ItemIcon(int index) const
{
    const Entry* entry = EntryAt(index);
    return entry ? entry->icon : -1;
}

void CLocationBox::Choose(int index)
{
    const Entry* entry = EntryAt(index);
    if (!entry) return;
    HWND parent = ::GetParent(m_combo);
    if (const NameSpaceNode* node = ItemNode(index))
        ::SendMessageA(parent, UWM_LOCATIONCHOSEN, reinterpret_cast<WPARAM>(node->parsingPath.c_str()),
                       reinterpret_cast<LPARAM>(node));
    else
        ::SendMessageA(parent, UWM_LOCATIONCHOSEN, reinterpret_cast<WPARAM>(entry->text.c_str()),
                       kLocalDrivesHandle);
}

bool CLocationBox::OnParentMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_MEASUREITEM: {
        auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure.CtlType != ODT_COMBOBOX || measure.CtlID != m_id || !m_id) return false;
        Measure(measure);
        result = TRUE;
        return true;
    }
    case WM_DRAWITEM: {
        const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (draw.CtlType != ODT_COMBOBOX || !m_combo || draw.hwndItem != m_combo) return false;
        Draw(draw);
        result = TRUE;
        return true;
    }
    case WM_COMMAND:
        if (!m_combo || reinterpret_cast<HWND>(lParam) != m_combo) return false;
        if (HIWORD(wParam) == CBN_DROPDOWN) {
            // Drives and folders of the tree that came since: listing the
            // tree's items again asks nothing of the shell.
            if (m_shared || FolderTree()) Fill();
            result = 0;
            return true;
        }
        if (HIWORD(wParam) != CBN_SELENDOK) return false;
        Choose(static_cast<int>(::SendMessageA(m_combo, CB_GETCURSEL, 0, 0)));
        result = 0;
        return true;
    default:
        return false;
    }
}

void CLocationBox::Measure(MEASUREITEMSTRUCT& measure) const
{
    measure.itemHeight = static_cast<UINT>(ItemHeight());
}

void CLocationBox::Draw(const DRAWITEMSTRUCT& draw) const
{
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    const bool disabled = !::IsWindowEnabled(m_combo) || (draw.itemState & ODS_DISABLED);
    HDC dc = draw.hDC;
    const RECT& item = draw.rcItem;
    const COLORREF oldBack = ::SetBkColor(dc, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const COLORREF oldText = ::SetTextColor(
        dc, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : disabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &item, nullptr, 0, nullptr);
    if (const Entry* entry = EntryAt(static_cast<int>(draw.itemID))) {
        const location::ItemLayout layout = location::LayoutItem(m_mode, entry->depth, item.bottom - item.top);
        if (m_images && entry->icon >= 0)
            ::ImageList_Draw(m_images, entry->icon, dc, item.left + layout.iconLeft, item.top + layout.iconTop,
                             ILD_TRANSPARENT);
        RECT text = item;
        text.left += layout.textLeft;
        HGDIOBJ oldFont = ::SelectObject(dc, m_font.Get());
        const int oldMode = ::SetBkMode(dc, TRANSPARENT);
        ::DrawTextA(dc, entry->text.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        ::SetBkMode(dc, oldMode);
        ::SelectObject(dc, oldFont);
    }
    if (draw.itemState & ODS_FOCUS) ::DrawFocusRect(dc, &item);
    ::SetTextColor(dc, oldText);
    ::SetBkColor(dc, oldBack);
}

std::string CLocationBox::Text() const
{
    return ui::WindowText(m_combo);
}

void CLocationBox::SetText(const std::string& text)
{
    if (m_combo) ::SetWindowTextA(m_combo, text.c_str());
}

void CLocationBox::SelectAllText()
{
    if (m_combo) ::SendMessageA(m_combo, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

void CLocationBox::Copy()
{
    if (Edit()) ::SendMessageA(Edit(), WM_COPY, 0, 0);
}

void CLocationBox::Cut()
{
    if (Edit()) ::SendMessageA(Edit(), WM_CUT, 0, 0);
}

void CLocationBox::Paste()
{
    if (Edit()) ::SendMessageA(Edit(), WM_PASTE, 0, 0);
}

HWND CLocationBox::TargetWindow() const
{
    // The frame's active document window, found through its MDI client.
    if (CTrailmarkApp* app = CTrailmarkApp::Instance())
        if (HWND client = ::FindWindowExA(app->MainWindow(), nullptr, "MDICLIENT", nullptr))
            if (HWND active = reinterpret_cast<HWND>(::SendMessageA(client, WM_MDIGETACTIVE, 0, 0))) return active;
    return m_fallback;
}

bool CLocationBox::GoToText()
{
    const std::string path = Trimmed(Text());
    if (path.empty()) return false;
    if (shell::IsFolderPath(path) && !shell::DriveReady(path)) return false;
    HWND target = TargetWindow();
    if (!target || !::SendMessageA(target, UWM_NAVIGATE, reinterpret_cast<WPARAM>(path.c_str()), 0)) return false;
    SelectAllText();
    return true;
}

void CLocationBox::FocusFiles()
{
    if (HWND target = TargetWindow()) ::SendMessageA(target, UWM_FOCUSFILES, 0, 0);
}

void CLocationBox::FocusBarOrFiles()
{
    CTrailmarkApp* app = CTrailmarkApp::Instance();
    CMainFrame* frame = app ? app->MainFrame() : nullptr;
    if (frame && frame->ExplorerBarVisible()) ::SendMessageA(frame->Handle(), UWM_FOCUSBAR, 0, 0);
    else FocusFiles();
}

void CLocationBox::EditField::Subclass(HWND edit)
{
    SubclassControl(edit);
}

LRESULT CLocationBox::EditField::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN:
        m_swallowChar = 0;
        if (OnKeyDown(static_cast<UINT>(wParam))) return 0;
        break;
    case WM_CHAR: {
        // The edit field would do the key's work a second time from its character.
        const WPARAM swallow = std::exchange(m_swallowChar, 0);
        if (swallow && wParam == swallow) return 0;
        break;
    }
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

// Delete, Backspace and Escape are the edit field's own; the rest of the
// editing keys are done here, whatever the edit field of the platform knows.
bool CLocationBox::EditField::OnKeyDown(UINT key)
{
    const bool control = KeyHeld(VK_CONTROL);
    const bool shift = KeyHeld(VK_SHIFT);
    switch (key) {
    case VK_RETURN:
        // With the list open the box itself takes the highlighted item.
        if (::SendMessageA(m_box.m_combo, CB_GETDROPPEDSTATE, 0, 0)) return false;
        m_swallowChar = '\r';
        m_box.GoToText();
        return true;
    case VK_TAB:
        m_swallowChar = '\t';
        if (shift) m_box.FocusBarOrFiles();
        else m_box.FocusFiles();
        return true;
    case VK_INSERT:
        if (control) m_box.Copy();
        else if (shift) m_box.Paste();
        return control || shift;
    case VK_DELETE:
        if (!shift) return false;
        m_box.Cut();
        return true;
    default:
        break;
    }
    if (!control || shift) return false;
    switch (key) {
    case 'A': m_box.SelectAllText(); m_swallowChar = kCharSelectAll; return true;
    case 'C': m_box.Copy(); m_swallowChar = kCharCopy; return true;
    case 'V': m_box.Paste(); m_swallowChar = kCharPaste; return true;
    case 'X': m_box.Cut(); m_swallowChar = kCharCut; return true;
    default: return false;
    }
}
