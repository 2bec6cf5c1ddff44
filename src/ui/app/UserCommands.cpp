#include "ui/app/UserCommands.h"

// Core
#include "core/app/UserList.h"

// Framework
#include "ui/framework/MessageBox.h"

// Dialogs
#include "ui/dialogs/UserSheet.h"
#include "ui/dialogs/UsersDlg.h"

// Resources
#include "res/resource.h"

namespace {

bool IsAdmin(const CUser* user) { return user && user->IsAdmin(); }

}  // namespace

void AdjustUserMenu(HMENU menu, const CUser* currentUser)
{
    if (!menu || IsAdmin(currentUser)) return;
    ::DeleteMenu(menu, ID_TOOLS_ADD_USER, MF_BYCOMMAND);
    ::ModifyMenuA(menu, ID_TOOLS_USER_MANAGER, MF_BYCOMMAND | MF_STRING, ID_TOOLS_USER_MANAGER,
                  ui::LoadString(IDS_USER_PROFILE_ITEM).c_str());
}

void RunUserManagerCommand(HWND owner, CUserList& users, CSettingsStore& settings,
                           const std::string& programDirectory)
{
    CUser* current = users.GetCurrentUser();
    if (IsAdmin(current)) {
        CUsersDlg manager(users, settings, programDirectory);
        manager.DoModal(owner);
        return;
    }
    if (!current) return;
    CUserSheet sheet(users, current, true);
    sheet.DoModal(owner);
}

void RunAddUserCommand(HWND owner, CUserList& users)
{
    if (!IsAdmin(users.GetCurrentUser())) return;
    CUserSheet sheet(users, nullptr, true);
    sheet.DoModal(owner);
}
