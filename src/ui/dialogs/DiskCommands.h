#pragma once
// The disk utilities: erase a diskette, label a disk, format a disk, copy a
// diskette, and the drive chooser that the first three ask with.

// Core
#include "core/dialogs/DiskErase.h"

// Framework
#include "ui/framework/Dialog.h"

// Standard library
#include <functional>
#include <string>
#include <vector>

class CChooseDriveDlg : public ui::Dialog {
public:
    CChooseDriveDlg(UINT titleId, UINT promptId, DriveKinds kinds);

    const std::string& ChosenRoot() const { return m_chosen; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;

private:
    UINT m_titleId;
    UINT m_promptId;
    DriveKinds m_kinds;
    std::vector<std::string> m_roots;
    std::string m_chosen;
};

void EraseDisketteCommand(HWND owner);
void LabelDiskCommand(HWND owner);
void FormatDiskCommand(HWND owner);
void CopyDiskCommand();

// The folder tree edits a drive's label in place once it offers to; until
// then the label is asked for in a small dialog.
void SetDriveLabelEditor(std::function<void(const std::string& root)> editor);
