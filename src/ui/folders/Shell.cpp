#include "ui/folders/Shell.h"

namespace shell {
namespace {

constexpr int kMaxNameBytes = MAX_PATH;
constexpr char kExecutablePattern[] = "*.exe";

std::wstring Wide(const std::string& text)
{
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    if (length > 0) ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
    return wide;
}

int SystemIcon(const char* path, DWORD attributes, UINT flags)
{
    SHFILEINFOA info = {};
    if (!::SHGetFileInfoA(path, attributes, &info, sizeof(info),
                          flags | SHGFI_SYSICONINDEX | SHGFI_SMALLICON))
        return -1;
    return info.iIcon;
}

std::string TypeName(const char* path, UINT flags)
{
    SHFILEINFOA info = {};
    if (!::SHGetFileInfoA(path, 0, &info, sizeof(info), flags | SHGFI_TYPENAME)) return {};
    return info.szTypeName;
}

}  // namespace

ui::ComPtr<IShellFolder> Desktop()
{
    ui::ComPtr<IShellFolder> desktop;
    ::SHGetDesktopFolder(desktop.Out());
    return desktop;
}

ui::ComPtr<IShellFolder> BindFolder(LPCITEMIDLIST absolute)
{
    ui::ComPtr<IShellFolder> desktop = Desktop();
    if (!desktop || ui::PidlIsEmpty(absolute)) return desktop;
    ui::ComPtr<IShellFolder> folder;
    if (FAILED(desktop->BindToObject(absolute, nullptr, IID_IShellFolder, folder.OutVoid())))
        folder.Reset();
    return folder;
}

ui::Pidl ParseInFolder(IShellFolder* folder, const std::string& name)
{
    ui::Pidl pidl;
    if (!folder || name.empty()) return pidl;
    std::wstring wide = Wide(name);
    ULONG eaten = 0;
    if (FAILED(folder->ParseDisplayName(nullptr, nullptr, &wide[0], &eaten, pidl.Out(), nullptr)))
        pidl = ui::Pidl();
    return pidl;
}

ui::Pidl ParsePath(const std::string& path)
{
    ui::ComPtr<IShellFolder> desktop = Desktop();
    return ParseInFolder(desktop.Get(), path);
}

std::string StrRetText(STRRET& strret, LPCITEMIDLIST pidl)
{
    char text[kMaxNameBytes] = "";
    switch (strret.uType) {
    case STRRET_WSTR:
        if (strret.pOleStr) {
            ::WideCharToMultiByte(CP_ACP, 0, strret.pOleStr, -1, text, sizeof(text), nullptr, nullptr);
            text[sizeof(text) - 1] = '\0';
            ui::ShellFree(strret.pOleStr);
            strret.pOleStr = nullptr;
        }
        break;
    case STRRET_OFFSET:
        if (pidl) lstrcpynA(text, reinterpret_cast<const char*>(pidl) + strret.uOffset, sizeof(text));
        break;
    case STRRET_CSTR:
        lstrcpynA(text, strret.cStr, sizeof(text));
        break;
    default:
        break;
    }
    return text;
}

std::string DisplayName(IShellFolder* folder, LPCITEMIDLIST relative, DWORD flags)
{
    if (!folder) return {};
    STRRET strret = {};
    if (FAILED(folder->GetDisplayNameOf(relative, flags, &strret))) return {};
    return StrRetText(strret, relative);
}

ULONG Attributes(IShellFolder* folder, LPCITEMIDLIST relative, ULONG query)
{
    if (!folder) return 0;
    ULONG attributes = query;
    LPCITEMIDLIST items[] = {relative};
    if (FAILED(folder->GetAttributesOf(1, items, &attributes))) return 0;
    return attributes & query;
}

int IconOfPidl(LPCITEMIDLIST absolute)
{
    return SystemIcon(reinterpret_cast<const char*>(absolute), 0, SHGFI_PIDL);
}

int IconOfPath(const std::string& path) { return SystemIcon(path.c_str(), 0, 0); }

int IconOfExtension(const std::string& extension)
{
    const std::string pattern = "*." + extension;
    return SystemIcon(pattern.c_str(), FILE_ATTRIBUTE_NORMAL, SHGFI_USEFILEATTRIBUTES);
}

int ExecutableIcon() { return SystemIcon(kExecutablePattern, FILE_ATTRIBUTE_NORMAL, SHGFI_USEFILEATTRIBUTES); }

std::string TypeNameOfPidl(LPCITEMIDLIST absolute)
{
    return TypeName(reinterpret_cast<const char*>(absolute), SHGFI_PIDL);
}

std::string TypeNameOfPath(const std::string& path) { return TypeName(path.c_str(), 0); }

UINT DriveTypeOf(const std::string& path)
{
    if (path.size() < 2 || path[1] != ':') return DRIVE_UNKNOWN;
    const char root[] = {path[0], ':', '\\', '\0'};
    return ::GetDriveTypeA(root);
}

bool DriveReady(const std::string& path)
{
    const UINT type = DriveTypeOf(path);
    if (type != DRIVE_REMOVABLE && type != DRIVE_CDROM) return true;
    const char root[] = {path[0], ':', '\\', '\0'};
    // Without a disk the volume query fails; the system must not ask the user.
    const UINT oldMode = ::SetErrorMode(SEM_FAILCRITICALERRORS);
    const BOOL ready = ::GetVolumeInformationA(root, nullptr, 0, nullptr, nullptr, nullptr, nullptr, 0);
    ::SetErrorMode(oldMode);
    return ready != FALSE;
}

bool IsFolderPath(const std::string& path)
{
    if (path.empty()) return false;
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace shell
