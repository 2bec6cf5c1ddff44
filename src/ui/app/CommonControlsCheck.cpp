#include "ui/app/CommonControlsCheck.h"

// Framework
#include "ui/framework/MessageBox.h"

// Resources
#include "res/resource.h"

// Windows
#include <shellapi.h>

namespace {
constexpr char kUpdateProgram[] = "401comupd.exe";
}

bool CheckCommonControls(HMODULE comctl, const std::string& programDirectory)
{
    // Only libraries of version 4.71 and later export DllInstall.
    if (!comctl || ::GetProcAddress(comctl, "DllInstall")) return true;

    if (ui::ShowMessage(nullptr, IDS_COMCTL_TOO_OLD, MB_YESNO | MB_ICONEXCLAMATION) == IDYES) {
        const std::string update = programDirectory + "\\" + kUpdateProgram;
        if (::GetFileAttributesA(update.c_str()) != INVALID_FILE_ATTRIBUTES)
            ::ShellExecuteA(nullptr, "open", update.c_str(), nullptr, nullptr, SW_SHOWDEFAULT);
        else
            ui::ShowMessage(nullptr, IDS_COMCTL_UPDATER_MISSING, MB_OK | MB_ICONSTOP);
        return false;
    }
    return ui::ShowMessage(nullptr, IDS_TRY_RUNNING_ANYWAY, MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}
