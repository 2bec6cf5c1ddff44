#pragma once
// Asks whether folders open one at a time (Explorer mode) or in windows of
// their own.

// Framework
#include "ui/framework/Dialog.h"

class CChooseViewModeDlg : public ui::Dialog {
public:
    explicit CChooseViewModeDlg(bool explorerMode);
    bool ExplorerMode() const { return m_explorerMode; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    bool m_explorerMode;
};
