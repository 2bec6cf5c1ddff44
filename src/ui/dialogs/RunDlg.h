#pragma once
// The Run dialog: starts a program, folder, document or internet address by
// name, keeps the history of what was run (newest first), and can add the
// command to the tools of the Go menu.

// Framework
#include "ui/framework/Dialog.h"

class CObjectList;

class CRunDlg : public ui::Dialog {
public:
    CRunDlg(CObjectList& history, CObjectList& tools);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;

private:
    void EnableForCommand();
    void Browse();

    CObjectList& m_history;
    CObjectList& m_tools;
};
