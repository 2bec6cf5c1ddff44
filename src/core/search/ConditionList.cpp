#include "core/search/ConditionList.h"

// Core
#include "core/app/Settings.h"

namespace {

constexpr char kStarterFolder[] = "C:\\";
constexpr std::uint32_t kBigFilesMegabytes = 2;

struct StarterCriteria {
    const char* name;
    const char* patterns;
    std::uint32_t sizeKind;
    std::uint32_t sizeUnit;
    std::uint32_t sizeLow;
};

constexpr StarterCriteria kStarters[] = {
    {kStarterBigFiles, "*.*", SizeKind::Greater, SizeUnit::Megabytes, kBigFilesMegabytes},
    {kStarterTextFiles, "*.txt,*.doc,*.wri", SizeKind::None, SizeUnit::Kilobytes, 0},
    {kStarterBitmaps, "*.bmp", SizeKind::None, SizeUnit::Kilobytes, 0},
    {kStarterExecutables, "*.exe,*.com,*.bat", SizeKind::None, SizeUnit::Kilobytes, 0},
    {kStarterZeroSized, "*.*", SizeKind::Equal, SizeUnit::Kilobytes, 0},
};

}  // namespace

CConditionList::CConditionList(CSettingsStore& store)
    : CObjectList(store, nullptr, SectionId::Criteria, kNoCapacity)
{
}

void CConditionList::LoadAll()
{
    DeleteAll();
    LoadEntries([] { return std::make_unique<CCondition>(); });
}

void CConditionList::CreateStarterCriteria()
{
    for (const StarterCriteria& starter : kStarters) {
        auto criteria = std::make_unique<CCondition>(starter.name);
        criteria->SetPatterns(starter.patterns);
        criteria->SetFolder(kStarterFolder);
        criteria->SetIncludeSubfolders(true);
        criteria->SetSizeSelector(starter.sizeKind);
        if (starter.sizeKind != SizeKind::None) {
            CSizeCondition& size = criteria->Size(starter.sizeKind);
            size.unit = starter.sizeUnit;
            size.low = starter.sizeLow;
        }
        Add(std::move(criteria));
    }
    SaveAll();
}

CCondition* CConditionList::ConditionAt(int index) const
{
    return static_cast<CCondition*>(At(index));
}
