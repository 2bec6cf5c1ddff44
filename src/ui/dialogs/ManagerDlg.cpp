#include "ui/dialogs/ManagerDlg.h"

// Core
#include "core/app/ObjectList.h"

// Framework
#include "ui/framework/Application.h"

// Dialogs
#include "ui/dialogs/ManagerMessages.h"

// Resources
#include "res/resource.h"

// Standard library
#include <algorithm>

namespace {

constexpr int kMarkSize = 16;
constexpr int kEntryPadding = 2;
constexpr int kTextIndent = 2;
// The silver behind the mark images.
constexpr COLORREF kMarkBackground = RGB(192, 192, 192);
constexpr int kEnabledImage = 0;
constexpr int kDisabledImage = 1;
constexpr int kUpImage = 0;
constexpr int kDownImage = 1;
constexpr int kFocusInset = 3;

HINSTANCE Instance() { return ui::Application::Instance()->InstanceHandle(); }

}  // namespace

CManagerDlg::CManagerDlg(UINT templateId, CObjectList& list) : ui::Dialog(templateId), m_list(&list) {}

CManagerDlg::~CManagerDlg() = default;

BOOL CManagerDlg::OnInitDialog()
{
    LookUpButtons();
    m_listBox.Subclass(Item(IDC_MGR_LIST));
    if (m_enableButton) LoadMarks();
    if (m_moveUpButton) LoadArrows();
    SetEntryHeight();
    Fill();
    if (EntryCount() > 0) {
        SelectOnly(0);
        ::SetFocus(ListBox());
    } else {
        ::SetFocus(m_addButton);
    }
    UpdateButtons();
    ::SendMessageA(Handle(), UWM_MGR_CHANGED, 0, 0);
    return FALSE;
}

void CManagerDlg::LookUpButtons()
{
    m_addButton = Item(IDC_MGR_ADD);
    m_editButton = Item(IDC_MGR_EDIT);
    m_deleteButton = Item(IDC_MGR_DELETE);
    m_enableButton = Item(IDC_MGR_ENABLE);
    m_disableButton = Item(IDC_MGR_DISABLE);
    m_moveUpButton = Item(IDC_MOVE_UP);
    m_moveDownButton = Item(IDC_MOVE_DOWN);
}

void CManagerDlg::LoadMarks()
{
    m_marks.Reset(::ImageList_Create(kMarkSize, kMarkSize, ILC_COLOR24 | ILC_MASK, 2, 0));
    for (UINT id : {IDB_ITEM_ENABLED, IDB_ITEM_DISABLED}) {
        ui::GdiObject<HBITMAP> bitmap(::LoadBitmapA(Instance(), MAKEINTRESOURCEA(id)));
        if (bitmap) ::ImageList_AddMasked(m_marks.Get(), bitmap.Get(), kMarkBackground);
    }
}

// The arrows are drawn by the dialog: a bitmap button greys a disabled image
// into a solid block, where a masked image embosses properly.
void CManagerDlg::LoadArrows()
{
    m_arrows.Reset(::ImageList_Create(kMarkSize, kMarkSize, ILC_COLOR24 | ILC_MASK, 2, 0));
    for (UINT id : {IDB_MOVE_UP, IDB_MOVE_DOWN}) {
        ui::GdiObject<HBITMAP> bitmap(::LoadBitmapA(Instance(), MAKEINTRESOURCEA(id)));
        if (bitmap) ::ImageList_AddMasked(m_arrows.Get(), bitmap.Get(), kMarkBackground);
    }
    for (HWND button : {m_moveUpButton, m_moveDownButton}) {
        if (!button) continue;
        const LONG_PTR style = ::GetWindowLongPtrA(button, GWL_STYLE);
        ::SetWindowLongPtrA(button, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
        ::InvalidateRect(button, nullptr, TRUE);
    }
}

void CManagerDlg::DrawArrow(const DRAWITEMSTRUCT& item)
{
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    RECT face = item.rcItem;
    ::DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    const int image = item.CtlID == IDC_MOVE_UP ? kUpImage : kDownImage;
    const int shift = pushed ? 1 : 0;
    const int x = (item.rcItem.left + item.rcItem.right - kMarkSize) / 2 + shift;
    const int y = (item.rcItem.top + item.rcItem.bottom - kMarkSize) / 2 + shift;
    if (HICON icon = ::ImageList_GetIcon(m_arrows.Get(), image, ILD_NORMAL)) {
        ::DrawStateA(item.hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, x, y, kMarkSize,
                     kMarkSize, DST_ICON | (disabled ? DSS_DISABLED : DSS_NORMAL));
        ::DestroyIcon(icon);
    }
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        ::InflateRect(&focus, -kFocusInset, -kFocusInset);
        ::DrawFocusRect(item.hDC, &focus);
    }
}

// The dialog learns of the list only after the list measured its entries.
void CManagerDlg::SetEntryHeight()
{
    HWND list = ListBox();
    auto font = reinterpret_cast<HFONT>(::SendMessageA(list, WM_GETFONT, 0, 0));
    LOGFONTA bold = {};
    if (font && ::GetObjectA(font, sizeof(bold), &bold)) {
        bold.lfWeight = FW_BOLD;
        m_defaultFont.Reset(::CreateFontIndirectA(&bold));
    }
    HDC dc = ::GetDC(list);
    HGDIOBJ old = ::SelectObject(dc, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc, &metrics);
    ::SelectObject(dc, old);
    ::ReleaseDC(list, dc);
    const int height = std::max<int>(metrics.tmHeight, m_marks || EntryIcons() ? kMarkSize : 0) + kEntryPadding;
    ::SendMessageA(list, LB_SETITEMHEIGHT, 0, height);
}

void CManagerDlg::Fill()
{
    for (int i = 0; i < List().Count(); ++i) {
        ::SendMessageA(ListBox(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(List().At(i)->Name().c_str()));
        SetEntryMark(i, InitialMark(i));
    }
}

bool CManagerDlg::OnCommand(int id, int code)
{
    if (id == IDC_MGR_LIST) {
        if (code == LBN_SELCHANGE) UpdateButtons();
        return true;
    }
    if (code != BN_CLICKED) return ui::Dialog::OnCommand(id, code);
    switch (id) {
    case IDC_MGR_ADD: OnAdd(); return true;
    case IDC_MGR_EDIT: OnEdit(); return true;
    case IDC_MGR_DELETE: DeleteSelected(); return true;
    case IDC_MGR_ENABLE: SetSelectedEnabled(true); return true;
    case IDC_MGR_DISABLE: SetSelectedEnabled(false); return true;
    case IDC_MOVE_UP: Move(MoveDirection::Up, true); return true;
    case IDC_MOVE_DOWN: Move(MoveDirection::Down, true); return true;
    default: return ui::Dialog::OnCommand(id, code);
    }
}

void CManagerDlg::OnOK()
{
    End(IDOK);
    List().SaveAll();
}

void CManagerDlg::OnCancel()
{
    End(IDCANCEL);
    List().LoadAll();
}

INT_PTR CManagerDlg::DialogProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const int index = static_cast<int>(wParam);
    switch (message) {
    case WM_DRAWITEM:
        if (wParam == IDC_MGR_LIST)
            DrawEntry(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        else if ((wParam == IDC_MOVE_UP || wParam == IDC_MOVE_DOWN) && m_arrows)
            DrawArrow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        else
            return FALSE;
        return TRUE;
    case UWM_MGR_EDIT:
        if (SelectedEntries().size() == 1) OnEdit();
        return Answer(0);
    case UWM_MGR_ADD: OnAdd(); return Answer(0);
    case UWM_MGR_DELETE:
        if (::IsWindowEnabled(m_deleteButton)) DeleteSelected();
        return Answer(0);
    case UWM_MGR_CHANGED:
        UpdateButtons();
        OnListChanged();
        return Answer(0);
    case UWM_MGR_TOGGLE: ToggleSelected(); return Answer(0);
    case UWM_MGR_CONFIRMDELETE: return Answer(ConfirmDelete(index));
    case UWM_MGR_DELETED: OnDeleted(); return Answer(0);
    case UWM_MGR_ISDEFAULTENTRY: return Answer(IsDefaultEntry(index) ? TRUE : FALSE);
    case UWM_MGR_SELECTALL: SelectAll(); return Answer(0);
    case UWM_MGR_MOVEUP:
    case UWM_MGR_MOVEDOWN:
        if (m_moveUpButton)
            Move(message == UWM_MGR_MOVEUP ? MoveDirection::Up : MoveDirection::Down, false);
        return Answer(0);
    default:
        return ui::Dialog::DialogProc(message, wParam, lParam);
    }
}

INT_PTR CManagerDlg::Answer(LRESULT value)
{
    ::SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, value);
    return TRUE;
}

int CManagerDlg::ConfirmDelete(int index)
{
    (void)index;
    return IDYES;
}

bool CManagerDlg::CanDelete(int index) const
{
    (void)index;
    return true;
}

LPARAM CManagerDlg::InitialMark(int index) const
{
    if (!m_enableButton) return 0;
    return List().At(index)->Enabled() ? IDB_ITEM_ENABLED : IDB_ITEM_DISABLED;
}

bool CManagerDlg::IsDefaultEntry(int index) const
{
    (void)index;
    return false;
}

int CManagerDlg::EntryCount() const
{
    return static_cast<int>(::SendMessageA(ListBox(), LB_GETCOUNT, 0, 0));
}

std::vector<int> CManagerDlg::SelectedEntries() const
{
    std::vector<int> selected;
    for (int i = 0; i < EntryCount(); ++i)
        if (::SendMessageA(ListBox(), LB_GETSEL, static_cast<WPARAM>(i), 0) > 0) selected.push_back(i);
    return selected;
}

LPARAM CManagerDlg::EntryMark(int index) const
{
    return ::SendMessageA(ListBox(), LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
}

void CManagerDlg::SetEntryMark(int index, LPARAM mark)
{
    ::SendMessageA(ListBox(), LB_SETITEMDATA, static_cast<WPARAM>(index), mark);
}

void CManagerDlg::SetEntry(int index, const std::string& text, LPARAM mark)
{
    ::SendMessageA(ListBox(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    ::SendMessageA(ListBox(), LB_INSERTSTRING, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(text.c_str()));
    SetEntryMark(index, mark);
}

void CManagerDlg::RefreshEntry(int index)
{
    if (index < 0 || index >= EntryCount() || !List().At(index)) return;
    SetEntry(index, List().At(index)->Name(), EntryMark(index));
    SelectOnly(index);
    UpdateButtons();
}

void CManagerDlg::AppendEntry(LPARAM mark)
{
    const int index = List().Count() - 1;
    if (index < EntryCount()) return;
    ::SendMessageA(ListBox(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(List().At(index)->Name().c_str()));
    SetEntryMark(index, mark);
    SelectOnly(index);
    ::SendMessageA(Handle(), UWM_MGR_CHANGED, 0, 0);
}

void CManagerDlg::SelectOnly(int index)
{
    ::SendMessageA(ListBox(), LB_SETSEL, FALSE, -1);
    ::SendMessageA(ListBox(), LB_SETSEL, TRUE, index);
    ::SendMessageA(ListBox(), LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
}

ManagerButtons CManagerDlg::UpdateButtons()
{
    const ManagerButtons buttons = ComputeManagerButtons(
        SelectedEntries(), EntryCount(),
        [this](int i) { return List().At(i) && List().At(i)->Enabled(); },
        [this](int i) { return CanDelete(i); });
    const std::pair<HWND, bool> states[] = {
        {m_deleteButton, buttons.canDelete},   {m_editButton, buttons.canEdit},
        {m_moveUpButton, buttons.canMoveUp},   {m_moveDownButton, buttons.canMoveDown},
        {m_enableButton, buttons.canEnable},   {m_disableButton, buttons.canDisable},
    };
    for (const auto& [button, enabled] : states)
        if (button) ::EnableWindow(button, enabled ? TRUE : FALSE);
    FocusAwayFromDisabled();
    OnButtonsUpdated();
    return buttons;
}

// A button disabled under the focus would leave the keyboard nowhere.
void CManagerDlg::FocusAwayFromDisabled()
{
    HWND focus = ::GetFocus();
    if (focus && ::GetParent(focus) == Handle() && !::IsWindowEnabled(focus)) ::SetFocus(ListBox());
}

void CManagerDlg::DeleteSelected()
{
    std::vector<bool> selected(static_cast<std::size_t>(EntryCount()));
    for (std::size_t i = 0; i < selected.size(); ++i)
        selected[i] = ::SendMessageA(ListBox(), LB_GETSEL, i, 0) > 0;
    auto confirm = [this](int index) {
        switch (::SendMessageA(Handle(), UWM_MGR_CONFIRMDELETE, static_cast<WPARAM>(index), 0)) {
        case IDYES:
            return DeleteAnswer::Yes;
        case IDNO:
            ::SendMessageA(ListBox(), LB_SETSEL, FALSE, index);
            return DeleteAnswer::No;
        default:
            ::SendMessageA(ListBox(), LB_SETSEL, FALSE, -1);
            return DeleteAnswer::Cancel;
        }
    };
    auto remove = [this](int index) {
        ::SendMessageA(ListBox(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
        List().RemoveAt(index, true);
    };
    RunDeleteLoop(selected, confirm, remove);

    if (EntryCount() == 0)
        ::SetFocus(m_addButton);
    else
        SelectOnly(0);
    UpdateButtons();
    ::SendMessageA(Handle(), UWM_MGR_CHANGED, 0, 0);
    ::SendMessageA(Handle(), UWM_MGR_DELETED, 0, 0);
}

void CManagerDlg::SetSelectedEnabled(bool enabled)
{
    for (int index : SelectedEntries()) {
        List().At(index)->SetEnabled(enabled);
        SetEntryMark(index, enabled ? IDB_ITEM_ENABLED : IDB_ITEM_DISABLED);
    }
    ::InvalidateRect(ListBox(), nullptr, TRUE);
    UpdateButtons();
    if (HWND opposite = enabled ? m_disableButton : m_enableButton) ::SetFocus(opposite);
}

void CManagerDlg::ToggleSelected()
{
    const std::vector<int> selected = SelectedEntries();
    if (!m_enableButton || selected.size() != 1) return;
    CBaseObj* object = List().At(selected.front());
    object->SetEnabled(!object->Enabled());
    SetEntryMark(selected.front(), object->Enabled() ? IDB_ITEM_ENABLED : IDB_ITEM_DISABLED);
    ::InvalidateRect(ListBox(), nullptr, TRUE);
    UpdateButtons();
}

void CManagerDlg::Move(MoveDirection direction, bool fromButton)
{
    const std::vector<int> selected = SelectedEntries();
    const std::optional<int> partner = MovePartner(selected, EntryCount(), direction);
    if (!partner || !List().Swap(selected.front(), *partner)) return;
    const int index = selected.front();
    const LPARAM mark = EntryMark(index);
    SetEntry(index, List().At(index)->Name(), EntryMark(*partner));
    SetEntry(*partner, List().At(*partner)->Name(), mark);
    SelectOnly(*partner);
    const ManagerButtons buttons = UpdateButtons();
    if (fromButton) {
        HWND same = direction == MoveDirection::Up ? m_moveUpButton : m_moveDownButton;
        HWND other = direction == MoveDirection::Up ? m_moveDownButton : m_moveUpButton;
        switch (FocusAfterMove(buttons, direction)) {
        case MoveFocus::SameButton: ::SetFocus(same); break;
        case MoveFocus::OtherButton: ::SetFocus(other); break;
        case MoveFocus::List: ::SetFocus(ListBox()); break;
        }
    }
    ::SendMessageA(Handle(), UWM_MGR_CHANGED, 0, 0);
}

void CManagerDlg::SelectAll()
{
    ::SendMessageA(ListBox(), LB_SETSEL, TRUE, -1);
    UpdateButtons();
}

void CManagerDlg::DrawEntry(const DRAWITEMSTRUCT& item)
{
    if (item.itemID == static_cast<UINT>(-1)) {
        if (item.itemState & ODS_FOCUS) ::DrawFocusRect(item.hDC, &item.rcItem);
        return;
    }
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    ::FillRect(dc, &area, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));

    area.left += kTextIndent;
    if (m_marks) {
        const int image = item.itemData == IDB_ITEM_DISABLED ? kDisabledImage : kEnabledImage;
        const int top = area.top + (area.bottom - area.top - kMarkSize) / 2;
        ::ImageList_Draw(m_marks.Get(), image, dc, area.left, top, ILD_TRANSPARENT);
        area.left += kMarkSize + kTextIndent;
    }
    if (HIMAGELIST icons = EntryIcons()) {
        const int icon = EntryIcon(static_cast<int>(item.itemID));
        const int top = area.top + (area.bottom - area.top - kMarkSize) / 2;
        if (icon >= 0) ::ImageList_Draw(icons, icon, dc, area.left, top, ILD_TRANSPARENT);
        area.left += kMarkSize + kTextIndent;
    }

    const LRESULT length = ::SendMessageA(ListBox(), LB_GETTEXTLEN, item.itemID, 0);
    std::vector<char> text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
    ::SendMessageA(ListBox(), LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
    const bool isDefault = ::SendMessageA(Handle(), UWM_MGR_ISDEFAULTENTRY, item.itemID, 0) != 0;
    HGDIOBJ font = isDefault && m_defaultFont
                       ? static_cast<HGDIOBJ>(m_defaultFont.Get())
                       : reinterpret_cast<HGDIOBJ>(::SendMessageA(ListBox(), WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = font ? ::SelectObject(dc, font) : nullptr;
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    ::DrawTextA(dc, text.data(), -1, &area,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (oldFont) ::SelectObject(dc, oldFont);
    if (item.itemState & ODS_FOCUS) ::DrawFocusRect(dc, &item.rcItem);
}
