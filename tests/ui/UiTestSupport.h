#pragma once
// Helpers for tests that run the real application object in this process.

// Core
#include "core/app/RegistryKey.h"
#include "core/app/SettingsStore.h"

// Platform
#include "platform/Registry.h"

// Framework
#include "ui/framework/MessageBox.h"

// Standard library
#include <string>
#include <vector>

// Windows
#include <windows.h>

namespace uitest {

// Whether the test runner answers the first start's view-mode question itself.
inline bool& AutoAnswerViewMode()
{
    static bool answer = true;
    return answer;
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

// Answers every message box in place of the user and records its text.
class MessageRecorder {
public:
    explicit MessageRecorder(int answer = IDOK)
    {
        ui::SetMessageHook([this, answer](const std::string& text, UINT) {
            texts.push_back(text);
            return answers.empty() ? answer : Next();
        });
    }
    ~MessageRecorder() { ui::SetMessageHook(nullptr); }

    std::vector<std::string> texts;
    std::vector<int> answers;  // given in order, then `answer`

private:
    int Next()
    {
        int a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
};

// Pumps this thread's messages for a while (timers, posted work).
inline void PumpFor(DWORD milliseconds)
{
    const DWORD end = ::GetTickCount() + milliseconds;
    MSG msg;
    while (static_cast<LONG>(end - ::GetTickCount()) > 0) {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(10);
    }
}

}  // namespace uitest
