#pragma once
// A criteria: a named, stored description of which files to find — where to
// look, which names, and optional size, date and attribute tests.

// Core
#include "core/app/BaseObj.h"
#include "core/folders/FileItem.h"
#include "core/search/AttributeCondition.h"
#include "core/search/DateCondition.h"
#include "core/search/SizeCondition.h"

// Platform
#include "platform/DirectoryLister.h"

// Standard library
#include <array>
#include <cstdint>
#include <string>

inline constexpr char kAndText[] = "And";

class CCondition : public CBaseObj {
public:
    CCondition();
    explicit CCondition(std::string name);
    CCondition(const CCondition&) = default;
    CCondition& operator=(const CCondition&) = default;  // the date part too

    void LoadFrom(CSettingsStore& store, const std::string& keyName, int sectionId) override;
    void SaveTo(CSettingsStore& store, const std::string& keyName, int sectionId) override;
    // The stored values inside an open record key (after the name).
    void LoadValues(const CRegistryKey& key);
    void SaveValues(CRegistryKey& key) const;
    // Name and values in a key that is not a record of a section (the
    // criteria sub-keys of a report).
    void LoadRecord(const CRegistryKey& key);
    void SaveRecord(CRegistryKey& key) const;

    // The name, two blanks and "And", as rule and report summaries show it.
    std::string Description() const;
    // Whether the folder is a network one (UNC path or remote drive).
    bool IsRemote(platform::DirectoryLister& lister) const;

    // The size test the selector picks; a selector outside 0..4 (damaged
    // record) gives a test that passes nothing.
    CSizeCondition SelectedSize() const;
    bool HasSizeTest() const { return SelectedSize().kind != SizeKind::None; }

    // A found entry, after its name matched: attributes, size (a folder fails
    // every size test but "none"), date.
    bool MatchesFound(const platform::FindEntry& entry, std::int64_t now) const;
    // An item already listed (files-view filter): name against the patterns
    // unless it is a folder and folders are always added, size (folders too),
    // attributes, date.
    bool MatchesListed(const FileItem& item, bool alwaysAddFolders, std::int64_t now) const;

    const std::string& Patterns() const { return m_patterns; }
    void SetPatterns(std::string patterns) { m_patterns = std::move(patterns); }
    const std::string& Folder() const { return m_folder; }
    void SetFolder(std::string folder) { m_folder = std::move(folder); }
    std::uint32_t SizeSelector() const { return m_sizeSelector; }
    void SetSizeSelector(std::uint32_t selector) { m_sizeSelector = selector; }
    CSizeCondition& Size(std::uint32_t kind) { return m_sizes[kind % SizeKind::Count]; }
    const CSizeCondition& Size(std::uint32_t kind) const { return m_sizes[kind % SizeKind::Count]; }
    CAttributeCondition& Attributes() { return m_attributes; }
    const CAttributeCondition& Attributes() const { return m_attributes; }
    CDateCondition& Date() { return m_date; }
    const CDateCondition& Date() const { return m_date; }
    bool IncludeSubfolders() const { return m_includeSubfolders != 0; }
    void SetIncludeSubfolders(bool include) { m_includeSubfolders = include ? 1 : 0; }
    bool SearchLocalDrives() const { return m_localDrives != 0; }
    void SetSearchLocalDrives(bool local) { m_localDrives = local ? 1 : 0; }

private:
    std::string m_patterns = "*.*";
    std::string m_folder;
    std::uint32_t m_sizeSelector = SizeKind::None;
    std::array<CSizeCondition, SizeKind::Count> m_sizes;
    CAttributeCondition m_attributes;
    CDateCondition m_date;
    std::uint8_t m_includeSubfolders = 1;
    std::uint8_t m_localDrives = 0;
};
