#include "ui/folders/FolderDrop.h"

// Core
#include "core/app/Settings.h"
#include "core/folders/ActionPath.h"
#include "core/folders/CutList.h"
#include "core/folders/FileDetails.h"

// Framework
#include "ui/framework/Clipboard.h"
#include "ui/framework/ComPtr.h"
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/FileDrop.h"
#include "ui/folders/FolderMessages.h"
#include "ui/folders/FolderOperThread.h"
#include "ui/folders/ShellOperations.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

// Windows
#include <shellapi.h>

namespace folderdrop {

namespace {

constexpr char kShortcutSuffix[] = ".lnk";

HWND MainWindow() { return CTrailmarkApp::Instance()->MainWindow(); }
bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
std::string FileNameOf(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

DWORD EffectOf(UINT command)
{
    switch (command) {
    case ID_DROP_MOVE: return DROPEFFECT_MOVE;
    case ID_DROP_COPY: return DROPEFFECT_COPY;
    case ID_DROP_LINK: return DROPEFFECT_LINK;
    default: return DROPEFFECT_NONE;
    }
}

DWORD DeleteIntoRecycleBin(const std::vector<std::string>& paths, bool confirm)
{
    if (!Accepted(fileops::CheckRequest(fileops::Function::Delete, paths, {}, Exists))) return DROPEFFECT_NONE;
    const std::string sourceFolder = FolderPartOf(paths.front());
    SHFILEOPSTRUCTA request = {};
    request.wFunc = static_cast<UINT>(fileops::Function::Delete);
    request.fFlags = static_cast<FILEOP_FLAGS>(fileops::DeleteFlags(confirm, true));
    const bool started = CFolderDelThread::Start(
        new CFolderDelThread(request, sourceFolder, fileops::PathList(paths), FolderWindowShowing(sourceFolder)));
    return started ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
}

}  // namespace

DWORD ChooseEffect(HWND owner, POINTL point, DWORD proposed, DWORD allowed)
{
    HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_DROP_MENU));
    if (!menu) return DROPEFFECT_NONE;
    HMENU popup = ::GetSubMenu(menu, 0);
    for (UINT command : {ID_DROP_MOVE, ID_DROP_COPY, ID_DROP_LINK}) {
        if (!(EffectOf(command) & allowed)) ::EnableMenuItem(popup, command, MF_BYCOMMAND | MF_GRAYED);
        if (EffectOf(command) == proposed) ::SetMenuDefaultItem(popup, command, FALSE);
    }
    ::SetForegroundWindow(owner);
    const UINT chosen = static_cast<UINT>(
        ::TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, point.x, point.y, 0, owner, nullptr));
    ::DestroyMenu(menu);
    return EffectOf(chosen) & allowed;
}

bool Accepted(const fileops::Check& check)
{
    UINT message = 0;
    switch (check.refusal) {
    case fileops::Refusal::None: return true;
    case fileops::Refusal::EmptyList:
        ui::ShowMessage(MainWindow(), IDS_NOTHING_TO_DO, MB_OK | MB_ICONSTOP);
        return false;
    case fileops::Refusal::SourceMissing: message = IDS_SOURCE_MISSING; break;
    case fileops::Refusal::TargetInsideSource: message = IDS_TARGET_INSIDE_SOURCE; break;
    case fileops::Refusal::WildcardName: message = IDS_WILDCARD_NAME; break;
    }
    ui::ShowMessage(MainWindow(), ui::LoadString(message) + check.path, MB_OK | MB_ICONSTOP);
    return false;
}

PasteSource ClipboardPaste(HWND owner)
{
    PasteSource source;
    ui::ComPtr<IDataObject> data;
    if (SUCCEEDED(::OleGetClipboard(data.Out()))) source.paths = filedrop::PathsOf(data.Get());
    const CutList& cut = CutList::Instance();
    if (!source.paths.empty()) {
        source.notifyWindow = FolderWindowShowing(FolderPartOf(source.paths.front()));
    } else if (!cut.Paths().empty() && cut.IsCurrent(ui::ClipboardText(owner))) {
        source.function = fileops::Function::Move;
        source.paths = cut.Paths();
        source.notifyWindow = reinterpret_cast<HWND>(cut.Owner());
        source.secondFolder = FolderPartOf(source.paths.front());
    }
    return source;
}

bool StartCopyOrMove(fileops::Function function, const std::vector<std::string>& paths, const std::string& target,
                     unsigned flags, HWND notifyWindow, const std::string& secondFolder, std::uint32_t cutTicket)
{
    if (!Accepted(fileops::CheckRequest(function, paths, target, Exists))) {
        CutList::Instance().MoveDone(cutTicket, false);
        return false;
    }
    SHFILEOPSTRUCTA request = {};
    request.wFunc = static_cast<UINT>(function);
    request.fFlags = static_cast<FILEOP_FLAGS>(flags);
    auto* worker = new CFolderOperThread(request, notifyWindow, secondFolder, fileops::PathList(paths),
                                         fileops::PathList({target}));
    worker->SetCutTicket(cutTicket);
    return CFolderOperThread::Start(worker);
}

void LinkFiles(const std::vector<std::string>& paths, const std::string& folder)
{
    HWND window = FolderWindowShowing(folder);
    if (window) ::SendMessageA(window, UWM_PAUSEWATCHERS, 0, 0);
    for (const std::string& path : paths)
        shell::SaveShortcut(path, nullptr, fileops::JoinPath(folder, FileNameOf(path) + kShortcutSuffix));
    if (!window) return;
    ::SendMessageA(window, UWM_RESUMEWATCHERS, 0, 0);
    // The window lists its folder again.
    ::PostMessageA(window, UWM_OPERDONE, 1, 0);
}

bool KeepExactPaths(std::vector<std::string>& paths)
{
    const std::vector<std::string> leftOut = TakePatternPaths(paths);
    if (leftOut.empty()) return true;
    TellLeftOut(leftOut);
    return !paths.empty();
}

void TellLeftOut(const std::vector<std::string>& leftOut)
{
    std::string text = ui::LoadString(IDS_PATTERN_PATHS_LEFT_OUT);
    for (std::size_t i = 0; i < leftOut.size(); ++i) text += (i ? "\n" : "") + leftOut[i];
    ui::ShowMessage(MainWindow(), text, MB_OK | MB_ICONSTOP);
}

DWORD Drop(const std::vector<std::string>& dropped, const Target& target, DWORD effect)
{
    std::vector<std::string> paths = dropped;
    if (paths.empty() || effect == DROPEFFECT_NONE || !KeepExactPaths(paths)) return DROPEFFECT_NONE;
    const bool confirm = CTrailmarkApp::Instance()->Settings().GetSetting(Setting::ConfirmOperations) != 0;
    if (target.recycleBin && !target.ontoRow) return DeleteIntoRecycleBin(paths, confirm);
    if (effect == DROPEFFECT_LINK) {
        LinkFiles(paths, target.folder);
        return effect;
    }
    const bool move = effect == DROPEFFECT_MOVE;
    if (confirm &&
        ui::ShowMessage(MainWindow(),
                        ui::LoadString(move ? IDS_CONFIRM_MOVE_TO : IDS_CONFIRM_COPY_TO) + target.folder + "?",
                        MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return DROPEFFECT_NONE;
    unsigned flags = 0;
    if (!fileops::AnyDroppedNew(paths, target.folder, target.ontoRow)) {
        if (ui::ShowMessage(MainWindow(), IDS_DROPPED_ALL_EXIST, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
            return DROPEFFECT_NONE;
        flags |= fileops::kRenameOnCollision;
    }
    const std::string sourceFolder = FolderPartOf(paths.front());
    const bool started =
        StartCopyOrMove(move ? fileops::Function::Move : fileops::Function::Copy, paths, target.folder, flags,
                        FolderWindowShowing(sourceFolder), move ? sourceFolder : std::string(), 0);
    return started ? effect : DROPEFFECT_NONE;
}

}  // namespace folderdrop
