// Links and junctions in a searched tree: each is listed and tested like any
// entry, and no walk goes down into one.

// Core
#include "core/search/FolderListWalk.h"
#include "core/search/SearchEngine.h"

// Tests
#include "core/search/SearchTestSupport.h"

// Standard library
#include <cstdlib>

namespace {

using searchtest::RecordingSink;
using searchtest::RemappingLister;

// top/a.txt, top/sub/b.txt, other/c.txt; top/self leads to top itself and
// top/twin to its sibling "other". Natively the test makes it; a Windows
// program under Wine cannot make host links, so there tools/test.sh makes the
// same tree and names it in TRAILMARK_LINK_TREE.
class LinkTree {
public:
    LinkTree()
    {
#ifdef _WIN32
        const char* made = std::getenv("TRAILMARK_LINK_TREE");
        if (made && *made) m_root = std::string(made) + "\\";
#else
        m_tree.File("top/a.txt");
        m_tree.File("top/sub/b.txt");
        m_tree.File("other/c.txt");
        m_tree.Link("top/self", ".");
        m_tree.Link("top/twin", "../other");
        m_root = m_tree.Path();
#endif
    }
    bool Made() const { return !m_root.empty(); }
    std::string Path(const std::string& relative) const { return m_root + relative; }

private:
#ifndef _WIN32
    searchtest::TempTree m_tree;
#endif
    std::string m_root;
};

class WalkLinksTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (!links.Made()) GTEST_SKIP() << "TRAILMARK_LINK_TREE names no prepared tree";
    }
    std::vector<std::string> Search(const std::string& patterns, const SearchOptions& options,
                                    platform::DirectoryLister& lister,
                                    const std::string& folder)
    {
        CCondition criteria;
        criteria.SetFolder(folder);
        criteria.SetPatterns(patterns);
        sink.Clear();
        CSearchEngine engine(lister, sink, state);
        EXPECT_EQ(engine.Run({&criteria}, options), SearchOutcome::Completed) << patterns;
        return sink.paths;
    }

    LinkTree links;
    RecordingSink sink;
    std::atomic<int> state{WorkState::Running};
};

TEST_F(WalkLinksTest, ALinkIsListedAsAFolderThatIsAReparsePoint)
{
    std::map<std::string, std::uint32_t> attributes;
    platform::SystemDirectoryLister().List(links.Path("top\\*"),
                                           [&](const platform::FindEntry& entry) {
                                               attributes[entry.name] = entry.attributes;
                                               return true;
                                           });
    const std::uint32_t link = platform::kAttrDirectory | platform::kAttrReparsePoint;
    EXPECT_EQ(attributes["self"] & link, link);
    EXPECT_EQ(attributes["twin"] & link, link);
    EXPECT_EQ(attributes["sub"] & link, platform::kAttrDirectory);
    EXPECT_EQ(attributes["a.txt"] & link, 0u);
}

TEST_F(WalkLinksTest, EverySearchFindsEachRealFileOnceAndTheLinksByName)
{
    RemappingLister lister(platform::SystemDirectoryLister());
    lister.Drive('C', links.Path("top\\"), platform::DriveType::Fixed);
    CFolderTable table;
    ASSERT_TRUE(FolderListWalk::Run(lister, state, table));
    CFolderTable notReady;

    struct Mode {
        const char* name;
        bool fastFind;
        bool secondThread;
        const CFolderTable* table;
        const char* subFile;  // the table holds upper-cased folder paths
    };
    const Mode modes[] = {{"walk", false, false, nullptr, "C:\\sub\\b.txt"},
                          {"walk, two threads", false, true, nullptr, "C:\\sub\\b.txt"},
                          {"fast find, disk walk", true, false, &notReady, "C:\\sub\\b.txt"},
                          {"fast find, folder table", true, true, &table, "C:\\SUB\\b.txt"}};
    for (const Mode& mode : modes) {
        SearchOptions options;
        options.fastFind = mode.fastFind;
        options.secondThread = mode.secondThread;
        options.folderTable = mode.table;
        const std::vector<std::string> found = Search("*.txt", options, lister, "C:\\");
        EXPECT_EQ(found, (std::vector<std::string>{"C:\\a.txt", mode.subFile})) << mode.name;
        const std::vector<std::string> named = Search("self,twin", options, lister, "C:\\");
        EXPECT_EQ(std::set<std::string>(named.begin(), named.end()),
                  (std::set<std::string>{"C:\\self", "C:\\twin"}))
            << mode.name;
    }
}

TEST_F(WalkLinksTest, TheFolderListWalkEndsAndHoldsEachRealFolderOnce)
{
    RemappingLister lister(platform::SystemDirectoryLister());
    lister.Drive('C', links.Path("top\\"), platform::DriveType::Fixed);
    lister.Drive('D', links.Path("other\\"), platform::DriveType::Fixed);
    const std::optional<std::vector<std::string>> folders = FolderListWalk::Collect(lister, state);
    ASSERT_TRUE(folders.has_value());
    EXPECT_EQ(*folders, (std::vector<std::string>{"C:\\", "C:\\sub\\", "D:\\"}));
}

}  // namespace
