#include "core/app/User.h"

// Core
#include "core/app/ObjectList.h"
#include "core/app/PasswordTable.h"
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"
#include "core/app/UniqueFileName.h"
#include "core/app/UserFiles.h"

// Platform
#include "platform/FileSystem.h"
#include "platform/System.h"

// Standard library
#include <optional>

namespace {
constexpr char kValuePassword[] = "Password";
constexpr char kValueDirName[] = "Dir Name";
constexpr char kValueAdmin[] = "Admin";
constexpr char kValueUsePassword[] = "Use Password";
// The most bytes of an unreadable password value kept to be written back.
constexpr std::uint32_t kMaxKeptPasswordBytes = 4096;
}  // namespace

CUser::CUser(const CObjectList* users, const std::string& base)
{
    if (users) SetName(users->MakeUniqueName(base));
}

void CUser::LoadFrom(CSettingsStore& store, const std::string& keyName, int)
{
    std::unique_ptr<CRegistryKey> key = OpenRecordKey(store, keyName, SectionId::Users);
    if (!key) return;
    LoadName(*key);
    LoadPassword(store, *key);
    m_dirName = key->ReadText(kValueDirName, "");
    key->ReadByte(kValueAdmin, m_admin);
    key->ReadByte(kValueUsePassword, m_usePassword);
}

void CUser::SaveTo(CSettingsStore& store, const std::string& keyName, int)
{
    std::unique_ptr<CRegistryKey> key = OpenRecordKey(store, keyName, SectionId::Users);
    if (!key) return;
    SaveName(*key);
    SavePassword(*key);
    key->WriteText(kValueDirName, m_dirName);
    key->WriteNumber(kValueAdmin, m_admin, 1);
    key->WriteNumber(kValueUsePassword, m_usePassword, 1);
}

// A password with the byte 150 scrambles to a text holding a zero byte, which a
// text value would cut short there. Such a password is stored as a binary
// value of the scrambled bytes instead; every other password keeps the text
// form that earlier versions read.
void CUser::SavePassword(CRegistryKey& key) const
{
    // A value that could not be read goes back as it was found: the section
    // is rewritten on every save, and a missing value would mean no password.
    if (m_passwordUnreadable) {
        key.Registry().SetValue(key.Handle(), kValuePassword, m_unreadableType, m_unreadableBytes.data(),
                                static_cast<std::uint32_t>(m_unreadableBytes.size()));
        return;
    }
    const std::string scrambled =
        ScramblePassword(m_password.empty() ? std::string(kPasswordFillWord) : m_password);
    if (scrambled.find('\0') == std::string::npos)
        key.WriteText(kValuePassword, scrambled);
    else
        key.WriteBlock(kValuePassword, scrambled.data(), scrambled.size());
}

void CUser::LoadPassword(CSettingsStore& store, const CRegistryKey& key)
{
    m_passwordUnreadable = false;
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    std::string scrambled;
    if (store.Registry().QueryValue(key.Handle(), kValuePassword, &type, nullptr, &size) ==
        platform::kErrorSuccess) {
        // A value longer than any read takes in, or of a foreign type, is kept
        // as it stands and lets nobody in: read back short it would look empty.
        if (type == platform::kRegBinary && size <= kMaxTextChars) {
            std::string bytes(kMaxTextChars, '\0');
            std::optional<std::size_t> read = key.ReadBlock(kValuePassword, &bytes[0], bytes.size());
            if (read) scrambled = bytes.substr(0, *read);
            m_passwordUnreadable = !read;
        } else if (type == platform::kRegSz && size <= kMaxTextChars + 1) {
            scrambled = key.ReadText(kValuePassword, "");
        } else {
            m_passwordUnreadable = true;
        }
        if (m_passwordUnreadable) KeepUnreadablePassword(store, key, type, size);
    }
    const std::string plain = ScramblePassword(scrambled);
    m_password = plain == kPasswordFillWord ? std::string() : plain;
}

void CUser::KeepUnreadablePassword(CSettingsStore& store, const CRegistryKey& key, std::uint32_t type,
                                   std::uint32_t size)
{
    m_unreadableType = type;
    m_unreadableBytes.assign(size <= kMaxKeptPasswordBytes ? size : 0, 0);
    std::uint32_t read = size;
    if (size <= kMaxKeptPasswordBytes &&
        store.Registry().QueryValue(key.Handle(), kValuePassword, nullptr, m_unreadableBytes.data(), &read) ==
            platform::kErrorSuccess &&
        read == size)
        return;
    // Too large to keep: a value longer than any read stands in for it, so
    // that it still lets nobody in.
    m_unreadableType = platform::kRegBinary;
    m_unreadableBytes.assign(kMaxTextChars + 1, 0);
}

void CUser::SetPassword(const std::string& text)
{
    m_passwordUnreadable = false;
    m_unreadableBytes.clear();
    m_password = text.empty() ? std::string(kPasswordFillWord) : text;
}

std::string CUser::GetPlainPassword() const
{
    return m_password == kPasswordFillWord ? std::string() : m_password;
}

bool CUser::CheckPassword(const std::string& typed) const
{
    return !UsesPassword() || (!m_passwordUnreadable && typed == m_password);
}

bool CUser::IsFreshUser() const { return IsFreshUser(platform::ProgramDirectory()); }

bool CUser::IsFreshUser(const std::string& programDirectory) const
{
    return !IsSafeDirName(m_dirName) ||
           !platform::IsDirectory(UserDirectoryPath(programDirectory, m_dirName));
}

bool CUser::CreateUserDirectory() { return CreateUserDirectory(platform::ProgramDirectory()); }

bool CUser::CreateUserDirectory(const std::string& programDirectory,
                                const std::function<bool(const std::string&)>& taken)
{
    if (programDirectory.empty()) return false;
    std::optional<std::string> name = MakeUniqueFileName(programDirectory, kUserNameBase, "", taken);
    if (!name || !platform::MakeDirectory(UserDirectoryPath(programDirectory, *name)))
        return false;
    m_dirName = *name;
    return true;
}
