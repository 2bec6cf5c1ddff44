#pragma once
// The dialogs that add or edit one tool or one favorite. Given no object, they
// make a new one, which joins the list on OK.

// Framework
#include "ui/framework/Dialog.h"

class CObjectList;
class CTool;
class CFavorite;

class CAddToolDlg : public ui::Dialog {
public:
    // `tool` null: a new tool. `saveList`: the list is saved after OK.
    CAddToolDlg(CObjectList& tools, CTool* tool, bool saveList);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;

private:
    void BrowseCommand();
    void BrowseDirectory();

    CObjectList& m_tools;
    CTool* m_tool;
    bool m_saveList;
};

class CAddFavoriteDlg : public ui::Dialog {
public:
    CAddFavoriteDlg(CObjectList& favorites, CFavorite* favorite, bool saveList);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;

private:
    void Browse();
    // OK only while the shell can parse the path.
    void EnableOK();
    void FillEmptyName();

    CObjectList& m_favorites;
    CFavorite* m_favorite;
    bool m_saveList;
};
