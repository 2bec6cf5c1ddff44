#include "core/app/UserList.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"

// Platform
#include "platform/System.h"

CUserList::CUserList(CSettingsStore& store)
    : CObjectList(store, [] { return std::make_unique<CUser>(); }, SectionId::Users, kNoCapacity)
{
}

void CUserList::LoadAll()
{
    const int current = CurrentIndex();
    CObjectList::LoadAll();
    if (CUser* user = UserAt(current)) user->SetCurrent(true);
}

bool CUserList::SetCurrentUser(int index)
{
    return SetCurrentUser(index, platform::ProgramDirectory());
}

bool CUserList::SetCurrentUser(int index, const std::string& programDirectory)
{
    CUser* user = UserAt(index);
    if (!user) return false;
    if (user->IsFreshUser(programDirectory)) {
        // A directory that cannot be made leaves the user fresh until the next start.
        // A key of that name belongs to a profile whose directory was lost;
        // sharing it would hand that profile's settings to the new one.
        const CSettingsStore& store = Store();
        auto keyExists = [&store](const std::string& name) { return store.UserKeyExists(name); };
        if (user->CreateUserDirectory(programDirectory, keyExists)) SaveAll();
    }
    user->SetCurrent(true);
    return true;
}

CUser* CUserList::GetCurrentUser() const
{
    for (int i = 0; i < Count(); ++i)
        if (UserAt(i)->IsCurrent()) return UserAt(i);
    return nullptr;
}

int CUserList::CurrentIndex() const
{
    CUser* user = GetCurrentUser();
    return user ? IndexOf(user) : 0;
}
