// Platform
#include "platform/DirectoryLister.h"

// Windows
#include <windows.h>

namespace platform {
namespace {

// 100-nanosecond ticks between 1601-01-01 and 1970-01-01.
constexpr std::uint64_t kEpochTicks = 116444736000000000ULL;
constexpr std::uint64_t kTicksPerSecond = 10000000ULL;

std::int64_t ToUnixSeconds(const FILETIME& time)
{
    const std::uint64_t ticks =
        (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    if (ticks == 0) return 0;
    return (static_cast<std::int64_t>(ticks) - static_cast<std::int64_t>(kEpochTicks)) /
           static_cast<std::int64_t>(kTicksPerSecond);
}

void Fill(const WIN32_FIND_DATAA& data, FindEntry& entry)
{
    entry.name = data.cFileName;
    entry.shortName = data.cAlternateFileName;
    entry.attributes = data.dwFileAttributes;
    entry.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    entry.created = ToUnixSeconds(data.ftCreationTime);
    entry.accessed = ToUnixSeconds(data.ftLastAccessTime);
    entry.modified = ToUnixSeconds(data.ftLastWriteTime);
}

class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : m_handle(handle) {}
    ~FindHandle()
    {
        if (m_handle != INVALID_HANDLE_VALUE) ::FindClose(m_handle);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    bool IsValid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle;
};

class Win32DirectoryLister final : public DirectoryLister {
public:
    bool List(const std::string& spec, const FindVisitor& visit) override
    {
        WIN32_FIND_DATAA data;
        FindHandle find(::FindFirstFileA(spec.c_str(), &data));
        if (!find.IsValid()) return false;
        FindEntry entry;
        do {
            Fill(data, entry);
            if (!visit(entry)) break;
        } while (::FindNextFileA(find.Get(), &data));
        return true;
    }

    // Fills the records in place: a search lists every folder this way.
    bool ListAll(const std::string& spec, std::vector<FindEntry>& out) override
    {
        WIN32_FIND_DATAA data;
        FindHandle find(::FindFirstFileA(spec.c_str(), &data));
        if (!find.IsValid()) return false;
        do {
            out.emplace_back();
            Fill(data, out.back());
        } while (::FindNextFileA(find.Get(), &data));
        return true;
    }

    DriveType QueryDriveType(const std::string& root) override
    {
        return static_cast<DriveType>(::GetDriveTypeA(root.c_str()));
    }

    // Asked by listing the folder rather than by making it the current
    // directory, which is the whole process's and may be in use elsewhere.
    bool CanEnterFolder(const std::string& folder) override
    {
        if (folder.empty()) return false;
        std::string spec = folder;
        if (spec.back() != '\\' && spec.back() != '/') spec += '\\';
        spec += '*';
        WIN32_FIND_DATAA data;
        FindHandle find(::FindFirstFileA(spec.c_str(), &data));
        if (find.IsValid()) return true;
        // An empty drive root lists nothing, not even "." and "..".
        if (::GetLastError() != ERROR_FILE_NOT_FOUND) return false;
        const DWORD attributes = ::GetFileAttributesA(folder.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
};

}  // namespace

DirectoryLister& SystemDirectoryLister()
{
    static Win32DirectoryLister lister;
    return lister;
}

}  // namespace platform
