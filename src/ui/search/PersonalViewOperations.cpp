// What a personal folder view does with files: those dropped or pasted on
// it join the folder; its items deleted or cut act on the disk, which a
// personal folder's user may not expect, so each is warned about first.
#include "ui/search/PersonalView.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"
#include "core/folders/FileDetails.h"
#include "core/folders/OperationRules.h"

// Framework
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/FolderOperThread.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Search
#include "ui/search/PersonalCommands.h"

// Resources
#include "res/resource.h"

namespace {

constexpr char kDeleteVerb[] = "delete";
constexpr char kCutVerb[] = "cut";

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }
HWND MainWindow() { return CTrailmarkApp::Instance()->MainWindow(); }
bool Warned(UINT id) { return ui::ShowMessage(MainWindow(), id, MB_YESNO | MB_ICONEXCLAMATION) == IDYES; }

}  // namespace

bool CPersonalView::Create(HWND parent, UINT id)
{
    if (!CSearchView::Create(parent, id)) return false;
    m_dropTarget = filedrop::RegisterTarget(Handle(), *this);
    return true;
}

void CPersonalView::OnDestroy()
{
    filedrop::RevokeTarget(Handle(), m_dropTarget);
    CSearchView::OnDestroy();
}

DWORD CPersonalView::DropEffect(IDataObject* data, DWORD allowed) const
{
    // The files stay where they are: the folder only refers to them.
    if (!m_folder || !data || filedrop::PathsOf(data).empty()) return DROPEFFECT_NONE;
    return allowed & DROPEFFECT_COPY ? DROPEFFECT_COPY : allowed & DROPEFFECT_LINK;
}

DWORD CPersonalView::DropFiles(IDataObject* data, DWORD allowed)
{
    const DWORD effect = DropEffect(data, allowed);
    if (effect == DROPEFFECT_NONE) return effect;
    ::SetForegroundWindow(MainWindow());
    return AddFiles(filedrop::PathsOf(data)) ? effect : DROPEFFECT_NONE;
}

DWORD CPersonalView::OnDragOver(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed, bool enter)
{
    (void)keyState;
    (void)point;
    // The list is read once per drag, not on every move of the mouse.
    if (enter) m_dragEffect = DropEffect(data, allowed);
    return m_dragEffect;
}

DWORD CPersonalView::OnDrop(IDataObject* data, DWORD keyState, POINTL point, DWORD allowed)
{
    (void)keyState;
    (void)point;
    return DropFiles(data, allowed);
}

bool CPersonalView::AddFiles(const std::vector<std::string>& paths)
{
    if (!m_folder || paths.empty()) return false;
    return AddToPersonalFolder(*m_folder, paths, MainWindow());
}

void CPersonalView::Paste()
{
    if (!::OpenClipboard(Handle())) return;
    std::vector<std::string> paths;
    if (HANDLE list = ::GetClipboardData(CF_HDROP)) paths = filedrop::PathsOf(static_cast<HDROP>(list));
    ::CloseClipboard();
    AddFiles(paths);
}

void CPersonalView::DeleteSelected(bool toRecycleBin)
{
    if (!m_folder || m_list.SelectedCount() == 0 || RefusedWhileBusy()) return;
    if (!Warned(IDS_WARN_DELETE_FROM_PERSONAL)) return;
    PrepareSelectedItems();
    if (!CheckSelection(SFGAO_CANDELETE, IDS_CANNOT_DELETE_SOME)) return;
    std::vector<std::string> paths;
    for (const CFileItem* item : OperationItems()) paths.push_back(item->path);
    if (paths.empty()) return;
    SHFILEOPSTRUCTA request = {};
    request.wFunc = static_cast<UINT>(fileops::Function::Delete);
    const bool confirm = Settings().GetSetting(Setting::ConfirmOperations) != 0;
    request.fFlags = static_cast<FILEOP_FLAGS>(fileops::DeleteFlags(confirm, toRecycleBin));
    CFolderDelThread::Start(
        new CFolderDelThread(request, FolderPartOf(paths.front()), fileops::PathList(paths), Handle()));
}

void CPersonalView::OnOperationDone(bool succeeded, std::uint32_t cutTicket)
{
    CSearchView::OnOperationDone(succeeded, cutTicket);
    // The rows of deleted files are gone; the folder lets go of them too.
    // A running fill still reads the store: the next change takes them out.
    if (!m_folder || HasWorker() || m_folder->Busy()) return;
    const ItemStorePtr store = m_folder->Items();
    std::vector<char> keep;
    std::size_t gone = 0;
    {
        platform::LockGuard guard(store->lock);
        for (const auto& item : store->items) {
            keep.push_back(::GetFileAttributesA(item->path.c_str()) != INVALID_FILE_ATTRIBUTES);
            if (!keep.back()) ++gone;
        }
    }
    if (gone == 0) return;
    ClearList();
    m_folder->SetItems(SplitItems(*store, keep));
    if (!m_folder->ContentsChanged(Settings())) ShowResultsNotSaved(MainWindow(), *m_folder);
    PersonalFolderChanged(*m_folder);
    Fill();
}

bool CPersonalView::OnRowShellVerb(const std::string& verb)
{
    if (lstrcmpiA(verb.c_str(), kDeleteVerb) == 0) {
        // Deleted here, so that the folder hears of it when the delete ends.
        DeleteSelected(true);
        return true;
    }
    // A cut is pasted elsewhere as a move: warned about now, or not done.
    if (lstrcmpiA(verb.c_str(), kCutVerb) == 0) return !Warned(IDS_WARN_MOVE_FROM_PERSONAL);
    return false;
}
