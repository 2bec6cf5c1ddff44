#include "ui/folders/Shell.h"

// Core
#include "core/folders/ActionPath.h"
#include "core/folders/FileDetails.h"

// Platform
#include "platform/Threads.h"

// Framework
#include "ui/framework/SystemFunctions.h"

// Standard library
#include <atomic>
#include <cctype>
#include <vector>

namespace shell {
namespace {

constexpr int kMaxNameBytes = MAX_PATH;
constexpr int kDriveLetters = 26;

// Each drive letter's type once asked; 0 while not known.
std::atomic<UINT> g_driveTypes[kDriveLetters] = {};
constexpr char kExecutablePattern[] = "*.exe";

std::wstring Wide(const std::string& text)
{
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    if (length > 0) ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
    return wide;
}

using FindFirstFileWProc = HANDLE(WINAPI*)(LPCWSTR, LPWIN32_FIND_DATAW);
using GetShortPathNameWProc = DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD);

// The item's parsing name as the shell has it, before the code page loses
// characters; empty when the shell answers in ANSI (Windows 95).
std::wstring WideParsingName(IShellFolder* folder, LPCITEMIDLIST relative)
{
    STRRET strret = {};
    if (FAILED(folder->GetDisplayNameOf(relative, SHGDN_FORPARSING, &strret))) return {};
    if (strret.uType != STRRET_WSTR) return {};
    std::wstring name = strret.pOleStr ? strret.pOleStr : L"";
    ui::ShellFree(strret.pOleStr);
    return name;
}

// The short name the file system gives the entry of a wide path; "" on a
// system without wide file calls.
std::string ShortNameByWideName(const std::wstring& path)
{
    static const auto findFirst = ui::SystemFunctionAs<FindFirstFileWProc>("kernel32.dll", "FindFirstFileW");
    // A real name holds no pattern: the one entry found is the item itself.
    if (!findFirst || path.empty() || path.find_first_of(L"?*") != std::wstring::npos) return {};
    WIN32_FIND_DATAW data = {};
    HANDLE find = findFirst(path.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return {};
    ::FindClose(find);
    char shortName[sizeof(data.cAlternateFileName)] = "";
    BOOL lost = FALSE;
    ::WideCharToMultiByte(CP_ACP, 0, data.cAlternateFileName, -1, shortName, sizeof(shortName), nullptr, &lost);
    shortName[sizeof(shortName) - 1] = '\0';
    return lost ? std::string() : std::string(shortName);
}

// The short name an identifier carries, once the disk confirms that it names
// an entry of the listed long name. Some shells leave it empty or fill it with
// bytes of their own.
std::string ShortNameByIdentifier(IShellFolder* folder, LPCITEMIDLIST relative, const std::string& path)
{
    WIN32_FIND_DATAA listed;
    if (!FindDataOf(folder, relative, listed)) return {};
    listed.cAlternateFileName[sizeof(listed.cAlternateFileName) - 1] = '\0';
    const std::string shortName = listed.cAlternateFileName;
    const std::string exact = ActionPath(path, shortName);
    if (exact.empty()) return {};
    WIN32_FIND_DATAA found = {};
    HANDLE find = ::FindFirstFileA(exact.c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return {};
    ::FindClose(find);
    const std::string longName = path.substr(path.rfind('\\') + 1);
    return longName == found.cFileName && lstrcmpiA(found.cAlternateFileName, shortName.c_str()) == 0 ? shortName
                                                                                                       : std::string();
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
    case STRRET_WSTR: {
        if (!strret.pOleStr) break;
        // Sized first: in a double-byte code page a long name needs more
        // bytes than MAX_PATH, and a cut name would be acted on as a path.
        std::string converted;
        const int bytes = ::WideCharToMultiByte(CP_ACP, 0, strret.pOleStr, -1, nullptr, 0, nullptr, nullptr);
        if (bytes > 0) {
            std::vector<char> buffer(static_cast<std::size_t>(bytes));
            if (::WideCharToMultiByte(CP_ACP, 0, strret.pOleStr, -1, buffer.data(), bytes, nullptr, nullptr) > 0)
                converted.assign(buffer.data());
        }
        ui::ShellFree(strret.pOleStr);
        strret.pOleStr = nullptr;
        return converted;
    }
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

int ContainingFolderIcon(const std::string& path, int& plainIcon)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    const bool root = path.size() <= 3 || path.compare(0, 2, "\\\\") == 0;
    if (root || attributes == INVALID_FILE_ATTRIBUTES || (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM)))
        return IconOfPath(path);
    if (plainIcon == -1) plainIcon = PlainFolderIcon();
    return plainIcon;
}

std::string TypeNameOfPath(const std::string& path) { return TypeName(path.c_str(), 0); }

UINT DriveTypeOf(const std::string& path)
{
    if (path.size() < 2 || path[1] != ':') return DRIVE_UNKNOWN;
    const int letter = std::toupper(static_cast<unsigned char>(path[0])) - 'A';
    const bool cached = letter >= 0 && letter < kDriveLetters;
    if (cached)
        if (const UINT known = g_driveTypes[letter].load()) return known;
    const char root[] = {path[0], ':', '\\', '\0'};
    const UINT type = ::GetDriveTypeA(root);
    // A letter without a disk behind it is asked again: it may be mapped later.
    if (cached && type != DRIVE_UNKNOWN && type != DRIVE_NO_ROOT_DIR) g_driveTypes[letter].store(type);
    return type;
}

void ForgetDriveTypes()
{
    for (auto& type : g_driveTypes) type.store(0);
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

bool InvokeDefaultCommand(IShellFolder* folder, LPCITEMIDLIST relative, HWND owner)
{
    constexpr UINT kFirstCommand = 1;
    constexpr UINT kLastCommand = 0x7000;
    ui::ComPtr<IContextMenu> menu;
    if (!folder || !relative ||
        FAILED(folder->GetUIObjectOf(owner, 1, &relative, IID_IContextMenu, nullptr, menu.OutVoid())) || !menu)
        return false;
    HMENU popup = ::CreatePopupMenu();
    bool invoked = false;
    if (SUCCEEDED(menu->QueryContextMenu(popup, 0, kFirstCommand, kLastCommand, CMF_DEFAULTONLY))) {
        const UINT command = ::GetMenuDefaultItem(popup, FALSE, 0);
        if (command != static_cast<UINT>(-1) && command >= kFirstCommand)
            invoked = InvokeMenuCommand(menu.Get(), owner, command - kFirstCommand);
    }
    ::DestroyMenu(popup);
    return invoked;
}

std::string ShortNameOf(IShellFolder* folder, LPCITEMIDLIST relative, const std::string& path)
{
    if (!folder || !relative || !IsFileSystemPath(path)) return {};
    std::string shortName = ShortNameByWideName(WideParsingName(folder, relative));
    if (!IsUsableShortName(shortName)) shortName = ShortNameByIdentifier(folder, relative, path);
    return IsUsableShortName(shortName) ? shortName : std::string();
}

std::string ShortPathOfWide(const std::wstring& path)
{
    static const auto shortPath = ui::SystemFunctionAs<GetShortPathNameWProc>("kernel32.dll", "GetShortPathNameW");
    if (!shortPath || path.empty()) return {};
    wchar_t wide[MAX_PATH] = L"";
    const DWORD length = shortPath(path.c_str(), wide, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    char text[MAX_PATH] = "";
    BOOL lost = FALSE;
    if (!::WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof(text), nullptr, &lost) || lost) return {};
    return HoldsPattern(text) ? std::string() : std::string(text);
}

std::string ExactPathOf(LPCITEMIDLIST absolute, const std::string& path)
{
    if (!HoldsPattern(path)) return path;
    if (!absolute || !IsFileSystemPath(path)) return {};
    ui::ComPtr<IShellFolder> desktop = Desktop();
    return desktop ? ShortPathOfWide(WideParsingName(desktop.Get(), absolute)) : std::string();
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
    std::unordered_map<std::string, bool> classLinks;  // only for keys of classIcons
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
    kept.classLinks.clear();
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

std::string LookupCache::PlainFolderTypeName(const std::string& path)
{
    if (m_plainFolderType.empty()) m_plainFolderType = TypeNameOfPath(path);
    return m_plainFolderType;
}

bool LookupCache::IsPlainFolder(const std::string& path, std::uint32_t attributes)
{
    constexpr std::size_t kDriveRootChars = 3;  // "C:\"
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & (FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY)) &&
           IsFileSystemPath(path) && path.size() > kDriveRootChars;
}

bool LookupCache::ClassFacts(const std::string& path, int& icon, bool& link)
{
    const std::string key = LowerExtension(path.substr(path.rfind('\\') + 1), false);
    KeptAnswers& kept = Kept();
    platform::LockGuard guard(kept.lock);
    const auto foundIcon = kept.classIcons.find(key);
    const auto foundLink = kept.classLinks.find(key);
    if (foundIcon == kept.classIcons.end() || foundLink == kept.classLinks.end()) return false;
    icon = foundIcon->second;
    link = foundLink->second;
    return true;
}

void LookupCache::KeepClassLink(const std::string& path, bool link)
{
    const std::string key = LowerExtension(path.substr(path.rfind('\\') + 1), false);
    KeptAnswers& kept = Kept();
    platform::LockGuard guard(kept.lock);
    if (kept.classIcons.count(key) != 0) kept.classLinks.emplace(key, link);
}

}  // namespace shell
