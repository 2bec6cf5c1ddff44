#include "core/search/Condition.h"

// Core
#include "core/folders/FileDetails.h"
#include "core/search/PatternMatch.h"

namespace {

constexpr char kPatternsValue[] = "Files To Search For";
constexpr char kFolderValue[] = "Directories";
constexpr char kSizeSelectorValue[] = "Current Size Condition";
constexpr char kSubfoldersValue[] = "Include Sub Directories";
constexpr char kLocalDrivesValue[] = "Search Local Drives";
constexpr char kReadOnlyValue[] = "Read Only";
constexpr char kArchiveValue[] = "Archive";
constexpr char kHiddenValue[] = "Hidden";
constexpr char kSystemValue[] = "System";
constexpr char kDirValue[] = "Dir";
constexpr char kAllFilesValue[] = "Attribute Condition All Files";
constexpr int kWordWidth = 4;
constexpr int kByteWidth = 1;
constexpr char kUncMark[] = "\\\\";
constexpr std::size_t kDriveRootLength = 3;  // "C:\"

// The values each size test writes: its unit, then its bounds.
struct SizeValueNames {
    const char* unit;
    const char* low;   // null when the test has no low bound
    const char* high;  // null when the test has no high bound
};

SizeValueNames SizeValues(std::uint32_t kind)
{
    switch (kind) {
    case SizeKind::Equal: return {"Equal Than Size Type", "Equal To", nullptr};
    case SizeKind::Greater: return {"Greater Than Size Type", "Greater Than", nullptr};
    case SizeKind::Smaller: return {"Smaller Than Size Type", nullptr, "Smaller Than"};
    default: return {"Between Than Size Type", "Between Low", "Between High"};
    }
}

void ReadFlag(const CRegistryKey& key, const char* name, std::uint8_t& flag)
{
    std::uint8_t value = flag;
    if (key.ReadByte(name, value)) flag = value;
}

}  // namespace

CCondition::CCondition()
{
    for (std::uint32_t kind = 0; kind < SizeKind::Count; ++kind) m_sizes[kind].kind = kind;
}

CCondition::CCondition(std::string name) : CCondition() { SetName(std::move(name)); }

void CCondition::LoadFrom(CSettingsStore& store, const std::string& keyName, int sectionId)
{
    if (std::unique_ptr<CRegistryKey> key = OpenRecordKey(store, keyName, sectionId)) LoadRecord(*key);
}

void CCondition::LoadRecord(const CRegistryKey& key)
{
    LoadName(key);
    LoadValues(key);
}

void CCondition::SaveRecord(CRegistryKey& key) const
{
    SaveName(key);
    SaveValues(key);
}

void CCondition::SaveTo(CSettingsStore& store, const std::string& keyName, int sectionId)
{
    if (std::unique_ptr<CRegistryKey> key = OpenRecordKey(store, keyName, sectionId)) SaveRecord(*key);
}

void CCondition::LoadValues(const CRegistryKey& key)
{
    m_patterns = key.ReadText(kPatternsValue, m_patterns);
    m_folder = key.ReadText(kFolderValue, m_folder);
    key.ReadNumber(kSizeSelectorValue, m_sizeSelector, kWordWidth);
    ReadFlag(key, kSubfoldersValue, m_includeSubfolders);
    ReadFlag(key, kLocalDrivesValue, m_localDrives);
    for (std::uint32_t kind = SizeKind::Equal; kind < SizeKind::Count; ++kind) {
        const SizeValueNames names = SizeValues(kind);
        CSizeCondition& size = m_sizes[kind];
        key.ReadNumber(names.unit, size.unit, kWordWidth);
        if (names.low) key.ReadNumber(names.low, size.low, kWordWidth);
        if (names.high) key.ReadNumber(names.high, size.high, kWordWidth);
    }
    ReadFlag(key, kReadOnlyValue, m_attributes.readOnly);
    ReadFlag(key, kArchiveValue, m_attributes.archive);
    ReadFlag(key, kHiddenValue, m_attributes.hidden);
    ReadFlag(key, kSystemValue, m_attributes.system);
    ReadFlag(key, kDirValue, m_attributes.directory);
    ReadFlag(key, kAllFilesValue, m_attributes.allFiles);
    m_attributes.RecomputeMask();
}

void CCondition::SaveValues(CRegistryKey& key) const
{
    key.WriteText(kPatternsValue, m_patterns);
    key.WriteText(kFolderValue, m_folder);
    key.WriteNumber(kSizeSelectorValue, m_sizeSelector, kWordWidth);
    key.WriteNumber(kSubfoldersValue, m_includeSubfolders, kByteWidth);
    key.WriteNumber(kLocalDrivesValue, m_localDrives, kByteWidth);
    for (std::uint32_t kind = SizeKind::Equal; kind < SizeKind::Count; ++kind) {
        const SizeValueNames names = SizeValues(kind);
        const CSizeCondition& size = m_sizes[kind];
        key.WriteNumber(names.unit, size.unit, kWordWidth);
        if (names.low) key.WriteNumber(names.low, size.low, kWordWidth);
        if (names.high) key.WriteNumber(names.high, size.high, kWordWidth);
    }
    key.WriteNumber(kReadOnlyValue, m_attributes.readOnly, kByteWidth);
    key.WriteNumber(kArchiveValue, m_attributes.archive, kByteWidth);
    key.WriteNumber(kHiddenValue, m_attributes.hidden, kByteWidth);
    key.WriteNumber(kSystemValue, m_attributes.system, kByteWidth);
    key.WriteNumber(kDirValue, m_attributes.directory, kByteWidth);
    key.WriteNumber(kAllFilesValue, m_attributes.allFiles, kByteWidth);
}

std::string CCondition::Description() const { return Name() + "  " + kAndText; }

bool CCondition::IsRemote(platform::DirectoryLister& lister) const
{
    if (m_localDrives) return false;
    if (m_folder.find(kUncMark) != std::string::npos) return true;
    if (m_folder.size() < 2 || m_folder[1] != ':') return false;
    const std::string root = m_folder.substr(0, 2) + "\\";
    return root.size() == kDriveRootLength &&
           lister.QueryDriveType(root) == platform::DriveType::Remote;
}

CSizeCondition CCondition::SelectedSize() const
{
    if (m_sizeSelector < SizeKind::Count) return m_sizes[m_sizeSelector];
    return CSizeCondition(m_sizeSelector);
}

bool CCondition::MatchesFound(const platform::FindEntry& entry, std::int64_t now) const
{
    if (!m_attributes.MatchesAttributes(entry.attributes)) return false;
    const CSizeCondition size = SelectedSize();
    if (size.kind != SizeKind::None) {
        if (entry.attributes & platform::kAttrDirectory) return false;
        if (!size.Matches(entry.size)) return false;
    }
    return m_date.Matches(entry.modified, entry.created, entry.accessed, now);
}

bool CCondition::MatchesListed(const FileItem& item, bool alwaysAddFolders,
                               std::int64_t now) const
{
    if (!(alwaysAddFolders && item.isDirectory)) {
        // Patterns such as "*.txt" test the file's own name, not a shown name without its extension.
        const std::string fileName = FileNameOfItem(item);
        bool named = false;
        for (const std::string& pattern : SplitPatterns(m_patterns))
            if (MatchFileName(fileName, pattern)) {
                named = true;
                break;
            }
        if (!named) return false;
    }
    if (!SelectedSize().Matches(item.sizeBytes)) return false;
    if (!m_attributes.MatchesListed(item.attributesText, item.isDirectory)) return false;
    return m_date.Matches(item.modified, item.created, item.accessed, now);
}
