#include "core/dialogs/RunHistory.h"

// Core
#include "core/app/ObjectList.h"
#include "core/frame/RunTimeMenus.h"

namespace {

bool IsDirectoryOrItem(const std::string& command, const PathFacts& facts)
{
    return facts.isDirectory(command) || facts.shellParses(command);
}

// A command that names nothing is looked for on the path as a program.
std::optional<std::string> FoundOnPath(const std::string& command, const PathFacts& facts)
{
    if (command.empty() || !facts.searchPath) return std::nullopt;
    return facts.searchPath(command);
}

}  // namespace

std::string TrimBlanks(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('\\');
    if (slash == std::string::npos) return {};
    // "C:\file" keeps its root's backslash; "C:\dir\file" does not.
    if (slash == 2 && path.size() > 1 && path[1] == ':') return path.substr(0, 3);
    return path.substr(0, slash);
}

std::string DisplayTitleOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::unique_ptr<CTool> BuildRunEntry(const std::string& command, const std::string& arguments,
                                     const PathFacts& facts)
{
    auto entry = std::make_unique<CTool>();
    entry->SetArguments(arguments);
    if (IsDirectoryOrItem(command, facts)) {
        entry->SetName(command);
        entry->SetCommand(command);
        entry->SetOpenModeByte(static_cast<std::uint8_t>(OpenMode::Trailmark));
        return entry;
    }
    std::string path = command;
    if (!facts.exists(command)) path = FoundOnPath(command, facts).value_or(command);
    entry->SetName(DisplayTitleOf(path));
    entry->SetCommand(path);
    entry->SetOpenModeByte(static_cast<std::uint8_t>(OpenMode::Shell));
    return entry;
}

void AddToRunHistory(CObjectList& history, std::unique_ptr<CTool> entry)
{
    for (int i = history.Count() - 1; i >= 0; --i) {
        const auto* old = dynamic_cast<const CFavorite*>(history.At(i));
        if (old && SameNameNoCase(old->Command(), entry->Command())) history.RemoveAt(i, true);
    }
    if (!history.Add(std::move(entry))) return;
    MoveToTop(history, history.Count() - 1);
    while (history.Count() > kRunHistoryLimit) history.RemoveAt(history.Count() - 1, true);
}

void MoveToTop(CObjectList& history, int index)
{
    for (int i = index; i > 0; --i) history.Swap(i, i - 1);
}

bool RunOpensFolder(const std::string& command, bool treeKnowsFolder, bool exists)
{
    return treeKnowsFolder || (command.find("\\\\") != std::string::npos && !exists);
}

ToolCheck CheckToolInput(ToolInput& input, const PathFacts& facts)
{
    input.command = TrimBlanks(input.command);
    const bool internet = IsInternetAddress(input.command);
    if (!facts.exists(input.command) && !internet && !facts.shellParses(input.command)) {
        const std::optional<std::string> found = FoundOnPath(input.command, facts);
        if (!found) return ToolCheck::InvalidPath;
        input.command = *found;
    }
    if (!internet) {
        input.directory = TrimBlanks(input.directory);
        if (!input.directory.empty() && !facts.isDirectory(input.directory)) return ToolCheck::InvalidDirectory;
        if (input.directory.empty()) input.directory = FolderOf(input.command);
    }
    if (TrimBlanks(input.name).empty()) {
        const std::string title = DisplayTitleOf(input.command);
        input.name = title.empty() ? input.command : title;
    }
    return ToolCheck::Ok;
}

std::string StoredDirectory(const std::string& directory)
{
    return directory.find('\\') == std::string::npos ? std::string() : directory;
}

ToolLaunch PlanToolLaunch(const CTool& tool, const PathFacts& facts)
{
    if (IsDirectoryOrItem(tool.Command(), facts))
        return tool.OpensInTrailmark() ? ToolLaunch::OpenFolder : ToolLaunch::Run;
    return tool.PromptForArguments() ? ToolLaunch::PromptThenRun : ToolLaunch::Run;
}

std::string ArgumentsAfterPrompt(const std::string& stored, const std::string& typed)
{
    return stored + " " + typed;
}
