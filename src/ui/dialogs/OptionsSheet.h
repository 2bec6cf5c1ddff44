#pragma once
// The options sheet: five pages (General, View, Folder, System, Performance),
// each check box and number tied to its numbered setting. What a page changes
// takes effect on OK: the window mode, the frame's background, the folder
// windows' colours, titles and lists, the explorer bar's pages and tabs.

// Framework
#include "ui/framework/PropertySheet.h"

// Standard library
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

class CSettingsStore;

enum class OptionsPage { GeneralPage, ViewPage, FolderPage, SystemPage, PerformancePage };

// Runs the sheet over the main window, starting on the given page.
void ShowOptions(OptionsPage start);

// The explorer bar hears which of its settings (19, 20, 30) changed, once it
// listens; until then the changes take effect when the bar is next built.
void SetExplorerBarOptionsListener(std::function<void(const std::set<int>& changed)> listener);

class COptionsPage : public ui::PropertyPage {
public:
    struct Check {
        int control;
        int setting;
    };
    struct Number {
        int edit;
        int spin;
        int setting;
        int low;
        int high;
        int (*clamp)(int);  // how a stored or typed value is brought into range
    };

    COptionsPage(UINT templateId, CSettingsStore& settings, std::vector<Check> checks, std::vector<Number> numbers);

    // The settings this page changed at its last OK.
    const std::set<int>& Changed() const { return m_changed; }

protected:
    BOOL OnInitDialog() override;
    bool OnApply() final;
    // The page's own controls beyond the check boxes and numbers.
    virtual void LoadExtra() {}
    virtual void StoreExtra() {}
    virtual void AfterStore() {}
    // Stores a value, noting whether it changed.
    void Store(int setting, int value);
    CSettingsStore& Settings() const { return m_settings; }
    bool Checked(int control) const;
    void SetChecked(int control, bool on);

private:
    CSettingsStore& m_settings;
    std::vector<Check> m_checks;
    std::vector<Number> m_numbers;
    std::set<int> m_changed;
};

class COptionsSheet : public ui::PropertySheet {
public:
    explicit COptionsSheet(CSettingsStore& settings);
    ~COptionsSheet() override;

    COptionsPage& Page(OptionsPage page) const { return *m_pages[static_cast<std::size_t>(page)]; }

private:
    std::vector<std::unique_ptr<COptionsPage>> m_pages;
};
