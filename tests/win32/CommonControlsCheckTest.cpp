// Application
#include "ui/app/CommonControlsCheck.h"

// Framework
#include "ui/framework/MessageBox.h"

// Resources
#include "res/resource.h"

// Standard library
#include <vector>

// Gtest
#include <gtest/gtest.h>

namespace {

struct Answers {
    std::vector<int> answers;
    std::vector<std::string> asked;
    Answers()
    {
        ui::SetMessageHook([this](const std::string& text, UINT) {
            asked.push_back(text);
            const int answer = answers.empty() ? IDCANCEL : answers.front();
            if (!answers.empty()) answers.erase(answers.begin());
            return answer;
        });
    }
    ~Answers() { ui::SetMessageHook(nullptr); }
};

TEST(CommonControlsCheck, PassesWithoutTheLibraryOrWithItsInstallEntry)
{
    Answers answers;
    EXPECT_TRUE(CheckCommonControls(nullptr, "C:\\"));
    HMODULE comctl = ::LoadLibraryA("comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    ASSERT_NE(::GetProcAddress(comctl, "DllInstall"), nullptr);
    EXPECT_TRUE(CheckCommonControls(comctl, "C:\\"));
    EXPECT_TRUE(answers.asked.empty());
}

TEST(CommonControlsCheck, AnOldLibraryAsksWhatToDo)
{
    // kernel32 stands in for a library without the install entry.
    HMODULE old = ::GetModuleHandleA("kernel32.dll");
    const std::string tooOld = ui::LoadString(IDS_COMCTL_TOO_OLD);
    const std::string missing = ui::LoadString(IDS_COMCTL_UPDATER_MISSING);
    const std::string tryAnyway = ui::LoadString(IDS_TRY_RUNNING_ANYWAY);
    ASSERT_FALSE(tooOld.empty());
    struct Case {
        std::vector<int> answers;
        bool goesOn;
        std::vector<std::string> asked;
    } cases[] = {
        {{IDNO, IDYES}, true, {tooOld, tryAnyway}},
        {{IDNO, IDNO}, false, {tooOld, tryAnyway}},
        {{IDYES, IDOK}, false, {tooOld, missing}},  // no update beside the program
    };
    for (const Case& c : cases) {
        Answers answers;
        answers.answers = c.answers;
        EXPECT_EQ(CheckCommonControls(old, "C:\\no such folder"), c.goesOn);
        EXPECT_EQ(answers.asked, c.asked);
    }
}

}  // namespace
