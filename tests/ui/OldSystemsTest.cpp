// The program as Windows 95 and NT 4 run it: Wine answers a program with the
// Windows version set for it under its own AppDefaults key.

// Tests
#include "ui/ProgramProcess.h"
#include "ui/UiTestSupport.h"

// Standard library
#include <fstream>
#include <iterator>

namespace {

using namespace uitest;

// Sets the Windows version Wine reports to one program, for one scope.
class WindowsVersionFor {
public:
    WindowsVersionFor(const std::string& program, const std::string& version)
        : m_key("Software\\Wine\\AppDefaults\\" + program)
    {
        HKEY key = nullptr;
        if (::RegCreateKeyExA(HKEY_CURRENT_USER, m_key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                              nullptr) != ERROR_SUCCESS)
            return;
        m_set = ::RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.c_str()),
                                 static_cast<DWORD>(version.size() + 1)) == ERROR_SUCCESS;
        ::RegCloseKey(key);
    }
    ~WindowsVersionFor() { ::RegDeleteKeyA(HKEY_CURRENT_USER, m_key.c_str()); }
    bool Set() const { return m_set; }

private:
    std::string m_key;
    bool m_set = false;
};

// What the command prompt's "ver" says, through a file: proof that the
// version setting reaches a program started afterwards.
std::string CommandPromptVersion()
{
    char temp[MAX_PATH] = "";
    ::GetTempPathA(sizeof(temp), temp);
    const std::string file = std::string(temp) + "trailmark-ver.txt";
    std::string commandLine = "cmd.exe /c ver > \"" + file + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        return {};
    ::WaitForSingleObject(process.hProcess, ProgramProcess::kPatienceMs);
    ::CloseHandle(process.hProcess);
    ::CloseHandle(process.hThread);
    std::ifstream in(file);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    ::DeleteFileA(file.c_str());
    return text;
}

TEST(OldSystems, TheProgramStartsShowsItsFrameAndEndsOnWindows95AndNT4)
{
    for (const char* version : {"win95", "nt40"}) {
        SCOPED_TRACE(version);
        {
            WindowsVersionFor prompt("cmd.exe", version);
            ASSERT_TRUE(prompt.Set());
            EXPECT_NE(CommandPromptVersion().find("Windows 4.0."), std::string::npos) << "Wine ignores the setting";
        }
        WipeProgramKeys();
        WindowsVersionFor pretend("Trailmark.exe", version);
        ASSERT_TRUE(pretend.Set());
        {
            ProgramProcess program;
            ASSERT_NE(program.Window(), nullptr) << "no frame showed";
            char title[64] = "";
            ::GetWindowTextA(program.Window(), title, sizeof(title));
            EXPECT_EQ(std::string(title).rfind("Trailmark", 0), 0u) << title;
            const std::optional<DWORD> exitCode = program.Close();
            ASSERT_TRUE(exitCode.has_value()) << "it did not end when closed";
            EXPECT_EQ(*exitCode, 0u);
        }
        RemoveUserDirectories({});
        WipeProgramKeys();
    }
}

}  // namespace
