#pragma once
// The Open Folder dialog: a folder chosen from the desktop tree (and, when
// the request allows, from the personal folders). It opens folders for the
// Open Folder command and is the folder chooser of copy and move.

// Framework
#include "ui/framework/Dialog.h"

// Explorer
#include "ui/explorer/DesktopTree.h"
#include "ui/explorer/ExplorerPage.h"

// Standard library
#include <string>

// Windows
#include <windows.h>

struct OpenFolderRequest {
    std::string title;
    bool personalAllowed = false;
    // The folder the tree shows selected at first; none when empty.
    std::string initialFolder;
    // The chosen folder's file-system path, when the dialog ends with OK.
    std::string path;
};

// The Desktop tab: the desktop tree in dialog mode.
class COpenDesktopPage : public CExplorerPage {
public:
    explicit COpenDesktopPage(OpenFolderRequest& request)
        : CExplorerPage(m_desktopTree, true), m_request(request) {}
    CDesktopTree& DesktopTree() { return m_desktopTree; }

protected:
    bool CreateTree() override;
    void OnOpenItem(HTREEITEM item) override;
    void OnTreeSelected(HTREEITEM item) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CDesktopTree m_desktopTree;
    OpenFolderRequest& m_request;
};

class COpenFolderDlg : public ui::Dialog {
public:
    explicit COpenFolderDlg(OpenFolderRequest& request);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void AddTab(UINT captionId);
    void ShowCurrentPage();

    OpenFolderRequest& m_request;
    COpenDesktopPage m_desktopPage;
};

// Runs the dialog titled `title`; the chosen folder, or "" when the user
// cancelled or chose a place that is no file-system folder.
std::string ChooseFolder(HWND owner, const std::string& title, const std::string& initialFolder = "");
