#pragma once
// The Open Folder dialog: a folder chosen from the desktop tree (and, when
// the request allows, from the personal folders). It opens folders for the
// Open Folder command and is the folder chooser of copy and move.

// Framework
#include "ui/framework/Dialog.h"
#include "ui/framework/GdiObject.h"

// Explorer
#include "ui/explorer/DesktopTree.h"
#include "ui/explorer/ExplorerPage.h"

// Standard library
#include <string>
#include <vector>

// Windows
#include <windows.h>

struct OpenFolderRequest {
    std::string title;
    bool personalAllowed = false;
    // The folder the tree shows selected at first; none when empty.
    std::string initialFolder;
    // The chosen folder's file-system path, when the dialog ends with OK.
    std::string path;
    // Or the name of the chosen personal folder; one of the two is empty.
    std::string personalFolder;
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

private:
    CDesktopTree m_desktopTree;
    OpenFolderRequest& m_request;
    ui::GdiObject<HFONT> m_font;  // the bar's tree font, for as long as the tree
};

// The Personal tab: the personal folders below a root "Personal".
class COpenPersonalPage : public CExplorerPage {
public:
    explicit COpenPersonalPage(OpenFolderRequest& request)
        : CExplorerPage(m_personalTree, true), m_request(request) {}

protected:
    bool CreateTree() override;
    void OnOpenItem(HTREEITEM item) override;
    void OnTreeSelected(HTREEITEM item) override;

private:
    // The name of the personal folder the item shows; empty for the root.
    std::string FolderName(HTREEITEM item) const;

    CExplorerTree m_personalTree;
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
    bool AddPage(CExplorerPage& page, const RECT& area);
    void ShowCurrentPage();

    OpenFolderRequest& m_request;
    COpenDesktopPage m_desktopPage;
    COpenPersonalPage m_personalPage;
    // The pages in the order of their tabs.
    std::vector<CExplorerPage*> m_pages;
};

// Runs the dialog titled `title`; the chosen folder, or "" when the user
// cancelled or chose a place that is no file-system folder.
std::string ChooseFolder(HWND owner, const std::string& title, const std::string& initialFolder = "");

// The target of a copy or a move: a folder, or a personal folder the items
// are added to instead. Both empty when the user cancelled.
struct FolderChoice {
    std::string path;
    std::string personalFolder;
};
// The dialog with the Personal tab as well.
FolderChoice ChooseTargetFolder(HWND owner, const std::string& title, const std::string& initialFolder = "");
// When the choice is a personal folder, the paths are added to it (with its
// question, filter and messages) and true is given, whether or not anything
// was added; false for a choice of a file-system folder.
bool AddToChosenPersonal(const FolderChoice& choice, const std::vector<std::string>& paths, HWND owner);
