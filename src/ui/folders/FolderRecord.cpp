#include "ui/folders/FolderRecord.h"

// Core
#include "core/folders/ActionPath.h"
#include "core/folders/FileDetails.h"

// Framework
#include "ui/framework/Pidl.h"

// Folders
#include "ui/folders/Shell.h"

std::shared_ptr<CFileItem> MakeFolderRecord(LPCITEMIDLIST absolute, IShellFolder* knownParent)
{
    auto record = std::make_shared<CFileItem>();
    record->absoluteId = ui::PidlClone(absolute);
    record->ownsAbsoluteId = true;
    record->isDirectory = true;
    if (ui::PidlIsEmpty(absolute)) {
        // The desktop, root of the name space: no parent, named by the shell.
        ui::ComPtr<IShellFolder> desktop = shell::Desktop();
        if (!desktop) return nullptr;
        record->folder = desktop.Release();
        SHFILEINFOA info = {};
        ::SHGetFileInfoA(reinterpret_cast<const char*>(record->absoluteId), 0, &info, sizeof(info),
                         SHGFI_PIDL | SHGFI_DISPLAYNAME);
        record->name = info.szDisplayName;
        char path[MAX_PATH] = "";
        ::SHGetPathFromIDListA(record->absoluteId, path);
        record->path = path[0] ? path : record->name;
    } else {
        ui::ComPtr<IShellFolder> parent(knownParent);
        if (!parent) {
            ui::Pidl parentList(ui::PidlParent(absolute));
            parent = shell::BindFolder(parentList.Get());
        }
        if (!parent) return nullptr;
        record->relativeId = ui::PidlClone(ui::PidlLast(absolute));
        // One step down from the parent costs less than the whole way down from the desktop again.
        ui::ComPtr<IShellFolder> folder;
        if (FAILED(parent->BindToObject(record->relativeId, nullptr, IID_IShellFolder, folder.OutVoid())) || !folder)
            return nullptr;
        record->folder = folder.Release();
        record->name = shell::DisplayName(parent.Get(), record->relativeId, SHGDN_INFOLDER);
        record->path = shell::DisplayName(parent.Get(), record->relativeId, SHGDN_FORPARSING);
        if (HoldsPattern(FileNameOfItem(*record)))
            record->shortName = shell::ShortNameOf(parent.Get(), record->relativeId, record->path);
        record->parentFolder = parent.Release();
        record->ownsParentRef = true;
        record->folderPath = FolderPartOf(record->path);
    }
    record->extension = ExtensionOf(record->name);
    // The icon is asked when the window shows it: that is slow on some
    // shells, and the listing need not wait for it.
    record->iconIndex = -1;
    return record;
}

std::string DisplayPathOf(const CFileItem& record)
{
    if (record.path.find('\\') == std::string::npos || record.path.compare(0, 2, "::") == 0) return record.name;
    // A folder whose name the code page lost goes by its short path: typed
    // again or read back from the history, "??" would be a pattern.
    return PlacePathOf(record);
}

bool HasParentFolder(const CFileItem& record) { return !ui::PidlIsEmpty(record.absoluteId); }
