// The manager dialog over an object list: deleting, moving, enabling and
// what Cancel and OK keep.

// Core
#include "core/app/ObjectList.h"
#include "core/app/Tool.h"

// Framework
#include "ui/framework/Application.h"

// Dialogs
#include "ui/dialogs/ManagerDlg.h"
#include "ui/dialogs/ManagerMessages.h"

// Tests
#include "ui/UserDialogDriver.h"

namespace {

using namespace uitest;

// A manager over the tools list on the users' template; with `full` it gets
// the Enable, Disable and arrow buttons that other managers' templates have.
class TestManager : public CManagerDlg {
public:
    TestManager(CObjectList& list, bool full) : CManagerDlg(IDD_USER_MANAGER, list), m_full(full) {}

    std::vector<int> answers;  // to the deletion questions, then IDYES
    std::vector<int> asked;

protected:
    BOOL OnInitDialog() override
    {
        if (m_full) {
            AddButton("&Enable", IDC_MGR_ENABLE, 104);
            AddButton("D&isable", IDC_MGR_DISABLE, 122);
            AddButton("", IDC_MOVE_UP, 140);
            AddButton("", IDC_MOVE_DOWN, 158);
        }
        return CManagerDlg::OnInitDialog();
    }

    int ConfirmDelete(int index) override
    {
        asked.push_back(index);
        if (answers.empty()) return IDYES;
        const int answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }

private:
    void AddButton(const char* text, int id, int top)
    {
        RECT box = {161, top, 211, top + 14};
        ::MapDialogRect(Handle(), &box);
        ::CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, box.left,
                          box.top, box.right - box.left, box.bottom - box.top, Handle(),
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          ui::Application::Instance()->InstanceHandle(), nullptr);
    }

    bool m_full;
};

class ManagerDialog : public AppTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(AppTest::SetUp());
        CObjectList& tools = List();
        tools.DeleteAll();
        for (const char* name : {"Alpha", "Beta", "Gamma"}) {
            auto tool = std::make_unique<CTool>();
            tool->SetName(name);
            tools.Add(std::move(tool));
        }
        tools.SaveAll();
    }

    CObjectList& List() { return *m_app->Tools(); }

    std::vector<std::string> Names()
    {
        std::vector<std::string> names;
        for (int i = 0; i < List().Count(); ++i) names.push_back(List().At(i)->Name());
        return names;
    }

    // Runs the manager modeless so that the test talks to it directly.
    void Open(TestManager& manager)
    {
        ASSERT_TRUE(manager.CreateModeless(m_app->MainWindow()));
        m_dialog = manager.Handle();
        m_list = FindControl(m_dialog, IDC_MGR_LIST);
    }

    void Select(std::initializer_list<int> entries) { SelectEntries(m_dialog, IDC_MGR_LIST, entries, true); }
    void Press(int id) { ClickNow(m_dialog, id); }
    bool Enabled(int id) { return ControlEnabled(m_dialog, id); }
    std::string EntryText(int index)
    {
        char text[64] = "";
        ::SendMessageA(m_list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        return text;
    }
    LRESULT Mark(int index) { return ::SendMessageA(m_list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0); }

    // A key on the list with Ctrl held or not.
    void Key(UINT key, bool control)
    {
        HeldKeys held(control ? std::initializer_list<int>{VK_CONTROL} : std::initializer_list<int>{});
        ::SendMessageA(m_list, WM_KEYDOWN, key, 0);
    }

    HWND m_dialog = nullptr;
    HWND m_list = nullptr;
};

TEST_F(ManagerDialog, CancelAfterDeletingTwoEntriesBringsBothBack)
{
    TestManager manager(List(), false);
    Open(manager);
    Select({0, 2});
    Press(IDC_MGR_DELETE);
    EXPECT_EQ(manager.asked, (std::vector<int>{0, 1})) << "Gamma has moved up when it is asked about";
    EXPECT_EQ(Names(), (std::vector<std::string>{"Beta"}));
    EXPECT_EQ(EntryText(0), "Beta");
    EXPECT_GT(::SendMessageA(m_list, LB_GETSEL, 0, 0), 0) << "entry 0 selected afterwards";
    Press(IDCANCEL);
    EXPECT_FALSE(::IsWindow(m_dialog));
    EXPECT_EQ(Names(), (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
}

TEST_F(ManagerDialog, OkSavesDeletionsAndMoves)
{
    TestManager manager(List(), true);
    Open(manager);
    Select({1});
    Key(VK_DOWN, true);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Alpha", "Gamma", "Beta"}));
    EXPECT_EQ(EntryText(2), "Beta");
    EXPECT_GT(::SendMessageA(m_list, LB_GETSEL, 2, 0), 0);
    Select({0});
    Key(VK_DELETE, false);
    Press(IDOK);
    EXPECT_FALSE(::IsWindow(m_dialog));
    List().LoadAll();
    EXPECT_EQ(Names(), (std::vector<std::string>{"Gamma", "Beta"}));
}

TEST_F(ManagerDialog, ButtonsFollowTheSelectionAndArrowsKeepTheFocusWhileTheyCan)
{
    TestManager manager(List(), true);
    Open(manager);
    EXPECT_EQ(::GetFocus(), m_list);
    EXPECT_TRUE(Enabled(IDC_MGR_EDIT));
    EXPECT_FALSE(Enabled(IDC_MOVE_UP)) << "the first entry is selected at opening";
    EXPECT_TRUE(Enabled(IDC_MOVE_DOWN));
    Key('A', true);
    PumpFor(50);  // Ctrl+A is posted
    EXPECT_EQ(::SendMessageA(m_list, LB_GETSELCOUNT, 0, 0), 3);
    Select({});
    EXPECT_FALSE(Enabled(IDC_MGR_DELETE));
    Key(VK_DELETE, false);
    EXPECT_EQ(manager.asked.size(), 0u) << "the Delete key only while Delete is enabled";

    // The arrows move one entry and keep the focus while they can.
    Select({2});
    ::SetFocus(FindControl(m_dialog, IDC_MOVE_UP));
    Press(IDC_MOVE_UP);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Alpha", "Gamma", "Beta"}));
    EXPECT_EQ(::GetFocus(), FindControl(m_dialog, IDC_MOVE_UP));
    Press(IDC_MOVE_UP);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Gamma", "Alpha", "Beta"}));
    EXPECT_FALSE(Enabled(IDC_MOVE_UP));
    EXPECT_EQ(::GetFocus(), FindControl(m_dialog, IDC_MOVE_DOWN)) << "up is spent";
    Press(IDCANCEL);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
}

TEST_F(ManagerDialog, EnableDisableAndSpaceSetFlagsAndMarks)
{
    List().At(1)->SetEnabled(false);
    TestManager manager(List(), true);
    Open(manager);
    EXPECT_EQ(Mark(0), IDB_ITEM_ENABLED);
    EXPECT_EQ(Mark(1), IDB_ITEM_DISABLED);
    Select({0, 1});
    Press(IDC_MGR_DISABLE);
    EXPECT_FALSE(List().At(0)->Enabled());
    EXPECT_EQ(Mark(0), IDB_ITEM_DISABLED);
    EXPECT_EQ(::GetFocus(), FindControl(m_dialog, IDC_MGR_ENABLE));
    Select({2});
    Key(VK_SPACE, false);
    EXPECT_FALSE(List().At(2)->Enabled());
    EXPECT_EQ(Mark(2), IDB_ITEM_DISABLED);
    Key(VK_SPACE, false);
    EXPECT_TRUE(List().At(2)->Enabled());
    Press(IDOK);
    EXPECT_FALSE(List().At(0)->Enabled());
    EXPECT_FALSE(List().At(1)->Enabled());
    EXPECT_TRUE(List().At(2)->Enabled());
}

}  // namespace
