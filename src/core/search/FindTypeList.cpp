#include "core/search/FindTypeList.h"

// Core
#include "core/app/Settings.h"

void CFindType::LoadFrom(CSettingsStore& store, const std::string& keyName, int sectionId)
{
    if (std::unique_ptr<CRegistryKey> key = OpenRecordKey(store, keyName, sectionId))
        LoadName(*key);
}

void CFindType::SaveTo(CSettingsStore& store, const std::string& keyName, int sectionId)
{
    if (std::unique_ptr<CRegistryKey> key = OpenRecordKey(store, keyName, sectionId))
        SaveName(*key);
}

CFindTypeList::CFindTypeList(CSettingsStore& store)
    : CObjectList(store, nullptr, SectionId::FindTypes, kNoCapacity)
{
}

void CFindTypeList::LoadAll()
{
    DeleteAll();
    LoadEntries([] { return std::make_unique<CFindType>(); });
}

void CFindTypeList::AddToFront(const std::string& text)
{
    auto& objects = Objects();
    for (auto it = objects.begin(); it != objects.end(); ++it)
        if (SameNameNoCase((*it)->Name(), text)) {
            objects.erase(it);
            break;
        }
    objects.insert(objects.begin(), std::make_unique<CFindType>(text));
    if (objects.size() > static_cast<std::size_t>(kMaxEntries)) objects.resize(kMaxEntries);
}

std::vector<std::string> CFindTypeList::Texts() const
{
    std::vector<std::string> texts;
    for (int i = 0; i < Count(); ++i) texts.push_back(At(i)->Name());
    return texts;
}
