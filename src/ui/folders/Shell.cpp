#include "ui/folders/Shell.h"

// Platform
#include "platform/Threads.h"

// Standard library
#include <cctype>

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

bool FindDataOf(IShellFolder* folder, LPCITEMIDLIST relative, WIN32_FIND_DATAA& data)
{
    data = {};
    return folder && relative &&
           SUCCEEDED(::SHGetDataFromIDListA(folder, relative, SHGDFIL_FINDDATA, &data, sizeof(data)));
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

int PlainFolderIcon() { return SystemIcon("Folder", FILE_ATTRIBUTE_DIRECTORY, SHGFI_USEFILEATTRIBUTES); }

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

bool InvokeMenuCommand(IContextMenu* menu, HWND owner, const char* verb)
{
    if (!menu) return false;
    CMINVOKECOMMANDINFO invoke = {};
    invoke.cbSize = sizeof(invoke);
    invoke.hwnd = owner;
    invoke.lpVerb = verb;
    invoke.nShow = SW_SHOWNORMAL;
    return SUCCEEDED(menu->InvokeCommand(&invoke));
}

bool InvokeMenuCommand(IContextMenu* menu, HWND owner, UINT offset)
{
    return InvokeMenuCommand(menu, owner, MAKEINTRESOURCEA(offset));
}

bool IsFolderPath(const std::string& path)
{
    if (path.empty()) return false;
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace shell

namespace shell {
namespace {

// The answers kept for the run, shared by every thread.
struct KeptAnswers {
    platform::Lock lock;
    std::unordered_map<std::string, bool> hidesExtension;
    std::unordered_map<std::string, int> classIcons;
    std::unordered_map<std::string, int> extensionIcons;
    std::unordered_map<std::string, std::string> typeNames;
};

KeptAnswers& Kept()
{
    static KeptAnswers kept;
    return kept;
}

template <typename Map>
bool Find(const Map& map, const std::string& key, typename Map::mapped_type& value)
{
    platform::LockGuard guard(Kept().lock);
    const auto found = map.find(key);
    if (found == map.end()) return false;
    value = found->second;
    return true;
}

template <typename Map>
void Keep(Map& map, const std::string& key, const typename Map::mapped_type& value)
{
    platform::LockGuard guard(Kept().lock);
    map.emplace(key, value);
}

std::string LowerExtension(const std::string& name, bool isFolder)
{
    if (isFolder) return {};
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) return {};
    std::string extension = name.substr(dot + 1);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

}  // namespace

void LookupCache::Forget()
{
    KeptAnswers& kept = Kept();
    platform::LockGuard guard(kept.lock);
    kept.hidesExtension.clear();
    kept.classIcons.clear();
    kept.extensionIcons.clear();
    kept.typeNames.clear();
}

std::string LookupCache::InFolderName(IShellFolder* folder, LPCITEMIDLIST relative, bool isFolder,
                                      std::string* fileNameOut)
{
    const std::string fileName = DisplayName(folder, relative, SHGDN_INFOLDER | SHGDN_FORPARSING);
    if (fileNameOut) *fileNameOut = fileName;
    // Folders never lose an "extension"; names without a dot have none to lose.
    const std::size_t dot = fileName.rfind('.');
    if (isFolder || dot == std::string::npos || fileName.empty()) return fileName;
    const std::string key = LowerExtension(fileName, false);
    bool hides = false;
    if (!Find(Kept().hidesExtension, key, hides)) {
        const std::string shown = DisplayName(folder, relative, SHGDN_INFOLDER);
        hides = shown != fileName && shown == fileName.substr(0, dot);
        // A name of the item's own says nothing about its class.
        if (shown != fileName && !hides) return shown;
        Keep(Kept().hidesExtension, key, hides);
    }
    return hides ? fileName.substr(0, dot) : fileName;
}

int LookupCache::ExtensionIcon(const std::string& extension)
{
    int icon = -1;
    if (Find(Kept().extensionIcons, extension, icon)) return icon;
    icon = IconOfExtension(extension);
    if (icon >= 0) Keep(Kept().extensionIcons, extension, icon);
    return icon;
}

int LookupCache::ExactIcon(IShellFolder* folder, LPCITEMIDLIST relative, LPCITEMIDLIST absolute,
                           const std::string& path, bool isFolder)
{
    const std::string key = LowerExtension(path.substr(path.rfind('\\') + 1), isFolder);
    int icon = -1;
    if (!isFolder && Find(Kept().classIcons, key, icon)) return icon;
    icon = absolute ? IconOfPidl(absolute) : IconOfPath(path);
    if (isFolder || !folder || !relative || icon < 0) return icon;
    // The shell says whether the icon belongs to the item or to its class.
    ui::ComPtr<IExtractIconA> extract;
    LPCITEMIDLIST items[] = {relative};
    if (FAILED(folder->GetUIObjectOf(nullptr, 1, items, IID_IExtractIconA, nullptr, extract.OutVoid())))
        return icon;
    char iconFile[MAX_PATH] = "";
    int index = 0;
    UINT flags = 0;
    if (extract->GetIconLocation(GIL_FORSHELL, iconFile, sizeof(iconFile), &index, &flags) != S_OK) return icon;
    const bool ownIcon = (flags & (GIL_PERINSTANCE | GIL_NOTFILENAME)) || lstrcmpiA(iconFile, path.c_str()) == 0;
    if (!ownIcon) Keep(Kept().classIcons, key, icon);
    return icon;
}

std::string LookupCache::TypeName(LPCITEMIDLIST absolute, const std::string& path, bool isFolder)
{
    const std::string key = LowerExtension(path.substr(path.rfind('\\') + 1), isFolder);
    std::string type;
    if (!isFolder && Find(Kept().typeNames, key, type)) return type;
    type = absolute ? TypeNameOfPidl(absolute) : TypeNameOfPath(path);
    if (!isFolder) Keep(Kept().typeNames, key, type);
    return type;
}

}  // namespace shell
