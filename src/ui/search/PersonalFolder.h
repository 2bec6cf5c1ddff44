#pragma once
// CPersonalFolder: a personal folder as the program holds it while it runs:
// the stored side (CPersonal) with its items, which carry the shell's
// references and are shared with the view that shows them and its workers.
// Loading reads the results file (on a worker under the progress dialog
// from 100 records on); every change of contents recomputes the summary and
// writes the registry values and the results file at once.

// Core
// Before the shell's headers, which declare a global "Folder".
#include "core/app/WindowState.h"
#include "core/search/Personal.h"

// Framework
#include "ui/framework/ComPtr.h"
#include "ui/framework/Pidl.h"

// Folders
#include "ui/folders/Listing.h"
#include "ui/folders/Shell.h"

// Standard library
#include <string>
#include <vector>

// Windows
#include <windows.h>
#include <commctrl.h>

class CPersonalWindow;
class CSettingsStore;

class CPersonalFolder : public CPersonal {
public:
    using CPersonal::CPersonal;

    // The contents. Main thread: the pointer; the items themselves as
    // ItemStore says.
    const ItemStorePtr& Items() const { return m_items; }
    // A finished search's or fill's items become the contents.
    void SetItems(ItemStorePtr items);
    void DiscardItems();
    // Copies of the records, each refreshed from the disk (search results
    // made into a folder). The reading runs on a worker under the "Adding"
    // window over `owner`: a network's results may take long.
    void SetContents(const std::vector<FileItem>& records, HWND owner);
    std::vector<std::string> ItemPaths() const;

    // Reads the results file; false when there is none. From 100 records on
    // the reading runs under the progress dialog, whose Stop keeps what was
    // read.
    bool LoadResults(HWND owner);
    // The contents changed: the summary is recomputed and saved with the
    // results file. False when the results file could not be written (the
    // old one is kept).
    bool ContentsChanged(CSettingsStore& store);
    // Recomputes the summary and saves the registry values only.
    void UpdateSummary(CSettingsStore& store);
    bool SaveResults() const;

    void SaveTo(CSettingsStore& store, const std::string& keyName, int sectionId) override;

    // Transient, main thread only.
    CPersonalWindow* window = nullptr;  // the window showing the folder
    HTREEITEM node = nullptr;           // its item on the Personal page
    HWND addingStatus = nullptr;        // the "Adding" window while items are added

private:
    ItemStorePtr m_items = std::make_shared<ItemStore>();
};

// The summary texts from the string table.
PersonalStrings LoadPersonalStrings();
// Size, times, attributes, type and icon of records read from a results
// file, copied from a list or added, from the disk by their paths. The items
// stay unbound: the view binds those a command is about to hand to the shell
// (CItemBinder).
class RecordRefresher {
public:
    explicit RecordRefresher(bool showHidden = false) : m_showHidden(showHidden) {}
    void Refresh(CFileItem& item);

private:
    bool m_showHidden;
    shell::LookupCache m_cache;
};
// Says that the results file could not be written.
void ShowResultsNotSaved(HWND owner, const CPersonal& folder);
