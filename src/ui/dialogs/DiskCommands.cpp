#include "ui/dialogs/DiskCommands.h"

// Platform
#include "platform/DirectoryLister.h"

// Framework
#include "ui/framework/MessageBox.h"

// Folders
#include "ui/folders/Shell.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

// Windows
#include <shlobj.h>

namespace {

constexpr char kDiskCopy[] = " diskcopy.dll,DiskCopyRunDll";
constexpr UINT kDefaultFormatId = 0xFFFF;
constexpr int kLabelLimit = 11;

using SHFormatDriveProc = DWORD(WINAPI*)(HWND, UINT, UINT, UINT);

std::function<void(const std::string&)>& LabelEditor()
{
    static std::function<void(const std::string&)> editor;
    return editor;
}

std::optional<std::string> ChooseDrive(HWND owner, UINT titleId, UINT promptId, DriveKinds kinds)
{
    CChooseDriveDlg chooser(titleId, promptId, kinds);
    if (chooser.DoModal(owner) != IDOK || chooser.ChosenRoot().empty()) return std::nullopt;
    return chooser.ChosenRoot();
}

// Asks for a new volume label and applies it.
class CDriveLabelDlg : public ui::Dialog {
public:
    explicit CDriveLabelDlg(std::string root) : ui::Dialog(IDD_RENAME_FOLDER), m_root(std::move(root)) {}

protected:
    BOOL OnInitDialog() override
    {
        ::SetWindowTextA(Handle(), ui::LoadString(IDS_LABEL_DISK_TITLE).c_str());
        char label[MAX_PATH] = "";
        const UINT oldMode = ::SetErrorMode(SEM_FAILCRITICALERRORS);
        ::GetVolumeInformationA(m_root.c_str(), label, sizeof(label), nullptr, nullptr, nullptr, nullptr, 0);
        ::SetErrorMode(oldMode);
        ::SendMessageA(Item(IDC_NAME), EM_LIMITTEXT, kLabelLimit, 0);
        SetItemText(IDC_NAME, label);
        return TRUE;
    }
    void OnOK() override
    {
        const std::string label = ItemText(IDC_NAME);
        if (!::SetVolumeLabelA(m_root.c_str(), label.empty() ? nullptr : label.c_str())) {
            ui::ShowMessage(Handle(), ui::LoadString(IDS_LABEL_DISK_TITLE) + ": " + m_root, MB_OK | MB_ICONSTOP);
            return;
        }
        End(IDOK);
    }

private:
    std::string m_root;
};

std::string EraseFailureText(const EraseResult& result)
{
    std::string text = ui::LoadString(IDS_ERASE_SOME_LEFT);
    for (const std::string& path : result.failures) text += path + "\n";
    const int more = result.failureCount - static_cast<int>(result.failures.size());
    if (more > 0) text += ui::LoadString(IDS_ERASE_MORE_LEFT) + std::to_string(more);
    return text;
}

}  // namespace

CChooseDriveDlg::CChooseDriveDlg(UINT titleId, UINT promptId, DriveKinds kinds)
    : ui::Dialog(IDD_CHOOSE_DRIVE), m_titleId(titleId), m_promptId(promptId), m_kinds(kinds)
{
}

BOOL CChooseDriveDlg::OnInitDialog()
{
    ::SetWindowTextA(Handle(), ui::LoadString(m_titleId).c_str());
    SetItemText(IDC_DRIVE_PROMPT, ui::LoadString(m_promptId));
    m_roots = DriveRoots(platform::SystemDirectoryLister(), m_kinds);
    HWND list = Item(IDC_DRIVE_LIST);
    for (const std::string& root : m_roots)
        ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(root.c_str()));
    if (!m_roots.empty()) ::SendMessageA(list, LB_SETCURSEL, 0, 0);
    ::EnableWindow(Item(IDOK), !m_roots.empty());
    return TRUE;
}

bool CChooseDriveDlg::OnCommand(int id, int code)
{
    if (id == IDC_DRIVE_LIST && code == LBN_DBLCLK) {
        OnOK();
        return true;
    }
    return ui::Dialog::OnCommand(id, code);
}

void CChooseDriveDlg::OnOK()
{
    const LRESULT index = ::SendMessageA(Item(IDC_DRIVE_LIST), LB_GETCURSEL, 0, 0);
    if (index < 0 || index >= static_cast<LRESULT>(m_roots.size())) return;
    m_chosen = m_roots[static_cast<std::size_t>(index)];
    End(IDOK);
}

void EraseDisketteCommand(HWND owner)
{
    platform::DirectoryLister& lister = platform::SystemDirectoryLister();
    std::optional<std::string> drive = SoleRemovableDrive(lister);
    if (!drive) drive = ChooseDrive(owner, IDS_ERASE_DISK_TITLE, IDS_ERASE_DISK_PROMPT, DriveKinds::RemovableOnly);
    if (!drive || !IsErasableRoot(*drive, lister) || !shell::DriveReady(*drive)) return;
    if (ui::ShowMessage(owner, ui::LoadString(IDS_CONFIRM_ERASE_DISK) + *drive + "?", MB_YESNO | MB_ICONEXCLAMATION) !=
        IDYES)
        return;
    // EraseDrive checks the type and the root once more right before it deletes.
    if (!shell::DriveReady(*drive)) return;
    const EraseResult result = EraseDrive(*drive, lister);
    if (result.refused) return;
    if (result.failureCount > 0)
        ui::ShowMessage(owner, EraseFailureText(result), MB_OK | MB_ICONEXCLAMATION);
    else
        ui::ShowMessage(owner, IDS_DISKETTE_ERASED, MB_OK | MB_ICONINFORMATION);
}

void LabelDiskCommand(HWND owner)
{
    const std::optional<std::string> drive =
        ChooseDrive(owner, IDS_LABEL_DISK_TITLE, IDS_LABEL_DISK_PROMPT, DriveKinds::RemovableAndFixed);
    if (!drive) return;
    if (LabelEditor()) {
        LabelEditor()(*drive);
        return;
    }
    CDriveLabelDlg label(*drive);
    label.DoModal(owner);
}

void FormatDiskCommand(HWND owner)
{
    const std::optional<std::string> drive =
        ChooseDrive(owner, IDS_FORMAT_DISK_TITLE, IDS_FORMAT_DISK_PROMPT, DriveKinds::RemovableAndFixed);
    if (!drive) return;
    HMODULE shell32 = ::GetModuleHandleA("shell32.dll");
    auto format = shell32 ? reinterpret_cast<SHFormatDriveProc>(reinterpret_cast<void*>(::GetProcAddress(shell32, "SHFormatDrive"))) : nullptr;
    if (format) format(nullptr, static_cast<UINT>((*drive)[0] - 'A'), kDefaultFormatId, 0);
}

void CopyDiskCommand()
{
    CTrailmarkApp::RunRundll32(kDiskCopy);
}

void SetDriveLabelEditor(std::function<void(const std::string& root)> editor)
{
    LabelEditor() = std::move(editor);
}
