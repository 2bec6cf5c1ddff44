#pragma once
// Profiles planted in the registry as earlier runs would have left them, and
// the clean-up of the directories they were given.

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"
#include "core/app/UserFiles.h"
#include "core/app/UserList.h"

// Platform
#include "platform/System.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Tests
#include "ui/UiTestSupport.h"

// Standard library
#include <cstring>
#include <string>
#include <vector>

// Windows
#include <windows.h>

namespace uitest {

struct PlantedUser {
    std::string name;
    std::string password;  // "" : no entry password
    bool admin = false;
    bool used = false;     // has its directory and its key tree
};

struct StartChoice {
    int promptForUser = 0;
    int defaultUser = 0;
    int lastSelected = 0;
};

// Appends the users to the stored list and writes the three global values.
// Gives the directory names of the used ones, in order.
inline std::vector<std::string> PlantUsers(const std::vector<PlantedUser>& planted, StartChoice choice)
{
    std::vector<std::string> dirs;
    CSettingsStore store(platform::SystemRegistry(), CSettingsStore::ProgramVersion(),
                         platform::IsWindowsNT());
    CUserList users(store);
    for (const PlantedUser& p : planted) {
        std::unique_ptr<CUser> user = users.NewUser();
        user->SetName(p.name);
        user->SetAdmin(p.admin);
        user->SetUsesPassword(!p.password.empty());
        user->SetPassword(p.password);
        if (p.used && user->CreateUserDirectory(platform::ProgramDirectory())) {
            store.OpenUserKeys(user->DirName());
            dirs.push_back(user->DirName());
        }
        users.Add(std::move(user));
    }
    users.SaveAll();
    store.SetSetting(Setting::PromptForUser, choice.promptForUser);
    store.SetSetting(Setting::DefaultUser, choice.defaultUser);
    store.SetSetting(Setting::LastSelectedUser, choice.lastSelected);
    store.SaveSystemValues();
    return dirs;
}

// The names in the stored users list, read raw: a list object of our own
// would save itself at its end and pull the section from under the program's.
inline std::vector<std::string> StoredUserNames()
{
    std::vector<std::string> names;
    for (int i = 0;; ++i) {
        const std::string key = RootPath() + "\\Users\\Object" + std::to_string(i);
        if (!KeyExists(platform::kHkeyCurrentUser, key)) return names;
        const std::vector<unsigned char> name = ReadValue(platform::kHkeyCurrentUser, key, "Name");
        names.emplace_back(reinterpret_cast<const char*>(name.data()), name.empty() ? 0 : name.size() - 1);
    }
}

inline std::string UserKeyPath(const std::string& dirName) { return RootPath() + "\\" + dirName; }

inline bool DirectoryExists(const std::string& dirName)
{
    const DWORD attributes =
        ::GetFileAttributesA(UserDirectoryPath(platform::ProgramDirectory(), dirName).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

inline std::int32_t GlobalNumber(const char* name)
{
    const std::vector<unsigned char> bytes = ReadValue(platform::kHkeyCurrentUser, RootPath() + "\\System", name);
    std::int32_t value = -1;
    if (bytes.size() == 4) std::memcpy(&value, bytes.data(), 4);
    return value;
}

// Removes the directories of every stored user and of the names given.
inline void RemoveUserDirectories(std::vector<std::string> dirs)
{
    {
        CSettingsStore store(platform::SystemRegistry(), CSettingsStore::ProgramVersion(),
                             platform::IsWindowsNT());
        CUserList users(store);
        for (int i = 0; i < users.Count(); ++i) dirs.push_back(users.UserAt(i)->DirName());
    }
    for (const std::string& dir : dirs)
        if (!dir.empty()) DeleteUserFiles(platform::ProgramDirectory(), dir);
}

// Closes the frame the way the user does and runs the shutdown.
inline void CloseApp(CTrailmarkApp& app)
{
    ::PostMessageA(app.MainWindow(), WM_CLOSE, 0, 0);
    app.RunMessageLoop();
    app.ExitInstance();
}

}  // namespace uitest
