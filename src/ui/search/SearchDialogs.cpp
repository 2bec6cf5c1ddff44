#include "ui/search/SearchDialogs.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"

// Framework
#include "ui/framework/Dialog.h"

// Application
#include "ui/app/TrailmarkApp.h"

// Resources
#include "res/resource.h"

namespace {

class CTextEntryDlg : public ui::Dialog {
public:
    CTextEntryDlg(std::string caption, std::string text)
        : ui::Dialog(IDD_ENTER_TEXT), m_caption(std::move(caption)), m_text(std::move(text))
    {
    }
    const std::string& Text() const { return m_text; }

protected:
    BOOL OnInitDialog() override
    {
        ::SetWindowTextA(Handle(), m_caption.c_str());
        SetItemText(IDC_ENTER_TEXT, m_text);
        ::SendMessageA(Item(IDC_ENTER_TEXT), EM_LIMITTEXT, MAX_PATH, 0);
        ::SendMessageA(Item(IDC_ENTER_TEXT), EM_SETSEL, 0, -1);
        ::SetFocus(Item(IDC_ENTER_TEXT));
        return FALSE;
    }
    void OnOK() override
    {
        m_text = ItemText(IDC_ENTER_TEXT);
        End(IDOK);
    }

private:
    std::string m_caption;
    std::string m_text;
};

// The buttons in the order of the setting's values.
constexpr int kPlaceButtons[] = {IDC_QUICK_FIND_DRIVE_C, IDC_QUICK_FIND_LOCAL_DRIVES, IDC_QUICK_FIND_CURRENT_FOLDER};
constexpr int kPlaceCount = 3;

class CQuickFindSettingsDlg : public ui::Dialog {
public:
    explicit CQuickFindSettingsDlg(int place) : ui::Dialog(IDD_QUICK_FIND_SETTINGS), m_place(place) {}
    int Place() const { return m_place; }

protected:
    BOOL OnInitDialog() override
    {
        // Values Quick Find does not know search "C:\": they show as that.
        const int shown = m_place >= 0 && m_place < kPlaceCount ? m_place : 0;
        ::CheckRadioButton(Handle(), kPlaceButtons[0], kPlaceButtons[kPlaceCount - 1], kPlaceButtons[shown]);
        return TRUE;
    }
    void OnOK() override
    {
        for (int place = 0; place < kPlaceCount; ++place)
            if (::IsDlgButtonChecked(Handle(), kPlaceButtons[place]) == BST_CHECKED) m_place = place;
        End(IDOK);
    }

private:
    int m_place;
};

}  // namespace

bool AskText(HWND owner, const std::string& caption, std::string& text)
{
    CTextEntryDlg dialog(caption, text);
    if (dialog.DoModal(owner) != IDOK) return false;
    text = dialog.Text();
    return true;
}

bool EditQuickFindSettings(HWND owner)
{
    CSettingsStore& settings = CTrailmarkApp::Instance()->Settings();
    CQuickFindSettingsDlg dialog(settings.GetSetting(Setting::QuickFindPlace));
    if (dialog.DoModal(owner) != IDOK) return false;
    settings.SetSetting(Setting::QuickFindPlace, dialog.Place());
    return true;
}
