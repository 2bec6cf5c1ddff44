#pragma once
// The Fast Find worker: walks the folders of the fixed drives into the folder
// table at a low priority, then ends by itself.

// Folders
#include "ui/folders/BaseThread.h"

class CFolderListThread : public CBaseThread {
public:
    CFolderListThread() = default;

    // Creates and starts a worker; gives its state word (null when the thread
    // could not start). The worker deletes itself when it ends.
    static StateWord Start();

protected:
    bool InitInstance() override;
};
