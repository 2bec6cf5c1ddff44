#include "ui/folders/ShellOperations.h"

// Framework
#include "ui/framework/ComPtr.h"
#include "ui/framework/Pidl.h"

// Folders
#include "ui/folders/Shell.h"

namespace shell {

bool IsRecycleBin(LPCITEMIDLIST absolute)
{
    if (!absolute) return false;
    ui::Pidl bin;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, CSIDL_BITBUCKET, bin.Out())) || !bin) return false;
    ui::ComPtr<IShellFolder> desktop = Desktop();
    return desktop && desktop->CompareIDs(0, bin.Get(), absolute) == S_OK;
}

bool SaveShortcut(const std::string& targetPath, LPCITEMIDLIST absolute, const std::string& linkPath)
{
    ui::ComPtr<IShellLinkA> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.OutVoid())))
        return false;
    if (absolute) link->SetIDList(absolute);
    else link->SetPath(targetPath.c_str());
    ui::ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.OutVoid()))) return false;
    wchar_t wide[MAX_PATH] = L"";
    if (!::MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH)) return false;
    return SUCCEEDED(file->Save(wide, TRUE));
}

}  // namespace shell
