// Core
#include "core/app/RecentFileList.h"

// Tests
#include "core/RegistryFixture.h"

namespace {

class RecentFileListTest : public RegistryTest {
protected:
    const std::string kKey = kRoot + "\\Recent File List";
};

TEST_P(RecentFileListTest, KeepsTheNewestFirstWithoutDuplicatesAndRoundTrips)
{
    CRecentFileList list(3);
    for (const char* path : {"C:\\A", "C:\\B", "c:\\a", "C:\\C", "C:\\D", ""}) list.Add(path);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"C:\\D", "C:\\C", "c:\\a"}));
    EXPECT_EQ(list.MenuText(0), "&1 C:\\D");
    EXPECT_EQ(list.MenuText(3), "");
    {
        CRegistryKey key(Registry(), platform::kHkeyCurrentUser, kKey);
        key.WriteText("File9", "stale");
        list.Save(key);
        EXPECT_EQ(key.ReadText("File9", "gone"), "gone");
        EXPECT_EQ(key.ReadText("File3", ""), "c:\\a");
    }
    // A longer list on the next start reads what is there; a shorter one the first entries.
    CRecentFileList longer(12);
    EXPECT_EQ(longer.Size(), CRecentFileList::kMaxEntries);
    CRecentFileList shorter(2);
    CRegistryKey key(Registry(), platform::kHkeyCurrentUser, kKey);
    longer.Load(key);
    shorter.Load(key);
    EXPECT_EQ(longer.Entries(), list.Entries());
    EXPECT_EQ(shorter.Entries(), (std::vector<std::string>{"C:\\D", "C:\\C"}));

    CRecentFileList none(-4);
    none.Add("C:\\X");
    EXPECT_TRUE(none.Entries().empty());
    list.Remove(1);
    list.Remove(7);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"C:\\D", "c:\\a"}));
}

INSTANTIATE_FOR_EVERY_REGISTRY(RecentFileListTest);

}  // namespace
