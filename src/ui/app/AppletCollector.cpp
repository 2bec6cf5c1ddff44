#include "ui/app/AppletCollector.h"

// Platform
#include "platform/Threads.h"

// Framework
#include "ui/framework/WorkerThread.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

// Standard library
#include <atomic>

// Windows
#include <windows.h>
#include <cpl.h>

namespace {

constexpr char kAppletPattern[] = "\\*.cpl";
constexpr int kNameLimit = 128;

// The list and the running flag are shared by the worker and the interface
// thread: the list only under the lock, and the worker builds its own list
// first and swaps it in whole, so a reader never sees half of it.
struct AppletStore {
    platform::Lock lock;
    std::vector<Applet> applets;
    std::atomic<bool> running{false};
};

AppletStore& Store()
{
    static AppletStore store;
    return store;
}

std::string SystemDirectory()
{
    char directory[MAX_PATH] = "";
    const UINT length = ::GetSystemDirectoryA(directory, sizeof(directory));
    return length > 0 && length < sizeof(directory) ? std::string(directory, length) : std::string();
}

// The applets of one file, asked the way the Control Panel asks them.
void CollectFile(const std::string& path, std::vector<Applet>& applets)
{
    HMODULE module = ::LoadLibraryA(path.c_str());
    if (!module) return;
    auto entry = reinterpret_cast<APPLET_PROC>(reinterpret_cast<void*>(::GetProcAddress(module, "CPlApplet")));
    if (entry && entry(nullptr, CPL_INIT, 0, 0)) {
        const LONG count = entry(nullptr, CPL_GETCOUNT, 0, 0);
        for (LONG i = 0; i < count && static_cast<int>(applets.size()) < ID_APPLET_COUNT; ++i) {
            CPLINFO info = {};
            entry(nullptr, CPL_INQUIRE, static_cast<LPARAM>(i), reinterpret_cast<LPARAM>(&info));
            char name[kNameLimit] = "";
            if (info.idName == CPL_DYNAMIC_RES || !::LoadStringA(module, static_cast<UINT>(info.idName), name, kNameLimit))
                continue;
            applets.push_back(Applet{name, path, static_cast<int>(i)});
        }
        entry(nullptr, CPL_EXIT, 0, 0);
    }
    ::FreeLibrary(module);
}

class CAppletCollector : public ui::WorkerThread {
protected:
    bool InitInstance() override
    {
        std::vector<Applet> applets;
        const std::string directory = SystemDirectory();
        WIN32_FIND_DATAA found = {};
        HANDLE find = directory.empty() ? INVALID_HANDLE_VALUE
                                        : ::FindFirstFileA((directory + kAppletPattern).c_str(), &found);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    CollectFile(directory + "\\" + found.cFileName, applets);
            } while (static_cast<int>(applets.size()) < ID_APPLET_COUNT && ::FindNextFileA(find, &found));
            ::FindClose(find);
        }
        {
            platform::LockGuard guard(Store().lock);
            Store().applets.swap(applets);
        }
        Store().running = false;
        return false;  // no message loop: the thread ends here
    }
};

}  // namespace

std::vector<Applet> CollectedApplets()
{
    platform::LockGuard guard(Store().lock);
    return Store().applets;
}

void StartAppletCollector()
{
    if (Store().running.exchange(true)) return;
    auto* worker = new CAppletCollector;
    if (!worker->CreateThread()) {
        delete worker;
        Store().running = false;
    }
}

bool OpenCollectedApplet(int n)
{
    const std::vector<Applet> applets = CollectedApplets();
    if (n < 0 || n >= static_cast<int>(applets.size())) return false;
    const Applet& applet = applets[static_cast<std::size_t>(n)];
    const std::string arguments = " shell32.dll,Control_RunDLL " + applet.file + ",@" + std::to_string(applet.index);
    CTrailmarkApp::RunRundll32(arguments.c_str());
    return true;
}
