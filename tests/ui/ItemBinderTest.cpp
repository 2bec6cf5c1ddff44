// Items found by path, bound in the shell only when it must see them.

// Core
#include "core/folders/ActionPath.h"
#include "core/folders/FileDetails.h"

// Platform
#include "platform/DirectoryLister.h"

// Folders
#include "ui/folders/ItemBinder.h"

// Tests
#include "ui/FolderTestSupport.h"

namespace {

using namespace uitest;

// A record as a search or a results file gives it: path and listing only.
std::unique_ptr<CFileItem> Found(const std::string& path)
{
    auto item = std::make_unique<CFileItem>();
    item->path = path;
    item->name = path.substr(path.rfind('\\') + 1);
    item->folderPath = path.substr(0, path.rfind('\\'));
    DetailsRequest request;
    LoadFileDetails(*item, platform::SystemDirectoryLister(), request);
    return item;
}

std::string PathOfId(LPCITEMIDLIST absolute)
{
    char path[MAX_PATH] = "";
    return absolute && ::SHGetPathFromIDListA(absolute, path) ? path : "";
}

class ItemBinderTest : public FolderTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(FolderTest::SetUp());
        m_folder.Dir("one");
        m_folder.Dir("one\\deep");
        m_folder.Dir("two");
        m_folder.File("one\\a.txt");
        m_folder.File("one\\b.txt");
        m_folder.File("one\\deep\\c.txt");
        m_folder.File("two\\d.txt");
        m_folder.File("two\\hidden.txt", 0, FILE_ATTRIBUTE_HIDDEN);
    }
};

TEST_F(ItemBinderTest, ItemsOfNearbyFoldersBindToTheirOwnPaths)
{
    CItemBinder binder;
    ItemStore store;
    for (const char* relative : {"one\\a.txt", "one\\deep\\c.txt", "one\\b.txt", "two\\d.txt", "one"})
        store.items.push_back(Found(m_folder.Path(relative)));
    for (auto& item : store.items) {
        ASSERT_TRUE(binder.Bind(*item, store)) << item->path;
        EXPECT_EQ(PathOfId(item->absoluteId), item->path);
        EXPECT_NE(item->folder, nullptr);
        EXPECT_EQ(shell::DisplayName(item->folder, item->relativeId, SHGDN_INFOLDER | SHGDN_FORPARSING), item->name);
    }
    EXPECT_EQ(store.items[0]->folder, store.items[2]->folder) << "one folder object for the items of one folder";
    LPITEMIDLIST before = store.items[0]->absoluteId;
    EXPECT_TRUE(binder.Bind(*store.items[0], store));
    EXPECT_EQ(store.items[0]->absoluteId, before) << "a bound item stays as it is";

    auto gone = Found(m_folder.Path("two\\gone.txt"));
    gone->name = "gone.txt";
    EXPECT_FALSE(binder.Bind(*gone)) << "a file that is not there";
    EXPECT_EQ(gone->folder, nullptr);
    auto lost = Found(m_folder.Path("two\\d.txt"));
    lost->path = m_folder.Path("two\\??.txt");
    lost->name = "??.txt";
    lost->shortName.clear();
    EXPECT_FALSE(binder.Bind(*lost)) << "a lost name without a short name reaches no entry";
}

TEST_F(ItemBinderTest, ALostNameBindsThroughItsShortName)
{
    const std::string path = m_folder.Path();
    const std::wstring folder(path.begin(), path.end());
    const std::wstring wide = folder + L"\\\x65E5\x672C.txt";
    m_folder.File("ab.txt");  // what "??.txt" would name as a pattern
    HANDLE file = ::CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) GTEST_SKIP() << "the file system takes no such name";
    ::CloseHandle(file);
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA(m_folder.Path("*.txt").c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    while (!HoldsPattern(data.cFileName) && ::FindNextFileA(find, &data)) {
    }
    ::FindClose(find);
    if (!HoldsPattern(data.cFileName) || !IsUsableShortName(data.cAlternateFileName))
        GTEST_SKIP() << "the code page holds the name, or the file system gives no short name";
    auto item = Found(m_folder.Path(data.cFileName));
    item->shortName = data.cAlternateFileName;
    CItemBinder binder;
    ASSERT_TRUE(binder.Bind(*item));
    wchar_t bound[MAX_PATH] = L"";
    ASSERT_TRUE(::SHGetPathFromIDListW(item->absoluteId, bound));
    EXPECT_TRUE(wide == bound) << "the entry itself, not another one the lost name matches as a pattern";
}

TEST_F(ItemBinderTest, OnlyTheFirstFileOfAClassAndFoldersAreBoundForTheirLooks)
{
    shell::LookupCache::Forget();
    CShownFacts facts;
    auto first = Found(m_folder.Path("one\\a.txt"));
    auto second = Found(m_folder.Path("two\\d.txt"));
    auto hidden = Found(m_folder.Path("two\\hidden.txt"));
    auto folder = Found(m_folder.Path("one\\deep"));
    const ShownFacts a = facts.Of(*first, false);
    const ShownFacts d = facts.Of(*second, false);
    const ShownFacts h = facts.Of(*hidden, false);
    const ShownFacts f = facts.Of(*folder, false);
    EXPECT_NE(first->folder, nullptr) << "the shell tells the class's icon and marks once";
    EXPECT_EQ(second->folder, nullptr) << "the next file of the class is not bound";
    EXPECT_EQ(hidden->folder, nullptr);
    EXPECT_NE(folder->folder, nullptr) << "a folder's icon and share mark are its own";
    EXPECT_GE(a.icon, 0);
    EXPECT_EQ(d.icon, a.icon);
    EXPECT_FALSE(a.link || d.link || a.ghosted || d.ghosted);
    EXPECT_TRUE(h.ghosted) << "the hidden mark ghosts an unbound item";
    EXPECT_GE(f.icon, 0);

    auto remote = Found(m_folder.Path("one\\b.txt"));
    const ShownFacts r = facts.Of(*remote, true);
    EXPECT_EQ(remote->folder, nullptr) << "network items are never bound";
    EXPECT_GE(r.icon, 0);
}

}  // namespace

namespace {

// A name the shell gives as wide text comes back whole however long: a full
// parsing name may pass MAX_PATH, and in a double-byte code page a long
// component takes twice its characters in bytes.
TEST(ShellNames, AWideNameLongerThanAPathIsConvertedWholeAndItsMemoryFreed)
{
    constexpr std::size_t kChars = 3 * MAX_PATH;
    std::wstring wide;
    for (std::size_t i = 0; i < kChars; ++i) wide += static_cast<wchar_t>(L'a' + i % 26);
    STRRET strret = {};
    strret.uType = STRRET_WSTR;
    strret.pOleStr = static_cast<LPWSTR>(::CoTaskMemAlloc((wide.size() + 1) * sizeof(wchar_t)));
    ASSERT_NE(strret.pOleStr, nullptr);
    std::copy(wide.c_str(), wide.c_str() + wide.size() + 1, strret.pOleStr);
    const std::string text = shell::StrRetText(strret, nullptr);
    EXPECT_EQ(text.size(), kChars);
    EXPECT_EQ(text, std::string(wide.begin(), wide.end()));
    EXPECT_EQ(strret.pOleStr, nullptr) << "the shell's text is freed";
}

}  // namespace
