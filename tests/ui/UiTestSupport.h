#pragma once
// Helpers for tests that run the real application object in this process:
// the program's keys, message boxes answered in the user's place, message
// pumps, menus, document windows of the test's own, profiles planted as
// earlier runs would have left them, and a fixture that starts the program on
// a clean registry.

// Core
#include "core/app/RegistryKey.h"
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"
#include "core/app/UserFiles.h"
#include "core/app/UserList.h"
#include "core/app/WindowState.h"

// Platform
#include "platform/Registry.h"
#include "platform/System.h"

// Framework
#include "ui/framework/Command.h"
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/FolderMessages.h"

// Application
#include "ui/app/TrailmarkApp.h"
#include "ui/frame/BasicWindow.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/WindowList.h"

// Resources
#include "res/resource.h"

// Standard library
#include <algorithm>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

// Windows
#include <windows.h>
#include <commctrl.h>

// Gtest
#include <gtest/gtest.h>

namespace uitest {

// The key messages' repeat count and, on release, the previous-state and transition bits.
constexpr LPARAM kKeyDownBits = 1;
constexpr LPARAM kKeyUpBits = static_cast<LPARAM>(0xC0000001u);

// Whether the test runner answers the first start's view-mode question itself.
inline bool& AutoAnswerViewMode()
{
    static bool answer = true;
    return answer;
}

// Whether the test runner closes the tip window that a start shows (with
// Close, as a user who has read it would).
inline bool& AutoCloseTips()
{
    static bool close = true;
    return close;
}

// The program's key as this build's version names it.
inline std::string RootPath()
{
    return CSettingsStore::AppKeyPath() + "\\" + CSettingsStore::ProgramVersion();
}

// Removes everything the program ever stored, for a start on a clean machine.
inline void WipeProgramKeys()
{
    platform::Registry& registry = platform::SystemRegistry();
    platform::RegHandle software = platform::kNoKey;
    for (platform::RegHandle root : {platform::kHkeyCurrentUser, platform::kHkeyLocalMachine}) {
        if (registry.OpenKey(root, "Software", &software) != 0) continue;
        DeleteKeyTree(registry, software, kMakerName, true);
        registry.CloseKey(software);
    }
}

inline bool KeyExists(platform::RegHandle root, const std::string& path)
{
    platform::RegHandle key = platform::kNoKey;
    if (platform::SystemRegistry().OpenKey(root, path.c_str(), &key) != 0) return false;
    platform::SystemRegistry().CloseKey(key);
    return true;
}

// The raw bytes and type of a value; empty when missing.
inline std::vector<unsigned char> ReadValue(platform::RegHandle root, const std::string& path,
                                            const char* name, std::uint32_t* type = nullptr)
{
    platform::Registry& registry = platform::SystemRegistry();
    platform::RegHandle key = platform::kNoKey;
    if (registry.OpenKey(root, path.c_str(), &key) != 0) return {};
    std::uint32_t size = 0;
    std::vector<unsigned char> bytes;
    if (registry.QueryValue(key, name, type, nullptr, &size) == 0) {
        bytes.resize(size);
        registry.QueryValue(key, name, type, bytes.data(), &size);
    }
    registry.CloseKey(key);
    return bytes;
}

// A text value of the current user's, without its terminator; "" when missing.
inline std::string ReadText(const std::string& path, const char* name)
{
    const std::vector<unsigned char> bytes = ReadValue(platform::kHkeyCurrentUser, path, name);
    return std::string(bytes.begin(), std::find(bytes.begin(), bytes.end(), 0));
}

// Answers every message box in place of the user and records its text.
class MessageRecorder {
public:
    MessageRecorder()
    {
        ui::SetMessageHook([this](const std::string& text, UINT style) {
            texts.push_back(text);
            flags.push_back(style);
            if (answers.empty()) return answer;
            const int next = answers.front();
            answers.erase(answers.begin());
            return next;
        });
    }
    ~MessageRecorder() { ui::SetMessageHook(nullptr); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void Clear()
    {
        texts.clear();
        flags.clear();
    }

    std::vector<std::string> texts;
    std::vector<UINT> flags;
    std::vector<int> answers;  // given in order, then `answer`
    int answer = IDOK;
};

// Pumps messages until the condition holds or the bound passes; the bound
// only keeps a broken build from hanging, it is no timing check.
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

// Pumps this thread's messages for a while (timers, posted work).
inline void PumpFor(DWORD milliseconds)
{
    PumpUntil([] { return false; }, milliseconds);
}

inline std::string WindowText(HWND hwnd)
{
    char text[MAX_PATH] = "";
    ::GetWindowTextA(hwnd, text, sizeof(text));
    return text;
}

// The text of a tab control's item.
inline std::string TabText(HWND tabs, int index)
{
    char text[MAX_PATH] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    ::SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
}

inline bool HasCommand(HMENU menu, UINT id)
{
    return ::GetMenuState(menu, id, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

inline bool IsChecked(HMENU menu, UINT id) { return (::GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0; }

// The popup that holds the command as one of its own items.
inline HMENU PopupHolding(HMENU menu, UINT id)
{
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        if (::GetMenuItemID(menu, i) == id) return menu;
        if (HMENU sub = ::GetSubMenu(menu, i))
            if (HMENU found = PopupHolding(sub, id)) return found;
    }
    return nullptr;
}

// Keys the thread believes held while the object lives.
class HeldKeys {
public:
    explicit HeldKeys(std::initializer_list<int> keys)
    {
        ::GetKeyboardState(m_saved);
        BYTE state[256];
        std::memcpy(state, m_saved, sizeof(state));
        for (int key : keys) state[key] |= 0x80;
        ::SetKeyboardState(state);
    }
    ~HeldKeys() { ::SetKeyboardState(m_saved); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    BYTE m_saved[256] = {};
};

// The state of a search-kind document window with the given title.
inline WindowState DocumentState(const std::string& title)
{
    WindowState state;
    state.path = title;
    state.kind = WindowKind::Search;
    state.rect = {0, 0, 300, 200};
    return state;
}

// A document window whose icon, background work and drag answers the test decides.
class TestWindow : public CBasicWindow {
public:
    explicit TestWindow(const std::string& title, int iconIndex = 1)
        : CBasicWindow(DocumentState(title)), icon(iconIndex)
    {
    }
    int GetIconIndex() const override { return icon; }
    bool CanCloseNow() const override { return !busy; }

    int icon;
    bool busy = false;
    int dragOvers = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != UWM_DRAGOVER) return CBasicWindow::WindowProc(message, wParam, lParam);
        ++dragOvers;
        return DROPEFFECT_COPY;
    }
};

// Creates the window in the frame's document area; null when it was not made.
template <class Window>
Window* OpenDocument(CTrailmarkApp& app, Window* window)
{
    if (window->CreateDocument(app.MainFrame()->MdiClient())) return window;
    delete window;
    return nullptr;
}

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
inline std::vector<std::string> PlantUsers(const std::vector<PlantedUser>& planted, StartChoice choice = {})
{
    std::vector<std::string> dirs;
    CSettingsStore store(platform::SystemRegistry(), CSettingsStore::ProgramVersion(), platform::IsWindowsNT());
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
        names.push_back(ReadText(key, "Name"));
    }
}

inline std::string UserKeyPath(const std::string& dirName) { return RootPath() + "\\" + dirName; }

inline bool DirectoryExists(const std::string& dirName)
{
    const DWORD attributes = ::GetFileAttributesA(UserDirectoryPath(platform::ProgramDirectory(), dirName).c_str());
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
        CSettingsStore store(platform::SystemRegistry(), CSettingsStore::ProgramVersion(), platform::IsWindowsNT());
        CUserList users(store);
        for (int i = 0; i < users.Count(); ++i) dirs.push_back(users.UserAt(i)->DirName());
    }
    for (const std::string& dir : dirs)
        if (!dir.empty()) DeleteUserFiles(platform::ProgramDirectory(), dir);
}

// The application started on a clean registry; closed as the user closes it,
// and every trace of it removed, when the test ends.
class AppTest : public testing::Test {
protected:
    void SetUp() override
    {
        WipeProgramKeys();
        StartApp();
    }
    void TearDown() override
    {
        if (m_app) CloseApp();
        RemoveUserDirectories(m_dirs);
        WipeProgramKeys();
    }

    void StartApp()
    {
        m_app = std::make_unique<CTrailmarkApp>();
        ASSERT_TRUE(m_app->InitInstance());
    }
    // Closes the frame the way the user does and runs the shutdown.
    void CloseApp()
    {
        Settle();
        HWND frame = m_app->MainWindow();
        ::PostMessageA(frame, WM_CLOSE, 0, 0);
        m_app->RunMessageLoop();
        EXPECT_FALSE(::IsWindow(frame));
        m_app->ExitInstance();
        m_app.reset();
    }
    void Restart()
    {
        CloseApp();
        StartApp();
    }
    // Waits for the windows' own work before the frame closes.
    virtual void Settle() {}

    CMainFrame& Frame() { return *m_app->MainFrame(); }
    CSettingsStore& Settings() { return m_app->Settings(); }
    // A command as the menus give it: through the frame to the active window.
    void Command(UINT id) { ::SendMessageA(m_app->MainWindow(), WM_COMMAND, id, 0); }
    bool Enabled(UINT id) { return ui::QueryCommand(Frame().FirstCommandTarget(), id).enabled; }
    // A key pressed in the focused window, the keys `held` down with it: the
    // messages go through the program's own loop, shortcuts and all, and the
    // loop runs until they and what they posted are done.
    void PressKey(UINT key, std::initializer_list<int> held = {})
    {
        HeldKeys keys(held);
        HWND focus = ::GetFocus();
        ::PostMessageA(focus, WM_KEYDOWN, key, kKeyDownBits);
        ::PostMessageA(focus, WM_KEYUP, key, kKeyUpBits);
        RunPosted();
    }
    // Characters typed into the focused window, through the program's loop.
    void TypeText(const std::string& text)
    {
        HWND focus = ::GetFocus();
        for (char c : text) ::PostMessageA(focus, WM_CHAR, static_cast<unsigned char>(c), kKeyDownBits);
        RunPosted();
    }
    // Runs the application's message loop over what is posted so far.
    void RunPosted()
    {
        // The quit comes only after every message posted before it.
        ::PostQuitMessage(0);
        m_app->RunMessageLoop();
    }

    MessageRecorder m_messages;
    std::unique_ptr<CTrailmarkApp> m_app;
    std::vector<std::string> m_dirs;  // planted users' directories
};

// For tests that start the program themselves, after planting what it finds.
class AppNotStartedTest : public AppTest {
protected:
    void SetUp() override { WipeProgramKeys(); }
};

}  // namespace uitest
