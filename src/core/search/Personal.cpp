#include "core/search/Personal.h"

// Core
#include "core/app/Settings.h"
#include "core/app/SettingsStore.h"
#include "core/app/UniqueFileName.h"
#include "core/folders/StatusTexts.h"
#include "core/search/ResultsFile.h"

// Platform
#include "platform/FileSystem.h"

// Standard library
#include <cctype>
#include <cstdio>
#include <ctime>
#include <set>

namespace {

constexpr char kValueCreated[] = "Created";
constexpr char kValueUpdated[] = "Updated";
constexpr char kValueFolderName[] = "Folder Name";
constexpr char kValueContains[] = "Contains";
constexpr char kValueSize[] = "Size";
constexpr int kWordWidth = 4;

constexpr char kResultsBase[] = "Per";
constexpr char kResultsExtension[] = "fld";
constexpr std::size_t kSummaryChars = 128;

const std::string& CountWord(int count, const std::string& singular, const std::string& plural)
{
    return count > 1 ? plural : singular;
}

std::string NameOfPath(const std::string& path)
{
    const std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool LoadsUnderDialog(const ResultsReader& reader) { return reader.PossibleCount() >= kDirectLoadLimit; }

std::string FormatPersonalTime(std::uint32_t seconds, const std::string& format)
{
    if (seconds == 0) return {};
    const std::time_t time = static_cast<std::time_t>(seconds);
    const std::tm* local = std::localtime(&time);
    if (!local) return {};
    char text[256] = "";
    // A result that does not fit gives 0: nothing rather than a cut date.
    const std::size_t length = std::strftime(text, sizeof(text), format.c_str(), local);
    return std::string(text, length);
}

PersonalSummary MakePersonalSummary(const std::vector<const FileItem*>& items, const PersonalStrings& strings)
{
    double size = 0;
    int files = 0, folders = 0;
    for (const FileItem* item : items) {
        size += static_cast<double>(item->sizeBytes);
        if (!item->visible) continue;
        if (item->isDirectory) ++folders;
        else ++files;
    }
    StatusStrings sizeStrings;
    sizeStrings.bytesFormat = strings.bytesFormat;
    sizeStrings.kilobytesFormat = strings.kilobytesFormat;
    sizeStrings.megabytesFormat = strings.megabytesFormat;
    PersonalSummary summary;
    summary.size = FormatStatusSize(size, sizeStrings);
    char contains[kSummaryChars] = "";
    std::snprintf(contains, sizeof(contains), strings.containsFormat.c_str(), files,
                  CountWord(files, strings.file, strings.files).c_str(), folders,
                  CountWord(folders, strings.folder, strings.folders).c_str());
    summary.contains = contains;
    return summary;
}

CPersonal::CPersonal(std::uint32_t created) : m_created(created) {}

void CPersonal::LoadFrom(CSettingsStore& store, const std::string& keyName, int sectionId)
{
    CReport::LoadFrom(store, keyName, sectionId);
    std::unique_ptr<CRegistryKey> key = OpenRecordKey(store, keyName, sectionId);
    if (!key) return;
    key->ReadNumber(kValueCreated, m_created, kWordWidth);
    key->ReadNumber(kValueUpdated, m_updated, kWordWidth);
    m_resultsFile = key->ReadText(kValueFolderName, m_resultsFile);
    m_containsText = key->ReadText(kValueContains, m_containsText);
    m_sizeText = key->ReadText(kValueSize, m_sizeText);
}

void CPersonal::SaveTo(CSettingsStore& store, const std::string& keyName, int sectionId)
{
    CReport::SaveTo(store, keyName, sectionId);
    std::unique_ptr<CRegistryKey> key = OpenRecordKey(store, keyName, sectionId);
    if (!key) return;
    key->WriteNumber(kValueCreated, m_created, kWordWidth);
    key->WriteNumber(kValueUpdated, m_updated, kWordWidth);
    key->WriteText(kValueFolderName, m_resultsFile);
    key->WriteText(kValueContains, m_containsText);
    key->WriteText(kValueSize, m_sizeText);
}

void CPersonal::SaveValues(CSettingsStore& store)
{
    if (!KeyName().empty()) SaveTo(store, KeyName(), SectionId::PersonalFolders);
}

void CPersonal::SetSummary(PersonalSummary summary)
{
    m_sizeText = std::move(summary.size);
    m_containsText = std::move(summary.contains);
}

std::optional<std::string> NewResultsFilePath(const std::string& folder,
                                              const std::function<bool(const std::string&)>& taken)
{
    std::optional<std::string> name = MakeUniqueFileName(folder, kResultsBase, kResultsExtension, taken);
    if (!name) return std::nullopt;
    return folder + "\\" + *name;
}

std::optional<std::string> NewResultsFilePath(const std::string& folder) { return NewResultsFilePath(folder, {}); }

CPersonalList::CPersonalList(CSettingsStore& store, std::string resultsFolder, Factory factory)
    : CObjectList(store, nullptr, SectionId::PersonalFolders, kNoCapacity),
      m_resultsFolder(std::move(resultsFolder)),
      m_factory(std::move(factory))
{
    if (!m_factory) m_factory = [] { return std::make_unique<CPersonal>(); };
}

void CPersonalList::LoadAll()
{
    DeleteAll();
    LoadEntries([this] { return std::unique_ptr<CBaseObj>(m_factory()); });
    for (int i = 0; i < Count(); ++i)
        if (FolderAt(i)->ResultsFile().empty()) GiveResultsFile(*FolderAt(i));
}

void CPersonalList::GiveResultsFile(CPersonal& folder) const
{
    // Folders not yet written have no file that the disk could show taken.
    std::set<std::string> used;
    for (int i = 0; i < Count(); ++i) used.insert(PathKey(NameOfPath(FolderAt(i)->ResultsFile())));
    std::optional<std::string> path =
        NewResultsFilePath(m_resultsFolder, [&used](const std::string& name) { return used.count(PathKey(name)) > 0; });
    folder.SetResultsFile(path.value_or(std::string()));
}

CPersonal* CPersonalList::Append(std::unique_ptr<CPersonal> folder)
{
    if (folder && folder->ResultsFile().empty()) GiveResultsFile(*folder);
    return static_cast<CPersonal*>(Add(std::move(folder)));
}

std::unique_ptr<CPersonal> CPersonalList::MakeFolder(std::uint32_t now) const
{
    std::unique_ptr<CPersonal> folder = m_factory();
    folder->SetCreated(now);
    GiveResultsFile(*folder);
    return folder;
}

void CPersonalList::RemoveFolder(int index)
{
    CPersonal* folder = FolderAt(index);
    if (!folder) return;
    const std::string path = folder->ResultsFile();
    RemoveAt(index, true);
    if (path.empty()) return;
    platform::RemoveFile(path);
    platform::RemoveFile(ResultsBackupPath(path));
    platform::RemoveFile(ResultsTempPath(path));
}

void CPersonalList::RemoveAllFolders()
{
    while (Count() > 0) RemoveFolder(Count() - 1);
}

std::string PathKey(const std::string& path)
{
    std::string key = path;
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

bool SamePathNoCase(const std::string& a, const std::string& b) { return PathKey(a) == PathKey(b); }

std::vector<std::string> FilterNewPaths(const std::vector<std::string>& candidates,
                                        const std::vector<std::string>& present,
                                        const std::function<bool(const std::string&)>& exists)
{
    std::set<std::string> seen;
    for (const std::string& path : present) seen.insert(PathKey(path));
    std::vector<std::string> kept;
    for (const std::string& path : candidates) {
        if (!seen.insert(PathKey(path)).second) continue;
        if (exists(path)) kept.push_back(path);
    }
    return kept;
}
