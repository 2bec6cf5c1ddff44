#include "core/search/FolderListing.h"

// Core
#include "core/folders/ActionPath.h"
#include "core/search/PatternMatch.h"
#include "core/search/SearchSink.h"

FolderListing::FolderListing(platform::DirectoryLister& lister, const std::atomic<int>& state)
    : m_lister(lister), m_state(state)
{
}

FolderListing::~FolderListing()
{
    {
        platform::LockGuard lock(m_mutex);
        m_quit = true;
        m_changed.NotifyAll();
    }
    m_helper.Join();
}

std::unique_ptr<FolderNode> FolderListing::MakeNode(const std::string& folder)
{
    auto node = std::make_unique<FolderNode>();
    node->path = folder;
    if (node->path.empty() || node->path.back() != '\\') node->path += '\\';
    return node;
}

void FolderListing::StartHelperOnTree(FolderNode* root)
{
    // Without a second thread the search lists every folder itself.
    (void)m_helper.Start([this, root] { HelperLoop({root}, true); });
}

void FolderListing::StartHelperOnList(const std::vector<FolderNode*>& folders)
{
    (void)m_helper.Start([this, folders] { HelperLoop(folders, false); });
}

void FolderListing::ListInto(FolderNode& node)
{
    std::vector<platform::FindEntry> entries;
    const std::string& where = node.listPath.empty() ? node.path : node.listPath;
    node.listed = m_lister.ListAll(where + kAllFilesPattern, entries);
    std::vector<std::unique_ptr<FolderNode>> children;
    for (const platform::FindEntry& entry : entries) {
        if (!platform::IsFolderToDescend(entry)) continue;
        // A name the code page lost is entered by its short name: listed
        // as it stands, "??" would be a pattern. Without one it is not entered.
        const std::string child = ActionPath(node.path + entry.name, entry.shortName);
        if (!child.empty()) children.push_back(MakeNode(child));
    }
    node.entries = std::move(entries);
    node.children = std::move(children);
}

bool FolderListing::ShouldQuit() const
{
    return m_quit || m_state.load(std::memory_order_relaxed) != WorkState::Running;
}

void FolderListing::Acquire(FolderNode& node)
{
    platform::LockGuard lock(m_mutex);
    if (node.state == FolderNode::State::Unclaimed) {
        node.state = FolderNode::State::Claimed;
        m_mutex.unlock();
        ListInto(node);
        m_mutex.lock();
        node.state = FolderNode::State::Ready;
        m_changed.NotifyAll();
        return;
    }
    m_changed.Wait(m_mutex, [&] { return node.state == FolderNode::State::Ready; });
}

void FolderListing::Release(FolderNode& node)
{
    platform::LockGuard lock(m_mutex);
    if (node.countedAhead) {
        m_entriesAhead -= node.entries.size();
        node.countedAhead = false;
        m_changed.NotifyAll();
    }
    node.entries.clear();
    node.entries.shrink_to_fit();
}

// Pops from the back: on a tree the children are pushed in order, so the last
// sub-folder is taken first (the reverse of the search's order); on a list the
// last folder comes first.
void FolderListing::HelperLoop(std::vector<FolderNode*> stack, bool descend)
{
    while (!stack.empty()) {
        FolderNode* node = stack.back();
        stack.pop_back();
        platform::LockGuard lock(m_mutex);
        m_changed.Wait(m_mutex, [&] { return ShouldQuit() || m_entriesAhead < kMaxEntriesAhead; });
        if (ShouldQuit()) return;
        if (node->state == FolderNode::State::Unclaimed) {
            node->state = FolderNode::State::Claimed;
            m_mutex.unlock();
            ListInto(*node);
            m_mutex.lock();
            node->state = FolderNode::State::Ready;
            node->countedAhead = true;
            m_entriesAhead += node->entries.size();
            m_changed.NotifyAll();
        } else if (!descend) {
            return;  // met the search: everything before this is its own
        } else {
            // The search holds it: wait for its children, then go on below it.
            m_changed.Wait(m_mutex, [&] {
                return ShouldQuit() || node->state == FolderNode::State::Ready;
            });
            if (ShouldQuit()) return;
        }
        if (descend)
            for (const auto& child : node->children) stack.push_back(child.get());
    }
}
