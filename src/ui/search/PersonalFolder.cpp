#include "ui/search/PersonalFolder.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"
#include "core/folders/FileDetails.h"
#include "core/search/ResultsFile.h"
#include "core/search/SearchSink.h"

// Platform
#include "platform/DirectoryLister.h"

// Framework
#include "ui/framework/MessageBox.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Search
#include "ui/search/ProgressWorker.h"

// Resources
#include "res/resource.h"

// Standard library
#include <cstdio>
#include <memory>

namespace {

bool ShowHidden() { return CTrailmarkApp::Instance()->Settings().GetSetting(Setting::ShowHiddenFiles) != 0; }

// Reads the records into refreshed items until the end, the damage or a stop.
// `each` hears of every record (the worker tells the dialog).
void ReadRecords(ResultsReader& reader, ItemStore& store, bool showHidden, const std::atomic<int>* state,
                 const std::function<void(const CFileItem&)>& each)
{
    RecordRefresher refresher(showHidden);
    FileItem record;
    while ((!state || state->load() == WorkState::Running) && reader.Next(record)) {
        auto item = std::make_unique<CFileItem>(record);
        refresher.Refresh(*item);
        if (each) each(*item);
        platform::LockGuard guard(store.lock);
        store.items.push_back(std::move(item));
    }
}

bool LoadUnderDialog(ResultsReader& reader, ItemStore& store, const std::string& name, HWND owner)
{
    const bool showHidden = ShowHidden();
    const ProgressTexts texts{ui::LoadString(IDS_LOADING_FOLDER_TITLE) + name, ui::LoadString(IDS_READING),
                              ui::LoadString(IDS_FILES_LEFT)};
    return RunUnderProgressDialog(texts, owner, [&](ProgressReport& report) {
        report.Start(static_cast<long>(reader.PossibleCount()));
        ReadRecords(reader, store, showHidden, &report.State(),
                    [&report](const CFileItem& item) { report.Status(item.path); });
        report.Status(ui::LoadString(IDS_COMPLETED));
    });
}

}  // namespace

PersonalStrings LoadPersonalStrings()
{
    PersonalStrings strings;
    strings.bytesFormat = ui::LoadString(IDS_SIZE_BYTES_FORMAT);
    strings.kilobytesFormat = ui::LoadString(IDS_SIZE_KB_FORMAT);
    strings.megabytesFormat = ui::LoadString(IDS_SIZE_MB_FORMAT);
    strings.containsFormat = ui::LoadString(IDS_PERSONAL_CONTAINS_FORMAT);
    strings.file = ui::LoadString(IDS_FILE);
    strings.files = ui::LoadString(IDS_FILES);
    strings.folder = ui::LoadString(IDS_FOLDER);
    strings.folders = ui::LoadString(IDS_FOLDERS);
    return strings;
}

void RecordRefresher::Refresh(CFileItem& item)
{
    DetailsRequest request;
    request.computeVisibility = true;
    request.showHidden = m_showHidden;
    LoadFileDetails(item, platform::SystemDirectoryLister(), request);
    // Files share the shell's answers by extension, plain folders theirs;
    // a folder's icon is its own.
    item.typeName = shell::LookupCache::IsPlainFolder(item.path, item.attributes)
                        ? m_cache.PlainFolderTypeName(item.path)
                        : m_cache.TypeName(nullptr, item.path, item.isDirectory);
    item.iconIndex = item.isDirectory ? shell::IconOfPath(item.path) : m_cache.ExtensionIcon(item.extension);
}

void ShowResultsNotSaved(HWND owner, const CPersonal& folder)
{
    char text[1024] = "";
    std::snprintf(text, sizeof(text), ui::LoadString(IDS_RESULTS_NOT_SAVED).c_str(), folder.Name().c_str());
    ui::ShowMessage(owner, text, MB_OK | MB_ICONSTOP);
}

void CPersonalFolder::SetItems(ItemStorePtr items) { m_items = items ? std::move(items) : std::make_shared<ItemStore>(); }

void CPersonalFolder::DiscardItems() { m_items = std::make_shared<ItemStore>(); }

void CPersonalFolder::SetContents(const std::vector<FileItem>& records, HWND owner)
{
    // The worker alone fills the new store; it becomes the folder's once the worker has ended.
    auto store = std::make_shared<ItemStore>();
    const bool showHidden = ShowHidden();
    RunUnderStatusWindow(
        ui::LoadString(IDS_ADDING), owner,
        [&](ProgressReport&) {
            RecordRefresher refresher(showHidden);
            for (const FileItem& record : records) {
                auto item = std::make_unique<CFileItem>(record);
                refresher.Refresh(*item);
                store->items.push_back(std::move(item));
            }
        },
        [this](HWND status) { addingStatus = status; });
    m_items = std::move(store);
    SetLoaded(true);
}

std::vector<std::string> CPersonalFolder::ItemPaths() const
{
    std::vector<std::string> paths;
    platform::LockGuard guard(m_items->lock);
    for (const auto& item : m_items->items) paths.push_back(item->path);
    return paths;
}

bool CPersonalFolder::LoadResults(HWND owner)
{
    std::optional<std::string> bytes = ReadResultsFile(ResultsFile());
    if (!bytes) return false;
    SetLoaded(true);
    ResultsReader reader(std::move(*bytes));
    auto store = std::make_shared<ItemStore>();
    if (LoadsUnderDialog(reader)) LoadUnderDialog(reader, *store, Name(), owner);
    else ReadRecords(reader, *store, ShowHidden(), nullptr, nullptr);
    m_items = std::move(store);
    UpdateSummary(CTrailmarkApp::Instance()->Settings());
    return true;
}

void CPersonalFolder::UpdateSummary(CSettingsStore& store)
{
    std::vector<const FileItem*> records;
    {
        platform::LockGuard guard(m_items->lock);
        for (const auto& item : m_items->items) records.push_back(item.get());
        SetSummary(MakePersonalSummary(records, LoadPersonalStrings()));
    }
    SaveValues(store);
}

bool CPersonalFolder::SaveResults() const
{
    ResultsWriter writer;
    {
        platform::LockGuard guard(m_items->lock);
        for (const auto& item : m_items->items) writer.Add(*item);
    }
    return SaveResultsFile(ResultsFile(), writer.Bytes());
}

bool CPersonalFolder::ContentsChanged(CSettingsStore& store)
{
    UpdateSummary(store);
    return SaveResults();
}

void CPersonalFolder::SaveTo(CSettingsStore& store, const std::string& keyName, int sectionId)
{
    CPersonal::SaveTo(store, keyName, sectionId);
    // The contents were saved with every change; the final save at shutdown
    // writes them once more in case a change could not be written then.
    CTrailmarkApp* app = CTrailmarkApp::Instance();
    if (Loaded() && (!app || !::IsWindow(app->MainWindow()))) SaveResults();
}
