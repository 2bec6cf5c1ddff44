#pragma once
// A user profile: name, optional entry password, administrator flag and the
// directory name that names both the profile's registry key and its directory
// below the program's directory. Users always live in the "Users" section.

// Core
#include "core/app/BaseObj.h"

// Standard library
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CObjectList;

// Base of the names of new users (string 61497).
inline constexpr char kUserNameBase[] = "User";

class CUser : public CBaseObj {
public:
    // Name "", no password, no directory, no flags.
    CUser() = default;
    // Named users->MakeUniqueName(base) (User0, User1 …) when there is a list.
    explicit CUser(const CObjectList* users, const std::string& base = kUserNameBase);

    void LoadFrom(CSettingsStore& store, const std::string& keyName, int sectionId) override;
    void SaveTo(CSettingsStore& store, const std::string& keyName, int sectionId) override;

    // The fill word in place of "".
    void SetPassword(const std::string& text);
    // "" when the password is the fill word.
    std::string GetPlainPassword() const;
    // The field as held: plain text, "" or the fill word.
    const std::string& Password() const { return m_password; }
    // Always true without Use Password; else an exact, case-sensitive match.
    // A stored password that could not be read whole matches nothing.
    bool CheckPassword(const std::string& typed) const;

    // Never used here: no directory name, or no such directory below the
    // program directory (a name that could address anything else counts as none).
    bool IsFreshUser() const;
    bool IsFreshUser(const std::string& programDirectory) const;
    // Draws a free name User + four digits and creates that directory. The name
    // is taken only when the directory could be made; else the user stays fresh.
    // A name that `taken` refuses (a profile's key left behind) is drawn again.
    bool CreateUserDirectory();
    bool CreateUserDirectory(const std::string& programDirectory,
                             const std::function<bool(const std::string&)>& taken = {});

    const std::string& DirName() const { return m_dirName; }
    void SetDirName(std::string dirName) { m_dirName = std::move(dirName); }
    bool IsAdmin() const { return m_admin != 0; }
    void SetAdmin(bool admin) { m_admin = admin ? 1 : 0; }
    bool UsesPassword() const { return m_usePassword != 0; }
    void SetUsesPassword(bool use) { m_usePassword = use ? 1 : 0; }
    // Set on the profile chosen at start-up; never stored.
    bool IsCurrent() const { return m_current != 0; }
    void SetCurrent(bool current) { m_current = current ? 1 : 0; }

private:
    void LoadPassword(CSettingsStore& store, const CRegistryKey& key);
    void SavePassword(CRegistryKey& key) const;
    void KeepUnreadablePassword(CSettingsStore& store, const CRegistryKey& key, std::uint32_t type,
                                std::uint32_t size);

    std::string m_password;
    std::string m_dirName;
    std::uint8_t m_admin = 0;
    std::uint8_t m_usePassword = 0;
    std::uint8_t m_current = 0;
    // The stored password exists but could not be read whole; its value as
    // found is kept to be written back. In memory only.
    bool m_passwordUnreadable = false;
    std::uint32_t m_unreadableType = 0;
    std::vector<std::uint8_t> m_unreadableBytes;
};
