#pragma once
// What a running search tells its window. The search thread of the window side
// turns each call into the thread-to-window message named beside it.

// Core
#include "core/folders/FileItem.h"

// Standard library
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The worker's state word.
namespace WorkState {
inline constexpr int Running = 0;
inline constexpr int Stop = 1;          // stop; results found so far are still delivered
inline constexpr int StopForRestart = 2;  // stop; a new search follows
inline constexpr int Finished = 3;      // finished or abandoned: deliver nothing
}  // namespace WorkState

inline constexpr char kLimitMessage[] =
    "The numbre of files found exceeds the maximum allowed. Pleae refine your search.";
inline constexpr char kFolderCheckMessage[] =
    "Attempt to access drive / folder failed! Please make sure the drive is ready and the "
    "folder name is valid.";
inline constexpr char kAddingResultsText[] = "Adding Results...";

enum class MessageIcon { Exclamation, Stop };

using SearchResults = std::vector<std::unique_ptr<FileItem>>;

class SearchSink {
public:
    virtual ~SearchSink() = default;

    // UWM_SEARCHSTARTED; wParam = steps (0 for the walking search).
    virtual void SearchStarted(std::uint32_t steps) = 0;
    // UWM_STATUSTEXT; asIs false (lParam 0): shown after "Searching ";
    // true (lParam 1): shown as it is.
    virtual void StatusText(const std::string& text, bool asIs) = 0;
    // UWM_RESULTSCHANGED.
    virtual void ResultsChanged() = 0;
    // A message box shown from the worker (limit reached, folder check failed).
    virtual void ShowMessage(const std::string& text, MessageIcon icon) = 0;
    // Each folder before its entries are looked at: the window side fetches
    // its shell folder object here; false skips the folder silently.
    virtual bool AcceptFolder(const std::string&) { return true; }
    // Each entry that passed the tests, before it is kept: the window side
    // binds its shell identity and icon here; false drops it silently.
    virtual bool AdoptResult(FileItem&) { return true; }
    // The results, in the order found, at the end (also after a stop); the view
    // owns them from here.
    virtual void DeliverResults(SearchResults results) = 0;
};
