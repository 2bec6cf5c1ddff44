#pragma once
// The find types list: the recent pattern texts of Quick Find and the File
// Types pages, newest first, stored in the "Find Types" section.

// Core
#include "core/app/ObjectList.h"

// Standard library
#include <string>
#include <vector>

// One entry: its text is its name.
class CFindType : public CBaseObj {
public:
    CFindType() = default;
    explicit CFindType(std::string text) : CBaseObj(std::move(text), true) {}
    void LoadFrom(CSettingsStore& store, const std::string& keyName, int sectionId) override;
    void SaveTo(CSettingsStore& store, const std::string& keyName, int sectionId) override;
};

class CFindTypeList : public CObjectList {
public:
    static constexpr int kMaxEntries = 25;

    // Does not load; the application calls LoadAll when it creates the list.
    explicit CFindTypeList(CSettingsStore& store);

    void LoadAll() override;
    // Puts `text` first: an entry equal to it without regard to case goes
    // first, and entries past the 25th are dropped.
    void AddToFront(const std::string& text);
    std::vector<std::string> Texts() const;
};
