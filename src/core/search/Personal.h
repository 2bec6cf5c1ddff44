#pragma once
// A personal folder: a named, stored list of files and folders that live
// anywhere on the disks, with the criteria that "Update" searches again. This
// is its stored side (registry values, results file, summary texts, flags);
// the window side keeps the items themselves with their shell references.
// The list of personal folders has no maximum and lives in section 8.

// Core
#include "core/folders/FileItem.h"
#include "core/search/Report.h"

// Standard library
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Fewer records than this load at once; more load on a worker under the
// progress dialog.
inline constexpr std::uint32_t kDirectLoadLimit = 100;

class ResultsReader;

// Whether a results file is read on a worker under the progress dialog: it
// can hold kDirectLoadLimit records or more.
bool LoadsUnderDialog(const ResultsReader& reader);

// The texts of the summary, as the string table holds them.
struct PersonalStrings {
    std::string bytesFormat;      // "%.0f bytes"
    std::string kilobytesFormat;  // "%.1fKB"
    std::string megabytesFormat;  // "%.1fMB"
    std::string containsFormat;   // "%d %s, %d %s"
    std::string file;
    std::string files;
    std::string folder;
    std::string folders;
};

struct PersonalSummary {
    std::string size;
    std::string contains;
};

// Size: the sum of the items' sizes. Contains: the visible items, folders
// apart; 0 and 1 take the singular word.
PersonalSummary MakePersonalSummary(const std::vector<const FileItem*>& items, const PersonalStrings& strings);

// A time of the folder's property page in the local zone, in `format`
// (strftime's); empty for 0, a folder never updated.
std::string FormatPersonalTime(std::uint32_t seconds, const std::string& format);

class CPersonal : public CReport {
public:
    // created: the current time in seconds.
    explicit CPersonal(std::uint32_t created = 0);

    void LoadFrom(CSettingsStore& store, const std::string& keyName, int sectionId) override;
    void SaveTo(CSettingsStore& store, const std::string& keyName, int sectionId) override;
    // Writes the values again into the folder's own sub-key (after the
    // summary changed); nothing before the folder was first stored.
    void SaveValues(CSettingsStore& store);

    std::uint32_t Created() const { return m_created; }
    void SetCreated(std::uint32_t seconds) { m_created = seconds; }
    std::uint32_t Updated() const { return m_updated; }
    void SetUpdated(std::uint32_t seconds) { m_updated = seconds; }
    const std::string& SizeText() const { return m_sizeText; }
    const std::string& ContainsText() const { return m_containsText; }
    void SetContainsText(std::string text) { m_containsText = std::move(text); }
    void SetSummary(PersonalSummary summary);
    const std::string& ResultsFile() const { return m_resultsFile; }
    void SetResultsFile(std::string path) { m_resultsFile = std::move(path); }

    bool HasCriteria() const { return CriteriaCount() > 0; }
    // The results have been read or the contents set.
    bool Loaded() const { return m_loaded; }
    void SetLoaded(bool loaded) { m_loaded = loaded; }
    // Items are being added or removed (main thread only).
    bool Busy() const { return m_busy; }
    void SetBusy(bool busy) { m_busy = busy; }
    // An update or a fill started and its thread has not ended.
    bool RefreshPending() const { return m_refreshPending; }
    void SetRefreshPending(bool pending) { m_refreshPending = pending; }
    // Has criteria and is neither busy nor waiting for a refresh.
    bool CanUpdate() const { return HasCriteria() && !m_busy && !m_refreshPending; }

private:
    std::uint32_t m_created = 0;
    std::uint32_t m_updated = 0;
    std::string m_sizeText = "0";
    std::string m_resultsFile;
    std::string m_containsText = "0";
    bool m_loaded = false;
    bool m_busy = false;
    bool m_refreshPending = false;
};

// A new results file name in `folder`: "Per" and five random digits with
// the extension "fld", free there; none after a bounded number of draws.
std::optional<std::string> NewResultsFilePath(const std::string& folder);

class CPersonalList : public CObjectList {
public:
    using Factory = std::function<std::unique_ptr<CPersonal>()>;

    // resultsFolder: the current user's folder, where new results files go.
    // Does not load; the application calls LoadAll when it creates the list.
    CPersonalList(CSettingsStore& store, std::string resultsFolder, Factory factory);

    void LoadAll() override;
    CPersonal* Append(std::unique_ptr<CPersonal> folder);
    CPersonal* FolderAt(int index) const { return static_cast<CPersonal*>(At(index)); }
    CPersonal* FindFolder(const std::string& name) const { return static_cast<CPersonal*>(FindByName(name)); }
    // Removes and deletes the folder and its results file.
    void RemoveFolder(int index);
    void RemoveAllFolders();
    // A new folder with defaults: the current time, a free results file.
    std::unique_ptr<CPersonal> MakeFolder(std::uint32_t now) const;
    const std::string& ResultsFolder() const { return m_resultsFolder; }

private:
    void GiveResultsFile(CPersonal& folder) const;

    std::string m_resultsFolder;
    Factory m_factory;
};

// Items of a personal folder by their full paths, compared without regard to
// case; the contents operations work on any owning array of records.
bool SamePathNoCase(const std::string& a, const std::string& b);

// Keeps the candidates that `exists` accepts and that no item has already;
// a candidate named twice is kept once.
std::vector<std::string> FilterNewPaths(const std::vector<std::string>& candidates,
                                        const std::vector<std::string>& present,
                                        const std::function<bool(const std::string&)>& exists);

// Removes the items whose path is one of `paths`; gives how many went.
template <class Item>
std::size_t RemoveItemsByPath(std::vector<std::unique_ptr<Item>>& items, const std::vector<std::string>& paths);
// Removes the items whose path `exists` refuses.
template <class Item>
std::size_t DropMissingItems(std::vector<std::unique_ptr<Item>>& items,
                             const std::function<bool(const std::string&)>& exists);

// The lower-case form the path comparisons use.
std::string PathKey(const std::string& path);

template <class Item>
std::size_t RemoveItemsByPath(std::vector<std::unique_ptr<Item>>& items, const std::vector<std::string>& paths)
{
    std::vector<std::string> keys;
    keys.reserve(paths.size());
    for (const std::string& path : paths) keys.push_back(PathKey(path));
    std::sort(keys.begin(), keys.end());
    const std::size_t before = items.size();
    items.erase(std::remove_if(items.begin(), items.end(),
                               [&](const std::unique_ptr<Item>& item) {
                                   return std::binary_search(keys.begin(), keys.end(), PathKey(item->path));
                               }),
                items.end());
    return before - items.size();
}

template <class Item>
std::size_t DropMissingItems(std::vector<std::unique_ptr<Item>>& items,
                             const std::function<bool(const std::string&)>& exists)
{
    const std::size_t before = items.size();
    items.erase(std::remove_if(items.begin(), items.end(),
                               [&](const std::unique_ptr<Item>& item) { return !exists(item->path); }),
                items.end());
    return before - items.size();
}
