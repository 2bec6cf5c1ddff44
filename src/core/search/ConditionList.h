#pragma once
// The application-wide list of criteria, loaded and saved by its own calls,
// and the five starter criteria of a fresh profile.

// Core
#include "core/app/ObjectList.h"
#include "core/search/Condition.h"

class CConditionList : public CObjectList {
public:
    // Does not load; the application calls LoadAll when it creates the list.
    explicit CConditionList(CSettingsStore& store);

    void LoadAll() override;

    // Fills the list with the starter criteria and saves it (a profile's first
    // start).
    void CreateStarterCriteria();

    CCondition* ConditionAt(int index) const;
};

// Starter criteria texts.
inline constexpr char kStarterBigFiles[] = "Big Files";
inline constexpr char kStarterTextFiles[] = "Text Files";
inline constexpr char kStarterBitmaps[] = "Bitmaps";
inline constexpr char kStarterExecutables[] = "Executables";
inline constexpr char kStarterZeroSized[] = "Zero Sized Files";
