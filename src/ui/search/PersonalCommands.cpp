#include "ui/search/PersonalCommands.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"
#include "core/folders/FileDetails.h"
#include "core/frame/ExplorerTabs.h"
#include "core/search/SearchSink.h"

// Platform
#include "platform/FileSystem.h"

// Framework
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/FolderMessages.h"

// Dialogs
#include "ui/dialogs/UpdateProgressDlg.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/explorer/ExplorerBar.h"
#include "ui/explorer/PersonalPage.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/PersonalWindow.h"
#include "ui/frame/WindowList.h"

// Search
#include "ui/search/PersonalView.h"
#include "ui/search/ProgressWorker.h"
#include "ui/search/SearchDialogs.h"
#include "ui/search/SearchThread.h"

// Resources
#include "res/resource.h"

// Standard library
#include <ctime>
#include <set>

namespace {

CSettingsStore& Settings() { return CTrailmarkApp::Instance()->Settings(); }
std::uint32_t Now() { return static_cast<std::uint32_t>(std::time(nullptr)); }

void RefuseWhileBusy(HWND owner) { ui::ShowMessage(owner, IDS_FOLDER_BUSY, MB_OK | MB_ICONEXCLAMATION); }

std::string NameOfPath(const std::string& path)
{
    const std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos || slash + 1 == path.size() ? path : path.substr(slash + 1);
}

}  // namespace

CPersonalFolder* PersonalFolderAt(int index)
{
    CPersonalList* list = CTrailmarkApp::Instance()->PersonalFolders();
    return list ? static_cast<CPersonalFolder*>(list->FolderAt(index)) : nullptr;
}

CPersonalFolder* FindPersonalFolder(const char* name)
{
    CPersonalList* list = CTrailmarkApp::Instance()->PersonalFolders();
    return list && name ? static_cast<CPersonalFolder*>(list->FindFolder(name)) : nullptr;
}

CPersonalPage* PersonalPage()
{
    CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame();
    return frame ? &frame->ExplorerBarWindow().PersonalPage() : nullptr;
}

void ShowPersonalPageFor(const CPersonalFolder* folder)
{
    CMainFrame* frame = CTrailmarkApp::Instance()->MainFrame();
    if (!frame) return;
    CExplorerBar& bar = frame->ExplorerBarWindow();
    // The tab stays when the user next starts the program: its setting goes on with it.
    CSettingsStore& settings = CTrailmarkApp::Instance()->Settings();
    if (!settings.GetSetting(Setting::ShowPersonalTab)) settings.SetSetting(Setting::ShowPersonalTab, 1);
    if (!bar.IsTabShown(ExplorerTab::Personal)) bar.ShowTab(ExplorerTab::Personal, true);
    bar.SelectTab(ExplorerTab::Personal);
    if (folder) bar.PersonalPage().SelectFolder(folder->Name());
}

void PersonalFolderChanged(const CPersonalFolder& folder)
{
    if (CPersonalPage* page = PersonalPage()) page->RenameFolder(folder.Name(), folder.Name());
}

bool UpdateInItsWindow(CPersonalFolder& folder)
{
    // The window's own command chain does not reach its view: the view is
    // told directly.
    if (!folder.window || !folder.window->PersonalView()) return false;
    folder.window->PersonalView()->Update();
    return true;
}

CBasicWindow* OpenPersonalFolder(CPersonalFolder& folder)
{
    return CWindowList::Instance().OpenWindow(folder.Name(), WindowKind::Personal, &folder, 0);
}

bool StartPersonalSearch(const CPersonalFolder& folder, HWND dialog, const ListingJobPtr& job)
{
    SearchRequest request;
    for (const CCondition* criteria : folder.CriteriaArray()) request.criteria.push_back(*criteria);
    request.view = dialog;
    request.window = dialog;
    request.fastFind = CSearchThread::ChooseFastFind(request.criteria, Settings().GetSetting(Setting::FastFind) != 0,
                                                     Settings().IsWindowsNT());
    return CFolderThread::Start(new CSearchThread(std::move(request), job));
}

void UpdatePersonalFolder(CPersonalFolder& folder, HWND owner)
{
    if (UpdateInItsWindow(folder)) return;
    if (folder.Busy()) {
        RefuseWhileBusy(owner);
        return;
    }
    if (!folder.HasCriteria()) return;
    folder.DiscardItems();
    ListingJobPtr job = std::make_shared<ListingJob>();
    CUpdateProgressDlg dialog(ui::LoadString(IDS_UPDATING_FOLDER) + folder.Name(), ui::LoadString(IDS_SEARCHING),
                              ui::LoadString(IDS_FOLDERS_LEFT));
    dialog.SetWorkState(job->state);
    bool started = false;
    dialog.SetStarter([&](HWND hwnd) {
        started = StartPersonalSearch(folder, hwnd, job);
        return started;
    });
    dialog.DoModal(owner);
    if (!started) return;
    // The dialog is gone: the search sends it nothing more and ends soon.
    while (!job->delivered.load()) ::Sleep(1);
    folder.SetItems(job->result.store);
    folder.SetLoaded(true);
    folder.SetUpdated(Now());
    if (!folder.ContentsChanged(Settings())) ShowResultsNotSaved(owner, folder);
    PersonalFolderChanged(folder);
}

void ClearPersonalFolder(CPersonalFolder& folder, HWND owner)
{
    if (folder.window && folder.window->PersonalView()) {
        folder.window->PersonalView()->Clear();
        return;
    }
    if (folder.Busy()) {
        RefuseWhileBusy(owner);
        return;
    }
    if (Settings().GetSetting(Setting::ConfirmOperations) &&
        ui::ShowMessage(owner, IDS_CONFIRM_CLEAR_PERSONAL, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    folder.DiscardItems();
    folder.SetLoaded(true);
    if (!folder.ContentsChanged(Settings())) ShowResultsNotSaved(owner, folder);
    PersonalFolderChanged(folder);
}

bool AddToPersonalFolder(CPersonalFolder& folder, const std::vector<std::string>& paths, HWND owner)
{
    // An update running meanwhile would replace what was added.
    if (folder.Busy() || folder.RefreshPending()) {
        RefuseWhileBusy(owner);
        return false;
    }
    if (Settings().GetSetting(Setting::ConfirmOperations) &&
        ui::ShowMessage(owner, ui::LoadString(IDS_CONFIRM_ADD_TO_FOLDER) + folder.Name() + "?",
                        MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return false;
    if (!folder.Loaded()) folder.LoadResults(owner);
    const std::vector<std::string> added =
        FilterNewPaths(paths, folder.ItemPaths(), [](const std::string& path) { return platform::PathExists(path); });
    if (added.empty()) {
        ui::ShowMessage(owner, IDS_ALL_ITEMS_IN_FOLDER, MB_OK | MB_ICONSTOP);
        return false;
    }
    folder.SetBusy(true);
    // The worker makes new items; they join the folder's store here, after it.
    std::vector<std::unique_ptr<CFileItem>> items;
    const bool showHidden = Settings().GetSetting(Setting::ShowHiddenFiles) != 0;
    RunUnderStatusWindow(
        ui::LoadString(IDS_ADDING), owner,
        [&](ProgressReport&) {
            RecordRefresher refresher(showHidden);
            for (const std::string& path : added) {
                auto item = std::make_unique<CFileItem>();
                item->path = path;
                item->name = NameOfPath(path);
                item->extension = ExtensionOf(item->name);
                item->folderPath = FolderPartOf(path);
                refresher.Refresh(*item);
                items.push_back(std::move(item));
            }
        },
        [&folder](HWND status) { folder.addingStatus = status; });
    {
        const ItemStorePtr& store = folder.Items();
        platform::LockGuard guard(store->lock);
        for (auto& item : items) store->items.push_back(std::move(item));
    }
    folder.SetBusy(false);
    folder.SetLoaded(true);
    if (!folder.ContentsChanged(Settings())) ShowResultsNotSaved(owner, folder);
    PersonalFolderChanged(folder);
    if (folder.window && folder.window->PersonalView()) folder.window->PersonalView()->Fill();
    return true;
}

ItemStorePtr SplitItems(ItemStore& source, const std::vector<char>& keep)
{
    // The items themselves move, bound as they are: a list may go on
    // showing them until it lists the new store.
    auto kept = std::make_shared<ItemStore>();
    std::vector<std::unique_ptr<CFileItem>> gone;
    platform::LockGuard guard(source.lock);
    for (std::size_t i = 0; i < source.items.size(); ++i)
        (i < keep.size() && !keep[i] ? gone : kept->items).push_back(std::move(source.items[i]));
    source.items.swap(gone);
    return kept;
}

ItemStorePtr RemovePersonalItems(const CPersonalFolder& folder, const std::vector<std::string>& paths, HWND owner)
{
    std::set<std::string> removed;
    for (const std::string& path : paths) removed.insert(PathKey(path));
    const ItemStorePtr source = folder.Items();
    // Which items stay, found on the worker; one not reached when the user
    // stopped stays too.
    std::vector<char> keep(source->items.size(), 1);
    const ProgressTexts texts{ui::LoadString(IDS_REMOVING_TITLE), ui::LoadString(IDS_REMOVING),
                              ui::LoadString(IDS_FILES_LEFT)};
    RunUnderProgressDialog(texts, owner, [&](ProgressReport& report) {
        report.Start(static_cast<long>(paths.size()));
        // The folder is busy: nothing adds or takes items meanwhile, and
        // paths are never written after the items are handed over.
        for (std::size_t i = 0; i < source->items.size() && !report.Stopped(); ++i) {
            const std::string& path = source->items[i]->path;
            if (!removed.count(PathKey(path))) continue;
            keep[i] = 0;
            report.Status(path);
        }
    });
    return SplitItems(*source, keep);
}

void CSearchView::AddToPersonal(const std::string& proposal)
{
    CTrailmarkApp* app = CTrailmarkApp::Instance();
    CPersonalList* list = app->PersonalFolders();
    if (!list) return;
    std::string name = proposal;
    for (;;) {
        if (!AskText(app->MainWindow(), ui::LoadString(IDS_ENTER_PERSONAL_NAME), name)) return;
        name = TrimName(name);
        if (name.empty()) return;
        if (!list->NameExists(name)) break;
        ui::ShowMessage(app->MainWindow(), IDS_NAME_EXISTS, MB_OK | MB_ICONSTOP);
    }
    std::unique_ptr<CPersonal> made = list->MakeFolder(Now());
    auto* folder = static_cast<CPersonalFolder*>(made.get());
    for (CCondition criteria : PersonalCriteria()) {
        if (criteria.Name().empty()) criteria.SetName(name);
        folder->AddCriteria(criteria);
    }
    // Copied under the lock: the icon thread may still be writing the details.
    std::vector<FileItem> records;
    {
        platform::LockGuard guard(m_store ? &m_store->lock : nullptr);
        for (const CFileItem* item : AllItems()) records.push_back(*item);
    }
    folder->SetContents(records, app->MainWindow());
    folder->SetName(name);
    list->Append(std::move(made));
    list->SaveAll();
    if (!folder->ContentsChanged(app->Settings())) ShowResultsNotSaved(app->MainWindow(), *folder);
    if (CPersonalPage* page = PersonalPage()) page->AddFolder(name);
}
