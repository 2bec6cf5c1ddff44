#pragma once
// CWindowList: the one list of open document windows. It opens windows for
// paths (finding one that shows the path already, keeping to the limit,
// navigating in place in Explorer mode), finds them and brings them forward.
// It does not own the windows: each adds itself when created and leaves when
// destroyed.

// Core
#include "core/app/WindowState.h"

// Standard library
#include <cstdint>
#include <string>
#include <vector>

// Windows
#include <windows.h>

class CBasicWindow;
class CSettingsStore;

// "Attempt to open folder '<path>' failed! ..." with the stop icon.
void ShowOpenFolderFailed(HWND owner, const std::string& path);

class CWindowList {
public:
    static CWindowList& Instance();

    // The window for the path, existing or new; null when nothing was opened.
    // extra: the item identifier list of a folder (kind 0), the personal folder
    // (kind 1), else null.
    CBasicWindow* OpenWindow(const std::string& path, WindowKind kind, const void* extra, std::uint8_t flag);
    // The open window of the kind whose path is the path (case ignored).
    CBasicWindow* FindOpenWindow(const std::string& path, WindowKind kind) const;
    // The last OpenWindow opened nothing because the user answered No to
    // "Too many windows": nothing failed, so nothing more is to be said.
    bool LastOpenDeclined() const { return m_openDeclined; }
    // Brings the window forward and makes it the active one.
    void ActivateWindow(CBasicWindow* window);
    // Carries the command out in every window, by the window's view or the
    // window itself; it never goes on to the frame or the application.
    void CommandEveryWindow(UINT id);
    // Carries the command out in every window whose own check mark for it
    // differs from `checked` (a toggle such as the address bar).
    void SetEveryWindowChecked(UINT id, bool checked);
    // Sends the message to every window.
    void TellEveryWindow(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    void Add(CBasicWindow* window);
    void Remove(CBasicWindow* window);
    const std::vector<CBasicWindow*>& Windows() const { return m_windows; }
    CBasicWindow* FromHandle(HWND hwnd) const;
    CBasicWindow* Active() const;
    bool HasRoom() const;
    // Tiles or cascades the windows after a change, as setting 67 says.
    void Arrange();

    // Closes the window of the path and kind; gives its answer to CanCloseNow
    // (true when there was none).
    bool CloseWindowByPath(const std::string& path, WindowKind kind);
    // The window after `window`, or `window` itself when it is the last.
    CBasicWindow* NextWindow(CBasicWindow* window) const;
    bool AllMinimized() const;
    bool AnyMinimized() const;
    // Maximize mode maximizes every window; other modes show them normally.
    void ApplyMaximizeMode();
    // Asks each window to close; false at the first that cannot close at once.
    bool CloseAll();
    // Carries out a change of setting 13; false when it could not (the caller
    // puts the setting back).
    bool SwitchMode();

    // The open windows in the "Desktop" section, and back.
    void SaveOpenWindows(CSettingsStore& store);
    void LoadSavedWindows(const CSettingsStore& store);
    // Opens the saved windows, then the start-up folder when setting 1 asks.
    void RestoreWindows();
    const std::vector<WindowState>& SavedWindows() const { return m_saved; }

private:
    CBasicWindow* MakeWindow(const WindowState& state, const void* extra);
    bool ConfirmRoom();

    bool EnterExplorerMode(bool starting);
    bool LeaveExplorerMode(bool starting);
    // Opens setting 204's folder when setting 1 asks (clearing 1 when it fails),
    // else or then "C:\". Gives the window opened.
    CBasicWindow* OpenStartFolder(bool fallBackToRoot);

    std::vector<CBasicWindow*> m_windows;
    std::vector<WindowState> m_saved;
    bool m_openDeclined = false;
};
