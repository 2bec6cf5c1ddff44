#pragma once
// The users list: every profile, in the "Users" section under the root, shared
// by all profiles; loaded at creation and saved when destroyed.

// Core
#include "core/app/ObjectList.h"
#include "core/app/User.h"

// Standard library
#include <memory>
#include <string>

class CUserList : public CObjectList {
public:
    explicit CUserList(CSettingsStore& store);

    // Loads as every list does and keeps the current mark on the same index
    // (index 0 when no user was current).
    void LoadAll() override;

    // Makes user `index` the current one; a fresh user first gets its directory
    // and the list is saved with the new directory name. False for a bad index.
    bool SetCurrentUser(int index);
    bool SetCurrentUser(int index, const std::string& programDirectory);
    // The first user marked current, or null.
    CUser* GetCurrentUser() const;
    // Its index, or 0.
    int CurrentIndex() const;

    CUser* UserAt(int index) const { return dynamic_cast<CUser*>(At(index)); }
    // A new user named from MakeUniqueName("User"), not yet in the list.
    std::unique_ptr<CUser> NewUser() const { return std::make_unique<CUser>(this); }
};
