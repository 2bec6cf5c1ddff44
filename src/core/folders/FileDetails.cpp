#include "core/folders/FileDetails.h"

// Core
#include "core/folders/ActionPath.h"

// Standard library
#include <cctype>

namespace {

constexpr char kDriveMarks[][3] = {":)", ":\\"};
constexpr char kFileTypeWord[] = "File";

}  // namespace

std::string AttributesText(std::uint32_t attributes)
{
    std::string text;
    if (attributes & platform::kAttrReadOnly) text += 'R';
    if (attributes & platform::kAttrHidden) text += 'H';
    if (attributes & platform::kAttrSystem) text += 'S';
    if (attributes & platform::kAttrArchive) text += 'A';
    return text;
}

std::string ExtensionOf(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) return {};
    std::string extension = name.substr(dot + 1);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

bool IsFileSystemPath(const std::string& path)
{
    return (path.size() >= 3 && path[1] == ':' && path[2] == '\\') || path.compare(0, 2, "\\\\") == 0;
}

std::string FileNameOfItem(const FileItem& item)
{
    const std::string& path = item.path;
    const std::size_t slash = path.rfind('\\');
    if (!IsFileSystemPath(path) || slash == std::string::npos || slash + 1 == path.size()) return item.name;
    return path.substr(slash + 1);
}

void CopyDetails(FileItem& to, const FileItem& from)
{
    to.attributes = from.attributes;
    to.attributesText = from.attributesText;
    to.sizeBytes = from.sizeBytes;
    to.sizeKB = from.sizeKB;
    to.modified = from.modified;
    to.accessed = from.accessed;
    to.created = from.created;
    to.isDirectory = from.isDirectory;
    to.typeName = from.typeName;
    to.hiddenOrSystem = from.hiddenOrSystem;
    to.visible = from.visible;
    to.detailsPending = from.detailsPending;
}

std::string FormatKilobytes(const std::string& format, std::int64_t kilobytes)
{
    std::string text = format;
    const std::size_t mark = text.find("%d");
    if (mark != std::string::npos) text.replace(mark, 2, std::to_string(kilobytes));
    return text;
}

std::string FolderPartOf(const std::string& path)
{
    const std::size_t slash = path.rfind('\\');
    if (slash == std::string::npos) return {};
    std::string folder = path.substr(0, slash);
    if (folder.size() == 2 && folder[1] == ':') folder += '\\';
    return folder;
}

bool IsDriveDisplayName(const std::string& name)
{
    for (const char* mark : kDriveMarks)
        if (name.find(mark) != std::string::npos) return true;
    return false;
}

std::string TypeNameFromExtension(const std::string& extension)
{
    if (extension.empty()) return kFileTypeWord;
    std::string upper = extension;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper + " " + kFileTypeWord;
}

void ApplyFindEntry(FileItem& item, const platform::FindEntry& entry)
{
    // The entry's name is the file's own: a display name may lack the extension.
    item.extension = ExtensionOf(entry.name.empty() ? item.name : entry.name);
    item.folderPath = FolderPartOf(item.path);
    item.attributes = entry.attributes;
    item.sizeBytes = entry.size;
    item.sizeKB = SizeInKB(entry.size);
    item.modified = entry.modified;
    item.accessed = entry.accessed;
    item.created = entry.created;
    item.hiddenOrSystem = (entry.attributes & (platform::kAttrHidden | platform::kAttrSystem)) != 0;
    item.attributesText = AttributesText(entry.attributes);
    item.isDirectory = (entry.attributes & platform::kAttrDirectory) != 0;
}

DetailsOutcome LoadFileDetails(FileItem& item, platform::DirectoryLister& lister,
                               const DetailsRequest& request)
{
    item.detailsPending = false;
    platform::FindEntry status;
    bool found = false;
    // The path listed is never a pattern: the one entry listed is the item itself.
    const std::string exact = ActionPathOf(item);
    if (!IsDriveDisplayName(item.name) && !exact.empty())
        lister.List(exact, [&](const platform::FindEntry& entry) {
            status = entry;
            found = true;
            return false;
        });
    if (!found) {
        item.sizeKB = 0;
        item.sizeBytes = 0;
        item.modified = item.accessed = item.created = 0;
        item.typeName.clear();
        item.attributesText.clear();
        return DetailsOutcome::Virtual;
    }
    ApplyFindEntry(item, status);
    item.typeName = request.shellTypeName.empty() ? TypeNameFromExtension(item.extension) : request.shellTypeName;
    if (request.computeVisibility) item.visible = ItemVisible(request.showHidden, item.hiddenOrSystem);
    return DetailsOutcome::Loaded;
}

void StoreItemNames(const FileItem& item, const StringWriter& write)
{
    // Read back, the path must name this item alone: a name the code page
    // lost is kept by its short name, the shown name as listed.
    write(PlacePathOf(item));
    write(item.name);
}

bool LoadItemNames(FileItem& item, const StringReader& read)
{
    if (!read(item.path) || !read(item.name)) return false;
    item.extension = ExtensionOf(item.name);
    item.folderPath = FolderPartOf(item.path);
    return true;
}
