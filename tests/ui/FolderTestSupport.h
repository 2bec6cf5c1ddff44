#pragma once
// Helpers of the folder window tests: a real folder in the temporary
// directory, the application with folders in windows of their own, and
// waiting for a window's work while its messages are pumped.

// Folders
#include "ui/folders/ExplorerView.h"

// Application
#include "ui/frame/ExplorerWindow.h"

// Tests
#include "core/app/TempFolder.h"
#include "ui/UiTestSupport.h"

// Standard library
#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

// Windows
#include <objbase.h>
#include <shlobj.h>

namespace uitest {

// The core tests' temporary folder, named as the program names paths, with
// the files a folder window test lists.
class TempDir : public ::TempFolder {
public:
    std::string Path() const { return Name(); }
    std::string Path(const std::string& relative) const { return Name() + "\\" + relative; }

    void File(const std::string& relative, std::size_t size = 0, DWORD attributes = FILE_ATTRIBUTE_NORMAL) const
    {
        HANDLE file = ::CreateFileA(Path(relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes,
                                    nullptr);
        if (file == INVALID_HANDLE_VALUE) return;
        const std::string bytes(size, 'x');
        DWORD written = 0;
        if (size) ::WriteFile(file, bytes.data(), static_cast<DWORD>(size), &written, nullptr);
        ::CloseHandle(file);
    }
    void Dir(const std::string& relative) const { ::CreateDirectoryA(Path(relative).c_str(), nullptr); }
    // count files named "f00000.txt" on.
    void Files(int count, const std::string& prefix = "f") const
    {
        for (int i = 0; i < count; ++i) {
            char name[32];
            std::snprintf(name, sizeof(name), "%s%05d.txt", prefix.c_str(), i);
            File(name);
        }
    }
};

// A shortcut at linkPath to target, made as the shell makes one.
inline bool MakeShortcut(const std::string& linkPath, const std::string& target)
{
    IShellLinkA* link = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&link))))
        return false;
    link->SetPath(target.c_str());
    IPersistFile* file = nullptr;
    bool saved = false;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t wide[MAX_PATH];
        ::MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH);
        saved = SUCCEEDED(file->Save(wide, TRUE));
        file->Release();
    }
    link->Release();
    return saved;
}

// The view is idle: no listing, no icon thread, nothing pending, and the
// window settled.
inline bool Idle(const CExplorerWindow& window)
{
    const CExplorerView* view = window.ExplorerView();
    return !view->HasWorker() && !view->HasIconThread() && !view->NavigationPending() && !window.AfterListingPending();
}

inline bool WaitIdle(const CExplorerWindow& window)
{
    return PumpUntil([&] { return Idle(window); });
}

// Pumps one message at a time, only until the view has handled its listing's
// completion: the rows are set, their repaint and the work held for it (the
// icon thread) are still to come.
inline bool PumpUntilRowsSet(const CExplorerView& view)
{
    const DWORD start = ::GetTickCount();
    MSG msg;
    while (view.HasWorker()) {
        if (::GetTickCount() - start > 60000) return false;
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return true;
}

inline bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

using Names = std::vector<std::string>;

// The names of the rows that carry an item, in row order.
inline Names RowNames(const CFilesView& view)
{
    Names names;
    for (int row = 0; row < view.RowCount(); ++row)
        if (const CFileItem* item = view.ItemAt(row)) names.push_back(item->name);
    return names;
}

// Selects the rows of the names and no others.
inline void SelectRows(CFilesView& view, const Names& names)
{
    view.List().SetState(-1, 0, LVIS_SELECTED);
    for (const std::string& name : names) {
        const int row = view.RowOfName(name);
        ASSERT_GE(row, 0) << name;
        view.List().SetState(row, LVIS_SELECTED, LVIS_SELECTED);
    }
}

inline Names Sorted(Names names)
{
    std::sort(names.begin(), names.end());
    return names;
}

inline std::set<std::string> ItemNames(const CFilesView& view)
{
    std::set<std::string> names;
    for (const CFileItem* item : view.AllItems()) names.insert(item->name);
    return names;
}

// The application with Explorer mode off and no window open.
class FolderTest : public AppTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(AppTest::SetUp());
        // A fresh start is in Explorer mode with the start folder open.
        Settings().SetSetting(Setting::ExplorerMode, 0);
        Frame().ShowWindowMenu(true);
        CWindowList::Instance().CloseAll();
        PumpUntil([] { return CWindowList::Instance().Windows().empty(); });
        Settings().SetSetting(Setting::ViewMode, CFilesView::kDetailsMode);
    }
    void TearDown() override
    {
        CExplorerView::SetQuickListingWait(CExplorerView::kQuickListingMs);
        AppTest::TearDown();
    }
    // A navigation returns with its listing still under way, as a slow
    // folder's does.
    static void ListingsNotWaitedFor() { CExplorerView::SetQuickListingWait(0); }
    void Settle() override
    {
        for (CBasicWindow* window : std::vector<CBasicWindow*>(CWindowList::Instance().Windows()))
            if (auto* explorer = dynamic_cast<CExplorerWindow*>(window)) WaitIdle(*explorer);
    }

    CExplorerWindow* Open(const std::string& path)
    {
        auto* window = dynamic_cast<CExplorerWindow*>(
            CWindowList::Instance().OpenWindow(path, WindowKind::Folder, nullptr, 0));
        if (window) WaitIdle(*window);
        return window;
    }
    // Opens the folder as Open does, keeps its window, and gives its view.
    CExplorerView* OpenView(const std::string& path)
    {
        m_window = Open(path);
        return m_window ? m_window->ExplorerView() : nullptr;
    }

    TempDir m_folder;
    CExplorerWindow* m_window = nullptr;
};

}  // namespace uitest
