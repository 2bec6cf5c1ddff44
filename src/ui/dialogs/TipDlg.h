#pragma once
// The tip window: one short text at a time from the tip file beside the
// program, on a yellow panel under a "Did you know..." heading.

// Core
#include "core/dialogs/TipNavigator.h"

// Framework
#include "ui/framework/Dialog.h"
#include "ui/framework/GdiObject.h"

// Standard library
#include <string>

class CSettingsStore;

// The tip file's name beside the program.
inline constexpr char kTipFileName[] = "Trailmark.tip";

class CTipDlg : public ui::Dialog {
public:
    CTipDlg(CSettingsStore& settings, const std::string& programDirectory);

    int TipNumber() const { return m_tips.Number(); }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;
    void OnCancel() override;
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool TipFileExists() const;
    void ShowNext();
    void ShowPrevious();
    // After a move: the text shown, Previous enabled unless on the first tip.
    void ShowCurrent();
    void ShowMissingFile();
    void FocusClose();

    CSettingsStore& m_settings;
    std::string m_tipFile;
    std::string m_programDirectory;
    bool m_showAtStartup;
    std::string m_heading;
    ui::GdiObject<HBRUSH> m_background;
    ui::GdiObject<HFONT> m_headingFont;
    TipNavigator m_tips;
};
