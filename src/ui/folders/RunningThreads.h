#pragma once
// The main frame's list of running operation threads (file operations,
// folder deletion, the folder table, personal-folder updates). Threads add
// themselves when made and leave when they end, from their own thread, so
// the list is locked; it is shared so that a thread may end after the frame.

// Platform
#include "platform/Threads.h"

// Folders
#include "ui/folders/Listing.h"

// Standard library
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

enum class ThreadKind { FolderDeletion, FileChange, FolderTableBuild, PersonalUpdate };

class RunningThreads {
public:
    using Token = std::uint32_t;

    Token Add(ThreadKind kind, const StateWord& state, const std::string& path);
    void Remove(Token token);
    std::size_t Count() const;
    // Asks every thread to stop (state 1: what was done is kept).
    void CancelAll();
    // Whether a file operation or a folder deletion works on the path or below it.
    bool WorksOn(const std::string& path) const;

private:
    struct Entry {
        Token token;
        ThreadKind kind;
        StateWord state;
        std::string path;
    };
    mutable platform::Lock m_lock;
    std::vector<Entry> m_entries;
    Token m_next = 1;
};

using RunningThreadsPtr = std::shared_ptr<RunningThreads>;
