#include "ui/dialogs/ToolsDlg.h"

// Core
#include "core/app/Favorite.h"
#include "core/app/ObjectList.h"
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"
#include "core/app/Tool.h"
#include "core/frame/RunTimeMenus.h"

// Dialogs
#include "ui/dialogs/ToolDialogs.h"

// Folders
#include "ui/folders/Shell.h"

// Application
#include "ui/app/AppletCollector.h"
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

namespace {

constexpr int kMaxSeparatorEvery = 9;

}  // namespace

CListWithIconsDlg::CListWithIconsDlg(UINT templateId, CObjectList& list, CSettingsStore& settings,
                                     int separatorSetting)
    : CManagerDlg(templateId, list), m_settings(settings), m_separatorSetting(separatorSetting)
{
}

BOOL CListWithIconsDlg::OnInitDialog()
{
    ::SendMessageA(Item(IDC_SEPARATOR_SPIN), UDM_SETRANGE, 0, MAKELPARAM(kMaxSeparatorEvery, 0));
    ::SendMessageA(Item(IDC_SEPARATOR_SPIN), UDM_SETPOS, 0,
                   MAKELPARAM(SeparatorEvery(m_settings.GetSetting(m_separatorSetting)), 0));
    return CManagerDlg::OnInitDialog();
}

void CListWithIconsDlg::OnOK()
{
    BOOL read = FALSE;
    const UINT typed = ::GetDlgItemInt(Handle(), IDC_SEPARATOR_EVERY, &read, FALSE);
    if (read) m_settings.SetSetting(m_separatorSetting, SeparatorEvery(static_cast<int>(typed)));
    CManagerDlg::OnOK();
}

HIMAGELIST CListWithIconsDlg::EntryIcons() const
{
    return CTrailmarkApp::Instance() ? CTrailmarkApp::Instance()->SmallImages() : nullptr;
}

int CListWithIconsDlg::EntryIcon(int index) const
{
    const auto* favorite = dynamic_cast<const CFavorite*>(List().At(index));
    return favorite ? shell::IconOfPath(favorite->Command()) : -1;
}

CBaseObj* CListWithIconsDlg::SelectedObject(int* index) const
{
    const std::vector<int> selected = SelectedEntries();
    if (selected.size() != 1) return nullptr;
    *index = selected.front();
    return List().At(*index);
}

CToolsDlg::CToolsDlg(CObjectList& tools, CSettingsStore& settings)
    : CListWithIconsDlg(IDD_TOOLS_MANAGER, tools, settings, Setting::ToolSeparatorEvery)
{
}

void CToolsDlg::OnAdd()
{
    CAddToolDlg add(List(), nullptr, false);
    if (add.DoModal(Handle()) == IDOK) AppendEntry(0);
}

void CToolsDlg::OnEdit()
{
    int index = 0;
    auto* tool = dynamic_cast<CTool*>(SelectedObject(&index));
    if (!tool) return;
    CAddToolDlg edit(List(), tool, false);
    if (edit.DoModal(Handle()) == IDOK) RefreshEntry(index);
}

CFavoritesDlg::CFavoritesDlg(CObjectList& favorites, CSettingsStore& settings)
    : CListWithIconsDlg(IDD_FAVORITES_MANAGER, favorites, settings, Setting::FavoriteSeparatorEvery)
{
}

BOOL CFavoritesDlg::OnInitDialog()
{
    ::CheckDlgButton(Handle(), IDC_ADD_APPLETS,
                     Settings().GetSetting(Setting::ControlPanelFavorites) ? BST_CHECKED : BST_UNCHECKED);
    return CListWithIconsDlg::OnInitDialog();
}

void CFavoritesDlg::OnOK()
{
    const bool applets = ::IsDlgButtonChecked(Handle(), IDC_ADD_APPLETS) == BST_CHECKED;
    Settings().SetSetting(Setting::ControlPanelFavorites, applets ? 1 : 0);
    if (applets) StartAppletCollector();
    CListWithIconsDlg::OnOK();
}

void CFavoritesDlg::OnAdd()
{
    CAddFavoriteDlg add(List(), nullptr, false);
    if (add.DoModal(Handle()) == IDOK) AppendEntry(0);
}

void CFavoritesDlg::OnEdit()
{
    int index = 0;
    auto* favorite = dynamic_cast<CFavorite*>(SelectedObject(&index));
    if (!favorite) return;
    CAddFavoriteDlg edit(List(), favorite, false);
    if (edit.DoModal(Handle()) == IDOK) RefreshEntry(index);
}
