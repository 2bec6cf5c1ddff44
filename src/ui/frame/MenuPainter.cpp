#include "ui/frame/MenuPainter.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

// Standard library
#include <algorithm>

// Windows
#include <shellapi.h>

namespace {

constexpr int kIconSize = 16;
constexpr int kIconMargin = 2;
constexpr int kTextGap = 6;

HFONT MenuFont()
{
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return ::CreateFontIndirectA(&metrics.lfMenuFont);
}

}  // namespace

CMenuPainter::~CMenuPainter()
{
    if (m_internet) ::DeleteObject(m_internet);
}

int CMenuPainter::IconIndexOf(const std::string& source)
{
    if (source.empty()) return -1;
    SHFILEINFOA info = {};
    if (!::SHGetFileInfoA(source.c_str(), 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON))
        return -1;
    return info.iIcon;
}

HBITMAP CMenuPainter::InternetBitmap() const
{
    if (!m_internet)
        m_internet = static_cast<HBITMAP>(::LoadImageA(::GetModuleHandleA(nullptr),
                                                       MAKEINTRESOURCEA(IDB_INTERNET), IMAGE_BITMAP, 0, 0,
                                                       LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS));
    return m_internet;
}

void CMenuPainter::Append(HMENU menu, const std::vector<MenuEntry>& entries, bool drawn)
{
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntry::Kind::Separator) {
            ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const UINT state = (entry.enabled ? MF_ENABLED : MF_GRAYED) | (entry.checked ? MF_CHECKED : 0);
        const bool hasImage = !entry.iconSource.empty() || entry.internetImage;
        if (!drawn || !hasImage) {
            ::AppendMenuA(menu, MF_STRING | state, entry.command, entry.text.c_str());
            continue;
        }
        m_items.push_back(std::make_unique<Item>(Item{
            menu, entry.text, entry.internetImage ? -1 : IconIndexOf(entry.iconSource), entry.internetImage}));
        ::AppendMenuA(menu, MF_OWNERDRAW | state, entry.command,
                      reinterpret_cast<const char*>(m_items.back().get()));
    }
}

void CMenuPainter::AppendShellItem(HMENU menu, const std::string& text, UINT command, int iconIndex, bool drawn)
{
    if (!drawn) {
        ::AppendMenuA(menu, MF_STRING, command, text.c_str());
        return;
    }
    m_items.push_back(std::make_unique<Item>(Item{menu, text, iconIndex, false}));
    ::AppendMenuA(menu, MF_OWNERDRAW, command, reinterpret_cast<const char*>(m_items.back().get()));
}

void CMenuPainter::Release(HMENU menu)
{
    m_items.erase(std::remove_if(m_items.begin(), m_items.end(),
                                 [menu](const std::unique_ptr<Item>& item) { return item->menu == menu; }),
                  m_items.end());
}

const CMenuPainter::Item* CMenuPainter::Find(ULONG_PTR data) const
{
    for (const auto& item : m_items)
        if (reinterpret_cast<ULONG_PTR>(item.get()) == data) return item.get();
    return nullptr;
}

bool CMenuPainter::Measure(MEASUREITEMSTRUCT& measure) const
{
    const Item* item = measure.CtlType == ODT_MENU ? Find(measure.itemData) : nullptr;
    if (!item) return false;
    HDC dc = ::GetDC(nullptr);
    HFONT font = MenuFont();
    HGDIOBJ old = ::SelectObject(dc, font);
    RECT text = {};
    ::DrawTextA(dc, item->text.c_str(), -1, &text, DT_SINGLELINE | DT_CALCRECT);
    ::SelectObject(dc, old);
    ::DeleteObject(font);
    ::ReleaseDC(nullptr, dc);
    measure.itemWidth = static_cast<UINT>(kIconMargin + kIconSize + kTextGap + text.right);
    measure.itemHeight = static_cast<UINT>(std::max<LONG>(kIconSize + 2 * kIconMargin, text.bottom + 2));
    return true;
}

bool CMenuPainter::Draw(const DRAWITEMSTRUCT& draw) const
{
    const Item* item = draw.CtlType == ODT_MENU ? Find(draw.itemData) : nullptr;
    if (!item) return false;
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    const bool grayed = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    ::FillRect(draw.hDC, &draw.rcItem, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));

    const int top = draw.rcItem.top + (draw.rcItem.bottom - draw.rcItem.top - kIconSize) / 2;
    const int left = draw.rcItem.left + kIconMargin;
    if (item->internetImage) {
        HDC source = ::CreateCompatibleDC(draw.hDC);
        HGDIOBJ old = ::SelectObject(source, InternetBitmap());
        ::BitBlt(draw.hDC, left, top, kIconSize, kIconSize, source, 0, 0, SRCCOPY);
        ::SelectObject(source, old);
        ::DeleteDC(source);
    } else if (item->iconIndex >= 0) {
        ::ImageList_Draw(CTrailmarkApp::Instance()->SmallImages(), item->iconIndex, draw.hDC, left, top,
                         ILD_TRANSPARENT);
    }

    RECT text = draw.rcItem;
    text.left = left + kIconSize + kTextGap;
    HFONT font = MenuFont();
    HGDIOBJ old = ::SelectObject(draw.hDC, font);
    ::SetBkMode(draw.hDC, TRANSPARENT);
    ::SetTextColor(draw.hDC, ::GetSysColor(grayed     ? COLOR_GRAYTEXT
                                           : selected ? COLOR_HIGHLIGHTTEXT
                                                      : COLOR_MENUTEXT));
    ::DrawTextA(draw.hDC, item->text.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER);
    ::SelectObject(draw.hDC, old);
    ::DeleteObject(font);
    return true;
}

bool CMenuPainter::MenuChar(HMENU menu, char typed, LRESULT& result) const
{
    std::vector<std::string> texts;
    int current = -1;
    bool anyDrawn = false;
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_DATA | MIIM_STATE | MIIM_TYPE;
        char buffer[256] = "";
        info.dwTypeData = buffer;
        info.cch = sizeof(buffer);
        ::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        const Item* item = (info.fType & MFT_OWNERDRAW) ? Find(info.dwItemData) : nullptr;
        anyDrawn = anyDrawn || item;
        texts.push_back(item ? item->text : (info.fType & MFT_SEPARATOR) ? std::string() : std::string(buffer));
        if (info.fState & MFS_HILITE) current = i;
    }
    if (!anyDrawn) return false;
    const MnemonicChoice choice = ChooseByMnemonic(texts, current, typed);
    switch (choice.action) {
    case MnemonicChoice::Action::Execute: result = MAKELRESULT(choice.index, MNC_EXECUTE); break;
    case MnemonicChoice::Action::Select: result = MAKELRESULT(choice.index, MNC_SELECT); break;
    case MnemonicChoice::Action::None: result = MAKELRESULT(0, MNC_IGNORE); break;
    }
    return true;
}
