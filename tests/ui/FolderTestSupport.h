#pragma once
// Helpers of the folder window tests: a real folder in the temporary
// directory, the application started on a clean registry with one kind of
// window mode, and waiting for a window's work while its messages are pumped.

// Core
#include "core/app/Settings.h"

// Folders
#include "ui/folders/ExplorerView.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/ExplorerWindow.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/WindowList.h"

// Resources
#include "res/resource.h"

// Tests
#include "ui/UiTestSupport.h"

// Standard library
#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

// Gtest
#include <gtest/gtest.h>

namespace foldertest {

// A folder below the system's temporary folder, removed with its contents.
class TempFolder {
public:
    TempFolder()
    {
        char base[MAX_PATH] = "";
        ::GetTempPathA(sizeof(base), base);
        static unsigned counter = 0;
        m_path = std::string(base) + "tm-browse-" + std::to_string(::GetCurrentProcessId()) + "-" +
                 std::to_string(::GetTickCount()) + "-" + std::to_string(counter++);
        ::CreateDirectoryA(m_path.c_str(), nullptr);
    }
    ~TempFolder() { Remove(m_path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string Path(const std::string& relative) const { return m_path + "\\" + relative; }

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

    static void Remove(const std::string& path)
    {
        WIN32_FIND_DATAA data;
        HANDLE find = ::FindFirstFileA((path + "\\*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = data.cFileName;
                if (name == "." || name == "..") continue;
                const std::string child = path + "\\" + name;
                ::SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) Remove(child);
                else ::DeleteFileA(child.c_str());
            } while (::FindNextFileA(find, &data));
            ::FindClose(find);
        }
        ::RemoveDirectoryA(path.c_str());
    }

private:
    std::string m_path;
};

// Pumps messages until the condition holds or a generous bound passes; the
// bound only keeps a broken build from hanging, it is no timing check.
inline bool PumpUntil(const std::function<bool()>& condition, DWORD boundMs = 60000)
{
    const DWORD start = ::GetTickCount();
    MSG msg;
    while (!condition()) {
        if (::GetTickCount() - start > boundMs) return false;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return true;
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

// The names of the rows that carry an item, in row order.
inline std::vector<std::string> RowNames(const CFilesView& view)
{
    std::vector<std::string> names;
    for (int row = 0; row < view.RowCount(); ++row)
        if (const CFileItem* item = view.ItemAt(row)) names.push_back(item->name);
    return names;
}

inline std::vector<std::string> Sorted(std::vector<std::string> names)
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

inline std::string WindowText(HWND hwnd)
{
    char text[MAX_PATH] = "";
    ::GetWindowTextA(hwnd, text, sizeof(text));
    return text;
}

// The application on a clean registry, with Explorer mode as the test wants.
class FolderTest : public testing::Test {
protected:
    void SetUp() override
    {
        uitest::WipeProgramKeys();
        StartApp();
        // A fresh start is in Explorer mode with the start folder open: the
        // tests begin in multiple-window mode with no window.
        m_app->Settings().SetSetting(Setting::ExplorerMode, 0);
        m_app->MainFrame()->ShowWindowMenu(true);
        CWindowList::Instance().CloseAll();
        PumpUntil([] { return CWindowList::Instance().Windows().empty(); });
        m_app->Settings().SetSetting(Setting::ViewMode, CFilesView::kDetailsMode);
    }
    void TearDown() override
    {
        CloseApp();
        uitest::WipeProgramKeys();
    }

    void StartApp()
    {
        m_app = std::make_unique<CTrailmarkApp>();
        ASSERT_TRUE(m_app->InitInstance());
    }
    // Every window waits for its work, then the frame closes and the
    // application ends as the user's exit ends it.
    void CloseApp()
    {
        if (!m_app) return;
        for (CBasicWindow* window : std::vector<CBasicWindow*>(CWindowList::Instance().Windows()))
            if (auto* explorer = dynamic_cast<CExplorerWindow*>(window)) WaitIdle(*explorer);
        ::PostMessageA(m_app->MainWindow(), WM_CLOSE, 0, 0);
        m_app->RunMessageLoop();
        m_app->ExitInstance();
        m_app.reset();
    }

    CExplorerWindow* Open(const std::string& path)
    {
        auto* window = dynamic_cast<CExplorerWindow*>(
            CWindowList::Instance().OpenWindow(path, WindowKind::Folder, nullptr, 0));
        if (window) WaitIdle(*window);
        return window;
    }

    uitest::MessageRecorder m_messages;
    std::unique_ptr<CTrailmarkApp> m_app;
};

}  // namespace foldertest
