// The program as Windows 95 and NT 4 run it: Wine answers a program with the
// Windows version set for it under its own AppDefaults key.

// Tests
#include "ui/ProgramProcess.h"
#include "ui/UiTestSupport.h"

namespace {

using namespace uitest;

constexpr char kProgramDefaults[] = "Software\\Wine\\AppDefaults\\Trailmark.exe";

// Sets the Windows version Wine reports to the program, for one scope.
class WindowsVersionForProgram {
public:
    explicit WindowsVersionForProgram(const std::string& version)
    {
        HKEY key = nullptr;
        if (::RegCreateKeyExA(HKEY_CURRENT_USER, kProgramDefaults, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                              nullptr) != ERROR_SUCCESS)
            return;
        m_set = ::RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.c_str()),
                                 static_cast<DWORD>(version.size() + 1)) == ERROR_SUCCESS;
        ::RegCloseKey(key);
    }
    ~WindowsVersionForProgram() { ::RegDeleteKeyA(HKEY_CURRENT_USER, kProgramDefaults); }
    bool Set() const { return m_set; }

private:
    bool m_set = false;
};

TEST(OldSystems, TheProgramStartsShowsItsFrameAndEndsOnWindows95AndNT4)
{
    for (const char* version : {"win95", "nt40"}) {
        SCOPED_TRACE(version);
        WipeProgramKeys();
        WindowsVersionForProgram pretend(version);
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
