#include "ui/dialogs/UserSheet.h"

// Core
#include "core/app/UserList.h"

// Resources
#include "res/resource.h"

namespace {

ObjectSheetParams UserSheetParams(CUserList& users, CUser* user, bool saveAfterOk)
{
    ObjectSheetParams params;
    params.object = user;
    params.list = &users;
    params.titleId = user ? IDS_EDIT_USER_PROFILE : IDS_ADD_USER_PROFILE;
    params.saveAfterOk = saveAfterOk;
    return params;
}

}  // namespace

CUserSheet::CUserSheet(CUserList& users, CUser* user, bool saveAfterOk)
    : CObjectSheet(UserSheetParams(users, user, saveAfterOk), user ? nullptr : users.NewUser()),
      m_page(*static_cast<CUser*>(Object()), users)
{
    AddPage(m_page);
}

CUser* CUserSheet::User() const { return static_cast<CUser*>(Object()); }
