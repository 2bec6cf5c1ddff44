#pragma once
// The base of every page of an object sheet. The page that was active last
// tells the sheet to run its OK or Cancel processing, once, after the page's
// own checks.

// Framework
#include "ui/framework/PropertySheet.h"

class CBasePropPage : public ui::PropertyPage {
public:
    explicit CBasePropPage(UINT templateId) : ui::PropertyPage(templateId) {}

protected:
    // The page's own steps; OnPageOK gives false to keep the sheet open.
    virtual void OnPageActive() {}
    virtual bool OnPageOK() { return true; }
    virtual void OnPageCancel() {}

private:
    void OnSetActive() final;
    bool OnApply() final;
    void OnReset() final;
    bool IsActivePage() const;
};
